// The row-making and picker operations of the canvas as the inspector's delegate.
#include "editor/CreatorView.h"
#include "editor/elementlist/CanvasOptionsDelegate.h"
#include "platform/ui/input/TextField.h"
#include "platform/ui/text/Label.h"

namespace vantile {

using platform::Value;
using platform::graphics::Rect;
using platform::ui::GestureRecognizer;

std::shared_ptr<platform::ui::Label> CanvasOptionsDelegate::createElementOptionLabelWithFrame(
    const Rect& frame, const std::string& text, const std::string& layerName, std::int64_t tag) {
  return CreatorView::createElementOptionLabelWithFrame(frame, text, layerName, tag);
}

std::shared_ptr<platform::ui::TextField> CanvasOptionsDelegate::createElementOptionTextFieldWithFrame(
    const Rect& frame, const std::string& text, const std::string& layerName, const std::string& placeholder) {
  return canvas_.createElementOptionTextFieldWithFrame(frame, text, layerName, placeholder);
}

// The pad steps the row's style: the whole property of a plain row, the part before "~" of an entry.
std::shared_ptr<platform::ui::View> CanvasOptionsDelegate::createIncrementer(const Rect& frame,
                                                                            const std::string& imageName,
                                                                            const std::string& propertyName) {
  return canvas_.createIncrementer(imageName, propertyName.substr(0, propertyName.find('~')), frame);
}

std::shared_ptr<platform::ui::View> CanvasOptionsDelegate::viewWithImage(const std::string& imageName,
                                                                        const std::string& name, const Rect& frame) {
  return canvas_.viewWithImage(imageName, name, frame);
}

std::string CanvasOptionsDelegate::dictionaryToString(const Value& dictionary) const {
  return CreatorView::dictionaryToString(dictionary);
}

std::vector<std::string> CanvasOptionsDelegate::elementOptionsCustomOrder(const Value& element) const {
  return CreatorView::elementOptionsCustomOrder(element);
}

bool CanvasOptionsDelegate::presetContainsUIView() const { return canvas_.presetContainsUIView(); }

std::optional<Value> CanvasOptionsDelegate::getPresetChildren() const {
  const Value* children = canvas_.getPresetChildren();
  if (!children) return std::nullopt;
  return *children;
}

std::vector<std::string> CanvasOptionsDelegate::getCreatorDataMethods() const {
  return CreatorView::getCreatorDataMethods();
}

void CanvasOptionsDelegate::setDataArray(std::vector<std::string> names) { canvas_.setDataArray(std::move(names)); }

std::vector<std::string> CanvasOptionsDelegate::blackListStyleArray() const { return canvas_.blackListStyleArray; }

std::vector<std::string> CanvasOptionsDelegate::stylesThatShowUpDownPad() const {
  return canvas_.stylesThatShowUpDownPad;
}

void CanvasOptionsDelegate::jumpToOption(GestureRecognizer&) { canvas_.jumpToOption(); }

void CanvasOptionsDelegate::copyStyleFromOtherElement(GestureRecognizer& tap) {
  canvas_.copyStyleFromOtherElement(tap);
}

void CanvasOptionsDelegate::setColor(const std::string& color, const std::string& styleKey) {
  canvas_.showColorPreview(color, styleKey);
}

void CanvasOptionsDelegate::setColorOnClose(const std::string& color, const std::string& styleKey) {
  canvas_.commitColor(color, styleKey);
}

void CanvasOptionsDelegate::exportTemplate(GestureRecognizer&) { canvas_.exportTemplate(); }
void CanvasOptionsDelegate::createAnimationPicker(GestureRecognizer&) { canvas_.createAnimationPicker(); }
void CanvasOptionsDelegate::createDataPicker(GestureRecognizer&) { canvas_.createDataPicker(); }
void CanvasOptionsDelegate::createFollowPicker(GestureRecognizer&) { canvas_.createFollowPicker(); }
void CanvasOptionsDelegate::childrenOrder(GestureRecognizer&) { canvas_.childrenOrder(); }
void CanvasOptionsDelegate::createDataPickerForAttr(GestureRecognizer&) { canvas_.createDataPickerForAttr(); }
void CanvasOptionsDelegate::createImagePicker(GestureRecognizer& tap) { canvas_.createImagePicker(tap); }
void CanvasOptionsDelegate::createSFImagePicker(GestureRecognizer&) { canvas_.createSFImagePicker(); }
void CanvasOptionsDelegate::loadFontMenu(GestureRecognizer&) { canvas_.loadFontMenu(); }
void CanvasOptionsDelegate::loadAttrFontMenu(GestureRecognizer&) { canvas_.loadAttrFontMenu(); }
void CanvasOptionsDelegate::loadTextAlignmentMenu(GestureRecognizer&) { canvas_.loadTextAlignmentMenu(); }
void CanvasOptionsDelegate::loadInfiniteScrollMenu(GestureRecognizer&) { canvas_.loadInfiniteScrollMenu(); }
void CanvasOptionsDelegate::loadAutoLayoutMenu(GestureRecognizer&) { canvas_.loadAutoLayoutMenu(); }
void CanvasOptionsDelegate::loadBlurColorMenu(GestureRecognizer&) { canvas_.loadBlurColorMenu(); }
void CanvasOptionsDelegate::loadContentModeMenu(GestureRecognizer&) { canvas_.loadContentModeMenu(); }
void CanvasOptionsDelegate::loadTextStyleMenu(GestureRecognizer&) { canvas_.loadTextStyleMenu(); }
void CanvasOptionsDelegate::pickStyleOverrideElement(GestureRecognizer&) { canvas_.pickStyleOverrideElement(); }

}  // namespace vantile
