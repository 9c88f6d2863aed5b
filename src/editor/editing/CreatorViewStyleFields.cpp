// The inspector's caption labels and style fields, their commits, and the colour cell's preview.
#include <vector>

#include "editor/CreatorView.h"
#include "editor/editing/StyleValues.h"
#include "engine/helpers/VantileHelpers.h"
#include "platform/foundation/files/SystemLog.h"
#include "platform/graphics/TextMeasurement.h"
#include "platform/ui/input/TextField.h"
#include "platform/ui/input/TextFieldDelegate.h"
#include "platform/ui/text/Label.h"

namespace vantile {

namespace {

namespace graphics = platform::graphics;
using platform::ui::TextField;

constexpr graphics::Color kCaptionColor{1, 1, 1, 1};
constexpr graphics::Color kCaptionRuleColor{1, 1, 1, 0.2};
constexpr double kCaptionFontSize = 14;
constexpr double kFieldFontSize = 8;
constexpr double kValueEditorHeight = 100;
constexpr double kValueEditorLift = 100;

std::vector<std::string> splitOnTilde(const std::string& text) {
  std::vector<std::string> parts;
  std::size_t start = 0;
  while (true) {
    const std::size_t tilde = text.find('~', start);
    parts.push_back(text.substr(start, tilde - start));
    if (tilde == std::string::npos) return parts;
    start = tilde + 1;
  }
}

std::string layerNameOf(const platform::ui::View& view) { return view.layer()->name().value_or(""); }

// Holds the canvas weakly, as a field holds its delegate.
class StyleFieldDelegate : public platform::ui::TextFieldDelegate {
 public:
  explicit StyleFieldDelegate(std::weak_ptr<CreatorView> canvas) : canvas_(std::move(canvas)) {}

  bool implements(Operation operation) const override {
    return operation == Operation::textFieldDidBeginEditing || operation == Operation::textFieldShouldReturn;
  }
  void textFieldDidBeginEditing(TextField& field) override {
    if (const auto canvas = canvas_.lock()) canvas->textFieldDidBeginEditing(field);
  }
  bool textFieldShouldReturn(TextField& field) override {
    const auto canvas = canvas_.lock();
    return canvas ? canvas->textFieldShouldReturn(field) : false;
  }

 private:
  std::weak_ptr<CreatorView> canvas_;
};

}  // namespace

std::shared_ptr<platform::ui::Label> CreatorView::createElementOptionLabelWithFrame(const graphics::Rect& frame,
                                                                                   const std::string& text,
                                                                                   const std::string& layerName,
                                                                                   std::int64_t tag) {
  auto label = platform::ui::Label::make(frame);
  label->setText(text);
  label->setTextColor(kCaptionColor);
  label->setFont(graphics::systemFont(kCaptionFontSize));
  label->setUserInteractionEnabled(true);
  label->setTag(tag);
  label->layer()->setName(layerName);
  label->setClipsToBounds(true);
  auto rule = platform::ui::Layer::make();
  rule->setFrame({0, frame.size.height - 1, frame.size.width, 1});
  rule->setBorderWidth(1);
  rule->setBorderColor(kCaptionRuleColor);
  label->layer()->addSublayer(std::move(rule));
  return label;
}

std::shared_ptr<TextField> CreatorView::createElementOptionTextFieldWithFrame(const graphics::Rect& frame,
                                                                             const std::string& text,
                                                                             const std::string& layerName,
                                                                             const std::string& placeholder) {
  auto field = TextField::make(frame);
  field->setBorderStyle(TextField::BorderStyle::roundedRect);
  field->setFont(graphics::systemFont(kFieldFontSize));
  field->setPlaceholder(placeholder);
  field->setText(text);
  field->setAutocorrectionType(TextField::AutocorrectionType::no);
  field->setReturnKeyType(TextField::ReturnKeyType::done);
  field->setClearButtonMode(TextField::ViewMode::whileEditing);
  field->setDelegate(styleFieldDelegate());
  field->layer()->setName(layerName);
  return field;
}

void CreatorView::textFieldDidBeginEditing(TextField& field) {
  if (fieldView) {
    fieldView->removeFromSuperview();
    fieldView.reset();
  }
  if (!mainView) return;
  const std::weak_ptr<TextField> weakField = std::static_pointer_cast<TextField>(field.shared_from_this());
  const graphics::Point centre = mainView->center();
  const graphics::Rect frame{0, centre.y - kValueEditorLift - kValueEditorHeight / 2, mainView->frame().size.width,
                             kValueEditorHeight};
  auto overlay = createValueEditorOverlay(field, frame, [canvas = weakCanvas(), weakField](const std::string& text) {
    const auto strongCanvas = canvas.lock();
    const auto strongField = weakField.lock();
    if (!strongCanvas || !strongField) return;
    strongField->setText(text);
    strongCanvas->textFieldShouldReturn(*strongField);
  });
  if (!overlay) return;
  fieldView = overlay;
  mainView->addSubview(std::move(overlay));
}

bool CreatorView::textFieldShouldReturn(TextField& field) {
  const std::string address = layerNameOf(field);
  if (address.find('~') == std::string::npos) {
    setElementStyle(address, selectedElement, field.text());
  } else {
    setDictionaryOptionsFromTextField(field);
  }
  field.resignFirstResponder();
  return false;
}

void CreatorView::setDictionaryOptionsFromTextField(TextField& field) {
  const std::vector<std::string> parts = splitOnTilde(layerNameOf(field));
  if (parts.size() < 2) return;
  const std::string& style = parts[0];
  const std::string& key = parts[1];
  const auto current = CreatorDictHelpers::getElementObjectFromString(selectedElement, style, dictHelpers.getPresetChildren());
  if (!current || !current->is_object()) {
    platform::foundation::systemLog("Error in setDictionaryOptionsFromTextField: " + selectedElement + " has no \"" +
                                    style + "\" dictionary");
    showRefusedEditAlert("\"" + style + "\" of " + selectedElement + " is not a dictionary.");
    return;
  }
  setElementStyle(style, selectedElement, dictionaryToString(StyleValues::withEntry(*current, key, field.text())));
}

void CreatorView::setColor(const std::string& color, const std::string& style) {
  sharedInstance().showColorPreview(color, style);
}

void CreatorView::setColorOnClose(const std::string& color, const std::string& style) {
  sharedInstance().commitColor(color, style);
}

void CreatorView::showColorPreview(const std::string& color, const std::string& style) const {
  const std::optional<graphics::Color> parsed = VantileHelpers::uiColorFromString(color);
  const std::shared_ptr<platform::ui::View> elementView = getElementView(selectedElement);
  if (style.empty() || !parsed || !elementView) return;
  if (const auto label = std::dynamic_pointer_cast<platform::ui::Label>(elementView); label && style == "textColor") {
    label->setTextColor(*parsed);
  }
  if (style == "backgroundColor") elementView->setBackgroundColor(parsed);
  if (style == "borderColor") elementView->layer()->setBorderColor(parsed);
  if (style == "boxShadow") elementView->layer()->setShadowColor(parsed);
}

void CreatorView::commitColor(const std::string& color, const std::string& style) {
  if (!style.empty()) setElementStyle(style, selectedElement, color);
}

std::shared_ptr<platform::ui::TextFieldDelegate> CreatorView::styleFieldDelegate() {
  if (!styleFieldDelegate_) styleFieldDelegate_ = std::make_shared<StyleFieldDelegate>(weakCanvas());
  return styleFieldDelegate_;
}

}  // namespace vantile
