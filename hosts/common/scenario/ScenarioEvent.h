#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <variant>

#include "platform/foundation/values/Value.h"
#include "platform/graphics/Geometry.h"
#include "platform/ui/views/Device.h"

namespace vantile::hosts {

// What one event of a scenario asks of the device; the payload of each kind is below.
enum class ScenarioAction {
  lock,
  unlock,
  wake,
  sleep,
  homeButton,
  powerButton,
  plug,
  unplug,
  device,
  setting,
  notify,
  tap,
  longPress,
  swipe,
  rotate,
  snapshot,
  tapLetter,
  longPressApp,
  chooseAction,
};

enum class SwipeDirection { up, down, left, right };

// A value of device.json by its dotted path, such as "battery.level".
struct DeviceValueChange {
  std::string path;
  platform::Value value;
};

// One key of the settings domain; a separate notification makes the tweak read it.
struct SettingWrite {
  std::string key;
  platform::Value value;
};

struct DarwinPost {
  std::string name;
};

// A tap or a long press, in points on the screen shown.
struct TouchAt {
  platform::graphics::Point point;
};

struct SwipeFrom {
  platform::graphics::Point point;
  SwipeDirection direction = SwipeDirection::up;
};

struct Rotation {
  platform::ui::DeviceOrientation orientation = platform::ui::DeviceOrientation::portrait;
};

// A letter of the open app drawer's letter strip.
struct LetterTap {
  std::string letter;
};

// An app's icon in the open app drawer's grid, by bundle identifier.
struct AppPress {
  std::string bundle;
};

// An action of the alert or action sheet shown, by title.
struct ActionChoice {
  std::string title;
};

// Paths as the scenario gives them; at least one is set.
struct Snapshot {
  std::optional<std::filesystem::path> lockPng;
  std::optional<std::filesystem::path> homePng;
  std::optional<std::filesystem::path> dump;
};

using ScenarioPayload = std::variant<std::monostate, DeviceValueChange, SettingWrite, DarwinPost, TouchAt, SwipeFrom,
                                     Rotation, Snapshot, LetterTap, AppPress, ActionChoice>;

struct ScenarioEvent {
  // Seconds after the start of the clock.
  double at = 0;
  ScenarioAction action = ScenarioAction::lock;
  ScenarioPayload payload;
  // Where the event stands in the file, for messages.
  std::size_t index = 0;
};

}  // namespace vantile::hosts
