#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "inspector/builder/ElementOptionsBuilderDelegate.h"
#include "platform/foundation/values/Value.h"

namespace vantile {

// One property row: a plain style, a dictionary style, or one entry (`option`) of a dictionary style.
struct PropertyRowConfig {
  std::string name;
  std::string child;
  std::optional<std::string> option;
  std::string value;
  // The element (a dictionary style's row) or the dictionary style (an entry's row).
  std::optional<platform::Value> dict;
  std::int64_t position = 0;

  static PropertyRowConfig simplePropertyWithName(std::string name, std::string child, std::string value,
                                                  std::int64_t position);
  static PropertyRowConfig complexPropertyWithName(std::string name, std::string child, std::string value,
                                                   platform::Value dict, std::int64_t position);
  static PropertyRowConfig complexSubPropertyWithName(std::string name, std::string child, std::string option,
                                                      platform::Value dict, std::string value, std::int64_t position);
};

// Where a full-width row's tap goes: the canvas (export, jump) or the tree-edit handler.
enum class SpecialRowAction {
  exportTemplate,
  addToUIView,
  moveFromUIView,
  moveToUIView,
  addToScrollview,
  removeFromScrollview,
  jumpToOption,
};

struct SpecialOptionConfig {
  std::string text;
  std::string layerName;
  std::int64_t tag = 0;
  SpecialRowAction action = SpecialRowAction::jumpToOption;
  std::int64_t position = 0;

  bool operator==(const SpecialOptionConfig&) const = default;
};

enum class ButtonType : std::int64_t { incrementer = 0, dots = 1, paste = 2 };

// For an increment pad `imageName` is the (sub-)key it steps; a dots button's `action` is the
// canvas's picker.
struct ButtonConfig {
  std::string imageName;
  std::optional<ElementOptionsBuilderDelegate::Operation> action;
  ButtonType type = ButtonType::paste;

  bool operator==(const ButtonConfig&) const = default;
};

}  // namespace vantile
