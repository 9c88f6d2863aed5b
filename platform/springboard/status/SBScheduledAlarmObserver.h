#pragma once

#include <memory>
#include <string>

#include "platform/objc/SharedObject.h"

namespace platform::springboard {

// The next alarm of the Clock app: enabled or not, and when it rings next.
class MTAlarm : public objc::SharedObject {
 public:
  MTAlarm(bool enabled, double nextFireDate) : SharedObject("MTAlarm"), enabled(enabled), nextFireDate(nextFireDate) {}

  bool enabled;
  // Seconds since 1970.
  double nextFireDate;

  static void declareClass(objc::Class& cls);
};

// The alarm manager's cache: its nextAlarm is read from the device at each call (none without an alarm).
class MTAlarmCache : public objc::SharedObject {
 public:
  MTAlarmCache() : SharedObject("MTAlarmCache") {}

  static void declareClass(objc::Class& cls);
};

class MTAlarmManager : public objc::SharedObject {
 public:
  MTAlarmManager() : SharedObject("MTAlarmManager"), cache(std::make_shared<MTAlarmCache>()) {}

  std::shared_ptr<MTAlarmCache> cache;

  static void declareClass(objc::Class& cls);
};

// SpringBoard's watcher of scheduled alarms; holds the manager in its ivar "_alarmManager".
class SBScheduledAlarmObserver : public objc::SharedObject {
 public:
  SBScheduledAlarmObserver() : SharedObject("SBScheduledAlarmObserver"), alarmManager(std::make_shared<MTAlarmManager>()) {}

  std::shared_ptr<MTAlarmManager> alarmManager;

  static void declareClass(objc::Class& cls);
};

}  // namespace platform::springboard
