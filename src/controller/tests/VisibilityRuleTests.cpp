#include <gtest/gtest.h>

#include <vector>

#include "controller/tests/StylingFixture.h"
#include "platform/ui/render/Renderer.h"
#include "platform/ui/text/Label.h"

namespace vantile {
namespace {

using platform::Value;
using platform::foundation::MainQueue;
namespace ui = platform::ui;

Value frame(int x, int y, int width, int height) {
  return {{"x", std::to_string(x)}, {"y", std::to_string(y)}, {"width", std::to_string(width)},
          {"height", std::to_string(height)}};
}

Value box(Value more, Value where = frame(0, 0, 40, 40)) {
  Value element = {{"type", "UIView"}, {"frame", std::move(where)}};
  element.update(more);
  return element;
}

class VisibilityRules : public StylingFixture {
 protected:
  VisibilityRules() {
    controller->providers.isMusicPlaying = [this] { return playing; };
    controller->providers.isOnAC = [this] { return power; };
    controller->providers.batteryAsInt = [] { return 50; };
    controller->hooks.handleAnimation = [this](const std::shared_ptr<ui::View>& view) {
      animated.push_back(*controller->vantilePreset->nameIndex.nameForTag(view->tag()));
    };
  }

  void pass() {
    controller->updateData(*controller->getLSPresetChildren(), "lockscreen");
    MainQueue::shared().advance(0);
  }

  double shownAlpha(const std::string& name) { return view(name)->layer()->presentationProperties().opacity; }

