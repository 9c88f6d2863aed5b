#include "platform/objc/KeyValueReading.h"

#include <string>

#include "platform/foundation/files/SystemLog.h"
#include "platform/objc/Implementation.h"

namespace platform::objc {

namespace detail {

bool addReader(NamedTable<ValueReader>& table, const Class& cls, std::string_view name, ValueReader reader) {
  if (name.empty() || !table.add(name, std::move(reader))) {
    foundation::systemLog("objc: " + cls.name() + " already reads \"" + std::string(name) + "\"");
    return false;
  }
  return true;
}

std::optional<std::any> readProperty(Object& receiver, std::string_view key) {
  const Class* cls = receiver.isa();
  std::optional<ValueReader> reader = cls != nullptr ? cls->findProperty(key) : std::nullopt;
  return reader ? std::optional<std::any>((*reader)(receiver)) : std::nullopt;
}

std::optional<std::any> readInstanceVariable(Object& receiver, std::string_view name) {
  const Class* cls = receiver.isa();
  std::optional<ValueReader> reader = cls != nullptr ? cls->findInstanceVariable(name) : std::nullopt;
  return reader ? std::optional<std::any>((*reader)(receiver)) : std::nullopt;
}

void logTypeMismatch(const Object& receiver, std::string_view name, const std::type_info& stored,
                     const std::type_info& wanted) {
  const std::string className = receiver.isa() != nullptr ? receiver.isa()->name() : "(no class)";
  foundation::systemLog("objc: \"" + std::string(name) + "\" of " + className + " is " + signatureName(stored) +
                        ", read as " + signatureName(wanted));
}

}  // namespace detail

}  // namespace platform::objc
