#pragma once

#include <memory>
#include <string>
#include <string_view>

namespace platform::ui {
class View;
}

namespace vantile {

class VantileController;

// What the action words of an element's "actions" do, through SpringBoard's own objects. Each
// effect asks SpringBoard whether it answers an operation first and does nothing when none is
// answered.
class ElementActions {
 public:
  // The Darwin notification the SpringBoard integration switches the flashlight on.
  static constexpr const char* kToggleFlashlightNotification = "com.kestrune.vantile/toggleFlashlight";
  static constexpr int kAlertSound = 1519;

  explicit ElementActions(VantileController& controller) : controller_(controller) {}

  // Runs the action whose word equals `action` exactly; "animation" only with runAnimation.
  void handleAction(std::string_view action, bool isLSTap, bool runAnimation,
                    const std::shared_ptr<platform::ui::View>& view);

  // Over the home-screen root view; the app chosen in it is launched.
  void openDrawer();
  void openSpotlight();
  void unlockDevice();
  void openTodayView();
  void openAppLibrary();
  void toggleFlashlight();
  void doVibrate();
  void openMusicApp();
  void playMusic();
  void nextTrack();
  void prevTrack();
  // Unlocks first when the device is locked, and launches only when the unlock succeeded.
  void launchAppFromLS(const std::string& bundleID);
  // Launches the app through the shared application (not suspended).
  static void launchApplication(const std::string& bundleID);
  // Opens the app through the system service (no options, no result handler).
  static void openApplication(const std::string& bundleID);

 private:
  void changeTrack(std::int32_t delta);

  VantileController& controller_;
};

}  // namespace vantile
