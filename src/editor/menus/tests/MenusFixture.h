#pragma once

#include <memory>
#include <string>
#include <vector>

#include "editor/editing/tests/EditingFixture.h"
#include "inspector/menu/CreatorVerticalMenu.h"
#include "platform/ui/text/Label.h"
#include "platform/ui/views/ScrollView.h"

namespace vantile::testing {

// The editing fixture with an element selected, reading the menus laid over the main view.
class MenusTest : public EditingTest {
 protected:
  void select(const std::string& name) { canvas->setSelectedElement(name); }

  // Replaces the edited theme and redraws it.
  void useTheme(const platform::Value& document) {
    canvas->creatorPreset = document;
    canvas->reloadTheme();
  }

  // The menus on the main view, front-most last.
  std::vector<std::shared_ptr<CreatorVerticalMenu>> openMenus() const {
    std::vector<std::shared_ptr<CreatorVerticalMenu>> menus;
    for (const auto& view : canvas->mainView->subviews()) {
      if (auto menu = std::dynamic_pointer_cast<CreatorVerticalMenu>(view)) menus.push_back(std::move(menu));
    }
    return menus;
  }

  std::shared_ptr<CreatorVerticalMenu> frontMenu() const {
    const auto menus = openMenus();
    return menus.empty() ? nullptr : menus.back();
  }

  static std::string title(const CreatorVerticalMenu& menu) {
    const auto label = std::dynamic_pointer_cast<platform::ui::Label>(menu.mainView->subviews().front());
    return label ? label->text() : "";
  }

  static std::vector<std::string> rows(const CreatorVerticalMenu& menu, const std::string& segment = "0") {
    return menu.optionsDict.value(segment, std::vector<std::string>{});
  }

  // The texts of the rows the menu shows (blacklisted values left out).
  static std::vector<std::string> shownRowValues(const CreatorVerticalMenu& menu) {
    std::vector<std::string> values;
    if (!menu.scrollview) return values;
    for (const auto& view : menu.scrollview->subviews()) {
      if (std::dynamic_pointer_cast<platform::ui::Label>(view)) values.push_back(view->layer()->name().value_or(""));
    }
    return values;
  }
};

}  // namespace vantile::testing
