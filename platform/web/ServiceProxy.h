#pragma once

#include <memory>

#include "platform/objc/SharedObject.h"
#include "platform/web/ServiceConnection.h"

namespace platform::web {

// The service view controller's proxy ("_UIViewServiceViewControllerProxy"): each operation of
// the service protocol sent to it goes to the service, in the order sent.
class ServiceProxy : public objc::SharedObject {
 public:
  ServiceProxy(objc::Class* cls, std::shared_ptr<ServiceConnection> connection)
      : SharedObject(cls), connection_(std::move(connection)) {}

  const std::shared_ptr<ServiceConnection>& connection() const { return connection_; }

  static void declareClass(objc::Class& cls);

 private:
  std::shared_ptr<ServiceConnection> connection_;
};

}  // namespace platform::web
