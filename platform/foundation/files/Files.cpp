#include "platform/foundation/files/Files.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>

#include "platform/foundation/files/DeviceRoot.h"

namespace platform::foundation {

namespace {

namespace fs = std::filesystem;

// Writes everything, looping only on partial writes and interruptions.
bool writeAll(int descriptor, std::string_view contents) {
  const char* data = contents.data();
  std::size_t remaining = contents.size();
  while (remaining > 0) {
    const ssize_t written = ::write(descriptor, data, remaining);
    if (written < 0) {
      if (errno == EINTR) {
        continue;
      }
      return false;
    }
    if (written == 0) {
      return false;
    }
    data += written;
    remaining -= static_cast<std::size_t>(written);
  }
  return true;
}

bool createParentFolders(const fs::path& path) {
  const fs::path parent = path.parent_path();
  if (parent.empty()) {
    return true;
  }
  std::error_code error;
  fs::create_directories(parent, error);
  return !error || fs::is_directory(parent, error);
}

// The process's file-creation mask, read without changing it (umask(2) cannot only read, and
// setting it back and forth would race with other threads).
mode_t creationMask() {
  mode_t value = 022;
  if (FILE* status = std::fopen("/proc/self/status", "re")) {
    char line[256];
    while (std::fgets(line, sizeof line, status) != nullptr) {
      unsigned int parsed = 0;
      if (std::sscanf(line, "Umask: %o", &parsed) == 1) {
        value = static_cast<mode_t>(parsed & 0777);
        break;
      }
    }
    std::fclose(status);
  }
  return value;
}

}  // namespace

bool fileExists(const fs::path& path) {
  const auto real = pathInsideDeviceRoot(path);
  std::error_code error;
  return real && fs::is_regular_file(*real, error);
}

bool directoryExists(const fs::path& path) {
  const auto real = pathInsideDeviceRoot(path);
  std::error_code error;
  return real && fs::is_directory(*real, error);
}

std::optional<std::string> readFile(const fs::path& path) {
  const auto real = pathInsideDeviceRoot(path);
  if (!real) {
    return std::nullopt;
  }
  // The links are resolved: one swapped in at the end since then is not followed.
  const int descriptor = ::open(real->c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW);
  if (descriptor < 0) {
    return std::nullopt;
  }
  struct stat information {};
  if (::fstat(descriptor, &information) != 0 || S_ISDIR(information.st_mode)) {
    ::close(descriptor);
    return std::nullopt;
  }
  std::string contents;
  if (S_ISREG(information.st_mode) && information.st_size > 0) {
    contents.reserve(static_cast<std::size_t>(information.st_size));
  }
  char buffer[65536];
  while (true) {
    const ssize_t count = ::read(descriptor, buffer, sizeof buffer);
    if (count < 0) {
      if (errno == EINTR) {
        continue;
      }
      ::close(descriptor);
      return std::nullopt;
    }
    if (count == 0) {
      break;
    }
    contents.append(buffer, static_cast<std::size_t>(count));
  }
  ::close(descriptor);
  return contents;
}

bool writeFileAtomically(const fs::path& requested, std::string_view contents) {
  if (requested.empty() || requested.filename().empty()) {
    return false;
  }
  // A link inside the device folder stays and its target gets the new contents.
  const auto real = pathInsideDeviceRoot(requested);
  if (!real || !createParentFolders(*real)) {
    return false;
  }
  const fs::path& path = *real;
  // A hidden name beside the target; a long target name is cut so the name stays within NAME_MAX.
  const std::string name = path.filename().string().substr(0, 200);
  std::string temporary = (path.parent_path() / ("." + name + ".tmp-XXXXXX")).string();
  const int descriptor = ::mkostemp(temporary.data(), O_CLOEXEC);
  if (descriptor < 0) {
    return false;
  }
  // mkstemp creates the file 0600; give it the mode the target has, or a new file would get.
  mode_t mode = 0666 & ~creationMask();
  struct stat existing {};
  if (::stat(path.c_str(), &existing) == 0 && S_ISREG(existing.st_mode)) {
    mode = existing.st_mode & 07777;
  }
  bool written = ::fchmod(descriptor, mode) == 0 && writeAll(descriptor, contents);
  written = (::close(descriptor) == 0) && written;
  std::error_code error;
  if (written) {
    fs::rename(temporary, path, error);
    if (!error) {
      return true;
    }
  }
  fs::remove(temporary, error);
  return false;
}

bool appendToFile(const fs::path& path, std::string_view contents) {
  if (path.empty()) {
    return false;
  }
  const auto real = pathInsideDeviceRoot(path);
  if (!real || !createParentFolders(*real)) {
    return false;
  }
  const int descriptor = ::open(real->c_str(), O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0666);
  if (descriptor < 0) {
    return false;
  }
  const bool written = writeAll(descriptor, contents);
  return (::close(descriptor) == 0) && written;
}

std::vector<std::string> listFolder(const fs::path& path) {
  std::vector<std::string> names;
  const auto real = pathInsideDeviceRoot(path);
  if (!real) {
    return names;
  }
  std::error_code error;
  fs::directory_iterator entries(*real, error);
  if (error) {
    return names;
  }
  const fs::directory_iterator end;
  while (entries != end) {
    names.push_back(entries->path().filename().string());
    entries.increment(error);
    if (error) {
      break;
    }
  }
  std::sort(names.begin(), names.end());
  return names;
}

}  // namespace platform::foundation
