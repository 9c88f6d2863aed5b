#pragma once

#include "platform/objc/Class.h"

// The stock operations of the classes that hiding, notification-list, icon-layout, wallpaper
// and charging replacements touch: plain behaviour (show or hide a view, answer a fixed value,
// pass a call on), enough for a replacement to run over and chain to.
namespace platform::springboard::plain {

// Lock screen.
void declareCombinedListViewController(objc::Class& cls);
void declareStructuredListViewController(objc::Class& cls);
void declareHostedAppViewController(objc::Class& cls);
void declareListHeaderTitleView(objc::Class& cls);
void declareCountIndicatorView(objc::Class& cls);
void declareChargingTransition(objc::Class& cls);
void declareLegacyChargingView(objc::Class& cls);
void declareProudLockContainer(objc::Class& cls);
void declareCallToActionLabel(objc::Class& cls);
void declareFixedFooterView(objc::Class& cls);
void declareTeachableMomentsContainer(objc::Class& cls);
void declareQuickActionsViewController(objc::Class& cls);
void declareSeamlessContentView(objc::Class& cls);
void declareStaticWallpaperView(objc::Class& cls);

// Home screen.
void declareIconView(objc::Class& cls);
void declareIconControllerOverlays(objc::Class& cls);
void declareIconManager(objc::Class& cls);
void declareSwitcherGestureManager(objc::Class& cls);
void declareWorkspaceTransitionContext(objc::Class& cls);
void declareIconListView(objc::Class& cls);
void declareAppearingViewController(objc::Class& cls);
void declareRootFolderScrolling(objc::Class& cls);
void declareOverlayViewController(objc::Class& cls);
void declarePageControl(objc::Class& cls);
void declareDockView(objc::Class& cls);
void declareFloatingDockPlatterView(objc::Class& cls);
void declareFloatingDockView(objc::Class& cls);

}  // namespace platform::springboard::plain
