#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "platform/foundation/values/Value.h"
#include "platform/springboard/device/DeviceState.h"

namespace platform::springboard {

// A device state and what was wrong on the way: one line per problem, each naming the source
// and the key ("device.json: battery.level 140 is above 100, using 100").
struct DeviceStateReading {
  DeviceState state;
  std::vector<std::string> problems;
};

// Never fails: what cannot be read keeps its default, and says so. `source` names the input in
// the problem lines.
DeviceStateReading readDeviceState(const platform::Value& json, std::string_view source);
// Text that is not JSON, or not an object, gives the defaults and one problem line.
DeviceStateReading parseDeviceState(std::string_view text, std::string_view source);
// A missing file is no problem (the defaults); one that cannot be read is.
DeviceStateReading readDeviceStateFile(const std::filesystem::path& file);

// The state written back in device.json's keys (now-playing elapsed as it stands).
platform::Value deviceStateToJson(const DeviceState& state);

}  // namespace platform::springboard
