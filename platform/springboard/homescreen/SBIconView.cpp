#include "platform/springboard/homescreen/SBIconView.h"

#include <algorithm>
#include <functional>

#include "platform/foundation/files/DeviceRoot.h"
#include "platform/graphics/ImageCodec.h"
#include "platform/springboard/views/StockView.h"

namespace platform::springboard {

namespace {

constexpr graphics::Color kWhite{1, 1, 1, 1};
constexpr graphics::Color kBadgeRed{1, 0.23, 0.19, 1};
constexpr double kCornerRadius = 13.5;

// A steady colour per app, so plain tiles tell apart.
graphics::Color tileColor(std::string_view bundleID) {
  const std::size_t hash = std::hash<std::string_view>{}(bundleID);
  const double hue = static_cast<double>(hash % 360) / 360.0;
  const auto channel = [&](double offset) {
    double value = hue + offset;
    value -= static_cast<int>(value);
    return 0.35 + 0.45 * std::clamp(std::abs(value * 6 - 3) - 1, 0.0, 1.0);
  };
  return {channel(0), channel(2.0 / 3.0), channel(1.0 / 3.0), 1};
}

}  // namespace

std::shared_ptr<SBIconView> SBIconView::make(const AppState& app, graphics::Point origin, std::string location) {
  auto icon = std::make_shared<SBIconView>(ConstructionKey{}, app, origin, std::move(location));
  for (const std::shared_ptr<ui::View>& part :
       std::initializer_list<std::shared_ptr<ui::View>>{icon->image_, icon->label_, icon->badge_}) icon->addSubview(part);
  return icon;
}

SBIconView::SBIconView(ConstructionKey key, const AppState& app, graphics::Point origin, std::string location)
    : RuntimeView("SBIconView", key,
                  graphics::Rect{origin.x, origin.y, iconSize, iconSize + (location == dockLocation ? 0 : labelHeight + 6)}),
      bundleIdentifier_(app.bundleID),
      location_(std::move(location)) {
  image_ = StockImageView::make("SBIconImageView", {0, 0, iconSize, iconSize});
  image_->layer()->setCornerRadius(kCornerRadius);
  image_->setClipsToBounds(true);
  image_->setContentMode(ui::ContentMode::scaleAspectFill);
  std::optional<graphics::Image> picture;
  if (!app.icon.empty()) picture = graphics::decodeImageFile(foundation::devicePath(app.icon));
  if (picture) {
    image_->setImage(std::move(picture));
  } else {
    image_->setBackgroundColor(tileColor(app.bundleID));
    auto initial = StockLabel::make("UILabel", {0, 0, iconSize, iconSize});
    initial->setText(app.name.empty() ? "?" : app.name.substr(0, 1));
    initial->setFont(graphics::systemFont(28));
    initial->setTextColor(kWhite);
    initial->setTextAlignment(ui::TextAlignment::center);
    image_->addSubview(std::move(initial));
  }

  label_ = StockLabel::make("SBIconLabelView", {-10, iconSize + 5, iconSize + 20, labelHeight});
  label_->setText(app.name);
  label_->setFont(graphics::systemFont(12));
  label_->setTextColor(kWhite);
  label_->setTextAlignment(ui::TextAlignment::center);
  label_->setNumberOfLines(1);

  badge_ = StockView::make("SBIconBadgeView", {iconSize - 16, -6, 22, 22});
  badge_->setBackgroundColor(kBadgeRed);
  badge_->layer()->setCornerRadius(11);
  badge_->setUserInteractionEnabled(false);
  badgeLabel_ = StockLabel::make("UILabel", {0, 0, 22, 22});
  badgeLabel_->setFont(graphics::systemFont(14));
  badgeLabel_->setTextColor(kWhite);
  badgeLabel_->setTextAlignment(ui::TextAlignment::center);
  badge_->addSubview(badgeLabel_);
  setBadge(app.badge);
}

void SBIconView::setBadge(const std::optional<std::string>& badge) {
  badge_->setHidden(!badge || badge->empty());
  if (!badge) return;
  badgeLabel_->setText(*badge);
  const double width = std::max(22.0, badgeLabel_->sizeThatFits({0, 0}).width + 12);
  badge_->setFrame({iconSize + 6 - width, -6, width, 22});
  badgeLabel_->setFrame({0, 0, width, 22});
}

}  // namespace platform::springboard
