#include "editor/adding/ElementTypeGrid.h"

#include <limits>

#include "inspector/bulk/ElementsCollectionViewCell.h"

namespace vantile {

namespace {

constexpr double kTileSide = 100;
constexpr double kGridInset = 20;

}  // namespace

std::shared_ptr<platform::ui::CollectionView> ElementTypeGrid::makeGridView(const platform::graphics::Rect& frame) {
  platform::ui::CollectionViewFlowLayout layout;
  layout.itemSize = {kTileSide, kTileSide};
  // The scroll view has no content inset: the section inset gives the same margin.
  layout.sectionInset = {kGridInset, kGridInset, kGridInset, kGridInset};
  auto grid = platform::ui::CollectionView::make(frame, layout);
  grid->registerCellClass<ElementsCollectionViewCell>(kCellIdentifier);
  return grid;
}

int ElementTypeGrid::numberOfItemsInSection(platform::ui::CollectionView&, int section) {
  if (section != 0) return 0;
  const std::size_t count = names_().size();
  return count > static_cast<std::size_t>(std::numeric_limits<int>::max()) ? std::numeric_limits<int>::max()
                                                                             : static_cast<int>(count);
}

std::shared_ptr<platform::ui::CollectionViewCell> ElementTypeGrid::cellForItemAtIndexPath(
    platform::ui::CollectionView& collectionView, platform::ui::IndexPath indexPath) {
  auto tile = collectionView.dequeueReusableCell(kCellIdentifier, indexPath);
  if (const auto typeTile = std::dynamic_pointer_cast<ElementsCollectionViewCell>(tile)) {
    typeTile->setLabel(nameAt(indexPath).value_or(""));
  }
  return tile;
}

void ElementTypeGrid::didSelectItemAtIndexPath(platform::ui::CollectionView&, platform::ui::IndexPath indexPath) {
  if (const std::optional<std::string> name = nameAt(indexPath)) chosen_(*name);
}

std::optional<std::string> ElementTypeGrid::nameAt(platform::ui::IndexPath indexPath) const {
  const std::vector<std::string> names = names_();
  if (indexPath.section != 0 || indexPath.item() < 0 || static_cast<std::size_t>(indexPath.item()) >= names.size()) {
    return std::nullopt;
  }
  return names[static_cast<std::size_t>(indexPath.item())];
}

}  // namespace vantile
