#include "platform/springboard/runtime/PlainStockOperations.h"

#include <algorithm>

#include "platform/objc/KeyValueReading.h"
#include "platform/objc/Messaging.h"
#include "platform/objc/Runtime.h"
#include "platform/ui/render/Renderer.h"
#include "platform/springboard/homescreen/SBHomeScreenView.h"
#include "platform/springboard/homescreen/SBIconListView.h"
#include "platform/springboard/homescreen/SBIconView.h"
#include "platform/springboard/lockscreen/CSCoverSheetViewController.h"
#include "platform/springboard/runtime/ActionSignatures.h"
#include "platform/springboard/runtime/RuntimeSupport.h"
#include "platform/springboard/runtime/Signatures.h"
#include "platform/springboard/services/AppRegistry.h"
#include "platform/springboard/services/SBApplication.h"
#include "platform/springboard/homescreen/SBHomeScreenViewController.h"

namespace platform::springboard::plain {

namespace sig = signatures;

namespace {

constexpr double kDockHeight = 96;

void nothing(objc::Class& cls, std::string_view selector) {
  objc::addMethod<sig::Action>(cls, selector, [](objc::Object&) {});
}

void noObject(objc::Class& cls, std::string_view selector) {
  objc::addMethod<sig::Getter>(cls, selector, [](objc::Object&) { return sig::Object(); });
}

// The home-screen view above the root folder the icon controller knows.
std::shared_ptr<SBHomeScreenView> homeScreenViewOf(objc::Object& iconController) {
  auto& controller = receiver<SBIconController>(iconController);
  for (auto view = controller.rootFolderController->rootFolderView.lock(); view; view = view->superview()) {
    if (auto home = std::dynamic_pointer_cast<SBHomeScreenView>(view)) return home;
  }
  return nullptr;
}

sig::Object subviewOfKind(objc::Object& container, std::initializer_list<std::string_view> classNames) {
  for (const auto& subview : dynamic_cast<ui::View&>(container).subviews()) {
    for (const auto name : classNames) {
      if (objc::isKindOfClass(dynamic_cast<objc::Object*>(subview.get()), name)) return asObject(subview);
    }
  }
  return nullptr;
}

void showOverlay(objc::Object& iconController, bool library) {
  if (auto home = homeScreenViewOf(iconController)) (library ? home->libraryView() : home->todayView())->setHidden(false);
}

bool todayOverlayShown(objc::Object& iconController) {
  const auto home = homeScreenViewOf(iconController);
  return home && !home->todayView()->isHidden();
}

void hideTodayOverlay(objc::Object& iconController) {
  if (auto home = homeScreenViewOf(iconController)) home->todayView()->setHidden(true);
}

}  // namespace

void declareCombinedListViewController(objc::Class& cls) {
  objc::addMethod<sig::AppearanceForHidden>(cls, "updateAppearanceForHidden:offset:", [](objc::Object&, bool, double) {});
  nothing(cls, "layoutListView");
  objc::addMethod<sig::Flag>(cls, "_setListHasContent:", [](objc::Object&, bool) {});
  objc::addMethod<sig::Flag>(cls, "viewWillAppear:", [](objc::Object&, bool) {});
}

void declareStructuredListViewController(objc::Class& cls) { nothing(cls, "viewWillLayoutSubviews"); }

void declareHostedAppViewController(objc::Class& cls) {
  objc::addMethod<sig::InitWithObject>(cls, "initWithApplicationSceneEntity:",
                                       [](objc::Object&, sig::Object) { return sig::Object(); });
}

void declareListHeaderTitleView(objc::Class& cls) {
  objc::addMethod<sig::Text>(cls, "title", [](objc::Object&) { return std::string("Notification Center"); });
}

void declareCountIndicatorView(objc::Class& cls) {
  objc::addMethod<sig::Text>(cls, "symbolImageName", [](objc::Object&) { return std::string("bell.fill"); });
}

void declareChargingTransition(objc::Class& cls) {
  objc::addMethod<sig::ChargingTransition>(
      cls, "_transitionChargingViewToVisible:showBattery:animated:", [](objc::Object& self, bool visible, bool, bool) {
        if (auto* coverSheet = dynamic_cast<CSCoverSheetViewController*>(&self)) {
          coverSheet->chargingView()->setHidden(!visible);
        }
      });
}

void declareLegacyChargingView(objc::Class& cls) {
  objc::addMethod<sig::Flag>(cls, "_addBatteryChargingViewAndShowBattery:", [](objc::Object&, bool) {});
}

void declareProudLockContainer(objc::Class& cls) { noObject(cls, "_proudLockIconView"); }

void declareCallToActionLabel(objc::Class& cls) {
  objc::addMethod<sig::SetTextForLanguage>(cls, "setText:forLanguage:animated:",
                                           [](objc::Object& self, std::string text, std::string, bool) {
                                             if (auto* label = dynamic_cast<ui::Label*>(&self)) label->setText(std::move(text));
                                           });
}

void declareFixedFooterView(objc::Class& cls) {
  // The footer holds its page dots from the start; adding them shows them.
  objc::addMethod<sig::Action>(cls, "_addPageControl", [](objc::Object& self) {
    for (const auto& subview : dynamic_cast<ui::View&>(self).subviews()) {
      auto* dots = dynamic_cast<objc::Object*>(subview.get());
      if (objc::isKindOfClass(dots, "CSPageControl") || objc::isKindOfClass(dots, "SBDashBoardPageControl")) {
        subview->setHidden(false);
      }
    }
  });
  for (const auto* selector : {"_layoutCallToActionView", "updatePageControl", "_layoutPageControl"}) {
    nothing(cls, selector);
  }
}

void declareTeachableMomentsContainer(objc::Class& cls) {
  // The call-to-action label and the home affordance are their own containers here.
  for (const auto* selector : {"callToActionLabel", "callToActionLabelContainerView"}) {
    objc::addMethod<sig::Getter>(cls, selector, [](objc::Object& self) { return subviewOfKind(self, {"SBUICallToActionLabel"}); });
  }
  for (const auto* selector : {"homeAffordanceView", "homeAffordanceContainerView"}) {
    objc::addMethod<sig::Getter>(cls, selector, [](objc::Object& self) {
      return subviewOfKind(self, {"CSHomeAffordanceView", "SBDashBoardHomeAffordanceView"});
    });
  }
  // This lock screen draws no control-centre grabber.
  noObject(cls, "controlCenterGrabberView");
  nothing(cls, "_addControlCenterTutors");
}

void declareSeamlessContentView(objc::Class& cls) {
  // The stand-in's notifications show no date, so "dateLabel" is no key of theirs.
  objc::addProperty(cls, "primaryTextLabel", [](objc::Object& self) { return dynamic_cast<ui::View&>(self).viewWithTag(1); });
  objc::addProperty(cls, "secondaryTextElement",
                    [](objc::Object& self) { return dynamic_cast<ui::View&>(self).viewWithTag(2); });
}

void declareQuickActionsViewController(objc::Class& cls) {
  objc::addMethod<sig::Answer>(cls, "hasFlashlight", [](objc::Object&) { return true; });
  objc::addMethod<sig::Answer>(cls, "hasCamera", [](objc::Object&) { return true; });
}

void declareStaticWallpaperView(objc::Class& cls) {
  objc::addMethod<sig::DisplaysWallpaper>(cls, "isDisplayingWallpaperWithConfiguration:forVariant:",
                                          [](objc::Object&, sig::Object, std::int64_t) { return true; });
  // The picture the view shows, as the screen's pixels.
  objc::addMethod<sig::ImageGetter>(cls, "snapshotImage",
                                    [](objc::Object& self) { return ui::snapshot(dynamic_cast<ui::View&>(self)); });
}

void declareIconView(objc::Class& cls) {
  objc::addMethod<sig::Text>(cls, "location", [](objc::Object& self) { return receiver<SBIconView>(self).location(); });
  objc::addMethod<sig::Flag>(cls, "setLabelHidden:", [](objc::Object& self, bool hidden) {
    receiver<SBIconView>(self).labelView()->setHidden(hidden);
  });
  objc::addMethod<sig::Seconds>(cls, "iconContentScale", [](objc::Object& self) {
    return receiver<SBIconView>(self).iconImageView()->transform().a;
  });
  const auto scale = [](objc::Object& self, double factor) {
    receiver<SBIconView>(self).iconImageView()->setTransform(graphics::AffineTransform::scale(factor, factor));
  };
  objc::addMethod<sig::SetSeconds>(cls, "setIconContentScale:", scale);
  objc::addMethod<sig::SetSeconds>(cls, "_applyIconContentScale:", scale);
  objc::addMethod<sig::Flag>(cls, "setIconContentScalingEnabled:", [](objc::Object&, bool) {});
  objc::addMethod<sig::Seconds>(cls, "effectiveOverallAlpha", [](objc::Object& self) { return receiver<SBIconView>(self).alpha(); });
}

void declareIconControllerOverlays(objc::Class& cls) {
  objc::addMethod<sig::Answer>(cls, "handleHomeButtonTap", [](objc::Object&) { return false; });
  objc::addMethod<sig::ObjectAction>(cls, "presentLibraryOverlayForIconManager:",
                                     [](objc::Object& self, sig::Object) { showOverlay(self, true); });
  const auto presentLibrary = [](objc::Object& self, bool, std::function<void()> completion) {
    showOverlay(self, true);
    if (completion) completion();
  };
  objc::addMethod<sig::AnimatedWithCompletion>(cls, "presentLibraryAnimated:completion:", presentLibrary);
  objc::addMethod<sig::AnimatedWithCompletion>(cls, "presentLibraryFromOverlayControllerAnimated:completion:", presentLibrary);
  objc::addMethod<sig::ObjectAction>(cls, "presentTodayOverlayForIconManager:",
                                     [](objc::Object& self, sig::Object) { showOverlay(self, false); });
  objc::addMethod<sig::WithCompletion>(cls, "activateTodayViewWithCompletion:",
                                       [](objc::Object& self, std::function<void()> completion) {
                                         showOverlay(self, false);
                                         if (completion) completion();
                                       });
  objc::addMethod<sig::Answer>(cls, "isTodayOverlayPresented", [](objc::Object& self) { return todayOverlayShown(self); });
  objc::addMethod<sig::Flag>(cls, "dismissTodayOverlayAnimated:", [](objc::Object& self, bool) { hideTodayOverlay(self); });
  objc::addMethod<sig::AnimatedWithCompletion>(cls, "dismissTodayOverlayAnimated:completion:",
                                               [](objc::Object& self, bool, std::function<void()> completion) {
                                                 hideTodayOverlay(self);
                                                 if (completion) completion();
                                               });
  for (const auto* selector : {"iconManager:rootFolderController:didOverscrollOnFirstPageByAmount:",
                               "iconManager:rootFolderController:didOverscrollOnLastPageByAmount:"}) {
    objc::addMethod<sig::Overscroll>(cls, selector, [](objc::Object&, sig::Object, sig::Object, double) {});
  }
  for (const auto* selector : {"iconManager:rootFolderController:didEndOverscrollOnFirstPageWithVelocity:translation:",
                               "iconManager:rootFolderController:didEndOverscrollOnLastPageWithVelocity:translation:"}) {
    objc::addMethod<sig::EndOverscroll>(cls, selector, [](objc::Object&, sig::Object, sig::Object, double, double) {});
  }
}

void declareIconManager(objc::Class& cls) {
  objc::addMethod<sig::PresentSpotlight>(
      cls, "presentSpotlightFromSource:animated:completionHandler:",
      [](objc::Object& self, std::int64_t, bool, std::function<void()> completion) {
        if (const auto controller = receiver<SBHIconManager>(self).iconController.lock()) {
          if (auto home = homeScreenViewOf(*controller)) home->searchView()->setHidden(false);
        }
        if (completion) completion();
      });
}

void declareSwitcherGestureManager(objc::Class& cls) {
  objc::addMethod<sig::GrabberPulling>(cls, "grabberTongueBeganPulling:withDistance:andVelocity:andGesture:",
                                       [](objc::Object&, sig::Object, double, double, sig::Object) {});
}

void declareWorkspaceTransitionContext(objc::Class& cls) {
  objc::addMethod<sig::Answer>(cls, "animationDisabled", [](objc::Object&) { return false; });
}

void declareIconListView(objc::Class& cls) {
  objc::addMethod<sig::IconViewForIcon>(cls, "displayedIconViewForIcon:", [](objc::Object& self, sig::Object icon) {
    auto application = objectAs<SBApplication>(icon);
    if (!application) return std::shared_ptr<ui::View>();
    const auto& icons = receiver<SBIconListView>(self).iconViews();
    const auto found = std::find_if(icons.begin(), icons.end(), [&](const auto& view) {
      return view->applicationBundleIdentifier() == application->bundleIdentifier();
    });
    return found == icons.end() ? std::shared_ptr<ui::View>() : std::shared_ptr<ui::View>(*found);
  });
  objc::addMethod<sig::InitWithModel>(cls, "initWithModel:orientation:viewMap:",
                                      [](objc::Object& self, sig::Object, std::int64_t, sig::Object) {
                                        return receiver<SBIconListView>(self).shared_from_this();
                                      });
}

void declareAppearingViewController(objc::Class& cls) {
  objc::addMethod<sig::Flag>(cls, "viewDidAppear:", [](objc::Object&, bool) {});
  objc::addMethod<sig::Flag>(cls, "viewDidDisappear:", [](objc::Object&, bool) {});
}

void declareRootFolderScrolling(objc::Class& cls) {
  objc::addMethod<sig::ObjectAction>(cls, "scrollViewDidScroll:", [](objc::Object&, sig::Object) {});
  for (const auto* selector : {"layoutPageControlWithMetrics:", "_animateViewsForPullingToSearchWithMetrics:"}) {
    objc::addMethod<sig::MetricsAction>(cls, selector, [](objc::Object&, const sig::PageMetrics*) {});
  }
}

void declareOverlayViewController(objc::Class& cls) { noObject(cls, "currentSidebarViewController"); }

void declarePageControl(objc::Class& cls) {
  objc::addMethod<sig::InitWithFrame>(cls, "initWithFrame:", [](objc::Object& self, graphics::Rect frame) {
    auto& view = dynamic_cast<ui::View&>(self);
    view.setFrame(frame);
    return view.shared_from_this();
  });
}

void declareDockView(objc::Class& cls) {
  objc::addClassMethod<sig::Seconds>(cls, "defaultHeight", [](objc::Object&) { return kDockHeight; });
  objc::addMethod<sig::Seconds>(cls, "dockHeight",
                                [](objc::Object& self) { return dynamic_cast<ui::View&>(self).bounds().size.height; });
  objc::addMethod<sig::SetSeconds>(cls, "setBackgroundAlpha:", [](objc::Object& self, double alpha) {
    auto& dock = dynamic_cast<ui::View&>(self);
    if (auto colour = dock.backgroundColor()) {
      colour->alpha = std::clamp(alpha, 0.0, 1.0) * 0.3;
      dock.setBackgroundColor(colour);
    }
  });
}

void declareFloatingDockPlatterView(objc::Class& cls) {
  objc::addMethod<sig::ObjectAction>(cls, "setBackgroundView:", [](objc::Object&, sig::Object) {});
}

void declareFloatingDockView(objc::Class& cls) {
  objc::addMethod<sig::HeightForBounds>(cls, "contentHeightForBounds:",
                                        [](objc::Object&, graphics::Rect bounds) { return std::min(kDockHeight, bounds.size.height); });
}

}  // namespace platform::springboard::plain
