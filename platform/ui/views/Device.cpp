#include "platform/ui/views/Device.h"

namespace platform::ui {

Device& Device::currentDevice() {
  static Device device;
  return device;
}

}  // namespace platform::ui
