#include "platform/web/XPCInterface.h"

#include "platform/objc/Runtime.h"

namespace platform::web {

std::shared_ptr<objc::Object> XPCInterface::interfaceWithProtocol(std::string protocolName) {
  return std::make_shared<XPCInterface>(objc::getClass("NSXPCInterface"), std::move(protocolName));
}

}  // namespace platform::web
