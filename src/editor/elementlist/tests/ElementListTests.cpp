#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "editor/CreatorView.h"
#include "platform/foundation/files/Bundle.h"
#include "platform/foundation/queues/MainQueue.h"
#include "platform/ui/controls/StackView.h"
#include "platform/ui/gestures/TouchInjector.h"
#include "platform/ui/input/ActivityIndicatorView.h"
#include "platform/ui/text/Label.h"
#include "platform/ui/views/ScrollView.h"
#include "testing/MainQueueWaiting.h"
#include "testing/ManualMainQueue.h"
#include "testing/TemporaryDeviceRoot.h"

namespace vantile::testing {
namespace {

namespace graphics = platform::graphics;
using platform::Value;
using platform::foundation::MainQueue;
using platform::ui::View;

constexpr double kStep = 0.005;

Value label() { return {{"type", "UILabel"}}; }
Value container(const char* type, Value children) { return {{"type", type}, {"children", std::move(children)}}; }

// The canvas's side panel on a screen, with the name tab the selection shows.
class ElementList : public ::testing::Test {
 protected:
  ElementList() {
    platform::foundation::Bundle::main().setBundleIdentifier("com.apple.Preferences");
    screen->addSubview(menu);
    menu->addSubview(hintLabel);
    canvas->menu = menu;
    canvas->styleHintLabel = hintLabel;
  }
  ~ElementList() override { platform::foundation::Bundle::main().setBundleIdentifier(""); }

  void setTheme(Value children, std::optional<Value> order = std::nullopt) {
    Value root{{"children", std::move(children)}};
    if (order) root["order"] = *order;
    canvas->creatorPreset = Value{{"PresetView", std::move(root)}};
  }
  static Value topLevelLabels(int count, const std::string& prefix = "label") {
    Value children = Value::object();
    for (int index = 0; index < count; ++index) children[prefix + std::to_string(index)] = label();
    return children;
  }

  // The element rows, after the add row and the all-elements row.
  std::vector<std::shared_ptr<platform::ui::Label>> rows() const {
    std::vector<std::shared_ptr<platform::ui::Label>> found;
    if (!canvas->elementStackView) return found;
    const auto& arranged = canvas->elementStackView->arrangedSubviews();
    for (std::size_t index = 2; index < arranged.size(); ++index) {
      found.push_back(std::dynamic_pointer_cast<platform::ui::Label>(arranged[index]));
    }
    return found;
  }
  std::vector<std::string> rowTexts() const {
    std::vector<std::string> texts;
    for (const auto& row : rows()) texts.push_back(row->text());
    return texts;
  }
  std::shared_ptr<platform::ui::Label> row(const std::string& name) const {
    const auto tag = canvas->creatorTags.find(name);
    if (tag == canvas->creatorTags.end()) return nullptr;
    return std::dynamic_pointer_cast<platform::ui::Label>(canvas->elementStackView->viewWithTag(tag->second));
  }
  static bool shows(const View& view) { return !view.isHidden() && view.alpha() == 1; }
  std::shared_ptr<View> button(const std::string& layerName) const {
    for (const auto& row : rows()) {
      for (const auto& subview : row->subviews()) {
        if (subview->layer()->name() == layerName) return subview;
      }
    }
    return nullptr;
  }
  std::size_t topLevelRowCount() const {
    std::size_t count = 0;
    for (const auto& text : rowTexts()) count += text.starts_with("   (") || text.starts_with("   ↓");
    return count;
  }
  graphics::Point onScreen(const View& view, graphics::Point point) const {
    return *view.convertPointToView(point, screen.get());
  }
  static void advance(double seconds) { MainQueue::shared().advance(seconds); }
  // The rows of a progressive build due by now, whenever its worker hands them over.
  void waitForRows(std::size_t count) {
    ASSERT_TRUE(runMainQueueUntil([&] { return rows().size() >= count; })) << "rows: " << rows().size();
  }

