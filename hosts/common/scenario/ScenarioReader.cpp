#include "hosts/common/scenario/ScenarioReader.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <map>
#include <set>

#include "hosts/common/JsonReading.h"
#include "platform/foundation/files/Files.h"

namespace vantile::hosts {

namespace {

// Built by appending: GCC 12 misreads "literal" + std::string as an overlapping copy (-Wrestrict).
std::string quoted(const char* key) {
  std::string text = "\"";
  text += key;
  text += '"';
  return text;
}

// As long as the host's own --seconds may run.
constexpr double kLatestEvent = 86400;

// One event's object while it is read: which keys it has used, and the first thing wrong with it.
class EventFields {
 public:
  explicit EventFields(const platform::Value& event) : event_(event) {}

  std::optional<double> number(const char* key) {
    const platform::Value* field = take(key);
    if (field == nullptr) {
      return std::nullopt;
    }
    if (!field->is_number() || !std::isfinite(field->get<double>())) {
      refuse(quoted(key) + " must be a number");
      return std::nullopt;
    }
    return field->get<double>();
  }

  std::optional<std::string> text(const char* key) {
    const platform::Value* field = take(key);
    if (field == nullptr) {
      return std::nullopt;
    }
    if (!field->is_string() || field->get_ref<const std::string&>().empty()) {
      refuse(quoted(key) + " must be a non-empty string");
      return std::nullopt;
    }
    return field->get<std::string>();
  }

  // Any value; null only where it means "none" (a badge taken away), since settings have no null.
  std::optional<platform::Value> value(const char* key, bool nullAllowed) {
    const platform::Value* field = take(key);
    if (field == nullptr) {
      return std::nullopt;
    }
    if (field->is_null() && !nullAllowed) {
      refuse(quoted(key) + " must not be null");
      return std::nullopt;
    }
    return *field;
  }

  // One of `names`, as the enumeration's value at the same place.
  template <typename Enumeration>
  std::optional<Enumeration> choice(const char* key, const std::vector<std::pair<std::string, Enumeration>>& names) {
    const auto name = text(key);
    if (!name) {
      return std::nullopt;
    }
    for (const auto& [candidate, value] : names) {
      if (candidate == *name) {
        return value;
      }
    }
    std::string allowed;
    for (const auto& entry : names) {
      allowed += (allowed.empty() ? "" : ", ") + entry.first;
    }
    refuse(quoted(key) + " must be one of " + allowed + ", not \"" + *name + "\"");
    return std::nullopt;
  }

  bool has(const char* key) const { return event_.contains(key); }

  // A key that no reader took is a mistake of the writer (a typo) rather than something to skip.
  void refuseUnusedKeys() {
    for (const auto& [key, field] : event_.items()) {
      if (!used_.contains(key)) {
        refuse("unknown field \"" + key + "\"");
        return;
      }
    }
  }

  void refuse(std::string reason) {
    if (error_.empty()) {
      error_ = std::move(reason);
    }
  }

  const std::string& error() const { return error_; }

 private:
  const platform::Value* take(const char* key) {
    used_.insert(key);
    const auto found = event_.find(key);
    if (found == event_.end()) {
      refuse("needs \"" + std::string(key) + "\"");
      return nullptr;
    }
    return &*found;
  }

