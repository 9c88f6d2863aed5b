#include "settings/repositories/RepositoryPopup.h"

#include "platform/graphics/TextMeasurement.h"
#include "platform/ui/text/Label.h"

namespace vantile::settings::repositories {

std::shared_ptr<platform::ui::View> loadingPopup(const std::string& text, const platform::graphics::Rect& bounds) {
  constexpr double kWidth = 160;
  constexpr double kHeight = 60;
  auto popup = platform::ui::View::make({bounds.origin.x + (bounds.size.width - kWidth) / 2,
                                         bounds.origin.y + (bounds.size.height - kHeight) / 2, kWidth, kHeight});
  popup->setBackgroundColor(platform::graphics::Color{50 / 255.0, 50 / 255.0, 50 / 255.0, 1});
  popup->layer()->setCornerRadius(12);
  auto label = platform::ui::Label::make({0, 0, kWidth, kHeight});
  label->setText(text);
  label->setFont(platform::graphics::systemFont(14));
  label->setTextColor(platform::graphics::Color{1, 1, 1, 1});
  label->setTextAlignment(platform::ui::TextAlignment::center);
  popup->addSubview(label);
  return popup;
}

}  // namespace vantile::settings::repositories
