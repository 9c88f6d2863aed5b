#include "inspector/pickers/AssetImages.h"

#include <algorithm>
#include <array>

#include "engine/helpers/UserFileNames.h"
#include "platform/foundation/files/DeviceRoot.h"
#include "platform/foundation/files/Files.h"
#include "platform/foundation/locale/LocalizedText.h"

namespace vantile {

namespace {

constexpr std::array<std::string_view, 3> kListedExtensions{"png", "jpg", "PNG"};

// The text after the name's last dot; empty without one.
std::string_view pathExtension(std::string_view fileName) {
  const std::size_t dot = fileName.rfind('.');
  return dot == std::string_view::npos ? std::string_view{} : fileName.substr(dot + 1);
}

}  // namespace

std::vector<std::string> listAssetImages() {
  std::vector<std::string> images;
  for (std::string& name : platform::foundation::listFolder(platform::foundation::devicePath(kAssetsFolder))) {
    const std::string_view extension = pathExtension(name);
    if (std::find(kListedExtensions.begin(), kListedExtensions.end(), extension) != kListedExtensions.end()) {
      images.push_back(std::move(name));
    }
  }
  std::stable_sort(images.begin(), images.end(), [](const std::string& left, const std::string& right) {
    return platform::foundation::localizedCaseInsensitiveCompare(left, right) < 0;
  });
  return images;
}

UserImageName userImageFileName(std::string_view typed) {
  std::string name(typed);
  std::replace(name.begin(), name.end(), ' ', '_');
  if (name.empty()) return {UserImageName::Outcome::missing, {}};
  if (!isAcceptableUserFileName(name)) return {UserImageName::Outcome::refused, {}};
  return {UserImageName::Outcome::accepted, name + ".png"};
}

}  // namespace vantile
