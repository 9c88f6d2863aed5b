#include <gtest/gtest.h>

#include "editor/styling/tests/CanvasFixture.h"
#include "platform/ui/render/Renderer.h"
#include "platform/ui/text/Label.h"
#include "testing/ReferenceImage.h"

namespace vantile::testing {
namespace {

using platform::Value;
namespace ui = platform::ui;

class KnockoutPixels : public CanvasFixture {};

TEST_F(KnockoutPixels, AContainerIsSeeThroughInsideTheLabelsGlyphsOnly) {
  buildAndStyle({{"word", {{"type", "UILabel"}, {"frame", frame(0, 300, 240, 80)}, {"data", "CUT"},
                           {"fontSize", "60"}, {"textColor", "rgba(255, 255, 255, 1)"}}},
                 {"panel", {{"type", "UIView"}, {"frame", frame(10, 10, 300, 120)},
                            {"backgroundColor", "rgba(30, 120, 220, 1)"}, {"cornerRadius", "0"},
                            {"cutWithView", "word"}}}});
  const auto panel = view("panel");
  const auto word = viewAs<ui::Label>("word");
  ASSERT_TRUE(panel && word);
  ASSERT_TRUE(panel->layer()->mask()) << "the knockout waits for the main queue";

  const auto rendered = ui::snapshot(*panel, 1.0);
  const auto glyphs = ui::snapshot(*word, 1.0);
  ASSERT_TRUE(rendered && glyphs);
  // The cut is drawn at the screen's scale, so its soft edges reach a little past the label's own.
  auto glyphAlphaAround = [&](int x, int y, int reach, auto test) {
    for (int dy = -reach; dy <= reach; ++dy) {
      for (int dx = -reach; dx <= reach; ++dx) {
        const auto glyph = glyphs->pixelAt(x + dx, y + dy);
        if (!test(glyph ? glyph->alpha : 0)) return false;
      }
    }
    return true;
  };
  int inside = 0;
  int outside = 0;
  for (int y = 0; y < rendered->height(); ++y) {
    for (int x = 0; x < rendered->width(); ++x) {
      const int alpha = rendered->pixelAt(x, y)->alpha;
      if (glyphAlphaAround(x, y, 1, [](int glyph) { return glyph == 255; })) {
        EXPECT_EQ(alpha, 0) << "inside a glyph at " << x << ", " << y;
        ++inside;
      } else if (glyphAlphaAround(x, y, 2, [](int glyph) { return glyph == 0; })) {
        EXPECT_EQ(alpha, 255) << "outside the glyphs at " << x << ", " << y;
        ++outside;
      }
    }
  }
  EXPECT_GT(inside, 200) << "the glyphs cover part of the container";
  EXPECT_GT(outside, 200);
  EXPECT_TRUE(matchesReference(rendered, "src/editor/styling/tests/reference", "knockout-panel"));
}

}  // namespace
}  // namespace vantile::testing
