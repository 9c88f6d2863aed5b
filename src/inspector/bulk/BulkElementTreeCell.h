#pragma once

#include <memory>
#include <string>
#include <vector>

#include "inspector/bulk/BulkButton.h"
#include "inspector/bulk/BulkElementTreeCellDelegate.h"
#include "platform/ui/lists/TableViewCell.h"

namespace platform::ui {
class CollectionView;
class Label;
class TextField;
}  // namespace platform::ui

namespace vantile {

// One row of the bulk creator's tree: type and name indented by depth, "+" and "×", and the
// name edited in place with a strip of suggested names above the keyboard.
class BulkElementTreeCell : public platform::ui::TableViewCell {
 public:
  static constexpr double kIndentStep = 20;
  static constexpr double kLeftMargin = 16;

  static std::shared_ptr<BulkElementTreeCell> make(Style style, const std::string& reuseIdentifier);
  BulkElementTreeCell(ConstructionKey key, Style style, std::string reuseIdentifier);
  ~BulkElementTreeCell() override;

  std::string_view className() const override { return "BulkElementTreeCell"; }

  void configureWithElementType(const std::string& type, const std::string& name, int level, bool canAddChild);
  void startEditingName();
  // Reports a changed text to the delegate, once per edit.
  void stopEditingName();
  static const std::vector<std::string>& getSuggestedNames();

  std::shared_ptr<BulkElementTreeCellDelegate> delegate() const { return delegate_.lock(); }
  void setDelegate(std::weak_ptr<BulkElementTreeCellDelegate> delegate) { delegate_ = std::move(delegate); }

  std::shared_ptr<platform::ui::Label> elementTypeLabel;
  std::shared_ptr<platform::ui::Label> elementNameLabel;
  std::shared_ptr<platform::ui::TextField> elementNameTextField;
  std::shared_ptr<platform::ui::CollectionView> suggestedNamesCollectionView;
  std::shared_ptr<BulkButton> addChildButton;
  std::shared_ptr<BulkButton> deleteButton;
  int indentLevel = 0;
  bool isEditingName = false;

 protected:
  void layoutSubviews() override;

 private:
  class Helper;
  void chooseSuggestedName(const std::string& name);

  std::weak_ptr<BulkElementTreeCellDelegate> delegate_;
  // The text field's and the strip's delegate and data source, which they hold weakly.
  std::shared_ptr<Helper> helper_;
};

}  // namespace vantile
