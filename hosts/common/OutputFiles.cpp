#include "hosts/common/OutputFiles.h"

#include <algorithm>
#include <cstdio>

#include "platform/foundation/files/Files.h"
#include "platform/graphics/ImageCodec.h"
#include "platform/ui/render/Renderer.h"

namespace vantile::hosts {

namespace {

bool samePicture(const platform::graphics::Image& a, const platform::graphics::Image& b) {
  return a.width() == b.width() && a.height() == b.height() && std::ranges::equal(a.pixels(), b.pixels());
}

void nameWrittenFile(const std::filesystem::path& path) {
  std::printf("%s\n", path.c_str());
  std::fflush(stdout);
}

}  // namespace

bool PictureFile::write(const platform::ui::View& screen) {
  auto picture = platform::ui::snapshot(screen);
  if (picture && lastWritten_ && samePicture(*picture, *lastWritten_)) {
    return true;
  }
  const auto png = picture ? platform::graphics::encodePNG(*picture) : std::nullopt;
  if (!png || !platform::foundation::writeFileAtomically(path_, *png)) {
    return false;
  }
  lastWritten_ = std::move(picture);
  nameWrittenFile(path_);
  return true;
}

bool TextFile::write(std::string text) {
  if (text == lastWritten_) {
    return true;
  }
  if (!platform::foundation::writeFileAtomically(path_, text)) {
    return false;
  }
  lastWritten_ = std::move(text);
  nameWrittenFile(path_);
  return true;
}

std::string dumpText(const platform::Value& dump) {
  return dump.dump(2, ' ', false, platform::Value::error_handler_t::replace) + "\n";
}

}  // namespace vantile::hosts
