#include "platform/preferences/EditTextCell.h"

#include "platform/foundation/values/Conversions.h"
#include "platform/preferences/ListController.h"
#include "platform/ui/input/TextField.h"
#include "platform/ui/input/TextFieldDelegate.h"
#include "platform/ui/text/Label.h"

namespace platform::preferences {

namespace {

constexpr double kFieldInset = 15;

class RowFieldDelegate : public ui::TextFieldDelegate {
 public:
  RowFieldDelegate(PaneRow row, std::weak_ptr<ListController> pane) : row_(std::move(row)), pane_(std::move(pane)) {}

  bool implements(Operation operation) const override {
    return operation == Operation::textFieldDidEndEditing || operation == Operation::textFieldShouldReturn;
  }
  void textFieldDidEndEditing(ui::TextField& field) override {
    if (const auto pane = pane_.lock()) pane->setPreferenceValue(Value(field.text()), row_);
  }
  bool textFieldShouldReturn(ui::TextField&) override {
    if (const auto pane = pane_.lock()) pane->_returnKeyPressed();
    return false;
  }

 private:
  PaneRow row_;
  std::weak_ptr<ListController> pane_;
};

}  // namespace

std::shared_ptr<EditTextCell> EditTextCell::make(const PaneRow& row, ListController& pane) {
  return std::make_shared<EditTextCell>(ConstructionKey{}, row,
                                        std::static_pointer_cast<ListController>(pane.shared_from_this()));
}

EditTextCell::EditTextCell(ConstructionKey key, PaneRow row, std::weak_ptr<ListController> pane)
    : TableViewCell(key, Style::standard, ""), row_(std::move(row)), field_(ui::TextField::make()) {
  fieldDelegate_ = std::make_shared<RowFieldDelegate>(row_, pane);
  field_->setDelegate(fieldDelegate_);
  field_->setTextAlignment(ui::TextAlignment::right);
  if (const auto placeholder = row_.text("placeholder")) field_->setPlaceholder(*placeholder);
  if (const auto shared = pane.lock()) {
    if (const auto value = shared->readPreferenceValue(row_)) field_->setText(foundation::description(*value));
  }
  textLabel()->setText(row_.label);
  setSelectionStyle(SelectionStyle::none);
  contentView()->addSubview(field_);
}

void EditTextCell::layoutSubviews() {
  TableViewCell::layoutSubviews();
  const auto bounds = contentView()->bounds();
  const double half = bounds.size.width / 2;
  field_->setFrame({bounds.origin.x + half, bounds.origin.y, half - kFieldInset, bounds.size.height});
}

}  // namespace platform::preferences
