#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/foundation/values/Value.h"
#include "platform/objc/SharedObject.h"
#include "platform/springboard/runtime/Signatures.h"

namespace platform::springboard {

// One installed app as SpringBoard knows it.
class SBApplication : public objc::SharedObject {
 public:
  SBApplication(std::string bundleIdentifier, std::string displayName);

  const std::string& bundleIdentifier() const { return bundleIdentifier_; }
  const std::string& displayName() const { return displayName_; }
  bool isSystemApplication() const { return system_; }
  bool isInternalApplication() const { return internal_; }
  void setKinds(bool system, bool internal) {
    system_ = system;
    internal_ = internal;
  }

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
  bool system_ = false;
  bool internal_ = false;
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
  // Takes the app off the device (as -uninstallApplication:) and remembers it.
  void uninstall(const SBApplication& application);
  const std::vector<std::string>& uninstalledBundleIdentifiers() const { return uninstalled_; }

  static void declareClass(objc::Class& cls);

 private:
  std::vector<std::shared_ptr<SBApplication>> applications_;
  std::vector<std::string> uninstalled_;
};

}  // namespace platform::springboard
