#pragma once

#include <array>
#include <optional>
#include <string_view>

namespace vantile {

// The words of an element's "actions", in the order recogniser installation tests them.
enum class ActionWord {
  openDrawer,
  openSpotlight,
  unlockDevice,
  openAppLibrary,
  openTodayView,
  playMusic,
  toggleFlashlight,
  vibrate,
  openPlayingMusic,
  nextTrack,
  prevTrack,
  animation,
};

struct ActionWordEntry {
  ActionWord word;
  std::string_view text;
};

inline constexpr std::array<ActionWordEntry, 12> kActionWords{{
    {ActionWord::openDrawer, "openDrawer"},
    {ActionWord::openSpotlight, "openSpotlight"},
    {ActionWord::unlockDevice, "unlockDevice"},
    {ActionWord::openAppLibrary, "openAppLibrary"},
    {ActionWord::openTodayView, "openTodayView"},
    {ActionWord::playMusic, "playMusic"},
    {ActionWord::toggleFlashlight, "toggleFlashlight"},
    {ActionWord::vibrate, "vibrate"},
    {ActionWord::openPlayingMusic, "openPlayingMusic"},
    {ActionWord::nextTrack, "nextTrack"},
    {ActionWord::prevTrack, "prevTrack"},
    {ActionWord::animation, "animation"},
}};

// The last word of the table that the value contains (case-sensitive); nothing for none.
inline std::optional<ActionWord> recogniserWord(std::string_view actions) {
  std::optional<ActionWord> found;
  for (const auto& entry : kActionWords) {
    if (actions.find(entry.text) != std::string_view::npos) found = entry.word;
  }
  return found;
}

}  // namespace vantile
