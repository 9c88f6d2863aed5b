#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/foundation/values/Value.h"

// Value-in, value-out edits of a theme document for moving elements between containers. Element
// names are unique in a theme, so a name addresses one element wherever it stands.
namespace vantile::ContainerTree {

// The keys from the theme to an element: "PresetView", "children", then names alternating with
// "children", ending with the element's own name.
using ElementPath = std::vector<std::string>;

inline constexpr const char* kRootName = "PresetView";

std::optional<ElementPath> pathOf(const platform::Value& preset, std::string_view name);
// The parent's name, "PresetView" for a top-level element; nothing for a name not in the theme.
std::optional<std::string> parentOf(const platform::Value& preset, std::string_view name);
std::optional<platform::Value> elementNamed(const platform::Value& preset, std::string_view name);
// The document with the value stored at the path; nothing when a step of the path is missing.
std::optional<platform::Value> withValueAt(const platform::Value& preset, const ElementPath& path,
                                           platform::Value value);

// The names of every element inside the element, at any depth.
std::vector<std::string> descendantNames(const platform::Value& element);
// Why the element cannot become a child of the target: a missing name, the target itself, one of
// its own descendants, or the target already holds it. Nothing when the move is sound.
std::optional<std::string> refusalToMoveInto(const platform::Value& preset, std::string_view name,
                                             std::string_view target);

// The container's description with the element added under the name in its "children" (made
// when missing or not a map).
platform::Value containerWithChild(const platform::Value& container, const std::string& name,
                                   const platform::Value& element);
// The document without the element in its parent's "children", wherever the parent stands; the
// root's "order" is the canvas's and stays. Nothing for a name not in the theme.
std::optional<platform::Value> withoutElement(const platform::Value& preset, std::string_view name);

// The element as it stands at the top left of a container: its frame's "x" and "y" become "0",
// or, for a "center" one, the container's extent halved minus the element's halved.
platform::Value placedInContainer(const platform::Value& element, const platform::Value& container);

}  // namespace vantile::ContainerTree
