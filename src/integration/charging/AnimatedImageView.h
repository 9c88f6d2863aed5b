#pragma once

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/graphics/Image.h"
#include "platform/ui/views/ImageView.h"
#include "platform/ui/views/View.h"

namespace vantile::integration {

// Plays the numbered PNG frames of a folder once, through a key-frame animation of its image
// view's contents, and holds the last frame until stopped. The frames are decoded on the first
// play and kept for the view's lifetime.
class AnimatedImageView : public platform::ui::View {
 public:
  static std::shared_ptr<AnimatedImageView> make(const platform::graphics::Rect& frame);
  AnimatedImageView(ConstructionKey key, const platform::graphics::Rect& frame);

  void startAnimating();
  void stopAnimating();

  // File names in play order: by the number of their first run of digits, names without
  // digits last; equal numbers by name.
  static std::vector<std::string> sortArrayByNumbersInString(std::vector<std::string> names);

  // Folder of the frames (relative to "/", ending in "/"); empty has no frames.
  std::string imagesPath;
  std::optional<std::string> loadedPath;
  std::shared_ptr<platform::ui::ImageView> imageView;
  std::vector<platform::graphics::Image> loadedImages;
  double animationDuration = 0;

 private:
  void animateImages();
  void loadFrames();
};

}  // namespace vantile::integration
