#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "controller/ControllerHooks.h"
#include "controller/animation/AnimationHost.h"
#include "controller/data/EverySecondEntry.h"
#include "controller/data/TokenProviders.h"
#include "controller/loading/ThemePreset.h"
#include "engine/ElementOrchestratorDelegate.h"
#include "platform/foundation/notifications/DarwinNotificationCenter.h"
#include "platform/foundation/queues/MainQueue.h"
#include "platform/foundation/values/Value.h"
#include "platform/graphics/Color.h"
#include "platform/graphics/Geometry.h"
#include "platform/graphics/Image.h"
#include "platform/graphics/TextMeasurement.h"
#include "platform/ui/views/Device.h"

namespace platform::ui {
class ImageView;
class Label;
class ScrollView;
class ScrollViewDelegate;
class View;
}  // namespace platform::ui

namespace vantile {

// Keys from a preset's top level down to an element: "PresetView", "children", name, ...
using KeyPath = std::vector<std::string>;
using KeyPaths = std::map<std::string, KeyPath, std::less<>>;

// What the controller finds for an element name in a location.
struct ElementRecord {
  std::int32_t tag = 0;
  std::shared_ptr<platform::ui::View> view;
  // The location's root view.
  std::shared_ptr<platform::ui::View> preset;
};

// The tweak's theme controller: loads a theme file for the lock screen or the home screen,
// builds its view tree through the element engine (as the engine's host) and keeps its live
// data current. Main thread only. Owned by a shared_ptr because the orchestrator holds its
// delegate weakly.
class VantileController : public ElementOrchestratorDelegate,
                          public AnimationHost,
                          public std::enable_shared_from_this<VantileController> {
  struct ConstructionKey {
    explicit ConstructionKey() = default;
  };

 public:
  // The one controller of the process, made on first use.
  static const std::shared_ptr<VantileController>& sharedInstance();
  // A controller of its own (tests, tools); the process uses sharedInstance.
  static std::shared_ptr<VantileController> make();

  explicit VantileController(ConstructionKey);
  ~VantileController() override;
  VantileController(const VantileController&) = delete;
  VantileController& operator=(const VantileController&) = delete;

  // --- Loading and building ---

  // The location's new root view; the "No Theme" placeholder when no file is at the path or
  // the file holds no theme (the slot is then emptied); nothing for a location other than
  // "lockscreen", "homescreen" and "creator".
  std::shared_ptr<platform::ui::View> createViewFromTheme(std::string path, const std::string& type);
  // A new root view with the root element's children built (nothing as root: no children).
  std::shared_ptr<platform::ui::View> createViewFromDictionary(const platform::Value* root, const std::string& type);
  void firstLoadForLocation(const std::string& location);
  // Rebuilds the loaded trees inside their root views, from the presets in memory.
  void reloadThemes();
  void updateIcons();
  void updateIconsForPreset(const ThemePreset& preset, const platform::Value& children,
                            const std::shared_ptr<platform::ui::View>& presetView);
  // The device's orientation changed (iPad only: resizes and rebuilds both trees).
  void orientationChanged();
  static platform::graphics::Rect boundsForOrientation(platform::ui::DeviceOrientation orientation);
  // Darwin notification callbacks.
  void snowboardUpdated();
  void swipeHappened();

  // ElementOrchestratorDelegate.
  bool implements(Operation operation) const override;
  void updateReferenceToView(const std::string& name, std::int32_t count, const std::string& location) override;
  void createChildren(const platform::Value& children, const std::shared_ptr<platform::ui::View>& view,
                      const std::string& location, const std::optional<std::vector<std::string>>& order) override;
  // Taps, app icons and action recognisers (controller/actions, controller/animation).
  void handleAnimation(platform::ui::GestureRecognizer& recognizer) override;
  void launchApp(platform::ui::GestureRecognizer& recognizer) override;
  void changeApp(platform::ui::GestureRecognizer& recognizer) override;
  void enableActionsForView(const std::shared_ptr<platform::ui::View>& view, const std::string& actions) override;

  // AnimationHost: the screen whose animation runs (vantileAnimatingPreset, vantileAnimatingView).
  void runAnimationOfTag(const std::string& senderTag) override;
  std::shared_ptr<platform::ui::View> animationElementView(std::string_view name) const override;
  const platform::Value* animationPresetChildren() const override { return getAnimatingPresetChildren(); }
  std::string animationParentName(std::string_view name) const override;
  platform::graphics::Rect animationRootBounds() const override;
  platform::Value& animationState() override { return animationDict; }
  std::weak_ptr<AnimationHost> weakAnimationHost() override { return weak_from_this(); }

  // --- Preset index and element lookup ---

  ElementRecord getElDict(std::string_view name, const std::string& location);
  // The home-screen element with the tag (decimal text); "" when none.
  std::string getElementNameFromTag(std::string_view tagText) const;
  std::string getAnimatingElementNameFromTag(std::string_view tagText) const;
  // Element name → key path, for every element of the preset's tree.
  static KeyPaths elementObject(const platform::Value& preset);
  static void loopChildren(const platform::Value& element, KeyPaths& paths, const std::string& parentName);
  std::optional<KeyPath> getElementHierarchy(std::string_view name) const;
  std::optional<KeyPath> getAnimatingElementHierarchy(std::string_view name) const;
  // Stores the description found under "foundItem" of `result`; the last match in walk order wins.
  static void recursivelyFindView(platform::Value& result, const platform::Value& children, std::string_view name);
  static platform::Value getElementInPreset(std::string_view name, const platform::Value& children);
  static std::optional<platform::Value> getElementDictionaryFromString(std::string_view name,
                                                                       const platform::Value& children);
  // The "children" of a preset's root element; nothing when not loaded.
  const platform::Value* getPresetChildren() const;
  const platform::Value* getSBPresetChildren() const;
  const platform::Value* getLSPresetChildren() const;
  const platform::Value* getAnimatingPresetChildren() const;
  // A copy of `dictionary` with `value` set at `path`; only the dictionaries along the path are copied.
  static platform::Value editNestedDict(const platform::Value& dictionary, const platform::Value& value,
                                        std::span<const std::string> path);
  // Stores the app chosen for a home-screen app-icon element, in memory and in the theme file.
  void setBundleIDToTheme(std::string_view name, std::string_view bundleID);

  // --- Data tokens, refresh scheduling and device events ---

  // The text with its data tokens replaced; nothing for nothing.
  std::optional<std::string> handleData(std::optional<std::string_view> text);
  static std::string setTextStyle(std::string_view style, std::string_view text);
  // One pass over the every-second list, then the next tick unless one is already due.
  void updateEverySecond();
  void updateUILabelEverySecond(const std::shared_ptr<platform::ui::View>& view, const platform::Value& elementDict);
  void updateDataAttrEverySecond(const std::shared_ptr<platform::ui::View>& view, const platform::Value& elementDict);
  void updateMediaProgressEverySecond(const std::shared_ptr<platform::ui::View>& view,
                                      const platform::Value& elementDict);
  void fastUpdate(const std::string& location);
  // A full refresh 2 s later, skipped within 3 s of the last one.
  void timeUpdated(const std::string& location);
  void deviceWakening(bool waking);
  void deviceUnlocked(bool unlocked);

  // --- State ---

  std::optional<ThemePreset> vantilePreset;
  std::optional<ThemePreset> vantilePresetSB;
  std::optional<ThemePreset> vantilePresetCreator;
  std::shared_ptr<platform::ui::View> vantileView;
  std::shared_ptr<platform::ui::View> vantileViewSB;
  std::shared_ptr<platform::ui::View> vantileViewCreator;
  std::optional<ThemePreset> vantileAnimatingPreset;
  std::shared_ptr<platform::ui::View> vantileAnimatingView;
  // Never lowered, so tags stay unique across locations and reloads.
  std::int32_t globalCounter = 0;
  platform::graphics::Rect screenRect;
  std::optional<platform::foundation::TimeStamp> lastTimeUpdate;
  bool setupNotifications = false;
  platform::Value animationDict = platform::Value::object();
  std::vector<EverySecondEntry> updateEverySecondArray;
  std::string currentSBTheme;
  std::string currentLSTheme;
  bool isLSTap = false;
  bool weatherAnimationsEnabledForLS = false;
  bool weatherAnimationsEnabledForSB = false;
  std::int32_t weatherConditionCode = 0;
  bool hasWeatherConditionCode = false;
  bool disableSwipeDown = false;
  bool disableSwipeUp = false;
  bool disableSwipeLeft = false;
  bool disableSwipeRight = false;
  std::shared_ptr<platform::ui::View> appDrawer;
  std::string lastNowPlayingApp;
  std::vector<std::string> appBundleNameArray;

  TokenProviders providers;
  ControllerHooks hooks;

 private:
  // Animations, swipes and the drawer's closing answer through the hooks.
  void installActionsAndAnimations();
  std::optional<ThemePreset>* presetFor(std::string_view location);
  const std::optional<ThemePreset>* presetFor(std::string_view location) const;
  std::shared_ptr<platform::ui::View>* rootViewFor(std::string_view location);
  bool anyPresetLoaded() const;
  // The element view with the tag in the location's tree; tag 0 (no index entry) is no view.
  std::shared_ptr<platform::ui::View> elementView(std::string_view location, std::int32_t tag);

  std::shared_ptr<platform::ui::View> placeholderView(const std::string& path) const;
  void registerDarwinObservers();
  // Issues the next view tag, stepping over the tags that element views use inside themselves.
  std::int32_t nextTag(std::string_view type);
  // "homescreen" when the view lies in the home-screen tree, else "lockscreen".
  std::string locationOfView(const platform::ui::View& view) const;
  // The element's "styleOverride" element in the location's theme; nothing without one.
  std::optional<platform::Value> styleOverrideElement(const platform::Value& element, std::string_view location) const;
  void runTrigger(std::string_view rule, bool on, const std::shared_ptr<platform::ui::View>& view);
  // Drops every-second entries whose views left the loaded trees.
  void pruneEverySecondArray();
  // One pass over the every-second list.
  void updateEverySecondEntries();
  std::optional<std::string> resolveToken(std::string_view name);
  std::optional<std::string> cachedTokenValue(std::string_view name);
  void refreshLocation(const std::string& location);
  void runTriggers(const std::string& triggerKey, bool flag, bool lockScreen);

  std::vector<std::shared_ptr<platform::foundation::DarwinNotificationCenter::Observation>> darwinObservations_;
  // Token values of the running tick or data pass: one pass shows one moment, and the providers
  // are asked once per name rather than once per label.
  std::optional<std::map<std::string, std::optional<std::string>, std::less<>>> passTokenValues_;
  // Keeps token values for the scope of the outermost pass.
  class OnePassTokenValues {
   public:
    explicit OnePassTokenValues(VantileController& controller) : controller_(controller), owner_(!controller.passTokenValues_) {
      if (owner_) controller_.passTokenValues_.emplace();
    }
    ~OnePassTokenValues() {
      if (owner_) controller_.passTokenValues_.reset();
    }
    OnePassTokenValues(const OnePassTokenValues&) = delete;
    OnePassTokenValues& operator=(const OnePassTokenValues&) = delete;

   private:
    VantileController& controller_;
    bool owner_;
  };
  std::set<std::int32_t> glassViewTags_;
  bool tickScheduled_ = false;

 public:
  // Styling, label styles, image colours and auto-layout.

  // --- Styling pass ---

  // Styles one level of a location's tree, each container's subtree before the next element,
  // then lays the level out.
  void updateChildren(const platform::Value& children, const std::string& location);
  // The names, elements without a "styleOverride" first; each group keeps the dictionary's order.
  static std::vector<std::string> sortKeysByOverridePriority(const platform::Value& children);
  void checkIfNeedsUpdatedOften(std::string_view type, const std::shared_ptr<platform::ui::View>& view,
                                const platform::Value& element);
  static EverySecondEntry createDictionaryForView(const std::shared_ptr<platform::ui::View>& view,
                                                  const platform::Value& viewDict);
  // Equal entries are kept once.
  void addItemToUpdateEverySecondArray(EverySecondEntry entry);
  // A nested view's frame against its superview, its transform rebuilt from the identity.
  static void resetViewFrameIfNeeded(platform::ui::View& view, const platform::Value& element);
  void updateBatteryIcon(const platform::Value& element, platform::ui::View& view);
  void updateBatteryBar(const platform::Value& element, platform::ui::View& view);
  static void updateElapsedBar(const platform::Value& element, platform::ui::View& view);
  static void updateWeekWidget(const platform::Value& element, platform::ui::View& view);
  // The icon view with the tag in the location's tree: app picture, name label and badge of the
  // element's app, styled by the element (or by its "styleOverride" element of the same location).
  void updateAppIcon(const platform::Value& element, std::int32_t tag, const std::string& location);
  // The weather picture of the element, on the image view with the tag in the location's root view.
  void updateWeatherIcon(const platform::Value& element, std::int32_t tag, const std::string& location);
  // Refreshes the app records from the app registry.
  void updateAppBundleArray();
  std::vector<platform::Value> appRecords;

  // Re-applies the containers' "follow" rules in both locations' trees.
  void updateElapsedFollow();
  // Depth first through the containers of one level, each after its own children.
  void loopAllItems(const std::string& location, const platform::Value& children);

  // --- Data binders ---

  // The data pass over these elements and, through containers, their descendants.
  void updateData(const platform::Value& children, const std::string& location);
  void updateBatteryIconData(const platform::Value& element, platform::ui::View& view);
  void updateBatteryBarData(const platform::Value& element, const std::shared_ptr<platform::ui::View>& view);
  void updateProgressBarData(const platform::Value& element, platform::ui::View& view);
  void updateAppIconData(const platform::Value& element, platform::ui::View& view);
  void updateAppBadge(const platform::Value* app, platform::ui::View& iconView, platform::ui::Label& badge,
                      const platform::Value& element);
  void updateAppBadgeImage(platform::ui::Label& badge, const platform::Value& element);
  void updateWeatherIconData(const platform::Value& element, platform::ui::ImageView& view);
  // The weather picture of the element's condition or forecast slot, coloured as it asks.
  std::optional<platform::graphics::Image> getCorrectWeatherIconImage(const platform::Value& element);
  static std::optional<platform::graphics::Image> changeColorIfNeeded(
      const platform::Value& element, std::optional<platform::graphics::Image> image);
  void updateWeekWidgetData(const platform::Value& element, const std::shared_ptr<platform::ui::View>& view);
  void updateCircleProgress(const platform::Value& element, platform::ui::View& view);
  void updateMusicData(const platform::Value& element, platform::ui::ImageView& view);
  void updateOtherData(const platform::Value& element, const std::shared_ptr<platform::ui::View>& view,
                       const std::string& location);
  void updateWebView(const platform::Value& element, platform::ui::View& view);
  // The app's icon picture, or the assets folder's default app picture.
  std::optional<platform::graphics::Image> getAppImageFromBundle(const std::string& bundleID) const;
  // The picture at a file address ("file://..."); nothing when it cannot be read.
  static std::optional<platform::graphics::Image> getUIImageFromDirectory(std::string_view address);

  // --- Conditional visibility, follow and knockout ---

  // Fades the view in or out with music and power, or runs the element's trigger animations.
  void checkIfUIViewShouldHide(const platform::Value& element, const std::shared_ptr<platform::ui::View>& view);
  // Moves the view to the end of the followed element's bar fill or onto its week widget's today.
  void checkIfViewFollows(const platform::Value& element, const std::shared_ptr<platform::ui::View>& view);
  // Cuts the named label's glyphs out of the view (from its top-left corner).
  void checkIfHasKnockout(const platform::Value& element, const std::shared_ptr<platform::ui::View>& view);

  // --- Label text style and fonts ---

  // Text, text style, kerning, second-word colour, second text, gradient and music images of
  // the element with the tag; containers go on into their children.
  void updateUILabel(const platform::Value& element, std::int32_t tag, const std::string& location);
  // The named font (installed, an assets-folder file, or "CF": "customFontName") at the given
  // size, or at the size that fits the label's height; the system font when no font has the name.
  static platform::graphics::Font getFontFromStyles(const platform::Value& element, const platform::ui::View* label,
                                                    const std::optional<std::string>& fontName,
                                                    const std::optional<std::string>& fontSize);

  // --- Image colour helpers (the engine's filters) ---

  static std::optional<platform::graphics::Image> imageWithWhiteBackground(
      const std::optional<platform::graphics::Image>& image);
  static std::optional<platform::graphics::Image> inverseColor(const std::optional<platform::graphics::Image>& image);
  static std::optional<platform::graphics::Image> changeImage(const std::optional<platform::graphics::Image>& image,
                                                              platform::graphics::Color color);

  // --- Auto-layout and endless scroll ---

  // Lays out the level's "UIView" elements that ask for "evenSpacing" or "grid", each container
  // found in the location being styled; no descent.
  void applyAutoLayoutToUIViews(const platform::Value& children, const std::string& location);
  static void applyAutoLayout(std::string_view layout, platform::ui::View& parentView,
                              const std::vector<std::shared_ptr<platform::ui::View>>& members,
                              const platform::graphics::Rect& frame);
  static void applyEvenSpacingLayout(platform::ui::View& parentView,
                                     const std::vector<std::shared_ptr<platform::ui::View>>& members,
                                     const platform::graphics::Rect& frame);
  static void applyGridLayout(platform::ui::View& parentView,
                              const std::vector<std::shared_ptr<platform::ui::View>>& members,
                              const platform::graphics::Rect& frame);
  // As an endless scroll view's delegate: moves the content back by one copy near either end.
  static void scrollViewDidScroll(platform::ui::ScrollView& scrollView);

 private:
  // Paging, content size, endless content, starting offset, scale, alpha and corner radius.
  void styleScrollView(platform::ui::ScrollView& scrollView, const platform::Value& element);
  // A content size or offset value: screen sizes substituted, "math(" evaluated.
  double scrollMeasure(const platform::Value& value) const;
  void updateBatteryFill(const platform::Value& element, platform::ui::View& view, bool withGradient);
  // The scroll-view delegate that forwards to scrollViewDidScroll, made on first use.
  std::shared_ptr<platform::ui::ScrollViewDelegate> endlessScrollDelegate();

  std::shared_ptr<platform::ui::ScrollViewDelegate> endlessScrollDelegate_;
};

}  // namespace vantile
