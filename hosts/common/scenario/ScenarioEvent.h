#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "platform/foundation/values/Value.h"
#include "platform/graphics/Color.h"
#include "platform/graphics/Geometry.h"
#include "platform/ui/views/Device.h"

namespace vantile::hosts {

// The host a scenario is written for: each has its own events besides the shared ones.
enum class ScenarioHost { springboard, settings };

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
  open,
  pan,
  pinch,
  type,
  returnKey,
  alert,
  pickPhoto,
  pickColor,
  keyboard,
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

// The settings host's snapshot of its one window; at least one is set.
struct WindowSnapshot {
  std::optional<std::filesystem::path> png;
  std::optional<std::filesystem::path> dump;
};

// A pane reached from the one shown by the titles of the rows leading to it, in order.
struct PaneOpening {
  std::vector<std::string> titles;
};

// One finger from `from` to `to`, moving evenly for `seconds`.
struct Pan {
  platform::graphics::Point from;
  platform::graphics::Point to;
  double seconds = 0;
};

// Two fingers about `center`, ending `scale` times as far apart as they began.
struct Pinch {
  platform::graphics::Point center;
  double scale = 1;
};

// Text typed into the text field being edited.
struct TextInput {
  std::string text;
};

// The alert or action sheet shown answered by an action's title, its text fields filled first,
// in the order they show.
struct AlertAnswer {
  std::string title;
  std::vector<std::string> texts;
};

// A picture file picked in the photo-library picker shown.
struct PhotoPick {
  std::filesystem::path file;
};

// A colour picked in the colour picker shown, which then closes.
struct ColorPick {
  platform::graphics::Color color;
};

// The keyboard shown (at `height`, else at its current height) or hidden.
struct KeyboardChange {
  bool show = true;
  std::optional<double> height;
};

using ScenarioPayload = std::variant<std::monostate, DeviceValueChange, SettingWrite, DarwinPost, TouchAt, SwipeFrom,
                                     Rotation, Snapshot, LetterTap, AppPress, ActionChoice, WindowSnapshot, PaneOpening,
                                     Pan, Pinch, TextInput, AlertAnswer, PhotoPick, ColorPick, KeyboardChange>;

struct ScenarioEvent {
  // Seconds after the start of the clock.
  double at = 0;
  ScenarioAction action = ScenarioAction::lock;
  ScenarioPayload payload;
  // Where the event stands in the file, for messages.
  std::size_t index = 0;
};

}  // namespace vantile::hosts
