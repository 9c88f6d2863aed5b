#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "inspector/menu/MenuLayout.h"

namespace vantile {
namespace {

TEST(MenuLayout, ThePanelIsAsHighAsItsRowsWithinHalfTheScreenAndAtLeast300Points) {
  struct Case {
    std::size_t rows;
    std::optional<int> customHeight;
    int height;
  };
  for (const Case& example :
       {Case{0, {}, 300}, Case{3, {}, 300}, Case{7, {}, 320}, Case{20, {}, 422}, Case{20, 80, 80}, Case{3, 500, 500}}) {
    EXPECT_EQ(MenuLayout::panelHeight(example.rows, example.customHeight, 844), example.height)
        << example.rows << " rows";
  }
  EXPECT_EQ(MenuLayout::panelHeight(20, std::nullopt, 845), 422) << "half the screen is truncated";
}

TEST(MenuLayout, OnlyAnEightyPointPanelSitsThreeHundredPointsAboveTheBottomEdge) {
  EXPECT_EQ(MenuLayout::panelTop(80, 844.7), 544);
  EXPECT_EQ(MenuLayout::panelTop(300, 844), 544);
  EXPECT_EQ(MenuLayout::panelTop(81, 844), 763);
  EXPECT_EQ(MenuLayout::panelTop(80, 350), 270) << "a screen too short to lift it keeps it on the edge";
}

TEST(MenuLayout, APictureIsNamedByTheTextBetweenTheFirstTwoDots) {
  struct Case {
    const char* value;
    bool picture;
  };
  for (const Case& example : {Case{"logo.png", true}, Case{"logo.tar.png", false}, Case{"photo.JPEG", true},
                              Case{"photo.jpeg.bak", true}, Case{"logo.gif", false}, Case{"logo", false},
                              Case{"logo.Png", false}, Case{".png", true}, Case{"logo.", false}}) {
    EXPECT_EQ(MenuLayout::namesPicture(example.value), example.picture) << example.value;
  }
}

TEST(MenuLayout, SearchesKeepListOrderAndIgnoreCase) {
  const std::vector<std::string> rows{"AM", "time", "Amount", "pm", "ÉTÉ"};
  const std::vector<std::string> expected{"AM", "Amount"};
  EXPECT_EQ(MenuLayout::rowsMatching(rows, "AM"), expected);
  EXPECT_EQ(MenuLayout::rowsMatching(rows, "am"), expected);
  EXPECT_EQ(MenuLayout::rowsMatching(rows, "été"), std::vector<std::string>{"ÉTÉ"});
  EXPECT_TRUE(MenuLayout::rowsMatching(rows, "zz").empty());
}

TEST(MenuLayout, ARowTextIsIndentedAndCarriesItsSecondColumnAfterADash) {
  EXPECT_EQ(MenuLayout::rowText("time", std::nullopt), "     time");
  EXPECT_EQ(MenuLayout::rowText("time", "12:30"), "     time - 12:30");
}

TEST(MenuLayout, OnlyTheStringsOfAnOptionsArrayAreRows) {
  EXPECT_EQ(MenuLayout::strings(platform::Value::parse(R"(["a", 1, null, "b", {"c": 2}])")),
            (std::vector<std::string>{"a", "b"}));
  EXPECT_TRUE(MenuLayout::strings(platform::Value("not an array")).empty());
}

}  // namespace
}  // namespace vantile
