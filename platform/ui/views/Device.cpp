#include "platform/ui/views/Device.h"

#include <algorithm>

namespace platform::ui {

Device& Device::currentDevice() {
  static Device device;
  return device;
}

void Device::setOrientation(DeviceOrientation orientation) {
  if (orientation == orientation_) return;
  orientation_ = orientation;
  // A copy: an observer may stop or start observing while it is told.
  std::vector<std::shared_ptr<std::function<void(DeviceOrientation)>>> current;
  for (const auto& entry : orientationObservers_) {
    if (auto observer = entry.lock()) current.push_back(std::move(observer));
  }
  for (const auto& observer : current) (*observer)(orientation);
}

std::shared_ptr<void> Device::observeOrientationChanges(std::function<void(DeviceOrientation)> observer) {
  auto kept = std::make_shared<std::function<void(DeviceOrientation)>>(std::move(observer));
  std::erase_if(orientationObservers_, [](const auto& entry) { return entry.expired(); });
  orientationObservers_.push_back(kept);
  return kept;
}

}  // namespace platform::ui
