#pragma once

#include <cstdint>
#include <vector>

namespace platform::ui {

// AudioToolbox's alert sounds. Nothing plays here: the sound identifiers are kept, in order,
// for tests and the host to report.
void AudioServicesPlayAlertSound(std::uint32_t soundID);
const std::vector<std::uint32_t>& playedAlertSounds();
void forgetPlayedAlertSounds();

}  // namespace platform::ui
