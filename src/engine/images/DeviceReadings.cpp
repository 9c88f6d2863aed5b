#include "engine/images/DeviceReadings.h"

namespace vantile {

DeviceReadings& DeviceReadings::shared() {
  static DeviceReadings readings;
  return readings;
}

}  // namespace vantile
