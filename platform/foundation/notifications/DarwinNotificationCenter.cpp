#include "platform/foundation/notifications/DarwinNotificationCenter.h"

#include <atomic>
#include <filesystem>
#include <map>
#include <mutex>
#include <optional>
#include <vector>

#include "platform/foundation/files/DeviceRoot.h"
#include "platform/foundation/files/SystemLog.h"
#include "platform/foundation/notifications/NotificationFolder.h"
#include "platform/foundation/notifications/NotificationListener.h"
#include "platform/foundation/queues/MainQueue.h"

namespace platform::foundation {

namespace {

constexpr std::string_view kSocketFolder = "/var/run/vantile-notify";

struct Observer {
  // Spelled out: clang does not make aggregates from parentheses (make_shared).
  Observer(std::string observedName, DarwinNotificationCenter::Handler observedHandler,
           DarwinNotificationCenter::Delivery observedDelivery)
      : name(std::move(observedName)), handler(std::move(observedHandler)), delivery(observedDelivery) {}

  std::string name;
  DarwinNotificationCenter::Handler handler;
  DarwinNotificationCenter::Delivery delivery;
  // Coalesced observers only: a delivery is on the main queue.
  std::atomic<bool> deliveryQueued{false};
};

class ObservationToken final : public DarwinNotificationCenter::Observation {
 public:
  explicit ObservationToken(std::shared_ptr<Observer> observer) : observer_(std::move(observer)) {}

 private:
  std::shared_ptr<Observer> observer_;
};

// Clears a coalesced observer's mark when its delivery runs, and also when the delivery is
// dropped without running (MainQueue::clear), so later posts are not swallowed.
class QueuedMark {
 public:
  explicit QueuedMark(std::weak_ptr<Observer> observer) : observer_(std::move(observer)) {}
  ~QueuedMark() {
    if (const auto observer = observer_.lock()) {
      observer->deliveryQueued = false;
    }
  }
  QueuedMark(const QueuedMark&) = delete;
  QueuedMark& operator=(const QueuedMark&) = delete;

 private:
  std::weak_ptr<Observer> observer_;
};

void queueDelivery(std::weak_ptr<Observer> receiver, std::shared_ptr<QueuedMark> mark) {
  MainQueue::shared().post([receiver = std::move(receiver), mark = std::move(mark)]() mutable {
    mark.reset();  // a post arriving while the handler runs gets a delivery of its own
    if (const auto observer = receiver.lock()) {
      observer->handler(observer->name);
    }
  });
}

}  // namespace

struct DarwinNotificationCenter::State {
  std::mutex mutex;
  // Weak: an observer lives exactly as long as its observation token.
  std::multimap<std::string, std::weak_ptr<Observer>, std::less<>> observers;

  std::mutex transportMutex;
  // The socket folder of the root the transport was last set up for, even when that failed,
  // so a folder that cannot be used is reported once.
  std::optional<std::filesystem::path> listeningFolder;
  // Declared last: destroyed first, joining the receiving thread while the observers still exist.
  std::unique_ptr<NotificationListener> listener;

  void deliverHere(std::string_view name) {
    std::vector<std::shared_ptr<Observer>> receivers;
    {
      const std::lock_guard lock(mutex);
      auto [first, last] = observers.equal_range(name);
      for (auto entry = first; entry != last;) {
        if (auto observer = entry->second.lock()) {
          receivers.push_back(std::move(observer));
          ++entry;
        } else {
          entry = observers.erase(entry);
        }
      }
    }
    for (auto& observer : receivers) {
      std::shared_ptr<QueuedMark> mark;
      if (observer->delivery == Delivery::Coalesced) {
        if (observer->deliveryQueued.exchange(true)) {
          continue;
        }
        mark = std::make_shared<QueuedMark>(observer);
      }
      queueDelivery(observer, std::move(mark));
    }
  }

  // transportMutex held. Moves this process's socket into the current root's folder.
  void listenInCurrentRoot() {
    const std::filesystem::path folder = devicePath(kSocketFolder);
    if (listeningFolder == folder) {
      return;
    }
    listener.reset();
    listeningFolder = folder;
    auto opened = NotificationFolder::open(folder, true);
    if (opened) {
      listener = NotificationListener::start(std::move(*opened), kMaximumNameLength,
                                             [this](std::string name) { deliverHere(name); });
    }
    if (!listener) {
      systemLog("DarwinNotificationCenter: notifications stay within this process");
    }
  }

  void postToOtherProcesses(std::string_view name) {
    const std::lock_guard lock(transportMutex);
    if (listeningFolder) {
      listenInCurrentRoot();
    }
    if (listener) {
      listener->folder().broadcast(name, listener->socketName());
    } else if (const auto folder = NotificationFolder::open(devicePath(kSocketFolder), false)) {
      folder->broadcast(name, {});
    }
  }
};

DarwinNotificationCenter::DarwinNotificationCenter() : state_(std::make_shared<State>()) {
  // Made first, so it is destroyed after the centre, whose receiving thread posts to it.
  MainQueue::shared();
}
DarwinNotificationCenter::~DarwinNotificationCenter() = default;

DarwinNotificationCenter& DarwinNotificationCenter::shared() {
  static DarwinNotificationCenter center;
  return center;
}

bool DarwinNotificationCenter::isValidName(std::string_view name) {
  return !name.empty() && name.size() <= kMaximumNameLength;
}

std::shared_ptr<DarwinNotificationCenter::Observation> DarwinNotificationCenter::addObserver(std::string name,
                                                                                             Handler handler,
                                                                                             Delivery delivery) {
  auto observer = std::make_shared<Observer>(std::move(name), std::move(handler), delivery);
  {
    const std::lock_guard lock(state_->mutex);
    state_->observers.emplace(observer->name, observer);
  }
  {
    const std::lock_guard lock(state_->transportMutex);
    state_->listenInCurrentRoot();
  }
  return std::make_shared<ObservationToken>(std::move(observer));
}

bool DarwinNotificationCenter::post(std::string_view name) {
  if (!isValidName(name)) {
    systemLog("DarwinNotificationCenter: refused a notification name of " + std::to_string(name.size()) +
              " bytes (1 to " + std::to_string(kMaximumNameLength) + ")");
    return false;
  }
  state_->deliverHere(name);
  state_->postToOtherProcesses(name);
  return true;
}

}  // namespace platform::foundation
