#include "ScreenOutputs.h"

#include "hosts/common/ViewTreeDump.h"
#include "platform/foundation/files/SystemLog.h"

namespace vantile::springboard {

namespace {

using platform::foundation::systemLog;

bool writePicture(std::optional<hosts::PictureFile>& file, const platform::ui::View& screen) {
  if (!file || file->write(screen)) {
    return true;
  }
  systemLog("springboard: cannot write the picture " + file->path().string());
  return false;
}

}  // namespace

platform::Value dumpScreens(const platform::ui::View& lockScreen, const platform::ui::View& homeScreen,
                            const platform::Value& state) {
  platform::Value dump = {{"lockscreen", hosts::dumpViewTree(lockScreen)},
                          {"homescreen", hosts::dumpViewTree(homeScreen)}};
  if (state.is_object()) dump["springboard"] = state;
  return dump;
}

ScreenOutputs::ScreenOutputs(const OutputPaths& paths) {
  if (paths.lockPng) lockPicture_.emplace(*paths.lockPng);
  if (paths.homePng) homePicture_.emplace(*paths.homePng);
  if (paths.dump) dump_.emplace(*paths.dump);
}

bool ScreenOutputs::write(const platform::ui::View& lockScreen, const platform::ui::View& homeScreen,
                          const platform::Value& state) {
  bool written = writePicture(lockPicture_, lockScreen);
  written = writePicture(homePicture_, homeScreen) && written;
  if (dump_ && !dump_->write(hosts::dumpText(dumpScreens(lockScreen, homeScreen, state)))) {
    systemLog("springboard: cannot write the dump " + dump_->path().string());
    written = false;
  }
  return written;
}

}  // namespace vantile::springboard
