#include "platform/objc/Class.h"

#include <utility>

namespace platform::objc {

namespace {

template <class Find>
auto findUpTheChain(const Class* cls, Find find) -> decltype(find(*cls)) {
  for (; cls != nullptr; cls = cls->superclass()) {
    if (auto found = find(*cls)) return found;
  }
  return std::nullopt;
}

}  // namespace

std::unique_ptr<Class> Class::makePair(std::string name, Class* superclass) {
  Class* superMetaclass = superclass != nullptr ? superclass->isa() : nullptr;
  // As in the platform's runtime, every metaclass's isa is the root class's metaclass.
  auto meta = std::make_unique<Class>(ConstructionKey{}, name, superMetaclass,
                                      superMetaclass != nullptr ? superMetaclass->isa() : nullptr);
  if (meta->isa() == nullptr) meta->setIsa(*meta);
  Class* metaPointer = meta.get();
  auto cls = std::make_unique<Class>(ConstructionKey{}, std::move(name), superclass, metaPointer);
  cls->metaclass_ = std::move(meta);
  return cls;
}

Class::Class(ConstructionKey, std::string name, Class* superclass, Class* isa)
    : Object(isa), name_(std::move(name)), superclass_(superclass) {}

std::string Class::methodName(std::string_view selector) const {
  return std::string(isMetaclass() ? "+[" : "-[") + name_ + " " + std::string(selector) + "]";
}

bool Class::isSubclassOf(const Class& other) const {
  for (const Class* cls = this; cls != nullptr; cls = cls->superclass()) {
    if (cls == &other) return true;
  }
  return false;
}

std::optional<Method> Class::findMethod(std::string_view selector) const {
  return findUpTheChain(this, [selector](const Class& cls) { return cls.methods_.find(selector); });
}

std::optional<ValueReader> Class::findProperty(std::string_view key) const {
  return findUpTheChain(this, [key](const Class& cls) { return cls.properties_.find(key); });
}

std::optional<ValueReader> Class::findInstanceVariable(std::string_view name) const {
  return findUpTheChain(this, [name](const Class& cls) { return cls.instanceVariables_.find(name); });
}

}  // namespace platform::objc
