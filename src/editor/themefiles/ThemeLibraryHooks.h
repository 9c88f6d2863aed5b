#pragma once

#include <functional>
#include <memory>
#include <string>

#include "platform/foundation/values/Value.h"
#include "platform/ui/views/View.h"

namespace vantile {

// What the editor asks of the theme library, which lives in the settings bundle above the
// editor and fills these in when it loads. An empty slot means there is no library.
struct ThemeLibraryHooks {
  using Picked = std::function<void(const std::string& themeName)>;

  // The installed themes' grid over `host`, as a picker: a tap hands on the theme's name.
  std::function<std::shared_ptr<platform::ui::View>(const std::shared_ptr<platform::ui::View>& host, Picked picked)>
      openThemePicker;
  // Fetches the first built-in repository's catalogue; `arrived` runs on the main queue only
  // when an answer came.
  std::function<void(std::function<void(const platform::Value&)> arrived)> fetchCatalogue;
  // The library opened with a catalogue (its repository browser; the installed themes for an
  // empty one) over `host`.
  std::function<std::shared_ptr<platform::ui::View>(const std::shared_ptr<platform::ui::View>& host,
                                                    const platform::Value& catalogue)>
      openLibrary;
};

ThemeLibraryHooks& themeLibraryHooks();

}  // namespace vantile
