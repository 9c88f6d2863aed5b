#include "platform/objc/Object.h"

#include <string>

#include "platform/foundation/files/SystemLog.h"
#include "platform/objc/Runtime.h"

namespace platform::objc {

Object::Object(std::string_view className) : isa_(getClass(className)) {
  if (isa_ == nullptr) {
    foundation::systemLog("objc: no class " + std::string(className) + " for a new object");
  }
}

Object::Object(Class* isa) : isa_(isa) {}

}  // namespace platform::objc
