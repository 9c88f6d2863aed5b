#include "platform/springboard/device/DeviceStateReader.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <set>
#include <sstream>

#include "platform/foundation/files/Files.h"
#include "platform/foundation/locale/LocalDateTime.h"

namespace platform::springboard {

namespace {

std::string describe(const platform::Value& value) { return value.dump(); }

// Reads the keys of one JSON object into fields, noting every problem with its dotted path.
class ObjectReader {
 public:
  ObjectReader(const platform::Value& object, std::string prefix, std::string_view source,
               std::vector<std::string>& problems)
      : object_(object), prefix_(std::move(prefix)), source_(source), problems_(problems) {}

  ~ObjectReader() {
    if (!object_.is_object()) return;
    for (const auto& [key, value] : object_.items()) {
      if (!known_.contains(key)) problem(path(key) + " is not a known key, ignored");
    }
  }
  ObjectReader(const ObjectReader&) = delete;
  ObjectReader& operator=(const ObjectReader&) = delete;

  const platform::Value* find(const std::string& key) {
    known_.insert(key);
    const auto found = object_.find(key);
    return found == object_.end() || found->is_null() ? nullptr : &*found;
  }

  void boolean(const std::string& key, bool& field) {
    if (const auto* value = find(key)) {
      if (value->is_boolean()) field = value->get<bool>();
      else wrongType(key, *value, "true or false");
    }
  }

  void text(const std::string& key, std::string& field) {
    if (const auto* value = find(key)) {
      if (value->is_string()) field = value->get<std::string>();
      else wrongType(key, *value, "a string");
    }
  }

  void optionalText(const std::string& key, std::optional<std::string>& field) {
    if (const auto* value = find(key)) {
      if (value->is_string()) field = value->get<std::string>();
      else wrongType(key, *value, "a string");
    }
  }

  void optionalNumber(const std::string& key, std::optional<double>& field, double low, double high) {
    double number = 0;
    if (find(key) == nullptr) return;
    this->number(key, number, low, high);
    field = number;
  }

  void number(const std::string& key, double& field, double low, double high) {
    if (const auto* value = find(key)) {
      if (!value->is_number()) {
        wrongType(key, *value, "a number");
        return;
      }
      field = clamped(key, value->get<double>(), low, high);
    }
  }

  void integer(const std::string& key, int& field, int low, int high) {
    double number = field;
    this->number(key, number, low, high);
    field = static_cast<int>(std::lround(number));
  }

  // A nested object; anything else is a problem and reads as an empty object.
  const platform::Value& object(const std::string& key) {
    static const platform::Value empty = platform::Value::object();
    const auto* value = find(key);
    if (value == nullptr) return empty;
    if (value->is_object()) return *value;
    wrongType(key, *value, "an object");
    return empty;
  }

  const platform::Value& array(const std::string& key) {
    static const platform::Value empty = platform::Value::array();
    const auto* value = find(key);
    if (value == nullptr) return empty;
    if (value->is_array()) return *value;
    wrongType(key, *value, "an array");
    return empty;
  }

  std::string path(const std::string& key) const { return prefix_.empty() ? key : prefix_ + "." + key; }

  void problem(const std::string& text) { problems_.push_back(std::string(source_) + ": " + text); }

 private:
  double clamped(const std::string& key, double value, double low, double high) {
    if (!std::isfinite(value)) {
      problem(path(key) + " is not a finite number, ignored");
      return low;
    }
    if (value < low || value > high) {
      const double limit = value < low ? low : high;
      std::ostringstream line;
      line << path(key) << " " << value << " is " << (value < low ? "below " : "above ") << limit << ", using "
           << limit;
      problem(line.str());
      return limit;
    }
    return value;
  }

  void wrongType(const std::string& key, const platform::Value& value, std::string_view wanted) {
    problem(path(key) + " should be " + std::string(wanted) + ", not " + describe(value) + ", using the default");
  }

