#pragma once

#include <cstdint>
#include <functional>
#include <memory>

#include "platform/objc/SharedObject.h"

namespace platform::springboard {

// Keeps the status bar's items (time, signal, Wi-Fi, battery, ...) and tells the bars when one
// changes. The stand-in updates the time items at every minute and notifies item changes of the
// device.
class SBStatusBarStateAggregator : public objc::SharedObject {
 public:
  // The status bar items, numbered as SpringBoard numbers them.
  enum Item : std::int64_t { time = 0, cellularSignal = 3, wifiSignal = 6, battery = 8, bluetooth = 12, alarm = 14 };

  SBStatusBarStateAggregator() : SharedObject("SBStatusBarStateAggregator") {}

  static std::shared_ptr<SBStatusBarStateAggregator> sharedInstance();

  void updateTimeItems();
  void notifyItemChanged(std::int64_t item);

  // Where the stock operations let the bars redraw (set by the process).
  std::function<void(std::int64_t item)> itemChanged;

  static void declareClass(objc::Class& cls);
};

}  // namespace platform::springboard
