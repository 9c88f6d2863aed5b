#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace platform::ui {
class AlertController;
}

namespace vantile {

// What the user is told of a name breaking the element name rules, wherever it was typed.
inline constexpr const char* kInvalidElementNameTitle = "Invalid Name";
inline constexpr const char* kInvalidElementNameMessage =
    "Please use only letters, numbers, and underscores. Avoid reserved words.";

// Why a typed element name cannot be used, as the user is told.
struct ElementNameRefusal {
  std::string title;
  std::string message;

  bool operator==(const ElementNameRefusal&) const = default;
};

// The refusal of a name already cleaned by sanitizeElementName: empty, already in the theme
// (`isTaken`, whole names) or breaking another element name rule; nothing when it may be used.
std::optional<ElementNameRefusal> elementNameRefusal(std::string_view cleanedName,
                                                     const std::function<bool(std::string_view)>& isTaken);

// The refusal's alert, with one "OK" button that does nothing.
std::shared_ptr<platform::ui::AlertController> makeElementNameErrorAlert(const ElementNameRefusal& refusal);

}  // namespace vantile
