#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "inspector/reorder/CreatorReorderView.h"
#include "platform/foundation/queues/MainQueue.h"
#include "platform/ui/gestures/TouchInjector.h"
#include "platform/ui/lists/TableView.h"
#include "platform/ui/lists/TableViewCell.h"
#include "platform/ui/text/Label.h"
#include "platform/ui/views/Window.h"
#include "testing/ManualMainQueue.h"
#include "testing/TemporaryDeviceRoot.h"

namespace vantile::testing {
namespace {

namespace ui = platform::ui;
using Names = std::vector<std::string>;

constexpr double kWidth = 390;
constexpr double kAreaHeight = 844;
constexpr double kPanelTop = kAreaHeight - 400;

// The layer order of a list, slid in over a phone-sized window.
class LayerOrder : public ::testing::Test {
 protected:
  ManualMainQueue manualQueue;
  TemporaryDeviceRoot deviceRoot;
  std::shared_ptr<ui::Window> window = ui::Window::make({0, 0, kWidth, kAreaHeight});
  std::shared_ptr<CreatorReorderView> panel;
  std::vector<Names> answers;

  void open(const Names& list) {
    panel = CreatorReorderView::initReorderWithList(list, window->bounds(),
                                                    [this](const Names& result) { answers.push_back(result); });
    window->addSubview(panel);
    platform::foundation::MainQueue::shared().advance(0.25);
    window->layoutIfNeeded();
  }
  Names shownRows() const {
    Names shown;
    for (const auto& indexPath : panel->_tableView->indexPathsForVisibleRows()) {
      shown.push_back(panel->_tableView->cellForRowAtIndexPath(indexPath)->textLabel()->text());
    }
    return shown;
  }
  // The middle of header label x, or of table row n, in window points.
  static platform::graphics::Point header(double x) { return {x, kPanelTop + 20}; }
  static platform::graphics::Point grip(int row) {
    return {kWidth - ui::TableViewCell::margin - 22, kPanelTop + 40 + row * ui::TableView::defaultRowHeight + 22};
  }
  static constexpr double saveX = kWidth - 70;
  static constexpr double closeX = 70;
};

TEST_F(LayerOrder, ThePanelSlidesUpFromBelowTheAreaItIsGiven) {
  panel = CreatorReorderView::initReorderWithList({"A"}, {0, 0, kWidth, kAreaHeight}, [](const Names&) {});
  const auto shownCentreY = [&] { return panel->layer()->presentationProperties().position.y; };
  EXPECT_EQ(shownCentreY(), kAreaHeight + 200);
  platform::foundation::MainQueue::shared().advance(0.1);
  EXPECT_GT(shownCentreY(), kPanelTop + 200);
  EXPECT_LT(shownCentreY(), kAreaHeight + 200);
  platform::foundation::MainQueue::shared().advance(0.1);
  EXPECT_EQ(shownCentreY(), kPanelTop + 200);
  EXPECT_EQ(panel->frame(), (platform::graphics::Rect{0, kPanelTop, kWidth, 400}));
  EXPECT_TRUE(panel->_tableView->isEditing());
}

TEST_F(LayerOrder, TheListShowsReversedAndSaveWithoutMovesHandsItBackUnchanged) {
  open({"A", "B", "C"});
  EXPECT_EQ(shownRows(), (Names{"C", "B", "A"}));
  ui::TouchInjector(window).tap(header(saveX));
  EXPECT_EQ(answers, std::vector<Names>{(Names{"A", "B", "C"})});
}

TEST_F(LayerOrder, DraggingTheTopRowToTheBottomSavesItFirstAndCloseAlwaysGivesNothing) {
  open({"A", "B", "C"});
  ui::TouchInjector fingers(window);
  fingers.drag(grip(0), grip(2), 8);
  window->layoutIfNeeded();
  EXPECT_EQ(shownRows(), (Names{"B", "A", "C"}));
  EXPECT_EQ(panel->_list, (Names{"B", "A", "C"}));

  fingers.tap(header(saveX));
  fingers.tap(header(saveX));
  fingers.tap(header(closeX));
  EXPECT_EQ(answers, (std::vector<Names>{{"C", "A", "B"}, {"C", "A", "B"}, {}}));
  EXPECT_EQ(panel->superview(), window) << "the caller removes the panel";
}

TEST_F(LayerOrder, ATapOnTheTitleOrBesideTheButtonsAnswersNothing) {
  open({"A", "B"});
  ui::TouchInjector fingers(window);
  fingers.tap(header(kWidth / 2));
  fingers.tap(header(5));
  EXPECT_TRUE(answers.empty());
}

TEST_F(LayerOrder, AnEmptyListSavesAnEmptyList) {
  open({});
  EXPECT_TRUE(shownRows().empty());
  ui::TouchInjector(window).tap(header(saveX));
  EXPECT_EQ(answers, std::vector<Names>{Names{}});
}

}  // namespace
}  // namespace vantile::testing
