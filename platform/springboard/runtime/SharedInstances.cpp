#include "platform/springboard/runtime/SharedInstances.h"

#include "platform/objc/Runtime.h"
#include "platform/springboard/runtime/Signatures.h"

namespace platform::springboard {

namespace {

std::map<std::string, std::shared_ptr<objc::Object>, std::less<>>& instances() {
  static std::map<std::string, std::shared_ptr<objc::Object>, std::less<>> objects;
  return objects;
}

}  // namespace

void SharedInstances::set(std::string_view className, std::shared_ptr<objc::Object> object) {
  instances()[std::string(className)] = std::move(object);
}

std::shared_ptr<objc::Object> SharedInstances::get(std::string_view className) {
  const auto found = instances().find(className);
  return found == instances().end() ? nullptr : found->second;
}

void SharedInstances::clear() { instances().clear(); }

void SharedInstances::declareSharedInstance(objc::Class& cls, std::string_view selector) {
  objc::addClassMethod<signatures::Getter>(cls, selector, [name = cls.name()](objc::Object&) {
    return SharedInstances::get(name);
  });
}

}  // namespace platform::springboard
