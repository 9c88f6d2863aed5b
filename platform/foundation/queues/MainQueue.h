#pragma once

#include <cstdint>
#include <functional>
#include <memory>

// The main queue and its clock. Everything of the system runs on the main thread; other
// threads hand work over with post(). Nothing sleeps: tests and scenarios use the manual
// clock and advance it, and everything that falls due runs, in order of due time, then of posting.
namespace platform::foundation {

using Task = std::function<void()>;

// Seconds since 1970-01-01 UTC.
using TimeStamp = double;

class RepeatingTimer;

class MainQueue {
 public:
  static MainQueue& shared();

  // Safe from any thread.
  void post(Task task);
  void postAfter(double seconds, Task task);

  // Fires every `interval` seconds from now until the returned timer is invalidated or destroyed.
  std::shared_ptr<RepeatingTimer> scheduleRepeating(double interval, std::function<void(RepeatingTimer&)> tick);

  TimeStamp now() const;

  // Manual clock, starting at `start`: time moves only through advance().
  void useManualClock(TimeStamp start);
  // Real clock (the default).
  void useRealClock();
  bool usesManualClock() const;

  // Manual clock: moves time forward to now + seconds, running every task that falls due on
  // the way (including ones posted meanwhile) at its own due time.
  void advance(double seconds);
  // Runs every task already due now.
  void runPending();
  // Real clock: runs the queue for `seconds`, waiting for due tasks and posts from other threads.
  void runFor(double seconds);
  // Waits, at most `seconds` of wall time, until a task is due by the queue's clock (with the
  // manual clock: until another thread posts one); runs nothing. True when a task is due.
  bool waitForDueTask(double seconds);

  // Drops every pending task (tests start from an empty queue).
  void clear();
  std::size_t pendingCount() const;

  MainQueue(const MainQueue&) = delete;
  MainQueue& operator=(const MainQueue&) = delete;
  ~MainQueue();

 private:
  MainQueue();
  struct State;
  std::unique_ptr<State> state_;
};

class RepeatingTimer {
 public:
  virtual ~RepeatingTimer() = default;
  virtual void invalidate() = 0;
  virtual bool isValid() const = 0;
  virtual double interval() const = 0;
};

}  // namespace platform::foundation
