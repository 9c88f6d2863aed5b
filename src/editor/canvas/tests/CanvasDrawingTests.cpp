#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "editor/canvas/tests/CanvasFixture.h"
#include "platform/graphics/Color.h"
#include "platform/ui/views/ImageView.h"

namespace vantile::testing {
namespace {

using platform::Value;
using Tags = std::map<std::string, std::int32_t, std::less<>>;

class CanvasDrawing : public CanvasTest {
 protected:
  Value threeElements() const {
    return theme({{"A", box(0, 0, 10, 10)}, {"B", box(0, 20, 10, 10)}, {"C", box(0, 40, 10, 10)}}, {"A", "B", "C"});
  }
};

TEST_F(CanvasDrawing, EveryFullDrawIssuesNewTagsAndRecordsOnlyTheLatest) {
  writeTheme("Three.json", threeElements());
  canvas->loadThemeFile("Three.json");
  EXPECT_EQ(canvas->creatorTags, (Tags{{"A", 1}, {"B", 2}, {"C", 3}}));
  canvas->loadThemeFile("Three.json");
  EXPECT_EQ(canvas->creatorTags, (Tags{{"A", 4}, {"B", 5}, {"C", 6}}));
  EXPECT_EQ(canvas->getElementView("B")->tag(), 5);
  EXPECT_EQ(canvas->getElementNameFromTag(6), "C");
  EXPECT_EQ(canvas->getElementNameFromTag(2), std::nullopt);
}

TEST_F(CanvasDrawing, AChildThatMakesNoViewStillUsesATag) {
  Value children = {{"A", box(0, 0, 10, 10)}, {"Odd", {{"type", "NoSuchType"}}}, {"Untyped", {{"alpha", "1"}}},
                    {"B", box(0, 20, 10, 10)}};
  writeTheme("Odd.json", theme(children, {"A", "Odd", "Missing", "Untyped", "B"}));
  canvas->loadThemeFile("Odd.json");
  EXPECT_EQ(canvas->creatorTags, (Tags{{"A", 1}, {"B", 5}}));
  EXPECT_EQ(canvas->globalCounter, 5);
  EXPECT_EQ(drawnNames(), (std::vector<std::string>{"A", "B"}));
}

TEST_F(CanvasDrawing, TheRootDrawsByOrderElseByChildOrderReversedElseInDictionaryOrder) {
  const Value children = {{"a", box(0, 0, 10, 10)}, {"b", box(0, 0, 10, 10)}, {"c", box(0, 0, 10, 10)}};
  const struct {
    const char* rule;
    Value extra;
    std::vector<std::string> drawn;
  } cases[] = {
      {"order", {{"order", {"c", "a"}}, {"childorder", "a,b"}}, {"c", "a"}},
      {"childorder", {{"childorder", "b,a"}}, {"a", "b"}},
      {"childorder none", {{"childorder", "none"}}, {"a", "b", "c"}},
      {"nothing", Value::object(), {"a", "b", "c"}},
      {"order that is no list", {{"order", "c,a"}}, {"a", "b", "c"}},
  };
  for (const auto& c : cases) {
    Value root = {{"frame", {{"width", "375"}, {"height", "812"}}}, {"children", children}};
    for (const auto& [key, value] : c.extra.items()) root[key] = value;
    canvas->creatorTags.clear();
    canvas->creatorView = canvas->createViewFromDictionary(root, "creator");
    EXPECT_EQ(drawnNames(), c.drawn) << c.rule;
  }
}

TEST_F(CanvasDrawing, ARootWithoutChildrenHoldsOnlyItsBackdrop) {
  const auto root = canvas->createViewFromDictionary(Value{{"frame", {{"width", "200"}, {"height", "100"}}}}, "creator");
  ASSERT_EQ(root->subviews().size(), 3U);
  EXPECT_EQ(root->subviews()[0], canvas->backgroundView);
  EXPECT_EQ(root->subviews()[1], canvas->gridView);
  EXPECT_EQ(root->subviews()[2], canvas->highlightView);
  EXPECT_FALSE(canvas->highlightView->isUserInteractionEnabled());
  EXPECT_EQ(canvas->backgroundView->frame(), root->frame());
  EXPECT_EQ(canvas->backgroundView->backgroundColor(), (platform::graphics::Color{50.0 / 255, 50.0 / 255, 50.0 / 255, 1}));
}

TEST_F(CanvasDrawing, TheGridIsBuiltWholeAndHiddenWhenDisabled) {
  canvas->disableGrid = true;
  const auto grid = canvas->createGridView({0, 0, 375, 812});
  EXPECT_TRUE(grid->isHidden());
  EXPECT_FALSE(grid->isUserInteractionEnabled());
  EXPECT_TRUE(grid->clipsToBounds());
  const auto& lines = grid->subviews();
  ASSERT_EQ(lines.size(), 322U);
  EXPECT_EQ(lines[0]->frame(), (platform::graphics::Rect{192, 0, 1, 812}));
  EXPECT_EQ(lines[1]->frame(), (platform::graphics::Rect{182, 0, 1, 812}));
  EXPECT_EQ(lines[120]->frame(), (platform::graphics::Rect{0, 410, 375, 1}));
  EXPECT_EQ(lines[320]->frame(), (platform::graphics::Rect{187, 0, 1, 812}));
  EXPECT_EQ(lines[321]->frame(), (platform::graphics::Rect{0, 405, 375, 1}));
  EXPECT_DOUBLE_EQ(lines[0]->backgroundColor()->alpha, 0.1);
  EXPECT_DOUBLE_EQ(lines[320]->backgroundColor()->alpha, 0.3);
}

}  // namespace
}  // namespace vantile::testing
