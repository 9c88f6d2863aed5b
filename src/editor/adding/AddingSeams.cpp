// What the template grid takes from a later issue; it does what exists until then.
#include "editor/adding/ElementTypeGrid.h"
#include "platform/ui/text/Label.h"

namespace vantile {

namespace {
constexpr std::int64_t kTileLabelTag = 888;
}  // namespace

// The bulk element creator issue brings the element type tile with its caption and look.
std::shared_ptr<platform::ui::CollectionViewCell> makeElementTypeTile() {
  auto tile = platform::ui::CollectionViewCell::make();
  auto label = platform::ui::Label::make({0, 0, 100, 100});
  label->setTag(kTileLabelTag);
  tile->contentView()->addSubview(label);
  return tile;
}

void setElementTypeTileLabel(platform::ui::CollectionViewCell& tile, const std::string& name) {
  const auto label = std::dynamic_pointer_cast<platform::ui::Label>(tile.contentView()->viewWithTag(kTileLabelTag));
  if (label) label->setText(name);
}

}  // namespace vantile
