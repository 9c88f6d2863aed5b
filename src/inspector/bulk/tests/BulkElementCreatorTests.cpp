#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "inspector/bulk/BulkElementCreator.h"
#include "inspector/bulk/ElementsCollectionViewCell.h"
#include "inspector/bulk/tests/BulkSheetDriver.h"
#include "platform/foundation/queues/MainQueue.h"
#include "platform/foundation/values/ValueParsing.h"
#include "platform/ui/controls/AlertController.h"
#include "platform/ui/input/Keyboard.h"
#include "platform/ui/input/TextField.h"
#include "platform/ui/text/Label.h"
#include "platform/ui/views/Screen.h"
#include "testing/ManualMainQueue.h"
#include "testing/TemporaryDeviceRoot.h"

namespace vantile::testing {
namespace {

namespace ui = platform::ui;
using platform::Value;
using Names = std::vector<std::string>;

class RecordingCreatorDelegate : public BulkElementCreatorDelegate {
 public:
  explicit RecordingCreatorDelegate(bool answers) : answers_(answers) {}
  bool implements(Operation) const override { return answers_; }
  void bulkElementCreatorDidFinish(const Value& list) override { results.push_back(list); }
  std::vector<Value> results;

 private:
  bool answers_;
};

// The sheet presented as a form sheet over a key window tall enough to show every row of the
// tests, with two templates and a theme that holds "Clock" and "UILabel_1".
class BulkCreatorSheet : public ::testing::Test {
 protected:
  ManualMainQueue manualQueue;
  TemporaryDeviceRoot deviceRoot;
  std::shared_ptr<ui::Window> window = ui::Window::make({0, 0, 375, 1400});
  std::shared_ptr<BulkElementCreator> sheet =
      BulkElementCreator::initWithElementTypes({"UILabel", "Pill", "UIView", "Card"}, {"Clock", "UILabel_1"});
  std::shared_ptr<RecordingCreatorDelegate> listener = std::make_shared<RecordingCreatorDelegate>(true);
  BulkSheetDriver driver{sheet};

  BulkCreatorSheet() {
    ui::Screen::mainScreen().setBounds(window->bounds());
    window->setRootViewController(ui::ViewController::make());
    window->makeKeyAndVisible();
    sheet->setDelegate(listener);
    sheet->setModalPresentationStyle(ui::ModalPresentationStyle::formSheet);
    window->rootViewController()->presentViewController(sheet, true);
    window->layoutIfNeeded();
  }
  ~BulkCreatorSheet() override {
    if (ui::Keyboard::shared().isVisible()) ui::Keyboard::shared().hide();
    ui::Screen::mainScreen().setBounds({0, 0, 375, 812});
  }

