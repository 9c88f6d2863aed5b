#include "ScreenOutputs.h"

#include <algorithm>
#include <cstdio>

#include "ViewTreeDump.h"
#include "platform/foundation/files/Files.h"
#include "platform/foundation/files/SystemLog.h"
#include "platform/graphics/ImageCodec.h"
#include "platform/ui/render/Renderer.h"

namespace vantile::springboard {

namespace {

using platform::foundation::systemLog;

bool samePicture(const platform::graphics::Image& a, const platform::graphics::Image& b) {
  return a.width() == b.width() && a.height() == b.height() && std::ranges::equal(a.pixels(), b.pixels());
}

}  // namespace

bool ScreenOutputs::writePicture(const platform::ui::View& screen, const std::filesystem::path& file,
                                 std::optional<platform::graphics::Image>& lastWritten) {
  auto picture = platform::ui::snapshot(screen);
  if (picture && lastWritten && samePicture(*picture, *lastWritten)) {
    return true;
  }
  const auto png = picture ? platform::graphics::encodePNG(*picture) : std::nullopt;
  if (!png || !platform::foundation::writeFileAtomically(file, *png)) {
    systemLog("springboard: cannot write the picture " + file.string());
    return false;
  }
  lastWritten = std::move(picture);
  std::printf("%s\n", file.c_str());
  std::fflush(stdout);
  return true;
}

bool ScreenOutputs::write(const platform::ui::View& lockScreen, const platform::ui::View& homeScreen,
                          const platform::Value& state) {
  bool written = true;
  if (paths_.lockPng) {
    written = writePicture(lockScreen, *paths_.lockPng, lastLockPicture_) && written;
  }
  if (paths_.homePng) {
    written = writePicture(homeScreen, *paths_.homePng, lastHomePicture_) && written;
  }
  if (paths_.dump) {
    std::string text = dumpScreens(lockScreen, homeScreen, state).dump(2, ' ', false, platform::Value::error_handler_t::replace) + "\n";
    if (text != lastDump_) {
      if (platform::foundation::writeFileAtomically(*paths_.dump, text)) {
        lastDump_ = std::move(text);
        std::printf("%s\n", paths_.dump->c_str());
        std::fflush(stdout);
      } else {
        systemLog("springboard: cannot write the dump " + paths_.dump->string());
        written = false;
      }
    }
  }
  return written;
}

}  // namespace vantile::springboard
