#include "platform/springboard/status/SBScheduledAlarmObserver.h"

#include "platform/foundation/locale/DateFormatting.h"
#include "platform/foundation/locale/LocalDateTime.h"
#include "platform/objc/KeyValueReading.h"
#include "platform/objc/Runtime.h"
#include "platform/springboard/device/DeviceModel.h"
#include "platform/springboard/runtime/RuntimeSupport.h"
#include "platform/springboard/runtime/SharedInstances.h"
#include "platform/springboard/runtime/Signatures.h"

namespace platform::springboard {

namespace {

// The next moment the clock shows `time` ("HH:mm"), after now.
double nextOccurrence(const std::string& time) {
  const double now = foundation::MainQueue::shared().now();
  const auto today = foundation::calendarDate(now);
  if (!today) return now;
  const foundation::LocalDateTime reading{today->year, today->month, today->day, std::stoi(time.substr(0, 2)),
                                          std::stoi(time.substr(3, 2)), 0};
  const auto instant = foundation::timeStampInProcessZone(reading);
  if (!instant) return now;
  if (*instant > now) return *instant;
  return foundation::addingDays(*instant, 1).value_or(*instant);
}

}  // namespace

void MTAlarm::declareClass(objc::Class& cls) {
  objc::addMethod<signatures::Answer>(cls, "isEnabled", [](objc::Object& self) { return receiver<MTAlarm>(self).enabled; });
  objc::addMethod<signatures::Real>(cls, "nextFireDate", [](objc::Object& self) { return receiver<MTAlarm>(self).nextFireDate; });
}

void MTAlarmCache::declareClass(objc::Class& cls) {
  objc::addMethod<signatures::Getter>(cls, "nextAlarm", [](objc::Object&) -> signatures::Object {
    const AlarmState& alarm = DeviceModel::shared().state().alarm;
    if (alarm.time.empty()) return nullptr;
    return std::make_shared<MTAlarm>(alarm.enabled, nextOccurrence(alarm.time));
  });
}

void MTAlarmManager::declareClass(objc::Class& cls) {
  objc::addMethod<signatures::Getter>(cls, "cache", [](objc::Object& self) {
    return signatures::Object(receiver<MTAlarmManager>(self).cache);
  });
}

void SBScheduledAlarmObserver::declareClass(objc::Class& cls) {
  SharedInstances::declareSharedInstance(cls);
  objc::addInstanceVariable(cls, "_alarmManager", [](objc::Object& self) {
    return signatures::Object(receiver<SBScheduledAlarmObserver>(self).alarmManager);
  });
}

}  // namespace platform::springboard
