#include "platform/springboard/views/PBUIPosterVariantViewController.h"

#include "platform/objc/Messaging.h"
#include "platform/objc/Runtime.h"
#include "platform/springboard/runtime/RuntimeSupport.h"
#include "platform/springboard/runtime/Signatures.h"
#include "platform/ui/render/Renderer.h"

namespace platform::springboard {

namespace sig = signatures;

PBUIPosterVariantViewController::PBUIPosterVariantViewController(std::int64_t variant,
                                                                 std::shared_ptr<ui::View> wallpaperView)
    : SharedObject("PBUIPosterVariantViewController"), variant_(variant), wallpaperView_(std::move(wallpaperView)) {}

void PBUIPosterVariantViewController::takeSnapshot() { objc::send<sig::Action>(*this, "_snapshot"); }

std::optional<graphics::Image> PBUIPosterVariantViewController::snapshot() const {
  const auto view = wallpaperView_.lock();
  if (!view) return std::nullopt;
  return ui::snapshot(*view);
}

void PBUIPosterVariantViewController::declareClass(objc::Class& cls) {
  // The picture is drawn when asked for, so a look nobody reads costs nothing.
  objc::addMethod<sig::Action>(cls, "_snapshot", [](objc::Object&) {});
  objc::addMethod<sig::ImageGetter>(
      cls, "snapshot", [](objc::Object& self) { return receiver<PBUIPosterVariantViewController>(self).snapshot(); });
  objc::addMethod<sig::Variant>(
      cls, "variant", [](objc::Object& self) { return receiver<PBUIPosterVariantViewController>(self).variant(); });
}

}  // namespace platform::springboard
