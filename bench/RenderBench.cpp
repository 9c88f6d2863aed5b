#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "platform/ui/views/BlurView.h"
#include "platform/ui/views/ImageView.h"
#include "platform/ui/text/Label.h"
#include "platform/ui/render/Renderer.h"
#include "platform/ui/views/View.h"

namespace {

using platform::graphics::Color;
using platform::graphics::Image;
using platform::graphics::Rect;
using namespace platform::ui;

Image checkerImage(int side) {
  std::vector<std::uint8_t> rgba;
  for (int y = 0; y < side; ++y) {
    for (int x = 0; x < side; ++x) {
      const bool dark = ((x / 8) + (y / 8)) % 2 == 0;
      rgba.insert(rgba.end(), {static_cast<std::uint8_t>(dark ? 40 : 220), 120, static_cast<std::uint8_t>(dark ? 200 : 60),
                               255});
    }
  }
  return *Image::fromRGBA(side, side, rgba, 3);
}

// A home-screen-like frame: a wallpaper, a 4 × 6 grid of rounded, bordered icons with image
// views and labels, a status bar, widgets, and a frosted dock: about a hundred views.
std::shared_ptr<View> makeFrame() {
  auto root = View::make({0, 0, 375, 812});
  auto wallpaper = ImageView::make(Rect{0, 0, 375, 812});
  wallpaper->setImage(checkerImage(300));
  wallpaper->setContentMode(ContentMode::scaleAspectFill);
  root->addSubview(wallpaper);

  const Image icon = checkerImage(180);
  for (int index = 0; index < 24; ++index) {
    const double x = 27 + (index % 4) * 84;
    const double y = 80 + (index / 4) * 100;
    auto tile = View::make({x, y, 60, 60});
    tile->setBackgroundColor(Color{0.95, 0.95, 0.97, 1});
    tile->layer()->setCornerRadius(14);
    tile->layer()->setBorderWidth(1);
    tile->layer()->setBorderColor(Color{0, 0, 0, 0.2});
    tile->setClipsToBounds(true);
    auto image = ImageView::make(Rect{6, 6, 48, 48});
    image->setImage(icon);
    image->setContentMode(ContentMode::scaleAspectFit);
    tile->addSubview(image);
    root->addSubview(tile);
    auto label = Label::make({x - 10, y + 64, 80, 16});
    label->setFont(platform::graphics::systemFont(12));
    label->setTextColor(Color{1, 1, 1, 1});
    label->setTextAlignment(TextAlignment::center);
    label->setText("App " + std::to_string(index + 1));
    root->addSubview(label);
  }
  for (int index = 0; index < 12; ++index) {
    auto badge = View::make({27 + (index % 4) * 84.0 + 48, 74 + (index / 4) * 100.0, 18, 18});
    badge->setBackgroundColor(Color{1, 0.23, 0.19, 1});
    badge->layer()->setCornerRadius(9);
    root->addSubview(badge);
  }
  auto status = Label::make({0, 10, 375, 30});
  status->setText("9:41");
  status->setTextAlignment(TextAlignment::center);
  root->addSubview(status);

  auto dock = BlurView::make(BlurStyle::light, {10, 700, 355, 96});
  dock->layer()->setCornerRadius(30);
  for (int index = 0; index < 4; ++index) {
    auto image = ImageView::make(Rect{20 + index * 84.0, 18, 60, 60});
    image->setImage(icon);
    image->layer()->setCornerRadius(14);
    image->setClipsToBounds(true);
    dock->contentView()->addSubview(image);
  }
  root->addSubview(dock);
  return root;
}

void countViews(const View& view, int& count) {
  ++count;
  for (const auto& subview : view.subviews()) countViews(*subview, count);
}

void BM_RenderHomeScreenFrame(benchmark::State& state) {
  const std::shared_ptr<View> frame = makeFrame();
  int views = 0;
  countViews(*frame, views);
  for (auto _ : state) {
    benchmark::DoNotOptimize(snapshot(*frame, 3));
  }
  state.counters["views"] = views;
}
BENCHMARK(BM_RenderHomeScreenFrame)->Unit(benchmark::kMillisecond);

}  // namespace
