#pragma once

#include <any>
#include <optional>
#include <string_view>
#include <type_traits>
#include <utility>

#include "platform/objc/Class.h"
#include "platform/objc/Object.h"

// Key-value reads (valueForKey:) and instance-variable reads by name. A class registers what
// can be read, each with a typed getter; reads walk the receiver's class chain. A key the chain
// does not have answers nothing (never raises), so callers test presence first. The value keeps
// the getter's exact type: a typed read of another type gives nothing (logged).
namespace platform::objc {

namespace detail {
bool addReader(NamedTable<ValueReader>& table, const Class& cls, std::string_view name, ValueReader reader);
std::optional<std::any> readProperty(Object& receiver, std::string_view key);
std::optional<std::any> readInstanceVariable(Object& receiver, std::string_view name);
void logTypeMismatch(const Object& receiver, std::string_view name, const std::type_info& stored,
                     const std::type_info& wanted);

template <class T>
std::optional<T> typed(const Object& receiver, std::string_view name, const std::optional<std::any>& value) {
  if (!value) return std::nullopt;
  if (const T* typedValue = std::any_cast<T>(&*value)) return *typedValue;
  logTypeMismatch(receiver, name, value->type(), typeid(T));
  return std::nullopt;
}

template <class F>
ValueReader readerOf(F&& getter) {
  using Value = std::decay_t<std::invoke_result_t<F&, Object&>>;
  static_assert(!std::is_void_v<Value>, "a getter answers a value");
  return [getter = std::forward<F>(getter)](Object& self) mutable { return std::any(Value(getter(self))); };
}
}  // namespace detail

// False when the class itself already has that key (or ivar name).
template <class F>
bool addProperty(Class& cls, std::string_view key, F&& getter) {
  return detail::addReader(cls.properties(), cls, key, detail::readerOf(std::forward<F>(getter)));
}

template <class F>
bool addInstanceVariable(Class& cls, std::string_view name, F&& getter) {
  return detail::addReader(cls.instanceVariables(), cls, name, detail::readerOf(std::forward<F>(getter)));
}

inline std::optional<std::any> valueForKey(Object& receiver, std::string_view key) {
  return detail::readProperty(receiver, key);
}

template <class T>
std::optional<T> valueForKey(Object& receiver, std::string_view key) {
  return detail::typed<T>(receiver, key, detail::readProperty(receiver, key));
}

inline std::optional<std::any> ivar(Object& receiver, std::string_view name) {
  return detail::readInstanceVariable(receiver, name);
}

template <class T>
std::optional<T> ivar(Object& receiver, std::string_view name) {
  return detail::typed<T>(receiver, name, detail::readInstanceVariable(receiver, name));
}

}  // namespace platform::objc
