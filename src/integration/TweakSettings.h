#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace vantile::integration {

// Everything the settings loaders read from the domain "com.kestrune.vantile", in reading
// order. Values before the first load are the loaders' defaults.
struct TweakSettings {
  bool enabled = false;
  bool enabled_sb = false;
  bool hidelsitems = false;
  bool hidelockscreenstatusbar = false;
  std::string lockScreenThemePath = "/var/mobile/Library/Vantile/themes/vertical.json";
  std::string homeScreenThemePath = "/var/mobile/Library/Vantile/themes/vertical.json";
  float darkoverlayalpha = 0;
  bool darkoverlay = false;
  float dimtime = 0;
  bool dimtimeenabled = false;
  bool ipadsettings = false;
  bool hidetime = false;
  bool hideccbar = false;
  // "actionbar" drives both.
  bool hideCallToActionText = false;
  bool hideCallToActionContainers = false;
  bool hidecamera = false;
  bool hideflashlight = false;
  bool hideLockIcon = false;
  bool hidepagedots = false;
  bool hidemusic = false;
  bool hidemusicbg = false;
  bool showtimer = false;
  bool posterboard = false;
  bool stopdim = false;
  bool fastwake = false;
  bool enablesbhideitems = false;
  bool hidehomescreenstatusbar = false;
  bool hidedock = false;
  bool hidedockbg = false;
  bool hidedots = false;
  bool hidelabels = false;
  bool hidetoday = false;
  bool hideapplibrary = false;
  bool hideicons = false;
  bool hidednd = false;
  bool hidedndpill = false;
  bool hidefocus = false;
  // The icon grid: each switch is on when its stored number is exactly 1.
  bool icontopoffset = false;
  float iconlisttopoffset = 0;
  bool sideoffset = false;
  float iconsideoffset = 0;
  bool bottomoffset = false;
  float iconbottomoffset = 0;
  bool iconscale = false;
  float iconscalevalue = 0;
  bool iconopacity = false;
  float iconOpacity = 0;
  bool iconcolumns = false;
  float iconColumnValue = 0;
  bool iconrows = false;
  float iconRowValue = 0;
  // The stored numbers of the grid switches that the grid itself takes as on when not 0.
  float iconcolumnsNumber = 0;
  float iconrowsNumber = 0;
  float sideoffsetNumber = 0;
  float bottomoffsetNumber = 0;
  bool hidetimer = false;
  bool changenotificationy = false;
  std::int64_t notificationy = 0;
  bool movevantileyaxis = false;
  std::int64_t movevantileyaxisvalue = 0;
  bool changenotificationwidth = false;
  std::int64_t notificationwidth = 0;
  bool changetitlefontsize = false;
  std::int64_t titlefontsize = 0;
  bool changedatefontsize = false;
  std::int64_t datefontsize = 0;
  bool changemessagefontsize = false;
  std::int64_t messagefontsize = 0;
  bool hidenotificationcentertext = false;
  bool hidenotificationtitle = false;
  bool hidenotificationdate = false;
  bool centernotification = false;
  std::string languagePath = "/var/mobile/Library/VantileAssets/languages/en.json";
  bool enabledlshtml = false;
  // Kept as the user wrote it; only the page address is percent-encoded.
  std::optional<std::string> htmlWidgetName = "clock";
  bool enablebatteryanimation = false;
  std::optional<std::string> batteryAnimationName = "particlespin";
  bool loopbatteryanimation = false;
  bool nosleepbatteryanimation = false;
  bool showbatteryanimationonwake = false;
  bool twentyfour = false;
  bool weatheranimation = false;
  bool weatheranimationsb = false;
  bool customWeatherAnimation = false;
  std::int64_t VantileWeatherCode = 0;
  bool enableweather = false;
  bool disableswipedown = false;
  bool disableswipeup = false;
  bool disableswipeleft = false;
  bool disableswiperight = false;
  bool enablemusic = true;
  bool hidebattery = true;
  bool enablelstouch = false;
  bool enablesbtouch = false;

  // Whole points, held as floats.
  float lsthemexaxis = 0;
  float lsthemeyaxis = 0;
  float sbthemexaxis = 0;
  float sbthemeyaxis = 0;

  bool anyIconLayoutSwitch() const {
    return icontopoffset || iconcolumns || sideoffset || bottomoffset || iconscale || iconopacity || iconrows;
  }
};

}  // namespace vantile::integration
