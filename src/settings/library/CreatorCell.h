#pragma once

#include <cstdint>
#include <memory>

#include "platform/ui/lists/CollectionViewCell.h"

namespace platform::ui {
class ImageView;
class Label;
}  // namespace platform::ui

namespace vantile::settings {

// A theme of the library's grid: its preview filling the cell and its name along the bottom
// (tag 888). Both parts are made on first use; a reused cell makes fresh ones.
class CreatorCell : public platform::ui::CollectionViewCell {
 public:
  static constexpr std::int64_t kNameTag = 888;

  static std::shared_ptr<CreatorCell> make(const platform::graphics::Rect& frame = {});
  CreatorCell(ConstructionKey key, const platform::graphics::Rect& frame);

  std::string_view className() const override { return "CreatorCell"; }

  const std::shared_ptr<platform::ui::ImageView>& imageView();
  const std::shared_ptr<platform::ui::Label>& uiLabel();

  void prepareForReuse() override;

  // Which picture load the cell waits for; a load that finds another number here is stale.
  std::uint64_t pictureLoad = 0;

 private:
  std::shared_ptr<platform::ui::ImageView> imageView_;
  std::shared_ptr<platform::ui::Label> uiLabel_;
};

}  // namespace vantile::settings
