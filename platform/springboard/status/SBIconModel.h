#pragma once

#include <memory>
#include <string>

#include "platform/objc/SharedObject.h"

namespace platform::springboard {

// One app's icon in the home screen's model.
class SBApplicationIcon : public objc::SharedObject {
 public:
  SBApplicationIcon(std::string bundleID, std::shared_ptr<objc::Object> application)
      : SharedObject("SBApplicationIcon"), bundleID(std::move(bundleID)), application(std::move(application)) {}

  std::string bundleID;
  std::shared_ptr<objc::Object> application;

  static void declareClass(objc::Class& cls);
};

// The icons of every installed app; its leaf icons are made from SpringBoard's applications at each call.
class SBIconModel : public objc::SharedObject {
 public:
  SBIconModel() : SharedObject("SBIconModel") {}

  static void declareClass(objc::Class& cls);
};

class SBHIconManager : public objc::SharedObject {
 public:
  SBHIconManager() : SharedObject("SBHIconManager"), iconModel(std::make_shared<SBIconModel>()) {}

  std::shared_ptr<SBIconModel> iconModel;

  static void declareClass(objc::Class& cls);
};

}  // namespace platform::springboard
