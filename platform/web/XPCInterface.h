#pragma once

#include <memory>
#include <string>

#include "platform/objc/SharedObject.h"

namespace platform::web {

// An interface made from a protocol ("NSXPCInterface"): what one side of a view-service
// connection vends, known here by the protocol's name.
class XPCInterface : public objc::SharedObject {
 public:
  static std::shared_ptr<objc::Object> interfaceWithProtocol(std::string protocolName);

  XPCInterface(objc::Class* cls, std::string protocolName) : SharedObject(cls), protocolName_(std::move(protocolName)) {}

  const std::string& protocolName() const { return protocolName_; }

 private:
  std::string protocolName_;
};

}  // namespace platform::web
