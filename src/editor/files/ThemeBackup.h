#pragma once

#include <optional>
#include <string>

#include "platform/foundation/values/Value.h"

namespace vantile {

// The editor's one-slot backup of the theme being edited, under "themeBackup" in the process's
// standard user defaults. It names the theme file it was taken from, so that recovering it into
// another theme can be asked about. The document is kept as JSON text: a property list could
// hold neither JSON null nor the exact number forms.
struct ThemeBackup {
  // The file name of the backed-up theme ("Clock.json"); empty for a theme never named.
  std::string themeFile;
  platform::Value document;

  // Replaces the stored backup.
  void store() const;
  // Nothing when there is no backup; also nothing, with a log line, for one that is not ours.
  static std::optional<ThemeBackup> stored();
};

}  // namespace vantile
