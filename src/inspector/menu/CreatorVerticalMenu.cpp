#include "inspector/menu/CreatorVerticalMenu.h"

#include <cmath>
#include <numbers>

#include "engine/images/ImagePipeline.h"
#include "inspector/menu/MenuLayout.h"
#include "inspector/palette/EditorPalette.h"
#include "platform/foundation/queues/MainQueue.h"
#include "platform/foundation/values/Conversions.h"
#include "platform/graphics/TextMeasurement.h"
#include "platform/ui/controls/SegmentedControl.h"
#include "platform/ui/gestures/TapGestureRecognizer.h"
#include "platform/ui/input/TextField.h"
#include "platform/ui/layers/ShapeLayer.h"
#include "platform/ui/text/AttributedString.h"
#include "platform/ui/text/Label.h"
#include "platform/ui/views/ImageView.h"
#include "platform/ui/views/Screen.h"

namespace vantile {

namespace {

namespace graphics = platform::graphics;
namespace ui = platform::ui;

constexpr graphics::Color kWhite{1, 1, 1, 1};
constexpr graphics::Color kBlack{0, 0, 0, 1};
constexpr double kCornerRadius = 10;
constexpr double kTitleHeight = 40;
constexpr double kCloseSide = 40;
constexpr graphics::Rect kCloseImageFrame{0, 6, 30, 30};
constexpr double kSegmentWidth = 250;
constexpr const char* kCloseImageURL = "file:///var/mobile/Library/VantileAssets/close.png";
constexpr const char* kSearchLayerName = "search";

double screenHeight() { return std::trunc(ui::Screen::mainScreen().bounds().size.height); }

// Only the title bar's top corners are round; its bottom meets the panel's content square.
graphics::Path topCornersRounded(const graphics::Rect& rect, double radius) {
  const double right = rect.origin.x + rect.size.width;
  const double bottom = rect.origin.y + rect.size.height;
  graphics::Path path;
  path.moveTo({rect.origin.x, bottom});
  path.lineTo({rect.origin.x, rect.origin.y + radius});
  path.addArc({rect.origin.x + radius, rect.origin.y + radius}, radius, std::numbers::pi, 1.5 * std::numbers::pi, true);
  path.lineTo({right - radius, rect.origin.y});
  path.addArc({right - radius, rect.origin.y + radius}, radius, 1.5 * std::numbers::pi, 2 * std::numbers::pi, true);
  path.lineTo({right, bottom});
  path.close();
  return path;
}

bool isSearchField(const ui::TextField& field) { return field.layer()->name() == kSearchLayerName; }

}  // namespace

CreatorVerticalMenu::CreatorVerticalMenu(ConstructionKey key, const graphics::Rect& frame) : View(key, frame) {}

std::shared_ptr<CreatorVerticalMenu> CreatorVerticalMenu::initWithMenuName(
    const std::string& menuName, platform::Value optionsDict, const graphics::Rect& frame,
    RowCompletion completionScrollview, SegmentCompletion completionSegment, DemoValues demoValues) {
  auto menu = std::make_shared<CreatorVerticalMenu>(ConstructionKey{}, frame);
  menu->optionsDict = optionsDict.is_object() ? std::move(optionsDict) : platform::Value::object();
  menu->completionBlock = std::move(completionScrollview);
  menu->segmentCompletionBlock = std::move(completionSegment);
  menu->demoValues_ = std::move(demoValues);
  menu->observeKeyboard();
  if (menu->optionsDict.contains("segmentStart")) {
    menu->selectorValue = platform::foundation::intValue(menu->optionsDict["segmentStart"]);
  }
  if (const auto text = menu->optionsDict.find("selectedElementText");
      text != menu->optionsDict.end() && text->is_string()) {
    menu->selectedElementText = text->get<std::string>();
  }
  menu->buildPanel(menuName);
  return menu;
}

std::weak_ptr<CreatorVerticalMenu> CreatorVerticalMenu::weakSelf() {
  return std::static_pointer_cast<CreatorVerticalMenu>(shared_from_this());
}

void CreatorVerticalMenu::buildPanel(const std::string& menuName) {
  std::optional<int> customHeight;
  if (optionsDict.contains("customHeight")) customHeight = platform::foundation::intValue(optionsDict["customHeight"]);
  const double width = std::trunc(ui::Screen::mainScreen().bounds().size.width);
  const int height = MenuLayout::panelHeight(currentSegmentRows().size(), customHeight, screenHeight());
  const int top = MenuLayout::panelTop(height, screenHeight());

  mainView = ui::View::make({0, static_cast<double>(top), width, static_cast<double>(height)});
  mainView->setBackgroundColor(editor_palette::kPanel);
  const auto& layer = mainView->layer();
  layer->setCornerRadius(kCornerRadius);
  layer->setShadowColor(kBlack);
  layer->setShadowRadius(8);
  layer->setShadowOffset({0, 8});
  layer->setShadowOpacity(0.8);
  layer->setMasksToBounds(false);

  auto title = ui::Label::make({0, 0, width, kTitleHeight});
  title->setText(menuName);
  title->setTextColor(kWhite);
  title->setTextAlignment(ui::TextAlignment::center);
  title->setBackgroundColor(editor_palette::kBar);
  auto mask = ui::ShapeLayer::make();
  mask->setPath(topCornersRounded(title->bounds(), kCornerRadius));
  title->layer()->setMask(std::move(mask));
  mainView->addSubview(std::move(title));

  addCloseButton();
  if (optionsDict.contains("segmentArray")) addSegmentControl();
  addSubview(mainView);
  addSearchField();
  loadScrollview(std::nullopt);
}

void CreatorVerticalMenu::addCloseButton() {
  auto button = ui::View::make({mainView->bounds().size.width - kCloseSide, 0, kCloseSide, kCloseSide});
  auto image = ui::ImageView::make(kCloseImageFrame);
  image->setContentMode(ui::ContentMode::scaleAspectFit);
  image->setImage(ImagePipeline::imageAtFileURL(kCloseImageURL));
  button->addSubview(std::move(image));
  button->addGestureRecognizer(ui::TapGestureRecognizer::make([menu = weakSelf()](ui::GestureRecognizer&) {
    if (const auto self = menu.lock()) self->closeMenu();
  }));
  mainView->addSubview(std::move(button));
}

void CreatorVerticalMenu::addSegmentControl() {
  const double width = mainView->bounds().size.width;
  auto control = ui::SegmentedControl::make(MenuLayout::strings(optionsDict["segmentArray"]),
                                            {width / 2 - kSegmentWidth / 2, 45, kSegmentWidth, 30});
  control->setSelectedSegmentIndex(selectorValue);
  control->setTitleColor(kWhite);
  control->setSelectedTitleColor(kBlack);
  control->addValueChangedAction([menu = weakSelf()](ui::Control& sender) {
    const auto self = menu.lock();
    const auto* segments = dynamic_cast<const ui::SegmentedControl*>(&sender);
    if (self && segments) self->segmentSelected(*segments);
  });
  mainView->addSubview(std::move(control));
}

void CreatorVerticalMenu::addSearchField() {
  searchFieldView = ui::TextField::make({bounds().size.width / 2 - 45, 85, 90, 20});
  searchFieldView->setBackgroundColor(editor_palette::kBar);
  searchFieldView->setPlaceholder("Search");
  searchFieldView->setTextAlignment(ui::TextAlignment::center);
  searchFieldView->setTextColor(kWhite);
  searchFieldView->setFont(graphics::systemFont(12));
  searchFieldView->setBorderStyle(ui::TextField::BorderStyle::roundedRect);
  searchFieldView->setReturnKeyType(ui::TextField::ReturnKeyType::done);
  searchFieldView->setAutocapitalizationType(ui::TextField::AutocapitalizationType::none);
  searchFieldView->setClearButtonMode(ui::TextField::ViewMode::always);
  searchFieldView->layer()->setName(kSearchLayerName);
  searchFieldView->layer()->setCornerRadius(15);
  searchFieldView->setDelegate(std::static_pointer_cast<CreatorVerticalMenu>(shared_from_this()));
  mainView->addSubview(searchFieldView);
}

void CreatorVerticalMenu::closeMenu() { removeFromSuperview(); }

std::string CreatorVerticalMenu::dictionaryToString(const platform::Value& dictionary) { return dictionary.dump(); }

void CreatorVerticalMenu::segmentSelected(const ui::SegmentedControl& control) {
  selectorValue = control.selectedSegmentIndex();
  loadScrollview(std::nullopt);
  if (segmentCompletionBlock) segmentCompletionBlock(selectorValue);
}

void CreatorVerticalMenu::observeKeyboard() {
  auto& keyboard = ui::Keyboard::shared();
  keyboardObservations_.push_back(keyboard.addObserver(
      ui::Keyboard::willShowNotification, [menu = weakSelf()](const platform::foundation::Notification& notification) {
        if (const auto self = menu.lock()) self->keyboardWillShow(notification);
      }));
  keyboardObservations_.push_back(
      keyboard.addObserver(ui::Keyboard::willHideNotification, [menu = weakSelf()](const auto&) {
        if (const auto self = menu.lock()) self->keyboardWillHide();
      }));
}

void CreatorVerticalMenu::keyboardWillShow(const platform::foundation::Notification& notification) {
  const auto keyboardFrame = ui::Keyboard::frameEnd(notification);
  if (!keyboardFrame) return;
  auto moved = frame();
  moved.origin.y = std::trunc(screenHeight() - keyboardFrame->size.height - moved.size.height);
  setFrame(moved);
}

void CreatorVerticalMenu::keyboardWillHide() {
  auto moved = frame();
  moved.origin.y = 0;
  setFrame(moved);
}

bool CreatorVerticalMenu::implements(Operation operation) const {
  return operation == Operation::textFieldShouldReturn || operation == Operation::textFieldShouldChangeCharacters ||
         operation == Operation::textFieldShouldClear;
}

bool CreatorVerticalMenu::textFieldShouldReturn(ui::TextField& field) {
  if (!isSearchField(field)) return false;
  sortedBySearch(field.text());
  platform::foundation::MainQueue::shared().post([searchField = std::weak_ptr<ui::TextField>(searchFieldView)] {
    if (const auto searchFieldToClose = searchField.lock()) searchFieldToClose->resignFirstResponder();
  });
  return false;
}

bool CreatorVerticalMenu::textField(ui::TextField& field, ui::TextRange range, const std::string& replacement) {
  if (!isSearchField(field)) return true;
  sortedBySearch(ui::textAfterReplacing(field.text(), range, replacement));
  return true;
}

bool CreatorVerticalMenu::textFieldShouldClear(ui::TextField& field) {
  if (isSearchField(field)) loadScrollview(std::nullopt);
  return true;
}

}  // namespace vantile
