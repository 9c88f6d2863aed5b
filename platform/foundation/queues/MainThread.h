#pragma once

namespace platform::foundation {

// Whether the caller runs on the process's main thread (the one that loaded the platform).
bool isMainThread();

}  // namespace platform::foundation
