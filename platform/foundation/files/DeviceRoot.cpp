#include "platform/foundation/files/DeviceRoot.h"

#include <sys/stat.h>

#include <cstdlib>
#include <deque>
#include <mutex>
#include <optional>
#include <set>
#include <string>
#include <system_error>

#include "platform/foundation/files/SystemLog.h"

namespace platform::foundation {

namespace {

std::mutex rootMutex;
std::optional<std::filesystem::path> chosenRoot;  // guarded by rootMutex

namespace fs = std::filesystem;

// As the kernel allows (MAXSYMLINKS), so a loop of links ends.
constexpr int kMaximumLinks = 40;

fs::path absoluteNormal(const fs::path& path) {
  std::error_code error;
  fs::path absolute = fs::absolute(path, error);
  if (error) {
    absolute = path;
  }
  absolute = absolute.lexically_normal();
  if (absolute.has_relative_path() && absolute.filename().empty()) {
    absolute = absolute.parent_path();  // "/root/" → "/root"
  }
  return absolute;
}

// The part of a normal absolute path below the folder ("" for the folder itself); nothing
// when the path lies elsewhere.
std::optional<fs::path> partBelow(const fs::path& path, const fs::path& folder) {
  const fs::path relative = path.lexically_relative(folder);
  if (relative.empty() || *relative.begin() == "..") {
    return std::nullopt;
  }
  return relative == "." ? fs::path() : relative;
}

void prependParts(std::deque<fs::path>& pending, const fs::path& path) {
  pending.insert(pending.begin(), path.begin(), path.end());
}

// One line per offending link, not one per read: styling passes read the same files every second.
std::optional<fs::path> refuse(const fs::path& path, const fs::path& link) {
  constexpr std::size_t kRememberedLinks = 256;
  static std::mutex mutex;
  static std::set<std::string> reported;  // guarded by mutex
  const std::lock_guard<std::mutex> lock(mutex);
  if (reported.insert(link.string()).second) {
    if (reported.size() > kRememberedLinks) {
      reported = {link.string()};
    }
    const std::string through = absoluteNormal(path) == link ? "" : " through " + link.string();
    systemLog("Device folder: " + path.string() + " is treated as missing: it links out of the device folder" +
              through);
  }
  return std::nullopt;
}

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

std::optional<fs::path> pathInsideDeviceRoot(const fs::path& path) {
  const fs::path root = absoluteNormal(deviceRoot());
  std::error_code error;
  const fs::path realRoot = fs::canonical(root, error);
  if (error) {
    return path;  // no device folder yet, so nothing inside it either
  }
  const fs::path absolute = absoluteNormal(path);
  std::optional<fs::path> below = partBelow(absolute, root);
  if (!below) {
    below = partBelow(absolute, realRoot);
  }
  if (!below) {
    fs::path real = fs::weakly_canonical(path, error);
    return error ? path : real;
  }

  // Resolved one name at a time from the real root, so that every link met, in a folder or at
  // the end, is judged by where it leads from where it is.
  fs::path resolved = realRoot;
  std::deque<fs::path> pending(below->begin(), below->end());
  bool resolvedExists = true;
  int links = 0;
  fs::path lastLink;
  while (!pending.empty()) {
    const fs::path part = std::move(pending.front());
    pending.pop_front();
    if (part.empty() || part == ".") {
      continue;
    }
    if (part == "..") {
      if (resolved == realRoot) {
        return refuse(path, lastLink);  // only a link's target can climb: the path was normalised
      }
      resolved = resolved.parent_path();
      continue;
    }
    fs::path next = resolved / part;
    struct stat information {};
    if (!resolvedExists || ::lstat(next.c_str(), &information) != 0) {
      resolvedExists = false;  // nothing below a missing name can be a link
      resolved = std::move(next);
      continue;
    }
    if (!S_ISLNK(information.st_mode)) {
      resolved = std::move(next);
      continue;
    }
    const fs::path target = fs::read_symlink(next, error);
    if (error || ++links > kMaximumLinks) {
      return refuse(path, next);
    }
    lastLink = next;
    if (target.is_absolute()) {
      const fs::path normal = target.lexically_normal();
      std::optional<fs::path> targetBelow = partBelow(normal, realRoot);
      if (!targetBelow) {
        targetBelow = partBelow(normal, root);
      }
      if (!targetBelow) {
        return refuse(path, next);
      }
      resolved = realRoot;
      prependParts(pending, *targetBelow);
    } else {
      prependParts(pending, target);
    }
  }
  return resolved;
}

}  // namespace platform::foundation
