#include "testing/MainQueueWaiting.h"

#include <chrono>
#include <thread>

#include "platform/foundation/queues/MainQueue.h"

namespace vantile::testing {

bool runMainQueueUntil(const std::function<bool()>& done, double limitSeconds) {
  const auto limit = std::chrono::steady_clock::now() + std::chrono::duration<double>(limitSeconds);
  while (true) {
    platform::foundation::MainQueue::shared().runPending();
    if (done()) return true;
    if (std::chrono::steady_clock::now() > limit) return false;
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
}

}  // namespace vantile::testing
