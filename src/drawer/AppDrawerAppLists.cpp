// The drawer's data side: app lists from SpringBoard's registries (reached by class name, so a
// process without them gets empty lists), favourites, uninstalling and icon pictures.
#include <algorithm>
#include <set>

#include "drawer/AppDrawerViewController.h"
#include "platform/foundation/locale/LocalizedText.h"
#include "platform/foundation/preferences/UserDefaults.h"
#include "platform/foundation/queues/MainQueue.h"
#include "platform/foundation/values/Conversions.h"
#include "platform/foundation/values/Strings.h"
#include "platform/objc/KeyValueReading.h"
#include "platform/objc/Messaging.h"
#include "platform/objc/Runtime.h"
#include "platform/springboard/services/AppRegistry.h"
#include "platform/ui/views/ImageView.h"

namespace vantile {

namespace ui = platform::ui;
namespace sig = platform::springboard::signatures;
using platform::Value;

namespace {

constexpr const char* kFavouritesKey = "favApps";

sig::Object sharedInstanceOf(std::string_view className) {
  auto* cls = platform::objc::getClass(className);
  if (cls == nullptr) return nullptr;
  return platform::objc::send<sig::Getter>(*cls, "sharedInstance");
}

std::set<std::string> visibleIdentifiers() {
  const auto controller = sharedInstanceOf("SBIconController");
  const auto manager = platform::objc::send<sig::Getter>(controller.get(), "iconManager");
  const auto model = platform::objc::send<sig::Getter>(manager.get(), "iconModel");
  const auto identifiers = platform::objc::send<sig::IdentifierList>(model.get(), "visibleIconIdentifiers");
  return {identifiers.begin(), identifiers.end()};
}

std::string stringProperty(platform::objc::Object& object, std::string_view key) {
  return platform::objc::valueForKey<std::string>(object, key).value_or("");
}

// Localised, case-insensitive: "Apple" before "banana".
bool nameBefore(const Value& left, const Value& right) {
  return platform::foundation::localizedCaseInsensitiveCompare(left.value("name", ""), right.value("name", "")) < 0;
}

}  // namespace

std::vector<AppDrawerViewController::AppRecord> AppDrawerViewController::appList(ListKind kind) const {
  std::vector<AppRecord> records;
  const auto controller = sharedInstanceOf("SBApplicationController");
  if (!controller) return records;
  const auto visible = visibleIdentifiers();
  for (const auto& application : platform::objc::send<sig::ObjectList>(*controller, "allApplications")) {
    if (!application) continue;
    const std::string bundle = stringProperty(*application, "bundleIdentifier");
    const Value badgeValue = platform::objc::send<sig::ValueGetter>(*application, "badgeValue");
    if (platform::objc::send<sig::Answer>(*application, "isInternalApplication") || !visible.contains(bundle)) continue;
    if (kind == ListKind::favourites && std::find(favApps.begin(), favApps.end(), bundle) == favApps.end()) continue;
    if (kind == ListKind::badges && badgeValue.is_null()) continue;
    records.push_back({{"bundle", bundle},
                       {"name", stringProperty(*application, "displayName")},
                       {"badge", badgeValue.is_null() ? std::string() : platform::foundation::description(badgeValue)}});
  }
  std::stable_sort(records.begin(), records.end(), nameBefore);
  return records;
}

std::vector<AppDrawerViewController::AppRecord> AppDrawerViewController::getInstalledAppArray() const {
  return appList(ListKind::all);
}

std::vector<AppDrawerViewController::AppRecord> AppDrawerViewController::getFavApps() const {
  return appList(ListKind::favourites);
}

std::vector<AppDrawerViewController::AppRecord> AppDrawerViewController::getAppWithBadges() const {
  return appList(ListKind::badges);
}

void AppDrawerViewController::loadFavorites() {
  favApps.clear();
  const auto stored = platform::foundation::UserDefaults::standard().objectForKey(kFavouritesKey);
  if (!stored || !stored->is_array()) return;
  for (const auto& entry : *stored) {
    if (entry.is_string()) favApps.push_back(entry.get<std::string>());
  }
}

void AppDrawerViewController::saveFavApps() const {
  const auto defaults = platform::foundation::UserDefaults::standard();
  defaults.setObject(kFavouritesKey, Value(favApps));
  defaults.synchronize();
}

void AppDrawerViewController::addAppToFavorites(const std::string& bundleIdentifier) {
  if (std::find(favApps.begin(), favApps.end(), bundleIdentifier) == favApps.end()) favApps.push_back(bundleIdentifier);
  saveFavApps();
}

void AppDrawerViewController::removeAppFromFavorites(const std::string& bundleIdentifier) {
  std::erase(favApps, bundleIdentifier);
  saveFavApps();
  reloadFavsScrollview();
}

bool AppDrawerViewController::uninstallApp(const std::string& bundleIdentifier) {
  const auto controller = sharedInstanceOf("SBApplicationController");
  const auto application =
      platform::objc::send<sig::ObjectForIdentifier>(controller.get(), "applicationWithBundleIdentifier:", bundleIdentifier);
  if (!application) return false;
  if (platform::objc::send<sig::Answer>(*application, "isSystemApplication") ||
      platform::objc::send<sig::Answer>(*application, "isSpringBoard")) {
    return false;
  }
  if (!platform::objc::respondsToSelector(*controller, "uninstallApplication:")) return false;
  platform::objc::send<sig::ObjectAction>(*controller, "uninstallApplication:", application);
  reloadOptions();
  return true;
}

void AppDrawerViewController::loadIcon(const std::shared_ptr<ui::View>& cell,
                                       const std::shared_ptr<ui::ImageView>& imageView,
                                       const std::string& bundleIdentifier, bool cached) {
  cell->setAlpha(0);
  cell->setTransform(platform::graphics::AffineTransform::scale(0.5, 0.5));
  const auto weak = weakSelf();
  std::weak_ptr<ui::View> weakCell = cell;
  std::weak_ptr<ui::ImageView> weakImage = imageView;
  platform::foundation::MainQueue::shared().post([weak, weakCell, weakImage, bundleIdentifier, cached] {
    const auto self = weak.lock();
    const auto shownCell = weakCell.lock();
    const auto image = weakImage.lock();
    if (!self || !shownCell || !image) return;
    std::optional<platform::graphics::Image> picture;
    if (const auto found = self->iconDictionary.find(bundleIdentifier); cached && found != self->iconDictionary.end()) {
      picture = found->second;
    } else if (auto* imageClass = platform::objc::getClass("UIImage")) {
      picture = platform::objc::send<sig::ApplicationIconImage>(
          *imageClass, "_applicationIconImageForBundleIdentifier:format:scale:", bundleIdentifier, std::int64_t{10}, 2.0);
      // Only real pictures: a missing one is asked for again at the next build.
      if (cached && picture) self->iconDictionary.emplace(bundleIdentifier, *picture);
    }
    image->setImage(picture);
    ui::ViewAnimationOptions linear;
    linear.curve = ui::ViewAnimationOptions::Curve::linear;
    ui::View::animate(
        0.1, 0, linear,
        [&] {
          shownCell->setAlpha(1.0);
          shownCell->setTransform(platform::graphics::AffineTransform::scale(1.1, 1.1));
        },
        [weakCell, linear](bool) {
          if (const auto settled = weakCell.lock()) {
            ui::View::animate(0.1, 0, linear,
                              [&] { settled->setTransform(platform::graphics::AffineTransform::scale(1.0, 1.0)); });
          }
        });
  });
}

}  // namespace vantile
