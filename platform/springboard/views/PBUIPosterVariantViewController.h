#pragma once

#include <cstdint>
#include <memory>
#include <optional>

#include "platform/graphics/Image.h"
#include "platform/objc/SharedObject.h"
#include "platform/ui/views/View.h"

namespace platform::springboard {

// The poster wallpapers of iOS 16 on: one controller per variant (0 the lock screen's), told by
// `_snapshot` to look at the wallpaper view it shows; `snapshot` is that view's picture.
class PBUIPosterVariantViewController : public objc::SharedObject {
 public:
  PBUIPosterVariantViewController(std::int64_t variant, std::shared_ptr<ui::View> wallpaperView);

  void takeSnapshot();
  std::int64_t variant() const { return variant_; }
  std::optional<graphics::Image> snapshot() const;

  static void declareClass(objc::Class& cls);

 private:
  std::int64_t variant_;
  std::weak_ptr<ui::View> wallpaperView_;
};

}  // namespace platform::springboard
