#include "integration/webwidgets/WebWidgetHost.h"

#include <optional>
#include <string>
#include <utility>

#include "engine/helpers/VantileHelpers.h"
#include "integration/TweakState.h"
#include "integration/webwidgets/WidgetScripts.h"
#include "platform/foundation/files/DeviceRoot.h"
#include "platform/foundation/files/Files.h"
#include "platform/foundation/queues/MainQueue.h"
#include "platform/foundation/queues/MainThread.h"
#include "platform/objc/Messaging.h"
#include "platform/objc/Runtime.h"
#include "platform/web/RemoteViewTypes.h"

namespace vantile::integration {

namespace {

namespace foundation = platform::foundation;
namespace objc = platform::objc;
namespace web = platform::web;
using platform::graphics::Color;
using platform::ui::View;
using platform::ui::ViewController;

void send(const char* selector, const std::string& text) {
  const ObjectRef& proxy = tweakState().webWidget.webServiceProxy;
  if (proxy) objc::send<web::signatures::TextMessage>(*proxy, selector, text);
}

// Only the newest remote view controller is held; an earlier one (and its service) goes first.
void removePreviousRemoteView() {
  WebWidgetState& widget = tweakState().webWidget;
  if (widget.remoteViewController) widget.remoteViewController->removeFromParentViewController();
  if (const auto container = widget.container.lock()) container->removeFromSuperview();
  widget.remoteViewController.reset();
  widget.container.reset();
  widget.webServiceProxy.reset();
}

void attachRemoteWebView(const ObjectRef& remote, const std::optional<std::string>& error,
                         const std::shared_ptr<View>& hostView, const std::shared_ptr<ViewController>& hostController) {
  if (error) {
    VantileHelpers::writeToLog(std::string("KWVRemoteRootViewController ERROR ").append(*error));
    return;
  }
  const auto controller = std::dynamic_pointer_cast<ViewController>(remote);
  if (!controller || !hostView) return;
  const std::shared_ptr<View> remoteView = controller->view();
  remoteView->setFrame(hostView->frame());
  if (hostController) hostController->addChildViewController(controller);
  const std::shared_ptr<View> container = View::make(remoteView->frame());
  const std::shared_ptr<View> overlay = View::make(remoteView->frame());
  container->addSubview(remoteView);
  container->addSubview(overlay);
  overlay->setBackgroundColor(Color{0, 0, 0, 0.01});
  overlay->setAlpha(1.0);
  container->bringSubviewToFront(*overlay);
  hostView->addSubview(container);
  hostView->sendSubviewToBack(*container);

  WebWidgetState& widget = tweakState().webWidget;
  widget.remoteViewController = controller;
  widget.container = container;
  widget.webServiceProxy = objc::send<web::signatures::Getter>(*remote, "serviceViewControllerProxy");
  loadNewURL();
}

}  // namespace

std::string widgetPagePath(const std::string& widgetName) {
  std::string path = "/var/mobile/Library/VantileAssets/html/";
  path.append(widgetName).append("/index.html");
  return path;
}

std::shared_ptr<ViewController> firstAvailableUIViewController(const View& view) {
  for (std::shared_ptr<const View> responder = view.shared_from_this(); responder; responder = responder->superview()) {
    if (auto controller = ViewController::forRootView(*responder)) return controller;
  }
  return nullptr;
}

void loadWKService(const std::shared_ptr<View>& hostView) {
  if (!hostView) return;
  objc::Class* remoteClass = objc::getClass("KWVRemoteRootViewController");
  if (remoteClass == nullptr ||
      !objc::respondsToSelector(*remoteClass, "requestViewControllerWithConnectionHandler:")) {
    return;
  }
  removePreviousRemoteView();
  const std::shared_ptr<ViewController> hostController = firstAvailableUIViewController(*hostView);
  const std::weak_ptr<View> weakHost = hostView;
  const std::weak_ptr<ViewController> weakController = hostController;
  web::signatures::ConnectionHandler webServiceConnectionHandler =
      [weakHost, weakController](ObjectRef remote, std::optional<std::string> error) {
        auto attach = [weakHost, weakController, remote = std::move(remote), error = std::move(error)] {
          attachRemoteWebView(remote, error, weakHost.lock(), weakController.lock());
        };
        if (foundation::isMainThread()) {
          attach();
        } else {
          foundation::MainQueue::shared().post(std::move(attach));
        }
      };
  objc::send<web::signatures::Object(web::signatures::ConnectionHandler)>(
      *remoteClass, "requestViewControllerWithConnectionHandler:", std::move(webServiceConnectionHandler));
}

void loadNewURL() {
  TweakState& state = tweakState();
  if (!state.webWidget.webServiceProxy || !state.settings.htmlWidgetName) return;
  send("setWebViewURL:", widgetPagePath(*state.settings.htmlWidgetName));
  foundation::MainQueue::shared().postAfter(1.0, [] { updateWebViews(); });
}

void updateWebViews() {
  if (!tweakState().webWidget.webServiceProxy) return;
  for (const SnapshotFile& file : snapshotFiles()) {
    const auto text = foundation::readFile(foundation::devicePath(std::string(kSnapshotFolder) + file.name));
    if (!text) continue;
    const auto script = widgetScriptFor(file.kind, *text);
    if (!script) continue;
    send("callJavascript:", script->data);
    send("callJavascript:", script->update);
  }
}

void installWebWidgetHost(IntegrationHooks& hooks) {
  hooks.loadWKService = loadWKService;
  hooks.loadNewURL = loadNewURL;
  hooks.updateWebViews = updateWebViews;
}

}  // namespace vantile::integration
