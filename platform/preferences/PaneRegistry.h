#pragma once

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <string_view>

namespace platform::ui {
class ViewController;
}

namespace platform::preferences {

// The pane classes of the loaded settings bundles, by name: a bundle's library registers its
// panes when it loads, and the settings host (and link rows) make them by name, as the Settings
// app finds a bundle's classes.
class PaneRegistry {
 public:
  using Factory = std::function<std::shared_ptr<ui::ViewController>()>;

  static PaneRegistry& shared();

  // A second registration of a name replaces the first.
  void registerPane(std::string name, Factory factory);
  bool hasPane(std::string_view name) const;
  // A new pane of the class; nothing, with a log line, for a name no library registered.
  std::shared_ptr<ui::ViewController> makePane(std::string_view name) const;

  PaneRegistry(const PaneRegistry&) = delete;
  PaneRegistry& operator=(const PaneRegistry&) = delete;

 private:
  PaneRegistry() = default;

  std::map<std::string, Factory, std::less<>> factories_;
};

}  // namespace platform::preferences
