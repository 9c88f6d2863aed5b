#include "platform/springboard/lockscreen/NotificationListController.h"

#include "platform/objc/Messaging.h"
#include "platform/objc/Runtime.h"
#include "platform/springboard/runtime/PlainStockOperations.h"
#include "platform/springboard/runtime/RuntimeSupport.h"
#include "platform/springboard/runtime/Signatures.h"

namespace platform::springboard {

std::shared_ptr<NotificationListController> NotificationListController::make(std::string_view runtimeClass,
                                                                            std::shared_ptr<ui::View> listView) {
  return std::make_shared<NotificationListController>(ConstructionKey{}, runtimeClass, std::move(listView));
}

NotificationListController::NotificationListController(ConstructionKey key, std::string_view runtimeClass,
                                                       std::shared_ptr<ui::View> listView)
    : ViewController(key), Object(runtimeClass), listView_(std::move(listView)) {}

void NotificationListController::declareCombinedListClass(objc::Class& cls) {
  plain::declareCombinedListViewController(cls);
  objc::addMethod<signatures::FrameGetter>(cls, "_suggestedListViewFrame", [](objc::Object& self) {
    return receiver<NotificationListController>(self).stockFrame;
  });
  // SpringBoard's own relayout places the list where it suggests.
  objc::addMethod<signatures::Action>(cls, "_layoutListView", [](objc::Object& self) {
    auto& controller = receiver<NotificationListController>(self);
    controller.view()->setFrame(objc::send<signatures::FrameGetter>(self, "_suggestedListViewFrame"));
    objc::send<signatures::Action>(self, "layoutListView");
  });
}

}  // namespace platform::springboard
