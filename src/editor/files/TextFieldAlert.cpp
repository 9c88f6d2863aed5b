#include "editor/files/TextFieldAlert.h"

#include <algorithm>

#include "platform/ui/input/TextField.h"

namespace vantile {

namespace {
constexpr double kFieldHeight = 30;
constexpr double kFieldMargin = 12;
constexpr double kFieldFontSize = 14;
constexpr platform::graphics::Color kGrey{0.5, 0.5, 0.5, 1};
// The platform alert lays out its title and message first, then its button rows.
constexpr std::size_t kHeaderLabels = 2;
}  // namespace

std::shared_ptr<TextFieldAlert> TextFieldAlert::make(std::string title, std::string message, std::string placeholder) {
  return std::make_shared<TextFieldAlert>(ConstructionKey{}, std::move(title), std::move(message),
                                          std::move(placeholder));
}

TextFieldAlert::TextFieldAlert(ConstructionKey key, std::string title, std::string message, std::string placeholder)
    : AlertController(key, std::move(title), std::move(message), Style::alert),
      textField_(platform::ui::TextField::make()) {
  textField_->setPlaceholder(std::move(placeholder));
  textField_->setTextColor(kGrey);
  textField_->setFont(platform::graphics::systemFont(kFieldFontSize));
  textField_->setClearButtonMode(platform::ui::TextField::ViewMode::whileEditing);
  textField_->setBorderStyle(platform::ui::TextField::BorderStyle::roundedRect);
}

std::shared_ptr<platform::ui::View> TextFieldAlert::loadView() {
  std::shared_ptr<platform::ui::View> dimming = AlertController::loadView();
  if (dimming->subviews().empty()) return dimming;
  const std::shared_ptr<platform::ui::View> panel = dimming->subviews().front();
  const auto& parts = panel->subviews();
  double headerBottom = 0;
  for (std::size_t index = 0; index < parts.size() && index < kHeaderLabels; ++index) {
    headerBottom = std::max(headerBottom, parts[index]->frame().maxY());
  }
  // The field goes below the header; the rows move down by its height.
  const double shift = kFieldHeight + kFieldMargin;
  for (std::size_t index = kHeaderLabels; index < parts.size(); ++index) {
    platform::graphics::Rect frame = parts[index]->frame();
    frame.origin.y += shift;
    parts[index]->setFrame(frame);
  }
  platform::graphics::Rect panelFrame = panel->frame();
  textField_->setFrame({kFieldMargin, headerBottom + kFieldMargin / 2, panelFrame.width() - 2 * kFieldMargin,
                        kFieldHeight});
  panel->addSubview(textField_);
  panelFrame.origin.y -= shift / 2;
  panelFrame.size.height += shift;
  panel->setFrame(panelFrame);
  return dimming;
}

}  // namespace vantile
