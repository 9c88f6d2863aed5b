#include "controller/actions/SpringBoardObjects.h"

#include "platform/objc/Messaging.h"
#include "platform/objc/Runtime.h"
#include "platform/springboard/runtime/Signatures.h"

namespace vantile {

namespace objc = platform::objc;

std::shared_ptr<objc::Object> SpringBoardObjects::shared(std::string_view className, std::string_view getter) {
  objc::Class* cls = objc::getClass(className);
  if (cls == nullptr || !objc::respondsToSelector(*cls, getter)) return nullptr;
  return objc::send<platform::springboard::signatures::Getter>(*cls, getter);
}

bool SpringBoardObjects::answers(const std::shared_ptr<objc::Object>& object, std::string_view selector) {
  return object && objc::respondsToSelector(*object, selector);
}

}  // namespace vantile
