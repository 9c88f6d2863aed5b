#include "platform/objc/ClassRegistry.h"

#include <utility>

namespace platform::objc {

Class::Class(std::string name, std::map<std::string, ClassOperation, std::less<>> classOperations)
    : name_(std::move(name)), classOperations_(std::move(classOperations)) {}

bool Class::respondsToClassOperation(std::string_view selector) const {
  const auto found = classOperations_.find(selector);
  return found != classOperations_.end() && found->second;
}

std::optional<std::string> Class::performClassOperation(std::string_view selector) const {
  const auto found = classOperations_.find(selector);
  if (found == classOperations_.end() || !found->second) {
    return std::nullopt;
  }
  return found->second();
}

ClassRegistry& ClassRegistry::shared() {
  static ClassRegistry registry;
  return registry;
}

void ClassRegistry::registerClass(std::shared_ptr<const Class> aClass) {
  if (!aClass) {
    return;
  }
  const std::lock_guard<std::mutex> lock(mutex_);
  std::string name = aClass->name();
  classes_.insert_or_assign(std::move(name), std::move(aClass));
}

void ClassRegistry::removeClass(std::string_view name) {
  const std::lock_guard<std::mutex> lock(mutex_);
  if (const auto found = classes_.find(name); found != classes_.end()) {
    classes_.erase(found);
  }
}

std::shared_ptr<const Class> ClassRegistry::lookUpClass(std::string_view name) const {
  const std::lock_guard<std::mutex> lock(mutex_);
  const auto found = classes_.find(name);
  return found == classes_.end() ? nullptr : found->second;
}

}  // namespace platform::objc
