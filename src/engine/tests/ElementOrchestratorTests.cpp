#include "engine/ElementOrchestrator.h"

#include "engine/views/ClockView.h"
#include "engine/marquee/MarqueeLabel.h"
#include "platform/graphics/ImageCodec.h"
#include "testing/TemporaryDeviceRoot.h"

#include "engine/testing/RecordingHost.h"
#include "platform/ui/gestures/GestureRecognizer.h"
#include "platform/ui/text/Label.h"
#include "platform/ui/gestures/LongPressGestureRecognizer.h"
#include "platform/ui/gestures/TapGestureRecognizer.h"
#include "platform/ui/views/View.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace vantile {
namespace {

using platform::Value;
using platform::graphics::Rect;
using testing::RecordingHost;
namespace ui = platform::ui;
using Operation = ElementOrchestratorDelegate::Operation;

struct Orchestration {
  std::shared_ptr<ui::View> parent = ui::View::make({0, 0, 375, 812});
  std::shared_ptr<ui::View> sibling = ui::View::make({0, 0, 10, 10});

  Orchestration() { parent->addSubview(sibling); }

  std::shared_ptr<ui::View> run(const std::shared_ptr<RecordingHost>& host, std::string_view type,
                                const Value& options, const std::string& environment,
                                std::shared_ptr<ui::View> view = ui::View::make({0, 0, 50, 50})) {
    ElementOrchestrator::sharedInstance().setDelegate(host);
    ElementOrchestrator::sharedInstance().orchestrateElement(view, type, parent, "element", options, 7, "lockscreen",
                                                              environment);
    return view;
  }

