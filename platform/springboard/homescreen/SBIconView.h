#pragma once

#include <memory>
#include <optional>
#include <string>

#include "platform/objc/Object.h"
#include "platform/springboard/views/RuntimeViewHooks.h"
#include "platform/springboard/device/DeviceState.h"
#include "platform/ui/text/Label.h"
#include "platform/ui/views/ImageView.h"
#include "platform/ui/views/View.h"

namespace platform::springboard {

// One app on the home screen: its picture (or a plain tile with its initial), its name under
// it and its badge at the top right.
class SBIconView : public RuntimeView<ui::View> {
 public:
  static constexpr double iconSize = 60;
  static constexpr double labelHeight = 16;

  static constexpr const char* rootLocation = "SBIconLocationRoot";
  static constexpr const char* dockLocation = "SBIconLocationDock";

  // Icons in the dock have no room for a label.
  static std::shared_ptr<SBIconView> make(const AppState& app, graphics::Point origin, std::string location);

  SBIconView(ConstructionKey key, const AppState& app, graphics::Point origin, std::string location);

  std::string_view className() const override { return "SBIconView"; }

  const std::string& applicationBundleIdentifier() const { return bundleIdentifier_; }
  // Where the icon shows: "SBIconLocationRoot", "SBIconLocationDock", or a folder's location.
  const std::string& location() const { return location_; }
  // Nothing hides the badge.
  void setBadge(const std::optional<std::string>& badge);
  const std::shared_ptr<ui::View>& badgeView() const { return badge_; }
  const std::string& badgeText() const { return badgeLabel_->text(); }
  const std::shared_ptr<ui::Label>& labelView() const { return label_; }
  const std::shared_ptr<ui::ImageView>& iconImageView() const { return image_; }

 private:
  std::string bundleIdentifier_;
  std::string location_;
  std::shared_ptr<ui::ImageView> image_;
  std::shared_ptr<ui::Label> label_;
  std::shared_ptr<ui::View> badge_;
  std::shared_ptr<ui::Label> badgeLabel_;
};

}  // namespace platform::springboard
