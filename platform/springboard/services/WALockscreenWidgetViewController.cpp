#include "platform/springboard/services/WALockscreenWidgetViewController.h"

#include "platform/objc/KeyValueReading.h"
#include "platform/objc/Messaging.h"
#include "platform/objc/Runtime.h"
#include "platform/springboard/device/DeviceModel.h"
#include "platform/springboard/runtime/RuntimeSupport.h"
#include "platform/springboard/runtime/SharedInstances.h"

namespace platform::springboard {

void WALockscreenWidgetViewController::setCurrentForecastModel(std::shared_ptr<WAForecastModel> model) {
  objc::send<signatures::ForecastModelSetter>(*this, "setCurrentForecastModel:", signatures::Object(std::move(model)));
}

void WALockscreenWidgetViewController::todayModelForecastWasUpdated(signatures::Object todayModel,
                                                                    std::shared_ptr<WAForecastModel> forecast) {
  objc::send<signatures::ForecastWasUpdated>(*this, "todayModel:forecastWasUpdated:", std::move(todayModel),
                                             signatures::Object(std::move(forecast)));
}

void WALockscreenWidgetViewController::declareClass(objc::Class& cls) {
  SharedInstances::declareSharedInstance(cls, "sharedInstanceIfExists");
  objc::addClassMethod<signatures::Init>(cls, "new", [](objc::Object&) -> signatures::Object {
    return std::make_shared<WALockscreenWidgetViewController>();
  });
  objc::addMethod<signatures::Getter>(cls, "currentForecastModel", [](objc::Object& self) {
    return signatures::Object(receiver<WALockscreenWidgetViewController>(self).currentForecastModel);
  });
  objc::addMethod<signatures::Action>(cls, "updateWeather", [](objc::Object& self) {
    receiver<WALockscreenWidgetViewController>(self).currentForecastModel = forecastModelFor(DeviceModel::shared().state());
  });
  objc::addMethod<signatures::Action>(cls, "_updateTodayView", [](objc::Object&) {});
  objc::addMethod<signatures::ForecastModelSetter>(cls, "setCurrentForecastModel:",
                                                   [](objc::Object& self, signatures::Object model) {
                                                     receiver<WALockscreenWidgetViewController>(self).currentForecastModel =
                                                         objectAs<WAForecastModel>(model);
                                                   });
  objc::addMethod<signatures::ForecastWasUpdated>(
      cls, "todayModel:forecastWasUpdated:", [](objc::Object& self, signatures::Object, signatures::Object forecast) {
        receiver<WALockscreenWidgetViewController>(self).setCurrentForecastModel(objectAs<WAForecastModel>(forecast));
      });
}

void WATodayAutoupdatingLocationModel::locationUpdateCompleted(std::shared_ptr<WFLocation> location,
                                                               std::optional<std::string> error,
                                                               std::function<void()> completion) {
  objc::send<signatures::LocationUpdateCompleted>(*this, "_locationUpdateCompleted:error:completion:",
                                                  signatures::Object(std::move(location)), std::move(error),
                                                  std::move(completion));
}

void WATodayAutoupdatingLocationModel::declareClass(objc::Class& cls) {
  objc::addMethod<signatures::LocationUpdateCompleted>(
      cls, "_locationUpdateCompleted:error:completion:",
      [](objc::Object& self, signatures::Object locationObject, std::optional<std::string> error,
         std::function<void()> completion) {
        auto& model = receiver<WATodayAutoupdatingLocationModel>(self);
        ++model.completedUpdates;
        auto location = objectAs<WFLocation>(locationObject);
        if (!error && location) {
          model.location = location;
          auto widget = model.widget.lock();
          if (widget && model.forecastFor) {
            widget->todayModelForecastWasUpdated(signatures::Object(model.shared_from_this()), model.forecastFor(*location));
          }
        }
        if (completion) completion();
      });
  const auto location = [](objc::Object& self) {
    return signatures::Object(receiver<WATodayAutoupdatingLocationModel>(self).location);
  };
  objc::addMethod<signatures::Getter>(cls, "location", location);
  objc::addProperty(cls, "location", location);
}

}  // namespace platform::springboard
