#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "inspector/bulk/BulkElementTreeCell.h"
#include "platform/ui/gestures/TouchInjector.h"
#include "platform/ui/input/Keyboard.h"
#include "platform/ui/input/TextField.h"
#include "platform/ui/lists/CollectionView.h"
#include "platform/ui/text/Label.h"
#include "platform/ui/views/Screen.h"
#include "platform/ui/views/Window.h"
#include "testing/ManualMainQueue.h"
#include "testing/TemporaryDeviceRoot.h"

namespace vantile::testing {
namespace {

namespace ui = platform::ui;

class RecordingRowDelegate : public BulkElementTreeCellDelegate {
 public:
  void cellDidRequestNameEdit(BulkElementTreeCell&, const std::string& newName) override { edits.push_back(newName); }
  std::vector<std::string> edits;
};

// One row in a key window, configured as a top-level label named "UILabel_1".
class TreeRows : public ::testing::Test {
 protected:
  ManualMainQueue manualQueue;
  TemporaryDeviceRoot deviceRoot;
  std::shared_ptr<ui::Window> window = ui::Window::make({0, 0, 375, 812});
  std::shared_ptr<BulkElementTreeCell> row = BulkElementTreeCell::make(ui::TableViewCell::Style::standard, "TreeCell");
  std::shared_ptr<RecordingRowDelegate> listener = std::make_shared<RecordingRowDelegate>();

  TreeRows() {
    ui::Screen::mainScreen().setBounds(window->bounds());
    window->makeKeyAndVisible();
    row->setFrame({0, 100, 375, 80});
    window->addSubview(row);
    row->setDelegate(listener);
    row->configureWithElementType("UILabel", "UILabel_1", 0, false);
  }
  ~TreeRows() override {
    if (ui::Keyboard::shared().isVisible()) ui::Keyboard::shared().hide();
    ui::Screen::mainScreen().setBounds({0, 0, 375, 812});
  }

  void chooseSuggestion(const std::string& name) {
    const auto& names = BulkElementTreeCell::getSuggestedNames();
    const auto found = std::ranges::find(names, name);
    ASSERT_NE(found, names.end());
    const auto& strip = *row->suggestedNamesCollectionView;
    strip.delegate()->didSelectItemAtIndexPath(*row->suggestedNamesCollectionView,
                                               {0, static_cast<int>(found - names.begin())});
  }
};

TEST_F(TreeRows, ATapOnTheNameEditsItInPlaceWithSuggestionsAboveTheKeyboard) {
  ui::TouchInjector(window).tap({20, 100 + 35});
  EXPECT_TRUE(row->isEditingName);
  EXPECT_TRUE(row->elementNameLabel->isHidden());
  EXPECT_FALSE(row->elementNameTextField->isHidden());
  EXPECT_TRUE(row->elementNameTextField->isFirstResponder());
  EXPECT_EQ(row->elementNameTextField->text(), "UILabel_1");
  EXPECT_EQ(row->suggestedNamesCollectionView->window(), window) << "the strip rides on the keyboard";
  EXPECT_EQ(row->suggestedNamesCollectionView->frame().height(), 44);
  EXPECT_EQ(row->suggestedNamesCollectionView->numberOfItemsInSection(0), 33);
}

TEST_F(TreeRows, OneEditReportsOnceWhenTheReturnKeyAndTheLostKeyboardBothEndIt) {
  row->startEditingName();
  row->elementNameTextField->setText("title");
  EXPECT_TRUE(row->elementNameTextField->returnKey());
  row->elementNameTextField->resignFirstResponder();
  row->stopEditingName();
  EXPECT_EQ(listener->edits, (std::vector<std::string>{"title"}));
  EXPECT_FALSE(row->isEditingName);
  EXPECT_FALSE(row->elementNameLabel->isHidden());
  EXPECT_TRUE(row->elementNameTextField->isHidden());
  EXPECT_EQ(row->elementNameLabel->text(), "UILabel_1") << "the delegate, not the row, changes the label";
}

TEST_F(TreeRows, LosingTheKeyboardEndsTheEditAndAnEmptiedFieldIsReported) {
  row->startEditingName();
  row->elementNameTextField->setText("");
  row->elementNameTextField->resignFirstResponder();
  EXPECT_EQ(listener->edits, (std::vector<std::string>{""}));
  EXPECT_FALSE(row->isEditingName);
}

TEST_F(TreeRows, AnUnchangedNameReportsNothingAlsoWhenItsChipIsChosen) {
  row->startEditingName();
  row->stopEditingName();
  row->configureWithElementType("UIView", "main", 0, true);
  row->startEditingName();
  chooseSuggestion("main");
  EXPECT_TRUE(listener->edits.empty());
  EXPECT_FALSE(row->isEditingName);
}

TEST_F(TreeRows, AChipProposesItsNameAtOnce) {
  row->startEditingName();
  chooseSuggestion("weatherHolder");
  EXPECT_EQ(listener->edits, (std::vector<std::string>{"weatherHolder"}));
  EXPECT_FALSE(row->elementNameTextField->isFirstResponder());
}

TEST_F(TreeRows, TextsAreIndentedByDepthAndOnlyContainersShowTheAddButton) {
  struct Case {
    int level;
    double left;
  };
  for (const Case test : {Case{2, 56}, Case{0, 16}, Case{1, 36}}) {
    row->configureWithElementType("UIView", "Box", test.level, true);
    EXPECT_EQ(row->elementTypeLabel->frame().x(), test.left) << test.level;
    EXPECT_EQ(row->elementNameLabel->frame().x(), test.left) << test.level;
    EXPECT_EQ(row->elementNameTextField->frame().x(), test.left) << test.level;
  }
  EXPECT_FALSE(row->addChildButton->isHidden());
  row->configureWithElementType("Pill", "Pill_1", 0, false);
  EXPECT_TRUE(row->addChildButton->isHidden());
  EXPECT_EQ(row->deleteButton->frame(), (platform::graphics::Rect{375 - 16 - 24, 28, 24, 24}));
  EXPECT_EQ(row->addChildButton->frame().maxX(), row->deleteButton->frame().x() - 8);
}

}  // namespace
}  // namespace vantile::testing
