#pragma once

#include <memory>
#include <string>
#include <vector>

#include "inspector/bulk/BulkButton.h"
#include "inspector/bulk/BulkElementCreatorDelegate.h"
#include "inspector/bulk/BulkElementTree.h"
#include "inspector/bulk/BulkElementTreeCellDelegate.h"
#include "platform/ui/lists/CollectionView.h"
#include "platform/ui/lists/TableView.h"
#include "platform/ui/views/ViewController.h"

namespace platform::ui {
class Label;
}

namespace vantile {

// A sheet in which the user builds a tree of new elements (containers with children, element
// types and templates, each named) and hands it back as the bulk element list on "Add". It never
// touches the theme itself.
class BulkElementCreator : public platform::ui::ViewController,
                           public platform::ui::TableViewDataSource,
                           public platform::ui::CollectionViewDataSource,
                           public platform::ui::CollectionViewDelegate,
                           public BulkElementTreeCellDelegate {
 public:
  static constexpr std::int64_t kElementsPaletteTag = 1001;
  static constexpr std::int64_t kTemplatesPaletteTag = 1002;
  static constexpr double kRowHeight = 80;
  // A typed name already in the tree; one breaking the rules gets the rules' own refusal.
  static constexpr const char* kDuplicateNameTitle = "Duplicate Name";
  static constexpr const char* kDuplicateNameMessage = "An element with this name already exists.";

  // Element types are the factory's basic types whatever the list holds; the list's other
  // names are the templates.
  static std::shared_ptr<BulkElementCreator> initWithElementTypes(const std::vector<std::string>& typesAndTemplates,
                                                                  std::vector<std::string> existingElements);
  static std::shared_ptr<BulkElementCreator> initWithElementTypes(std::vector<std::string> elementTypes,
                                                                  std::vector<std::string> templateTypes,
                                                                  std::vector<std::string> existingElements);

  BulkElementCreator(ConstructionKey key, std::vector<std::string> elementTypes, std::vector<std::string> templateTypes,
                     std::vector<std::string> existingElements);

  std::shared_ptr<BulkElementCreatorDelegate> delegate() const { return delegate_.lock(); }
  void setDelegate(std::weak_ptr<BulkElementCreatorDelegate> delegate) { delegate_ = std::move(delegate); }

  // Tree edits, each followed by a reload of the table.
  void addElementWithType(const std::string& type, const BulkElementTree::Item& parent);
  void addTemplateWithType(const std::string& templateName, const BulkElementTree::Item& parent);
  bool nameExistsInHierarchy(std::string_view name) const { return hierarchy.nameExistsInHierarchy(name); }
  static bool canElementTypeHaveChildren(std::string_view type) {
    return BulkElementTree::canElementTypeHaveChildren(type);
  }
  static std::string getAbbreviatedElementType(std::string_view type);
  static platform::Value convertHierarchyToArray(const std::vector<BulkElementTree::Item>& items) {
    return BulkElementTree::convertHierarchyToArray(items);
  }

  // The row's add-child and delete buttons (tagged with the row's index), the type menu's
  // type buttons (tagged with the type's index) and "Done", and "Add".
  void addChildButtonTapped(const BulkButton& button);
  void deleteButtonTapped(const BulkButton& button);
  void elementTypeSelected(const BulkButton& button);
  void closeElementTypeMenu();
  void addButtonTapped();

  void cellDidRequestNameEdit(BulkElementTreeCell& cell, const std::string& newName) override;

  bool implements(platform::ui::TableViewDataSource::Operation) const override { return false; }
  int numberOfRowsInSection(platform::ui::TableView& tableView, int section) override;
  std::shared_ptr<platform::ui::TableViewCell> cellForRowAtIndexPath(platform::ui::TableView& tableView,
                                                                     platform::ui::IndexPath indexPath) override;
  bool implements(platform::ui::CollectionViewDataSource::Operation) const override { return false; }
  int numberOfItemsInSection(platform::ui::CollectionView& palette, int section) override;
  std::shared_ptr<platform::ui::CollectionViewCell> cellForItemAtIndexPath(platform::ui::CollectionView& palette,
                                                                           platform::ui::IndexPath indexPath) override;
  bool implements(platform::ui::CollectionViewDelegate::Operation) const override { return true; }
  platform::graphics::Size sizeForItemAtIndexPath(platform::ui::CollectionView& palette,
                                                  const platform::ui::CollectionViewFlowLayout& layout,
                                                  platform::ui::IndexPath indexPath) override;
  void didSelectItemAtIndexPath(platform::ui::CollectionView& palette, platform::ui::IndexPath indexPath) override;

  const std::vector<std::string> elementTypes;
  const std::vector<std::string> templateTypes;
  // The tree with its name counter, display rows and pending parent.
  BulkElementTree hierarchy;

  std::shared_ptr<platform::ui::TableView> tableView;
  // Only while open.
  std::shared_ptr<platform::ui::View> elementTypeMenu;
  std::shared_ptr<platform::ui::Label> emptyStateLabel;
  std::shared_ptr<BulkButton> addButton;

 protected:
  std::shared_ptr<platform::ui::View> loadView() override;

 private:
  class SheetView;
  std::shared_ptr<BulkElementCreator> self();
  // The sheet's parts, placed by layoutSheet whenever the sheet's size changes.
  void buildViews(platform::ui::View& sheet);
  void layoutSheet(const platform::ui::View& sheet);
  std::shared_ptr<platform::ui::CollectionView> makePalette(std::int64_t tag, const char* identifier);
  void openElementTypeMenu();
  void updateFlattenedHierarchy();
  void presentRefusal(const std::string& title, const std::string& message);
  const std::vector<std::string>& namesOf(const platform::ui::CollectionView& palette) const;

  std::weak_ptr<BulkElementCreatorDelegate> delegate_;
  std::shared_ptr<platform::ui::Label> titleLabel_;
  std::shared_ptr<platform::ui::View> treeContainer_;
  std::shared_ptr<platform::ui::Label> treeHeading_;
  std::shared_ptr<platform::ui::Label> elementsHeading_;
  std::shared_ptr<platform::ui::Label> templatesHeading_;
  std::shared_ptr<platform::ui::CollectionView> elementsPalette_;
  std::shared_ptr<platform::ui::CollectionView> templatesPalette_;
};

}  // namespace vantile
