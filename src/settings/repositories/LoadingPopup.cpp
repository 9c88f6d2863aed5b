#include "settings/repositories/LoadingPopup.h"

#include <cmath>

#include "platform/ui/text/Label.h"
#include "platform/ui/views/BlurView.h"
#include "platform/ui/views/Screen.h"

namespace vantile::settings::repositories {

namespace {
constexpr double kWidth = 250;
constexpr double kHeight = 50;
}  // namespace

std::shared_ptr<platform::ui::View> loadingPopup(const std::string& text) {
  namespace ui = platform::ui;
  const platform::graphics::Rect screen = ui::Screen::mainScreen().bounds();
  auto popup = ui::View::make(
      {std::trunc(screen.width() / 2 - kWidth / 2), std::trunc(screen.height() / 2 - kHeight / 2), kWidth, kHeight});
  popup->layer()->setCornerRadius(25);
  popup->setClipsToBounds(true);
  auto blur = ui::BlurView::make(ui::BlurStyle::dark, popup->bounds());
  blur->setAlpha(0.8);
  popup->addSubview(blur);
  auto label = ui::Label::make({0, 0, kWidth, kHeight});
  label->setText(text);
  label->setTextColor({1, 1, 1, 1});
  label->setTextAlignment(ui::TextAlignment::center);
  popup->addSubview(label);
  return popup;
}

}  // namespace vantile::settings::repositories
