#include "hosts/common/scenario/ScenarioReader.h"

#include <algorithm>
#include <functional>
#include <map>

#include "hosts/common/JsonReading.h"
#include "hosts/common/scenario/PayloadReaders.h"
#include "platform/foundation/files/Files.h"

namespace vantile::hosts {

namespace {

// As long as the host's own --seconds may run.
constexpr double kLatestEvent = 86400;

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
