#include "inspector/bulk/BulkElementTreeCell.h"

#include "inspector/palette/EditorPalette.h"

#include <algorithm>
#include <limits>

#include "platform/graphics/TextMeasurement.h"
#include "platform/ui/gestures/TapGestureRecognizer.h"
#include "platform/ui/input/TextField.h"
#include "platform/ui/lists/CollectionView.h"
#include "platform/ui/text/Label.h"

namespace vantile {

namespace ui = platform::ui;
using platform::graphics::Color;
using platform::graphics::Font;

namespace {

constexpr Color kRowBackground = editor_palette::kPanel;
constexpr Color kControlBackground = editor_palette::kRaised;
constexpr Color kWhite = editor_palette::kWhite;
constexpr Color kLightGrey = editor_palette::kLightGrey;
constexpr double kButtonSide = 24;
constexpr double kButtonGap = 8;
constexpr double kStripHeight = 44;
constexpr double kChipHeight = 28;
constexpr double kChipPadding = 12;
constexpr double kChipFontSize = 10;
constexpr const char* kChipIdentifier = "SuggestedNameCell";

std::shared_ptr<BulkButton> roundButton(std::string title) {
  auto button = BulkButton::make({0, 0, kButtonSide, kButtonSide}, std::move(title));
  button->setFont({"Inter-Bold", 16});
  button->setTextColor(kWhite);
  button->setBackgroundColor(kControlBackground);
  button->layer()->setCornerRadius(kButtonSide / 2);
  button->setClipsToBounds(true);
  return button;
}

int clampedCount(std::size_t count) {
  return count > static_cast<std::size_t>(std::numeric_limits<int>::max()) ? std::numeric_limits<int>::max()
                                                                             : static_cast<int>(count);
}

const std::string* suggestionAt(ui::IndexPath place) {
  const auto& names = BulkElementTreeCell::getSuggestedNames();
  if (place.section != 0 || place.item() < 0 || static_cast<std::size_t>(place.item()) >= names.size()) return nullptr;
  return &names[static_cast<std::size_t>(place.item())];
}

}  // namespace

// Answers the row's text field and suggestion strip for the row.
class BulkElementTreeCell::Helper final : public ui::TextFieldDelegate,
                                          public ui::CollectionViewDataSource,
                                          public ui::CollectionViewDelegate {
 public:
  explicit Helper(std::weak_ptr<BulkElementTreeCell> cell) : cell_(std::move(cell)) {}

  bool implements(ui::TextFieldDelegate::Operation operation) const override {
    return operation == ui::TextFieldDelegate::Operation::textFieldShouldReturn ||
           operation == ui::TextFieldDelegate::Operation::textFieldDidEndEditing;
  }
  bool textFieldShouldReturn(ui::TextField&) override {
    if (const auto cell = cell_.lock()) cell->stopEditingName();
    return true;
  }
  void textFieldDidEndEditing(ui::TextField&) override {
    if (const auto cell = cell_.lock()) cell->stopEditingName();
  }

  bool implements(ui::CollectionViewDataSource::Operation) const override { return false; }
  int numberOfItemsInSection(ui::CollectionView&, int section) override {
    return section == 0 ? clampedCount(getSuggestedNames().size()) : 0;
  }
  std::shared_ptr<ui::CollectionViewCell> cellForItemAtIndexPath(ui::CollectionView& strip,
                                                                 ui::IndexPath place) override {
    auto chip = strip.dequeueReusableCell(kChipIdentifier, place);
    const std::string* name = suggestionAt(place);
    if (!chip || !name) return chip;
    const auto& content = chip->contentView();
    for (const auto& old : std::vector(content->subviews())) old->removeFromSuperview();
    chip->setBackgroundColor(kControlBackground);
    chip->layer()->setCornerRadius(4);
    auto label = ui::Label::make({4, 0, chip->bounds().width() - 8, chip->bounds().height()});
    label->setText(*name);
    label->setFont(platform::graphics::systemFont(kChipFontSize));
    label->setTextColor(kWhite);
    label->setTextAlignment(ui::TextAlignment::center);
    content->addSubview(std::move(label));
    return chip;
  }

  bool implements(ui::CollectionViewDelegate::Operation) const override { return true; }
  platform::graphics::Size sizeForItemAtIndexPath(ui::CollectionView&, const ui::CollectionViewFlowLayout&,
                                                  ui::IndexPath place) override {
    const std::string* name = suggestionAt(place);
    const double width = name ? platform::graphics::measureText(*name, platform::graphics::systemFont(kChipFontSize)).width : 0;
    return {width + kChipPadding, kChipHeight};
  }
  void didSelectItemAtIndexPath(ui::CollectionView&, ui::IndexPath place) override {
    const auto cell = cell_.lock();
    const std::string* name = suggestionAt(place);
    if (cell && name) cell->chooseSuggestedName(*name);
  }

 private:
  std::weak_ptr<BulkElementTreeCell> cell_;
};

std::shared_ptr<BulkElementTreeCell> BulkElementTreeCell::make(Style style, const std::string& reuseIdentifier) {
  auto cell = std::make_shared<BulkElementTreeCell>(ConstructionKey{}, style, reuseIdentifier);
  cell->helper_ = std::make_shared<Helper>(cell);
  cell->elementNameTextField->setDelegate(cell->helper_);
  cell->suggestedNamesCollectionView->setDataSource(cell->helper_);
  cell->suggestedNamesCollectionView->setDelegate(cell->helper_);
  cell->elementNameLabel->addGestureRecognizer(
      ui::TapGestureRecognizer::make([weak = std::weak_ptr<BulkElementTreeCell>(cell)](ui::GestureRecognizer&) {
        if (const auto self = weak.lock()) self->startEditingName();
      }));
  return cell;
}

BulkElementTreeCell::BulkElementTreeCell(ConstructionKey key, Style style, std::string reuseIdentifier)
    : TableViewCell(key, style, std::move(reuseIdentifier)),
      elementTypeLabel(ui::Label::make()),
      elementNameLabel(ui::Label::make()),
      elementNameTextField(ui::TextField::make()),
      addChildButton(roundButton("+")),
      deleteButton(roundButton("×")) {
  setBackgroundColor(kRowBackground);
  setSelectionStyle(SelectionStyle::none);

  elementTypeLabel->setFont({"Inter-Bold", 14});
  elementTypeLabel->setTextColor(kWhite);
  elementNameLabel->setFont(platform::graphics::systemFont(12));
  elementNameLabel->setTextColor(kLightGrey);
  elementNameLabel->setUserInteractionEnabled(true);

  elementNameTextField->setFont(platform::graphics::systemFont(12));
  elementNameTextField->setTextColor(kWhite);
  elementNameTextField->setBackgroundColor(kControlBackground);
  elementNameTextField->layer()->setCornerRadius(4);
  elementNameTextField->setLeftView(ui::View::make({0, 0, 8, 8}));
  elementNameTextField->setLeftViewMode(ui::TextField::ViewMode::always);
  elementNameTextField->setClearButtonMode(ui::TextField::ViewMode::whileEditing);
  elementNameTextField->setReturnKeyType(ui::TextField::ReturnKeyType::done);
  elementNameTextField->setHidden(true);

  ui::CollectionViewFlowLayout layout;
  layout.scrollDirection = ui::CollectionViewFlowLayout::ScrollDirection::horizontal;
  layout.minimumInteritemSpacing = 6;
  layout.minimumLineSpacing = 6;
  layout.sectionInset = {8, 8, 8, 8};
  suggestedNamesCollectionView = ui::CollectionView::make({0, 0, 0, kStripHeight}, layout);
  suggestedNamesCollectionView->setBackgroundColor(kRowBackground);
  suggestedNamesCollectionView->scrollView()->setShowsHorizontalScrollIndicator(false);
  suggestedNamesCollectionView->registerCell(kChipIdentifier, [] { return ui::CollectionViewCell::make(); });
  elementNameTextField->setInputAccessoryView(suggestedNamesCollectionView);

  const auto& content = contentView();
  for (const auto& part : std::vector<std::shared_ptr<ui::View>>{elementTypeLabel, elementNameLabel,
                                                                 elementNameTextField, addChildButton, deleteButton}) {
    content->addSubview(part);
  }
}

BulkElementTreeCell::~BulkElementTreeCell() = default;

void BulkElementTreeCell::configureWithElementType(const std::string& type, const std::string& name, int level,
                                                   bool canAddChild) {
  elementTypeLabel->setText(type);
  elementNameLabel->setText(name);
  indentLevel = level;
  addChildButton->setHidden(!canAddChild);
  setNeedsLayout();
  layoutIfNeeded();
}

void BulkElementTreeCell::layoutSubviews() {
  TableViewCell::layoutSubviews();
  const double width = bounds().width();
  const double middle = bounds().height() / 2;
  deleteButton->setFrame({width - kLeftMargin - kButtonSide, middle - kButtonSide / 2, kButtonSide, kButtonSide});
  const double addX = deleteButton->frame().x() - kButtonGap - kButtonSide;
  addChildButton->setFrame({addX, middle - kButtonSide / 2, kButtonSide, kButtonSide});
  const double left = kLeftMargin + kIndentStep * indentLevel;
  const double textWidth = std::max(0.0, addX - kButtonGap - left);
  elementTypeLabel->setFrame({left, 8, textWidth, 20});
  elementNameLabel->setFrame({left, 30, textWidth, 16});
  elementNameTextField->setFrame({left, 30, textWidth, 24});
}

void BulkElementTreeCell::startEditingName() {
  if (isEditingName) return;
  isEditingName = true;
  elementNameTextField->setText(elementNameLabel->text());
  elementNameLabel->setHidden(true);
  elementNameTextField->setHidden(false);
  elementNameTextField->becomeFirstResponder();
}

void BulkElementTreeCell::stopEditingName() {
  if (!isEditingName) return;
  // Cleared first: giving up the keyboard ends editing again, which must find nothing to do.
  isEditingName = false;
  elementNameLabel->setHidden(false);
  elementNameTextField->setHidden(true);
  elementNameTextField->resignFirstResponder();
  const std::string typed = elementNameTextField->text();
  if (typed == elementNameLabel->text()) return;
  if (const auto listener = delegate()) listener->cellDidRequestNameEdit(*this, typed);
}

void BulkElementTreeCell::chooseSuggestedName(const std::string& name) {
  elementNameTextField->setText(name);
  stopEditingName();
}

const std::vector<std::string>& BulkElementTreeCell::getSuggestedNames() {
  static const std::vector<std::string> names = {
      "main",   "container", "time",          "date",       "weather",    "battery",        "forecast",
      "view",   "title",     "content",       "header",     "footer",     "background",     "overlay",
      "blur",   "clip",      "mask",          "cut",        "weatherHolder", "timeHolder", "dateHolder",
      "forecastHolder",      "holder",        "icon",       "image",      "label",          "button",
      "scroll", "stack",     "progress",      "clock",      "analog",     "digital"};
  return names;
}

}  // namespace vantile
