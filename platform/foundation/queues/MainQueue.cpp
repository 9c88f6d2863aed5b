#include "platform/foundation/queues/MainQueue.h"

#include "platform/foundation/files/SystemLog.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cmath>
#include <condition_variable>
#include <exception>
#include <map>
#include <mutex>
#include <string>
#include <utility>

namespace platform::foundation {

namespace {

// Timers never fire more often than this, so an interval of 0 cannot spin the queue.
constexpr double kMinimumTimerInterval = 0.001;
// The longest single wait of runFor; it loops, so this only bounds one condition-variable wait.
constexpr double kLongestWait = 3600.0;

TimeStamp systemNow() {
  const auto sinceEpoch = std::chrono::system_clock::now().time_since_epoch();
  return std::chrono::duration<double>(sinceEpoch).count();
}

// Negative and NaN delays mean "now"; infinity stays (the task never falls due).
double sanitizedDelay(double seconds) { return (std::isnan(seconds) || seconds < 0) ? 0.0 : seconds; }

// With the manual clock, a due time this close above the target still counts as reached, so
// sums like 0.1 + 0.1 + 0.1 (0.30000000000000004) fall due at 0.3: a timer of 0.1 s fires ten
// times in advance(1.0). A few units in the last place, at least a nanosecond.
double dueSlack(TimeStamp target) { return std::max(1e-9, std::fabs(target) * 4 * 2.220446049250313e-16); }

// Set while this thread runs a task of the queue: advance/runPending/runFor called from inside a
// task run nothing (see MainQueue::State::refuseNested).
thread_local bool runningTask = false;

struct RunningTaskScope {
  RunningTaskScope() : previous_(runningTask) { runningTask = true; }
  ~RunningTaskScope() { runningTask = previous_; }
  RunningTaskScope(const RunningTaskScope&) = delete;
  RunningTaskScope& operator=(const RunningTaskScope&) = delete;

 private:
  bool previous_;
};

void runTask(Task& task) {
  const RunningTaskScope scope;
  try {
    task();
  } catch (const std::exception& exception) {
    systemLog(std::string("MainQueue: a task threw: ") + exception.what());
  } catch (...) {
    systemLog("MainQueue: a task threw an unknown exception");
  }
}

}  // namespace

struct MainQueue::State {
  struct Key {
    TimeStamp due;
    std::uint64_t sequence;
    bool operator<(const Key& other) const {
      return due < other.due || (due == other.due && sequence < other.sequence);
    }
  };

  mutable std::mutex mutex;
  std::condition_variable wake;
  std::map<Key, Task> tasks;  // guarded by mutex; earliest due first, then posting order
  std::uint64_t nextSequence = 0;
  bool manualClock = false;
  // The manual time is kept as start + elapsed: the elapsed seconds add up among small numbers,
  // so a thousand advance(1.0 / 60) at a start of 1.7e9 end within rounding of start + 1000 / 60
  // instead of drifting by a rounding of 1.7e9 at every step (timers stay on their grid).
  TimeStamp manualStart = 0;
  double manualElapsed = 0;

  TimeStamp nowLocked() const { return manualClock ? manualStart + manualElapsed : systemNow(); }

  void postAt(TimeStamp due, Task task) {
    if (!task) {
      return;
    }
    {
      const std::lock_guard<std::mutex> lock(mutex);
      tasks.emplace(Key{due, nextSequence++}, std::move(task));
    }
    wake.notify_all();
  }

  // Takes the earliest task if it is due by `limit` (mutex held).
  bool takeDue(TimeStamp limit, Key& key, Task& task) {
    if (tasks.empty() || !(tasks.begin()->first.due <= limit)) {
      return false;
    }
    auto node = tasks.extract(tasks.begin());
    key = node.key();
    task = std::move(node.mapped());
    return true;
  }

  static bool refuseNested(const char* operation) {
    if (!runningTask) {
      return false;
    }
    systemLog(std::string("MainQueue: ") + operation + " called from inside a task; ignored");
    return true;
  }
};

namespace {

class Timer final : public RepeatingTimer, public std::enable_shared_from_this<Timer> {
 public:
  using PostAt = std::function<void(TimeStamp, Task)>;
  using Now = std::function<TimeStamp()>;

