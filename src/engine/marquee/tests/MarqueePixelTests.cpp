#include <gtest/gtest.h>

#include "MarqueeLabelFixture.h"
#include "engine/marquee/MarqueeLabel.h"
#include "platform/ui/render/Renderer.h"
#include "testing/ReferenceImage.h"

namespace vantile {
namespace {

using platform::graphics::Color;

// A continuous label half way through a loop: the text cut and faded at both edges, and the
// second copy coming in from the right behind the gap.
TEST_F(MarqueeLabelTest, MidScrollShowsBothCopiesFadedAtTheEdges) {
  auto label = shownLabel(2, "Vantile scrolls this headline along", 24);
  label->setTextColor(Color{0.1, 0.1, 0.4, 1});
  label->setTrailingBuffer(30);
  moveInFiveSeconds(*label);
  advanceTo(4.4);
  EXPECT_TRUE(testing::matchesReference(platform::ui::snapshot(*label, 2), "src/engine/tests/reference",
                                        "marquee-mid-scroll"));
}

}  // namespace
}  // namespace vantile