  const platform::Value& event_;
  std::set<std::string, std::less<>> used_;
  std::string error_;
};

std::optional<platform::graphics::Point> point(EventFields& fields) {
  const auto x = fields.number("x");
  const auto y = fields.number("y");
  if (!x || !y) {
    return std::nullopt;
  }
  return platform::graphics::Point{*x, *y};
}

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

ScenarioPayload nothing(EventFields&) { return {}; }

struct ActionReader {
  ScenarioAction action;
  std::function<ScenarioPayload(EventFields&)> readPayload;
};

const std::map<std::string, ActionReader, std::less<>>& actionReaders() {
  static const std::map<std::string, ActionReader, std::less<>> readers{
      {"lock", {ScenarioAction::lock, nothing}},
      {"unlock", {ScenarioAction::unlock, nothing}},
      {"wake", {ScenarioAction::wake, nothing}},
      {"sleep", {ScenarioAction::sleep, nothing}},
      {"homeButton", {ScenarioAction::homeButton, nothing}},
      {"powerButton", {ScenarioAction::powerButton, nothing}},
      {"plug", {ScenarioAction::plug, nothing}},
      {"unplug", {ScenarioAction::unplug, nothing}},
      {"device", {ScenarioAction::device, deviceChange}},
      {"setting", {ScenarioAction::setting, settingWrite}},
      {"notify", {ScenarioAction::notify, darwinPost}},
      {"tap", {ScenarioAction::tap, touchAt}},
      {"longPress", {ScenarioAction::longPress, touchAt}},
      {"swipe", {ScenarioAction::swipe, swipeFrom}},
      {"rotate", {ScenarioAction::rotate, rotation}},
      {"snapshot", {ScenarioAction::snapshot, snapshot}},
      {"tapLetter", {ScenarioAction::tapLetter, letterTap}},
      {"longPressApp", {ScenarioAction::longPressApp, appPress}},
      {"chooseAction", {ScenarioAction::chooseAction, actionChoice}},
  };
  return readers;
}

// The event, or the reason it is refused.
std::variant<ScenarioEvent, std::string> readEvent(const platform::Value& entry, std::size_t index) {
  if (!entry.is_object()) {
    return std::string("an event is an object such as {\"at\": 1, \"do\": \"unlock\"}");
  }
  EventFields fields(entry);
  const auto at = fields.number("at");
  const auto name = fields.text("do");
  if (at && (*at < 0 || *at > kLatestEvent)) {
    fields.refuse("\"at\" must be from 0 to 86400 seconds");
  }
  if (!fields.error().empty()) {
    return fields.error();
  }
  const auto reader = actionReaders().find(*name);
  if (reader == actionReaders().end()) {
    return "unknown event \"" + *name + "\"";
  }
  ScenarioEvent event{*at, reader->second.action, reader->second.readPayload(fields), index};
  fields.refuseUnusedKeys();
  if (!fields.error().empty()) {
    return "\"" + *name + "\" " + fields.error();
  }
  return event;
}

ScenarioReading refuse(std::string_view fileName, const std::string& reason) {
  return {std::nullopt, "springboard: " + std::string(fileName) + ": " + reason};
}

}  // namespace

ScenarioReading readScenario(std::string_view text, std::string_view fileName) {
  const ParsedJson parsed = parseJson(text);
  if (!parsed.isJson()) {
    return refuse(fileName, "not JSON: " + parsed.error);
  }
  const platform::Value& scenario = parsed.value;
  if (!scenario.is_array()) {
    return refuse(fileName, "a scenario is a JSON array of events");
  }
  std::vector<ScenarioEvent> events;
  events.reserve(scenario.size());
  for (std::size_t index = 0; index < scenario.size(); ++index) {
    auto event = readEvent(scenario[index], index);
    if (auto* reason = std::get_if<std::string>(&event)) {
      return refuse(fileName, "event " + std::to_string(index) + ": " + *reason);
    }
    events.push_back(std::move(std::get<ScenarioEvent>(event)));
  }
  std::stable_sort(events.begin(), events.end(),
                   [](const ScenarioEvent& a, const ScenarioEvent& b) { return a.at < b.at; });
  return {std::move(events), {}};
}

ScenarioReading readScenarioFile(const std::filesystem::path& file) {
  const auto text = platform::foundation::readFile(file);
  if (!text) {
    return refuse(file.string(), "cannot be read");
  }
  return readScenario(*text, file.string());
}

double scenarioLength(const std::vector<ScenarioEvent>& events) {
  double latest = 0;
  for (const ScenarioEvent& event : events) {
    latest = std::max(latest, event.at);
  }
  return latest;
}

}  // namespace vantile::hosts
