#include "platform/objc/Messaging.h"

#include <string>

#include "platform/foundation/files/SystemLog.h"
#include "platform/objc/Runtime.h"

namespace platform::objc {

namespace detail {

Implementation implementationFor(const Object& receiver, std::string_view selector) {
  const Class* cls = receiver.isa();
  return cls != nullptr ? lookUpImplementation(*cls, selector) : Implementation();
}

void logMiss(const Object& receiver, std::string_view selector, const std::type_info& sent,
             const Implementation& found) {
  const Class* cls = receiver.isa();
  const std::string method = cls != nullptr ? cls->methodName(selector)
                                            : "[(object without a class) " + std::string(selector) + "]";
  const std::string why = found ? "implemented as " + found.signatureName() : std::string("not implemented");
  foundation::systemLog("objc: " + method + " sent as " + signatureName(sent) + ", " + why);
}

}  // namespace detail

bool respondsToSelector(const Object& receiver, std::string_view selector) {
  return static_cast<bool>(detail::implementationFor(receiver, selector));
}

bool respondsToSelector(const Object* receiver, std::string_view selector) {
  return receiver != nullptr && respondsToSelector(*receiver, selector);
}

bool instancesRespondToSelector(const Class& cls, std::string_view selector) {
  return static_cast<bool>(lookUpImplementation(cls, selector));
}

bool isKindOfClass(const Object& receiver, const Class* cls) {
  return cls != nullptr && receiver.isa() != nullptr && receiver.isa()->isSubclassOf(*cls);
}

bool isKindOfClass(const Object& receiver, std::string_view className) {
  return isKindOfClass(receiver, getClass(className));
}

bool isKindOfClass(const Object* receiver, const Class* cls) {
  return receiver != nullptr && isKindOfClass(*receiver, cls);
}

bool isKindOfClass(const Object* receiver, std::string_view className) {
  return receiver != nullptr && isKindOfClass(*receiver, className);
}

}  // namespace platform::objc
