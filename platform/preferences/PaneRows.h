#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/foundation/values/Value.h"

namespace platform::preferences {

// The kinds of row a row file names by "cell". Kinds not built here show as plain rows.
enum class CellKind { group, link, switchRow, slider, list, editText, button, other };

// One row of a settings pane, as its row file describes it.
struct PaneRow {
  CellKind cell = CellKind::other;
  std::string label;
  // The pane class a link row opens, by name.
  std::optional<std::string> detail;
  // The whole entry ("key", "defaults", "default", "id", ...), for the kinds that read more.
  Value properties = Value::object();

  // A text property of the entry, or nothing.
  std::optional<std::string> text(std::string_view key) const;
  // The row's ID: its "id", else its "key", else its label.
  std::string identifier() const;
};

// A row file: the pane's title and its rows, in order.
struct PaneRowFile {
  std::optional<std::string> title;
  std::vector<PaneRow> items;
};

// The kind a "cell" value names ("PSGroupCell", "PSLinkCell", "PSSwitchCell", ...).
CellKind cellKindNamed(std::string_view name);

// A property list {"title": ..., "items": [{"cell": ..., "label": ..., ...}, ...]}. Nothing, with
// a log line, for a missing or unreadable file or one without "items"; an entry that is no
// dictionary or has no "cell" is left out with a log line, the others are kept.
std::optional<PaneRowFile> readPaneRowFile(const std::filesystem::path& file);
std::optional<PaneRowFile> parsePaneRowFile(std::string_view bytes, std::string_view fileName);

}  // namespace platform::preferences
