#pragma once

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "settings/panes/VantilePane.h"

namespace vantile::settings {

// A sub-pane whose Return in a text row, when it has a notification, ends editing and posts it.
class NotifyingPane : public VantilePane {
 public:
  NotifyingPane(ConstructionKey key, std::string rowFileName, std::optional<std::string> returnNotification);

  void _returnKeyPressed() override;

 private:
  std::optional<std::string> returnNotification_;
};

// The sub-panes that add nothing but their row file and their Return notification.

class IconOptionsD : public NotifyingPane {
 public:
  static constexpr std::string_view className = "IconOptionsD";
  static std::shared_ptr<IconOptionsD> make() { return std::make_shared<IconOptionsD>(ConstructionKey{}); }
  explicit IconOptionsD(ConstructionKey key) : NotifyingPane(key, "IconOptionsD", std::nullopt) {}
};

class LSOptions : public NotifyingPane {
 public:
  static constexpr std::string_view className = "LSOptions";
  static std::shared_ptr<LSOptions> make() { return std::make_shared<LSOptions>(ConstructionKey{}); }
  explicit LSOptions(ConstructionKey key)
      : NotifyingPane(key, "LSOptions", "com.kestrune.vantile/preferences.changed") {}
};

class LSThemeOptions : public NotifyingPane {
 public:
  static constexpr std::string_view className = "LSThemeOptions";
  static std::shared_ptr<LSThemeOptions> make() { return std::make_shared<LSThemeOptions>(ConstructionKey{}); }
  explicit LSThemeOptions(ConstructionKey key)
      : NotifyingPane(key, "LSThemeOptions", "com.kestrune.vantile/movedThemeLS") {}
};

class SBThemeOptions : public NotifyingPane {
 public:
  static constexpr std::string_view className = "SBThemeOptions";
  static std::shared_ptr<SBThemeOptions> make() { return std::make_shared<SBThemeOptions>(ConstructionKey{}); }
  explicit SBThemeOptions(ConstructionKey key)
      : NotifyingPane(key, "SBThemeOptions", "com.kestrune.vantile/movedThemeSB") {}
};

class iOS16 : public NotifyingPane {
 public:
  static constexpr std::string_view className = "iOS16";
  static std::shared_ptr<iOS16> make() { return std::make_shared<iOS16>(ConstructionKey{}); }
  explicit iOS16(ConstructionKey key) : NotifyingPane(key, "iOS16", "com.kestrune.vantile/preferences.changed") {}
};

// Also offers the installed web widgets (one folder each) to its list row.
class LSHTML : public NotifyingPane {
 public:
  static constexpr std::string_view className = "LSHTML";
  static std::shared_ptr<LSHTML> make() { return std::make_shared<LSHTML>(ConstructionKey{}); }
  explicit LSHTML(ConstructionKey key);

  static std::vector<std::string> getLSHTMLValues();
  static std::vector<std::string> VantileLSHTMLTitles();
  static std::vector<std::string> VantileLSHTMLValues();
};

}  // namespace vantile::settings
