#include "integration/Replacements.h"
#include "integration/TweakState.h"

// What these do for the web widget comes with the widget host; until then each passes on.
namespace vantile::integration {

void hook__UIRemoteView__didMoveFromWindow_toWindow_(Self& self, ObjectRef fromWindow, ObjectRef toWindow) {
  tweakState().kept._UIRemoteView__didMoveFromWindow_toWindow_(self, std::move(fromWindow), std::move(toWindow));
}

bool hook_UIViewController__canShowWhileLocked(Self& self) {
  return tweakState().kept.UIViewController__canShowWhileLocked(self);
}

bool hook_KWVRemoteRootViewController__shouldUseXPCObjects(Self& self) {
  return tweakState().kept.KWVRemoteRootViewController__shouldUseXPCObjects(self);
}

ObjectRef hook_KWVRemoteRootViewController_requestViewControllerWithConnectionHandler_(Self&,
                                                                                       extra::ConnectionHandler) {
  return nullptr;
}

ObjectRef hook_KWVRemoteRootViewController_exportedInterface(Self& self) {
  return tweakState().kept.KWVRemoteRootViewController_exportedInterface(self);
}

ObjectRef hook_KWVRemoteRootViewController_serviceViewControllerInterface(Self& self) {
  return tweakState().kept.KWVRemoteRootViewController_serviceViewControllerInterface(self);
}

}  // namespace vantile::integration
