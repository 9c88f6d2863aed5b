#include "platform/springboard/lockscreen/CSMainPageView.h"

#include "platform/objc/Messaging.h"
#include "platform/objc/Runtime.h"
#include "platform/springboard/runtime/RuntimeSupport.h"

namespace platform::springboard {

std::shared_ptr<CSMainPageView> CSMainPageView::make(std::string_view runtimeClass, const graphics::Rect& frame) {
  return std::make_shared<CSMainPageView>(ConstructionKey{}, runtimeClass, frame);
}

CSMainPageView::CSMainPageView(ConstructionKey key, std::string_view runtimeClass, const graphics::Rect& frame)
    : View(key, frame), Object(runtimeClass), fallbackName_(runtimeClass) {}

std::string_view CSMainPageView::className() const { return runtimeClassName(*this, fallbackName_); }

void CSMainPageView::updateForPresentation(signatures::Object presentation) {
  objc::send<signatures::ObjectAction>(*this, "updateForPresentation:", std::move(presentation));
}

void CSMainPageView::declareClass(objc::Class& cls) {
  objc::addMethod<signatures::ObjectAction>(cls, "updateForPresentation:", [](objc::Object& self, signatures::Object) {
    auto& page = receiver<CSMainPageView>(self);
    ++page.presentationCount_;
    page.setNeedsLayout();
  });
}

}  // namespace platform::springboard
