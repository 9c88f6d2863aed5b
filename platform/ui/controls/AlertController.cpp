#include "platform/ui/controls/AlertController.h"

#include "platform/ui/gestures/TapGestureRecognizer.h"
#include "platform/ui/input/TextField.h"
#include "platform/ui/text/Label.h"
#include "platform/ui/views/FrontmostController.h"
#include "platform/ui/views/Screen.h"

namespace platform::ui {

namespace {
constexpr double kAlertWidth = 270;
constexpr double kSheetMargin = 8;
constexpr double kHeaderLineHeight = 22;
constexpr double kTextFieldHeight = 30;
constexpr double kTextFieldSpacing = 6;
constexpr graphics::Color kDimming{0, 0, 0, 0.4};
constexpr graphics::Color kPanel{0.17, 0.17, 0.18, 0.96};
constexpr graphics::Color kSeparator{0.33, 0.33, 0.35, 1};
constexpr graphics::Color kActionBlue{0.04, 0.52, 1, 1};
constexpr graphics::Color kDestructiveRed{1, 0.27, 0.23, 1};
constexpr graphics::Color kSecondaryText{0.7, 0.7, 0.72, 1};

std::shared_ptr<Label> headerLabel(const std::string& text, double y, double width, double size, graphics::Color color) {
  auto label = Label::make({12, y, width - 24, kHeaderLineHeight});
  label->setText(text);
  label->setFont(graphics::systemFont(size));
  label->setTextColor(color);
  label->setTextAlignment(TextAlignment::center);
  return label;
}
}  // namespace

std::shared_ptr<AlertController> AlertController::make(std::optional<std::string> title,
                                                       std::optional<std::string> message, Style style) {
  return std::make_shared<AlertController>(ConstructionKey{}, std::move(title), std::move(message), style);
}

AlertController::AlertController(ConstructionKey key, std::optional<std::string> title,
                                 std::optional<std::string> message, Style style)
    : ViewController(key), title_(std::move(title)), message_(std::move(message)), style_(style) {}

void AlertController::addAction(AlertAction action) { actions_.push_back(std::move(action)); }

std::shared_ptr<TextField> AlertController::addTextField(const std::function<void(TextField&)>& configure) {
  auto field = TextField::make();
  field->setFont(graphics::systemFont(14));
  if (configure) configure(*field);
  textFields_.push_back(field);
  return field;
}

bool AlertController::chooseAction(std::string_view title) {
  for (std::size_t index = 0; index < actions_.size(); ++index) {
    if (actions_[index].title == title) {
      choose(index);
      return true;
    }
  }
  return false;
}

void AlertController::choose(std::size_t index) {
  const auto keepAlive = shared_from_this();
  auto handler = actions_[index].handler;
  dismissViewController(true);
  if (handler) handler();
}

std::shared_ptr<AlertController> AlertController::shownInKeyWindow() {
  return std::dynamic_pointer_cast<AlertController>(frontmostPresentedController());
}

std::shared_ptr<View> AlertController::loadView() {
  const graphics::Rect screen = Screen::mainScreen().bounds();
  auto dimming = View::make(screen);
  dimming->setBackgroundColor(kDimming);

  const double width = style_ == Style::alert ? kAlertWidth : screen.width() - 2 * kSheetMargin;
  auto panel = View::make();
  panel->setBackgroundColor(kPanel);
  panel->layer()->setCornerRadius(13);
  panel->setClipsToBounds(true);

  double y = 8;
  if (title_) {
    panel->addSubview(headerLabel(*title_, y, width, 15, graphics::Color{1, 1, 1, 1}));
    y += kHeaderLineHeight;
  }
  if (message_) {
    panel->addSubview(headerLabel(*message_, y, width, 13, kSecondaryText));
    y += kHeaderLineHeight;
  }
  for (const auto& field : textFields_) {
    y += kTextFieldSpacing;
    field->setFrame({12, y, width - 24, kTextFieldHeight});
    panel->addSubview(field);
    y += kTextFieldHeight;
  }
  y += 8;
  std::weak_ptr<AlertController> weak = std::static_pointer_cast<AlertController>(shared_from_this());
  for (std::size_t index = 0; index < actions_.size(); ++index) {
    auto separator = View::make({0, y, width, 0.5});
    separator->setBackgroundColor(kSeparator);
    panel->addSubview(separator);
    auto row = Label::make({0, y + 0.5, width, rowHeight});
    row->setText(actions_[index].title);
    row->setFont(graphics::systemFont(17));
    row->setTextAlignment(TextAlignment::center);
    row->setTextColor(actions_[index].style == AlertAction::Style::destructive ? kDestructiveRed : kActionBlue);
    row->setUserInteractionEnabled(true);
    row->addGestureRecognizer(TapGestureRecognizer::make([weak, index](GestureRecognizer& tap) {
      if (tap.state() != GestureRecognizer::State::recognized) return;
      if (const auto self = weak.lock(); self && index < self->actions_.size()) self->choose(index);
    }));
    panel->addSubview(row);
    y += rowHeight + 0.5;
  }
  const double x = (screen.width() - width) / 2;
  const double top = style_ == Style::alert ? (screen.height() - y) / 2 : screen.height() - y - 3 * kSheetMargin;
  panel->setFrame({x, top, width, y});
  dimming->addSubview(panel);
  return dimming;
}

}  // namespace platform::ui
