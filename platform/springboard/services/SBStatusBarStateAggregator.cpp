#include "platform/springboard/services/SBStatusBarStateAggregator.h"

#include "platform/objc/Messaging.h"
#include "platform/objc/Runtime.h"
#include "platform/springboard/runtime/RuntimeSupport.h"
#include "platform/springboard/runtime/SharedInstances.h"
#include "platform/springboard/runtime/Signatures.h"

namespace platform::springboard {

std::shared_ptr<SBStatusBarStateAggregator> SBStatusBarStateAggregator::sharedInstance() {
  return SharedInstances::get<SBStatusBarStateAggregator>("SBStatusBarStateAggregator");
}

void SBStatusBarStateAggregator::updateTimeItems() { objc::send<signatures::Action>(*this, "_updateTimeItems"); }

void SBStatusBarStateAggregator::notifyItemChanged(std::int64_t item) {
  objc::send<signatures::ItemChanged>(*this, "_notifyItemChanged:", item);
}

void SBStatusBarStateAggregator::declareClass(objc::Class& cls) {
  SharedInstances::declareSharedInstance(cls);
  objc::addMethod<signatures::Action>(cls, "_updateTimeItems", [](objc::Object& self) {
    receiver<SBStatusBarStateAggregator>(self).notifyItemChanged(Item::time);
  });
  objc::addMethod<signatures::ItemChanged>(cls, "_notifyItemChanged:", [](objc::Object& self, std::int64_t item) {
    auto& aggregator = receiver<SBStatusBarStateAggregator>(self);
    if (aggregator.itemChanged) aggregator.itemChanged(item);
  });
}

}  // namespace platform::springboard
