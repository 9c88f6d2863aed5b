#pragma once

#include <memory>
#include <string_view>
#include <vector>

#include "platform/objc/SharedObject.h"

namespace platform::springboard {

// The list above the notifications that holds now playing: what its insert operations took.
// The list-item manager ("CSListItemManager") keeps its items the same way.
class CSNotificationAdjunctListViewController : public objc::SharedObject {
 public:
  explicit CSNotificationAdjunctListViewController(std::string_view runtimeClass) : SharedObject(runtimeClass) {}

  std::vector<std::shared_ptr<objc::Object>> items;

  static void declareClass(objc::Class& cls);
  static void declareLegacyClass(objc::Class& cls);
  static void declareListItemManager(objc::Class& cls);
};

}  // namespace platform::springboard
