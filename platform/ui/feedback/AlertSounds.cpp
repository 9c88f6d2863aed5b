#include "platform/ui/feedback/AlertSounds.h"

namespace platform::ui {

namespace {

std::vector<std::uint32_t>& played() {
  static std::vector<std::uint32_t> sounds;
  return sounds;
}

}  // namespace

void AudioServicesPlayAlertSound(std::uint32_t soundID) { played().push_back(soundID); }

const std::vector<std::uint32_t>& playedAlertSounds() { return played(); }

void forgetPlayedAlertSounds() { played().clear(); }

}  // namespace platform::ui
