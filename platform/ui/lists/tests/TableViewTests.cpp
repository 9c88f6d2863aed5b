#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "platform/ui/gestures/TapGestureRecognizer.h"
#include "platform/ui/gestures/TouchInjector.h"
#include "platform/ui/lists/TableView.h"
#include "platform/ui/lists/tests/ListTestSupport.h"
#include "platform/ui/render/Renderer.h"
#include "platform/ui/text/Label.h"
#include "platform/ui/views/Window.h"

namespace platform::ui {
namespace {

using graphics::Point;
using graphics::Rect;
using testing::systemLogOf;

// Counts how often the table handed it back for another row.
class CountingCell : public TableViewCell {
 public:
  static std::shared_ptr<CountingCell> make(Style style, const std::string& identifier) {
    return std::make_shared<CountingCell>(ConstructionKey{}, style, identifier);
  }
  CountingCell(ConstructionKey key, Style style, std::string identifier)
      : TableViewCell(key, style, std::move(identifier)) {}

  void prepareForReuse() override {
    TableViewCell::prepareForReuse();
    ++reuses;
  }

  int reuses = 0;
};

// Rows per section as given; every cell comes from the reuse queue under "Row" and shows its row.
class Rows : public TableViewDataSource, public TableViewDelegate {
 public:
  explicit Rows(std::vector<int> counts) : counts(std::move(counts)) {}

  bool implements(TableViewDataSource::Operation) const override { return counts.size() != 1; }
  bool implements(TableViewDelegate::Operation operation) const override {
    return operation == TableViewDelegate::Operation::didSelectRowAtIndexPath || !heights.empty();
  }

  int numberOfSectionsInTableView(TableView&) override { return static_cast<int>(counts.size()); }
  int numberOfRowsInSection(TableView&, int section) override { return counts.at(static_cast<std::size_t>(section)); }
  std::shared_ptr<TableViewCell> cellForRowAtIndexPath(TableView& table, IndexPath indexPath) override {
    if (withoutCell == indexPath) return nullptr;
    auto cell = table.dequeueReusableCell("Row", indexPath);
    if (cell) cell->textLabel()->setText("row " + std::to_string(indexPath.row));
    return cell;
  }
  double heightForRowAtIndexPath(TableView&, IndexPath indexPath) override {
    return heights.at(static_cast<std::size_t>(indexPath.row));
  }
  void didSelectRowAtIndexPath(TableView&, IndexPath indexPath) override { selections.push_back(indexPath); }

  std::vector<int> counts;
  std::vector<double> heights;  // by row, when the delegate answers heights
  std::optional<IndexPath> withoutCell;
  std::vector<IndexPath> selections;
};

class TableViews : public testing::ListTest {
 protected:
  // A table of `height` points over one section of `rows`, rows of 25 points, in a window.
  void show(int rows, double height = 100) {
    source->counts = {rows};
    table->setFrame({0, 0, 320, height});
    table->setRowHeight(25);
    table->registerCell("Row", [this](const std::string& identifier) {
      ++cellsMade;
      return CountingCell::make(TableViewCell::Style::standard, identifier);
    });
    table->setDataSource(source);
    table->setDelegate(source);
    window->addSubview(table);
    window->layoutIfNeeded();
  }

  // The rows each cell object shows now.
  std::map<const TableViewCell*, int> rowOfEachCell() const {
    std::map<const TableViewCell*, int> rows;
    for (const IndexPath& indexPath : table->indexPathsForVisibleRows()) {
      rows[table->cellForRowAtIndexPath(indexPath).get()] = indexPath.row;
    }
    return rows;
  }

  std::size_t cellsInScrollView() const {
    const auto& views = table->scrollView()->subviews();
    return static_cast<std::size_t>(std::count_if(views.begin(), views.end(), [](const std::shared_ptr<View>& view) {
      return view->className() == "TableViewCell";
    }));
  }

