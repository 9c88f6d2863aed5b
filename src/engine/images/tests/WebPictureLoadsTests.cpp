#include <gtest/gtest.h>

#include <chrono>
#include <cstdint>
#include <functional>
#include <string>
#include <thread>
#include <vector>

#include "engine/images/ImagePipeline.h"
#include "engine/images/WebPictureLoads.h"
#include "engine/testing/RecordingHost.h"
#include "platform/foundation/queues/MainQueue.h"
#include "platform/graphics/Image.h"
#include "platform/graphics/PNGCodec.h"
#include "platform/ui/views/ImageView.h"
#include "testing/LoopbackServer.h"
#include "testing/MainQueueWaiting.h"
#include "testing/TemporaryDeviceRoot.h"

namespace vantile {
namespace {

namespace graphics = platform::graphics;
namespace ui = platform::ui;
using graphics::PixelRGBA;
using platform::Value;

constexpr PixelRGBA kWhite{255, 255, 255, 255};
constexpr PixelRGBA kRed{255, 0, 0, 255};

std::string png(int width, PixelRGBA colour) {
  std::vector<std::uint8_t> rgba(static_cast<std::size_t>(width) * 4);
  for (std::size_t at = 0; at < rgba.size(); at += 4) {
    rgba[at] = colour.red;
    rgba[at + 1] = colour.green;
    rgba[at + 2] = colour.blue;
    rgba[at + 3] = colour.alpha;
  }
  return *graphics::encodePNG(*graphics::Image::fromRGBA(width, 1, rgba));
}

std::string pngResponse(int width) { return testing::LoopbackHTTPServer::response(200, png(width, kWhite)); }

Value imageElement(const std::string& url, const Value& extra = Value::object()) {
  Value element = {{"type", "UIImageView"},
                   {"imageURL", url},
                   {"frame", {{"x", "0"}, {"y", "0"}, {"width", "20"}, {"height", "20"}}}};
  for (const auto& [key, value] : extra.items()) element[key] = value;
  return element;
}

std::optional<int> widthOf(const std::shared_ptr<ui::View>& view) {
  const auto* imageView = dynamic_cast<const ui::ImageView*>(view.get());
  if (imageView == nullptr || !imageView->image()) return std::nullopt;
  return imageView->image()->width();
}

std::function<bool()> delivered(std::string url) {
  return [url = std::move(url)] { return !WebPictureLoads::shared().isLoading(url); };
}

TEST(WebPictures, ASlowHostDoesNotHoldTheBuildAndEachAddressIsFetchedOnce) {
  const testing::TemporaryDeviceRoot root;
  testing::LoopbackHTTPServer slow(pngResponse(3));
  testing::LoopbackHTTPServer quick(pngResponse(5));
  slow.holdAnswers();
  const auto host = testing::RecordingHost::make();
  const auto screen = ui::View::make({0, 0, 375, 812});
  // Two elements share the slow address; the red one is recoloured once its picture comes.
  host->build(
      {{"first", imageElement(slow.url("/a.png"))},
       {"second", imageElement(slow.url("/a.png"), {{"imageColor", "rgba(255,0,0,1)"}, {"imageIsBlack", "YES"}})},
       {"third", imageElement(quick.url("/b.png"))}},
      screen, std::vector<std::string>{"first", "second", "third"});
  ASSERT_EQ(screen->subviews().size(), 3u);
  for (const auto& view : screen->subviews()) {
    EXPECT_EQ(widthOf(view), std::nullopt) << "pictures come on the main queue, after the build";
  }

  slow.releaseAnswers();
  ASSERT_TRUE(
      testing::runMainQueueUntil([&] { return delivered(slow.url("/a.png"))() && delivered(quick.url("/b.png"))(); }));
  EXPECT_EQ(widthOf(screen->subviews()[0]), 3);
  EXPECT_EQ(widthOf(screen->subviews()[1]), 3);
  EXPECT_EQ(widthOf(screen->subviews()[2]), 5);
  // Dark artwork is not inverted: white stays the ground and becomes clear.
  const auto& recoloured = dynamic_cast<const ui::ImageView&>(*screen->subviews()[1]).image();
  ASSERT_TRUE(recoloured);
  EXPECT_EQ(recoloured->pixelAt(0, 0)->alpha, 0);
  EXPECT_EQ(slow.requestCount(), 1u) << "builder and preparation of both elements share one transfer";
  EXPECT_EQ(quick.requestCount(), 1u);
}

TEST(WebPictures, AViewPreparedAgainWhileItsPictureLoadsKeepsTheNewerPicture) {
  const testing::TemporaryDeviceRoot root;
  root.writeFile("/var/mobile/Library/VantileAssets/seven.png", png(7, kRed));
  testing::LoopbackHTTPServer slow(pngResponse(3));
  slow.holdAnswers();
  const auto changed = ui::ImageView::make({0, 0, 20, 20});
  const auto waiting = ui::ImageView::make({0, 0, 20, 20});
  ImagePipeline::setupImageForImageView(*changed, {{"imageURL", slow.url("/a.png")}});
  ImagePipeline::setupImageForImageView(*waiting, {{"imageURL", slow.url("/a.png")}});
  ImagePipeline::setupImageForImageView(*changed, {{"imageURL", "seven.png"}});

  slow.releaseAnswers();
  ASSERT_TRUE(testing::runMainQueueUntil(delivered(slow.url("/a.png"))));
  ASSERT_TRUE(waiting->image());
  EXPECT_EQ(waiting->image()->width(), 3);
  ASSERT_TRUE(changed->image());
  EXPECT_EQ(changed->image()->width(), 7);
}

TEST(WebPictures, ADeliveryLostWithAClearedQueueIsMadeAgainForTheNextView) {
  const testing::TemporaryDeviceRoot root;
  testing::LoopbackHTTPServer server(pngResponse(3));
  const auto first = ui::ImageView::make({0, 0, 20, 20});
  ImagePipeline::setupImageForImageView(*first, {{"imageURL", server.url("/a.png")}});
  auto& mainQueue = platform::foundation::MainQueue::shared();
  for (int round = 0; round < 2000 && mainQueue.pendingCount() == 0; ++round) {
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
  ASSERT_GE(mainQueue.pendingCount(), 1u) << "the picture is waiting for the main queue";
  mainQueue.clear();

  const auto second = ui::ImageView::make({0, 0, 20, 20});
  ImagePipeline::setupImageForImageView(*second, {{"imageURL", server.url("/a.png")}});
  ASSERT_TRUE(testing::runMainQueueUntil(delivered(server.url("/a.png"))));
  ASSERT_TRUE(second->image());
  EXPECT_EQ(second->image()->width(), 3);
  EXPECT_EQ(server.requestCount(), 1u);
}

}  // namespace
}  // namespace vantile