  const platform::Value& object_;
  std::string prefix_;
  std::string_view source_;
  std::vector<std::string>& problems_;
  std::set<std::string, std::less<>> known_;
};

constexpr double kUnlimited = 1e12;

bool isClockTime(const std::string& text) {
  if (text.size() != 5 || text[2] != ':') return false;
  if (!std::isdigit(static_cast<unsigned char>(text[0])) || !std::isdigit(static_cast<unsigned char>(text[1])) ||
      !std::isdigit(static_cast<unsigned char>(text[3])) || !std::isdigit(static_cast<unsigned char>(text[4]))) {
    return false;
  }
  return std::stoi(text.substr(0, 2)) < 24 && std::stoi(text.substr(3, 2)) < 60;
}

void readApps(ObjectReader& top, const platform::Value& apps, std::vector<AppState>& into,
              std::string_view source, std::vector<std::string>& problems) {
  into.clear();
  std::size_t index = 0;
  for (const auto& entry : apps) {
    const std::string prefix = "apps." + std::to_string(index++);
    if (!entry.is_object()) {
      top.problem(prefix + " should be an object, ignored");
      continue;
    }
    AppState app;
    ObjectReader reader(entry, prefix, source, problems);
    reader.text("bundleID", app.bundleID);
    reader.text("name", app.name);
    if (const auto* badge = reader.find("badge")) {
      if (badge->is_string()) app.badge = badge->get<std::string>();
      else if (badge->is_number_integer()) app.badge = std::to_string(badge->get<long long>());
      else reader.problem(prefix + ".badge should be a string, ignored");
    }
    reader.text("icon", app.icon);
    reader.boolean("system", app.system);
    reader.boolean("internal", app.internal);
    reader.boolean("hidden", app.hidden);
    if (app.bundleID.empty()) {
      reader.problem(prefix + " has no bundleID, ignored");
      continue;
    }
    if (app.name.empty()) app.name = app.bundleID.substr(app.bundleID.rfind('.') + 1);
    into.push_back(std::move(app));
  }
}

// Each entry of an array of objects, with its reader; other entries are noted and skipped.
template <class F>
void eachObject(ObjectReader& parent, const platform::Value& array, const std::string& prefix, std::string_view source,
                std::vector<std::string>& problems, F&& read) {
  std::size_t index = 0;
  for (const auto& entry : array) {
    const std::string path = prefix + "." + std::to_string(index++);
    if (!entry.is_object()) {
      parent.problem(path + " should be an object, ignored");
      continue;
    }
    ObjectReader reader(entry, path, source, problems);
    read(reader, path);
  }
}

void clockTime(ObjectReader& reader, const std::string& key, std::string& field) {
  std::string time = field;
  reader.text(key, time);
  if (isClockTime(time)) field = time;
  else reader.problem(reader.path(key) + " \"" + time + "\" is not HH:mm, using " + field);
}

bool isLocalDateTime(const std::string& text) { return foundation::parseLocalDateTime(text).has_value(); }

void readWeather(ObjectReader& weather, WeatherState& state, std::string_view source, std::vector<std::string>& problems) {
  weather.number("temperature", state.temperature, -200, 200);
  state.feelsLike = state.temperature;
  weather.number("feelsLike", state.feelsLike, -200, 200);
  weather.integer("condition", state.condition, 0, 3200);
  weather.text("city", state.city);
  weather.boolean("celsius", state.celsius);
  weather.number("humidity", state.humidity, 0, 100);
  weather.number("dewPoint", state.dewPoint, -200, 200);
  weather.number("windChill", state.windChill, -200, 200);
  weather.number("heatIndex", state.heatIndex, -200, 200);
  weather.number("windSpeed", state.windSpeed, 0, 1000);
  weather.number("windDirection", state.windDirection, -360, 360);
  weather.number("pressure", state.pressure, 0, 2000);
  weather.number("visibility", state.visibility, 0, 1000);
  weather.integer("uvIndex", state.uvIndex, 0, 20);
  clockTime(weather, "sunrise", state.sunrise);
  clockTime(weather, "sunset", state.sunset);
  weather.text("updateTime", state.updateTime);
  weather.number("latitude", state.latitude, -90, 90);
  weather.number("longitude", state.longitude, -180, 180);
  if (weather.find("place") != nullptr) {
    PlaceState place;
    ObjectReader reader(weather.object("place"), "weather.place", source, problems);
    reader.optionalText("subThoroughfare", place.subThoroughfare);
    reader.optionalText("thoroughfare", place.thoroughfare);
    reader.optionalText("subLocality", place.subLocality);
    reader.optionalText("locality", place.locality);
    reader.optionalText("postalCode", place.postalCode);
    reader.optionalText("subAdministrativeArea", place.subAdministrativeArea);
    reader.optionalText("administrativeArea", place.administrativeArea);
    reader.optionalText("country", place.country);
    reader.optionalText("isoCountryCode", place.isoCountryCode);
    state.place = std::move(place);
  }
  state.daily.clear();
  eachObject(weather, weather.array("daily"), "weather.daily", source, problems, [&](ObjectReader& reader, const std::string&) {
    DayForecastState day;
    reader.number("low", day.low, -200, 200);
    reader.number("high", day.high, -200, 200);
    reader.integer("condition", day.condition, 0, 3200);
    reader.optionalNumber("precipitation", day.precipitation, 0, 100);
    state.daily.push_back(day);
  });
  state.hourly.clear();
  eachObject(weather, weather.array("hourly"), "weather.hourly", source, problems, [&](ObjectReader& reader, const std::string&) {
    HourlyForecastState hour;
    reader.text("time", hour.time);
    reader.number("temperature", hour.temperature, -200, 200);
    reader.integer("condition", hour.condition, 0, 3200);
    reader.optionalNumber("precipitation", hour.precipitation, 0, 100);
    state.hourly.push_back(std::move(hour));
  });
}

void readCalendar(ObjectReader& calendar, CalendarState& state, std::string_view source,
                  std::vector<std::string>& problems) {
  calendar.boolean("access", state.access);
  state.calendars.clear();
  eachObject(calendar, calendar.array("calendars"), "calendar.calendars", source, problems,
             [&](ObjectReader& reader, const std::string&) {
               CalendarInfo info;
               reader.text("title", info.title);
               reader.text("color", info.color);
               state.calendars.push_back(std::move(info));
             });
  state.events.clear();
  eachObject(calendar, calendar.array("events"), "calendar.events", source, problems,
             [&](ObjectReader& reader, const std::string& path) {
               CalendarEventState event;
               reader.optionalText("title", event.title);
               reader.optionalText("location", event.location);
               reader.text("start", event.start);
               event.end = event.start;
               reader.text("end", event.end);
               reader.boolean("allDay", event.allDay);
               reader.text("calendar", event.calendar);
               if (!isLocalDateTime(event.start) || !isLocalDateTime(event.end)) {
                 reader.problem(path + " needs \"start\" and \"end\" as YYYY-MM-DDTHH:MM:SS, ignored");
                 return;
               }
               state.events.push_back(std::move(event));
             });
}

void readSteps(ObjectReader& steps, StepsState& state, std::string_view source, std::vector<std::string>& problems) {
  steps.boolean("access", state.access);
  state.samples.clear();
  eachObject(steps, steps.array("samples"), "steps.samples", source, problems,
             [&](ObjectReader& reader, const std::string& path) {
               StepSampleState sample;
               reader.text("date", sample.date);
               reader.number("count", sample.count, 0, kUnlimited);
               if (!isLocalDateTime(sample.date + "T00:00:00")) {
                 reader.problem(path + " needs \"date\" as YYYY-MM-DD, ignored");
                 return;
               }
               state.samples.push_back(std::move(sample));
             });
}

platform::Value optionalJson(const std::optional<std::string>& text) {
  return text ? platform::Value(*text) : platform::Value();
}

platform::Value optionalJson(const std::optional<double>& number) {
  return number ? platform::Value(*number) : platform::Value();
}

platform::Value weatherToJson(const WeatherState& weather) {
  platform::Value daily = platform::Value::array();
  for (const auto& day : weather.daily) {
    daily.push_back({{"low", day.low}, {"high", day.high}, {"condition", day.condition},
                     {"precipitation", optionalJson(day.precipitation)}});
  }
  platform::Value hourly = platform::Value::array();
  for (const auto& hour : weather.hourly) {
    hourly.push_back({{"time", hour.time}, {"temperature", hour.temperature}, {"condition", hour.condition},
                      {"precipitation", optionalJson(hour.precipitation)}});
  }
  platform::Value json = {
      {"temperature", weather.temperature}, {"feelsLike", weather.feelsLike},   {"condition", weather.condition},
      {"city", weather.city},               {"celsius", weather.celsius},       {"humidity", weather.humidity},
      {"dewPoint", weather.dewPoint},       {"windChill", weather.windChill},   {"heatIndex", weather.heatIndex},
      {"windSpeed", weather.windSpeed},     {"windDirection", weather.windDirection},
      {"pressure", weather.pressure},       {"visibility", weather.visibility}, {"uvIndex", weather.uvIndex},
      {"sunrise", weather.sunrise},         {"sunset", weather.sunset},         {"updateTime", weather.updateTime},
      {"latitude", weather.latitude},       {"longitude", weather.longitude},   {"daily", daily},
      {"hourly", hourly},
  };
  if (weather.place) {
    const PlaceState& place = *weather.place;
    json["place"] = {{"subThoroughfare", optionalJson(place.subThoroughfare)},
                     {"thoroughfare", optionalJson(place.thoroughfare)},
                     {"subLocality", optionalJson(place.subLocality)},
                     {"locality", optionalJson(place.locality)},
                     {"postalCode", optionalJson(place.postalCode)},
                     {"subAdministrativeArea", optionalJson(place.subAdministrativeArea)},
                     {"administrativeArea", optionalJson(place.administrativeArea)},
                     {"country", optionalJson(place.country)},
                     {"isoCountryCode", optionalJson(place.isoCountryCode)}};
  }
  return json;
}

platform::Value calendarToJson(const CalendarState& calendar) {
  platform::Value calendars = platform::Value::array();
  for (const auto& info : calendar.calendars) calendars.push_back({{"title", info.title}, {"color", info.color}});
  platform::Value events = platform::Value::array();
  for (const auto& event : calendar.events) {
    events.push_back({{"title", optionalJson(event.title)},
                      {"location", optionalJson(event.location)},
                      {"start", event.start},
                      {"end", event.end},
                      {"allDay", event.allDay},
                      {"calendar", event.calendar}});
  }
  return {{"access", calendar.access}, {"calendars", calendars}, {"events", events}};
}

platform::Value stepsToJson(const StepsState& steps) {
  platform::Value samples = platform::Value::array();
  for (const auto& sample : steps.samples) samples.push_back({{"date", sample.date}, {"count", sample.count}});
  return {{"access", steps.access}, {"samples", samples}};
}

}  // namespace

const AppState* DeviceState::app(std::string_view bundleID) const {
  const auto found = std::find_if(apps.begin(), apps.end(), [&](const AppState& app) { return app.bundleID == bundleID; });
  return found == apps.end() ? nullptr : &*found;
}

DeviceStateReading readDeviceState(const platform::Value& json, std::string_view source) {
  DeviceStateReading reading;
  DeviceState& state = reading.state;
  auto& problems = reading.problems;
  if (!json.is_object()) {
    problems.push_back(std::string(source) + ": should hold a JSON object, using the defaults");
    return reading;
  }
  ObjectReader top(json, "", source, problems);
  // The settings host reads the theme repositories from the same file.
  top.find("repositories");
  top.integer("ios", state.ios, 9, 17);
  top.boolean("locked", state.locked);
  {
    ObjectReader battery(top.object("battery"), "battery", source, problems);
    battery.number("level", state.battery.level, 0, 100);
    battery.boolean("charging", state.battery.charging);
    battery.boolean("externalPower", state.battery.externalPower);
  }
  {
    ObjectReader wifi(top.object("wifi"), "wifi", source, problems);
    wifi.boolean("on", state.wifi.on);
    wifi.text("network", state.wifi.network);
    wifi.integer("bars", state.wifi.bars, 0, 3);
    wifi.text("interface", state.wifi.interface);
  }
  {
    ObjectReader cellular(top.object("cellular"), "cellular", source, problems);
    cellular.text("carrier", state.cellular.carrier);
    cellular.integer("bars", state.cellular.bars, 0, 4);
  }
  {
    ObjectReader bluetooth(top.object("bluetooth"), "bluetooth", source, problems);
    bluetooth.boolean("on", state.bluetooth.on);
    std::size_t index = 0;
    for (const auto& entry : bluetooth.array("accessories")) {
      const std::string prefix = "bluetooth.accessories." + std::to_string(index++);
      if (!entry.is_object()) {
        bluetooth.problem(prefix + " should be an object, ignored");
        continue;
      }
      BluetoothAccessory accessory;
      ObjectReader reader(entry, prefix, source, problems);
      reader.text("name", accessory.name);
      reader.number("battery", accessory.battery, 0, 100);
      state.bluetooth.accessories.push_back(std::move(accessory));
    }
  }
  {
    ObjectReader alarm(top.object("alarm"), "alarm", source, problems);
    std::string time;
    alarm.text("time", time);
    if (time.empty() || isClockTime(time)) state.alarm.time = time;
    else alarm.problem("alarm.time \"" + time + "\" is not HH:mm, no alarm");
    alarm.boolean("enabled", state.alarm.enabled);
  }
  {
    ObjectReader playing(top.object("nowPlaying"), "nowPlaying", source, problems);
    auto& now = state.nowPlaying;
    playing.text("title", now.title);
    playing.text("artist", now.artist);
    playing.text("album", now.album);
    playing.number("duration", now.duration, 0, kUnlimited);
    playing.number("elapsed", now.elapsed, 0, kUnlimited);
    if (now.duration > 0 && now.elapsed > now.duration) {
      playing.problem("nowPlaying.elapsed is past the duration, using the duration");
      now.elapsed = now.duration;
    }
    playing.boolean("playing", now.playing);
    playing.text("artwork", now.artwork);
    playing.text("app", now.app);
  }
  readApps(top, top.array("apps"), state.apps, source, problems);
  {
    const auto& dock = top.array("dock");
    state.dock.clear();
    for (const auto& entry : dock) {
      if (entry.is_string()) state.dock.push_back(entry.get<std::string>());
      else top.problem("dock holds " + describe(entry) + ", not a bundle id, ignored");
    }
  }
  top.number("flashlight", state.flashlight, 0, 1);
  top.text("deviceName", state.deviceName);
  top.text("locale", state.locale);
  top.text("timeZone", state.timeZone);
  {
    ObjectReader weather(top.object("weather"), "weather", source, problems);
    readWeather(weather, state.weather, source, problems);
  }
  {
    ObjectReader calendar(top.object("calendar"), "calendar", source, problems);
    readCalendar(calendar, state.calendar, source, problems);
  }
  {
    ObjectReader steps(top.object("steps"), "steps", source, problems);
    readSteps(steps, state.steps, source, problems);
  }
  {
    ObjectReader timer(top.object("timer"), "timer", source, problems);
    timer.boolean("running", state.timer.running);
    timer.number("remaining", state.timer.remaining, 0, kUnlimited);
  }
  return reading;
}

DeviceStateReading parseDeviceState(std::string_view text, std::string_view source) {
  const platform::Value json = platform::Value::parse(text, nullptr, false);
  if (json.is_discarded()) {
    DeviceStateReading reading;
    reading.problems.push_back(std::string(source) + ": not valid JSON, using the defaults");
    return reading;
  }
  return readDeviceState(json, source);
}

DeviceStateReading readDeviceStateFile(const std::filesystem::path& file) {
  std::error_code error;
  if (!std::filesystem::exists(file, error)) return {};
  const std::optional<std::string> text = platform::foundation::readFile(file);
  if (!text) {
    DeviceStateReading reading;
    reading.problems.push_back(file.string() + ": cannot be read, using the defaults");
    return reading;
  }
  return parseDeviceState(*text, file.string());
}

platform::Value deviceStateToJson(const DeviceState& state) {
  platform::Value apps = platform::Value::array();
  for (const auto& app : state.apps) {
    platform::Value entry = {{"bundleID", app.bundleID}, {"name", app.name}};
    if (app.badge) entry["badge"] = *app.badge;
    entry["icon"] = app.icon;
    entry["system"] = app.system;
    entry["internal"] = app.internal;
    entry["hidden"] = app.hidden;
    apps.push_back(std::move(entry));
  }
  platform::Value accessories = platform::Value::array();
  for (const auto& accessory : state.bluetooth.accessories) {
    accessories.push_back({{"name", accessory.name}, {"battery", accessory.battery}});
  }
  const auto& now = state.nowPlaying;
  return {
      {"ios", state.ios},
      {"locked", state.locked},
      {"battery",
       {{"level", state.battery.level},
        {"charging", state.battery.charging},
        {"externalPower", state.battery.externalPower}}},
      {"wifi",
       {{"on", state.wifi.on},
        {"network", state.wifi.network},
        {"bars", state.wifi.bars},
        {"interface", state.wifi.interface}}},
      {"cellular", {{"carrier", state.cellular.carrier}, {"bars", state.cellular.bars}}},
      {"bluetooth", {{"on", state.bluetooth.on}, {"accessories", accessories}}},
      {"alarm", {{"time", state.alarm.time}, {"enabled", state.alarm.enabled}}},
      {"nowPlaying",
       {{"title", now.title},
        {"artist", now.artist},
        {"album", now.album},
        {"duration", now.duration},
        {"elapsed", now.elapsed},
        {"playing", now.playing},
        {"artwork", now.artwork},
        {"app", now.app}}},
      {"apps", apps},
      {"dock", state.dock},
      {"flashlight", state.flashlight},
      {"deviceName", state.deviceName},
      {"locale", state.locale},
      {"timeZone", state.timeZone},
      {"weather", weatherToJson(state.weather)},
      {"timer", {{"running", state.timer.running}, {"remaining", state.timer.remaining}}},
      {"calendar", calendarToJson(state.calendar)},
      {"steps", stepsToJson(state.steps)},
  };
}

}  // namespace platform::springboard
