#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace vantile {

// The user's pictures live in the assets folder, named by their file names.
inline constexpr std::string_view kAssetsFolder = "/var/mobile/Library/VantileAssets/";

// The file names of the assets folder whose extension is exactly "png", "jpg" or "PNG", sorted
// by localized case-insensitive comparison; empty for a missing folder.
std::vector<std::string> listAssetImages();

// The file a picture named by the user is stored as: spaces become "_", then ".png" follows
// ("my photo" → "my_photo.png").
struct UserImageName {
  enum class Outcome { missing, refused, accepted };
  Outcome outcome;
  // Set when accepted.
  std::string fileName;
};
UserImageName userImageFileName(std::string_view typed);

}  // namespace vantile
