#pragma once

#include <string>
#include <string_view>
#include <type_traits>
#include <utility>

#include "platform/objc/Class.h"
#include "platform/objc/Implementation.h"
#include "platform/objc/Object.h"

namespace platform::objc {

namespace detail {
bool hookMessage(Class& cls, std::string_view selector, Implementation replacement, Implementation& previous);
void logEmptySlot(const Object& receiver, const std::string& selector);
}  // namespace detail

template <class Sig>
class Slot;

// Holds the implementation a replacement displaced ("the kept implementation") and calls it
// like the function. An empty slot (never filled, or nothing was there to keep) is a logged
// no-op that gives a value-initialised result.
template <class R, class... Args>
class Slot<R(Args...)> {
 public:
  Slot() = default;

  explicit operator bool() const { return static_cast<bool>(implementation_); }

  R operator()(Object& self, Args... args) const {
    // A copy, so the slot may be filled again while the kept implementation runs.
    const Implementation kept = implementation_;
    const auto* function = kept.function<R(Args...)>();
    if (function != nullptr) return (*function)(self, std::forward<Args>(args)...);
    detail::logEmptySlot(self, selector_);
    if constexpr (!std::is_void_v<R>) return R{};
  }

  // Written by MSHookMessageEx.
  void keep(Implementation previous, std::string_view selector) {
    implementation_ = std::move(previous);
    selector_ = std::string(selector);
  }

 private:
  Implementation implementation_;
  std::string selector_;
};

// Installs `replacement` as the class's own implementation of the selector and keeps the one
// it displaces in `slot` (may be null): the class's own, or the one it inherited at this
// moment. Replacements therefore chain: replaced twice, the newest runs first and its slot leads
// to the older, whose slot leads to the stock one. A selector the chain does not have at all is
// added, with an empty slot (logged). Refused (false, logged, slot untouched) when the
// replacement's signature differs from the method it would displace or its argument count from
// the selector's. A class operation is replaced on the metaclass (metaclass(cls)).
template <class Sig, class F>
bool MSHookMessageEx(Class& cls, std::string_view selector, F&& replacement, Slot<Sig>* slot) {
  Implementation previous;
  if (!detail::hookMessage(cls, selector, Implementation::make<Sig>(std::forward<F>(replacement)), previous)) {
    return false;
  }
  if (slot != nullptr) slot->keep(std::move(previous), selector);
  return true;
}

// An absent class (null, as getClass gives it) leaves the operation unreplaced, silently.
template <class Sig, class F>
bool MSHookMessageEx(Class* cls, std::string_view selector, F&& replacement, Slot<Sig>* slot) {
  return cls != nullptr && MSHookMessageEx(*cls, selector, std::forward<F>(replacement), slot);
}

}  // namespace platform::objc
