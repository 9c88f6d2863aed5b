#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "inspector/menu/CreatorVerticalMenu.h"
#include "platform/foundation/queues/MainQueue.h"
#include "platform/ui/controls/SegmentedControl.h"
#include "platform/ui/gestures/TouchInjector.h"
#include "platform/ui/input/Keyboard.h"
#include "platform/ui/input/TextField.h"
#include "platform/ui/text/Label.h"
#include "platform/ui/views/ImageView.h"
#include "platform/ui/views/Screen.h"
#include "platform/ui/views/ScrollView.h"
#include "platform/ui/views/Window.h"
#include "testing/ManualMainQueue.h"
#include "testing/TemporaryDeviceRoot.h"

namespace vantile::testing {
namespace {

namespace ui = platform::ui;
using platform::Value;

constexpr double kScreenWidth = 390;
constexpr double kScreenHeight = 844;

Value rows(int count) {
  Value list = Value::array();
  for (int index = 0; index < count; ++index) list.push_back("row" + std::to_string(index));
  return list;
}

// A menu over a phone-sized window, recording what it answers.
class VerticalMenus : public ::testing::Test {
 protected:
  ManualMainQueue manualQueue;
  TemporaryDeviceRoot deviceRoot;
  std::shared_ptr<ui::Window> window;
  std::shared_ptr<CreatorVerticalMenu> menu;
  std::vector<std::string> pickedRows;
  std::vector<int> pickedSegments;

  VerticalMenus() {
    ui::Screen::mainScreen().setBounds({0, 0, kScreenWidth, kScreenHeight});
    window = ui::Window::make({0, 0, kScreenWidth, kScreenHeight});
    window->makeKeyAndVisible();
  }
  ~VerticalMenus() override {
    if (ui::Keyboard::shared().isVisible()) ui::Keyboard::shared().hide();
    ui::Screen::mainScreen().setBounds({0, 0, 375, 812});
  }

  void open(Value options, CreatorVerticalMenu::DemoValues demoValues = {}) {
    menu = CreatorVerticalMenu::initWithMenuName(
        "Pick", std::move(options), window->bounds(), [this](const std::string& value) { pickedRows.push_back(value); },
        [this](int index) { pickedSegments.push_back(index); }, std::move(demoValues));
    window->addSubview(menu);
    window->layoutIfNeeded();
  }

