#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "platform/objc/Class.h"
#include "platform/objc/Implementation.h"
#include "platform/objc/Selector.h"

// The process-wide class table (one per process: it lives in the platform library, so every
// plug-in sees the same classes) and method tables. Classes live for the process: a pointer to
// one stays valid even after removeClass.
namespace platform::objc {

// objc_getClass: null when no class of that name is registered (the name matches exactly).
Class* getClass(std::string_view name);

// Declares a class. A superclass name that is empty makes a root class; one that is not
// registered fails (null, logged). Registering a name again gives the class already there, as
// long as its superclass is the same one (otherwise null, logged).
Class* registerClass(std::string_view name, std::string_view superclassName = {});

// Makes the name unknown again (for tests); the class itself lives on for those holding it.
void removeClass(std::string_view name);

// objc_allocateClassPair: a new class and metaclass, not visible by name until
// registerClassPair. Null when the name is empty or taken by a registered or allocated class.
Class* allocateClassPair(Class* superclass, std::string_view name);
// objc_registerClassPair: false when the class is not one waiting for registration.
bool registerClassPair(Class& cls);

// object_getClass of a class: the metaclass, where its class operations live.
inline Class& metaclass(Class& cls) { return *cls.isa(); }

// class_addMethod: false when the class itself already has the selector (an inherited one
// does not count), when the implementation is empty, or when its argument count is not the
// selector's (logged).
bool addMethod(Class& cls, std::string_view selector, Implementation implementation, std::string typeEncoding = {});

template <class Sig, class F>
bool addMethod(Class& cls, std::string_view selector, F&& body, std::string typeEncoding = {}) {
  return addMethod(cls, selector, Implementation::make<Sig>(std::forward<F>(body)), std::move(typeEncoding));
}

// A class operation: a method of the metaclass.
template <class Sig, class F>
bool addClassMethod(Class& cls, std::string_view selector, F&& body, std::string typeEncoding = {}) {
  return addMethod<Sig>(metaclass(cls), selector, std::forward<F>(body), std::move(typeEncoding));
}

// The implementation a message with this selector reaches: the class's own, else the nearest
// inherited one; empty when the chain has none.
Implementation lookUpImplementation(const Class& cls, std::string_view selector);

// The type encoding the method was added with; nothing when the chain has no such method.
std::optional<std::string> methodTypeEncoding(const Class& cls, std::string_view selector);

}  // namespace platform::objc
