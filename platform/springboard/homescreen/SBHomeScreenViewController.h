#pragma once

#include <memory>

#include "platform/objc/Object.h"
#include "platform/objc/SharedObject.h"
#include "platform/springboard/homescreen/SBHomeScreenView.h"
#include "platform/ui/views/ViewController.h"

namespace platform::springboard {

// Owns the home screen's view; its view is made through the runtime's initWithFrame: and it
// hears viewDidLoad through the runtime once the view is there.
class SBHomeScreenViewController : public ui::ViewController, public objc::Object {
 public:
  static std::shared_ptr<SBHomeScreenViewController> make();

  explicit SBHomeScreenViewController(ConstructionKey key);

  // Loads the view (and sends viewDidLoad) the first time.
  std::shared_ptr<ui::View> loadViewIfNeeded();
  // The home-screen view as initWithFrame: answered it; null when it answered another kind.
  std::shared_ptr<SBHomeScreenView> homeScreenView();
  int viewDidLoadCount() const { return viewDidLoadCount_; }

  static void declareClass(objc::Class& cls);

 protected:
  std::shared_ptr<ui::View> loadView() override;

 private:
  bool loaded_ = false;
  int viewDidLoadCount_ = 0;
};

// The home screen's root folder controller, as SBIconController answers it.
class SBRootFolderController : public objc::SharedObject {
 public:
  SBRootFolderController() : SharedObject("SBRootFolderController") {}

  std::weak_ptr<ui::View> rootFolderView;

  static void declareClass(objc::Class& cls);
};

class SBIconController;

class SBHIconManager;

// The icon manager: sharedInstance, _rootFolderController and its rootFolderView.
class SBIconController : public objc::SharedObject {
 public:
  SBIconController();

  static std::shared_ptr<SBIconController> sharedInstance();

  std::shared_ptr<SBRootFolderController> rootFolderController;
  // The icon manager it answers (set by the process).
  std::shared_ptr<SBHIconManager> iconManager;
  // An app (or the cover sheet) covers the icons.
  bool homeScreenIconsOccluded = false;

  static void declareClass(objc::Class& cls);
};

}  // namespace platform::springboard
