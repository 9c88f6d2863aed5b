#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/foundation/values/Value.h"
#include "platform/graphics/Geometry.h"
#include "platform/graphics/Image.h"
#include "platform/ui/views/View.h"

namespace platform::ui {
class BlurView;
class GestureRecognizer;
class ImageView;
class Label;
class ScrollView;
class SegmentedControl;
class Window;
}  // namespace platform::ui

namespace vantile {

// The app drawer: a full-screen view a host lays over its content, with a paged grid of the
// device's apps (segments "Badges", "Favs", "All Apps"), a letter strip, a gear menu and its
// settings panel. It never launches an app: a chosen app goes to the host's completionBlock.
//
// What hosts use: make (initAppDrawerWithFrame:), completionBlock, isDrawerOpen / setDrawerOpen,
// and closeDrawer, which is also the fade-and-remove a host runs when it closes the drawer itself.
class AppDrawerViewController : public platform::ui::View {
 public:
  using CompletionBlock = std::function<void(const std::string& bundleIdentifier)>;
  // An app record: "bundle", "name", "badge".
  using AppRecord = platform::Value;

  static constexpr double fadeDuration = 0.1;
  static constexpr double removalDelay = 0.5;

  // Built whole over `frame` (the bounds of the view the host adds it to): open, grid shown.
  static std::shared_ptr<AppDrawerViewController> make(const platform::graphics::Rect& frame);

  AppDrawerViewController(ConstructionKey key, const platform::graphics::Rect& frame);

  std::string_view className() const override { return "AppDrawerViewController"; }

  bool isDrawerOpen() const { return drawerOpen; }
  void setDrawerOpen(bool open) { drawerOpen = open; }

  // App lists, each rebuilt from SpringBoard's registries and sorted by name.
  std::vector<AppRecord> getInstalledAppArray() const;
  std::vector<AppRecord> getFavApps() const;
  std::vector<AppRecord> getAppWithBadges() const;

  void loadFavorites();
  void saveFavApps() const;
  void addAppToFavorites(const std::string& bundleIdentifier);
  void removeAppFromFavorites(const std::string& bundleIdentifier);
  // False when refused (no such app, a system app, SpringBoard, no uninstall operation).
  bool uninstallApp(const std::string& bundleIdentifier);

  // The grid.
  void configureScrollView(platform::ui::ScrollView& scrollView, std::int32_t startIndex);
  std::shared_ptr<platform::ui::View> createAppIconView(const AppRecord& app, const platform::graphics::Rect& frame);
  std::shared_ptr<platform::ui::SegmentedControl> createSegment(const platform::graphics::Rect& frame,
                                                               std::int32_t startPoint);
  void segmentSelected(platform::ui::SegmentedControl& control);
  float getSegmentOffset() const;
  static std::shared_ptr<platform::ui::BlurView> blurViewWithBounds(const platform::graphics::Rect& bounds);
  std::shared_ptr<platform::ui::View> createSettingsIcon(const platform::graphics::Rect& drawerFrame);
  void reloadOptions();
  void reloadFavsScrollview();
  void loadDrawerSettings(bool restoreOffset);
  void reloadDrawerSettingsWithPoint(platform::graphics::Point point);
  static std::shared_ptr<platform::ui::Window> keyWindow();

  // The letter strip and its pop-up.
  std::shared_ptr<platform::ui::View> appLetterList();
  void shortCutTap(platform::ui::GestureRecognizer& tap);
  void loadAppFromLetter(platform::ui::Label& letter, platform::graphics::Point point);
  std::shared_ptr<platform::ui::View> createShortcutAppIconView(const AppRecord& app,
                                                                const platform::graphics::Rect& frame);

  // Touches, sheets and closing.
  void handleTap(platform::ui::GestureRecognizer& tap);
  void longPress(platform::ui::GestureRecognizer& press);
  void openApp(const std::string& bundleIdentifier);
  // Fades out in 0.1 s and leaves the tree 0.5 s after the call, then reports closed. The removal
  // comes even when the fade is interrupted, so no invisible drawer stays open over the screen.
  void closeDrawer();
  void showAppOptionSheet(const std::string& bundleIdentifier);
  void deletedMessage(bool deleted, const std::string& bundleIdentifier);
  void openSettings(platform::ui::GestureRecognizer& tap);
  void resetDrawerColors();

  // Properties.
  bool drawerOpen = true;
  // 0 "Badges", 1 "Favs", 2 "All Apps".
  std::int32_t segmentSelection = 0;
  std::string lastLetter;
  CompletionBlock completionBlock;
  std::shared_ptr<platform::ui::ScrollView> scrollView;
  std::shared_ptr<platform::ui::View> popupFolder;
  std::shared_ptr<platform::ui::View> appShortcutView;
  std::shared_ptr<platform::ui::View> settingsView;
  std::shared_ptr<platform::ui::BlurView> backgroundBlur;
  std::shared_ptr<platform::ui::View> settingsIcon;
  std::shared_ptr<platform::ui::View> shortcutLetterView;
  std::shared_ptr<platform::ui::SegmentedControl> segmentedControl;
  std::vector<std::string> favApps;
  // Letters in index order, each with its apps in name order.
  struct LetterEntry {
    std::string letter;
    std::vector<AppRecord> apps;
  };
  std::vector<LetterEntry> customList;
  std::map<std::string, platform::graphics::Image> iconDictionary;
  platform::graphics::Point lastScrollPoint;

 private:
  enum class ListKind { all, favourites, badges };
  std::vector<AppRecord> appList(ListKind kind) const;
  // Grid cells take from the cache and fill it; pop-up cells always ask SpringBoard.
  void loadIcon(const std::shared_ptr<platform::ui::View>& cell,
                const std::shared_ptr<platform::ui::ImageView>& imageView, const std::string& bundleIdentifier,
                bool cached);
  void colourSegments();
  void closePopup();
  std::weak_ptr<AppDrawerViewController> weakSelf();

  // The grid's tap and long press go on once: a rebuild keeps them.
  bool gridRecognizersInstalled_ = false;
};

}  // namespace vantile
