#include "hosts/common/scenario/PayloadReaders.h"

namespace vantile::hosts {

namespace {

std::optional<platform::graphics::Point> point(EventFields& fields) {
  const auto x = fields.number("x");
  const auto y = fields.number("y");
  if (!x || !y) {
    return std::nullopt;
  }
  return platform::graphics::Point{*x, *y};
}

}  // namespace

ScenarioPayload deviceChange(EventFields& fields) {
  auto path = fields.text("path");
  auto value = fields.value("value", true);
  if (path && (path->front() == '.' || path->back() == '.' || path->find("..") != std::string::npos)) {
    fields.refuse("\"path\" must be keys joined by dots, such as \"battery.level\", not \"" + *path + "\"");
  }
  if (!path || !value) {
    return {};
  }
  return DeviceValueChange{std::move(*path), std::move(*value)};
}

ScenarioPayload settingWrite(EventFields& fields) {
  auto key = fields.text("key");
  auto value = fields.value("value", false);
  if (!key || !value) {
    return {};
  }
  return SettingWrite{std::move(*key), std::move(*value)};
}

ScenarioPayload darwinPost(EventFields& fields) {
  auto name = fields.text("name");
  return name ? ScenarioPayload(DarwinPost{std::move(*name)}) : ScenarioPayload();
}

ScenarioPayload touchAt(EventFields& fields) {
  const auto at = point(fields);
  return at ? ScenarioPayload(TouchAt{*at}) : ScenarioPayload();
}

ScenarioPayload swipeFrom(EventFields& fields) {
  const auto from = point(fields);
  const auto direction = fields.choice<SwipeDirection>("direction", {{"up", SwipeDirection::up},
                                                                     {"down", SwipeDirection::down},
                                                                     {"left", SwipeDirection::left},
                                                                     {"right", SwipeDirection::right}});
  return from && direction ? ScenarioPayload(SwipeFrom{*from, *direction}) : ScenarioPayload();
}

ScenarioPayload rotation(EventFields& fields) {
  using platform::ui::DeviceOrientation;
  const auto orientation = fields.choice<DeviceOrientation>(
      "orientation", {{"portrait", DeviceOrientation::portrait},
                      {"portraitUpsideDown", DeviceOrientation::portraitUpsideDown},
                      {"landscapeLeft", DeviceOrientation::landscapeLeft},
                      {"landscapeRight", DeviceOrientation::landscapeRight}});
  return orientation ? ScenarioPayload(Rotation{*orientation}) : ScenarioPayload();
}

ScenarioPayload snapshot(EventFields& fields) {
  Snapshot snapshot;
  for (const auto& [key, target] : {std::pair{"lockPng", &snapshot.lockPng}, std::pair{"homePng", &snapshot.homePng},
                                    std::pair{"dump", &snapshot.dump}}) {
    if (fields.has(key)) {
      if (auto path = fields.text(key)) {
        *target = std::move(*path);
      }
    }
  }
  if (!snapshot.lockPng && !snapshot.homePng && !snapshot.dump) {
    fields.refuse("needs at least one of \"lockPng\", \"homePng\", \"dump\"");
  }
  return snapshot;
}

ScenarioPayload letterTap(EventFields& fields) {
  auto letter = fields.text("letter");
  return letter ? ScenarioPayload(LetterTap{std::move(*letter)}) : ScenarioPayload();
}

ScenarioPayload appPress(EventFields& fields) {
  auto bundle = fields.text("bundle");
  return bundle ? ScenarioPayload(AppPress{std::move(*bundle)}) : ScenarioPayload();
}

ScenarioPayload actionChoice(EventFields& fields) {
  auto title = fields.text("title");
  return title ? ScenarioPayload(ActionChoice{std::move(*title)}) : ScenarioPayload();
}

}  // namespace vantile::hosts
