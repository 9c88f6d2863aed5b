#include "platform/foundation/files/LogFile.h"

#include "platform/foundation/files/DeviceRoot.h"
#include "platform/foundation/files/Files.h"

namespace platform::foundation {

bool appendLogEntry(const std::filesystem::path& logFile, std::string_view entry, std::uintmax_t sizeCap) {
  const auto real = pathInsideDeviceRoot(logFile);
  if (!real) {
    return false;
  }
  std::error_code error;
  const auto size = std::filesystem::file_size(*real, error);
  if (!error && size + entry.size() > sizeCap) {
    auto rotated = *real;
    rotated += ".1";
    std::filesystem::rename(*real, rotated, error);
  }
  return appendToFile(*real, entry);
}

}  // namespace platform::foundation
