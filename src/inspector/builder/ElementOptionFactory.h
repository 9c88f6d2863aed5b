#pragma once

#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "inspector/builder/OptionRowConfigs.h"

namespace vantile {

// Which buttons a row gets and the value tests behind them; the geometry constants of the rows.
class ElementOptionFactory {
 public:
  // `incrementerProperties`: the keys whose rows get an increment pad.
  explicit ElementOptionFactory(const std::vector<std::string>& incrementerProperties);

  // "leftButtonOffset", "rightButtonOffset", "rowHeight", "buttonSize", "textFieldWidth"; 0 otherwise.
  static double constantForKey(std::string_view key);

  std::vector<ButtonConfig> buttonsForProperty(const std::string& child) const;
  // Increment pads of the entries of frame, size, offset and shadow styles, and the animation
  // picker on the first "animation" entry of a build (`animationAdded` then turns true).
  static std::vector<ButtonConfig> specializedButtonsForChild(std::string_view child, std::string_view option,
                                                              bool& animationAdded);
  static std::optional<ButtonConfig> createDotsButtonForProperty(std::string_view child);

  static bool isColorValue(std::string_view value);
  static bool isFrameProperty(std::string_view option);
  static bool isSizeProperty(std::string_view option);
  static bool isShadowProperty(std::string_view child);
  static bool isShadowOption(std::string_view option);

 private:
  std::set<std::string, std::less<>> incrementerProperties_;
};

}  // namespace vantile
