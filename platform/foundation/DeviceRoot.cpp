#include "platform/foundation/DeviceRoot.h"

#include <cstdlib>
#include <mutex>
#include <optional>
#include <system_error>

namespace platform::foundation {

namespace {

std::mutex rootMutex;
std::optional<std::filesystem::path> chosenRoot;  // guarded by rootMutex

}  // namespace

std::filesystem::path deviceRoot() {
  {
    const std::lock_guard<std::mutex> lock(rootMutex);
    if (chosenRoot) {
      return *chosenRoot;
    }
  }
  if (const char* environment = std::getenv("VANTILE_ROOT"); environment != nullptr && *environment != '\0') {
    return environment;
  }
  std::error_code error;
  auto workingDirectory = std::filesystem::current_path(error);
  if (error) {
    return ".";
  }
  return workingDirectory;
}

void setDeviceRoot(const std::filesystem::path& root) {
  const std::lock_guard<std::mutex> lock(rootMutex);
  if (root.empty()) {
    chosenRoot.reset();
  } else {
    chosenRoot = root;
  }
}

std::filesystem::path devicePath(std::string_view systemPath) {
  // Normalised against "/", a leading ".." has nowhere to go and is dropped, so the result can
  // never leave the root.
  const std::filesystem::path normal = (std::filesystem::path("/") / std::filesystem::path(systemPath)).lexically_normal();
  std::filesystem::path relative = normal.relative_path();
  if (!relative.empty() && relative.filename().empty()) {
    relative = relative.parent_path();  // "var/mobile/" → "var/mobile"
  }
  const std::filesystem::path root = deviceRoot();
  return relative.empty() ? root : root / relative;
}

}  // namespace platform::foundation
