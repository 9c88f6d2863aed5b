#pragma once

#include <any>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "platform/objc/Implementation.h"
#include "platform/objc/NamedTable.h"
#include "platform/objc/Object.h"

namespace platform::objc {

// One entry of a method table; the type encoding ("@@:@?") is informational only.
struct Method {
  Implementation implementation;
  std::string typeEncoding;
};

// Reads a property or an instance variable of the receiver as a type-erased value.
using ValueReader = std::function<std::any(Object& self)>;

// A runtime class. It is an object itself: its isa is its metaclass, which holds the class
// operations, so a class operation is sent to the class object and replaced on the metaclass.
// Classes are made by the runtime (Runtime.h) and live for the process.
class Class final : public Object {
  struct ConstructionKey {
    explicit ConstructionKey() = default;
  };

 public:
  // A class and its metaclass; the superclass (null for a root class) must outlive it.
  static std::unique_ptr<Class> makePair(std::string name, Class* superclass);

  Class(ConstructionKey, std::string name, Class* superclass, Class* isa);
  Class(const Class&) = delete;
  Class& operator=(const Class&) = delete;

  const std::string& name() const { return name_; }
  Class* superclass() const { return superclass_; }
  bool isMetaclass() const { return metaclass_ == nullptr; }

  // "-[SBIconView layoutSubviews]", or "+[...]" when this is a metaclass; for log lines.
  std::string methodName(std::string_view selector) const;

  // This class or one of its superclasses is `other`.
  bool isSubclassOf(const Class& other) const;

  // The method this class itself holds, then the nearest one up the chain.
  std::optional<Method> ownMethod(std::string_view selector) const { return methods_.find(selector); }
  std::optional<Method> findMethod(std::string_view selector) const;
  std::optional<ValueReader> findProperty(std::string_view key) const;
  std::optional<ValueReader> findInstanceVariable(std::string_view name) const;

  // Tables of this class only (not its superclasses).
  NamedTable<Method>& methods() { return methods_; }
  NamedTable<ValueReader>& properties() { return properties_; }
  NamedTable<ValueReader>& instanceVariables() { return instanceVariables_; }

 private:
  std::string name_;
  Class* superclass_;
  // Owned by the class; null when this is the metaclass.
  std::unique_ptr<Class> metaclass_;
  NamedTable<Method> methods_;
  NamedTable<ValueReader> properties_;
  NamedTable<ValueReader> instanceVariables_;
};

}  // namespace platform::objc