  bool playing = false;
  bool power = false;
  std::vector<std::string> animated;
};

TEST_F(VisibilityRules, ChargingElementsFadeInAndOutOverAThirdOfASecond) {
  load({{"bolt", box({{"showWhenCharging", "YES"}})}});
  power = true;
  pass();
  EXPECT_DOUBLE_EQ(view("bolt")->alpha(), 1);
  power = false;
  pass();
  EXPECT_DOUBLE_EQ(view("bolt")->alpha(), 0);
  MainQueue::shared().advance(0.15);
  EXPECT_GT(shownAlpha("bolt"), 0.05);
  EXPECT_LT(shownAlpha("bolt"), 0.95);
  MainQueue::shared().advance(0.2);
  EXPECT_DOUBLE_EQ(shownAlpha("bolt"), 0);
  power = true;
  pass();
  MainQueue::shared().advance(0.3);
  EXPECT_DOUBLE_EQ(shownAlpha("bolt"), 1);
}

TEST_F(VisibilityRules, PlayingRulesShowOrHideWithTheMusic) {
  struct Case {
    const char* show;
    const char* hide;
    bool playing;
    double alpha;
  };
  for (const Case& c : {Case{"YES", "NO", true, 1}, Case{"YES", "NO", false, 0}, Case{"NO", "YES", true, 0},
                        Case{"NO", "YES", false, 1}, Case{"YES", "YES", true, 1}, Case{"YES", "YES", false, 0},
                        Case{"yes", "NO", false, 1}}) {
    SCOPED_TRACE(std::string(c.show) + "/" + c.hide + (c.playing ? " playing" : " stopped"));
    load({{"art", box({{"showWhenPlaying", c.show}, {"hideWhenPlaying", c.hide}})}});
    playing = c.playing;
    pass();
    EXPECT_DOUBLE_EQ(view("art")->alpha(), c.alpha);
  }
}

TEST_F(VisibilityRules, TriggerRulesAnimateTheOnOrOffElementAtEveryPass) {
  struct Case {
    const char* rule;
    std::vector<std::string> playing;
    std::vector<std::string> stopped;
  };
  for (const Case& c : {Case{"triggerOn:A, triggerOff:B", {"A", "A"}, {"B"}},
                        Case{"triggerOn:*, triggerOff:B", {}, {}},
                        Case{"triggerOn:*, triggerOff:*", {}, {}},
                        Case{"triggerOn:A, triggerOff:B, triggerOff:A", {}, {}},
                        Case{"triggerOn:A, triggerOff", {}, {}}}) {
    SCOPED_TRACE(c.rule);
    load({{"source", box({{"showWhenPlaying", c.rule}})}, {"A", box(Value::object())}, {"B", box(Value::object())}});
    animated.clear();
    playing = true;
    pass();
    pass();
    EXPECT_EQ(animated, c.playing);
    animated.clear();
    playing = false;
    pass();
    EXPECT_EQ(animated, c.stopped);
    EXPECT_TRUE(controller->isLSTap);
  }
}

TEST_F(VisibilityRules, FollowersSitAtTheEndOfABatteryBarsFill) {
  struct Case {
    const char* offset;
    double dx;
    double dy;
  };
  for (const Case& c : {Case{"5,-2", 5, -2}, Case{"x,y", 0, 0}, Case{"(null)", 0, 0}, Case{"5", 5, 0},
                        Case{"abc,3", 0, 3}}) {
    SCOPED_TRACE(c.offset);
    load({{"bar", {{"type", "BatteryBar"}, {"frame", frame(20, 100, 200, 10)}}},
          {"tip", box({{"followWidthItem", "bar"}, {"followWidthOffset", c.offset}}, frame(0, 0, 6, 8))}});
    pass();
    const auto fill = view("bar")->viewWithTag(9968);
    EXPECT_DOUBLE_EQ(view("tip")->frame().x(), 20 + fill->frame().width() + c.dx);
    EXPECT_DOUBLE_EQ(view("tip")->frame().y(), 100 + fill->frame().y() + c.dy);
    EXPECT_DOUBLE_EQ(view("tip")->frame().width(), 6);
  }
}

class Knockout : public VisibilityRules {};

TEST_F(Knockout, CutsTheLabelsGlyphsFromThePanelsTopLeftCorner) {
  const Value clock = {{"type", "UILabel"}, {"frame", frame(150, 400, 120, 60)}, {"data", "88"},
                       {"fontSize", "48"}, {"textColor", "rgba(255,255,255,1)"}};
  load({{"panel", box({{"cutWithView", "clock"}, {"backgroundColor", "rgba(0,0,255,1)"}}, frame(20, 30, 200, 100))},
        {"clock", clock}});
  pass();
  const auto panel = view("panel");
  ASSERT_TRUE(panel->layer()->mask());
  const auto cut = ui::snapshot(*panel, 1);
  const auto label = viewAs<ui::Label>("clock");
  const auto glyphs = ui::snapshot(*label, 1);
  ASSERT_TRUE(cut && glyphs);

  // The mask's picture is taken at the screen's scale, so glyph edges may differ by a pixel:
  // only pixels whose neighbours agree are judged.
  auto glyphAlphaAround = [&glyphs](int x, int y, auto accepts) {
    for (int dy = -1; dy <= 1; ++dy) {
      for (int dx = -1; dx <= 1; ++dx) {
        const auto pixel = glyphs->pixelAt(x + dx, y + dy);
        if (!accepts(pixel ? pixel->alpha : 0)) return false;
      }
    }
    return true;
  };
  int glyphPixels = 0;
  for (int y = 0; y < cut->height(); ++y) {
    for (int x = 0; x < cut->width(); ++x) {
      const int cutAlpha = cut->pixelAt(x, y)->alpha;
      if (glyphAlphaAround(x, y, [](int alpha) { return alpha >= 250; })) {
        ++glyphPixels;
        EXPECT_LE(cutAlpha, 5) << x << "," << y;
      } else if (glyphAlphaAround(x, y, [](int alpha) { return alpha == 0; })) {
        EXPECT_GE(cutAlpha, 250) << x << "," << y;
      }
    }
  }
  EXPECT_GT(glyphPixels, 40);
}

TEST_F(Knockout, ANonLabelTargetLeavesNoMask) {
  load({{"panel", box({{"cutWithView", "photo"}})},
        {"photo", {{"type", "UIImageView"}, {"frame", frame(0, 0, 10, 10)}}},
        {"plain", box({{"cutWithView", "nobody"}})}});
  pass();
  EXPECT_FALSE(view("panel")->layer()->mask());
  EXPECT_FALSE(view("plain")->layer()->mask());
}

}  // namespace
}  // namespace vantile
