#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/graphics/Image.h"
#include "platform/objc/Class.h"
#include "platform/objc/SharedObject.h"
#include "platform/springboard/runtime/Signatures.h"

// SpringBoard's application and icon registries as a process without SpringBoard's C++ (the app
// drawer, compiled into both plug-ins) reaches them: by class name through the runtime.
namespace platform::springboard {

namespace signatures {
// -allApplications
using ObjectList = std::vector<Object>();
// -applicationWithBundleIdentifier:
using ObjectForIdentifier = Object(std::string bundleIdentifier);
// -visibleIconIdentifiers (the set, as its allObjects)
using IdentifierList = std::vector<std::string>();
// +_applicationIconImageForBundleIdentifier:format:scale: (nothing for an app without a picture)
using ApplicationIconImage = std::optional<graphics::Image>(std::string bundleIdentifier, std::int64_t format,
                                                            double scale);
}  // namespace signatures

// One app's icon in the home screen's model.
class SBApplicationIcon : public objc::SharedObject {
 public:
  SBApplicationIcon(std::string bundleID, std::shared_ptr<objc::Object> application)
      : SharedObject("SBApplicationIcon"), bundleID(std::move(bundleID)), application(std::move(application)) {}

  std::string bundleID;
  std::shared_ptr<objc::Object> application;

  static void declareClass(objc::Class& cls);
};

// The icon model: which apps have an icon on the home screen (-visibleIconIdentifiers), and the
// icons of every installed app (-leafIcons, made from SpringBoard's applications at each call).
class SBIconModel : public objc::SharedObject {
 public:
  SBIconModel() : SharedObject("SBIconModel") {}

  std::function<std::vector<std::string>()> visibleIconIdentifiers;

  static void declareClass(objc::Class& cls);
};

class SBIconController;

// The icon manager of the icon controller (-iconManager): it holds the model (-iconModel) and
// presents the search.
class SBHIconManager : public objc::SharedObject {
 public:
  SBHIconManager() : SharedObject("SBHIconManager"), iconModel(std::make_shared<SBIconModel>()) {}

  std::shared_ptr<SBIconModel> iconModel;
  std::weak_ptr<SBIconController> iconController;

  static void declareClass(objc::Class& cls);
};

// -isSystemApplication, -isInternalApplication, -isSpringBoard on SBApplication.
void declareApplicationKinds(objc::Class& application);
// -allApplications, -applicationWithBundleIdentifier:, -uninstallApplication: on SBApplicationController.
void declareApplicationRegistry(objc::Class& applicationController);
// +_applicationIconImageForBundleIdentifier:format:scale: on UIImage: the app's "icon" picture
// of device.json, decoded at the scale asked.
void declareApplicationIconImages(objc::Class& image);

}  // namespace platform::springboard
