#pragma once

#include <memory>

#include "platform/objc/Object.h"
#include "platform/springboard/homescreen/SBRootFolderView.h"
#include "platform/ui/layers/Layer.h"
#include "platform/ui/views/View.h"

namespace platform::springboard {

// A video layer of the platform's media player ("AVPlayerLayer"); another tweak may put one
// into the icon content view to play a wallpaper.
class AVPlayerLayer : public ui::Layer, public objc::Object {
 public:
  static std::shared_ptr<AVPlayerLayer> make();
  explicit AVPlayerLayer(ConstructionKey key);
};

// Holds the root folder's view; it tells the runtime when it enters a window.
class SBIconContentView : public ui::View, public objc::Object {
 public:
  static std::shared_ptr<SBIconContentView> make(const graphics::Rect& frame);

  SBIconContentView(ConstructionKey key, const graphics::Rect& frame);

  std::string_view className() const override { return "SBIconContentView"; }

  const std::shared_ptr<SBRootFolderView>& rootFolderView() const { return rootFolderView_; }
  int windowMoves() const { return windowMoves_; }

  static void declareClass(objc::Class& cls);

 protected:
  void didMoveToWindow() override;

 private:
  std::shared_ptr<SBRootFolderView> rootFolderView_;
  int windowMoves_ = 0;
};

}  // namespace platform::springboard
