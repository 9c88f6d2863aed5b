#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "platform/foundation/values/Value.h"
#include "platform/graphics/Image.h"

namespace vantile {

// The device and weather providers, as the controller reaches them. The tweak fills them in;
// an empty function is a provider that is not there: it offers no tokens, no weather
// information, no music and writes no snapshot.
struct TokenProviders {
  // VantileSystem: whether it has a token operation of the name, and that operation's result
  // (nothing when it has no value).
  std::function<bool(std::string_view name)> isSystemToken;
  std::function<std::optional<std::string>(std::string_view name)> systemToken;
  std::function<void()> saveSystemJSON;
  // Now-playing progress in seconds; asked only while `isMusicPlaying` says so.
  std::function<bool()> isMusicPlaying;
  std::function<float()> internalElapsed;
  std::function<float()> internalDuration;
  // Battery charge in whole percent; signal and Wi-Fi strength as percent texts ("%d").
  std::function<std::int32_t()> batteryAsInt;
  std::function<std::string()> signalpercent;
  std::function<std::string()> wifipercent;

  // SpringBoard: whether external power is connected, and the now-playing item's artwork.
  std::function<bool()> isOnAC;
  std::function<std::optional<platform::graphics::Image>()> nowPlayingArtwork;

  // VantileWeather.
  std::function<void()> checkIfWeatherNeedsUpdating;
  // The weather information itself (it lives as long as the provider), read once per token.
  std::function<const platform::Value&()> getWeatherInfo;
};

}  // namespace vantile
