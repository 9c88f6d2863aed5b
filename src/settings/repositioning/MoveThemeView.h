#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "platform/graphics/Geometry.h"
#include "platform/ui/views/View.h"

namespace platform::ui {
class GestureRecognizer;
class Label;
class Window;
}  // namespace platform::ui

namespace vantile::settings {

// Moves the applied lock-screen or home-screen theme over its wallpaper snapshot and stores
// where the user leaves it. One per process; each pane sets it up anew in its own view. The
// theme is drawn by the tweak's controller, found by class name: without it there is nothing
// to move and Apply says so instead of storing a position.
class MoveThemeView : public platform::ui::View {
 public:
  static constexpr std::string_view lockscreen = "lockscreen";
  static constexpr std::string_view homescreen = "homescreen";

  static MoveThemeView& sharedInstance();

  explicit MoveThemeView(ConstructionKey key);

  // Locks reset (x locked, y free), then the screen built for the location.
  std::shared_ptr<platform::ui::View> setupMoveThemeView(const std::shared_ptr<platform::ui::View>& parentView,
                                                         std::string_view location);
  std::shared_ptr<platform::ui::View> setupForTweak(const std::shared_ptr<platform::ui::View>& parentView,
                                                    std::string_view location);
  // The applied theme's path, "none" when none is set, "" for an unknown location.
  static std::string getCurrentThemePathforLocation(std::string_view location);

  // The user's actions.
  void panWasRecognized(platform::ui::GestureRecognizer& recognizer);
  void lockX(platform::ui::GestureRecognizer& recognizer);
  void lockY(platform::ui::GestureRecognizer& recognizer);
  void reset(platform::ui::GestureRecognizer& recognizer);
  void apply(platform::ui::GestureRecognizer& recognizer);

  void showLSAppliedAlert();
  void showSBAppliedAlert();
  void showNotificationCenter();
  static std::shared_ptr<platform::ui::Window> keyWindow();

  const std::shared_ptr<platform::ui::View>& parentView() const { return parentView_; }
  const std::shared_ptr<platform::ui::View>& snapShot() const { return snapShot_; }
  const std::string& location() const { return location_; }
  bool isXLocked() const { return lockX_; }
  bool isYLocked() const { return lockY_; }

 private:
  std::shared_ptr<platform::ui::View> themeViewFromController(std::string_view location) const;
  std::shared_ptr<platform::ui::View> createLockXLabel();
  std::shared_ptr<platform::ui::View> createLockYLabel();
  std::shared_ptr<platform::ui::View> createResetLabel();
  std::shared_ptr<platform::ui::View> createApplyLabel();
  std::shared_ptr<platform::ui::View> createButtonHolder();
  static std::shared_ptr<platform::ui::View> blurViewWithBounds(const platform::graphics::Rect& bounds);
  std::shared_ptr<platform::ui::Label> barLabel(std::string text, double x, bool grey,
                                                void (MoveThemeView::*action)(platform::ui::GestureRecognizer&));
  bool toggleLock(platform::ui::GestureRecognizer& recognizer);
  void storeOffsets(platform::graphics::Point origin) const;
  void showAlert(std::string message, bool offersNotificationCenter);

  std::shared_ptr<platform::ui::View> parentView_;
  std::shared_ptr<platform::ui::View> snapShot_;
  std::string location_;
  bool lockX_ = true;
  bool lockY_ = false;
};

}  // namespace vantile::settings