  std::vector<std::shared_ptr<ui::Label>> rowLabels() const {
    std::vector<std::shared_ptr<ui::Label>> labels;
    if (!menu->scrollview) return labels;
    for (const auto& view : menu->scrollview->subviews()) {
      if (auto label = std::dynamic_pointer_cast<ui::Label>(view)) labels.push_back(std::move(label));
    }
    return labels;
  }
  std::vector<std::string> rowTexts() const {
    std::vector<std::string> texts;
    for (const auto& label : rowLabels()) texts.push_back(label->text());
    return texts;
  }
  std::vector<std::shared_ptr<ui::ImageView>> thumbnails() const {
    std::vector<std::shared_ptr<ui::ImageView>> images;
    for (const auto& view : menu->scrollview->subviews()) {
      if (auto image = std::dynamic_pointer_cast<ui::ImageView>(view)) images.push_back(std::move(image));
    }
    return images;
  }
  // The middle of shown row n, in window points.
  platform::graphics::Point rowPoint(int n, double x = 200) const {
    const auto list = menu->scrollview->frame();
    return {x, menu->mainView->frame().origin.y + list.origin.y + n * 45 + 20};
  }
  void search(const std::string& text) {
    ASSERT_TRUE(menu->searchFieldView->becomeFirstResponder());
    ASSERT_TRUE(ui::Keyboard::shared().type(text));
  }
};

TEST_F(VerticalMenus, AnEightyPointSegmentOnlyMenuSitsThreeHundredPointsUpAndAnswersOnlyWithSegments) {
  open({{"segmentArray", {"Lock", "Home"}}, {"segmentStart", "1"}, {"customHeight", "80"}});

  EXPECT_EQ(menu->mainView->frame(), (platform::graphics::Rect{0, 544, kScreenWidth, 80}));
  EXPECT_EQ(menu->selectorValue, 1);
  EXPECT_EQ(menu->scrollview, nullptr);
  EXPECT_EQ(menu->searchFieldView->superview(), nullptr);
  ui::SegmentedControl* segments = nullptr;
  for (const auto& view : menu->mainView->subviews()) {
    if (auto* control = dynamic_cast<ui::SegmentedControl*>(view.get())) segments = control;
  }
  ASSERT_NE(segments, nullptr);
  EXPECT_EQ(segments->selectedSegmentIndex(), 1);

  ui::TouchInjector(window).tap({kScreenWidth / 2 - 60, 544 + 60});
  EXPECT_EQ(pickedSegments, std::vector<int>{0});
  EXPECT_TRUE(pickedRows.empty());
}

TEST_F(VerticalMenus, ThePanelIsAtLeastThreeHundredAndAtMostHalfTheScreenHigh) {
  open({{"0", rows(3)}});
  EXPECT_EQ(menu->mainView->frame(), (platform::graphics::Rect{0, 544, kScreenWidth, 300}));
  EXPECT_EQ(menu->searchFieldView->frame().origin.y, 50) << "without segments the search field moves up";
  EXPECT_EQ(menu->scrollview->frame().origin.y, 80);
  EXPECT_EQ(menu->scrollview->contentSize().height, 3 * 45 + 135);

  menu->removeFromSuperview();
  open({{"0", rows(20)}});
  EXPECT_EQ(menu->mainView->frame(), (platform::graphics::Rect{0, 422, kScreenWidth, 422}));
}

TEST_F(VerticalMenus, TheStartSegmentChoosesTheListAndAnotherSegmentReloadsItBeforeAnswering) {
  open({{"0", {"first"}}, {"1", {"second", "third"}}, {"segmentArray", {"A", "B"}}, {"segmentStart", 1}});
  EXPECT_EQ(rowTexts(), (std::vector<std::string>{"     second", "     third"}));
  EXPECT_EQ(menu->scrollview->frame().origin.y, 110);

  menu->segmentCompletionBlock = [this](int index) {
    pickedSegments.push_back(index);
    EXPECT_EQ(rowTexts(), std::vector<std::string>{"     first"}) << "the list is reloaded first";
  };
  ui::TouchInjector(window).tap({kScreenWidth / 2 - 60, menu->mainView->frame().origin.y + 60});
  EXPECT_EQ(pickedSegments, std::vector<int>{0});
  EXPECT_EQ(menu->selectorValue, 0);
}

TEST_F(VerticalMenus, ABlacklistedValueIsNeitherShownNorCounted) {
  open({{"0", {"a", "hidden", "b"}}, {"blacklist", {"hidden"}}});
  const auto labels = rowLabels();
  ASSERT_EQ(labels.size(), 2U);
  EXPECT_EQ(labels[1]->text(), "     b");
  EXPECT_EQ(labels[1]->frame().origin.y, 45);
  EXPECT_EQ(menu->scrollview->contentSize().height, 2 * 45 + 135);
}

TEST_F(VerticalMenus, AValueArrayEntryStaysWithItsRowThroughASearch) {
  open({{"0", {"alpha", "beta", "gamma"}}, {"valueArray", {"one", "two", {{"size", 3}, {"on", true}}}}});
  EXPECT_EQ(rowTexts(),
            (std::vector<std::string>{"     alpha - one", "     beta - two", R"(     gamma - {"size":3,"on":true})"}));
  search("gam");
  EXPECT_EQ(rowTexts(), std::vector<std::string>{R"(     gamma - {"size":3,"on":true})"});

  menu->removeFromSuperview();
  open({{"0", {"alpha", "beta"}}, {"valueArray", {"one"}}});
  EXPECT_EQ(rowTexts(), (std::vector<std::string>{"     alpha - one", "     beta"})) << "a short value array";
}

TEST_F(VerticalMenus, TheSelectedElementTextOutranksTheValueArrayWhichOutranksPreviewData) {
  const auto demoValues = [](std::string_view name) -> std::optional<std::string> {
    if (name == "battery") return "50";
    return std::nullopt;
  };
  open({{"0", {"battery", "plain"}}}, demoValues);
  EXPECT_EQ(rowTexts(), (std::vector<std::string>{"     battery - 50", "     plain"}));

  menu->removeFromSuperview();
  open({{"0", {"battery"}}, {"valueArray", {"given"}}}, demoValues);
  EXPECT_EQ(rowTexts(), std::vector<std::string>{"     battery - given"});

  menu->removeFromSuperview();
  open({{"0", {"battery"}}, {"valueArray", {"given"}}, {"selectedElementText", "Hello"}}, demoValues);
  EXPECT_EQ(rowTexts(), std::vector<std::string>{"     battery - Hello"});
}

TEST_F(VerticalMenus, APictureRowHasAThumbnailAndItsTextMovesRight) {
  open({{"0", {"logo.png", "logo.tar.png"}}});
  const auto images = thumbnails();
  ASSERT_EQ(images.size(), 1U);
  EXPECT_EQ(images[0]->frame(), (platform::graphics::Rect{0, 0, 40, 40}));
  EXPECT_FALSE(images[0]->isUserInteractionEnabled());
  const auto labels = rowLabels();
  EXPECT_EQ(labels[0]->frame().origin.x, 40);
  EXPECT_EQ(labels[1]->frame().origin.x, 0);

  ui::TouchInjector(window).tap(rowPoint(0, 20));
  EXPECT_TRUE(pickedRows.empty()) << "the thumbnail is not touchable";
}

TEST_F(VerticalMenus, ATapOnARowAnswersItsValueAndATapBelowTheLastRowNothing) {
  open({{"0", {"left", "center", "right"}}});
  ui::TouchInjector fingers(window);
  fingers.tap(rowPoint(1));
  EXPECT_EQ(pickedRows, std::vector<std::string>{"center"});
  fingers.tap(rowPoint(3));
  fingers.tap({200, rowPoint(2).y + 22.5});
  EXPECT_EQ(pickedRows, std::vector<std::string>{"center"}) << "the gap under a row and the space below answer nothing";
  EXPECT_EQ(menu->superview(), window) << "a pick leaves the menu to its caller";
}

TEST_F(VerticalMenus, SearchIgnoresCaseAndClearingRestoresEveryRow) {
  open({{"0", {"AM", "time", "amount"}}});
  search("AM");
  const auto upper = rowTexts();
  EXPECT_EQ(upper, (std::vector<std::string>{"     AM", "     amount"}));
  menu->searchFieldView->setText("");
  search("am");
  EXPECT_EQ(rowTexts(), upper);
  search("zzz");
  EXPECT_TRUE(rowTexts().empty());

  ASSERT_TRUE(menu->searchFieldView->clearButtonTapped());
  EXPECT_EQ(rowTexts().size(), 3U);
}

TEST_F(VerticalMenus, ReturnFiltersAndThenClosesTheKeyboardOnTheMainQueue) {
  open({{"0", {"AM", "time"}}});
  ASSERT_TRUE(menu->searchFieldView->becomeFirstResponder());
  menu->searchFieldView->setText("ti");
  EXPECT_FALSE(ui::Keyboard::shared().pressReturn()) << "return never inserts a line";
  EXPECT_EQ(rowTexts(), std::vector<std::string>{"     time"});
  EXPECT_TRUE(menu->searchFieldView->isFirstResponder());
  platform::foundation::MainQueue::shared().advance(0);
  EXPECT_FALSE(menu->searchFieldView->isFirstResponder());
}

TEST_F(VerticalMenus, TheMenuRisesAboveTheKeyboardAndReturnsWhenItHides) {
  open({{"0", rows(3)}});
  ui::Keyboard::shared().show(300);
  EXPECT_EQ(menu->frame().origin.y, kScreenHeight - 300 - kScreenHeight);
  EXPECT_EQ(menu->frame().size, window->bounds().size);
  ui::Keyboard::shared().hide();
  EXPECT_EQ(menu->frame().origin.y, 0);
}

TEST_F(VerticalMenus, AFontMenuDrawsEachRowInTheFontItNames) {
  open({{"0", {"Inter-Bold", "Missing.ttf"}}, {"type", "font"}});
  const auto labels = rowLabels();
  EXPECT_EQ(labels[0]->font().name, "Inter-Bold");
  EXPECT_EQ(labels[0]->font().pointSize, 12);
  EXPECT_EQ(labels[1]->font().name, platform::graphics::systemFont(12).name) << "an unreadable font file";
}

TEST_F(VerticalMenus, TheCloseButtonRemovesTheMenuWithoutAnswering) {
  open({{"0", rows(3)}});
  ui::TouchInjector(window).tap({kScreenWidth - 20, menu->mainView->frame().origin.y + 20});
  EXPECT_EQ(menu->superview(), nullptr);
  EXPECT_TRUE(pickedRows.empty());
  EXPECT_TRUE(pickedSegments.empty());
}

}  // namespace
}  // namespace vantile::testing
