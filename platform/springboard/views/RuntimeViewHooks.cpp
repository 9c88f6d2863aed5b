#include "platform/springboard/views/RuntimeViewHooks.h"

#include "platform/objc/Messaging.h"
#include "platform/objc/Runtime.h"
#include "platform/springboard/runtime/Signatures.h"
#include "platform/ui/views/View.h"

namespace platform::springboard {

void sendLayoutSubviews(objc::Object& view, RuntimeViewHooks& hooks) {
  if (objc::respondsToSelector(view, "layoutSubviews")) {
    objc::send<signatures::Action>(view, "layoutSubviews");
  } else {
    hooks.stockLayoutSubviews();
  }
}

void sendDidMoveToWindow(objc::Object& view, RuntimeViewHooks& hooks) {
  if (objc::respondsToSelector(view, "didMoveToWindow")) {
    objc::send<signatures::Action>(view, "didMoveToWindow");
  } else {
    hooks.stockDidMoveToWindow();
  }
}

void declareStockViewOperations(objc::Class& viewClass) {
  objc::addMethod<signatures::Action>(viewClass, "layoutSubviews", [](objc::Object& self) {
    if (auto* hooks = dynamic_cast<RuntimeViewHooks*>(&self)) hooks->stockLayoutSubviews();
  });
  objc::addMethod<signatures::Action>(viewClass, "didMoveToWindow", [](objc::Object& self) {
    if (auto* hooks = dynamic_cast<RuntimeViewHooks*>(&self)) hooks->stockDidMoveToWindow();
  });
  objc::addMethod<void(bool)>(viewClass, "setHidden:", [](objc::Object& self, bool hidden) {
    if (auto* view = dynamic_cast<ui::View*>(&self)) view->setHidden(hidden);
  });
  objc::addMethod<signatures::Answer>(viewClass, "isHidden", [](objc::Object& self) {
    auto* view = dynamic_cast<ui::View*>(&self);
    return view != nullptr && view->isHidden();
  });
}

}  // namespace platform::springboard
