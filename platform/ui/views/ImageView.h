#pragma once

#include <memory>
#include <optional>

#include "platform/graphics/Image.h"
#include "platform/ui/views/View.h"

namespace platform::ui {

// How an image's colours are used. The platform keeps this on the image; ours carry only
// pixels, so the image view holds it.
enum class ImageRenderingMode {
  // As the image is.
  original,
  // The view's tint painted through the image's alpha.
  alwaysTemplate,
};

// A view showing an image placed by its content mode (scale-to-fill by default).
class ImageView : public View {
 public:
  static std::shared_ptr<ImageView> make(const graphics::Rect& frame = {});
  static std::shared_ptr<ImageView> make(std::optional<graphics::Image> image);

  ImageView(ConstructionKey key, const graphics::Rect& frame);

  std::string_view className() const override { return "ImageView"; }

  const std::optional<graphics::Image>& image() const { return image_; }
  void setImage(std::optional<graphics::Image> image) { image_ = std::move(image); }
  ImageRenderingMode renderingMode() const { return renderingMode_; }
  void setRenderingMode(ImageRenderingMode mode) { renderingMode_ = mode; }

  // The image's size in points; zero without an image.
  graphics::Size sizeThatFits(graphics::Size) const;

 protected:
  void drawContent(DrawingContext& context) const override;

 private:
  std::optional<graphics::Image> image_;
  ImageRenderingMode renderingMode_ = ImageRenderingMode::original;
};

}  // namespace platform::ui
