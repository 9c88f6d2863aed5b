#include "inspector/naming/ElementReferences.h"

#include <algorithm>
#include <array>
#include <optional>

#include "platform/foundation/values/Strings.h"

namespace vantile {

namespace {

using platform::Value;
namespace foundation = platform::foundation;

constexpr std::array<std::string_view, 3> kNameKeys = {"followWidthItem", "styleOverride", "cutWithView"};
constexpr std::array<std::string_view, 2> kTriggerKeys = {"triggerOnWake", "triggerOnUnlock"};
// These are trigger rules only when they hold "triggerOn"; otherwise "YES"/"NO".
constexpr std::array<std::string_view, 2> kVisibilityKeys = {"showWhenPlaying", "showWhenCharging"};
// What the animation reader removes from a step before splitting it.
constexpr std::string_view kStepDecoration = "{} ";

std::string joined(const std::vector<std::string>& parts, char separator) {
  std::string text;
  for (std::size_t index = 0; index < parts.size(); ++index) {
    if (index > 0) text += separator;
    text += parts[index];
  }
  return text;
}

std::vector<std::string> split(std::string_view text, std::string_view separator) {
  std::vector<std::string> parts;
  for (const std::string_view part : foundation::components(text, separator)) parts.emplace_back(part);
  return parts;
}

std::string withoutDecoration(std::string_view text) {
  std::string cleaned;
  for (const char character : text) {
    if (kStepDecoration.find(character) == std::string_view::npos) cleaned += character;
  }
  return cleaned;
}

// Both parts of "word:name,word:name" name an element by the text after the first colon, up
// to a second one, exactly as it stands.
std::optional<std::string> renamedTriggerRule(std::string_view rule, std::string_view oldName,
                                              const std::string& newName) {
  std::vector<std::string> parts = split(rule, ",");
  if (parts.size() != 2) return std::nullopt;
  bool changed = false;
  for (std::string& part : parts) {
    const std::size_t colon = part.find(':');
    if (colon == std::string::npos) continue;
    const std::size_t end = std::min(part.find(':', colon + 1), part.size());
    if (std::string_view(part).substr(colon + 1, end - colon - 1) != oldName) continue;
    part.replace(colon + 1, end - colon - 1, newName);
    changed = true;
  }
  if (!changed) return std::nullopt;
  return joined(parts, ',');
}

// A step's "trigger:name" pieces, read as the animation runner reads them (braces and blanks
// ignored); the blanks and braces around the name stay where they were.
std::string renamedStepTriggers(std::string_view step, std::string_view oldName, const std::string& newName) {
  std::vector<std::string> pieces = split(step, ",");
  for (std::string& piece : pieces) {
    if (!foundation::contains(withoutDecoration(piece), "trigger:")) continue;
    std::vector<std::string> parts = split(piece, ":");
    if (parts.size() < 2 || withoutDecoration(parts[1]) != oldName) continue;
    std::string& name = parts[1];
    const std::size_t first = name.find_first_not_of(kStepDecoration);
    const std::size_t last = name.find_last_not_of(kStepDecoration);
    name.replace(first, last - first + 1, newName);
    piece = joined(parts, ':');
  }
  return joined(pieces, ',');
}

Value renamedAnimation(const Value& animation, std::string_view oldName, const std::string& newName) {
  const bool renamesTarget = animation.contains(oldName);
  Value renamed = Value::object();
  for (const auto& [target, step] : animation.items()) {
    // The old target's steps take the new name's place: they drive the renamed element.
    if (renamesTarget && target == newName) continue;
    Value renamedStep = step.is_string() ? Value(renamedStepTriggers(step.get<std::string>(), oldName, newName)) : step;
    renamed[target == oldName ? newName : target] = std::move(renamedStep);
  }
  return renamed;
}

void renameReferencesOfElement(Value& element, std::string_view oldName, const std::string& newName) {
  for (const std::string_view key : kNameKeys) {
    const auto found = element.find(key);
    if (found != element.end() && found->is_string() && found->get_ref<const std::string&>() == oldName) {
      *found = newName;
    }
  }
  const auto renameTriggerRule = [&](std::string_view key, bool onlyTriggerForm) {
    const auto found = element.find(key);
    if (found == element.end() || !found->is_string()) return;
    const std::string text = found->get<std::string>();
    if (onlyTriggerForm && !foundation::contains(text, "triggerOn")) return;
    if (auto renamed = renamedTriggerRule(text, oldName, newName)) *found = std::move(*renamed);
  };
  for (const std::string_view key : kTriggerKeys) renameTriggerRule(key, false);
  for (const std::string_view key : kVisibilityKeys) renameTriggerRule(key, true);
  if (const auto animation = element.find("animation"); animation != element.end() && animation->is_object()) {
    *animation = renamedAnimation(*animation, oldName, newName);
  }
}

}  // namespace

void renameElementReferences(Value& children, std::string_view oldName, const std::string& newName) {
  if (!children.is_object()) return;
  for (auto& [name, element] : children.items()) {
    if (!element.is_object()) continue;
    renameReferencesOfElement(element, oldName, newName);
    if (const auto nested = element.find("children"); nested != element.end()) {
      renameElementReferences(*nested, oldName, newName);
    }
  }
}

}  // namespace vantile
