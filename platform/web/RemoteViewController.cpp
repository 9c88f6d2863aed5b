#include "platform/web/RemoteViewController.h"

#include <variant>

#include "platform/objc/Messaging.h"
#include "platform/objc/Runtime.h"
#include "platform/ui/views/Screen.h"
#include "platform/web/RemoteViewTypes.h"
#include "platform/web/ServiceConnection.h"
#include "platform/web/ServiceProxy.h"
#include "platform/web/ViewServiceDirectory.h"
#include "platform/web/XPCInterface.h"

namespace platform::web {

namespace {

std::string serviceInterfaceOf(objc::Class& cls) {
  const auto interface = objc::send<signatures::Getter>(cls, "serviceViewControllerInterface");
  const auto* xpc = dynamic_cast<const XPCInterface*>(interface.get());
  return xpc ? xpc->protocolName() : std::string();
}

signatures::Object requestViewController(objc::Object& self, std::string viewControllerClassName,
                                         std::string serviceBundleIdentifier, signatures::ConnectionHandler handler) {
  auto& cls = dynamic_cast<objc::Class&>(self);
  const auto executable = viewServiceExecutable(serviceBundleIdentifier);
  if (!executable) {
    if (handler) handler(nullptr, std::string("no view service ").append(serviceBundleIdentifier).append(" is installed"));
    return nullptr;
  }
  const ui::Screen& screen = ui::Screen::mainScreen();
  const ServiceConnection::Request request{
      .executable = *executable,
      .viewControllerClassName = std::move(viewControllerClassName),
      .serviceInterface = serviceInterfaceOf(cls),
      .screenSize = screen.bounds().size,
      .screenScale = screen.scale(),
      .startTimeout = RemoteViewController::kServiceStartTimeout,
  };
  auto frames = std::make_shared<FrameStore>();
  auto started = ServiceConnection::start(request, [frames](const graphics::Image& image) { frames->show(image); });
  if (auto* problem = std::get_if<std::string>(&started)) {
    if (handler) handler(nullptr, *problem);
    return nullptr;
  }
  auto proxy = std::make_shared<ServiceProxy>(objc::getClass("_UIViewServiceViewControllerProxy"),
                                              std::get<std::shared_ptr<ServiceConnection>>(std::move(started)));
  auto controller = RemoteViewController::make(&cls, std::move(proxy), std::move(frames));
  if (handler) handler(controller->asObject(), std::nullopt);
  return nullptr;
}

}  // namespace

std::shared_ptr<RemoteViewController> RemoteViewController::make(objc::Class* cls, std::shared_ptr<objc::Object> proxy,
                                                                 std::shared_ptr<FrameStore> frames) {
  return std::make_shared<RemoteViewController>(ConstructionKey{}, cls, std::move(proxy), std::move(frames));
}

RemoteViewController::RemoteViewController(ConstructionKey key, objc::Class* cls, std::shared_ptr<objc::Object> proxy,
                                           std::shared_ptr<FrameStore> frames)
    : ViewController(key), Object(cls), proxy_(std::move(proxy)), frames_(std::move(frames)) {}

std::shared_ptr<objc::Object> RemoteViewController::asObject() {
  auto self = std::static_pointer_cast<RemoteViewController>(shared_from_this());
  return std::shared_ptr<objc::Object>(self, static_cast<objc::Object*>(self.get()));
}

std::shared_ptr<ui::View> RemoteViewController::loadView() {
  return RemoteView::make(objc::getClass("_UIRemoteView"), ui::Screen::mainScreen().bounds(), frames_);
}

void RemoteViewController::declareClass(objc::Class& cls) {
  objc::addMethod<signatures::Getter>(cls, "serviceViewControllerProxy", [](objc::Object& self) {
    return dynamic_cast<RemoteViewController&>(self).serviceViewControllerProxy();
  });
  objc::addClassMethod<signatures::RequestViewController>(
      cls, "requestViewController:fromServiceWithBundleIdentifier:connectionHandler:", requestViewController);
  objc::addClassMethod<signatures::Answer>(cls, "_shouldUseXPCObjects", [](objc::Object&) { return true; });
  objc::addClassMethod<signatures::Getter>(cls, "exportedInterface",
                                           [](objc::Object&) -> signatures::Object { return nullptr; });
  objc::addClassMethod<signatures::Getter>(cls, "serviceViewControllerInterface",
                                           [](objc::Object&) -> signatures::Object { return nullptr; });
}

bool waitForRemoteViews(double seconds) { return ServiceConnection::waitUntilAllCaughtUp(seconds); }

}  // namespace platform::web
