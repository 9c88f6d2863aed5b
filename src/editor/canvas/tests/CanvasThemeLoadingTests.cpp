#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "editor/canvas/tests/CanvasFixture.h"
#include "platform/foundation/queues/MainQueue.h"
#include "platform/ui/text/Label.h"
#include "platform/ui/views/ScrollView.h"

namespace vantile::testing {
namespace {

using platform::Value;
using platform::graphics::Color;
using platform::graphics::Rect;

constexpr Color kPanelGrey{26.0 / 255, 26.0 / 255, 26.0 / 255, 1};

std::size_t lineCount(const std::string& text) { return static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n')); }

class CanvasThemeLoading : public CanvasTest {
 protected:
  // The canvas drew nothing but its backdrop, in one root view on the display.
  void expectEmptyCanvas() const {
    ASSERT_NE(canvas->creatorView, nullptr);
    EXPECT_EQ(canvas->creatorView->subviews().size(), 3U);
    EXPECT_TRUE(canvas->creatorTags.empty());
  }
};

TEST_F(CanvasThemeLoading, TheMainViewHoldsTheDisplayThenThePanelOverTheStartingTheme) {
  writeTheme("time.json", theme({{"Clock", box(0, 0, 100, 40)}}, {"Clock"}));
  const auto host = platform::ui::View::make({0, 0, 375, 812});
  canvas->incrementerAdditionValue = 7;
  const auto main = canvas->setupMainView(host);

  EXPECT_EQ(main->frame(), (Rect{0, 0, 375, 812}));
  EXPECT_EQ(main->backgroundColor(), kPanelGrey);
  EXPECT_EQ(canvas->view, host);
  ASSERT_EQ(main->subviews().size(), 2U);
  EXPECT_EQ(main->subviews()[0], canvas->display);
  EXPECT_EQ(main->subviews()[1], canvas->menu);
  EXPECT_EQ(canvas->display->subviews().back(), canvas->creatorView);
  EXPECT_EQ(canvas->creatorTags.count("Clock"), 1U);
  EXPECT_EQ(canvas->incrementerAdditionValue, 1);
  // The display's own recognisers: pinch, pan and the selection tap.
  EXPECT_EQ(canvas->display->gestureRecognizers().size(), 3U);
}

TEST_F(CanvasThemeLoading, ThePanelSitsAtTheBottomWithItsHiddenHintLabelAboveIt) {
  const auto panel = canvas->setupMenu();
  EXPECT_EQ(panel, canvas->menu);
  EXPECT_EQ(panel->frame(), (Rect{0, 512, 375, 300}));
  EXPECT_EQ(panel->backgroundColor(), kPanelGrey);
  EXPECT_DOUBLE_EQ(panel->layer()->cornerRadius(), 10);
  const auto& hint = canvas->styleHintLabel;
  ASSERT_NE(hint, nullptr);
  EXPECT_EQ(hint->superview(), panel);
  EXPECT_EQ(hint->frame(), (Rect{10, -20, 100, 20}));
  EXPECT_TRUE(hint->isHidden());
  EXPECT_EQ(hint->text(), "");
  EXPECT_EQ(hint->textColor(), (Color{1, 1, 1, 1}));
  EXPECT_EQ(hint->textAlignment(), platform::ui::TextAlignment::center);
  EXPECT_DOUBLE_EQ(hint->font().pointSize, 8);
}

TEST_F(CanvasThemeLoading, ANamedThemeIsCompletedOverItsTypesTemplates) {
  Value label = {{"type", "UILabel"}, {"frame", {{"x", "1"}, {"y", "2"}, {"width", "3"}, {"height", "4"}}}};
  writeTheme("Clock.json", theme({{"Label", label}}, {"Label"}));
  canvas->loadThemeFile("Clock.json");
  const Value& loaded = canvas->creatorPreset["PresetView"]["children"]["Label"];
  EXPECT_GT(loaded.size(), label.size());
  EXPECT_EQ(loaded["frame"], label["frame"]);
  EXPECT_EQ(canvas->selectedTheme, "Clock.json");
}

TEST_F(CanvasThemeLoading, AThemeFileThatIsNotJSONOrMissingGivesAnEmptyCanvasAndOneLogLine) {
  device.writeFile(std::string(kEditorThemesFolder) + "Broken.json", "{\"PresetView\": ");
  writeTheme("List.json", Value::array({1, 2}));
  for (const char* file : {"Broken.json", "Missing.json", "List.json"}) {
    ::testing::internal::CaptureStderr();
    canvas->loadThemeFile(file);
    const std::string log = ::testing::internal::GetCapturedStderr();
    EXPECT_EQ(lineCount(log), 1U) << file << ": " << log;
    EXPECT_NE(log.find(file), std::string::npos) << file;
    expectEmptyCanvas();
  }
}

TEST_F(CanvasThemeLoading, AReloadDuringAResizeChangesNothing) {
  writeTheme("Three.json", theme({{"A", box(0, 0, 10, 10)}}, {"A"}));
  canvas->loadThemeFile("Three.json");
  const auto drawn = canvas->creatorView;
  for (bool width : {true, false}) {
    canvas->isResizingWidth = width;
    canvas->isResizingHeight = !width;
    canvas->reloadTheme();
    EXPECT_EQ(canvas->creatorView, drawn);
    EXPECT_EQ(canvas->creatorTags.at("A"), 1);
  }
}

TEST_F(CanvasThemeLoading, AReloadRedrawsWithNewTagsAndKeepsScrollPositionsUnlessAnInitialOffsetIsSet) {
  Value scroll = {{"type", "ScrollView"},
                  {"frame", {{"x", "0"}, {"y", "0"}, {"width", "100"}, {"height", "100"}}},
                  {"contentSize", {{"width", "400"}, {"height", "100"}}}};
  Value startsAside = scroll;
  startsAside["initialOffset"] = {{"x", "30"}, {"y", "0"}};
  writeTheme("Scrolls.json", theme({{"Kept", scroll}, {"Own", startsAside}}, {"Kept", "Own"}));
  canvas->loadThemeFile("Scrolls.json");
  for (const char* name : {"Kept", "Own"}) {
    std::dynamic_pointer_cast<platform::ui::ScrollView>(canvas->getElementView(name))->setContentOffset({50, 0});
  }
  canvas->reloadTheme();
  platform::foundation::MainQueue::shared().advance(0);
  EXPECT_EQ(canvas->creatorTags.at("Kept"), 3);
  const auto kept = std::dynamic_pointer_cast<platform::ui::ScrollView>(canvas->getElementView("Kept"));
  const auto own = std::dynamic_pointer_cast<platform::ui::ScrollView>(canvas->getElementView("Own"));
  ASSERT_TRUE(kept && own);
  EXPECT_EQ(kept->contentOffset(), (platform::graphics::Point{50, 0}));
  EXPECT_NE(own->contentOffset(), (platform::graphics::Point{50, 0}));
}

}  // namespace
}  // namespace vantile::testing
