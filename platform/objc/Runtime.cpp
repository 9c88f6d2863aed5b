#include "platform/objc/Runtime.h"

#include <map>
#include <memory>
#include <mutex>
#include <set>
#include <vector>

#include "platform/foundation/files/SystemLog.h"

namespace platform::objc {

namespace {

using foundation::systemLog;

class ClassTable {
 public:
  static ClassTable& shared() {
    static ClassTable table;
    return table;
  }

  Class* find(std::string_view name) const {
    const std::lock_guard<std::mutex> lock(mutex_);
    const auto found = registered_.find(name);
    return found == registered_.end() ? nullptr : found->second;
  }

  Class* declare(std::string_view name, std::string_view superclassName) {
    const std::lock_guard<std::mutex> lock(mutex_);
    Class* superclass = nullptr;
    if (!superclassName.empty()) {
      const auto found = registered_.find(superclassName);
      if (found == registered_.end()) {
        systemLog("objc: cannot register " + std::string(name) + ": no superclass " + std::string(superclassName));
        return nullptr;
      }
      superclass = found->second;
    }
    if (const auto existing = registered_.find(name); existing != registered_.end()) {
      if (existing->second->superclass() != superclass) {
        systemLog("objc: " + std::string(name) + " is already registered with another superclass");
        return nullptr;
      }
      return existing->second;
    }
    if (name.empty() || isPending(name)) {
      systemLog("objc: cannot register a class named \"" + std::string(name) + "\"");
      return nullptr;
    }
    Class* made = keep(Class::makePair(std::string(name), superclass));
    registered_.emplace(made->name(), made);
    return made;
  }

  void remove(std::string_view name) {
    const std::lock_guard<std::mutex> lock(mutex_);
    if (const auto found = registered_.find(name); found != registered_.end()) registered_.erase(found);
  }

  Class* allocate(Class* superclass, std::string_view name) {
    const std::lock_guard<std::mutex> lock(mutex_);
    if (name.empty() || registered_.find(name) != registered_.end() || isPending(name)) {
      systemLog("objc: cannot allocate a class named \"" + std::string(name) + "\": the name is taken");
      return nullptr;
    }
    Class* made = keep(Class::makePair(std::string(name), superclass));
    pending_.insert(made);
    return made;
  }

  bool registerPending(Class& cls) {
    const std::lock_guard<std::mutex> lock(mutex_);
    if (pending_.erase(&cls) == 0) {
      systemLog("objc: " + cls.name() + " is not a class waiting for registration");
      return false;
    }
    registered_.emplace(cls.name(), &cls);
    return true;
  }

 private:
  ClassTable() = default;

  bool isPending(std::string_view name) const {
    for (const Class* cls : pending_) {
      if (cls->name() == name) return true;
    }
    return false;
  }

  Class* keep(std::unique_ptr<Class> cls) {
    everyClass_.push_back(std::move(cls));
    return everyClass_.back().get();
  }

  mutable std::mutex mutex_;
  // Never emptied: objects and subclasses point at their classes for the whole process.
  std::vector<std::unique_ptr<Class>> everyClass_;
  std::map<std::string, Class*, std::less<>> registered_;
  std::set<Class*> pending_;
};

}  // namespace

Class* getClass(std::string_view name) { return ClassTable::shared().find(name); }

Class* registerClass(std::string_view name, std::string_view superclassName) {
  return ClassTable::shared().declare(name, superclassName);
}

void removeClass(std::string_view name) { ClassTable::shared().remove(name); }

Class* allocateClassPair(Class* superclass, std::string_view name) {
  return ClassTable::shared().allocate(superclass, name);
}

bool registerClassPair(Class& cls) { return ClassTable::shared().registerPending(cls); }

bool addMethod(Class& cls, std::string_view selector, Implementation implementation, std::string typeEncoding) {
  if (!implementation) {
    systemLog("objc: cannot add " + cls.methodName(selector) + ": no implementation");
    return false;
  }
  if (implementation.argumentCount() != selectorArgumentCount(selector)) {
    systemLog("objc: cannot add " + cls.methodName(selector) + " as " + implementation.signatureName() +
              ": the argument count differs");
    return false;
  }
  return cls.methods().add(selector, Method{std::move(implementation), std::move(typeEncoding)});
}

Implementation lookUpImplementation(const Class& cls, std::string_view selector) {
  std::optional<Method> method = cls.findMethod(selector);
  return method ? std::move(method->implementation) : Implementation();
}

std::optional<std::string> methodTypeEncoding(const Class& cls, std::string_view selector) {
  std::optional<Method> method = cls.findMethod(selector);
  return method ? std::optional<std::string>(std::move(method->typeEncoding)) : std::nullopt;
}

}  // namespace platform::objc
