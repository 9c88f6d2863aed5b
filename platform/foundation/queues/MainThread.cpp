#include "platform/foundation/queues/MainThread.h"

#include <thread>

namespace platform::foundation {

namespace {
// Initialised while the program loads, which happens on its main thread.
const std::thread::id kMainThread = std::this_thread::get_id();
}  // namespace

bool isMainThread() { return std::this_thread::get_id() == kMainThread; }

}  // namespace platform::foundation
