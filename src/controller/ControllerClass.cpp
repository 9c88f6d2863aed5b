#include "controller/ControllerClass.h"

#include "controller/VantileController.h"
#include "platform/foundation/files/SystemLog.h"
#include "platform/objc/Runtime.h"
#include "platform/objc/SharedObject.h"

namespace vantile::controller_class {

void registerControllerClass() {
  namespace objc = platform::objc;
  if (objc::getClass(kClassName) != nullptr) return;
  objc::Class* cls = objc::registerClass(kClassName);
  if (cls == nullptr) {
    platform::foundation::systemLog("The class VantileController could not be registered");
    return;
  }
  objc::addClassMethod<SharedInstance>(*cls, "sharedInstance", [](objc::Object&) {
    static const auto instance = std::make_shared<objc::SharedObject>(kClassName);
    return std::shared_ptr<objc::Object>(instance);
  });
  objc::addMethod<CreateViewFromTheme>(*cls, "createViewFromTheme:type:",
                                       [](objc::Object&, std::string path, std::string type) {
                                         return VantileController::sharedInstance()->createViewFromTheme(
                                             std::move(path), type);
                                       });
}

}  // namespace vantile::controller_class
