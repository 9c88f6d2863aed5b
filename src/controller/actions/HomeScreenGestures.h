#pragma once

namespace vantile {

class VantileController;

// The home-screen theme's four swipes (down: search, up: app drawer, right: today view, left:
// hide the today view or open the App Library), each switched off by its setting and none
// while the app drawer is open, and the closing of the drawer when the user goes home.
class HomeScreenGestures {
 public:
  static constexpr double kDrawerFadeDuration = 0.1;
  static constexpr double kDrawerRemovalDelay = 0.5;

  explicit HomeScreenGestures(VantileController& controller) : controller_(controller) {}

  // On the home-screen root view.
  void addGestures();
  void swipedDown();
  void swipedUp();
  void swipedRight();
  void swipedLeft();
  static bool todayShowing();
  static void hideTodayView();
  // Fades the drawer out and removes it 0.5 s after the call, marking it closed.
  void swipeHappened();

 private:
  bool drawerOpen() const;

  VantileController& controller_;
};

}  // namespace vantile
