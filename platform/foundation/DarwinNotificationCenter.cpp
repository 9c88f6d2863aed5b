#include "platform/foundation/DarwinNotificationCenter.h"

#include <map>
#include <mutex>
#include <vector>

#include "platform/foundation/MainQueue.h"

namespace platform::foundation {

namespace {

struct Observer {
  std::string name;
  DarwinNotificationCenter::Handler handler;
};

class ObservationToken final : public DarwinNotificationCenter::Observation {
 public:
  explicit ObservationToken(std::shared_ptr<Observer> observer) : observer_(std::move(observer)) {}

 private:
  std::shared_ptr<Observer> observer_;
};

}  // namespace

struct DarwinNotificationCenter::State {
  std::mutex mutex;
  // Weak: an observer lives exactly as long as its observation token.
  std::multimap<std::string, std::weak_ptr<Observer>, std::less<>> observers;
};

DarwinNotificationCenter::DarwinNotificationCenter() : state_(std::make_shared<State>()) {}
DarwinNotificationCenter::~DarwinNotificationCenter() = default;

DarwinNotificationCenter& DarwinNotificationCenter::shared() {
  static DarwinNotificationCenter center;
  return center;
}

std::shared_ptr<DarwinNotificationCenter::Observation> DarwinNotificationCenter::addObserver(std::string name,
                                                                                             Handler handler) {
  auto observer = std::make_shared<Observer>(Observer{name, std::move(handler)});
  const std::lock_guard lock(state_->mutex);
  state_->observers.emplace(std::move(name), observer);
  return std::make_shared<ObservationToken>(std::move(observer));
}

void DarwinNotificationCenter::post(std::string_view name) {
  std::vector<std::weak_ptr<Observer>> receivers;
  {
    const std::lock_guard lock(state_->mutex);
    auto [first, last] = state_->observers.equal_range(name);
    for (auto entry = first; entry != last;) {
      if (entry->second.expired()) {
        entry = state_->observers.erase(entry);
      } else {
        receivers.push_back(entry->second);
        ++entry;
      }
    }
  }
  for (auto& receiver : receivers) {
    MainQueue::shared().post([receiver = std::move(receiver)] {
      if (const auto observer = receiver.lock()) {
        observer->handler(observer->name);
      }
    });
  }
}

}  // namespace platform::foundation