  std::shared_ptr<Window> window = Window::make({0, 0, 320, 480});
  std::shared_ptr<TableView> table = TableView::make();
  std::shared_ptr<Rows> source = std::make_shared<Rows>(std::vector<int>{0});
  TouchInjector touches{window};
  int cellsMade = 0;
};

TEST_F(TableViews, OnlyTheRowsInsideTheBoundsHaveCellsAndTheyAreTheOnlySubviews) {
  struct Case {
    int rows;
    double height;
    double offset;
    std::vector<int> shown;
  };
  const std::vector<Case> cases = {
      {10, 100, 0, {0, 1, 2, 3}},      // 100 points of 25-point rows
      {10, 110, 0, {0, 1, 2, 3, 4}},   // a row partly inside counts
      {10, 100, 10, {0, 1, 2, 3, 4}},  // the top row partly scrolled off still shows
      {10, 100, 150, {6, 7, 8, 9}},    // the last rows
      {2, 100, 0, {0, 1}},             // fewer rows than room
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::PrintToString(c.shown));
    show(c.rows, c.height);
    table->scrollView()->setContentOffset({0, c.offset});
    std::vector<int> shown;
    for (const IndexPath& indexPath : table->indexPathsForVisibleRows()) shown.push_back(indexPath.row);
    EXPECT_EQ(shown, c.shown);
    EXPECT_EQ(cellsInScrollView(), c.shown.size());
    EXPECT_EQ(table->scrollView()->contentSize(), (graphics::Size{320, c.rows * 25.0}));
    ASSERT_TRUE(table->cellForRowAtIndexPath({0, c.shown.front()}));
    EXPECT_EQ(table->cellForRowAtIndexPath({0, c.shown.front()})->frame(), (Rect{0, c.shown.front() * 25.0, 320, 25}));
  }
}

TEST_F(TableViews, CellsThatScrollOffServeTheRowsThatScrollOn) {
  show(20);
  const auto before = rowOfEachCell();  // rows 0 to 3
  ASSERT_EQ(before.size(), 4u);

  table->scrollView()->setContentOffset({0, 50});  // down by two rows
  const auto after = rowOfEachCell();              // rows 2 to 5
  std::set<const TableViewCell*> objectsBefore, objectsAfter;
  for (const auto& [cell, row] : before) objectsBefore.insert(cell);
  for (const auto& [cell, row] : after) objectsAfter.insert(cell);
  EXPECT_EQ(objectsAfter, objectsBefore) << "the cells of rows 0 and 1 now show rows 4 and 5";
  EXPECT_EQ(cellsMade, 4);
  for (const auto& [cell, row] : after) {
    const bool cameBack = row >= 4;
    EXPECT_EQ(before.at(cell) != row, cameBack) << "row " << row;
    EXPECT_EQ(static_cast<const CountingCell*>(cell)->reuses, cameBack ? 1 : 0) << "row " << row;
    EXPECT_EQ(table->cellForRowAtIndexPath({0, row})->textLabel()->text(), "row " + std::to_string(row));
  }

  touches.drag({160, 90}, {160, 40}, 5);  // two rows more, by finger
  ASSERT_EQ(table->scrollView()->contentOffset(), (Point{0, 100}));
  EXPECT_EQ(cellsMade, 5) << "one more for the offsets in between, where five rows show at once";
  EXPECT_EQ(cellsInScrollView(), 4u);
  for (const IndexPath& indexPath : table->indexPathsForVisibleRows()) {
    EXPECT_EQ(table->cellForRowAtIndexPath(indexPath)->textLabel()->text(), "row " + std::to_string(indexPath.row));
  }

  table->scrollView()->setContentOffset({0, 400});
  EXPECT_EQ(cellsMade, 5) << "a jump to the end still reuses";
}

TEST_F(TableViews, ReloadingAsksAgainAndDropsCellsOfRowsThatAreGone) {
  show(20);
  table->scrollView()->setContentOffset({0, 400});  // the last four rows

  source->counts = {2};
  table->reloadData();
  table->layoutIfNeeded();
  EXPECT_EQ(table->indexPathsForVisibleRows(), (std::vector<IndexPath>{{0, 0}, {0, 1}}));
  EXPECT_EQ(cellsInScrollView(), 2u);
  EXPECT_EQ(table->scrollView()->contentOffset(), (Point{0, 0})) << "less content leaves no offset past its end";
  EXPECT_EQ(cellsMade, 4) << "the rows that came back reuse the old cells";

  source->counts = {0};
  table->reloadData();
  table->layoutIfNeeded();
  EXPECT_TRUE(table->visibleCells().empty());
  EXPECT_EQ(cellsInScrollView(), 0u);
}

TEST_F(TableViews, TappingARowSelectsItAndTellsTheDelegate) {
  show(6, 200);
  touches.tap({160, 2 * 25 + 12});  // the third row
  EXPECT_EQ(source->selections, (std::vector<IndexPath>{{0, 2}}));
  EXPECT_EQ(table->indexPathForSelectedRow(), (IndexPath{0, 2}));
  EXPECT_TRUE(table->cellForRowAtIndexPath({0, 2})->isSelected());

  touches.tap({10, 5 * 25 + 3});
  EXPECT_EQ(source->selections.back(), (IndexPath{0, 5}));
  EXPECT_FALSE(table->cellForRowAtIndexPath({0, 2})->isSelected()) << "one row is selected at a time";

  table->deselectRowAtIndexPath({0, 5}, true);
  EXPECT_EQ(table->indexPathForSelectedRow(), std::nullopt);
  EXPECT_FALSE(table->cellForRowAtIndexPath({0, 5})->isSelected());

  int buttonTaps = 0;
  auto button = View::make({0, 0, 40, 25});
  button->addGestureRecognizer(TapGestureRecognizer::make([&](GestureRecognizer&) { ++buttonTaps; }));
  table->cellForRowAtIndexPath({0, 1})->contentView()->addSubview(button);
  touches.tap({20, 25 + 12});
  EXPECT_EQ(buttonTaps, 1);
  EXPECT_EQ(source->selections.size(), 2u) << "a tap that a control in the row took does not select the row";

  touches.drag({160, 100}, {160, 40}, 4);
  touches.tap({160, 6 * 25 + 10});  // below the last row
  EXPECT_EQ(source->selections.size(), 2u) << "neither a drag nor a tap below the rows selects";
}

TEST_F(TableViews, ASelectedRowThatScrollsBackIsStillShownSelected) {
  show(20);
  table->selectRowAtIndexPath({0, 1});
  table->scrollView()->setContentOffset({0, 300});
  EXPECT_FALSE(std::any_of(table->visibleCells().begin(), table->visibleCells().end(), [](const auto& cell) {
    return cell->isSelected();
  })) << "a reused cell forgets the selection of its old row";
  table->scrollView()->setContentOffset({0, 0});
  EXPECT_TRUE(table->cellForRowAtIndexPath({0, 1})->isSelected());
  EXPECT_FALSE(table->cellForRowAtIndexPath({0, 0})->isSelected());
}

TEST_F(TableViews, SectionsStackAndTheDelegateSetsEachRowsHeight) {
  source->heights = {10, 30, 60};
  show(0, 400);
  source->counts = {3, 2};
  table->reloadData();
  table->layoutIfNeeded();
  EXPECT_EQ(table->numberOfSections(), 2);
  EXPECT_EQ(table->numberOfRowsInSection(1), 2);
  const std::vector<std::pair<IndexPath, Rect>> frames = {
      {{0, 0}, {0, 0, 320, 10}}, {{0, 2}, {0, 40, 320, 60}}, {{1, 0}, {0, 100, 320, 10}}, {{1, 1}, {0, 110, 320, 30}}};
  for (const auto& [indexPath, frame] : frames) {
    ASSERT_TRUE(table->cellForRowAtIndexPath(indexPath));
    EXPECT_EQ(table->cellForRowAtIndexPath(indexPath)->frame(), frame);
  }
  EXPECT_EQ(table->indexPathForRowAtPoint({5, 105}), (IndexPath{1, 0}));
  EXPECT_EQ(table->indexPathForRowAtPoint({5, 141}), std::nullopt);
}

TEST_F(TableViews, NothingToShowShowsNothing) {
  window->addSubview(table);
  table->setFrame({0, 0, 320, 200});
  window->layoutIfNeeded();
  EXPECT_TRUE(table->visibleCells().empty()) << "no data source";
  EXPECT_EQ(table->numberOfSections(), 0);

  show(0, 200);
  touches.tap({160, 20});
  EXPECT_TRUE(table->visibleCells().empty());
  EXPECT_TRUE(source->selections.empty());
  EXPECT_EQ(table->scrollView()->contentSize(), (graphics::Size{320, 0}));
}

TEST_F(TableViews, BadAnswersOfTheDataSourceAreLoggedAndShowNothing) {
  show(3);
  source->counts = {3, -2, 2};
  source->withoutCell = IndexPath{0, 1};
  std::string log = systemLogOf([&] {
    table->reloadData();
    table->layoutIfNeeded();
  });
  EXPECT_NE(log.find("-2"), std::string::npos) << log;
  EXPECT_NE(log.find("no cell for section 0, item 1"), std::string::npos) << log;
  EXPECT_EQ(table->indexPathsForVisibleRows(), (std::vector<IndexPath>{{0, 0}, {0, 2}, {2, 0}}))
      << "the row without a cell is left empty, the negative section has no rows, the one after it shows";
  EXPECT_EQ(table->numberOfRowsInSection(1), 0);

  log = systemLogOf([&] { EXPECT_EQ(table->dequeueReusableCell("Nobody", {0, 0}), nullptr); });
  EXPECT_NE(log.find("Nobody"), std::string::npos);
  log = systemLogOf([&] { EXPECT_EQ(table->dequeueReusableCell("Nobody"), nullptr); });
  EXPECT_TRUE(log.empty()) << "without an index path the caller makes its own cell";

  source->heights = {25, -1, 25};
  log = systemLogOf([&] {
    table->reloadData();
    table->layoutIfNeeded();
  });
  EXPECT_NE(log.find("row height"), std::string::npos);
}

// Rows of names, in the order the user gives them by dragging.
class Names : public TableViewDataSource {
 public:
  explicit Names(std::vector<std::string> names) : names(std::move(names)) {}

