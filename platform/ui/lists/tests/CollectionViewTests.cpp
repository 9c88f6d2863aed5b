#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "platform/ui/gestures/TouchInjector.h"
#include "platform/ui/lists/CollectionView.h"
#include "platform/ui/lists/tests/ListTestSupport.h"
#include "platform/ui/views/Window.h"

namespace platform::ui {
namespace {

using graphics::Point;
using graphics::Rect;
using graphics::Size;
using testing::systemLogOf;
using Direction = CollectionViewFlowLayout::ScrollDirection;

TEST(CollectionViewFlowLayouts, PlaceItemsInLinesAcrossTheWidth) {
  struct Case {
    const char* name;
    CollectionViewFlowLayout layout;
    std::vector<Size> items;
    std::vector<Rect> frames;
    Size contentSize;
  };
  const double third = (375 - 28) / 3.0;
  auto layout = [](Size item, double spacing, double lineSpacing, EdgeInsets inset, Direction direction) {
    CollectionViewFlowLayout flow;
    flow.itemSize = item;
    flow.minimumInteritemSpacing = spacing;
    flow.minimumLineSpacing = lineSpacing;
    flow.sectionInset = inset;
    flow.scrollDirection = direction;
    return flow;
  };
  const std::vector<Case> cases = {
      {"three to a line, the spare room spread, the last line on the grid",
       layout({}, 10, 10, {}, Direction::vertical),
       std::vector<Size>(5, {100, 100}),
       {{0, 0, 100, 100}, {137.5, 0, 100, 100}, {275, 0, 100, 100}, {0, 110, 100, 100}, {137.5, 110, 100, 100}},
       {375, 210}},
      {"tiles that fill the line exactly between insets",
       layout({}, 6, 6, {8, 8, 8, 8}, Direction::vertical),
       std::vector<Size>(4, {third, 50}),
       {{8, 8, third, 50}, {8 + third + 6, 8, third, 50}, {8 + 2 * (third + 6), 8, third, 50}, {8, 64, third, 50}},
       {375, 122}},
      {"a lone last line keeps the minimum spacing; a short item is centred in its line",
       layout({}, 10, 20, {30, 30, 30, 30}, Direction::vertical),
       {{92.5, 200}, {92.5, 100}},
       {{30, 30, 92.5, 200}, {132.5, 80, 92.5, 100}},
       {375, 260}},
      {"an item wider than the line gets one of its own",
       layout({}, 10, 10, {0, 20, 0, 20}, Direction::vertical),
       {{400, 40}, {50, 40}},
       {{20, 0, 400, 40}, {20, 50, 50, 40}},
       {375, 90}},
      {"a horizontal strip fills columns and puts them side by side",
       layout({}, 6, 6, {8, 8, 8, 8}, Direction::horizontal),
       {{40, 28}, {60, 28}, {30, 28}},
       {{8, 8, 40, 28}, {54, 8, 60, 28}, {120, 8, 30, 28}},
       {158, 44}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const Size bounds = c.layout.scrollDirection == Direction::vertical ? Size{375, 600} : Size{375, 44};
    const ListLayout result = c.layout.layout(bounds, {c.items});
    ASSERT_EQ(result.frames.size(), 1u);
    ASSERT_EQ(result.frames[0].size(), c.frames.size());
    for (std::size_t item = 0; item < c.frames.size(); ++item) {
      EXPECT_NEAR(result.frames[0][item].x(), c.frames[item].x(), 1e-9) << "item " << item;
      EXPECT_NEAR(result.frames[0][item].y(), c.frames[item].y(), 1e-9) << "item " << item;
      EXPECT_EQ(result.frames[0][item].size, c.frames[item].size) << "item " << item;
    }
    EXPECT_NEAR(result.contentSize.width, c.contentSize.width, 1e-9);
    EXPECT_NEAR(result.contentSize.height, c.contentSize.height, 1e-9);
  }
}

TEST(CollectionViewFlowLayouts, EmptySectionsTakeNoRoom) {
  CollectionViewFlowLayout flow;
  flow.sectionInset = {10, 10, 10, 10};
  const ListLayout result = flow.layout({375, 600}, {{}, {{50, 50}}, {}});
  ASSERT_EQ(result.frames.size(), 3u);
  EXPECT_EQ(result.frames[1], (std::vector<Rect>{{10, 10, 50, 50}}));
  EXPECT_EQ(result.contentSize, (Size{375, 70}));
}

// Remembers the place it was last set up for.
class Tile : public CollectionViewCell {
 public:
  static std::shared_ptr<Tile> make(const Rect& frame) { return std::make_shared<Tile>(ConstructionKey{}, frame); }
  Tile(ConstructionKey key, const Rect& frame) : CollectionViewCell(key, frame) {}

  void prepareForReuse() override {
    CollectionViewCell::prepareForReuse();
    ++reuses;
  }

  int reuses = 0;
};

class Items : public CollectionViewDataSource, public CollectionViewDelegate {
 public:
  bool implements(CollectionViewDataSource::Operation) const override { return false; }
  bool implements(CollectionViewDelegate::Operation operation) const override {
    return operation == CollectionViewDelegate::Operation::didSelectItemAtIndexPath || size.has_value();
  }
  int numberOfItemsInSection(CollectionView&, int) override { return count; }
  std::shared_ptr<CollectionViewCell> cellForItemAtIndexPath(CollectionView& collection, IndexPath indexPath) override {
    auto cell = collection.dequeueReusableCell(identifier, indexPath);
    if (cell) {
      cell->setTag(indexPath.item());
      sizesWhenDequeued.push_back(cell->bounds().size);
    }
    return cell;
  }
  Size sizeForItemAtIndexPath(CollectionView&, const CollectionViewFlowLayout&, IndexPath) override { return *size; }
  void didSelectItemAtIndexPath(CollectionView&, IndexPath indexPath) override { selections.push_back(indexPath); }

  int count = 0;
  std::string identifier = "Tile";
  std::optional<Size> size;
  std::vector<IndexPath> selections;
  std::vector<Size> sizesWhenDequeued;
};

// A 375 × 300 grid of 100 × 100 tiles, three to a row, 10 apart.
class CollectionViews : public testing::ListTest {
 protected:
  void show(int count) {
    items->count = count;
    CollectionViewFlowLayout flow;
    flow.itemSize = {100, 100};
    collection->setCollectionViewLayout(flow);
    collection->registerCellClass<Tile>("Tile");
    collection->setDataSource(items);
    collection->setDelegate(items);
    window->addSubview(collection);
    window->layoutIfNeeded();
  }

  std::set<const View*> cellObjects() const {
    std::set<const View*> objects;
    for (const auto& cell : collection->visibleCells()) objects.insert(cell.get());
    return objects;
  }

  std::shared_ptr<Window> window = Window::make({0, 0, 375, 600});
  std::shared_ptr<CollectionView> collection = CollectionView::make({0, 0, 375, 300});
  std::shared_ptr<Items> items = std::make_shared<Items>();
  TouchInjector touches{window};
};

TEST_F(CollectionViews, ScrolledOffCellsComeBackForOtherItemsAndOnlyVisibleOnesAreSubviews) {
  show(30);  // ten rows of 110 points
  EXPECT_EQ(collection->visibleCells().size(), 9u) << "rows at 0, 110 and 220 reach into 300 points";
  EXPECT_EQ(collection->scrollView()->subviews().size(), 9u);
  const auto before = cellObjects();

  collection->scrollView()->setContentOffset({0, 330});  // rows 3 to 5
  EXPECT_EQ(collection->indexPathsForVisibleItems().front(), (IndexPath{0, 9}));
  EXPECT_EQ(cellObjects(), before) << "the nine cells now show items 9 to 17";
  for (const auto& cell : collection->visibleCells()) {
    EXPECT_EQ(static_cast<const Tile&>(*cell).reuses, 1);
    EXPECT_EQ(cell->tag(), collection->indexPathForCell(*cell)->item());
    EXPECT_EQ(cell->reuseIdentifier(), "Tile");
  }
  EXPECT_EQ(collection->scrollView()->subviews().size(), 9u);
}

TEST_F(CollectionViews, TappingAnItemSelectsItAndPointsFindItemsUnderTheScrolledContent) {
  show(30);
  collection->scrollView()->setContentOffset({0, 110});
  touches.tap({137.5 + 50, 50});  // the middle of the second row on screen
  EXPECT_EQ(items->selections, (std::vector<IndexPath>{{0, 4}}));
  EXPECT_TRUE(collection->cellForItemAtIndexPath({0, 4})->isSelected());

  EXPECT_EQ(collection->indexPathForItemAtPoint({300, 150}), (IndexPath{0, 8}));
  EXPECT_EQ(collection->indexPathForItemAtPoint({120, 50}), std::nullopt) << "between two tiles";
}

TEST_F(CollectionViews, TheDelegateSizesTheItemsAndADequeuedCellHasItsSizeAlready) {
  items->size = Size{60, 30};
  show(7);
  EXPECT_EQ(items->sizesWhenDequeued, std::vector<Size>(7, Size{60, 30}));
  ASSERT_TRUE(collection->cellForItemAtIndexPath({0, 5}));
  EXPECT_EQ(collection->cellForItemAtIndexPath({0, 5})->frame().size, (Size{60, 30}));
  EXPECT_EQ(collection->cellForItemAtIndexPath({0, 5})->frame().y(), 40) << "five 60-point items fill a line";
}

TEST_F(CollectionViews, EmptyOrBadDataSourcesShowNothingAndTheBadOnesAreLogged) {
  show(0);
  EXPECT_TRUE(collection->visibleCells().empty());
  touches.tap({50, 50});
  EXPECT_TRUE(items->selections.empty());

  struct Case {
    const char* name;
    int count;
    std::string identifier;
    std::optional<Size> size;
    std::string logged;
  };
  const std::vector<Case> cases = {
      {"negative count", -3, "Tile", std::nullopt, "-3"},
      {"unregistered identifier", 4, "Unknown", std::nullopt, "Unknown"},
      {"negative size", 4, "Tile", Size{-1, 10}, "item size"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    items->count = c.count;
    items->identifier = c.identifier;
    items->size = c.size;
    const std::string log = systemLogOf([&] {
      collection->reloadData();
      collection->layoutIfNeeded();
    });
    EXPECT_NE(log.find(c.logged), std::string::npos) << log;
    EXPECT_TRUE(collection->visibleCells().empty());
  }
}

}  // namespace
}  // namespace platform::ui
