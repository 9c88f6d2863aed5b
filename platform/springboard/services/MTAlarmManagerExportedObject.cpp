#include "platform/springboard/services/MTAlarmManagerExportedObject.h"

#include "platform/objc/Messaging.h"
#include "platform/objc/Runtime.h"
#include "platform/springboard/runtime/RuntimeSupport.h"
#include "platform/springboard/runtime/SharedInstances.h"

namespace platform::springboard {

std::shared_ptr<MTAlarmManagerExportedObject> MTAlarmManagerExportedObject::sharedInstance() {
  return SharedInstances::get<MTAlarmManagerExportedObject>("MTAlarmManagerExportedObject");
}

void MTAlarmManagerExportedObject::alarmsUpdated(platform::Value alarms) {
  objc::send<signatures::AlarmsUpdated>(*this, "alarmsUpdated:", std::move(alarms));
}

void MTAlarmManagerExportedObject::declareClass(objc::Class& cls) {
  SharedInstances::declareSharedInstance(cls);
  objc::addMethod<signatures::AlarmsUpdated>(cls, "alarmsUpdated:", [](objc::Object& self, platform::Value alarms) {
    receiver<MTAlarmManagerExportedObject>(self).alarms = std::move(alarms);
  });
}

}  // namespace platform::springboard
