#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "platform/foundation/values/Value.h"

// The signatures of the SpringBoard operations a theme's actions call (search, today view,
// App Library, unlock, music, app launches), beside those of Signatures.h.
namespace platform::springboard::signatures {

// -presentSpotlightFromSource:animated:completionHandler:
using PresentSpotlight = void(std::int64_t source, bool animated, std::function<void()> completion);
// -scrollToIconListAtIndex:animate:
using ScrollToIconList = void(std::int64_t index, bool animated);
// -attemptUnlockWithPasscode: answers whether it unlocked
using AttemptUnlock = bool(std::string passcode);
// -_attemptUnlockWithPasscode:finishUIUnlock:
using AttemptUnlockFinishing = bool(std::string passcode, bool finishUIUnlock);
// -setName:
using SetText = void(std::string);
// -setSource:, -setIntent:
using SetInteger = void(std::int64_t);
// -togglePlayPauseForEventSource:
using ToggleForSource = bool(std::int64_t source);
// -changeTrack: (+1 next, -1 previous)
using ChangeTrack = bool(std::int32_t delta);
// -changeTrack:eventSource:
using ChangeTrackForSource = bool(std::int32_t delta, std::int64_t source);
// -openApplication:options:withResult: (options null for none; the error, nothing on success)
using OpenApplication = void(std::string bundleID, platform::Value options,
                             std::function<void(std::optional<std::string> error)> result);
// -launchApplicationWithIdentifier:suspended: answers whether it launched
using LaunchApplication = bool(std::string bundleID, bool suspended);

}  // namespace platform::springboard::signatures
