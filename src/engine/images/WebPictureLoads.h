#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

#include "platform/graphics/Image.h"

namespace platform::ui {
class ImageView;
class View;
}  // namespace platform::ui

namespace vantile {

// Pictures given by web address, loaded off the main thread: one transfer per address however
// many views ask for it while it runs (so one per address in a build), bounded in time and size;
// each view that asked gets the decoded picture on the main queue, unless its picture has been
// chosen anew since. A failed or oversized transfer gives no picture. Main thread only.
class WebPictureLoads {
 public:
  static constexpr double kTimeoutSeconds = 4;
  static constexpr std::size_t kMaxBytes = 10 * 1024 * 1024;

  // Makes the picture the view shows, from what arrived (nothing when the transfer failed).
  using Finish = std::function<std::optional<platform::graphics::Image>(std::optional<platform::graphics::Image>)>;

  static WebPictureLoads& shared();

  void showPicture(platform::ui::ImageView& view, const std::string& url, Finish finish);

  // The view's picture is being chosen anew: a picture still on its way to it is not shown.
  void forget(const platform::ui::ImageView& view);

  // The address's picture has not been handed to the views waiting for it yet.
  bool isLoading(const std::string& url) const { return loads_.contains(url); }

  WebPictureLoads(const WebPictureLoads&) = delete;
  WebPictureLoads& operator=(const WebPictureLoads&) = delete;

 private:
  WebPictureLoads() = default;

  struct Outcome;
  struct Waiter {
    std::weak_ptr<platform::ui::View> view;
    const platform::ui::ImageView* key;
    std::uint64_t ticket;
    Finish finish;
  };
  struct Load {
    std::shared_ptr<Outcome> outcome;
    std::vector<Waiter> waiters;
  };

  void start(const std::string& url, const std::shared_ptr<Outcome>& outcome);
  void deliver(const std::string& url, const std::shared_ptr<Outcome>& outcome);

  std::unordered_map<std::string, Load> loads_;
  // The latest request of each view still waiting for a picture.
  std::unordered_map<const platform::ui::ImageView*, std::uint64_t> latestTickets_;
  std::uint64_t nextTicket_ = 1;
};

}  // namespace vantile
