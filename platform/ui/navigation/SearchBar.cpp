#include "platform/ui/navigation/SearchBar.h"

#include <algorithm>

#include "platform/graphics/TextMeasurement.h"
#include "platform/ui/gestures/TapGestureRecognizer.h"
#include "platform/ui/input/TextField.h"
#include "platform/ui/input/TextFieldDelegate.h"
#include "platform/ui/text/Label.h"

namespace platform::ui {

namespace {
constexpr double kMargin = 8;
constexpr double kFieldHeight = 36;
constexpr double kCancelPadding = 8;
constexpr const char* kCancelTitle = "Cancel";
constexpr graphics::Color kButtonBlue{0.04, 0.52, 1, 1};
constexpr graphics::Color kFieldBackground{0.46, 0.46, 0.5, 0.24};
}  // namespace

// Hands the field's editing to the bar, which outlives neither.
class SearchBar::FieldDelegate : public TextFieldDelegate {
 public:
  explicit FieldDelegate(std::weak_ptr<SearchBar> bar) : bar_(std::move(bar)) {}

  bool implements(Operation operation) const override {
    return operation == Operation::textFieldDidBeginEditing || operation == Operation::textFieldDidEndEditing;
  }
  void textFieldDidBeginEditing(TextField&) override {
    const auto bar = bar_.lock();
    if (!bar) return;
    if (bar->onBeginEditing_) bar->onBeginEditing_();
    bar->tell(SearchBarDelegate::Operation::textDidBeginEditing,
              [&bar](SearchBarDelegate& delegate) { delegate.searchBarTextDidBeginEditing(*bar); });
  }
  void textFieldDidEndEditing(TextField&) override {
    const auto bar = bar_.lock();
    if (!bar) return;
    bar->tell(SearchBarDelegate::Operation::textDidEndEditing,
              [&bar](SearchBarDelegate& delegate) { delegate.searchBarTextDidEndEditing(*bar); });
  }

 private:
  std::weak_ptr<SearchBar> bar_;
};

std::shared_ptr<SearchBar> SearchBar::make(const graphics::Rect& frame) {
  auto bar = std::make_shared<SearchBar>(ConstructionKey{}, frame);
  bar->attachParts();
  return bar;
}

SearchBar::SearchBar(ConstructionKey key, const graphics::Rect& frame)
    : View(key, frame), field_(TextField::make()), cancelButton_(Label::make()) {
  field_->setPlaceholder("Search");
  field_->setBackgroundColor(kFieldBackground);
  field_->layer()->setCornerRadius(10);
  field_->setClearButtonMode(TextField::ViewMode::whileEditing);
  cancelButton_->setText(kCancelTitle);
  cancelButton_->setFont(graphics::systemFont(17));
  cancelButton_->setTextColor(kButtonBlue);
  cancelButton_->setTextAlignment(TextAlignment::center);
  cancelButton_->setUserInteractionEnabled(true);
  cancelButton_->setHidden(true);
}

SearchBar::~SearchBar() = default;

void SearchBar::attachParts() {
  addSubview(field_);
  addSubview(cancelButton_);
  const std::weak_ptr<SearchBar> weak = std::static_pointer_cast<SearchBar>(shared_from_this());
  fieldDelegate_ = std::make_shared<FieldDelegate>(weak);
  field_->setDelegate(fieldDelegate_);
  field_->addEditingChangedAction([weak](Control&) {
    const auto bar = weak.lock();
    if (!bar) return;
    const std::string text = bar->text();
    bar->tell(SearchBarDelegate::Operation::textDidChange,
              [&bar, &text](SearchBarDelegate& delegate) { delegate.searchBarTextDidChange(*bar, text); });
  });
  cancelButton_->addGestureRecognizer(TapGestureRecognizer::make([weak](GestureRecognizer& tap) {
    if (tap.state() != GestureRecognizer::State::recognized) return;
    if (const auto bar = weak.lock()) bar->cancelButtonTapped();
  }));
}

const std::string& SearchBar::text() const { return field_->text(); }

void SearchBar::setText(std::string text) { field_->setText(std::move(text)); }

void SearchBar::setShowsCancelButton(bool shows, bool /*animated*/) {
  showsCancelButton_ = shows;
  cancelButton_->setHidden(!shows);
  setNeedsLayout();
}

bool SearchBar::cancelButtonTapped() {
  if (!showsCancelButton_) return false;
  const auto keepAlive = shared_from_this();
  if (onCancel_) onCancel_();
  tell(SearchBarDelegate::Operation::cancelButtonClicked,
       [this](SearchBarDelegate& delegate) { delegate.searchBarCancelButtonClicked(*this); });
  return true;
}

void SearchBar::tell(SearchBarDelegate::Operation operation, const std::function<void(SearchBarDelegate&)>& call) {
  if (const auto listener = delegate(); listener && listener->implements(operation)) call(*listener);
}

void SearchBar::layoutSubviews() {
  const graphics::Rect bounds = this->bounds();
  double cancelWidth = 0;
  if (showsCancelButton_) {
    cancelWidth = graphics::measureText(kCancelTitle, cancelButton_->font()).width + 2 * kCancelPadding;
  }
  const double fieldWidth = std::max(0.0, bounds.width() - 2 * kMargin - cancelWidth);
  const double fieldTop = std::max(0.0, (bounds.height() - kFieldHeight) / 2);
  field_->setFrame({kMargin, fieldTop, fieldWidth, std::min(kFieldHeight, bounds.height())});
  cancelButton_->setFrame({kMargin + fieldWidth, 0, cancelWidth, bounds.height()});
}

}  // namespace platform::ui
