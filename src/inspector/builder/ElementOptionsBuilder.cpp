#include "inspector/builder/ElementOptionsBuilder.h"

#include <cstdlib>

#include "inspector/colorcell/ZPKColorPickerCell.h"
#include "platform/foundation/files/SystemLog.h"
#include "platform/graphics/TextMeasurement.h"
#include "platform/ui/gestures/TapGestureRecognizer.h"
#include "platform/ui/input/TextField.h"
#include "platform/ui/text/Label.h"
#include "platform/ui/views/Device.h"
#include "platform/ui/views/ScrollView.h"

namespace vantile {

namespace {

namespace graphics = platform::graphics;
using Operation = ElementOptionsBuilderDelegate::Operation;
using platform::ui::GestureRecognizer;

constexpr double kLabelFontSize = 14;

void addTapGesture(platform::ui::View& view, GestureRecognizer::Action action) {
  auto tap = platform::ui::TapGestureRecognizer::make(std::move(action));
  tap->setNumberOfTapsRequired(1);
  tap->setNumberOfTouchesRequired(1);
  view.addGestureRecognizer(std::move(tap));
}

std::vector<std::string> padStylesOf(const std::weak_ptr<ElementOptionsBuilderDelegate>& weakDelegate) {
  const auto delegate = weakDelegate.lock();
  if (!delegate || !delegate->implements(Operation::stylesThatShowUpDownPad)) return {};
  return delegate->stylesThatShowUpDownPad();
}

double runningSystemVersion() {
  return std::strtod(platform::ui::Device::currentDevice().systemVersion().c_str(), nullptr);
}

}  // namespace

ElementOptionsBuilder::ElementOptionsBuilder(std::weak_ptr<ElementOptionsBuilderDelegate> delegate,
                                             std::shared_ptr<platform::ui::View> menu)
    : delegate_(delegate),
      menu_(std::move(menu)),
      actionHandler_(std::make_shared<ElementOptionActionHandler>(delegate)),
      factory_(padStylesOf(delegate)) {}

std::optional<ElementOptionsLayout> ElementOptionsBuilder::layoutForName(const std::string& name,
                                                                         const platform::Value& children) const {
  const auto delegate = delegate_.lock();
  if (!delegate || !menu_) return std::nullopt;
  OptionRowInputs inputs;
  inputs.panelSize = menu_->frame().size;
  inputs.customOrder = delegate->elementOptionsCustomOrder(children);
  if (delegate->implements(Operation::blackListStyleArray)) inputs.blackList = delegate->blackListStyleArray();
  inputs.colorArray = colorArray;
  inputs.presetContainsUIView = delegate->presetContainsUIView();
  inputs.rootChildren = delegate->getPresetChildren().value_or(platform::Value());
  inputs.systemVersion = runningSystemVersion();
  inputs.dictionaryToString = [&delegate](const platform::Value& value) { return delegate->dictionaryToString(value); };
  return layoutElementOptions(name, children, inputs, factory_);
}

std::shared_ptr<platform::ui::ScrollView> ElementOptionsBuilder::buildElementOptionsForName(
    const std::string& name, const platform::Value& children) {
  const auto delegate = delegate_.lock();
  if (!delegate || !menu_) {
    platform::foundation::systemLog("ElementOptionsBuilder: no canvas or panel; no inspector for " + name);
    return nullptr;
  }
  const std::optional<ElementOptionsLayout> layout = layoutForName(name, children);
  if (!layout) return nullptr;
  auto scrollView = platform::ui::ScrollView::make(layout->frame);
  for (const SpecialOptionConfig& row : layout->specialRows) addSpecialRow(row, layout->frame.size.width, *scrollView);
  if (layout->showsDataRow && delegate->implements(Operation::setDataArray)) {
    delegate->setDataArray(delegate->getCreatorDataMethods());
  }
  for (const PropertyRowLayout& row : layout->propertyRows) addPropertyRow(row, *delegate, *scrollView);
  scrollView->setContentSize(layout->contentSize);
  return scrollView;
}

void ElementOptionsBuilder::addSpecialRow(const SpecialOptionConfig& row, double width,
                                          platform::ui::ScrollView& scrollView) {
  const auto delegate = delegate_.lock();
  if (!delegate) return;
  auto label = delegate->createElementOptionLabelWithFrame(rowLabelFrame(row.position, width), row.text,
                                                           row.layerName, row.tag);
  if (!label) return;
  label->setFont(graphics::systemFont(kLabelFontSize));
  addTapGesture(*label, [weakDelegate = delegate_, weakHandler = std::weak_ptr(actionHandler_),
                         action = row.action](GestureRecognizer& tap) {
    runSpecialAction(action, weakDelegate, weakHandler, tap);
  });
  scrollView.addSubview(std::move(label));
}

void ElementOptionsBuilder::runSpecialAction(SpecialRowAction action,
                                             const std::weak_ptr<ElementOptionsBuilderDelegate>& weakDelegate,
                                             const std::weak_ptr<ElementOptionActionHandler>& weakHandler,
                                             GestureRecognizer& tap) {
  if (action != SpecialRowAction::exportTemplate && action != SpecialRowAction::jumpToOption) {
    const auto handler = weakHandler.lock();
    if (!handler) return;
    switch (action) {
      case SpecialRowAction::addToUIView: return handler->addToUIView(tap);
      case SpecialRowAction::moveFromUIView: return handler->moveFromUIView(tap);
      case SpecialRowAction::moveToUIView: return handler->moveToUIView(tap);
      case SpecialRowAction::addToScrollview: return handler->addToScrollview(tap);
      case SpecialRowAction::removeFromScrollview: return handler->removeFromScrollview(tap);
      default: return;
    }
  }
  const auto delegate = weakDelegate.lock();
  if (!delegate) return;
  if (action == SpecialRowAction::jumpToOption) {
    delegate->jumpToOption(tap);
  } else if (delegate->implements(Operation::exportTemplate)) {
    delegate->exportTemplate(tap);
  }
}

void ElementOptionsBuilder::addPropertyRow(const PropertyRowLayout& row, ElementOptionsBuilderDelegate& delegate,
                                           platform::ui::ScrollView& scrollView) {
  if (auto label = delegate.createElementOptionLabelWithFrame(row.labelFrame, row.labelText, row.labelLayerName, 0)) {
    label->setFont(graphics::systemFont(kLabelFontSize));
    scrollView.addSubview(std::move(label));
  }
  if (auto field = delegate.createElementOptionTextFieldWithFrame(row.fieldFrame, row.fieldText, row.fieldLayerName,
                                                                  row.placeholder)) {
    scrollView.addSubview(std::move(field));
  }
  for (const PlacedButton& button : row.buttons) addButton(button, row.propertyName, delegate, scrollView);
  if (!row.colorCell) return;
  const std::weak_ptr<ElementOptionsBuilderDelegate> weakDelegate = delegate_;
  ZPKColorPickerCell::Targets targets{
      [weakDelegate](const std::string& color, const std::string& key) {
        if (const auto canvas = weakDelegate.lock()) canvas->setColor(color, key);
      },
      [weakDelegate](const std::string& color, const std::string& key) {
        if (const auto canvas = weakDelegate.lock()) canvas->setColorOnClose(color, key);
      },
  };
  auto cell = ZPKColorPickerCell::make(platform::ui::TableViewCell::Style::standard, *row.colorCell, std::move(targets));
  cell->setFrame(row.colorCellFrame);
  scrollView.addSubview(std::move(cell));
}

void ElementOptionsBuilder::addButton(const PlacedButton& placed, const std::string& propertyName,
                                      ElementOptionsBuilderDelegate& delegate, platform::ui::ScrollView& scrollView) {
  const ButtonConfig& button = placed.button;
  if (button.type == ButtonType::incrementer) {
    if (auto pad = delegate.createIncrementer(placed.frame, button.imageName, propertyName)) {
      scrollView.addSubview(std::move(pad));
    }
    return;
  }
  auto view = delegate.viewWithImage(button.imageName, propertyName, placed.frame);
  if (!view) return;
  view->layer()->setName(propertyName);
  const std::weak_ptr<ElementOptionsBuilderDelegate> weakDelegate = delegate_;
  if (button.type == ButtonType::paste) {
    addTapGesture(*view, [weakDelegate](GestureRecognizer& tap) {
      if (const auto canvas = weakDelegate.lock()) canvas->copyStyleFromOtherElement(tap);
    });
  } else if (button.action) {
    addTapGesture(*view, [weakDelegate, action = *button.action](GestureRecognizer& tap) {
      if (const auto canvas = weakDelegate.lock()) runPicker(action, *canvas, tap);
    });
  }
  scrollView.addSubview(std::move(view));
}

void ElementOptionsBuilder::runPicker(Operation action, ElementOptionsBuilderDelegate& delegate,
                                      GestureRecognizer& tap) {
  if (!delegate.implements(action)) return;
  switch (action) {
    case Operation::createAnimationPicker: return delegate.createAnimationPicker(tap);
    case Operation::createDataPicker: return delegate.createDataPicker(tap);
    case Operation::createFollowPicker: return delegate.createFollowPicker(tap);
    case Operation::childrenOrder: return delegate.childrenOrder(tap);
    case Operation::createDataPickerForAttr: return delegate.createDataPickerForAttr(tap);
    case Operation::createImagePicker: return delegate.createImagePicker(tap);
    case Operation::createSFImagePicker: return delegate.createSFImagePicker(tap);
    case Operation::loadFontMenu: return delegate.loadFontMenu(tap);
    case Operation::loadAttrFontMenu: return delegate.loadAttrFontMenu(tap);
    case Operation::loadTextAlignmentMenu: return delegate.loadTextAlignmentMenu(tap);
    case Operation::loadInfiniteScrollMenu: return delegate.loadInfiniteScrollMenu(tap);
    case Operation::loadAutoLayoutMenu: return delegate.loadAutoLayoutMenu(tap);
    case Operation::loadBlurColorMenu: return delegate.loadBlurColorMenu(tap);
    case Operation::loadContentModeMenu: return delegate.loadContentModeMenu(tap);
    case Operation::loadTextStyleMenu: return delegate.loadTextStyleMenu(tap);
    case Operation::pickStyleOverrideElement: return delegate.pickStyleOverrideElement(tap);
    default:
      platform::foundation::systemLog("ElementOptionsBuilder: a row button names no picker");
      return;
  }
}

}  // namespace vantile
