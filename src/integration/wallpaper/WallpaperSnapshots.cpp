#include <optional>
#include <string>

#include "integration/ReplacementSupport.h"
#include "integration/Replacements.h"
#include "platform/foundation/files/DeviceRoot.h"
#include "platform/foundation/files/Files.h"
#include "platform/foundation/files/SystemLog.h"
#include "platform/foundation/queues/MainQueue.h"
#include "platform/graphics/PNGCodec.h"
#include "platform/objc/Messaging.h"

namespace vantile::integration {

namespace {

namespace objc = platform::objc;
namespace foundation = platform::foundation;
using platform::graphics::Image;

constexpr double kWriteDelay = 1;

void writeSnapshot(const std::optional<Image>& image, std::int64_t variant) {
  if (!image) return;
  const std::optional<std::string> png = platform::graphics::encodePNG(*image);
  if (!png) return;
  const char* file = variant != 0 ? "/var/mobile/Library/VantileAssets/homewall.png"
                                  : "/var/mobile/Library/VantileAssets/lockwall.png";
  if (!foundation::writeFileAtomically(foundation::devicePath(file), *png)) {
    foundation::systemLog(std::string("Vantile: could not write ") + file);
  }
}

void writePosterSnapshot(const std::optional<Image>& image, std::int64_t variant) { writeSnapshot(image, variant); }

void writeWallpaperSnapshot(const std::optional<Image>& image, std::int64_t variant) { writeSnapshot(image, variant); }

std::optional<Image> imageAnswer(Self& self, std::string_view selector) {
  if (!objc::respondsToSelector(self, selector)) return std::nullopt;
  return objc::send<sig::ImageGetter>(self, selector);
}

}  // namespace

void hook_PBUIPosterVariantViewController__snapshot(Self& self) {
  tweakState().kept.PBUIPosterVariantViewController__snapshot(self);
  std::optional<Image> image = imageAnswer(self, "snapshot");
  const std::int64_t variant = objc::respondsToSelector(self, "variant") ? objc::send<sig::Variant>(self, "variant") : 0;
  foundation::MainQueue::shared().postAfter(kWriteDelay,
                                            [image = std::move(image), variant] { writePosterSnapshot(image, variant); });
}

bool hook_SBFStaticWallpaperView_isDisplayingWallpaperWithConfiguration_forVariant_(Self& self,
                                                                                    ObjectRef configuration,
                                                                                    std::int64_t variant) {
  std::optional<Image> image = imageAnswer(self, "snapshotImage");
  foundation::MainQueue::shared().postAfter(
      kWriteDelay, [image = std::move(image), variant] { writeWallpaperSnapshot(image, variant); });
  return tweakState().kept.SBFStaticWallpaperView_isDisplayingWallpaperWithConfiguration_forVariant_(
      self, std::move(configuration), variant);
}

}  // namespace vantile::integration
