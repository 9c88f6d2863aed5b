#include "editor/themefiles/ThemePreview.h"

#include "platform/foundation/files/DeviceRoot.h"
#include "platform/foundation/files/Files.h"
#include "platform/foundation/files/SystemLog.h"
#include "platform/graphics/JPEGCodec.h"
#include "platform/ui/render/Renderer.h"
#include "platform/ui/views/View.h"

namespace vantile {

bool writeViewPreview(const platform::ui::View& view, const std::string& path) {
  const std::optional<platform::graphics::Image> picture = platform::ui::snapshot(view);
  const std::optional<std::string> jpeg = picture ? platform::graphics::encodeJPEG(*picture, 1.0) : std::nullopt;
  if (!jpeg) {
    platform::foundation::systemLog("No preview picture could be made for " + path);
    return false;
  }
  if (!platform::foundation::writeFileAtomically(platform::foundation::devicePath(path), *jpeg)) {
    platform::foundation::systemLog("The preview picture " + path + " could not be written.");
    return false;
  }
  return true;
}

}  // namespace vantile
