#include "integration/webwidgets/WidgetScripts.h"

#include <array>

#include "platform/foundation/values/Conversions.h"
#include "platform/foundation/values/Value.h"
#include "platform/foundation/values/ValueParsing.h"

namespace vantile::integration {

namespace {

namespace foundation = platform::foundation;

constexpr std::array kFiles{
    SnapshotFile{"weather.json", SnapshotKind::weather}, SnapshotFile{"signal.json", SnapshotKind::signal},
    SnapshotFile{"battery.json", SnapshotKind::battery}, SnapshotFile{"events.json", SnapshotKind::events},
    SnapshotFile{"steps.json", SnapshotKind::steps},
};

// What "%@" of a missing object gives.
constexpr const char* kMissingObject = "(null)";

void replaceAll(std::string& text, std::string_view from, std::string_view to) {
  for (std::size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size())) {
    text.replace(at, from.size(), to);
  }
}

std::string valueText(const platform::Value& object, const char* key) {
  const auto found = object.find(key);
  return found == object.end() ? std::string(kMissingObject) : foundation::description(*found);
}

std::string variable(std::string_view name, std::string_view literal) {
  std::string line = "var ";
  line.append(name).append(" = ").append(literal).append(";");
  return line;
}

std::string parsedVariable(std::string_view name, std::string_view fileText) {
  std::string value = "JSON.parse(";
  value.append(scriptStringLiteral(fileText)).append(")");
  return variable(name, value);
}

std::string update(std::string_view what) {
  std::string call = "mainUpdate('";
  call.append(what).append("')");
  return call;
}

std::optional<platform::Value> jsonObject(std::string_view fileText) {
  std::optional<platform::Value> parsed = foundation::parseValue(fileText);
  if (!parsed || !parsed->is_object()) return std::nullopt;
  return parsed;
}

}  // namespace

std::span<const SnapshotFile> snapshotFiles() { return kFiles; }

std::string scriptStringLiteral(std::string_view text) {
  std::string literal =
      platform::Value(std::string(text)).dump(-1, ' ', false, nlohmann::detail::error_handler_t::replace);
  replaceAll(literal, "\xE2\x80\xA8", "\\u2028");
  replaceAll(literal, "\xE2\x80\xA9", "\\u2029");
  replaceAll(literal, "</", "<\\/");
  return literal;
}

std::optional<WidgetScript> widgetScriptFor(SnapshotKind kind, std::string_view fileText) {
  switch (kind) {
    case SnapshotKind::weather:
      return WidgetScript{parsedVariable("weather", fileText), update("weather")};
    case SnapshotKind::events:
      return WidgetScript{parsedVariable("events", fileText), update("events")};
    case SnapshotKind::steps:
      return WidgetScript{parsedVariable("steps", fileText), update("steps")};
    case SnapshotKind::signal: {
      const auto object = jsonObject(fileText);
      if (!object) return std::nullopt;
      std::string data;
      for (const char* key : {"signalBars", "wifiBars", "wifiName", "signalName"}) {
        if (!data.empty()) data += " ";
        data += variable(key, scriptStringLiteral(valueText(*object, key)));
      }
      return WidgetScript{std::move(data), update("statusbar")};
    }
    case SnapshotKind::battery: {
      const auto object = jsonObject(fileText);
      if (!object) return std::nullopt;
      // The page reads it as a bare boolean, so nothing but the two words may go in.
      const bool charging = valueText(*object, "batteryCharging") == "true";
      std::string data = variable("batteryPercent", scriptStringLiteral(valueText(*object, "batteryPercent")));
      data.append(" ").append(variable("batteryCharging", charging ? "true" : "false"));
      return WidgetScript{std::move(data), update("battery")};
    }
  }
  return std::nullopt;
}

}  // namespace vantile::integration
