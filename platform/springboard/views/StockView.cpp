#include "platform/springboard/views/StockView.h"

#include "platform/springboard/runtime/RuntimeSupport.h"

namespace platform::springboard {

std::shared_ptr<StockView> StockView::make(std::string_view runtimeClass, const graphics::Rect& frame) {
  return std::make_shared<StockView>(ConstructionKey{}, runtimeClass, frame);
}

StockView::StockView(ConstructionKey key, std::string_view runtimeClass, const graphics::Rect& frame)
    : RuntimeView(runtimeClass, key, frame), fallbackName_(runtimeClass) {}

std::string_view StockView::className() const { return runtimeClassName(*this, fallbackName_); }

std::shared_ptr<StockLabel> StockLabel::make(std::string_view runtimeClass, const graphics::Rect& frame) {
  return std::make_shared<StockLabel>(ConstructionKey{}, runtimeClass, frame);
}

StockLabel::StockLabel(ConstructionKey key, std::string_view runtimeClass, const graphics::Rect& frame)
    : RuntimeView(runtimeClass, key, frame), fallbackName_(runtimeClass) {
  // SpringBoard's labels let touches through to what they sit on.
  setUserInteractionEnabled(false);
}

std::string_view StockLabel::className() const { return runtimeClassName(*this, fallbackName_); }

std::shared_ptr<StockImageView> StockImageView::make(std::string_view runtimeClass, const graphics::Rect& frame) {
  return std::make_shared<StockImageView>(ConstructionKey{}, runtimeClass, frame);
}

StockImageView::StockImageView(ConstructionKey key, std::string_view runtimeClass, const graphics::Rect& frame)
    : RuntimeView(runtimeClass, key, frame), fallbackName_(runtimeClass) {
  setUserInteractionEnabled(false);
}

std::string_view StockImageView::className() const { return runtimeClassName(*this, fallbackName_); }

}  // namespace platform::springboard
