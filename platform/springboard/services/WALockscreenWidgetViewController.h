#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "platform/objc/SharedObject.h"
#include "platform/springboard/runtime/Signatures.h"
#include "platform/springboard/services/WeatherModels.h"

namespace platform::springboard {

class WATodayAutoupdatingLocationModel;

// The lock screen's weather widget: the location model hands it each new forecast, and
// updateWeather fetches one for the device's weather now (without telling the setter).
class WALockscreenWidgetViewController : public objc::SharedObject {
 public:
  WALockscreenWidgetViewController() : SharedObject("WALockscreenWidgetViewController") {}

  void setCurrentForecastModel(std::shared_ptr<WAForecastModel> model);
  void todayModelForecastWasUpdated(signatures::Object todayModel, std::shared_ptr<WAForecastModel> forecast);

  std::shared_ptr<WAForecastModel> currentForecastModel;

  static void declareClass(objc::Class& cls);
};

// Follows the device's location and fetches its forecast; tells the widget.
class WATodayAutoupdatingLocationModel : public objc::SharedObject {
 public:
  WATodayAutoupdatingLocationModel() : SharedObject("WATodayAutoupdatingLocationModel") {}

  void locationUpdateCompleted(std::shared_ptr<WFLocation> location, std::optional<std::string> error,
                               std::function<void()> completion);

  std::shared_ptr<WFLocation> location;
  std::weak_ptr<WALockscreenWidgetViewController> widget;
  // The forecast the stock update makes for a location (set by the process: the device's weather).
  std::function<std::shared_ptr<WAForecastModel>(const WFLocation&)> forecastFor;
  int completedUpdates = 0;

  static void declareClass(objc::Class& cls);
};

}  // namespace platform::springboard
