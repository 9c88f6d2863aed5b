#pragma once

#include <functional>
#include <memory>

#include "platform/objc/SharedObject.h"
#include "platform/springboard/runtime/Signatures.h"

namespace platform::springboard {

// Pulls the cover sheet (the lock screen as notification centre) down over whatever shows.
class SBCoverSheetPresentationManager : public objc::SharedObject {
 public:
  SBCoverSheetPresentationManager() : SharedObject("SBCoverSheetPresentationManager") {}

  static std::shared_ptr<SBCoverSheetPresentationManager> sharedInstance();

  void setCoverSheetPresented(bool presented, bool animated, std::function<void()> completion);
  bool isPresented = false;
  // Where the stock operation shows or hides the cover sheet (set by the process).
  std::function<void(bool presented)> presentationChanged;

  static void declareClass(objc::Class& cls);
};

}  // namespace platform::springboard
