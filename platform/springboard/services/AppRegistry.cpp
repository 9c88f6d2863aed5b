#include "platform/springboard/services/AppRegistry.h"

#include "platform/foundation/files/DeviceRoot.h"
#include "platform/graphics/ImageCodec.h"
#include "platform/objc/Runtime.h"
#include "platform/springboard/device/DeviceModel.h"
#include "platform/springboard/runtime/RuntimeSupport.h"
#include "platform/springboard/services/SBApplication.h"

namespace platform::springboard {

void SBApplicationIcon::declareClass(objc::Class& cls) {
  objc::addMethod<signatures::Text>(cls, "applicationBundleID",
                                    [](objc::Object& self) { return receiver<SBApplicationIcon>(self).bundleID; });
  objc::addMethod<signatures::Getter>(cls, "application",
                                      [](objc::Object& self) { return receiver<SBApplicationIcon>(self).application; });
}

void SBIconModel::declareClass(objc::Class& cls) {
  objc::addMethod<signatures::Objects>(cls, "leafIcons", [](objc::Object&) {
    std::vector<signatures::Object> icons;
    const auto controller = SBApplicationController::sharedInstance();
    if (!controller) return icons;
    for (const auto& application : controller->allApplications()) {
      icons.push_back(std::make_shared<SBApplicationIcon>(application->bundleIdentifier(), application));
    }
    return icons;
  });
  objc::addMethod<signatures::IdentifierList>(cls, "visibleIconIdentifiers", [](objc::Object& self) {
    const auto& model = receiver<SBIconModel>(self);
    return model.visibleIconIdentifiers ? model.visibleIconIdentifiers() : std::vector<std::string>{};
  });
}

void SBHIconManager::declareClass(objc::Class& cls) {
  objc::addMethod<signatures::Getter>(
      cls, "iconModel", [](objc::Object& self) { return signatures::Object(receiver<SBHIconManager>(self).iconModel); });
}

void declareApplicationKinds(objc::Class& application) {
  objc::addMethod<signatures::Answer>(application, "isSystemApplication",
                                      [](objc::Object& self) { return receiver<SBApplication>(self).isSystemApplication(); });
  objc::addMethod<signatures::Answer>(application, "isInternalApplication", [](objc::Object& self) {
    return receiver<SBApplication>(self).isInternalApplication();
  });
  objc::addMethod<signatures::Answer>(application, "isSpringBoard", [](objc::Object& self) {
    return receiver<SBApplication>(self).bundleIdentifier() == "com.apple.springboard";
  });
}

void declareApplicationRegistry(objc::Class& applicationController) {
  objc::addMethod<signatures::ObjectList>(applicationController, "allApplications", [](objc::Object& self) {
    std::vector<signatures::Object> objects;
    for (const auto& application : receiver<SBApplicationController>(self).allApplications()) {
      objects.push_back(application);
    }
    return objects;
  });
  objc::addMethod<signatures::ObjectForIdentifier>(
      applicationController, "applicationWithBundleIdentifier:", [](objc::Object& self, std::string bundleIdentifier) {
        return signatures::Object(receiver<SBApplicationController>(self).applicationWithBundleIdentifier(bundleIdentifier));
      });
  objc::addMethod<signatures::ObjectAction>(applicationController, "uninstallApplication:",
                                            [](objc::Object& self, signatures::Object application) {
                                              auto app = objectAs<SBApplication>(application);
                                              if (app) receiver<SBApplicationController>(self).uninstall(*app);
                                            });
}

void declareApplicationIconImages(objc::Class& image) {
  objc::addClassMethod<signatures::ApplicationIconImage>(
      image, "_applicationIconImageForBundleIdentifier:format:scale:",
      [](objc::Object&, std::string bundleIdentifier, std::int64_t, double scale) -> std::optional<graphics::Image> {
        const AppState* app = DeviceModel::shared().state().app(bundleIdentifier);
        if (app == nullptr || app->icon.empty()) return std::nullopt;
        return graphics::decodeImageFile(foundation::devicePath(app->icon), scale > 0 ? scale : 1);
      });
}

}  // namespace platform::springboard
