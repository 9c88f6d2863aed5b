#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/ui/lists/CollectionView.h"
#include "platform/ui/lists/CollectionViewDataSource.h"
#include "platform/ui/lists/CollectionViewDelegate.h"

namespace vantile {

// The template grid's data source and delegate: one tile per entry of the type list; a tap
// hands on the entry's name, taken from the tapped place rather than from what a tile shows.
class ElementTypeGrid final : public platform::ui::CollectionViewDataSource,
                              public platform::ui::CollectionViewDelegate {
 public:
  static constexpr const char* kCellIdentifier = "LabelCell";

  using Names = std::function<std::vector<std::string>()>;
  using Chosen = std::function<void(const std::string&)>;

  ElementTypeGrid(Names names, Chosen chosen) : names_(std::move(names)), chosen_(std::move(chosen)) {}

  // A grid over the frame, 100 × 100 tiles inset by 20, with its tile registered.
  static std::shared_ptr<platform::ui::CollectionView> makeGridView(const platform::graphics::Rect& frame);

  bool implements(platform::ui::CollectionViewDataSource::Operation) const override { return false; }
  bool implements(platform::ui::CollectionViewDelegate::Operation operation) const override {
    return operation == platform::ui::CollectionViewDelegate::Operation::didSelectItemAtIndexPath;
  }
  int numberOfItemsInSection(platform::ui::CollectionView& collectionView, int section) override;
  std::shared_ptr<platform::ui::CollectionViewCell> cellForItemAtIndexPath(platform::ui::CollectionView& collectionView,
                                                                           platform::ui::IndexPath indexPath) override;
  void didSelectItemAtIndexPath(platform::ui::CollectionView& collectionView, platform::ui::IndexPath indexPath) override;

  // The entry at the place; nothing outside the list.
  std::optional<std::string> nameAt(platform::ui::IndexPath indexPath) const;

 private:
  Names names_;
  Chosen chosen_;
};

}  // namespace vantile
