#pragma once

#include <memory>
#include <string_view>

#include "platform/objc/Object.h"
#include "platform/ui/views/ViewController.h"

namespace platform::springboard {

// A controller of the cover sheet's notification list ("CSCombinedListViewController",
// "NCNotificationStructuredListViewController"): its view is the list the cover sheet made.
class NotificationListController : public ui::ViewController, public objc::Object {
 public:
  static std::shared_ptr<NotificationListController> make(std::string_view runtimeClass,
                                                          std::shared_ptr<ui::View> listView);

  NotificationListController(ConstructionKey key, std::string_view runtimeClass, std::shared_ptr<ui::View> listView);

  // The list's stock frame, which "_suggestedListViewFrame" answers.
  graphics::Rect stockFrame;

  static void declareCombinedListClass(objc::Class& cls);

 protected:
  std::shared_ptr<ui::View> loadView() override { return listView_; }

 private:
  std::shared_ptr<ui::View> listView_;
};

}  // namespace platform::springboard
