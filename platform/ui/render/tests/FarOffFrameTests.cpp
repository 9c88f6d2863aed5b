#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>
#include <optional>
#include <string>
#include <vector>

#include "platform/graphics/Path.h"
#include "platform/ui/layers/GradientLayer.h"
#include "platform/ui/layers/ShapeLayer.h"
#include "platform/ui/render/Renderer.h"
#include "platform/ui/text/Label.h"
#include "platform/ui/views/ImageView.h"
#include "platform/ui/views/View.h"

namespace platform::ui {
namespace {

using graphics::Color;
using graphics::Image;
using graphics::PixelRGBA;
using graphics::Rect;

constexpr Color red{1, 0, 0, 1};
constexpr Color blue{0, 0, 1, 1};
constexpr double kScreen = 60;
constexpr double kIntMax = 2147483647.0;
constexpr double kFloatMax = std::numeric_limits<float>::max();
constexpr double kEdgeBand = 10;

struct FarFrame {
  std::string name;
  Rect frame;
  // The part of the screen the frame covers; nothing when it lies wholly outside.
  std::optional<Rect> covered;
};

std::vector<FarFrame> farFrames() {
  return {
      {"beyond the largest int", {kIntMax, kIntMax, 20, 20}, std::nullopt},
      {"beyond the smallest int", {-kIntMax - 1, -kIntMax - 1, 20, 20}, std::nullopt},
      {"far right on screen rows", {kIntMax, 10, 20, 20}, std::nullopt},
      {"far away and huge", {1e9, 1e9, 1e9, 1e9}, std::nullopt},
      {"a billion wide from the origin", {0, 0, 1e9, 1e9}, Rect{0, 0, kScreen, kScreen}},
      {"centred on the screen, a billion wide", {-5e8, -5e8, 1e9, 1e9}, Rect{0, 0, kScreen, kScreen}},
      {"the largest float wide and high", {0, 0, kFloatMax, kFloatMax}, Rect{0, 0, kScreen, kScreen}},
      {"the largest float wide band", {0, 30, kFloatMax, 10}, Rect{0, 30, kScreen, 10}},
      {"the largest float wide, centred", {-kFloatMax / 2, -kFloatMax / 2, kFloatMax, kFloatMax},
       Rect{0, 0, kScreen, kScreen}},
      {"a billion wide band", {0, 30, 1e9, 10}, Rect{0, 30, kScreen, 10}},
      {"ending in the middle", {-1e9, 0, 1e9 + 30, kScreen}, Rect{0, 0, 30, kScreen}},
  };
}

struct Decoration {
  std::string name;
  std::function<std::shared_ptr<View>(const Rect&)> make;
};

std::vector<Decoration> decorations() {
  return {
      {"background",
       [](const Rect& frame) {
         auto view = View::make(frame);
         view->setBackgroundColor(red);
         return view;
       }},
      {"rounded, bordered, clipping",
       [](const Rect& frame) {
         auto view = View::make(frame);
         view->setBackgroundColor(red);
         view->layer()->setCornerRadius(6);
         view->layer()->setBorderWidth(2);
         view->layer()->setBorderColor(blue);
         view->setClipsToBounds(true);
         view->addSubview(View::make({0, 0, 4, 4}));
         return view;
       }},
      {"shadowed",
       [](const Rect& frame) {
         auto view = View::make(frame);
         view->setBackgroundColor(red);
         view->layer()->setShadowColor(Color{0, 0, 0, 1});
         view->layer()->setShadowOpacity(1);
         view->layer()->setShadowRadius(4);
         view->layer()->setShadowOffset({2, 2});
         return view;
       }},
      {"label",
       [](const Rect& frame) {
         auto label = Label::make(frame);
         label->setBackgroundColor(red);
         label->setTextColor(blue);
         label->setTextAlignment(TextAlignment::center);
         label->setText("Far away");
         return label;
       }},
      {"image",
       [](const Rect& frame) {
         auto view = ImageView::make(frame);
         std::vector<std::uint8_t> pixels(4 * 4 * 4, 0);
         for (std::size_t i = 0; i < pixels.size(); i += 4) {
           pixels[i] = 255;
           pixels[i + 3] = 255;
         }
         view->setImage(Image::fromRGBA(4, 4, pixels));
         return view;
       }},
      {"gradient",
       [](const Rect& frame) {
         auto view = View::make(frame);
         auto gradient = GradientLayer::make();
         gradient->setFrame(view->bounds());
         gradient->setColors({red, red});
         view->layer()->addSublayer(gradient);
         return view;
       }},
      {"filled and stroked shape",
       [](const Rect& frame) {
         auto view = View::make(frame);
         auto shape = ShapeLayer::make();
         shape->setFrame(view->bounds());
         graphics::Path path;
         path.addRoundedRect(view->bounds(), 6);
         shape->setPath(path);
         shape->setFillColor(red);
         shape->setStrokeColor(blue);
         shape->setLineWidth(2);
         view->layer()->addSublayer(shape);
         return view;
       }},
  };
}

bool isRed(PixelRGBA pixel) { return pixel == PixelRGBA{255, 0, 0, 255}; }

double distanceToEdge(const Rect& rect, double x, double y) {
  return std::min({std::abs(x - rect.x()), std::abs(x - rect.maxX()), std::abs(y - rect.y()), std::abs(y - rect.maxY())});
}

TEST(FarOffFrames, AreClippedWhereTheyReallyLieAndNeverWrapOntoTheScreen) {
  for (const FarFrame& far : farFrames()) {
    for (const Decoration& decoration : decorations()) {
      SCOPED_TRACE(far.name + ", " + decoration.name);
      auto root = View::make({0, 0, kScreen, kScreen});
      root->addSubview(decoration.make(far.frame));
      const std::optional<Image> picture = snapshot(*root, 2);
      ASSERT_TRUE(picture);
      int wrong = 0;
      for (int py = 0; py < picture->height(); ++py) {
        for (int px = 0; px < picture->width(); ++px) {
          const double x = (px + 0.5) / 2;
          const double y = (py + 0.5) / 2;
          const PixelRGBA pixel = picture->pixelAt(px, py).value_or(PixelRGBA{});
          if (!far.covered) {
            wrong += pixel.alpha != 0;
            continue;
          }
          // Corners, borders and shadows show near the frame's own edges.
          if (distanceToEdge(far.frame, x, y) < kEdgeBand) continue;
          const bool inside = far.covered->contains({x, y});
          wrong += inside ? !isRed(pixel) : pixel.alpha != 0;
        }
      }
      EXPECT_EQ(wrong, 0);
    }
  }
}

}  // namespace
}  // namespace platform::ui