  bool implements(Operation operation) const override {
    return operation == Operation::moveRowAtIndexPath || operation == Operation::canMoveRowAtIndexPath;
  }
  int numberOfRowsInSection(TableView&, int) override { return static_cast<int>(names.size()); }
  std::shared_ptr<TableViewCell> cellForRowAtIndexPath(TableView& table, IndexPath indexPath) override {
    auto cell = table.dequeueReusableCell("DragCell");
    if (!cell) cell = TableViewCell::make(TableViewCell::Style::standard, "DragCell");
    cell->setShowsReorderControl(true);
    cell->textLabel()->setText(names.at(static_cast<std::size_t>(indexPath.row)));
    return cell;
  }
  bool canMoveRowAtIndexPath(TableView&, IndexPath indexPath) override { return indexPath.row != pinnedRow; }
  void moveRowAtIndexPath(TableView&, IndexPath from, IndexPath to) override {
    const std::string name = names.at(static_cast<std::size_t>(from.row));
    names.erase(names.begin() + from.row);
    names.insert(names.begin() + to.row, name);
  }

  std::vector<std::string> names;
  int pinnedRow = -1;
};

TEST_F(TableViews, WhileEditingARowIsDraggedByItsGripToAnotherPlace) {
  const auto names = std::make_shared<Names>(std::vector<std::string>{"C", "B", "A", "D"});
  names->pinnedRow = 3;
  table->setFrame({0, 0, 320, 200});
  table->setRowHeight(40);
  table->setDataSource(names);
  window->addSubview(table);
  window->layoutIfNeeded();
  const auto shownNames = [&] {
    std::vector<std::string> shown;
    for (const IndexPath& indexPath : table->indexPathsForVisibleRows()) {
      shown.push_back(table->cellForRowAtIndexPath(indexPath)->textLabel()->text());
    }
    return shown;
  };
  const double grip = 320 - TableViewCell::margin - 22;
  touches.drag({grip, 20}, {grip, 110}, 6);
  EXPECT_EQ(names->names, (std::vector<std::string>{"C", "B", "A", "D"})) << "no grip outside editing";

  table->setEditing(true);
  window->layoutIfNeeded();
  ASSERT_EQ(table->cellForRowAtIndexPath({0, 0})->subviews().back()->className(), "ReorderControl");
  EXPECT_NE(table->cellForRowAtIndexPath({0, 3})->subviews().back()->className(), "ReorderControl")
      << "a row that cannot move has no grip";

  touches.drag({grip, 20}, {grip, 110}, 6);  // the top row down into the third
  EXPECT_EQ(names->names, (std::vector<std::string>{"B", "A", "C", "D"}));
  EXPECT_EQ(shownNames(), names->names);
  EXPECT_EQ(table->scrollView()->contentOffset(), (Point{0, 0})) << "the drag moved the row, not the content";

  touches.drag({grip, 100}, {grip, -50}, 6);  // past the top
  EXPECT_EQ(names->names, (std::vector<std::string>{"C", "B", "A", "D"}));
  EXPECT_EQ(shownNames(), names->names);
}

// File names that a swipe and a tap on Delete remove, except the locked one.
class Files : public TableViewDataSource {
 public:
  bool implements(Operation operation) const override {
    return operation == Operation::commitEditingStyle || operation == Operation::canEditRowAtIndexPath;
  }
  int numberOfRowsInSection(TableView&, int) override { return static_cast<int>(names.size()); }
  std::shared_ptr<TableViewCell> cellForRowAtIndexPath(TableView& table, IndexPath indexPath) override {
    auto cell = table.dequeueReusableCell("cell");
    if (!cell) cell = TableViewCell::make(TableViewCell::Style::standard, "cell");
    cell->textLabel()->setText(names.at(static_cast<std::size_t>(indexPath.row)));
    return cell;
  }
  bool canEditRowAtIndexPath(TableView&, IndexPath indexPath) override { return indexPath.row != 0; }
  void commitEditingStyle(TableView& table, EditingStyle, IndexPath indexPath) override {
    names.erase(names.begin() + indexPath.row);
    table.reloadData();
  }

