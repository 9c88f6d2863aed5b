#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/foundation/Value.h"
#include "platform/objc/SharedObject.h"
#include "platform/springboard/runtime/Signatures.h"

namespace platform::springboard {

// One installed app as SpringBoard knows it.
class SBApplication : public objc::SharedObject {
 public:
  SBApplication(std::string bundleIdentifier, std::string displayName);

  const std::string& bundleIdentifier() const { return bundleIdentifier_; }
  const std::string& displayName() const { return displayName_; }

  // A string, a number, or null for no badge.
  void setBadgeValue(platform::Value badge);
  const platform::Value& badgeValue() const { return badgeValue_; }
  // The badge as its icon shows it; nothing for none (and for 0 and "").
  std::optional<std::string> badgeText() const;
  void processDidLaunch(signatures::Object process);

  // Told when the stock setBadgeValue: stored a badge (the icons redraw).
  std::function<void(SBApplication&)> badgeChanged;

  static void declareClass(objc::Class& cls);

 private:
  std::string bundleIdentifier_;
  std::string displayName_;
  platform::Value badgeValue_;
};

// The installed apps, in home-screen order.
class SBApplicationController : public objc::SharedObject {
 public:
  SBApplicationController() : SharedObject("SBApplicationController") {}

  static std::shared_ptr<SBApplicationController> sharedInstance();

  void setApplications(std::vector<std::shared_ptr<SBApplication>> applications) {
    applications_ = std::move(applications);
  }
  const std::vector<std::shared_ptr<SBApplication>>& allApplications() const { return applications_; }
  std::shared_ptr<SBApplication> applicationWithBundleIdentifier(std::string_view bundleIdentifier) const;

  static void declareClass(objc::Class& cls);

 private:
  std::vector<std::shared_ptr<SBApplication>> applications_;
};

}  // namespace platform::springboard
