#include "platform/web/ViewServiceDirectory.h"

#include <map>
#include <mutex>

namespace platform::web {

namespace {

struct Directory {
  std::mutex mutex;
  std::map<std::string, std::filesystem::path> executables;
};

Directory& directory() {
  static Directory instance;
  return instance;
}

}  // namespace

void registerViewService(const std::string& bundleIdentifier, const std::filesystem::path& executable) {
  Directory& d = directory();
  const std::lock_guard lock(d.mutex);
  d.executables[bundleIdentifier] = executable;
}

void forgetViewService(const std::string& bundleIdentifier) {
  Directory& d = directory();
  const std::lock_guard lock(d.mutex);
  d.executables.erase(bundleIdentifier);
}

std::optional<std::filesystem::path> viewServiceExecutable(const std::string& bundleIdentifier) {
  Directory& d = directory();
  const std::lock_guard lock(d.mutex);
  const auto found = d.executables.find(bundleIdentifier);
  if (found == d.executables.end()) return std::nullopt;
  return found->second;
}

}  // namespace platform::web
