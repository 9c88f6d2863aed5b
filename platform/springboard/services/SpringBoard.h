#pragma once

#include <functional>
#include <memory>
#include <string>

#include "platform/objc/SharedObject.h"
#include "platform/springboard/runtime/Signatures.h"
#include "platform/ui/gestures/Event.h"

namespace platform::springboard {

// The application object of the home-screen process.
class SpringBoard : public objc::SharedObject {
 public:
  // Press types: the home button (or the home gesture) and the side (power) button.
  static constexpr long homeButtonPress = 104;
  static constexpr long powerButtonPress = 102;

  SpringBoard() : SharedObject("SpringBoard") {}

  static std::shared_ptr<SpringBoard> sharedApplication();

  bool handlePhysicalButtonEvent(const ui::Event& event);
  void applicationDidFinishLaunching();
  bool isShowingHomescreen();
  // Recorded by the platform's application object (the host reports it).
  bool openURL(std::string url);

  // What the stock operations ask of the process (set by it).
  std::function<bool()> showingHomescreen;
  std::function<void(const ui::Event&)> physicalButtonPressed;
  // Answers whether the app opened.
  std::function<bool(const std::string& bundleID)> launchApplication;

  static void declareClass(objc::Class& cls);
  // UIApplication's +sharedApplication, answering SpringBoard's application object.
  static void declareApplicationClass(objc::Class& cls);
};

}  // namespace platform::springboard
