// The value editor's suggestion list: rows, picks, folder lists and the search.
#include <cmath>

#include "inspector/menu/MenuLayout.h"
#include "inspector/valueeditor/CreatorTextFieldView.h"
#include "inspector/valueeditor/ValueEditorText.h"
#include "inspector/valueeditor/ValueSuggestions.h"
#include "platform/graphics/TextMeasurement.h"
#include "platform/ui/gestures/TapGestureRecognizer.h"
#include "platform/ui/input/TextField.h"
#include "platform/ui/text/AttributedString.h"
#include "platform/ui/text/Label.h"
#include "platform/ui/views/ScrollView.h"

namespace vantile {

namespace {

namespace graphics = platform::graphics;
namespace ui = platform::ui;

constexpr double kRowHeight = 25;
constexpr double kListSlack = 75;
constexpr graphics::Color kWhite{1, 1, 1, 1};
constexpr graphics::Color kBlack{0, 0, 0, 1};
constexpr graphics::Color kRuleColor{1, 1, 1, 0.2};

std::shared_ptr<ui::Label> makeRow(const std::string& value, const std::string& text, double top, double width) {
  auto row = ui::Label::make({0, top, width, kRowHeight});
  row->setText(text);
  row->setTextColor(kWhite);
  row->setFont(graphics::systemFont(12));
  row->setTextAlignment(ui::TextAlignment::center);
  row->setUserInteractionEnabled(true);
  row->layer()->setName(value);
  auto rule = ui::Layer::make();
  rule->setFrame({0, kRowHeight - 1, width, 1});
  rule->setBorderWidth(1);
  rule->setBorderColor(kRuleColor);
  row->layer()->addSublayer(std::move(rule));
  return row;
}

}  // namespace

void CreatorTextFieldView::loadScrollviewWithData(const std::vector<std::string>& rows) {
  if (scrollview) scrollview->removeFromSuperview();
  const double width = listWidth();
  const double top = isData || isBundleID ? 130 : 95;
  scrollview = ui::ScrollView::make(
      {bounds().size.width / 2 - std::trunc(width / 2), top, width, std::trunc(bounds().size.height - 100)});
  scrollview->setBackgroundColor(kBlack);
  scrollview->layer()->setCornerRadius(5);
  for (std::size_t index = 0; index < rows.size(); ++index) {
    const std::string& value = rows[index];
    const auto demo = sources_.demoValues ? sources_.demoValues(value) : std::nullopt;
    const std::string text = demo ? MenuLayout::rowText(value, demo) : value;
    scrollview->addSubview(makeRow(value, text, kRowHeight * static_cast<double>(index), width));
  }
  auto tap = ui::TapGestureRecognizer::make([panel = weakSelf()](ui::GestureRecognizer& recognizer) {
    if (const auto self = panel.lock()) self->scrollViewSelected(recognizer);
  });
  tap->setNumberOfTapsRequired(1);
  tap->setNumberOfTouchesRequired(1);
  scrollview->addGestureRecognizer(std::move(tap));
  scrollview->setContentSize({width, kRowHeight * static_cast<double>(rows.size()) + kListSlack});
  addSubview(scrollview);
}

void CreatorTextFieldView::scrollViewSelected(ui::GestureRecognizer& tap) {
  if (!scrollview) return;
  const auto location = tap.locationInView(scrollview.get());
  const auto hit = location ? scrollview->hitTest(*location) : nullptr;
  if (!hit || hit == scrollview || hit->superview() != scrollview) return;
  const std::string value = hit->layer()->name().value_or("");
  if (!openFolderRow(value)) pickRow(value);
}

std::vector<std::string> CreatorTextFieldView::folderRows(std::string_view folder) const {
  std::vector<std::string> entries = sources_.folderEntries ? sources_.folderEntries(std::string(folder))
                                                            : std::vector<std::string>{};
  std::erase(entries, ".DS_Store");
  return entries;
}

bool CreatorTextFieldView::openFolderRow(const std::string& value) {
  if (value == kWebWidgetFolder) {
    loadScrollviewWithData(folderRows(kWebWidgetFolder));
    webviewURLFolder = "webviewURLFolder";
  } else if (value == "signal") {
    loadScrollviewWithData(folderRows(kSignalImagesFolder));
    imageFolderType = "signal";
  } else if (value == "wifi") {
    loadScrollviewWithData(folderRows(kWifiImagesFolder));
    imageFolderType = "wifi";
  } else {
    return false;
  }
  return true;
}

void CreatorTextFieldView::pickRow(const std::string& value) {
  if (!textFieldView) return;
  const std::string text = textFieldView->text();
  if (isData) {
    textFieldView->setText(ValueEditorText::appendDataToken(text, value));
  } else if (!webviewURLFolder.empty()) {
    webviewURLFolder.clear();
    if (completionBlock) finish(ValueEditorText::webWidgetPage(value));
  } else if (!imageFolderType.empty()) {
    textFieldView->setText(ValueEditorText::imageSetPath(imageFolderType, value));
    imageFolderType.clear();
  } else if (isAdded) {
    textFieldView->setText(ValueEditorText::toggleStep(text, value));
  } else {
    textFieldView->setText(value);
  }
}

std::vector<std::string> CreatorTextFieldView::searchableRows() const {
  return isBundleID ? getAppBundles() : getCreatorDataMethods();
}

void CreatorTextFieldView::search(const std::string& query) {
  const std::vector<std::string> rows = searchableRows();
  loadScrollviewWithData(query.empty() ? rows : MenuLayout::rowsMatching(rows, query));
}

bool CreatorTextFieldView::textField(ui::TextField& field, ui::TextRange range, const std::string& replacement) {
  if (field.layer()->name() != "search" || !(isData || isBundleID)) return true;
  search(ui::textAfterReplacing(field.text(), range, replacement));
  return true;
}

bool CreatorTextFieldView::textFieldShouldClear(ui::TextField& field) {
  if (field.layer()->name() == "search" && (isData || isBundleID)) search("");
  return true;
}

}  // namespace vantile
