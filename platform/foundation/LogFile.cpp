#include "platform/foundation/LogFile.h"

#include "platform/foundation/Files.h"

namespace platform::foundation {

bool appendLogEntry(const std::filesystem::path& logFile, std::string_view entry, std::uintmax_t sizeCap) {
  std::error_code error;
  const auto size = std::filesystem::file_size(logFile, error);
  if (!error && size + entry.size() > sizeCap) {
    auto rotated = logFile;
    rotated += ".1";
    std::filesystem::rename(logFile, rotated, error);
  }
  return appendToFile(logFile, entry);
}

}  // namespace platform::foundation
