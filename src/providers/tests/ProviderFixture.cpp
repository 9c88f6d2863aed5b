#include "ProviderFixture.h"

#include "platform/foundation/files/DeviceRoot.h"
#include "platform/foundation/files/Files.h"
#include "platform/foundation/locale/DateFormatting.h"
#include "platform/springboard/device/DeviceModel.h"
#include "providers/VantileDates.h"
#include "providers/system/VantileSystem.h"
#include "providers/weather/VantileWeather.h"

namespace vantile::testing {

namespace foundation = platform::foundation;

ProviderFixture::ProviderFixture() {
  foundation::MainQueue::shared().useManualClock(kStart);
  VantileSystem& system = VantileSystem::sharedInstance();
  system.lastElapsedTime = "0:00";
  system.lastMusicDurationLeft = "0:00";
  system.eventArray.clear();
  system.stepArray.clear();
  system.lastEventUpdateTime = 0;
  system.lastStepsUpdateTime = 0;
  system.eventsRead = false;
  VantileWeather& weather = VantileWeather::sharedInstance();
  weather.weatherInfo = platform::Value::object();
  weather.lastWeatherUpdate.reset();
  weather.weatherEnabled = false;
  weather.loadAnimation = nullptr;
  VantileDates::sharedInstance().setTwentyFourHour(false);
  VantileDates::sharedInstance().setLanguageDict("/missing.json");
}

ProviderFixture::~ProviderFixture() {
  process.reset();
  foundation::MainQueue::shared().clear();
  foundation::MainQueue::shared().useRealClock();
  foundation::useHostTimeZone();
  foundation::useHostLocale();
  VantileDates::sharedInstance().setLanguageDict("/missing.json");
}

void ProviderFixture::start(platform::springboard::DeviceState state) {
  if (state.timeZone.empty()) state.timeZone = "UTC";
  process = std::make_unique<platform::springboard::SpringBoardProcess>(std::move(state));
  process->launch();
  foundation::MainQueue::shared().runPending();
}

void ProviderFixture::set(const std::string& path, const platform::Value& value) {
  std::string problem;
  ASSERT_TRUE(platform::springboard::DeviceModel::shared().setValue(path, value, &problem)) << problem;
  foundation::MainQueue::shared().runPending();
}

void ProviderFixture::advance(double seconds) { foundation::MainQueue::shared().advance(seconds); }

void ProviderFixture::useLanguage(const std::string& json) {
  root.writeFile("/var/mobile/Library/VantileAssets/languages/test.json", json);
  VantileDates::sharedInstance().setLanguageDict("/var/mobile/Library/VantileAssets/languages/test.json");
}

std::optional<std::string> ProviderFixture::read(const std::string& systemPath) const {
  return foundation::readFile(foundation::devicePath(systemPath));
}

}  // namespace vantile::testing