  Timer(double interval, std::function<void(RepeatingTimer&)> tick, PostAt postAt, Now now)
      : interval_(interval), tick_(std::move(tick)), postAt_(std::move(postAt)), now_(std::move(now)) {}

  void invalidate() override { valid_ = false; }
  bool isValid() const override { return valid_; }
  double interval() const override { return interval_; }

  void start() {
    start_ = now_();
    fires_ = 0;
    scheduleNext();
  }

 private:
  // Fire n falls at start + n * interval, so rounding never accumulates. When the real clock has
  // left fires behind (a slow tick, a queue not run for a while), the missed ones are skipped.
  void scheduleNext() {
    ++fires_;
    TimeStamp due = start_ + static_cast<double>(fires_) * interval_;
    const TimeStamp current = now_();
    if (due < current - dueSlack(current)) {
      const double next = std::floor((current - start_) / interval_) + 1;
      if (next < 0x1p53) {
        fires_ = static_cast<std::uint64_t>(next);
      } else {  // a clock moved by ages: start a new grid now
        start_ = current;
        fires_ = 1;
      }
      due = start_ + static_cast<double>(fires_) * interval_;
    }
    postAt_(due, [weak = weak_from_this()] {
      const std::shared_ptr<Timer> self = weak.lock();
      if (self) {
        self->fire();
      }
    });
  }

  void fire() {
    if (!valid_) {
      return;
    }
    tick_(*this);
    // While the tick ran, `fire`'s caller held a reference; when it was the last one, the owner
    // dropped the timer during the tick and it must stop.
    if (valid_ && weak_from_this().use_count() > 1) {
      scheduleNext();
    }
  }

