#pragma once

#include <functional>
#include <memory>

#include "platform/objc/SharedObject.h"
#include "platform/springboard/runtime/Signatures.h"

namespace platform::springboard {

// Receives the alarms from the clock service when they change.
class MTAlarmManagerExportedObject : public objc::SharedObject {
 public:
  MTAlarmManagerExportedObject() : SharedObject("MTAlarmManagerExportedObject") {}

  static std::shared_ptr<MTAlarmManagerExportedObject> sharedInstance();

  // An array of {"time": "HH:mm", "enabled": bool}.
  void alarmsUpdated(platform::Value alarms);
  platform::Value alarms = platform::Value::array();

  static void declareClass(objc::Class& cls);
};

}  // namespace platform::springboard
