#include "StopSignals.h"

#include <sys/signalfd.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <string>

#include "platform/foundation/files/SystemLog.h"

namespace vantile::springboard {

StopSignals::StopSignals() {
  sigset_t stops;
  sigemptyset(&stops);
  sigaddset(&stops, SIGINT);
  sigaddset(&stops, SIGTERM);
  pthread_sigmask(SIG_BLOCK, &stops, &previousMask_);
  descriptor_ = signalfd(-1, &stops, SFD_NONBLOCK | SFD_CLOEXEC);
  if (descriptor_ < 0) {
    platform::foundation::systemLog(std::string("springboard: cannot watch for SIGINT/SIGTERM: ") +
                                    std::strerror(errno));
  }
}

StopSignals::~StopSignals() {
  // A stop that arrives while the host winds down is taken, not left to kill it once unblocked.
  received();
  if (descriptor_ >= 0) {
    close(descriptor_);
  }
  pthread_sigmask(SIG_SETMASK, &previousMask_, nullptr);
}

bool StopSignals::received() {
  signalfd_siginfo info{};
  bool any = false;
  while (descriptor_ >= 0 && read(descriptor_, &info, sizeof info) == static_cast<ssize_t>(sizeof info)) {
    any = true;
  }
  return any;
}

}  // namespace vantile::springboard