  const double interval_;
  std::function<void(RepeatingTimer&)> tick_;
  PostAt postAt_;
  Now now_;
  std::atomic<bool> valid_{true};
  TimeStamp start_ = 0;
  std::uint64_t fires_ = 0;
};

}  // namespace

MainQueue::MainQueue() : state_(std::make_unique<State>()) {}

MainQueue::~MainQueue() = default;

MainQueue& MainQueue::shared() {
  static MainQueue queue;
  return queue;
}

void MainQueue::post(Task task) { postAfter(0, std::move(task)); }

void MainQueue::postAfter(double seconds, Task task) {
  if (!task) {
    return;
  }
  State& state = *state_;
  {
    const std::lock_guard<std::mutex> lock(state.mutex);
    state.tasks.emplace(State::Key{state.nowLocked() + sanitizedDelay(seconds), state.nextSequence++},
                        std::move(task));
  }
  state.wake.notify_all();
}

std::shared_ptr<RepeatingTimer> MainQueue::scheduleRepeating(double interval,
                                                             std::function<void(RepeatingTimer&)> tick) {
  if (std::isnan(interval) || interval < kMinimumTimerInterval) {
    interval = kMinimumTimerInterval;
  }
  State* state = state_.get();
  auto timer = std::make_shared<Timer>(
      interval, std::move(tick), [state](TimeStamp due, Task task) { state->postAt(due, std::move(task)); },
      [this] { return now(); });
  timer->start();
  return timer;
}

TimeStamp MainQueue::now() const {
  const std::lock_guard<std::mutex> lock(state_->mutex);
  return state_->nowLocked();
}

void MainQueue::useManualClock(TimeStamp start) {
  const std::lock_guard<std::mutex> lock(state_->mutex);
  state_->manualClock = true;
  state_->manualStart = start;
  state_->manualElapsed = 0;
}

void MainQueue::useRealClock() {
  {
    const std::lock_guard<std::mutex> lock(state_->mutex);
    state_->manualClock = false;
  }
  state_->wake.notify_all();
}

bool MainQueue::usesManualClock() const {
  const std::lock_guard<std::mutex> lock(state_->mutex);
  return state_->manualClock;
}

void MainQueue::advance(double seconds) {
  if (State::refuseNested("advance()")) {
    return;
  }
  State& state = *state_;
  std::unique_lock<std::mutex> lock(state.mutex);
  if (!state.manualClock) {
    lock.unlock();
    systemLog("MainQueue: advance() needs the manual clock; running what is due instead");
    runPending();
    return;
  }
  const double targetElapsed = state.manualElapsed + sanitizedDelay(seconds);
  const TimeStamp target = state.manualStart + targetElapsed;
  const TimeStamp limit = target + dueSlack(target);
  State::Key key{};
  Task task;
  while (state.manualClock && state.takeDue(limit, key, task)) {
    // The task runs at its own due time (within the slack, at most at the target); never backwards.
    state.manualElapsed = std::max(state.manualElapsed, std::min(key.due - state.manualStart, targetElapsed));
    lock.unlock();
    runTask(task);
    task = nullptr;  // destroy captures outside the lock too
    lock.lock();
  }
  if (state.manualClock && state.manualElapsed < targetElapsed) {
    state.manualElapsed = targetElapsed;
  }
}

void MainQueue::runPending() {
  if (State::refuseNested("runPending()")) {
    return;
  }
  State& state = *state_;
  std::unique_lock<std::mutex> lock(state.mutex);
  State::Key key{};
  Task task;
  while (true) {
    // Read the clock each time: a task posted with no delay by a task falls due at once.
    const TimeStamp current = state.nowLocked();
    const TimeStamp limit = state.manualClock ? current + dueSlack(current) : current;
    if (!state.takeDue(limit, key, task)) {
      break;
    }
    lock.unlock();
    runTask(task);
    task = nullptr;
    lock.lock();
  }
}

void MainQueue::runFor(double seconds) {
  if (State::refuseNested("runFor()")) {
    return;
  }
  State& state = *state_;
  if (usesManualClock()) {
    advance(seconds);
    return;
  }
  const TimeStamp deadline = systemNow() + sanitizedDelay(seconds);
  std::unique_lock<std::mutex> lock(state.mutex);
  State::Key key{};
  Task task;
  while (!state.manualClock) {
    const TimeStamp current = systemNow();
    if (state.takeDue(current, key, task)) {
      lock.unlock();
      runTask(task);
      task = nullptr;
      lock.lock();
      continue;
    }
    if (current >= deadline) {
      break;
    }
    TimeStamp wakeAt = deadline;
    if (!state.tasks.empty()) {
      wakeAt = std::min(wakeAt, state.tasks.begin()->first.due);
    }
    const double wait = std::clamp(wakeAt - current, 0.0, kLongestWait);
    // Woken early by a post from another thread; otherwise when the next task or the deadline is due.
    state.wake.wait_for(lock, std::chrono::duration<double>(wait));
  }
}

bool MainQueue::waitForDueTask(double seconds) {
  State& state = *state_;
  const TimeStamp deadline = systemNow() + sanitizedDelay(seconds);
  std::unique_lock<std::mutex> lock(state.mutex);
  while (true) {
    const TimeStamp current = state.nowLocked();
    const TimeStamp limit = state.manualClock ? current + dueSlack(current) : current;
    if (!state.tasks.empty() && state.tasks.begin()->first.due <= limit) {
      return true;
    }
    const TimeStamp wallNow = systemNow();
    if (wallNow >= deadline) {
      return false;
    }
    double wait = deadline - wallNow;
    if (!state.manualClock && !state.tasks.empty()) {
      wait = std::min(wait, state.tasks.begin()->first.due - current);
    }
    state.wake.wait_for(lock, std::chrono::duration<double>(std::clamp(wait, 0.0, kLongestWait)));
  }
}

void MainQueue::clear() {
  std::map<State::Key, Task> dropped;
  {
    const std::lock_guard<std::mutex> lock(state_->mutex);
    dropped.swap(state_->tasks);
  }
  // The tasks (and what they captured) are destroyed here, outside the lock: a capture's
  // destructor may post.
}

std::size_t MainQueue::pendingCount() const {
  const std::lock_guard<std::mutex> lock(state_->mutex);
  return state_->tasks.size();
}

}  // namespace platform::foundation
