#pragma once

#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>

// The runtime's classes looked up by name: a library offers a class by registering it, and
// code that must not depend on that library finds it (or not) at run time.
namespace platform::objc {

// A class operation without arguments; nothing stands for a nil result.
using ClassOperation = std::function<std::optional<std::string>()>;

class Class {
 public:
  Class(std::string name, std::map<std::string, ClassOperation, std::less<>> classOperations);

  const std::string& name() const { return name_; }
  bool respondsToClassOperation(std::string_view selector) const;
  // Nothing when the class has no such operation, or when the operation gives nothing.
  std::optional<std::string> performClassOperation(std::string_view selector) const;

 private:
  std::string name_;
  std::map<std::string, ClassOperation, std::less<>> classOperations_;
};

// Process-wide, so a class registered by one plug-in is seen by every other.
class ClassRegistry {
 public:
  static ClassRegistry& shared();

  // Replaces a class of the same name.
  void registerClass(std::shared_ptr<const Class> aClass);
  void removeClass(std::string_view name);
  // Null when no class of that name is registered.
  std::shared_ptr<const Class> lookUpClass(std::string_view name) const;

  ClassRegistry(const ClassRegistry&) = delete;
  ClassRegistry& operator=(const ClassRegistry&) = delete;

 private:
  ClassRegistry() = default;

  // Plug-ins register from their library constructors, whatever thread loads them.
  mutable std::mutex mutex_;
  std::map<std::string, std::shared_ptr<const Class>, std::less<>> classes_;
};

}  // namespace platform::objc
