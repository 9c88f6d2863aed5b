#pragma once

#include <memory>
#include <string_view>

#include "platform/objc/Class.h"
#include "platform/objc/Object.h"
#include "platform/ui/views/View.h"

// Small helpers the stand-in's classes share to sit in the runtime.
namespace platform::springboard {

// The receiver of a stock implementation as the C++ class that registered it.
template <class T>
T& receiver(objc::Object& self) {
  return dynamic_cast<T&>(self);
}

// A view's shared pointer as a runtime object (null for a view that is none).
inline std::shared_ptr<objc::Object> asObject(const std::shared_ptr<ui::View>& view) {
  auto* object = dynamic_cast<objc::Object*>(view.get());
  return object == nullptr ? nullptr : std::shared_ptr<objc::Object>(view, object);
}

// A runtime object's shared pointer as the C++ class it is (null otherwise).
template <class T>
std::shared_ptr<T> objectAs(const std::shared_ptr<objc::Object>& object) {
  return std::dynamic_pointer_cast<T>(object);
}

// The runtime class's name, for dumps; `fallback` when the class is not registered.
inline std::string_view runtimeClassName(const objc::Object& object, std::string_view fallback) {
  return object.isa() != nullptr ? std::string_view(object.isa()->name()) : fallback;
}

}  // namespace platform::springboard
