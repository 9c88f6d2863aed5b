#pragma once

#include <optional>
#include <string_view>
#include <type_traits>
#include <typeinfo>
#include <utility>

#include "platform/objc/Class.h"
#include "platform/objc/Implementation.h"
#include "platform/objc/Object.h"

// Typed message sends. The signature is written at the call, and a method is reached only with
// exactly the signature it was added with:
//   send<View*(Point, Event*)>(view, "hitTest:withEvent:", point, event);
// A missing method or another signature is a miss: logged (class, selector, both signatures),
// nothing is called, and send gives a value-initialised result. trySend tells a miss apart:
// nothing (or false for a void operation). A null receiver gives the same, silently, as
// messaging nil does.
namespace platform::objc {

namespace detail {

Implementation implementationFor(const Object& receiver, std::string_view selector);
void logMiss(const Object& receiver, std::string_view selector, const std::type_info& sent,
             const Implementation& found);

template <class Sig>
struct Message;

template <class R, class... Args>
struct Message<R(Args...)> {
  static_assert(!std::is_reference_v<R>, "an operation answers a value or a pointer");
  using Attempt = std::conditional_t<std::is_void_v<R>, bool, std::optional<R>>;

  static Attempt attempt(Object& receiver, std::string_view selector, Args... args) {
    const Implementation implementation = implementationFor(receiver, selector);
    const auto* function = implementation.function<R(Args...)>();
    if (function == nullptr) {
      logMiss(receiver, selector, typeid(R(Args...)), implementation);
      return Attempt{};
    }
    if constexpr (std::is_void_v<R>) {
      (*function)(receiver, std::forward<Args>(args)...);
      return true;
    } else {
      return (*function)(receiver, std::forward<Args>(args)...);
    }
  }

  static R send(Object& receiver, std::string_view selector, Args... args) {
    if constexpr (std::is_void_v<R>) {
      attempt(receiver, selector, std::forward<Args>(args)...);
    } else {
      std::optional<R> answer = attempt(receiver, selector, std::forward<Args>(args)...);
      return answer ? std::move(*answer) : R{};
    }
  }
};

}  // namespace detail

template <class Sig, class... Given>
auto send(Object& receiver, std::string_view selector, Given&&... args) {
  return detail::Message<Sig>::send(receiver, selector, std::forward<Given>(args)...);
}

template <class Sig, class... Given>
auto send(Object* receiver, std::string_view selector, Given&&... args) {
  using Result = decltype(detail::Message<Sig>::send(*receiver, selector, std::forward<Given>(args)...));
  if (receiver == nullptr) return Result();
  return detail::Message<Sig>::send(*receiver, selector, std::forward<Given>(args)...);
}

template <class Sig, class... Given>
auto trySend(Object& receiver, std::string_view selector, Given&&... args) {
  return detail::Message<Sig>::attempt(receiver, selector, std::forward<Given>(args)...);
}

template <class Sig, class... Given>
auto trySend(Object* receiver, std::string_view selector, Given&&... args) {
  using Attempt = typename detail::Message<Sig>::Attempt;
  if (receiver == nullptr) return Attempt{};
  return detail::Message<Sig>::attempt(*receiver, selector, std::forward<Given>(args)...);
}

// Whether a message with this selector reaches an implementation (of any signature).
bool respondsToSelector(const Object& receiver, std::string_view selector);
bool respondsToSelector(const Object* receiver, std::string_view selector);
bool instancesRespondToSelector(const Class& cls, std::string_view selector);

// The receiver's class is `cls` or one of its subclasses. A null class, a class name that is
// not registered and an object without a class all answer false.
bool isKindOfClass(const Object& receiver, const Class* cls);
bool isKindOfClass(const Object& receiver, std::string_view className);
bool isKindOfClass(const Object* receiver, const Class* cls);
bool isKindOfClass(const Object* receiver, std::string_view className);

}  // namespace platform::objc
