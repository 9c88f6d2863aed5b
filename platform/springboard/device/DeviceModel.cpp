#include "platform/springboard/device/DeviceModel.h"

#include <algorithm>
#include <cctype>

#include "platform/foundation/queues/MainQueue.h"
#include "platform/springboard/device/DeviceStateReader.h"

namespace platform::springboard {

namespace {

bool isIndex(std::string_view text) {
  return !text.empty() && std::all_of(text.begin(), text.end(), [](unsigned char c) { return std::isdigit(c); });
}

std::vector<std::string> split(std::string_view path) {
  std::vector<std::string> parts;
  std::size_t start = 0;
  while (start <= path.size()) {
    const std::size_t dot = path.find('.', start);
    const std::size_t end = dot == std::string_view::npos ? path.size() : dot;
    parts.emplace_back(path.substr(start, end - start));
    start = end + 1;
  }
  return parts;
}

// The value at the dotted path inside `json`, or null when the path names nothing. Below
// "apps", an index or a bundle id (which holds dots itself) names one app.
platform::Value* locate(platform::Value& json, std::string_view path) {
  std::vector<std::string> parts = split(path);
  platform::Value* node = &json;
  for (std::size_t index = 0; index < parts.size(); ++index) {
    const std::string& part = parts[index];
    if (node->is_array()) {
      std::size_t position = 0;
      if (isIndex(part)) {
        position = std::stoul(part);
      } else {
        // The longest run of parts that is a bundle id of an entry.
        bool found = false;
        for (std::size_t last = parts.size() - 1; last >= index && !found; --last) {
          std::string candidate = part;
          for (std::size_t joined = index + 1; joined <= last; ++joined) candidate += "." + parts[joined];
          for (position = 0; position < node->size(); ++position) {
            const auto& entry = (*node)[position];
            if (entry.is_object() && entry.value("bundleID", "") == candidate) {
              found = true;
              break;
            }
          }
          if (found) index = last;
          if (last == index) break;
        }
        if (!found) return nullptr;
      }
      if (position >= node->size()) return nullptr;
      node = &(*node)[position];
      continue;
    }
    if (!node->is_object()) return nullptr;
    const auto found = node->find(part);
    // An app's badge is absent for none: it may be set although it is not written.
    if (found == node->end()) {
      if (part == "badge" && index + 1 == parts.size()) return &(*node)["badge"];
      return nullptr;
    }
    node = &*found;
  }
  return node;
}

}  // namespace

DeviceModel& DeviceModel::shared() {
  static DeviceModel model;
  return model;
}

void DeviceModel::reset(DeviceState state) {
  state_ = std::move(state);
  elapsedSince_ = foundation::MainQueue::shared().now();
}

double DeviceModel::nowPlayingElapsed() const {
  const auto& now = state_.nowPlaying;
  double elapsed = now.elapsed;
  if (now.playing) elapsed += std::max(0.0, foundation::MainQueue::shared().now() - elapsedSince_);
  return now.duration > 0 ? std::min(elapsed, now.duration) : elapsed;
}

void DeviceModel::foldElapsedTime() {
  state_.nowPlaying.elapsed = nowPlayingElapsed();
  elapsedSince_ = foundation::MainQueue::shared().now();
}

bool DeviceModel::setValue(std::string_view path, const platform::Value& value, std::string* problem) {
  const auto refuse = [&](std::string reason) {
    if (problem != nullptr) *problem = std::move(reason);
    return false;
  };
  if (path == "ios") return refuse("ios is fixed at launch");
  foldElapsedTime();
  platform::Value json = deviceStateToJson(state_);
  platform::Value* target = locate(json, path);
  if (target == nullptr || target->is_object() || target->is_array()) {
    return refuse(std::string(path) + " names no value of the device");
  }
  if (path.ends_with(".badge") && (value.is_null() || value.is_string() || value.is_number_integer())) {
    if (value.is_null()) {
      // Null: the key is dropped, so the badge reads as none.
      *target = nullptr;
    } else {
      *target = value;
    }
  } else {
    const bool sameKind = (target->is_boolean() && value.is_boolean()) || (target->is_number() && value.is_number()) ||
                          (target->is_string() && value.is_string());
    if (!sameKind) return refuse(std::string(path) + " cannot take " + value.dump());
    *target = value;
  }
  DeviceStateReading reading = readDeviceState(json, "device change");
  if (problem != nullptr && !reading.problems.empty()) *problem = reading.problems.front();
  update([&](DeviceState& state) { state = std::move(reading.state); });
  return true;
}

void DeviceModel::update(const std::function<void(DeviceState&)>& change) {
  foldElapsedTime();
  const DeviceState before = state_;
  change(state_);
  const std::vector<DeviceChange> changes = changesBetween(before, state_);
  if (!changes.empty()) tell(changes);
}

std::shared_ptr<void> DeviceModel::observe(Listener listener) {
  auto kept = std::make_shared<Listener>(std::move(listener));
  std::erase_if(listeners_, [](const auto& entry) { return entry.expired(); });
  listeners_.push_back(kept);
  return kept;
}

void DeviceModel::tell(const std::vector<DeviceChange>& changes) {
  std::vector<std::shared_ptr<Listener>> current;
  for (const auto& entry : listeners_) {
    if (auto listener = entry.lock()) current.push_back(std::move(listener));
  }
  for (const auto& listener : current) (*listener)(changes);
}

std::vector<DeviceChange> changesBetween(const DeviceState& before, const DeviceState& after) {
  std::vector<DeviceChange> changes;
  const auto note = [&](bool differs, DeviceAspect aspect) {
    if (differs) changes.push_back({aspect, {}});
  };
  note(before.locked != after.locked, DeviceAspect::locked);
  note(before.battery.level != after.battery.level, DeviceAspect::battery);
  note(before.battery.charging != after.battery.charging ||
           before.battery.externalPower != after.battery.externalPower,
       DeviceAspect::power);
  note(before.wifi != after.wifi, DeviceAspect::wifi);
  note(before.cellular != after.cellular, DeviceAspect::cellular);
  note(before.bluetooth != after.bluetooth, DeviceAspect::bluetooth);
  note(before.alarm != after.alarm, DeviceAspect::alarm);
  note(before.nowPlaying != after.nowPlaying, DeviceAspect::nowPlaying);
  bool appsDiffer = before.apps.size() != after.apps.size();
  for (std::size_t index = 0; !appsDiffer && index < after.apps.size(); ++index) {
    AppState unbadged = before.apps[index];
    unbadged.badge = after.apps[index].badge;
    appsDiffer = unbadged != after.apps[index];
  }
  if (appsDiffer) {
    changes.push_back({DeviceAspect::apps, {}});
  } else {
    for (std::size_t index = 0; index < after.apps.size(); ++index) {
      if (before.apps[index].badge != after.apps[index].badge) {
        changes.push_back({DeviceAspect::badge, after.apps[index].bundleID});
      }
    }
  }
  note(before.dock != after.dock, DeviceAspect::dock);
  note(before.flashlight != after.flashlight, DeviceAspect::flashlight);
  note(before.deviceName != after.deviceName || before.locale != after.locale || before.timeZone != after.timeZone,
       DeviceAspect::identity);
  note(before.weather != after.weather, DeviceAspect::weather);
  note(before.timer != after.timer, DeviceAspect::timer);
  note(before.calendar != after.calendar, DeviceAspect::calendar);
  note(before.steps != after.steps, DeviceAspect::steps);
  return changes;
}

}  // namespace platform::springboard
