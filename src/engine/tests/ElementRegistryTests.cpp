#include "engine/ElementRegistry.h"

#include "engine/ElementOrchestrator.h"
#include "engine/ElementTemplateFactory.h"
#include "engine/testing/RecordingHost.h"
#include "platform/foundation/queues/MainQueue.h"
#include "platform/ui/gestures/TouchInjector.h"
#include "platform/ui/views/View.h"
#include "testing/TemporaryDeviceRoot.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <set>

namespace vantile {
namespace {

using platform::Value;
using platform::graphics::Rect;
namespace ui = platform::ui;

const Rect kScreen(0, 0, 375, 812);

TEST(ElementRegistry, SupportsExactlyTheCreatableTypes) {
  const auto types = ElementTemplateFactory::sharedInstance().basicElementTypes();
  const auto& supported = ElementRegistry::sharedInstance().supportedElementTypes();
  EXPECT_EQ(supported, (std::set<std::string, std::less<>>(types.begin(), types.end())));
  EXPECT_EQ(supported.size(), 15u);
}

TEST(ElementRegistry, CreatesATaggedUnattachedView) {
  const auto view = ElementRegistry::createElement("UILabel", {{"type", "UILabel"}}, 42, kScreen);
  ASSERT_TRUE(view);
  EXPECT_EQ(view->tag(), 42);
  EXPECT_EQ(view->superview(), nullptr);
}

TEST(ElementRegistry, RefusesTypesThatAreNotCreatable) {
  for (const char* type : {"UITextView", "WKWebView", "uilabel", "", "UIButton"}) {
    EXPECT_EQ(ElementRegistry::createElement(type, {{"type", type}}, 1, kScreen), nullptr) << type;
  }
}

TEST(ElementRegistry, SurvivesMalformedDescriptionsAndKeepsWorking) {
  testing::TemporaryDeviceRoot root;
  const Value malformed[] = {Value("not a dictionary"),
                             Value::array({1, 2}),
                             {{"frame", "center"}, {"textShadow", "x"}, {"fontSize", {{"a", 1}}}},
                             {{"frame", {{"x", {1, 2}}}}, {"borderWidth", Value::array()}, {"children", 3}},
                             {{"contentSize", "wide"}, {"initialOffset", {{"x", nullptr}}}, {"infiniteScroll", 5}}};
  const auto isFinite = [](const Rect& r) {
    return std::isfinite(r.x()) && std::isfinite(r.y()) && std::isfinite(r.width()) && std::isfinite(r.height());
  };
  for (const auto& type : ElementTemplateFactory::sharedInstance().basicElementTypes()) {
    std::int32_t tag = 100;
    for (const auto& description : malformed) {
      SCOPED_TRACE(type + " " + description.dump());
      // Either nothing or a whole view, as a good description would give: tagged, unattached, placed.
      const auto view = ElementRegistry::createElement(type, description, ++tag, kScreen);
      if (!view) continue;
      EXPECT_EQ(view->tag(), tag);
      EXPECT_EQ(view->superview(), nullptr);
      EXPECT_TRUE(isFinite(view->frame()));
    }
  }
  // A builder that fails gives nothing: a wrapped glass view needs a width and a height.
  const Value glassWithoutWidth = {{"type", "GlassView"},
                                   {"frame", {{"x", "0"}, {"y", "0"}, {"height", "10"}}},
                                   {"cornerRadius", "10"},
                                   {"boxShadow", {{"color", "rgba(0,0,0,0.3)"}}}};
  EXPECT_EQ(ElementRegistry::createElement("GlassView", glassWithoutWidth, 1, kScreen), nullptr);

  const auto next = ElementRegistry::createElement("UIView", {{"type", "UIView"}}, 2, kScreen);
  ASSERT_TRUE(next);
  EXPECT_EQ(next->tag(), 2);
  EXPECT_EQ(next->frame(), kScreen) << "a description without a frame covers the reference rectangle";
  platform::foundation::MainQueue::shared().clear();  // the property pass logged the bad keys
}

TEST(ElementTree, BuildsNestedContainersThroughTheHostWithATagForEveryElement) {
  const auto root = ui::View::make(kScreen);
  const auto host = testing::RecordingHost::make();
  const Value children = {
      {"panel",
       {{"type", "UIView"},
        {"childorder", "first,second"},
        {"children",
         {{"first", {{"type", "UILabel"}}},
          {"second", {{"type", "GlassView"}, {"children", {{"deep", {{"type", "BatteryBar"}}}}}}}}}}},
      {"skipped", {{"type", "UITextView"}}},
      {"typeless", {{"frame", Value::object()}}}};
  host->build(children, root);

  EXPECT_EQ(host->tags.size(), 4u) << "every built element is reported once by name";
  for (const auto& [name, tag] : host->tags) {
    EXPECT_TRUE(root->viewWithTag(tag)) << name;
  }
  const auto panel = root->viewWithTag(host->tags.at("panel"));
  ASSERT_EQ(panel->subviews().size(), 3u);  // the blur sub-view, then the children
  EXPECT_EQ(panel->subviews().back()->accessibilityIdentifier(), "first") << "the first listed child is frontmost";
  EXPECT_EQ(host->globalCounter, 5) << "the counter also counts elements whose view was refused";
}

TEST(ElementTree, RoutesAppIconTapsAndPressesToTheHostInTheTweak) {
  const auto root = ui::View::make(kScreen);
  const auto host = testing::RecordingHost::make("vantile");
  const auto icon = ui::View::make({100, 100, 60, 60});
  ElementOrchestrator::sharedInstance().setDelegate(host);
  ElementOrchestrator::sharedInstance().orchestrateElement(icon, "AppIcon", root, "mail", Value::object(), 1,
                                                            "homescreen", "vantile");
  platform::foundation::MainQueue::shared().useManualClock(1000);
  ui::TouchInjector touches(root);
  touches.tap({130, 130});
  touches.press({130, 130}, 0.5);
  platform::foundation::MainQueue::shared().useRealClock();
  EXPECT_EQ(std::count(host->calls.begin(), host->calls.end(), "launchApp"), 1);
  EXPECT_GE(std::count(host->calls.begin(), host->calls.end(), "changeApp"), 1);
}

}  // namespace
}  // namespace vantile