  std::vector<std::string> names = {"locked.png", "a.png", "b.png", "c.png"};
};

TEST_F(TableViews, ASwipeLeftOnARowShowsDeleteAndATapOnItCommitsTheDeletion) {
  const auto files = std::make_shared<Files>();
  table->setFrame({0, 0, 320, 200});
  table->setRowHeight(40);
  table->setDataSource(files);
  window->addSubview(table);
  window->layoutIfNeeded();
  const auto deleteButtonOf = [&](int row) -> std::shared_ptr<View> {
    for (const auto& view : table->cellForRowAtIndexPath({0, row})->subviews()) {
      if (view->frame() == (Rect{320 - TableView::deleteButtonWidth, 0, TableView::deleteButtonWidth, 40})) return view;
    }
    return nullptr;
  };

  touches.drag({250, 60}, {250 + TableView::deleteSwipeDistance, 60}, 5);  // to the right
  touches.drag({250, 20}, {100, 20}, 5);                                   // the locked row
  EXPECT_FALSE(deleteButtonOf(1));
  EXPECT_FALSE(deleteButtonOf(0));

  touches.drag({250, 60}, {250 - TableView::deleteSwipeDistance, 62}, 5);
  ASSERT_TRUE(deleteButtonOf(1));
  touches.tap({100, 140});
  EXPECT_FALSE(deleteButtonOf(1)) << "a touch elsewhere hides the button";
  EXPECT_EQ(table->indexPathForSelectedRow(), std::nullopt) << "and selects nothing";
  EXPECT_EQ(files->names.size(), 4u);

  touches.drag({250, 60}, {150, 60}, 5);
  touches.tap({320 - 40, 60});
  EXPECT_EQ(files->names, (std::vector<std::string>{"locked.png", "b.png", "c.png"}));
  window->layoutIfNeeded();
  EXPECT_EQ(table->visibleCells().size(), 3u);
  EXPECT_FALSE(deleteButtonOf(1)) << "the reused cell does not keep the button";
  EXPECT_EQ(table->indexPathForSelectedRow(), std::nullopt);
}

TEST_F(TableViews, ACellKeepsRoomForItsAccessoryAndDrawsItsSelection) {
  auto cell = TableViewCell::make(TableViewCell::Style::value1, "Setting");
  cell->setFrame({0, 0, 320, 44});
  cell->textLabel()->setText("Theme");
  cell->detailTextLabel()->setText("time");
  cell->setAccessoryType(TableViewCell::AccessoryType::disclosureIndicator);
  window->addSubview(cell);
  cell->layoutIfNeeded();
  const View& accessory = *cell->subviews().back();
  EXPECT_EQ(accessory.className(), "AccessoryMark");
  EXPECT_EQ(accessory.frame(), (Rect{320 - 15 - 8, (44 - 13) / 2.0, 8, 13}));
  EXPECT_EQ(cell->contentView()->frame(), (Rect{0, 0, 320 - 15 - 8, 44}));
  EXPECT_EQ(cell->detailTextLabel()->frame(), (Rect{15, 0, 320 - 15 - 8 - 30, 44}));
  EXPECT_EQ(TableViewCell::make(TableViewCell::Style::standard, "")->detailTextLabel(), nullptr);

  const auto middleOfRow = [&] { return snapshot(*cell, 1)->pixelAt(160, 22)->red; };
  const auto unselected = middleOfRow();
  cell->setSelected(true);
  EXPECT_LT(middleOfRow(), unselected) << "the selected background is grey";
  cell->setSelectionStyle(TableViewCell::SelectionStyle::none);
  EXPECT_EQ(middleOfRow(), unselected);
}

}  // namespace
}  // namespace platform::ui
