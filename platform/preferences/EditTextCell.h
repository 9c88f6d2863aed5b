#pragma once

#include <memory>
#include <string>

#include "platform/preferences/PaneRows.h"
#include "platform/ui/lists/TableViewCell.h"

namespace platform::ui {
class TextField;
class TextFieldDelegate;
}  // namespace platform::ui

namespace platform::preferences {

class ListController;

// An edit-text row: its label and a field holding the row's value. The text is stored when
// editing ends; Return tells the pane (_returnKeyPressed).
class EditTextCell : public ui::TableViewCell {
 public:
  static std::shared_ptr<EditTextCell> make(const PaneRow& row, ListController& pane);

  EditTextCell(ConstructionKey key, PaneRow row, std::weak_ptr<ListController> pane);

  std::string_view className() const override { return "EditTextCell"; }

  const std::shared_ptr<ui::TextField>& textField() const { return field_; }

 protected:
  void layoutSubviews() override;

 private:
  PaneRow row_;
  std::shared_ptr<ui::TextField> field_;
  std::shared_ptr<ui::TextFieldDelegate> fieldDelegate_;
};

}  // namespace platform::preferences