  bool isBehindSibling(const std::shared_ptr<ui::View>& view) const { return parent->subviews().front() == view; }
};

struct ChildOrderCase {
  const char* name;
  Value options;
  std::optional<std::vector<std::string>> expected;
};

void PrintTo(const ChildOrderCase& orderCase, std::ostream* out) { *out << orderCase.name; }

class ChildOrder : public ::testing::TestWithParam<ChildOrderCase> {};

TEST_P(ChildOrder, IsHandedToTheHost) {
  const auto& orderCase = GetParam();
  EXPECT_EQ(childOrder(orderCase.options), orderCase.expected);
}

const Value kChildren = {{"a", {{"type", "UILabel"}}}, {"b", {{"type", "UILabel"}}}};

INSTANTIATE_TEST_SUITE_P(
    Forms, ChildOrder,
    ::testing::Values(
        ChildOrderCase{"list reversed", {{"childorder", "a,b,c"}, {"children", kChildren}},
                       std::vector<std::string>{"c", "b", "a"}},
        ChildOrderCase{"none gives every child", {{"childorder", "none"}, {"children", kChildren}},
                       std::vector<std::string>{"a", "b"}},
        ChildOrderCase{"blanks are kept", {{"childorder", "a, b"}}, std::vector<std::string>{" b", "a"}},
        ChildOrderCase{"empty list gives one empty name", {{"childorder", ""}}, std::vector<std::string>{""}},
        ChildOrderCase{"order array when no childorder", {{"order", {"x", "y"}}, {"children", kChildren}},
                       std::vector<std::string>{"x", "y"}},
        ChildOrderCase{"childorder wins over order", {{"childorder", "y,x"}, {"order", {"x", "y"}}},
                       std::vector<std::string>{"x", "y"}},
        ChildOrderCase{"nothing without either", {{"children", kChildren}}, std::nullopt},
        ChildOrderCase{"names only from order", {{"order", {"x", 3, nullptr, "y"}}}, std::vector<std::string>{"x", "y"}},
        ChildOrderCase{"order that is no array", {{"order", "x"}}, std::nullopt}));

struct LayerBackCase {
  const char* type;
  const char* environment;
  bool behind;
};

class LayerBack : public ::testing::TestWithParam<LayerBackCase> {};

TEST_P(LayerBack, SendsTheViewBehindItsSiblingsWhereTheStepHonoursIt) {
  const auto& backCase = GetParam();
  Orchestration orchestration;
  const auto view =
      orchestration.run(RecordingHost::make(backCase.environment), backCase.type, {{"layer", "back"}}, backCase.environment);
  EXPECT_EQ(orchestration.isBehindSibling(view), backCase.behind) << backCase.type << " in " << backCase.environment;
}

INSTANTIATE_TEST_SUITE_P(Table, LayerBack,
                         ::testing::Values(LayerBackCase{"UIView", "creator", true},
                                           LayerBackCase{"UIView", "vantile", false},
                                           LayerBackCase{"GlassView", "vantile", false},
                                           LayerBackCase{"UIImageView", "creator", true},
                                           LayerBackCase{"UIImageView", "vantile", false},
                                           LayerBackCase{"UILabel", "vantile", true},
                                           LayerBackCase{"UILabel", "creator", true},
                                           LayerBackCase{"BatteryBar", "somewhere", true},
                                           LayerBackCase{"SomethingElse", "vantile", true}));

struct ActionsCase {
  const char* type;
  const char* environment;
  const char* actions;
  std::vector<std::string> calls;
  std::size_t taps;
};

class Actions : public ::testing::TestWithParam<ActionsCase> {};

TEST_P(Actions, ReachTheHostOrBecomeTapsPerEnvironment) {
  const auto& actionsCase = GetParam();
  Orchestration orchestration;
  const auto host = RecordingHost::make(actionsCase.environment);
  const auto view = orchestration.run(host, actionsCase.type, {{"actions", actionsCase.actions}}, actionsCase.environment);
  EXPECT_EQ(host->calls, actionsCase.calls);
  EXPECT_EQ(view->gestureRecognizers().size(), actionsCase.taps);
}

const std::string kReport = "updateReferenceToView:element";

INSTANTIATE_TEST_SUITE_P(
    Table, Actions,
    ::testing::Values(
        ActionsCase{"UIView", "vantile", "none", {kReport, "enableActionsForView:none"}, 0},
        ActionsCase{"UIView", "creator", "animation", {kReport}, 1},
        ActionsCase{"UIView", "creator", "openDrawer", {kReport}, 0},
        ActionsCase{"UILabel", "vantile", "vibrate", {kReport, "enableActionsForView:vibrate"}, 0},
        ActionsCase{"UIImageView", "vantile", "none", {kReport}, 0},
        ActionsCase{"UIImageView", "vantile", "0", {kReport}, 0},
        ActionsCase{"UIImageView", "vantile", "openDrawer", {kReport, "enableActionsForView:openDrawer"}, 0},
        ActionsCase{"UIImageView", "creator", "openDrawer,animation", {kReport}, 2},
        ActionsCase{"UIImageView", "elsewhere", "openDrawer", {kReport}, 0}));

TEST(Orchestration, AttachesIdentifiesAndReportsTheCount) {
  Orchestration orchestration;
  const auto host = RecordingHost::make();
  const auto view = orchestration.run(host, "UIView", Value::object(), "vantile");
  EXPECT_EQ(view->superview(), orchestration.parent);
  EXPECT_EQ(orchestration.parent->subviews().back(), view) << "in front of the siblings attached before";
  EXPECT_EQ(view->accessibilityIdentifier(), "element");
  EXPECT_EQ(host->tags.at("element"), 7);
}

TEST(Orchestration, GivesAppIconsATapAndAShortLongPressOnlyInTheTweak) {
  for (const char* environment : {"vantile", "creator"}) {
    Orchestration orchestration;
    const auto view = orchestration.run(RecordingHost::make(environment), "AppIcon", Value::object(), environment);
    const auto& recognizers = view->gestureRecognizers();
    if (std::string(environment) == "creator") {
      EXPECT_TRUE(recognizers.empty());
      continue;
    }
    ASSERT_EQ(recognizers.size(), 2u);
    EXPECT_NE(dynamic_cast<ui::TapGestureRecognizer*>(recognizers[0].get()), nullptr);
    const auto* press = dynamic_cast<ui::LongPressGestureRecognizer*>(recognizers[1].get());
    ASSERT_NE(press, nullptr);
    EXPECT_DOUBLE_EQ(press->minimumPressDuration(), 0.3);
  }
}

TEST(Orchestration, EndsEveryWeekWidgetWithTheFixedTag) {
  Orchestration orchestration;
  const auto host = RecordingHost::make();
  const auto first = orchestration.run(host, "WeekWidget", Value::object(), "vantile");
  ElementOrchestrator::sharedInstance().orchestrateElement(ui::View::make(), "WeekWidget", orchestration.parent, "second",
                                                            Value::object(), 8, "lockscreen", "vantile");
  EXPECT_EQ(first->tag(), 9966);
  EXPECT_EQ(host->tags.at("element"), 9966);
  EXPECT_EQ(host->tags.at("second"), 9966);
  EXPECT_EQ(std::count(host->calls.begin(), host->calls.end(), kReport), 2) << "reported with the count, then 9966";
}

TEST(Orchestration, ShowsLoadingOnLabelsRightAfterAttaching) {
  Orchestration orchestration;
  const auto label = ui::Label::make({0, 0, 100, 20});
  orchestration.run(RecordingHost::make(), "UILabel", Value::object(), "vantile", label);
  EXPECT_EQ(label->text(), "Loading");
}

TEST(Orchestration, SkipsOperationsTheHostLacks) {
  Orchestration orchestration;
  const auto host = RecordingHost::make("vantile", {Operation::updateReferenceToView});
  const Value container = {{"actions", "vibrate"}, {"children", {{"a", {{"type", "UIView"}}}}}};
  const auto view = orchestration.run(host, "UIView", container, "vantile");
  EXPECT_EQ(host->calls, std::vector<std::string>{kReport});
  EXPECT_TRUE(view->subviews().empty());
}

TEST(Orchestration, WorksWithoutAnyDelegate) {
  Orchestration orchestration;
  const auto label = ui::Label::make({0, 0, 100, 20});
  ElementOrchestrator::sharedInstance().setDelegate(nullptr);
  ElementOrchestrator::sharedInstance().orchestrateElement(label, "UILabel", orchestration.parent, "lonely",
                                                            {{"children", kChildren}, {"actions", "vibrate"}}, 3,
                                                            "lockscreen", "vantile");
  EXPECT_EQ(label->superview(), orchestration.parent);
  EXPECT_EQ(label->accessibilityIdentifier(), "lonely");
  EXPECT_EQ(label->text(), "Loading");
}

TEST(Orchestration, IgnoresAMissingView) {
  Orchestration orchestration;
  const auto host = RecordingHost::make();
  ElementOrchestrator::sharedInstance().setDelegate(host);
  ElementOrchestrator::sharedInstance().orchestrateElement(nullptr, "UIView", orchestration.parent, "x",
                                                            Value::object(), 1, "lockscreen", "vantile");
  EXPECT_TRUE(host->calls.empty());
  EXPECT_EQ(orchestration.parent->subviews().size(), 1u);
}

TEST(Orchestration, AppliesScrollingLabelOptionsBeforeShowingLoading) {
  Orchestration orchestration;
  const auto marquee = MarqueeLabel::make({0, 0, 120, 30});
  const Value options = {{"marqueeType", "ContinuousRev"}, {"rate", "30"},        {"fadeLength", "12"},
                         {"animationDelay", "2"},           {"fontName", "Inter-Bold"}, {"fontSize", "0"}};
  orchestration.run(RecordingHost::make(), "MarqueeLabel", options, "vantile", marquee);
  EXPECT_EQ(marquee->marqueeType(), 3u);
  EXPECT_DOUBLE_EQ(marquee->rate(), 30);
  EXPECT_DOUBLE_EQ(marquee->fadeLength(), 12);
  EXPECT_DOUBLE_EQ(marquee->animationDelay(), 2);
  EXPECT_EQ(marquee->font().name, "Inter-Bold");
  EXPECT_DOUBLE_EQ(marquee->font().pointSize, 24) << "a zero size is 0.8 of the height";
  EXPECT_EQ(marquee->text(), "Loading");
}

TEST(Orchestration, KeepsTheBuildersScrollTypeForUnknownMarqueeTypes) {
  Orchestration orchestration;
  const auto marquee = MarqueeLabel::make({0, 0, 120, 30});
  marquee->setMarqueeType(2);
  orchestration.run(RecordingHost::make(), "MarqueeLabel", {{"marqueeType", "Sideways"}}, "vantile", marquee);
  EXPECT_EQ(marquee->marqueeType(), 2u);
}

TEST(Orchestration, AppliesClockPicturesScaleAndAlphaAndIgnoresUnreadablePictures) {
  vantile::testing::TemporaryDeviceRoot root;
  const auto hand = platform::graphics::Image::blank(4, 40);
  root.writeFile("/var/mobile/hands/hour.png", *platform::graphics::encodePNG(*hand));
  root.writeFile("/var/mobile/hands/broken.png", "not a picture");

  Orchestration orchestration;
  const auto clock = ClockView::make({0, 0, 200, 200});
  const Value options = {{"hourHandImage", "/var/mobile/hands/hour.png"},
                         {"minuteHandImage", "/var/mobile/hands/broken.png"},
                         {"secondHandImage", "/var/mobile/hands/missing.png"},
                         {"continuousSecondHand", "YES"},
                         {"scale", "0.5"},
                         {"alpha", "0.7"}};
  orchestration.run(RecordingHost::make(), "AnalogClock", options, "vantile", clock);
  EXPECT_TRUE(clock->hourHand()->contents());
  EXPECT_FALSE(clock->minHand()->contents());
  EXPECT_TRUE(clock->secHandContinuos());
  EXPECT_EQ(clock->transform(), platform::graphics::AffineTransform::scale(0.5, 0.5));
  EXPECT_DOUBLE_EQ(clock->alpha(), 0.7);
  clock->stop();
}

TEST(Orchestration, ScalesAClockAboutItsCentreWhateverTheScale) {
  // A 200-point clock at x "center", y 200 on a 375-point screen: centre (187, 300).
  const std::pair<const char*, Rect> cases[] = {
      {"0", {187, 300, 0, 0}},
      {"2", {-13, 100, 400, 400}},
      {"0.25", {162, 275, 50, 50}},
  };
  for (const auto& [scale, frame] : cases) {
    Orchestration orchestration;
    const auto clock = ClockView::make({87, 200, 200, 200});
    orchestration.run(RecordingHost::make(), "AnalogClock", {{"scale", scale}}, "vantile", clock);
    EXPECT_EQ(clock->frame(), frame) << scale;
    clock->stop();
  }
}

}  // namespace
}  // namespace vantile
