#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace platform::ui {

enum class UserInterfaceIdiom { phone, pad };

enum class DeviceOrientation {
  unknown,
  portrait,
  portraitUpsideDown,
  landscapeLeft,
  landscapeRight,
  faceUp,
  faceDown,
};

// The device the process runs on, process-wide; hosts and tests set what it reports.
class Device {
 public:
  static Device& currentDevice();

  UserInterfaceIdiom userInterfaceIdiom() const { return idiom_; }
  void setUserInterfaceIdiom(UserInterfaceIdiom idiom) { idiom_ = idiom; }
  DeviceOrientation orientation() const { return orientation_; }
  // A change of orientation is told to every observer, at once, on the calling (main) thread.
  void setOrientation(DeviceOrientation orientation);
  // The device orientation notification: destroying the returned token stops delivery.
  [[nodiscard]] std::shared_ptr<void> observeOrientationChanges(std::function<void(DeviceOrientation)> observer);
  // "15.0" unless set.
  const std::string& systemVersion() const { return systemVersion_; }
  void setSystemVersion(std::string version) { systemVersion_ = std::move(version); }
  // The private "_feedbackSupportLevel": 2 with a haptic engine, 1 or 0 without.
  int feedbackSupportLevel() const { return feedbackSupportLevel_; }
  void setFeedbackSupportLevel(int level) { feedbackSupportLevel_ = level; }
  // The name the owner gave the device; "iPhone" unless set.
  const std::string& name() const { return name_; }
  void setName(std::string name) { name_ = std::move(name); }

 private:
  Device() = default;

  UserInterfaceIdiom idiom_ = UserInterfaceIdiom::phone;
  DeviceOrientation orientation_ = DeviceOrientation::portrait;
  std::string systemVersion_ = "15.0";
  int feedbackSupportLevel_ = 2;
  std::string name_ = "iPhone";
  std::vector<std::weak_ptr<std::function<void(DeviceOrientation)>>> orientationObservers_;
};

}  // namespace platform::ui
