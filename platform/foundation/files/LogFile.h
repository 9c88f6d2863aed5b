#pragma once

#include <cstdint>
#include <filesystem>
#include <string_view>

namespace platform::foundation {

// Log files are shared by several processes, so an entry is appended with one write and never
// read back; past the size cap the file is moved aside to "<name>.1" and a new one begun.
inline constexpr std::uintmax_t kLogFileSizeCap = 1024 * 1024;

bool appendLogEntry(const std::filesystem::path& logFile, std::string_view entry,
                    std::uintmax_t sizeCap = kLogFileSizeCap);

}  // namespace platform::foundation
