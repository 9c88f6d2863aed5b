#pragma once

#include <memory>
#include <string>

#include "platform/objc/Object.h"
#include "platform/springboard/runtime/Signatures.h"
#include "platform/ui/views/View.h"

namespace platform::springboard {

// The root view of the cover sheet (the lock screen). Touches reach it through its runtime
// hit test, so a replaced hitTest:withEvent: sees every touch on the lock screen. Made as the
// stand-in's own subclass "CSCoverSheetView" (iOS 13 on; "SBDashBoardView" before).
class CSCoverSheetViewBase : public ui::View, public objc::Object {
 public:
  static std::shared_ptr<CSCoverSheetViewBase> make(std::string_view runtimeClass, const graphics::Rect& frame);

  CSCoverSheetViewBase(ConstructionKey key, std::string_view runtimeClass, const graphics::Rect& frame);

  std::string_view className() const override;

 private:
  std::string fallbackName_;
};

}  // namespace platform::springboard
