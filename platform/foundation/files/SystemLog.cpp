#include "platform/foundation/files/SystemLog.h"

#include <cstdio>
#include <mutex>
#include <string>

namespace platform::foundation {

void systemLog(std::string_view message) {
  static std::mutex mutex;
  std::string line;
  line.reserve(message.size() + 1);
  line.append(message);
  line.push_back('\n');
  const std::lock_guard<std::mutex> lock(mutex);
  std::fwrite(line.data(), 1, line.size(), stderr);
  std::fflush(stderr);
}

}  // namespace platform::foundation
