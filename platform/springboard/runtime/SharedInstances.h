#pragma once

#include <map>
#include <memory>
#include <string>
#include <string_view>

#include "platform/objc/Class.h"
#include "platform/objc/Object.h"

namespace platform::springboard {

// The one object of each SpringBoard singleton class, as its +sharedInstance answers it.
// The process fills it at launch and empties it when it ends, so each test starts clean.
class SharedInstances {
 public:
  static void set(std::string_view className, std::shared_ptr<objc::Object> object);
  // Null when none was set (or the process has ended).
  static std::shared_ptr<objc::Object> get(std::string_view className);
  static void clear();

  template <class T>
  static std::shared_ptr<T> get(std::string_view className) {
    return std::dynamic_pointer_cast<T>(get(className));
  }

  // Registers the class operation (+sharedInstance unless named), answering what was set for its name.
  static void declareSharedInstance(objc::Class& cls, std::string_view selector = "sharedInstance");
};

}  // namespace platform::springboard
