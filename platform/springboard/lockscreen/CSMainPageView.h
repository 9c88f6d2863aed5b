#pragma once

#include <memory>
#include <string>

#include "platform/objc/Object.h"
#include "platform/springboard/runtime/Signatures.h"
#include "platform/ui/views/View.h"

namespace platform::springboard {

// The cover sheet's main page: the page that holds the clock, the notification list, the quick
// actions and the call to action. SpringBoard tells it each time the cover sheet is presented.
class CSMainPageView : public ui::View, public objc::Object {
 public:
  static std::shared_ptr<CSMainPageView> make(std::string_view runtimeClass, const graphics::Rect& frame);

  CSMainPageView(ConstructionKey key, std::string_view runtimeClass, const graphics::Rect& frame);

  std::string_view className() const override;

  void updateForPresentation(signatures::Object presentation);
  int presentationCount() const { return presentationCount_; }

  static void declareClass(objc::Class& cls);

 private:
  std::string fallbackName_;
  int presentationCount_ = 0;
};

}  // namespace platform::springboard
