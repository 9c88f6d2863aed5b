#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "editor/panel/CreatorOptions.h"
#include "editor/panel/IconBarLayout.h"
#include "editor/panel/PreviewSizes.h"
#include "editor/panel/TopLevelOrder.h"

namespace vantile {
namespace {

using platform::Value;

TEST(CreatorOptionRows, NameTheStateOfTheGridAndTheHighlight) {
  const auto hiddenGridHighlightOff = creatorOptionRows(true, false);
  ASSERT_EQ(hiddenGridHighlightOff.size(), 10U);
  EXPECT_EQ(hiddenGridHighlightOff[6], "Toggle Grid (OFF)");
  EXPECT_EQ(hiddenGridHighlightOff[7], "Toggle Highlight (OFF)");
  const auto shownGridHighlightOn = creatorOptionRows(false, true);
  EXPECT_EQ(shownGridHighlightOn[6], "Toggle Grid (ON)");
  EXPECT_EQ(shownGridHighlightOn[7], "Toggle Highlight (ON)");
}

TEST(CreatorOptionForText, MatchesTogglesByPrefixAndEveryOtherRowByItsWholeText) {
  const struct {
    std::optional<std::string> text;
    std::optional<CreatorOption> option;
  } cases[] = {
      {"Open Vantile Settings", CreatorOption::openSettings},
      {"Set Background Image", CreatorOption::setBackgroundImage},
      {"Remove Background Image", CreatorOption::removeBackgroundImage},
      {"Reset View Position", CreatorOption::resetViewPosition},
      {"Save Theme", CreatorOption::saveTheme},
      {"Download Themes", CreatorOption::downloadThemes},
      {"Toggle Grid (ON)", CreatorOption::toggleGrid},
      {"Toggle Grid (OFF)", CreatorOption::toggleGrid},
      {"Toggle Highlight (ON)", CreatorOption::toggleHighlight},
      {"Toggle Highlight", CreatorOption::toggleHighlight},
      {"Recover Theme", CreatorOption::recoverTheme},
      {"Preview Sizes", CreatorOption::previewSizes},
      {std::nullopt, std::nullopt},
      {"", std::nullopt},
      {"Save Theme ", std::nullopt},
      {"save theme", std::nullopt},
      {"Toggle", std::nullopt},
      {"iPad Air 824x1112", std::nullopt},
  };
  for (const auto& [text, option] : cases) {
    EXPECT_EQ(creatorOptionForText(text), option) << text.value_or("(nothing)");
  }
  for (const std::string& row : creatorOptionRows(true, true)) {
    EXPECT_TRUE(creatorOptionForText(row).has_value()) << row;
  }
}

TEST(PreviewSizeForRow, GivesTheTableSizeOrTheScreenCutToWholePoints) {
  const platform::graphics::Size screen{375.9, 812.5};
  const struct {
    std::optional<std::string> row;
    PreviewSize size;
  } cases[] = {
      {"iPad Air 824x1112", {824, 1112}},
      {"iP6, 6s 7, 8, SE(2ndGen) 375x667", {375, 667}},
      {"14Pro Max 430x932", {430, 932}},
      {"My Device", {375, 812}},
      {std::nullopt, {375, 812}},
      {"Tablet 1000x1000", {375, 812}},
  };
  for (const auto& [row, size] : cases) {
    EXPECT_EQ(previewSizeForRow(row, screen), size) << row.value_or("(nothing)");
  }
  const auto rows = previewSizeRows();
  ASSERT_EQ(rows.size(), 11U);
  EXPECT_EQ(rows.front(), "My Device");
  EXPECT_EQ(rows[2], "iPad Air 824x1112");
}

TEST(ResetViewPositionX, CentresTheDisplayWithWholePointArithmetic) {
  const struct {
    double mainWidth;
    double displayWidth;
    int x;
  } cases[] = {
      {375, 824, -225},
      {375, 375, 0},
      {375.9, 100, 137},
      {375, 413, -19},
      {376, 100, 138},
  };
  for (const auto& [mainWidth, displayWidth, x] : cases) {
    EXPECT_EQ(resetViewPositionX(mainWidth, displayWidth), x) << mainWidth << " " << displayWidth;
  }
}

TEST(IconBarButtons, StandAtTheirTagsFramesForTheBarWidth) {
  const auto buttons = iconBarButtons(375);
  std::vector<std::int64_t> tags;
  for (const auto& button : buttons) tags.push_back(button.tag);
  EXPECT_EQ(tags, (std::vector<std::int64_t>{11, 14, 12, 13, 66}));
  EXPECT_EQ(buttons[2].frame, (platform::graphics::Rect{295, 0, 40, 40}));
  EXPECT_EQ(buttons[3].frame, (platform::graphics::Rect{335, 0, 40, 40}));
  EXPECT_EQ(buttons[4].frame, (platform::graphics::Rect{137.5, 0, 100, 40}));
  EXPECT_FALSE(buttons[4].iconURL.has_value());
}

TEST(TopLevelReorderList, OffersTheOrderOrElseTheChildrenInDictionaryOrder) {
  Value children = Value::object();
  children["Zeta"] = Value::object();
  children["Alpha"] = Value::object();
  EXPECT_EQ(topLevelReorderList(Value{{"children", children}}), (std::vector<std::string>{"Zeta", "Alpha"}));
  EXPECT_EQ(topLevelReorderList(Value{{"children", children}, {"order", {"Alpha", 3, "Zeta"}}}),
            (std::vector<std::string>{"Alpha", "Zeta"}));
  EXPECT_EQ(topLevelReorderList(Value{{"children", children}, {"order", "Alpha"}}),
            (std::vector<std::string>{"Zeta", "Alpha"}));
  EXPECT_TRUE(topLevelReorderList(Value("not a root")).empty());
}

TEST(StoreTopLevelOrder, WritesASavedListAndIgnoresAClosedPanel) {
  Value document = {{"PresetView", {{"children", Value::object()}, {"order", {"A", "B"}}}}};
  const Value before = document;
  EXPECT_FALSE(storeTopLevelOrder(document, {}));
  EXPECT_EQ(document, before);
  EXPECT_TRUE(storeTopLevelOrder(document, {"B", "A"}));
  EXPECT_EQ(document["PresetView"]["order"], (Value{"B", "A"}));
  Value noRoot = {{"PresetView", "text"}};
  EXPECT_FALSE(storeTopLevelOrder(noRoot, {"A"}));
  EXPECT_EQ(noRoot, (Value{{"PresetView", "text"}}));
}

}  // namespace
}  // namespace vantile
