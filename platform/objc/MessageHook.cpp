#include "platform/objc/MessageHook.h"

#include <mutex>

#include "platform/foundation/files/SystemLog.h"
#include "platform/objc/Selector.h"

namespace platform::objc {

namespace detail {

using foundation::systemLog;

bool hookMessage(Class& cls, std::string_view selector, Implementation replacement, Implementation& previous) {
  // Two replacements of one operation from two threads must both stay in the chain.
  static std::mutex hooking;
  const std::lock_guard<std::mutex> lock(hooking);
  const std::string method = cls.methodName(selector);
  if (!replacement) {
    systemLog("objc: cannot replace " + method + ": no replacement");
    return false;
  }
  if (replacement.argumentCount() != selectorArgumentCount(selector)) {
    systemLog("objc: cannot replace " + method + " with " + replacement.signatureName() +
              ": the argument count differs");
    return false;
  }
  const std::optional<Method> own = cls.ownMethod(selector);
  Method displaced = own ? *own : cls.findMethod(selector).value_or(Method{});
  if (displaced.implementation && !displaced.implementation.sameSignature(replacement)) {
    systemLog("objc: cannot replace " + method + " (" + displaced.implementation.signatureName() + ") with " +
              replacement.signatureName());
    return false;
  }
  if (!displaced.implementation) {
    systemLog("objc: " + method + " was not implemented; the replacement adds it");
  }
  previous = displaced.implementation;
  displaced.implementation = std::move(replacement);
  cls.methods().replace(selector, std::move(displaced));
  return true;
}

void logEmptySlot(const Object& receiver, const std::string& selector) {
  const Class* cls = receiver.isa();
  systemLog("objc: no kept implementation of " +
            (cls != nullptr ? cls->methodName(selector) : "[(object without a class) " + selector + "]"));
}

}  // namespace detail

}  // namespace platform::objc
