#include "engine/images/WebPictureLoads.h"

#include <mutex>
#include <utility>

#include "platform/foundation/network/URLLoading.h"
#include "platform/foundation/queues/MainQueue.h"
#include "platform/graphics/ImageCodec.h"
#include "platform/ui/views/ImageView.h"

namespace vantile {

namespace foundation = platform::foundation;
namespace graphics = platform::graphics;
namespace ui = platform::ui;

// What a worker made of one transfer. Kept beside the load, so that a delivery lost with a
// cleared main queue is made again by the next view asking for the same address.
struct WebPictureLoads::Outcome {
  std::mutex mutex;
  bool done = false;                       // guarded by mutex
  std::optional<graphics::Image> picture;  // guarded by mutex
};

WebPictureLoads& WebPictureLoads::shared() {
  static WebPictureLoads loads;
  return loads;
}

void WebPictureLoads::showPicture(ui::ImageView& view, const std::string& url, Finish finish) {
  const std::uint64_t ticket = nextTicket_++;
  latestTickets_[&view] = ticket;
  auto [entry, isNew] = loads_.try_emplace(url);
  Load& load = entry->second;
  load.waiters.push_back(Waiter{view.weak_from_this(), &view, ticket, std::move(finish)});
  if (isNew) {
    load.outcome = std::make_shared<Outcome>();
    start(url, load.outcome);
    return;
  }
  const std::lock_guard lock(load.outcome->mutex);
  if (load.outcome->done) {
    foundation::MainQueue::shared().post([this, url, outcome = load.outcome] { deliver(url, outcome); });
  }
}

void WebPictureLoads::forget(const ui::ImageView& view) { latestTickets_.erase(&view); }

void WebPictureLoads::start(const std::string& url, const std::shared_ptr<Outcome>& outcome) {
  foundation::fetchURLInBackground(url, kTimeoutSeconds, kMaxBytes,
                                   [this, url, outcome](std::optional<std::string> bytes) {
                                     auto picture = bytes ? graphics::decodeImage(*bytes) : std::nullopt;
                                     {
                                       const std::lock_guard lock(outcome->mutex);
                                       outcome->picture = std::move(picture);
                                       outcome->done = true;
                                     }
                                     return foundation::Task([this, url, outcome] { deliver(url, outcome); });
                                   });
}

void WebPictureLoads::deliver(const std::string& url, const std::shared_ptr<Outcome>& outcome) {
  const auto found = loads_.find(url);
  if (found == loads_.end() || found->second.outcome != outcome) {
    return;  // delivered already
  }
  const std::vector<Waiter> waiters = std::move(found->second.waiters);
  loads_.erase(found);
  std::optional<graphics::Image> picture;
  {
    const std::lock_guard lock(outcome->mutex);
    picture = outcome->picture;
  }
  for (const Waiter& waiter : waiters) {
    const auto latest = latestTickets_.find(waiter.key);
    if (latest == latestTickets_.end() || latest->second != waiter.ticket) {
      continue;  // chosen anew since
    }
    latestTickets_.erase(latest);
    if (const auto view = waiter.view.lock()) {
      static_cast<ui::ImageView&>(*view).setImage(waiter.finish(picture));
    }
  }
}

}  // namespace vantile
