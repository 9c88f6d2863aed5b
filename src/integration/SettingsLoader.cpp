#include "integration/SettingsLoader.h"

#include <string>

#include "controller/VantileController.h"
#include "integration/TweakState.h"
#include "platform/foundation/preferences/PreferenceDomain.h"
#include "platform/foundation/values/Conversions.h"
#include "providers/VantileDates.h"

namespace vantile::integration {

namespace {

namespace foundation = platform::foundation;

constexpr const char* kThemesFolder = "/var/mobile/Library/Vantile/themes/";
constexpr const char* kLanguagesFolder = "/var/mobile/Library/VantileAssets/languages/";
constexpr const char* kDefaultLanguageFile = "en.json";
constexpr const char* kDefaultBatteryAnimation = "particlespin";

// One reading of the domain. Each load reads the file again, so nothing outlives a load.
class DomainSnapshot {
 public:
  DomainSnapshot() : values_(foundation::PreferenceDomain(kSettingsDomain).read().value_or(platform::Value::object())) {}

  const platform::Value* find(const char* key) const {
    const auto found = values_.find(key);
    return found == values_.end() ? nullptr : &*found;
  }

  bool boolean(const char* key, bool fallback = false) const {
    const platform::Value* value = find(key);
    return value ? foundation::boolValue(*value) : fallback;
  }
  // On only when the stored number is exactly 1.
  bool switchOn(const char* key) const { return real(key) == 1.0f; }
  float real(const char* key) const {
    const platform::Value* value = find(key);
    return value ? foundation::floatValue(*value) : 0.0f;
  }
  std::int64_t integer(const char* key) const {
    const platform::Value* value = find(key);
    return value ? foundation::integerValue(*value) : 0;
  }
  std::optional<std::string> text(const char* key) const {
    const platform::Value* value = find(key);
    if (value == nullptr) return std::nullopt;
    return foundation::description(*value);
  }

