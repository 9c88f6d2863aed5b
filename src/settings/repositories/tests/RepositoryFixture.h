#pragma once

#include <cstdlib>
#include <filesystem>
#include <map>
#include <string>

#include "platform/foundation/files/Files.h"

// The small repository under testing/repository and what tests compare before and after.
namespace vantile::settings::repositories::testing {

inline std::filesystem::path repositoryFixture() {
  const char* source = std::getenv("VANTILE_SOURCE_DIR");
  return std::filesystem::path(source ? source : ".") / "testing" / "repository";
}

inline constexpr const char* kFixtureId = "kestrune/vantile-themes";

// Every file under root with its contents, folders as empty texts.
inline std::map<std::string, std::string> everyFileUnder(const std::filesystem::path& root) {
  std::map<std::string, std::string> files;
  for (const auto& entry : std::filesystem::recursive_directory_iterator(root)) {
    files[entry.path().string()] = entry.is_regular_file() ? *platform::foundation::readFile(entry.path()) : "";
  }
  return files;
}

}  // namespace vantile::settings::repositories::testing
