#pragma once

#include <memory>
#include <mutex>
#include <optional>

#include "platform/graphics/Image.h"
#include "platform/objc/Class.h"
#include "platform/objc/Object.h"
#include "platform/ui/views/View.h"

namespace platform::web {

// The latest picture a view service drew; written by the connection's reader thread, read by
// the renderer on the main thread.
class FrameStore {
 public:
  void show(const graphics::Image& image);
  std::optional<graphics::Image> latest() const;

 private:
  mutable std::mutex mutex_;
  std::optional<graphics::Image> latest_;
};

// The host side of a remote view ("_UIRemoteView"): it shows the service's frames, scaled to
// its bounds, and tells the runtime when it changes windows.
class RemoteView : public ui::View, public objc::Object {
 public:
  static std::shared_ptr<RemoteView> make(objc::Class* cls, const graphics::Rect& frame,
                                          std::shared_ptr<FrameStore> frames);
  RemoteView(ConstructionKey key, objc::Class* cls, const graphics::Rect& frame, std::shared_ptr<FrameStore> frames);

  std::string_view className() const override { return "RemoteView"; }

  bool inheritsSecurity() const { return inheritsSecurity_; }
  const std::shared_ptr<FrameStore>& frames() const { return frames_; }

  static void declareClass(objc::Class& cls);

 protected:
  void drawContent(ui::DrawingContext& context) const override;
  void didMoveToWindow() override;

 private:
  std::shared_ptr<FrameStore> frames_;
  std::weak_ptr<ui::Window> lastWindow_;
  bool inheritsSecurity_ = false;
};

}  // namespace platform::web
