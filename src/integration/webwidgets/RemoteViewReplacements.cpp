#include "integration/Replacements.h"
#include "integration/TweakState.h"
#include "integration/webwidgets/WebWidgetHost.h"
#include "platform/objc/Messaging.h"
#include "platform/web/RemoteViewTypes.h"
#include "platform/web/XPCInterface.h"

namespace vantile::integration {

namespace {
using platform::web::XPCInterface;
}  // namespace

void hook__UIRemoteView__didMoveFromWindow_toWindow_(Self& self, ObjectRef fromWindow, ObjectRef toWindow) {
  tweakState().kept._UIRemoteView__didMoveFromWindow_toWindow_(self, std::move(fromWindow), std::move(toWindow));
  platform::objc::send<void(bool)>(self, "_setInheritsSecurity:", true);
}

// Every controller may show over the lock screen, the widget's remote one among them.
bool hook_UIViewController__canShowWhileLocked(Self&) { return true; }

bool hook_KWVRemoteRootViewController__shouldUseXPCObjects(Self&) { return false; }

ObjectRef hook_KWVRemoteRootViewController_requestViewControllerWithConnectionHandler_(
    Self& self, extra::ConnectionHandler handler) {
  return platform::objc::send<platform::web::signatures::RequestViewController>(
      self, "requestViewController:fromServiceWithBundleIdentifier:connectionHandler:",
      std::string(kWebServiceControllerName), std::string(kWebServiceIdentifier), std::move(handler));
}

ObjectRef hook_KWVRemoteRootViewController_exportedInterface(Self&) {
  return XPCInterface::interfaceWithProtocol("KWVRootViewControllerRemoteHost");
}

ObjectRef hook_KWVRemoteRootViewController_serviceViewControllerInterface(Self&) {
  return XPCInterface::interfaceWithProtocol("KWVRootViewControllerRemoteService");
}

}  // namespace vantile::integration