 private:
  platform::Value values_;
};

void readWidgetName(const DomainSnapshot& domain, TweakState& state) {
  std::optional<std::string> stored = domain.text("vantilelshtml");
  if (stored == state.settings.htmlWidgetName) return;
  state.settings.htmlWidgetName = std::move(stored);
  if (state.hooks.loadNewURL) state.hooks.loadNewURL();
}

}  // namespace

void loadPreferences() {
  TweakState& state = tweakState();
  TweakSettings& s = state.settings;
  const DomainSnapshot domain;

  s.enabled = domain.boolean("enabled");
  s.enabled_sb = domain.boolean("enabled_sb");
  s.hidelsitems = domain.switchOn("hidelsitems");
  s.hidelockscreenstatusbar = domain.switchOn("hidelockscreenstatusbar");
  // A theme key that vanishes keeps the theme last loaded.
  if (auto theme = domain.text("VantileTheme")) s.lockScreenThemePath = kThemesFolder + *theme;
  if (auto theme = domain.text("SB_VantileTheme")) s.homeScreenThemePath = kThemesFolder + *theme;
  s.darkoverlayalpha = domain.real("darkoverlayalpha");
  s.darkoverlay = domain.boolean("darkoverlay");
  s.dimtime = domain.real("dimtime");
  s.dimtimeenabled = domain.boolean("dimtimeenabled");
  s.ipadsettings = domain.boolean("ipadsettings");
  s.hidetime = domain.boolean("hidetime");
  s.hideccbar = domain.boolean("hideccbar");
  s.hideCallToActionText = s.hideCallToActionContainers = domain.boolean("actionbar");
  s.hidecamera = domain.boolean("hidecamera");
  s.hideflashlight = domain.boolean("hideflashlight");
  s.hideLockIcon = domain.boolean("hideLockIcon");
  s.hidepagedots = domain.boolean("hidepagedots");
  s.hidemusic = domain.boolean("hidemusic");
  s.hidemusicbg = domain.boolean("hidemusicbg");
  s.showtimer = domain.boolean("showtimer");
  s.posterboard = domain.boolean("posterboard");
  s.stopdim = domain.boolean("stopdim");
  s.fastwake = domain.boolean("fastwake");
  s.enablesbhideitems = domain.switchOn("enablesbhideitems");
  s.hidehomescreenstatusbar = domain.switchOn("hidehomescreenstatusbar");
  s.hidedock = domain.boolean("hidedock");
  s.hidedockbg = domain.boolean("hidedockbg");
  s.hidedots = domain.boolean("hidedots");
  s.hidelabels = domain.boolean("hidelabels");
  s.hidetoday = domain.boolean("hidetoday");
  s.hideapplibrary = domain.boolean("hideapplibrary");
  s.hideicons = domain.boolean("hideicons");
  s.hidednd = domain.boolean("hidednd");
  s.hidedndpill = domain.boolean("hidedndpill");
  s.hidefocus = domain.boolean("hidefocus");
  s.icontopoffset = domain.switchOn("icontopoffset");
  s.iconlisttopoffset = domain.real("iconlisttopoffset");
  s.sideoffset = domain.switchOn("sideoffset");
  s.iconsideoffset = domain.real("iconsideoffset");
  s.bottomoffset = domain.switchOn("bottomoffset");
  s.iconbottomoffset = domain.real("iconbottomoffset");
  s.iconscale = domain.switchOn("iconscale");
  s.iconscalevalue = domain.real("iconscalevalue");
  s.iconopacity = domain.switchOn("iconopacity");
  s.iconOpacity = domain.real("iconOpacity");
  s.iconcolumns = domain.switchOn("iconcolumns");
  s.iconColumnValue = domain.real("iconColumnValue");
  s.iconrows = domain.switchOn("iconrows");
  s.iconRowValue = domain.real("iconRowValue");
  s.iconcolumnsNumber = domain.real("iconcolumns");
  s.iconrowsNumber = domain.real("iconrows");
  s.sideoffsetNumber = domain.real("sideoffset");
  s.bottomoffsetNumber = domain.real("bottomoffset");
  s.hidetimer = domain.boolean("hidetimer");
  s.changenotificationy = domain.boolean("changenotificationy");
  s.notificationy = domain.integer("notificationy");
  s.movevantileyaxis = domain.boolean("movevantileyaxis");
  s.movevantileyaxisvalue = domain.integer("movevantileyaxisvalue");
  s.changenotificationwidth = domain.boolean("changenotificationwidth");
  s.notificationwidth = domain.integer("notificationwidth");
  s.changetitlefontsize = domain.boolean("changetitlefontsize");
  s.titlefontsize = domain.integer("titlefontsize");
  s.changedatefontsize = domain.boolean("changedatefontsize");
  s.datefontsize = domain.integer("datefontsize");
  s.changemessagefontsize = domain.boolean("changemessagefontsize");
  s.messagefontsize = domain.integer("messagefontsize");
  s.hidenotificationcentertext = domain.boolean("hidenotificationcentertext");
  s.hidenotificationtitle = domain.boolean("hidenotificationtitle");
  s.hidenotificationdate = domain.boolean("hidenotificationdate");
  s.centernotification = domain.boolean("centernotification");
  s.languagePath = kLanguagesFolder + domain.text("VantileLanguage").value_or(kDefaultLanguageFile);
  VantileDates::sharedInstance().setLanguageDict(s.languagePath);
  s.enabledlshtml = domain.boolean("enabledlshtml");
  readWidgetName(domain, state);
  s.enablebatteryanimation = domain.boolean("enablebatteryanimation");
  s.batteryAnimationName = domain.text("VantileBatteryAnimation");
  if (s.batteryAnimationName && s.batteryAnimationName->empty()) s.batteryAnimationName = kDefaultBatteryAnimation;
  s.loopbatteryanimation = domain.boolean("loopbatteryanimation");
  s.nosleepbatteryanimation = domain.boolean("nosleepbatteryanimation");
  s.showbatteryanimationonwake = domain.boolean("showbatteryanimationonwake");
  s.twentyfour = domain.boolean("twentyfour");
  VantileDates::sharedInstance().setTwentyFourHour(s.twentyfour);

  VantileController& controller = *VantileController::sharedInstance();
  s.weatheranimation = domain.boolean("weatheranimation");
  controller.weatherAnimationsEnabledForLS = s.weatheranimation;
  s.weatheranimationsb = domain.boolean("weatheranimationsb");
  controller.weatherAnimationsEnabledForSB = s.weatheranimationsb;
  s.customWeatherAnimation = domain.boolean("customWeatherAnimation");
  s.VantileWeatherCode = domain.integer("VantileWeatherCode");
  // Switched off, the code forced earlier stays in force until SpringBoard restarts.
  if (s.customWeatherAnimation) {
    controller.hasWeatherConditionCode = true;
    controller.weatherConditionCode = static_cast<std::int32_t>(s.VantileWeatherCode);
  }
  s.enableweather = domain.boolean("enableweather");
  if (state.hooks.setWeatherEnabled) state.hooks.setWeatherEnabled(s.enableweather);
  s.disableswipedown = domain.boolean("disableswipedown");
  controller.disableSwipeDown = s.disableswipedown;
  s.disableswipeup = domain.boolean("disableswipeup");
  controller.disableSwipeUp = s.disableswipeup;
  s.disableswipeleft = domain.boolean("disableswipeleft");
  controller.disableSwipeLeft = s.disableswipeleft;
  s.disableswiperight = domain.boolean("disableswiperight");
  controller.disableSwipeRight = s.disableswiperight;
  s.enablemusic = domain.boolean("enablemusic", true);
  s.hidebattery = domain.boolean("hidebattery", true);
  s.enablelstouch = domain.boolean("enablelstouch");
  s.enablesbtouch = domain.boolean("enablesbtouch");

  state.homeScreen.iconsNeedRelayout = true;
}

void loadLockScreenThemeOffset() {
  TweakState& state = tweakState();
  const DomainSnapshot domain;
  state.settings.lsthemexaxis = static_cast<float>(domain.integer("lsthemexaxis"));
  state.settings.lsthemeyaxis = static_cast<float>(domain.integer("lsthemeyaxis"));
  state.lockScreen.lockScreenOffsetChanged = true;
}

void loadHomeScreenThemeOffset() {
  TweakState& state = tweakState();
  const DomainSnapshot domain;
  state.settings.sbthemexaxis = static_cast<float>(domain.integer("sbthemexaxis"));
  state.settings.sbthemeyaxis = static_cast<float>(domain.integer("sbthemeyaxis"));
  state.homeScreen.homeScreenOffsetChanged = true;
}

}  // namespace vantile::integration
