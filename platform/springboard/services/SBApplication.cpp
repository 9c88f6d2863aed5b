#include "platform/springboard/services/SBApplication.h"

#include <algorithm>

#include "platform/objc/KeyValueReading.h"
#include "platform/objc/Messaging.h"
#include "platform/objc/Runtime.h"
#include "platform/springboard/runtime/RuntimeSupport.h"
#include "platform/springboard/runtime/SharedInstances.h"

namespace platform::springboard {

SBApplication::SBApplication(std::string bundleIdentifier, std::string displayName)
    : SharedObject("SBApplication"),
      bundleIdentifier_(std::move(bundleIdentifier)),
      displayName_(std::move(displayName)) {}

void SBApplication::setBadgeValue(platform::Value badge) {
  objc::send<signatures::ValueSetter>(*this, "setBadgeValue:", std::move(badge));
}

std::optional<std::string> SBApplication::badgeText() const {
  if (badgeValue_.is_string()) {
    const auto text = badgeValue_.get<std::string>();
    return text.empty() ? std::nullopt : std::optional(text);
  }
  if (badgeValue_.is_number_integer() && badgeValue_.get<long long>() != 0) {
    return std::to_string(badgeValue_.get<long long>());
  }
  return std::nullopt;
}

void SBApplication::processDidLaunch(signatures::Object process) {
  objc::send<signatures::ObjectAction>(*this, "_processDidLaunch:", std::move(process));
}

void SBApplication::declareClass(objc::Class& cls) {
  objc::addMethod<signatures::ValueSetter>(cls, "setBadgeValue:", [](objc::Object& self, platform::Value badge) {
    auto& application = receiver<SBApplication>(self);
    application.badgeValue_ = std::move(badge);
    if (application.badgeChanged) application.badgeChanged(application);
  });
  objc::addMethod<signatures::ValueGetter>(cls, "badgeValue",
                                           [](objc::Object& self) { return receiver<SBApplication>(self).badgeValue_; });
  objc::addMethod<signatures::ObjectAction>(cls, "_processDidLaunch:", [](objc::Object&, signatures::Object) {});
  objc::addMethod<signatures::Text>(
      cls, "bundleIdentifier", [](objc::Object& self) { return receiver<SBApplication>(self).bundleIdentifier_; });
  objc::addProperty(cls, "bundleIdentifier",
                    [](objc::Object& self) { return receiver<SBApplication>(self).bundleIdentifier_; });
  objc::addMethod<signatures::Text>(cls, "displayName",
                                    [](objc::Object& self) { return receiver<SBApplication>(self).displayName_; });
  objc::addProperty(cls, "displayName", [](objc::Object& self) { return receiver<SBApplication>(self).displayName_; });
}

std::shared_ptr<SBApplicationController> SBApplicationController::sharedInstance() {
  return SharedInstances::get<SBApplicationController>("SBApplicationController");
}

std::shared_ptr<SBApplication> SBApplicationController::applicationWithBundleIdentifier(
    std::string_view bundleIdentifier) const {
  const auto found = std::find_if(applications_.begin(), applications_.end(),
                                  [&](const auto& application) { return application->bundleIdentifier() == bundleIdentifier; });
  return found == applications_.end() ? nullptr : *found;
}

void SBApplicationController::uninstall(const SBApplication& application) {
  uninstalled_.push_back(application.bundleIdentifier());
  std::erase_if(applications_, [&](const auto& installed) { return installed.get() == &application; });
}

void SBApplicationController::declareClass(objc::Class& cls) { SharedInstances::declareSharedInstance(cls); }

}  // namespace platform::springboard
