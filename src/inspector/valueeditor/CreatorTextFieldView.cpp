#include "inspector/valueeditor/CreatorTextFieldView.h"

#include <cmath>

#include "inspector/palette/EditorPalette.h"
#include "inspector/valueeditor/ValueEditorText.h"
#include "inspector/valueeditor/ValueSuggestions.h"
#include "platform/foundation/queues/MainQueue.h"
#include "platform/graphics/TextMeasurement.h"
#include "platform/ui/gestures/TapGestureRecognizer.h"
#include "platform/ui/input/TextField.h"
#include "platform/ui/text/Label.h"
#include "platform/ui/views/Screen.h"

namespace vantile {

namespace {

namespace graphics = platform::graphics;
namespace ui = platform::ui;

constexpr graphics::Color kWhite{1, 1, 1, 1};
constexpr graphics::Color kBlack{0, 0, 0, 1};
constexpr double kCloseSide = 30;
constexpr const char* kSearchLayerName = "search";

double screenHeight() { return std::trunc(ui::Screen::mainScreen().bounds().size.height); }

bool isSearchField(const ui::TextField& field) { return field.layer()->name() == kSearchLayerName; }

}  // namespace

CreatorTextFieldView::CreatorTextFieldView(ConstructionKey key, const graphics::Rect& frame,
                                           ValueEditorSources sources)
    : View(key, frame), sources_(std::move(sources)) {}

std::shared_ptr<CreatorTextFieldView> CreatorTextFieldView::initWithFrame(const graphics::Rect& frame,
                                                                         ValueEditorSources sources) {
  auto panel = std::make_shared<CreatorTextFieldView>(ConstructionKey{}, frame, std::move(sources));
  panel->setBackgroundColor(editor_palette::kPanel);
  panel->setClipsToBounds(true);
  panel->addCloseButton();
  panel->observeKeyboard();
  return panel;
}

std::weak_ptr<CreatorTextFieldView> CreatorTextFieldView::weakSelf() {
  return std::static_pointer_cast<CreatorTextFieldView>(shared_from_this());
}

void CreatorTextFieldView::addCloseButton() {
  auto button = ui::View::make({bounds().size.width - 40, 10, kCloseSide, kCloseSide});
  button->setBackgroundColor(kBlack);
  button->layer()->setCornerRadius(kCloseSide / 2);
  auto cross = ui::Label::make(button->bounds());
  cross->setText("X");
  cross->setTextColor(kWhite);
  cross->setFont(graphics::systemFont(14));
  cross->setTextAlignment(ui::TextAlignment::center);
  button->addSubview(std::move(cross));
  auto tap = ui::TapGestureRecognizer::make([panel = weakSelf()](ui::GestureRecognizer&) {
    if (const auto self = panel.lock()) self->close();
  });
  tap->setNumberOfTapsRequired(1);
  tap->setNumberOfTouchesRequired(1);
  button->addGestureRecognizer(std::move(tap));
  addSubview(std::move(button));
}

void CreatorTextFieldView::observeKeyboard() {
  auto& keyboard = ui::Keyboard::shared();
  keyboardObservations_.push_back(keyboard.addObserver(
      ui::Keyboard::willShowNotification, [panel = weakSelf()](const platform::foundation::Notification& notification) {
        if (const auto self = panel.lock()) self->keyboardWillShow(notification);
      }));
}

void CreatorTextFieldView::keyboardWillShow(const platform::foundation::Notification& notification) {
  const auto keyboardFrame = ui::Keyboard::frameEnd(notification);
  if (!keyboardFrame) return;
  auto moved = frame();
  moved.origin.y = std::trunc(screenHeight() - keyboardFrame->size.height - moved.size.height);
  setFrame(moved);
}

double CreatorTextFieldView::listWidth() const { return std::trunc(bounds().size.width - 20); }

void CreatorTextFieldView::createTextFieldWithTextField(const std::shared_ptr<ui::TextField>& field,
                                                        Completion completion) {
  if (!field) return;
  referenceTextField = field;
  const std::string address = field->layer()->name().value_or("");
  const double width = listWidth();

  textFieldView = ui::TextField::make({bounds().size.width / 2 - std::trunc(width / 2), 50, width, 40});
  textFieldView->setBorderStyle(ui::TextField::BorderStyle::roundedRect);
  textFieldView->setPlaceholder("");
  textFieldView->setAutocorrectionType(ui::TextField::AutocorrectionType::no);
  textFieldView->setAutocapitalizationType(ui::TextField::AutocapitalizationType::none);
  textFieldView->setSmartQuotesType(ui::TextField::SmartQuotesType::no);
  textFieldView->setReturnKeyType(ui::TextField::ReturnKeyType::done);
  textFieldView->setClearButtonMode(ui::TextField::ViewMode::whileEditing);
  textFieldView->setFont(graphics::systemFont(12));
  textFieldView->setAdjustsFontSizeToFitWidth(true);
  textFieldView->setMinimumFontSize(8);
  textFieldView->layer()->setName(address);
  textFieldView->setText(field->text());
  textFieldView->setDelegate(std::static_pointer_cast<CreatorTextFieldView>(shared_from_this()));

  auto title = ui::Label::make({10, 10, 200, 30});
  title->setTextAlignment(ui::TextAlignment::left);
  title->setTextColor(kWhite);
  title->setFont(graphics::systemFont(14));
  title->setText("Value for: " + address);
  addSubview(std::move(title));

  const SuggestionPlan plan = planSuggestions(address);
  isData = plan.isData;
  isBundleID = plan.isBundleID;
  if (plan.isAdded) isAdded = *plan.isAdded;
  if (isData || isBundleID) addSearchField();
  if (plan.source) {
    auto moved = frame();
    moved.origin.y = screenHeight();
    moved.size.height += plan.addedHeight;
    setFrame(moved);
    switch (*plan.source) {
      case SuggestionSource::words: loadScrollviewWithData(plan.words); break;
      case SuggestionSource::dataKeys: loadScrollviewWithData(getCreatorDataMethods()); break;
      case SuggestionSource::installedApps: loadScrollviewWithData(getAppBundles()); break;
      case SuggestionSource::weatherIconSets: loadScrollviewWithData(folderRows(kWeatherIconsFolder)); break;
    }
  }

  completionBlock = std::move(completion);
  addSubview(textFieldView);
  platform::foundation::MainQueue::shared().post([editingField = std::weak_ptr<ui::TextField>(textFieldView)] {
    if (const auto strong = editingField.lock()) strong->becomeFirstResponder();
  });
}

void CreatorTextFieldView::addSearchField() {
  searchFieldView = ui::TextField::make({bounds().size.width / 2 - 60, 98, 120, 30});
  searchFieldView->setBackgroundColor(kBlack);
  searchFieldView->setPlaceholder("Search");
  searchFieldView->setTextAlignment(ui::TextAlignment::center);
  searchFieldView->setTextColor(kWhite);
  searchFieldView->setFont(graphics::systemFont(14));
  searchFieldView->setBorderStyle(ui::TextField::BorderStyle::roundedRect);
  searchFieldView->setReturnKeyType(ui::TextField::ReturnKeyType::done);
  searchFieldView->setAutocorrectionType(ui::TextField::AutocorrectionType::no);
  searchFieldView->setAutocapitalizationType(ui::TextField::AutocapitalizationType::none);
  searchFieldView->setClearButtonMode(ui::TextField::ViewMode::always);
  searchFieldView->layer()->setName(kSearchLayerName);
  searchFieldView->layer()->setCornerRadius(15);
  searchFieldView->setDelegate(std::static_pointer_cast<CreatorTextFieldView>(shared_from_this()));
  addSubview(searchFieldView);
}

void CreatorTextFieldView::close() { removeFromSuperview(); }

std::vector<std::string> CreatorTextFieldView::getAppBundles() const {
  return ValueEditorText::userAppBundles(sources_.installedApps ? sources_.installedApps()
                                                                : std::vector<std::string>{});
}

bool CreatorTextFieldView::implements(Operation operation) const {
  return operation == Operation::textFieldShouldReturn || operation == Operation::textFieldShouldChangeCharacters ||
         operation == Operation::textFieldShouldClear;
}

bool CreatorTextFieldView::textFieldShouldReturn(ui::TextField& field) {
  if (!isSearchField(field) || isData || isBundleID) {
    if (completionBlock && textFieldView) finish(textFieldView->text());
  }
  return false;
}

void CreatorTextFieldView::finish(const std::string& text) {
  const auto keepAlive = shared_from_this();
  const Completion completion = completionBlock;
  completion(text);
  removeFromSuperview();
}

}  // namespace vantile
