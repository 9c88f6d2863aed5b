#include "platform/preferences/PaneRows.h"

#include "platform/foundation/files/Files.h"
#include "platform/foundation/files/SystemLog.h"
#include "platform/foundation/preferences/PreferenceDomain.h"

namespace platform::preferences {

namespace {

using foundation::systemLog;

std::optional<std::string> textProperty(const Value& entry, const char* key) {
  const auto found = entry.find(key);
  if (found == entry.end() || !found->is_string()) {
    return std::nullopt;
  }
  return found->get<std::string>();
}

std::optional<PaneRow> readEntry(const Value& entry, std::size_t index, std::string_view fileName) {
  const std::string where = "row file " + std::string(fileName) + ": item " + std::to_string(index);
  if (!entry.is_object()) {
    systemLog(where + " is no dictionary; left out");
    return std::nullopt;
  }
  const auto cell = textProperty(entry, "cell");
  if (!cell) {
    systemLog(where + " has no \"cell\"; left out");
    return std::nullopt;
  }
  return PaneRow{cellKindNamed(*cell), textProperty(entry, "label").value_or(""), textProperty(entry, "detail"),
                   entry};
}

}  // namespace

CellKind cellKindNamed(std::string_view name) {
  if (name == "PSGroupCell") return CellKind::group;
  if (name == "PSLinkCell") return CellKind::link;
  if (name == "PSSwitchCell") return CellKind::switchRow;
  if (name == "PSSliderCell") return CellKind::slider;
  if (name == "PSLinkListCell") return CellKind::list;
  if (name == "PSEditTextCell") return CellKind::editText;
  if (name == "PSButtonCell") return CellKind::button;
  return CellKind::other;
}

std::optional<std::string> PaneRow::text(std::string_view key) const {
  const auto found = properties.find(std::string(key));
  if (found == properties.end() || !found->is_string()) {
    return std::nullopt;
  }
  return found->get<std::string>();
}

std::string PaneRow::identifier() const {
  if (auto id = text("id")) return *id;
  if (auto key = text("key")) return *key;
  return label;
}

std::optional<PaneRowFile> parsePaneRowFile(std::string_view bytes, std::string_view fileName) {
  const auto root = foundation::valueFromPropertyList(bytes);
  if (!root || !root->is_object()) {
    systemLog("row file " + std::string(fileName) + " is not a property list holding a dictionary");
    return std::nullopt;
  }
  const auto items = root->find("items");
  if (items == root->end() || !items->is_array()) {
    systemLog("row file " + std::string(fileName) + " has no \"items\" array");
    return std::nullopt;
  }
  PaneRowFile file{textProperty(*root, "title"), {}};
  for (std::size_t index = 0; index < items->size(); ++index) {
    if (auto paneRow = readEntry((*items)[index], index, fileName)) {
      file.items.push_back(std::move(*paneRow));
    }
  }
  return file;
}

std::optional<PaneRowFile> readPaneRowFile(const std::filesystem::path& file) {
  const auto bytes = foundation::readFile(file);
  if (!bytes) {
    systemLog("row file " + file.string() + " cannot be read");
    return std::nullopt;
  }
  return parsePaneRowFile(*bytes, file.string());
}

}  // namespace platform::preferences
