#pragma once

#include <memory>

#include "platform/objc/Class.h"
#include "platform/objc/Object.h"
#include "platform/ui/views/ViewController.h"
#include "platform/web/RemoteView.h"

namespace platform::web {

// The host side of a view service's controller ("_UIRemoteViewController" and the subclasses
// made of it at run time): its view is a remote view showing the service's frames, its proxy
// carries the service protocol's messages.
class RemoteViewController : public ui::ViewController, public objc::Object {
 public:
  static std::shared_ptr<RemoteViewController> make(objc::Class* cls, std::shared_ptr<objc::Object> proxy,
                                                    std::shared_ptr<FrameStore> frames);
  RemoteViewController(ConstructionKey key, objc::Class* cls, std::shared_ptr<objc::Object> proxy,
                       std::shared_ptr<FrameStore> frames);

  const std::shared_ptr<objc::Object>& serviceViewControllerProxy() const { return proxy_; }
  // As a runtime object, for handing to a connection handler.
  std::shared_ptr<objc::Object> asObject();

  // Class operations: +requestViewController:fromServiceWithBundleIdentifier:connectionHandler:
  // starts the service and calls the handler before it returns (the start is bounded).
  static void declareClass(objc::Class& cls);

  // How long a service may take to come up.
  static constexpr double kServiceStartTimeout = 10;

 protected:
  std::shared_ptr<ui::View> loadView() override;

 private:
  std::shared_ptr<objc::Object> proxy_;
  std::shared_ptr<FrameStore> frames_;
};

// Every view service's frames have caught up with the messages sent to it, within `seconds`
// of wall time. Hosts that write pictures call it first.
bool waitForRemoteViews(double seconds);

}  // namespace platform::web
