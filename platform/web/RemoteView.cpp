#include "platform/web/RemoteView.h"

#include "platform/objc/Messaging.h"
#include "platform/objc/Runtime.h"
#include "platform/ui/render/DrawingContext.h"
#include "platform/ui/views/Window.h"
#include "platform/web/RemoteViewTypes.h"

namespace platform::web {

namespace {

std::shared_ptr<objc::Object> asObject(const std::shared_ptr<ui::Window>& window) {
  auto* object = dynamic_cast<objc::Object*>(window.get());
  return object == nullptr ? nullptr : std::shared_ptr<objc::Object>(window, object);
}

}  // namespace

void FrameStore::show(const graphics::Image& image) {
  const std::lock_guard lock(mutex_);
  latest_ = image;
}

std::optional<graphics::Image> FrameStore::latest() const {
  const std::lock_guard lock(mutex_);
  return latest_;
}

std::shared_ptr<RemoteView> RemoteView::make(objc::Class* cls, const graphics::Rect& frame,
                                             std::shared_ptr<FrameStore> frames) {
  return std::make_shared<RemoteView>(ConstructionKey{}, cls, frame, std::move(frames));
}

RemoteView::RemoteView(ConstructionKey key, objc::Class* cls, const graphics::Rect& frame,
                       std::shared_ptr<FrameStore> frames)
    : View(key, frame), Object(cls), frames_(frames ? std::move(frames) : std::make_shared<FrameStore>()) {
  setUserInteractionEnabled(false);
}

void RemoteView::drawContent(ui::DrawingContext& context) const {
  if (const std::optional<graphics::Image> frame = frames_->latest()) context.drawImage(*frame, bounds());
}

void RemoteView::didMoveToWindow() {
  const std::shared_ptr<ui::Window> from = lastWindow_.lock();
  const std::shared_ptr<ui::Window> to = window();
  lastWindow_ = to;
  objc::send<signatures::WindowMove>(*this, "_didMoveFromWindow:toWindow:", asObject(from), asObject(to));
}

void RemoteView::declareClass(objc::Class& cls) {
  objc::addMethod<signatures::WindowMove>(cls, "_didMoveFromWindow:toWindow:",
                                          [](objc::Object&, std::shared_ptr<objc::Object>,
                                             std::shared_ptr<objc::Object>) {});
  objc::addMethod<void(bool)>(cls, "_setInheritsSecurity:", [](objc::Object& self, bool inherits) {
    dynamic_cast<RemoteView&>(self).inheritsSecurity_ = inherits;
  });
}

}  // namespace platform::web
