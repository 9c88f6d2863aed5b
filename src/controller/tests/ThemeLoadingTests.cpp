#include "controller/tests/ControllerTestSupport.h"
#include "platform/foundation/notifications/DarwinNotificationCenter.h"
#include "platform/foundation/queues/MainQueue.h"
#include "platform/ui/text/Label.h"
#include "platform/ui/views/Device.h"
#include "platform/ui/views/Screen.h"
#include "platform/ui/views/View.h"

namespace vantile::testing {
namespace {

using platform::Value;
using platform::foundation::MainQueue;
namespace ui = platform::ui;

class ThemeLoading : public ControllerTest {
 protected:
  std::string lockTheme() const {
    return writeTheme("lock.json", theme({{"A", container({{"B", label("b")}})}, {"C", label("c")}}, {"A", "C"}));
  }
  std::string homeTheme() const { return writeTheme("home.json", theme({{"D", label("d")}}, {"D"})); }

  std::int32_t tagOf(const std::string& name, const std::string& location) {
    return controller->getElDict(name, location).tag;
  }
};

TEST_F(ThemeLoading, TagsFollowBuildingOrderAcrossLocations) {
  controller->createViewFromTheme(lockTheme(), "lockscreen");
  controller->createViewFromTheme(homeTheme(), "homescreen");

  EXPECT_EQ(tagOf("A", "lockscreen"), 1);
  EXPECT_EQ(tagOf("B", "lockscreen"), 2);
  EXPECT_EQ(tagOf("C", "lockscreen"), 3);
  EXPECT_EQ(tagOf("D", "homescreen"), 4);
  EXPECT_EQ(tagOf("D", "lockscreen"), 0) << "each location has its own index";
  const auto nested = controller->vantileView->viewWithTag(2);
  ASSERT_TRUE(nested);
  EXPECT_EQ(nested->accessibilityIdentifier(), "B");
  EXPECT_EQ(nested->superview()->accessibilityIdentifier(), "A");
}

TEST_F(ThemeLoading, TheHomeScreenRootTakesTouchesAndRemembersItsFile) {
  int gestures = 0;
  controller->hooks.addGestures = [&gestures] { ++gestures; };
  const auto path = homeTheme();
  const auto view = controller->createViewFromTheme(path, "homescreen");
  ASSERT_TRUE(view);
  EXPECT_TRUE(view->isUserInteractionEnabled());
  EXPECT_EQ(controller->currentSBTheme, path);
  EXPECT_EQ(gestures, 1);
  EXPECT_EQ(view->tag(), 0) << "the integration tags root views itself";
}

TEST_F(ThemeLoading, ADoubledJsonExtensionLoadsTheJsonFile) {
  const auto path = lockTheme();
  const auto view = controller->createViewFromTheme(path + ".json", "lockscreen");
  ASSERT_TRUE(view);
  EXPECT_EQ(view, controller->vantileView);
  EXPECT_EQ(view->subviews().size(), 2u);
}

struct BadThemeCase {
  const char* name;
  std::string contents;  // empty: no file at all
};

void PrintTo(const BadThemeCase& badCase, std::ostream* out) { *out << badCase.name; }

class BadThemes : public ThemeLoading, public ::testing::WithParamInterface<BadThemeCase> {};

TEST_P(BadThemes, GiveThePlaceholderAndALogLine) {
  const std::string path = std::string(kThemesFolder) + "bad.json";
  if (!GetParam().contents.empty()) root.writeFile(path, GetParam().contents);
  controller->createViewFromTheme(lockTheme(), "lockscreen");

  const auto view = controller->createViewFromTheme(path, "lockscreen");

  ASSERT_TRUE(view);
  EXPECT_NE(view, controller->vantileView);
  ASSERT_EQ(view->subviews().size(), 1u);
  const auto* label = dynamic_cast<const ui::Label*>(view->subviews().front().get());
  ASSERT_NE(label, nullptr);
  EXPECT_TRUE(label->text().starts_with("No Theme ")) << label->text();
  EXPECT_EQ(view->frame().width(), 300);
  EXPECT_EQ(view->frame().height(), 100);
  EXPECT_NE(logText().find("Log:"), std::string::npos);
}

TEST_P(BadThemes, LeaveNoTreeBehindThatRefreshesWouldKeepUpdating) {
  const std::string path = std::string(kThemesFolder) + "bad.json";
  if (!GetParam().contents.empty()) root.writeFile(path, GetParam().contents);
  controller->createViewFromTheme(writeTheme("ticking.json", theme({{"S", label("[seconds]")}}, {"S"})), "lockscreen");
  ASSERT_EQ(controller->updateEverySecondArray.size(), 1u);

  controller->createViewFromTheme(path, "lockscreen");

  if (GetParam().contents.empty()) {
    EXPECT_TRUE(controller->vantilePreset) << "a missing file leaves the slot as it was";
  } else {
    EXPECT_FALSE(controller->vantilePreset);
    EXPECT_FALSE(controller->vantileView);
    EXPECT_TRUE(controller->updateEverySecondArray.empty());
  }
}

INSTANTIATE_TEST_SUITE_P(
    Files, BadThemes,
    ::testing::Values(BadThemeCase{"missing", ""}, BadThemeCase{"notJson", "{\"PresetView\": "},
                      BadThemeCase{"anArray", "[1, 2, 3]"}, BadThemeCase{"noPresetView", "{\"other\": {}}"},
                      BadThemeCase{"deepNesting", std::string(5'000'000, '[') + std::string(5'000'000, ']')}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(ThemeLoading, TheMissingFilePlaceholderNamesThePathItTriedLast) {
  const auto view = controller->createViewFromTheme("/var/mobile/none.json", "elsewhere");
  ASSERT_TRUE(view) << "a missing file gives the placeholder before the location is looked at";
  const auto* label = dynamic_cast<const ui::Label*>(view->subviews().front().get());
  EXPECT_EQ(label->text(), "No Theme file:///var/mobile/none.json");
}

TEST_F(ThemeLoading, AnUnknownLocationWithAThemeGetsNothing) {
  EXPECT_FALSE(controller->createViewFromTheme(lockTheme(), "elsewhere"));
  EXPECT_FALSE(controller->vantilePreset);
}

TEST_F(ThemeLoading, AnElementNamedPresetViewDoesNotReplaceTheTree) {
  controller->createViewFromTheme(
      writeTheme("clash.json", theme({{"PresetView", label("x")}, {"Other", label("y")}}, {"PresetView", "Other"})),
      "lockscreen");

  ASSERT_NE(controller->getLSPresetChildren(), nullptr);
  EXPECT_TRUE(controller->getLSPresetChildren()->contains("Other"));
  EXPECT_EQ(controller->getElDict("PresetView", "lockscreen").tag, 1);

  controller->reloadThemes();
  EXPECT_EQ(controller->vantileView->subviews().size(), 2u);
  EXPECT_EQ(controller->getElDict("PresetView", "lockscreen").tag, 3);
}

TEST_F(ThemeLoading, ReloadKeepsTheRootViewAndIssuesNewTags) {
  const auto view = controller->createViewFromTheme(lockTheme(), "lockscreen");
  view->setTag(8945);
  const auto oldChild = view->subviews().front();

  controller->reloadThemes();

  EXPECT_EQ(controller->vantileView, view);
  EXPECT_EQ(view->tag(), 8945);
  EXPECT_EQ(view->subviews().size(), 2u);
  EXPECT_FALSE(oldChild->superview());
  EXPECT_EQ(tagOf("A", "lockscreen"), 4);
  EXPECT_EQ(tagOf("C", "lockscreen"), 6);
  EXPECT_FALSE(controller->vantilePresetSB) << "an unloaded location stays unloaded";
}

TEST_F(ThemeLoading, ReloadWithNothingLoadedDoesNothing) {
  controller->reloadThemes();
  EXPECT_EQ(controller->globalCounter, 0);
}

struct ReservedTagCase {
  const char* name;
  std::int32_t counterBefore;
  std::size_t count;
  std::vector<std::int32_t> expectedTags;
};

void PrintTo(const ReservedTagCase& tagCase, std::ostream* out) { *out << tagCase.name; }

class ReservedTags : public ThemeLoading, public ::testing::WithParamInterface<ReservedTagCase> {};

TEST_P(ReservedTags, AreNeverIssuedToElements) {
  const auto& tagCase = GetParam();
  Value children = Value::object();
  std::vector<std::string> order;
  for (std::size_t index = 0; index < tagCase.count; ++index) {
    std::string name = "E";
    name += std::to_string(index);
    children[name] = label("");
    order.push_back(name);
  }
  controller->globalCounter = tagCase.counterBefore;
  controller->createViewFromTheme(writeTheme("tags.json", theme(children, order)), "lockscreen");

  std::vector<std::int32_t> tags;
  for (const auto& name : order) tags.push_back(tagOf(name, "lockscreen"));
  EXPECT_EQ(tags, tagCase.expectedTags);
}

INSTANTIATE_TEST_SUITE_P(Counters, ReservedTags,
                         ::testing::Values(ReservedTagCase{"weekDayLabel", 42, 2, {43, 45}},
                                           ReservedTagCase{"fillViews", 9965, 2, {9969, 9970}},
                                           ReservedTagCase{"systemViews", 8943, 3, {8946, 8947, 8948}},
                                           ReservedTagCase{"todayLabelAndBadge", 3353, 1, {3355}}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(ThemeLoading, AGlassViewsInnerTagIsNeverIssuedToAnotherElement) {
  controller->createViewFromTheme(writeTheme("glass.json", theme({{"Glass", container({}, "GlassView")}}, {"Glass"})),
                                  "lockscreen");
  ASSERT_EQ(tagOf("Glass", "lockscreen"), 1);
  controller->globalCounter = 1000;
  controller->createViewFromTheme(homeTheme(), "homescreen");
  EXPECT_EQ(tagOf("D", "homescreen"), 1002);
}

struct OrientationCase {
  const char* name;
  ui::UserInterfaceIdiom idiom;
  ui::DeviceOrientation orientation;
  bool rebuilds;
  double expectedWidth;
};

void PrintTo(const OrientationCase& orientationCase, std::ostream* out) { *out << orientationCase.name; }

class Orientation : public ThemeLoading, public ::testing::WithParamInterface<OrientationCase> {
 protected:
  ~Orientation() override {
    ui::Device::currentDevice().setUserInterfaceIdiom(ui::UserInterfaceIdiom::phone);
    ui::Device::currentDevice().setOrientation(ui::DeviceOrientation::portrait);
  }
};

TEST_P(Orientation, ResizesAndRebuildsOnlyPadTreesInPortraitOrLandscape) {
  const auto& orientationCase = GetParam();
  controller->createViewFromTheme(lockTheme(), "lockscreen");
  controller->createViewFromTheme(homeTheme(), "homescreen");
  const auto counter = controller->globalCounter;
  ui::Device::currentDevice().setUserInterfaceIdiom(orientationCase.idiom);
  ui::Device::currentDevice().setOrientation(orientationCase.orientation);

  controller->orientationChanged();

  EXPECT_EQ(controller->globalCounter > counter, orientationCase.rebuilds);
  EXPECT_EQ(controller->vantileView->frame().width(), orientationCase.expectedWidth);
  EXPECT_EQ(controller->vantileViewSB->frame().width(), orientationCase.expectedWidth);
}

const double kScreenWidth = ui::Screen::mainScreen().bounds().width();
const double kScreenHeight = ui::Screen::mainScreen().bounds().height();

INSTANTIATE_TEST_SUITE_P(
    Devices, Orientation,
    ::testing::Values(
        OrientationCase{"phoneLandscape", ui::UserInterfaceIdiom::phone, ui::DeviceOrientation::landscapeLeft, false,
                        375},
        OrientationCase{"padFaceUp", ui::UserInterfaceIdiom::pad, ui::DeviceOrientation::faceUp, false, 375},
        OrientationCase{"padLandscapeLeft", ui::UserInterfaceIdiom::pad, ui::DeviceOrientation::landscapeLeft, true,
                        std::max(kScreenWidth, kScreenHeight)},
        OrientationCase{"padLandscapeRight", ui::UserInterfaceIdiom::pad, ui::DeviceOrientation::landscapeRight, true,
                        std::max(kScreenWidth, kScreenHeight)},
        OrientationCase{"padPortrait", ui::UserInterfaceIdiom::pad, ui::DeviceOrientation::portrait, true,
                        std::min(kScreenWidth, kScreenHeight)}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(ThemeLoading, DarwinObserversAreRegisteredOnceAndRouteTheirNotifications) {
  int swipes = 0;
  std::vector<std::string> iconRequests;
  controller->hooks.swipeHappened = [&swipes] { ++swipes; };
  controller->hooks.applicationIconImage = [&iconRequests](const std::string& bundle) {
    iconRequests.push_back(bundle);
    return std::nullopt;
  };
  const Value icon = {{"type", "AppIcon"},
                      {"bundleID", "com.apple.mobilesafari"},
                      {"frame", {{"x", "0"}, {"y", "0"}, {"width", "60"}, {"height", "60"}}}};
  const auto path = writeTheme("icons.json", theme({{"Box", container({{"Icon", icon}})}}, {"Box"}));
  controller->createViewFromTheme(path, "homescreen");
  controller->createViewFromTheme(path, "homescreen");
  iconRequests.clear();  // the styling pass of each load shows the icon's picture too
  auto& center = platform::foundation::DarwinNotificationCenter::shared();

  center.post("com.kestrune.vantile.swipegesture");
  center.post("com.spark.snowboard.refresh");
  MainQueue::shared().advance(1.9);
  EXPECT_EQ(swipes, 1);
  EXPECT_TRUE(iconRequests.empty()) << "icons are refreshed 2 s later";
  const auto counter = controller->globalCounter;

  MainQueue::shared().advance(0.2);
  EXPECT_EQ(iconRequests, std::vector<std::string>{"com.apple.mobilesafari"}) << "a nested app icon is visited";
  EXPECT_EQ(controller->globalCounter, counter) << "nothing is rebuilt";
}

}  // namespace
}  // namespace vantile::testing
