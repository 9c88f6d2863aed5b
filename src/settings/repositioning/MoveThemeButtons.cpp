#include "platform/graphics/TextMeasurement.h"
#include "platform/ui/gestures/TapGestureRecognizer.h"
#include "platform/ui/text/Label.h"
#include "platform/ui/views/BlurView.h"
#include "platform/ui/views/Screen.h"
#include "settings/repositioning/MoveThemeStyle.h"
#include "settings/repositioning/MoveThemeView.h"

namespace vantile::settings {

namespace {

namespace ui = platform::ui;
using platform::graphics::Rect;

constexpr double kBarWidth = 200;
constexpr double kBarHeight = 45;
constexpr double kCornerRadius = 20;
constexpr double kButtonSide = 40;
constexpr double kButtonTop = 2.5;
constexpr double kButtonFontSize = 9;

}  // namespace

std::shared_ptr<ui::Label> MoveThemeView::barLabel(std::string text, double x, bool grey,
                                                   void (MoveThemeView::*action)(ui::GestureRecognizer&)) {
  auto label = ui::Label::make(Rect{x, kButtonTop, kButtonSide, kButtonSide});
  label->setText(std::move(text));
  label->setTextColor({1, 1, 1, 1});
  label->setFont(platform::graphics::systemFont(kButtonFontSize));
  label->setTextAlignment(ui::TextAlignment::center);
  label->setBackgroundColor(grey ? moveThemeGrey() : moveThemeBlack());
  label->layer()->setCornerRadius(kCornerRadius);
  label->setClipsToBounds(true);
  label->setUserInteractionEnabled(true);
  auto tap = ui::TapGestureRecognizer::make([action](ui::GestureRecognizer& recognizer) {
    (sharedInstance().*action)(recognizer);
  });
  tap->setNumberOfTapsRequired(1);
  tap->setNumberOfTouchesRequired(1);
  label->addGestureRecognizer(std::move(tap));
  return label;
}

std::shared_ptr<ui::View> MoveThemeView::createLockXLabel() {
  auto label = barLabel("LockX", 5, true, &MoveThemeView::lockX);
  label->layer()->setName("on");
  return label;
}

std::shared_ptr<ui::View> MoveThemeView::createLockYLabel() {
  auto label = barLabel("LockY", 55, false, &MoveThemeView::lockY);
  label->layer()->setName("off");
  return label;
}

std::shared_ptr<ui::View> MoveThemeView::createResetLabel() { return barLabel("Reset", 105, false, &MoveThemeView::reset); }

std::shared_ptr<ui::View> MoveThemeView::createApplyLabel() {
  auto label = barLabel("Apply", 155, false, &MoveThemeView::apply);
  // Without a theme there is no position to store: the button shows it is out of use.
  if (!snapShot_) label->setAlpha(0.4);
  return label;
}

std::shared_ptr<ui::View> MoveThemeView::blurViewWithBounds(const Rect& bounds) {
  auto blur = ui::BlurView::make(ui::BlurStyle::light, bounds);
  blur->setAlpha(0.8);
  blur->setClipsToBounds(true);
  blur->layer()->setCornerRadius(kCornerRadius);
  return blur;
}

std::shared_ptr<ui::View> MoveThemeView::createButtonHolder() {
  const Rect screen = ui::Screen::mainScreen().bounds();
  const float width = static_cast<float>(screen.size.width);
  const float height = static_cast<float>(screen.size.height);
  const float x = width * 0.5F - 100;
  const float y = height - 50 - 45;
  auto bar = ui::View::make(Rect{x, y, kBarWidth, kBarHeight});
  bar->setBackgroundColor(platform::graphics::Color{1, 1, 1, 0.2});
  bar->layer()->setCornerRadius(kCornerRadius);
  bar->addSubview(blurViewWithBounds(bar->bounds()));
  bar->addSubview(createLockXLabel());
  bar->addSubview(createLockYLabel());
  bar->addSubview(createResetLabel());
  bar->addSubview(createApplyLabel());
  return bar;
}

}  // namespace vantile::settings
