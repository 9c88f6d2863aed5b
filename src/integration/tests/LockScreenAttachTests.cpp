#include <gtest/gtest.h>

#include "integration/DarwinHandlers.h"
#include "integration/HookTable.h"
#include "integration/Replacements.h"
#include "integration/tests/TweakTestSupport.h"
#include "platform/objc/Messaging.h"

namespace vantile::integration {
namespace {

namespace objc = platform::objc;
using testing::RuntimeView;
using testing::TweakTest;

constexpr std::int64_t kStockContentTag = 1;
// The timer label carries no tag of its own.
constexpr std::int64_t kTimerLabel = 0;

class LockScreenAttachTest : public TweakTest {
 protected:
  void SetUp() override {
    declareWithStock<sig::ObjectAction>("CSMainPageView", "updateForPresentation:");
    installRows(themeGroupRows());
    page = RuntimeView::make("CSMainPageView", {0, 0, 320, 568});
    auto content = platform::ui::View::make({0, 0, 320, 568});
    content->setTag(kStockContentTag);
    page->addSubview(content);
  }

  void present() { objc::send<sig::ObjectAction>(*page, "updateForPresentation:", nullptr); }

  std::vector<std::int64_t> subviewTags() const {
    std::vector<std::int64_t> tags;
    for (const auto& subview : page->subviews()) tags.push_back(subview->tag());
    return tags;
  }

  std::shared_ptr<RuntimeView> page;
};

struct PresentationCase {
  const char* name;
  std::function<void(TweakSettings&)> settings;
  std::vector<std::int64_t> tagsFromTheBack;
};

TEST_F(LockScreenAttachTest, APresentationAttachesTheSwitchedOnViewsInTheirOrderAndARebuildReplacesThem) {
  const PresentationCase cases[] = {
      {"off", [](TweakSettings&) {}, {kStockContentTag}},
      {"enabled_sb only", [](TweakSettings& s) { s.enabled_sb = true; }, {kStockContentTag}},
      {"theme", [](TweakSettings& s) { s.enabled = true; }, {8945, kStockContentTag}},
      {"overlay", [](TweakSettings& s) { s.enabled = s.darkoverlay = true; }, {8944, 8945, kStockContentTag}},
      {"timer", [](TweakSettings& s) { s.enabled = s.showtimer = true; }, {kTimerLabel, 8945, kStockContentTag}},
      {"charging", [](TweakSettings& s) { s.enabled = s.enablebatteryanimation = true; },
       {8945, kStockContentTag, 8966}},
      {"everything",
       [](TweakSettings& s) { s.enabled = s.darkoverlay = s.showtimer = s.enablebatteryanimation = true; },
       {kTimerLabel, 8944, 8945, kStockContentTag, 8966}},
  };
  for (const PresentationCase& test : cases) {
    SCOPED_TRACE(test.name);
    objc::removeClass("CSMainPageView");
    state().settings = TweakSettings{};
    state().lockScreen = LockScreenState{};
    state().kept = KeptImplementations{};
    test.settings(state().settings);
    SetUp();
    present();
    EXPECT_EQ(subviewTags(), test.tagsFromTheBack);
    present();
    EXPECT_EQ(subviewTags(), test.tagsFromTheBack) << "attached once, not at every presentation";

    // Each flag rebuilds; the previous timer label and charging container go as well.
    const auto firstTheme = state().lockScreen.lockScreenThemeView;
    state().lockScreen.lockScreenThemeNeedsRebuild = true;
    present();
    state().lockScreen.lockScreenOffsetChanged = true;
    present();
    EXPECT_EQ(subviewTags(), test.tagsFromTheBack);
    if (firstTheme) {
      EXPECT_NE(state().lockScreen.lockScreenThemeView, firstTheme);
    }
    EXPECT_EQ(takeCalls().back(), "stock updateForPresentation:");
  }
}

TEST_F(LockScreenAttachTest, TheThemeIsOffsetTheOverlayTakesANewAlphaAndTheTimerLabelSitsAtTheTop) {
  TweakSettings& s = state().settings;
  s.enabled = s.darkoverlay = s.showtimer = true;
  s.darkoverlayalpha = 0.5f;
  s.lsthemexaxis = 10;
  s.lsthemeyaxis = -20;
  present();
  const LockScreenState& lock = state().lockScreen;
  EXPECT_EQ(lock.lockScreenThemeView->frame(), platform::graphics::Rect(10, -20, 320, 568));
  EXPECT_EQ(lock.timerLabel->frame(), platform::graphics::Rect(60, 40, 200, 40));
  EXPECT_TRUE(lock.timerLabel->isHidden());
  s.darkoverlayalpha = 0.8f;
  present();
  EXPECT_DOUBLE_EQ(lock.darkOverlayView->backgroundColor()->alpha, 0.8f);
}

TEST_F(LockScreenAttachTest, AThemeChangeWhileShownAppliesAtTheNextPresentation) {
  state().settings.enabled = true;
  present();
  const auto shown = state().lockScreen.lockScreenThemeView;
  lockScreenThemeChanged();
  EXPECT_EQ(page->viewWithTag(8945), shown);
  present();
  EXPECT_NE(page->viewWithTag(8945), shown);
  EXPECT_EQ(page->viewWithTag(8945), state().lockScreen.lockScreenThemeView);
}

TEST_F(LockScreenAttachTest, TurningTheThemeOffRemovesItOnlyAtTheNextRebuild) {
  state().settings.enabled = true;
  present();
  state().settings.enabled = false;
  present();
  EXPECT_NE(page->viewWithTag(8945), nullptr);
  state().lockScreen.lockScreenThemeNeedsRebuild = true;
  present();
  EXPECT_EQ(subviewTags(), std::vector<std::int64_t>{kStockContentTag});
}

}  // namespace
}  // namespace vantile::integration