  ManualMainQueue manualQueue;
  TemporaryDeviceRoot root;
  std::shared_ptr<CreatorView> canvas = CreatorView::make();
  std::shared_ptr<View> screen = View::make({0, 0, 800, 600});
  std::shared_ptr<View> menu = View::make({500, 0, 300, 600});
  std::shared_ptr<platform::ui::Label> hintLabel = platform::ui::Label::make();
};

TEST_F(ElementList, FourElementsAreListedAtOnceWithoutTheIndicatorAndChildrenStartHidden) {
  setTheme({{"box", container("UIView", {{"a", label()}, {"b", label()}})},
            {"glass", container("GlassView", Value::object())}});
  canvas->refreshScrollview();

  EXPECT_FALSE(canvas->isLoadingElements);
  EXPECT_EQ(canvas->loadingIndicator, nullptr);
  const auto list = canvas->elementScrollView;
  ASSERT_NE(list, nullptr);
  EXPECT_EQ(list->superview(), menu);
  EXPECT_EQ(list->frame(), (graphics::Rect{0, 40, 300, 570}));
  const auto& fixed = canvas->elementStackView->arrangedSubviews();
  EXPECT_EQ(std::dynamic_pointer_cast<platform::ui::Label>(fixed[0])->text(), "    + Add New Element");
  EXPECT_EQ(fixed[0]->tag(), 9999);
  EXPECT_EQ(std::dynamic_pointer_cast<platform::ui::Label>(fixed[1])->text(), "    ⚬ All Elements");
  EXPECT_EQ(fixed[1]->tag(), 555);
  EXPECT_EQ(fixed[1]->layer()->name(), "Element list");
  EXPECT_EQ(rowTexts(), (std::vector<std::string>{"   ↓(UIView) box(2)", "        (UILabel) a", "        (UILabel) b",
                                                  "   (GlassView) glass"}));
  for (const char* child : {"a", "b"}) {
    EXPECT_TRUE(row(child)->isHidden()) << child;
    EXPECT_EQ(row(child)->alpha(), 0) << child;
  }
  EXPECT_TRUE(shows(*row("box")));
  EXPECT_EQ(row("box")->tag(), canvas->creatorTags.at("box"));
  EXPECT_GE(row("box")->tag(), 10000);
  EXPECT_EQ(row("box")->subviews().size(), 4u);
  EXPECT_EQ(button("box~copy")->frame(), (graphics::Rect{140, 0, 40, 40}));
  EXPECT_EQ(button("box~lockhide")->frame(), (graphics::Rect{260, 0, 40, 40}));

  EXPECT_EQ(list->alpha(), 0);
  advance(0.3);
  EXPECT_EQ(list->alpha(), 1);
  EXPECT_EQ(list->contentSize(), canvas->elementStackView->bounds().size);
}

TEST_F(ElementList, FiveElementsArriveOneTopLevelRowPerStepBehindTheIndicator) {
  setTheme(topLevelLabels(5));
  canvas->refreshScrollview();

  ASSERT_NE(canvas->loadingIndicator, nullptr);
  EXPECT_EQ(canvas->loadingIndicator->superview(), menu);
  EXPECT_TRUE(canvas->loadingIndicator->isAnimating());
  EXPECT_TRUE(canvas->isLoadingElements);
  EXPECT_EQ(canvas->elementScrollView->superview(), menu);

  advance(kStep / 2);
  for (std::size_t step = 1; step <= 5; ++step) {
    waitForRows(step);
    EXPECT_EQ(rows().size(), step);
    advance(kStep);
  }
  EXPECT_EQ(rowTexts().back(), "   (UILabel) label4");
  EXPECT_FALSE(canvas->isLoadingElements);
  EXPECT_EQ(canvas->loadingIndicator->superview(), nullptr);
  EXPECT_FALSE(canvas->loadingIndicator->isAnimating());
  advance(0.3);
  EXPECT_EQ(canvas->elementScrollView->alpha(), 1);
}

TEST_F(ElementList, ARefreshDuringAProgressiveBuildStartsNoSecondBuildButIsMadeWhenItCompletes) {
  setTheme(topLevelLabels(6));
  canvas->refreshScrollview();
  const auto firstList = canvas->elementScrollView;
  const auto firstStack = canvas->elementStackView;
  advance(kStep / 2);
  waitForRows(1);

  Value children = topLevelLabels(6);
  children["late"] = label();
  setTheme(children);
  canvas->refreshScrollview();
  EXPECT_EQ(canvas->elementScrollView, firstList);

  advance(5 * kStep);
  ASSERT_TRUE(runMainQueueUntil([&] { return canvas->elementScrollView != firstList; }))
      << "the held-back refresh rebuilds the list once the first build completes";
  for (int step = 0; step < 8; ++step) advance(kStep);
  waitForRows(7);
  EXPECT_EQ(rowTexts().back(), "   (UILabel) late");
  EXPECT_FALSE(canvas->isLoadingElements);
  EXPECT_EQ(firstStack->arrangedSubviews().size(), 2u + 6u) << "no rows of the second build in the first list";
}

TEST_F(ElementList, AProgressiveRefreshKeepsTheExpandedContainersAndTheListPosition) {
  Value children = topLevelLabels(4);
  children["box"] = container("UIView", {{"a", label()}, {"b", label()}});
  setTheme(children);
  canvas->openedStackElements = {"box"};
  canvas->reloadScrollview();
  advance(0.3);
  canvas->elementScrollView->setContentOffset({0, 30});

  canvas->refreshScrollview();
  advance(kStep / 2);
  for (std::size_t step = 1; step <= 5; ++step) {
    waitForRows(step < 5 ? step : 7);
    advance(kStep);
  }
  EXPECT_FALSE(canvas->isLoadingElements);
  advance(0.3);
  EXPECT_EQ(row("box")->text(), "   ↑(UIView) box(2)");
  EXPECT_TRUE(shows(*row("a")));
  EXPECT_TRUE(shows(*row("b")));
  EXPECT_EQ(canvas->elementScrollView->contentOffset(), (graphics::Point{0, 30}));
  EXPECT_EQ(canvas->elementScrollView->alpha(), 1);
}

TEST_F(ElementList, AListBuiltAtOnceDuringAProgressiveBuildEndsItAndTheOldRowsNeverArrive) {
  setTheme(topLevelLabels(6));
  canvas->refreshScrollview();
  const auto oldStack = canvas->elementStackView;
  advance(kStep / 2);
  waitForRows(1);

  canvas->reloadScrollview();
  EXPECT_FALSE(canvas->isLoadingElements);
  EXPECT_EQ(canvas->loadingIndicator->superview(), nullptr);
  EXPECT_EQ(rows().size(), 6u);
  advance(0.1);
  MainQueue::shared().runPending();
  EXPECT_EQ(rows().size(), 6u);
  EXPECT_EQ(oldStack->arrangedSubviews().size(), 2u + 1u);

  canvas->refreshScrollview();
  EXPECT_TRUE(canvas->isLoadingElements) << "a later refresh builds progressively again";
}

TEST_F(ElementList, ARefreshPutsBackTheCanvasScrollOffsetsExceptForElementsWithAnInitialOffset) {
  setTheme({{"scroller", {{"type", "ScrollView"}}},
            {"fixed", {{"type", "ScrollView"}, {"initialOffset", {{"x", "20"}, {"y", "0"}}}}}});
  auto creatorView = View::make({0, 0, 400, 600});
  canvas->creatorView = creatorView;
  std::map<std::string, std::shared_ptr<platform::ui::ScrollView>> scrolls;
  std::int32_t tag = 70;
  for (const char* name : {"scroller", "fixed"}) {
    auto scroll = platform::ui::ScrollView::make({0, 0, 100, 100});
    scroll->setTag(tag);
    scroll->setContentOffset({0, 50});
    creatorView->addSubview(scroll);
    canvas->creatorTags[name] = tag++;
    scrolls[name] = scroll;
  }

  canvas->refreshScrollview();
  for (const auto& [name, scroll] : scrolls) scroll->setContentOffset({0, 0});
  MainQueue::shared().runPending();
  EXPECT_EQ(scrolls["scroller"]->contentOffset(), (graphics::Point{0, 50}));
  EXPECT_EQ(scrolls["fixed"]->contentOffset(), (graphics::Point{0, 0}));
}

TEST_F(ElementList, AFiveHundredElementThemeNeverMakesMoreThanOneTopLevelRowInOneStep) {
  Value children = Value::object();
  for (int index = 0; index < 100; ++index) {
    children["box" + std::to_string(index)] =
        container("UIView", topLevelLabels(4, "in" + std::to_string(index) + "_"));
  }
  setTheme(children);
  canvas->refreshScrollview();

  advance(kStep / 2);
  for (std::size_t step = 1; step <= 100; ++step) {
    waitForRows(5 * step);
    ASSERT_EQ(rows().size(), 5 * step);
    ASSERT_EQ(topLevelRowCount(), step);
    advance(kStep);
  }
  EXPECT_FALSE(canvas->isLoadingElements);
}

TEST_F(ElementList, AHiddenElementsSelectAndDeleteButtonsAreDimmedAndDeafAndALockedOnesOnlyDeaf) {
  setTheme({{"hidden", label()}, {"locked", label()}, {"free", label()}});
  canvas->hiddenElements = {"hidden"};
  canvas->lockedElements = {"locked"};
  canvas->reloadScrollview();

  struct Case {
    const char* layerName;
    double alpha;
    bool touches;
  };
  const Case cases[] = {
      {"hidden", 0.2, false},       {"hidden~remove", 0.2, false},
      {"hidden~copy", 1, true},     {"hidden~lockhide", 1, true},
      {"locked", 1, false},         {"locked~remove", 1, false},
      {"locked~lockhide", 1, true}, {"free", 1, true},
      {"free~remove", 1, true},
  };
  for (const Case& test : cases) {
    const auto found = button(test.layerName);
    ASSERT_NE(found, nullptr) << test.layerName;
    EXPECT_EQ(found->alpha(), test.alpha) << test.layerName;
    EXPECT_EQ(found->isUserInteractionEnabled(), test.touches) << test.layerName;
  }

  advance(0.3);
  platform::ui::TouchInjector touches(screen);
  touches.tap(onScreen(*button("locked"), {20, 20}));
  EXPECT_EQ(canvas->getSelectedElement(), "none");
  const auto list = canvas->elementScrollView;
  touches.tap(onScreen(*button("free"), {20, 20}));
  EXPECT_EQ(canvas->getSelectedElement(), "free");
  EXPECT_EQ(hintLabel->text(), "free");
  EXPECT_EQ(list->superview(), nullptr) << "the inspector takes the list's place";
}

TEST_F(ElementList, TappingAContainerRowExpandsItAndCollapsingClosesEveryExpandedDescendant) {
  setTheme({{"box", container("UIView", {{"inner", container("UIView", {{"leaf", label()}})}, {"a", label()}})}});
  canvas->refreshScrollview();
  advance(0.3);
  ASSERT_EQ(rowTexts(), (std::vector<std::string>{"   ↓(UIView) box(2)", "        ↓(UIView) inner(1)",
                                                  "                 (UILabel) leaf", "        (UILabel) a"}));
  platform::ui::TouchInjector touches(screen);
  const auto tapRow = [&](const std::string& name) {
    touches.tap(onScreen(*row(name), {20, 20}));
    advance(0.3);
  };

  tapRow("box");
  EXPECT_EQ(row("box")->text(), "   ↑(UIView) box(2)");
  EXPECT_EQ(canvas->openedStackElements, std::vector<std::string>{"box"});
  EXPECT_TRUE(shows(*row("inner")));
  EXPECT_TRUE(shows(*row("a")));
  EXPECT_TRUE(row("leaf")->isHidden());

  tapRow("inner");
  EXPECT_TRUE(shows(*row("leaf")));

  canvas->refreshScrollview();
  advance(0.3);
  EXPECT_EQ(row("box")->text(), "   ↑(UIView) box(2)") << "a refresh keeps the expanded containers";
  EXPECT_TRUE(shows(*row("leaf")));

  tapRow("box");
  EXPECT_EQ(row("box")->text(), "   ↓(UIView) box(2)");
  EXPECT_TRUE(canvas->openedStackElements.empty());
  for (const char* name : {"inner", "a", "leaf"}) EXPECT_TRUE(row(name)->isHidden()) << name;

  tapRow("box");
  EXPECT_TRUE(shows(*row("inner")));
  EXPECT_EQ(row("inner")->text(), "        ↓(UIView) inner(1)");
  EXPECT_TRUE(row("leaf")->isHidden());
}

TEST_F(ElementList, TheFirstBuildListsTheSelectedThemeFileOrNothingWhenItCannotBeRead) {
  root.writeFile(
      "/var/mobile/Library/Vantile/themes/time.json",
      R"({"PresetView": {"children": {"b": {"type": "UILabel"}, "a": {"type": "UILabel"}}, "order": ["a", "b"]}})");
  root.writeFile("/var/mobile/Library/Vantile/themes/broken.json", "{not json");
  canvas->setupScrollview();
  EXPECT_EQ(rowTexts(), (std::vector<std::string>{"   (UILabel) a", "   (UILabel) b"}));

  canvas->selectedTheme = "broken.json";
  canvas->setupScrollview();
  EXPECT_TRUE(rowTexts().empty());
  EXPECT_EQ(canvas->elementStackView->arrangedSubviews().size(), 2u) << "the add row stays";
}

}  // namespace
}  // namespace vantile::testing
