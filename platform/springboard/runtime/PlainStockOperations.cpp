#include "platform/springboard/runtime/PlainStockOperations.h"

#include <algorithm>

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
  objc::addMethod<sig::FrameGetter>(cls, "_suggestedListViewFrame", [](objc::Object&) { return graphics::Rect{}; });
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

void declareListItemManager(objc::Class& cls) {
  objc::addMethod<sig::ObjectAction>(cls, "addItem:", [](objc::Object&, sig::Object) {});
  objc::addMethod<sig::ObjectAction>(cls, "removeItem:", [](objc::Object&, sig::Object) {});
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

void declareAdjunctListViewController(objc::Class& cls) {
  objc::addMethod<sig::InsertItemAtIndex>(cls, "_insertItem:atPreferredIndex:animated:",
                                          [](objc::Object&, sig::Object, std::int64_t, bool) {});
  objc::addMethod<sig::InsertItem>(cls, "_insertItem:animated:", [](objc::Object&, sig::Object, bool) {});
}

void declareLegacyAdjunctListViewController(objc::Class& cls) {
  objc::addMethod<sig::DidAddItem>(cls, "adjunctListModel:didAddItem:", [](objc::Object&, sig::Object, sig::Object) {});
}

void declareProudLockContainer(objc::Class& cls) { noObject(cls, "_proudLockIconView"); }

void declareCallToActionLabel(objc::Class& cls) {
  objc::addMethod<sig::SetTextForLanguage>(cls, "setText:forLanguage:animated:",
                                           [](objc::Object& self, std::string text, std::string, bool) {
                                             if (auto* label = dynamic_cast<ui::Label*>(&self)) label->setText(std::move(text));
                                           });
}

void declareFixedFooterView(objc::Class& cls) {
  for (const auto* selector : {"_layoutCallToActionView", "_addPageControl", "updatePageControl", "_layoutPageControl"}) {
    nothing(cls, selector);
  }
}

void declareTeachableMomentsContainer(objc::Class& cls) {
  for (const auto* selector : {"controlCenterGrabberView", "callToActionLabel", "callToActionLabelContainerView",
                               "homeAffordanceView", "homeAffordanceContainerView"}) {
    noObject(cls, selector);
  }
  nothing(cls, "_addControlCenterTutors");
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
  for (const auto* selector : {"scrollViewDidScroll:", "layoutPageControlWithMetrics:",
                               "_animateViewsForPullingToSearchWithMetrics:"}) {
    objc::addMethod<sig::ObjectAction>(cls, selector, [](objc::Object&, sig::Object) {});
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

void declareGridLayoutConfiguration(objc::Class& cls) {
  objc::addMethod<sig::Count>(cls, "numberOfPortraitColumns", [](objc::Object&) -> std::uint64_t { return SBIconListView::columns; });
  objc::addMethod<sig::Count>(cls, "numberOfPortraitRows", [](objc::Object&) -> std::uint64_t { return SBIconListView::rows; });
  objc::addMethod<sig::InsetsGetter>(cls, "portraitLayoutInsets",
                                     [](objc::Object&) { return sig::EdgeInsets{12, 27, 0, 27}; });
}

}  // namespace platform::springboard::plain
