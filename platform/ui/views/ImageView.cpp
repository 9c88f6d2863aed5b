#include "platform/ui/views/ImageView.h"

#include "platform/ui/render/DrawingContext.h"

namespace platform::ui {

std::shared_ptr<ImageView> ImageView::make(const graphics::Rect& frame) {
  return std::make_shared<ImageView>(ConstructionKey{}, frame);
}

// Sized to the image, as the platform's initialiser with an image is.
std::shared_ptr<ImageView> ImageView::make(std::optional<graphics::Image> image) {
  const graphics::Size size = image ? image->size() : graphics::Size{};
  auto view = make(graphics::Rect{0, 0, size.width, size.height});
  view->setImage(std::move(image));
  return view;
}

ImageView::ImageView(ConstructionKey key, const graphics::Rect& frame) : View(key, frame) {
  setUserInteractionEnabled(false);
}

graphics::Size ImageView::sizeThatFits(graphics::Size) const { return image_ ? image_->size() : graphics::Size{}; }

void ImageView::drawContent(DrawingContext& context) const {
  if (!image_) return;
  const graphics::Rect rect = contentRect(contentMode(), image_->size(), bounds());
  if (renderingMode_ == ImageRenderingMode::alwaysTemplate) {
    context.drawImageMask(*image_, rect, tintColor());
  } else {
    context.drawImage(*image_, rect);
  }
}

}  // namespace platform::ui
