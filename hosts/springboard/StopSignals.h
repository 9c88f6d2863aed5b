#pragma once

#include <csignal>

namespace vantile::springboard {

// SIGINT and SIGTERM as something to read rather than a handler: while this lives both are
// blocked and queued on a descriptor, so stopping is an ordinary check of the main loop and
// nothing runs inside a signal handler. Make it before any thread starts, so that every thread
// inherits the blocked mask and no thread takes the default action instead.
class StopSignals {
 public:
  StopSignals();
  ~StopSignals();

  // Whether a stop was asked since the last call (never blocks).
  bool received();
  // False when the descriptor could not be made (the reason is logged).
  bool isValid() const { return descriptor_ >= 0; }

  StopSignals(const StopSignals&) = delete;
  StopSignals& operator=(const StopSignals&) = delete;

 private:
  sigset_t previousMask_{};
  int descriptor_ = -1;
};

}  // namespace vantile::springboard
