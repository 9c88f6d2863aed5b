// Arbitrary text through the two readers of what a user writes for the springboard host: the
// scenario and the device's device.json. Either gives a reading or one reason, never a crash.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "platform/springboard/device/DeviceStateReader.h"
#include "hosts/common/scenario/ScenarioReader.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const auto scenario = vantile::hosts::readScenario(text, "fuzzed.json", vantile::hosts::ScenarioHost::springboard);
  if (scenario.events.has_value() != scenario.error.empty()) {
    __builtin_trap();
  }
  const auto device = platform::springboard::parseDeviceState(text, "device.json");
  static_cast<void>(device);
  return 0;
}
