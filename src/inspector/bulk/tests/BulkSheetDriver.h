#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "inspector/bulk/BulkElementCreator.h"
#include "inspector/bulk/BulkElementTreeCell.h"
#include "platform/ui/gestures/TouchInjector.h"
#include "platform/ui/views/Window.h"

namespace vantile::testing {

// Taps on a shown bulk creator sheet, found by what the user sees.
class BulkSheetDriver {
 public:
  explicit BulkSheetDriver(std::shared_ptr<BulkElementCreator> sheet) : sheet_(std::move(sheet)) {}

  // A tap in the middle of the view, through the window.
  static void tap(const std::shared_ptr<platform::ui::View>& view) {
    ASSERT_TRUE(view);
    const auto window = view->window();
    ASSERT_TRUE(window) << "the view is not on screen";
    const auto point = view->convertPointToView(
        {view->bounds().width() / 2, view->bounds().height() / 2}, window.get());
    ASSERT_TRUE(point);
    platform::ui::TouchInjector(window).tap(*point);
  }

  void tapTile(std::int64_t paletteTag, const std::string& name) const {
    const auto palette = std::dynamic_pointer_cast<platform::ui::CollectionView>(sheet_->view()->viewWithTag(paletteTag));
    ASSERT_TRUE(palette);
    const auto& names = paletteTag == BulkElementCreator::kTemplatesPaletteTag ? sheet_->templateTypes
                                                                                : sheet_->elementTypes;
    const auto found = std::ranges::find(names, name);
    ASSERT_NE(found, names.end()) << name;
    ASSERT_TRUE(sheet_->view()->window()) << "the sheet is closed";
    sheet_->view()->window()->layoutIfNeeded();
    tap(palette->cellForItemAtIndexPath({0, static_cast<int>(found - names.begin())}));
  }

  std::shared_ptr<BulkElementTreeCell> row(int index) const {
    if (!sheet_->view()->window()) return nullptr;
    sheet_->view()->window()->layoutIfNeeded();
    return std::dynamic_pointer_cast<BulkElementTreeCell>(sheet_->tableView->cellForRowAtIndexPath({0, index}));
  }
  void tapAddChild(int index) const {
    const auto shown = row(index);
    ASSERT_TRUE(shown) << "row " << index;
    tap(shown->addChildButton);
  }
  void tapDelete(int index) const {
    const auto shown = row(index);
    ASSERT_TRUE(shown) << "row " << index;
    tap(shown->deleteButton);
  }

  // A button of the open type menu ("Done" or a type) by its title.
  void tapMenuButton(const std::string& title) const {
    ASSERT_TRUE(sheet_->elementTypeMenu) << "the type menu is closed";
    tap(buttonTitled(sheet_->elementTypeMenu, title));
  }

  void tapAdd() const { tap(sheet_->addButton); }

 private:
  static std::shared_ptr<platform::ui::View> buttonTitled(const std::shared_ptr<platform::ui::View>& view,
                                                          const std::string& title) {
    if (const auto button = std::dynamic_pointer_cast<BulkButton>(view); button && button->text() == title) {
      return button;
    }
    for (const auto& child : view->subviews()) {
      if (auto found = buttonTitled(child, title)) return found;
    }
    return nullptr;
  }

  std::shared_ptr<BulkElementCreator> sheet_;
};

}  // namespace vantile::testing
