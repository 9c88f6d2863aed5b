#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>

// Which data snapshot becomes which script of an HTML widget page.
namespace vantile::integration {

inline constexpr const char* kSnapshotFolder = "/var/mobile/Media/Downloads/";

enum class SnapshotKind { weather, signal, battery, events, steps };

struct SnapshotFile {
  const char* name;
  SnapshotKind kind;
};

// In the order they are pushed.
std::span<const SnapshotFile> snapshotFiles();

// The data script, then the update call.
struct WidgetScript {
  std::string data;
  std::string update;
};

// Nothing when a file that must be a JSON object is not one.
std::optional<WidgetScript> widgetScriptFor(SnapshotKind kind, std::string_view fileText);

// `text` as a script string literal: JSON-encoded (invalid UTF-8 replaced), with U+2028,
// U+2029 and "</" escaped, so no value can end the string or the script around it.
std::string scriptStringLiteral(std::string_view text);

}  // namespace vantile::integration
