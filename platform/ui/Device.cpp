#include "platform/ui/Device.h"

namespace platform::ui {

Device& Device::currentDevice() {
  static Device device;
  return device;
}

}  // namespace platform::ui
