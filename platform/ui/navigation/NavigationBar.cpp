#include "platform/ui/navigation/NavigationBar.h"

#include <algorithm>

#include "platform/graphics/TextMeasurement.h"
#include "platform/ui/gestures/TapGestureRecognizer.h"
#include "platform/ui/navigation/NavigationItem.h"
#include "platform/ui/text/Label.h"

namespace platform::ui {

namespace {
constexpr double kEdgeMargin = 8;
// Room around a button's text that still takes the touch.
constexpr double kButtonPadding = 8;
constexpr double kTitleSpacing = 8;
constexpr graphics::Color kBarBackground{0.11, 0.11, 0.12, 0.94};
constexpr graphics::Color kTitleColor{1, 1, 1, 1};
constexpr graphics::Color kButtonBlue{0.04, 0.52, 1, 1};
// U+2039, the back chevron.
constexpr const char* kBackChevron = "\u2039 ";

std::shared_ptr<Label> makeButton(std::function<void()> tapped) {
  auto button = Label::make();
  button->setFont(graphics::systemFont(17));
  button->setTextColor(kButtonBlue);
  button->setTextAlignment(TextAlignment::center);
  button->setUserInteractionEnabled(true);
  button->setHidden(true);
  button->addGestureRecognizer(TapGestureRecognizer::make([tapped = std::move(tapped)](GestureRecognizer& tap) {
    if (tap.state() == GestureRecognizer::State::recognized) tapped();
  }));
  return button;
}

// A button's width for its text, at most `limit`; nothing for a hidden button.
double buttonWidth(const Label& button, double limit) {
  if (button.isHidden()) return 0;
  return std::min(limit, graphics::measureText(button.text(), button.font()).width + 2 * kButtonPadding);
}
}  // namespace

std::shared_ptr<NavigationBar> NavigationBar::make(std::function<void()> back) {
  auto bar = std::make_shared<NavigationBar>(ConstructionKey{}, std::move(back));
  bar->addButtons();
  return bar;
}

NavigationBar::NavigationBar(ConstructionKey key, std::function<void()> back)
    : View(key, {}), back_(std::move(back)), titleLabel_(Label::make()) {
  setBackgroundColor(kBarBackground);
  titleLabel_->setFont(graphics::systemFont(17));
  titleLabel_->setTextColor(kTitleColor);
  titleLabel_->setTextAlignment(TextAlignment::center);
}

void NavigationBar::addButtons() {
  // Weak: a button handed out by an accessor may outlive the bar.
  const std::weak_ptr<NavigationBar> weak = std::static_pointer_cast<NavigationBar>(shared_from_this());
  backButton_ = makeButton([weak] {
    if (const auto bar = weak.lock(); bar && bar->back_) bar->back_();
  });
  rightButton_ = makeButton([weak] {
    const auto bar = weak.lock();
    // The action may replace the item, so it is kept alive while it runs.
    if (const auto item = bar ? bar->rightItem_ : nullptr) item->performAction();
  });
  addSubview(titleLabel_);
  addSubview(backButton_);
  addSubview(rightButton_);
}

void NavigationBar::show(const NavigationItem& item, std::optional<std::string> backTitle) {
  titleLabel_->setText(item.title().value_or(""));
  backButton_->setHidden(!backTitle);
  backButton_->setText(backTitle ? kBackChevron + *backTitle : "");
  rightItem_ = item.rightBarButtonItem();
  rightButton_->setHidden(!rightItem_);
  rightButton_->setText(rightItem_ ? rightItem_->title() : "");
  arrange();
}

void NavigationBar::layoutSubviews() { arrange(); }

void NavigationBar::arrange() {
  const graphics::Rect bounds = this->bounds();
  const double top = std::max(0.0, bounds.height() - contentHeight);
  const double height = bounds.height() - top;
  const double limit = bounds.width() / 3;
  const double backWidth = buttonWidth(*backButton_, limit);
  const double rightWidth = buttonWidth(*rightButton_, limit);
  backButton_->setFrame({kEdgeMargin, top, backWidth, height});
  rightButton_->setFrame({bounds.width() - kEdgeMargin - rightWidth, top, rightWidth, height});
  // Centred in the bar, clear of the wider of the two buttons.
  const double side = kEdgeMargin + std::max(backWidth, rightWidth) + kTitleSpacing;
  titleLabel_->setFrame({side, top, std::max(0.0, bounds.width() - 2 * side), height});
}

}  // namespace platform::ui