  Names rowTexts() const {
    Names texts;
    for (int index = 0; index < sheet->tableView->numberOfRowsInSection(0); ++index) {
      const auto row = driver.row(index);
      texts.push_back(row ? std::to_string(row->indentLevel) + ":" + row->elementNameLabel->text() : "(none)");
    }
    return texts;
  }
  std::shared_ptr<ui::AlertController> shownAlert() const {
    return std::dynamic_pointer_cast<ui::AlertController>(sheet->presentedViewController());
  }
  void renameRow(int index, const std::string& typed) {
    const auto row = driver.row(index);
    ASSERT_TRUE(row);
    row->startEditingName();
    row->elementNameTextField->setText(typed);
    row->elementNameTextField->returnKey();
  }
};

TEST_F(BulkCreatorSheet, OffersTheFactoryTypesAndTheOtherNamesAsTemplates) {
  EXPECT_EQ(sheet->elementTypes.front(), "UILabel");
  EXPECT_EQ(sheet->elementTypes.size(), 15U) << "every basic type, whatever the canvas listed";
  EXPECT_EQ(sheet->templateTypes, (Names{"Pill", "Card"}));
  const auto templates = std::dynamic_pointer_cast<ui::CollectionView>(sheet->view()->viewWithTag(1002));
  ASSERT_TRUE(templates);
  EXPECT_EQ(templates->numberOfItemsInSection(0), 2);
  const auto tile = templates->cellForItemAtIndexPath({0, 1});
  ASSERT_TRUE(tile);
  EXPECT_EQ(tile->frame().width(), (templates->bounds().width() - 28) / 3);
  std::vector<std::string> texts;
  for (const auto& part : tile->contentView()->subviews()) {
    if (const auto label = std::dynamic_pointer_cast<ui::Label>(part)) texts.push_back(label->text());
  }
  EXPECT_EQ(texts, (Names{"Card", "Template"}));
}

TEST_F(BulkCreatorSheet, TheTableAndAddFollowWhetherTheTreeHasNodes) {
  EXPECT_FALSE(sheet->emptyStateLabel->isHidden());
  EXPECT_TRUE(sheet->tableView->isHidden());
  EXPECT_FALSE(sheet->addButton->isEnabled());
  driver.tapAdd();
  EXPECT_TRUE(listener->results.empty()) << "a disabled Add does nothing";

  driver.tapTile(BulkElementCreator::kElementsPaletteTag, "UILabel");
  EXPECT_EQ(rowTexts(), (Names{"0:UILabel_2"})) << "UILabel_1 is in the theme";
  EXPECT_TRUE(sheet->emptyStateLabel->isHidden());
  EXPECT_FALSE(sheet->tableView->isHidden());
  EXPECT_TRUE(sheet->addButton->isEnabled());
  EXPECT_EQ(sheet->addButton->textColor(), (platform::graphics::Color{1, 1, 1, 1}));

  driver.tapDelete(0);
  EXPECT_TRUE(sheet->tableView->isHidden());
  EXPECT_FALSE(sheet->addButton->isEnabled());
  EXPECT_EQ(sheet->addButton->textColor(), (platform::graphics::Color{1, 1, 1, 0.6}));
}

TEST_F(BulkCreatorSheet, TheTypeMenuAddsUnderItsRowUntilAPaletteTileTakesThePendingParent) {
  driver.tapTile(BulkElementCreator::kElementsPaletteTag, "UIView");
  driver.tapTile(BulkElementCreator::kElementsPaletteTag, "UILabel");
  EXPECT_FALSE(driver.row(0)->addChildButton->isHidden());
  EXPECT_TRUE(driver.row(1)->addChildButton->isHidden());
  driver.tapAddChild(0);
  ASSERT_TRUE(sheet->elementTypeMenu);
  driver.tapMenuButton("UILabel");
  driver.tapMenuButton("GlassView");
  driver.tapMenuButton("Done");
  EXPECT_FALSE(sheet->elementTypeMenu);
  driver.tapTile(BulkElementCreator::kTemplatesPaletteTag, "Pill");
  driver.tapTile(BulkElementCreator::kElementsPaletteTag, "UILabel");
  EXPECT_EQ(rowTexts(), (Names{"0:UIView_1", "1:UILabel_3", "1:GlassView_4", "1:Pill_5", "0:UILabel_2", "0:UILabel_6"}));
  EXPECT_TRUE(driver.row(3)->addChildButton->isHidden()) << "templates are leaves";
}

TEST_F(BulkCreatorSheet, DeletingAContainerTakesItsDescendantsOutOfTheTableAndTheResult) {
  driver.tapTile(BulkElementCreator::kElementsPaletteTag, "UIView");
  driver.tapAddChild(0);
  driver.tapMenuButton("ScrollView");
  driver.tapMenuButton("Done");
  driver.tapAddChild(1);
  driver.tapMenuButton("UILabel");
  driver.tapMenuButton("Done");
  driver.tapTile(BulkElementCreator::kElementsPaletteTag, "UIImageView");
  driver.tapTile(BulkElementCreator::kElementsPaletteTag, "UILabel");
  EXPECT_EQ(rowTexts(), (Names{"0:UIView_1", "1:ScrollView_2", "2:UILabel_3", "2:UIImageView_4", "0:UILabel_5"}));
  EXPECT_EQ(driver.row(2)->elementTypeLabel->frame().x(), 56);

  driver.tapDelete(1);
  EXPECT_EQ(rowTexts(), (Names{"0:UIView_1", "0:UILabel_5"}));
  driver.tapAdd();
  ASSERT_EQ(listener->results.size(), 1U);
  EXPECT_EQ(listener->results[0], platform::foundation::parseValue(R"([
      {"elementType": "UIView", "elementName": "UIView_1"},
      {"elementType": "UILabel", "elementName": "UILabel_5"}])")
                                      .value());
  EXPECT_EQ(window->rootViewController()->presentedViewController(), nullptr) << "Add closes the sheet";
}

TEST_F(BulkCreatorSheet, RefusedNamesKeepTheNodesNameAndExplainWhy) {
  driver.tapTile(BulkElementCreator::kElementsPaletteTag, "UILabel");
  driver.tapTile(BulkElementCreator::kElementsPaletteTag, "UIView");
  struct Case {
    std::string typed;
    std::string title;
    std::string message;
  };
  const std::vector<Case> refusals = {
      {"Clock", "Duplicate Name", "An element with this name already exists."},
      {"UIView_3", "Duplicate Name", "An element with this name already exists."},
      {"my/label", "Invalid Name", "Please use only letters, numbers, and underscores. Avoid reserved words."},
      {"children", "Invalid Name", "Please use only letters, numbers, and underscores. Avoid reserved words."},
  };
  for (const Case& test : refusals) {
    renameRow(0, test.typed);
    const auto alert = shownAlert();
    ASSERT_TRUE(alert) << test.typed;
    EXPECT_EQ(alert->title(), test.title) << test.typed;
    EXPECT_EQ(alert->message(), test.message) << test.typed;
    EXPECT_TRUE(alert->chooseAction("OK"));
    platform::foundation::MainQueue::shared().advance(1);
    EXPECT_EQ(driver.row(0)->elementNameLabel->text(), "UILabel_2") << test.typed;
  }
  renameRow(0, "");
  EXPECT_FALSE(shownAlert()) << "an empty name is refused silently";
  renameRow(0, "clock");
  EXPECT_FALSE(shownAlert());
  EXPECT_EQ(driver.row(0)->elementNameLabel->text(), "clock");
  EXPECT_EQ(sheet->hierarchy.rootItem->children[0]->elementName, "clock");
}

TEST_F(BulkCreatorSheet, AddClosesTheSheetWithoutADelegateThatAnswers) {
  const auto silent = std::make_shared<RecordingCreatorDelegate>(false);
  sheet->setDelegate(silent);
  driver.tapTile(BulkElementCreator::kElementsPaletteTag, "UILabel");
  driver.tapAdd();
  EXPECT_TRUE(silent->results.empty());
  EXPECT_EQ(window->rootViewController()->presentedViewController(), nullptr);
}

TEST(ElementTypeTiles, ShowTheTypeNameAndACaptionOnlyForKnownTypes) {
  const auto tile = ElementsCollectionViewCell::make({0, 0, 100, 100});
  tile->setLabel("WeatherIcon");
  EXPECT_EQ(std::dynamic_pointer_cast<ui::Label>(tile->viewWithTag(888))->text(), "WeatherIcon");
  EXPECT_EQ(tile->typeInfo()->text(), "(image / weather)");
  EXPECT_EQ(tile->viewWithTag(111), tile->typeInfo());
  tile->setLabel("Pill");
  EXPECT_EQ(tile->label()->text(), "Pill");
  EXPECT_EQ(tile->typeInfo()->text(), "");
}

}  // namespace
}  // namespace vantile::testing
