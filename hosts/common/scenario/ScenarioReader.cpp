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
constexpr double kLongestGesture = 60;
constexpr double kLargestPinch = 20;
constexpr double kTallestKeyboard = 1000;

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

  // [x, y].
  std::optional<platform::graphics::Point> point(const char* key) {
    const platform::Value* field = take(key);
    if (field == nullptr) {
      return std::nullopt;
    }
    if (!isNumberArray(*field, 2, 2)) {
      refuse(quoted(key) + " must be a point [x, y]");
      return std::nullopt;
    }
    return platform::graphics::Point{(*field)[0].get<double>(), (*field)[1].get<double>()};
  }

  // [red, green, blue] or [red, green, blue, alpha], each from 0 to 1.
  std::optional<platform::graphics::Color> color(const char* key) {
    const platform::Value* field = take(key);
    if (field == nullptr) {
      return std::nullopt;
    }
    const bool inRange = isNumberArray(*field, 3, 4) && std::ranges::all_of(*field, [](const platform::Value& part) {
      return part.get<double>() >= 0 && part.get<double>() <= 1;
    });
    if (!inRange) {
      refuse(quoted(key) + " must be [red, green, blue] or [red, green, blue, alpha], each from 0 to 1");
      return std::nullopt;
    }
    return platform::graphics::Color{(*field)[0].get<double>(), (*field)[1].get<double>(), (*field)[2].get<double>(),
                                     field->size() == 4 ? (*field)[3].get<double>() : 1.0};
  }

  // An array of strings; `nonEmpty`: at least one, none of them empty.
  std::optional<std::vector<std::string>> texts(const char* key, bool nonEmpty) {
    const platform::Value* field = take(key);
    if (field == nullptr) {
      return std::nullopt;
    }
    const bool fits = field->is_array() && (!nonEmpty || !field->empty()) &&
                      std::ranges::all_of(*field, [nonEmpty](const platform::Value& part) {
                        return part.is_string() && (!nonEmpty || !part.get_ref<const std::string&>().empty());
                      });
    if (!fits) {
      refuse(quoted(key) + (nonEmpty ? " must be an array of non-empty strings" : " must be an array of strings"));
      return std::nullopt;
    }
    return field->get<std::vector<std::string>>();
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

  static bool isNumberArray(const platform::Value& field, std::size_t least, std::size_t most) {
    return field.is_array() && field.size() >= least && field.size() <= most &&
           std::ranges::all_of(field, [](const platform::Value& part) {
             return part.is_number() && std::isfinite(part.get<double>());
           });
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

ScenarioPayload windowSnapshot(EventFields& fields) {
  WindowSnapshot snapshot;
  for (const auto& [key, target] : {std::pair{"png", &snapshot.png}, std::pair{"dump", &snapshot.dump}}) {
    if (fields.has(key)) {
      if (auto path = fields.text(key)) {
        *target = std::move(*path);
      }
    }
  }
  if (!snapshot.png && !snapshot.dump) {
    fields.refuse("needs at least one of \"png\", \"dump\"");
  }
  return snapshot;
}

ScenarioPayload paneOpening(EventFields& fields) {
  auto titles = fields.texts("path", true);
  return titles ? ScenarioPayload(PaneOpening{std::move(*titles)}) : ScenarioPayload();
}

ScenarioPayload pan(EventFields& fields) {
  const auto from = fields.point("from");
  const auto to = fields.point("to");
  const auto seconds = fields.number("seconds");
  if (seconds && (*seconds <= 0 || *seconds > kLongestGesture)) {
    fields.refuse("\"seconds\" must be more than 0 and at most 60");
  }
  return from && to && seconds ? ScenarioPayload(Pan{*from, *to, *seconds}) : ScenarioPayload();
}

ScenarioPayload pinch(EventFields& fields) {
  const auto center = fields.point("center");
  const auto scale = fields.number("scale");
  if (scale && (*scale <= 0 || *scale > kLargestPinch)) {
    fields.refuse("\"scale\" must be more than 0 and at most 20");
  }
  return center && scale ? ScenarioPayload(Pinch{*center, *scale}) : ScenarioPayload();
}

ScenarioPayload textInput(EventFields& fields) {
  auto text = fields.text("text");
  return text ? ScenarioPayload(TextInput{std::move(*text)}) : ScenarioPayload();
}

ScenarioPayload alertAnswer(EventFields& fields) {
  auto title = fields.text("title");
  std::vector<std::string> texts;
  if (fields.has("texts")) {
    texts = fields.texts("texts", false).value_or(std::vector<std::string>{});
  }
  return title ? ScenarioPayload(AlertAnswer{std::move(*title), std::move(texts)}) : ScenarioPayload();
}

ScenarioPayload photoPick(EventFields& fields) {
  auto file = fields.text("file");
  return file ? ScenarioPayload(PhotoPick{std::move(*file)}) : ScenarioPayload();
}

ScenarioPayload colorPick(EventFields& fields) {
  const auto color = fields.color("color");
  return color ? ScenarioPayload(ColorPick{*color}) : ScenarioPayload();
}

ScenarioPayload keyboardChange(EventFields& fields) {
  const auto show = fields.choice<bool>("state", {{"show", true}, {"hide", false}});
  std::optional<double> height;
  if (fields.has("height")) {
    height = fields.number("height");
    if (show && !*show) {
      fields.refuse("\"height\" goes only with \"show\"");
    } else if (height && (*height <= 0 || *height > kTallestKeyboard)) {
      fields.refuse("\"height\" must be more than 0 and at most 1000 points");
    }
  }
  return show ? ScenarioPayload(KeyboardChange{*show, height}) : ScenarioPayload();
}

ScenarioPayload nothing(EventFields&) { return {}; }

// Which hosts take an event.
enum class Hosts { springboard, settings, both };

bool takes(Hosts hosts, ScenarioHost host) {
  return hosts == Hosts::both || (hosts == Hosts::springboard) == (host == ScenarioHost::springboard);
}

const char* programName(ScenarioHost host) { return host == ScenarioHost::springboard ? "springboard" : "settings"; }

struct ActionReader {
  ScenarioAction action;
  std::function<ScenarioPayload(EventFields&)> readPayload;
  Hosts hosts = Hosts::springboard;
};

// A name may have one reader per host ("snapshot" writes each host's own outputs).
const std::multimap<std::string, ActionReader, std::less<>>& actionReaders() {
  static const std::multimap<std::string, ActionReader, std::less<>> readers{
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
      {"tap", {ScenarioAction::tap, touchAt, Hosts::both}},
      {"longPress", {ScenarioAction::longPress, touchAt, Hosts::both}},
      {"swipe", {ScenarioAction::swipe, swipeFrom}},
      {"rotate", {ScenarioAction::rotate, rotation}},
      {"snapshot", {ScenarioAction::snapshot, snapshot}},
      {"tapLetter", {ScenarioAction::tapLetter, letterTap}},
      {"longPressApp", {ScenarioAction::longPressApp, appPress}},
      {"chooseAction", {ScenarioAction::chooseAction, actionChoice}},
      {"snapshot", {ScenarioAction::snapshot, windowSnapshot, Hosts::settings}},
      {"open", {ScenarioAction::open, paneOpening, Hosts::settings}},
      {"pan", {ScenarioAction::pan, pan, Hosts::settings}},
      {"pinch", {ScenarioAction::pinch, pinch, Hosts::settings}},
      {"type", {ScenarioAction::type, textInput, Hosts::settings}},
      {"return", {ScenarioAction::returnKey, nothing, Hosts::settings}},
      {"alert", {ScenarioAction::alert, alertAnswer, Hosts::settings}},
      {"pickPhoto", {ScenarioAction::pickPhoto, photoPick, Hosts::settings}},
      {"pickColor", {ScenarioAction::pickColor, colorPick, Hosts::settings}},
      {"keyboard", {ScenarioAction::keyboard, keyboardChange, Hosts::settings}},
  };
  return readers;
}

// The reader of the name for the host; the reason when there is none.
std::variant<const ActionReader*, std::string> findReader(const std::string& name, ScenarioHost host) {
  const auto [first, last] = actionReaders().equal_range(name);
  if (first == last) {
    return "unknown event \"" + name + "\"";
  }
  for (auto entry = first; entry != last; ++entry) {
    if (takes(entry->second.hosts, host)) {
      return &entry->second;
    }
  }
  const ScenarioHost other = host == ScenarioHost::springboard ? ScenarioHost::settings : ScenarioHost::springboard;
  return "\"" + name + "\" is an event of the " + programName(other) + " host, not of " + programName(host);
}

// The event, or the reason it is refused.
std::variant<ScenarioEvent, std::string> readEvent(const platform::Value& entry, std::size_t index, ScenarioHost host) {
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
  const auto found = findReader(*name, host);
  if (const auto* reason = std::get_if<std::string>(&found)) {
    return *reason;
  }
  const ActionReader& reader = *std::get<const ActionReader*>(found);
  ScenarioEvent event{*at, reader.action, reader.readPayload(fields), index};
  fields.refuseUnusedKeys();
  if (!fields.error().empty()) {
    return "\"" + *name + "\" " + fields.error();
  }
  return event;
}

ScenarioReading refuse(ScenarioHost host, std::string_view fileName, const std::string& reason) {
  return {std::nullopt, std::string(programName(host)) + ": " + std::string(fileName) + ": " + reason};
}

}  // namespace

ScenarioReading readScenario(std::string_view text, std::string_view fileName, ScenarioHost host) {
  const ParsedJson parsed = parseJson(text);
  if (!parsed.isJson()) {
    return refuse(host, fileName, "not JSON: " + parsed.error);
  }
  const platform::Value& scenario = parsed.value;
  if (!scenario.is_array()) {
    return refuse(host, fileName, "a scenario is a JSON array of events");
  }
  std::vector<ScenarioEvent> events;
  events.reserve(scenario.size());
  for (std::size_t index = 0; index < scenario.size(); ++index) {
    auto event = readEvent(scenario[index], index, host);
    if (auto* reason = std::get_if<std::string>(&event)) {
      return refuse(host, fileName, "event " + std::to_string(index) + ": " + *reason);
    }
    events.push_back(std::move(std::get<ScenarioEvent>(event)));
  }
  std::stable_sort(events.begin(), events.end(),
                   [](const ScenarioEvent& a, const ScenarioEvent& b) { return a.at < b.at; });
  return {std::move(events), {}};
}

ScenarioReading readScenarioFile(const std::filesystem::path& file, ScenarioHost host) {
  const auto text = platform::foundation::readFile(file);
  if (!text) {
    return refuse(host, file.string(), "cannot be read");
  }
  return readScenario(*text, file.string(), host);
}

double scenarioLength(const std::vector<ScenarioEvent>& events) {
  double latest = 0;
  for (const ScenarioEvent& event : events) {
    latest = std::max(latest, event.at);
  }
  return latest;
}

}  // namespace vantile::hosts
