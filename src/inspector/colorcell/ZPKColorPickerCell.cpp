#include "inspector/colorcell/ZPKColorPickerCell.h"

#include "engine/helpers/VantileHelpers.h"
#include "inspector/colorcell/ColorStrings.h"
#include "platform/foundation/files/SystemLog.h"
#include "platform/ui/gestures/TapGestureRecognizer.h"
#include "platform/ui/views/ViewController.h"

namespace vantile {

namespace {

namespace graphics = platform::graphics;
using platform::ui::ColorPickerViewController;

constexpr graphics::Color kSwatchBorder{0, 0, 0, 1};
constexpr graphics::Color kWhite{1, 1, 1, 1};
constexpr double kSwatchBorderWidth = 1.2;
constexpr double kSwatchCornerRadius = 14.5;

}  // namespace

std::shared_ptr<ZPKColorPickerCell> ZPKColorPickerCell::make(Style style, ColorCellIdentity identity,
                                                             Targets targets) {
  auto cell = std::make_shared<ZPKColorPickerCell>(ConstructionKey{}, style, std::move(identity), std::move(targets));
  auto tap = platform::ui::TapGestureRecognizer::make([weakCell = std::weak_ptr<ZPKColorPickerCell>(cell)](auto&) {
    if (const auto strong = weakCell.lock()) strong->openColorPicker();
  });
  tap->setNumberOfTapsRequired(1);
  tap->setNumberOfTouchesRequired(1);
  // On the cell, not the swatch: every new colour replaces the swatch, and its taps with it.
  cell->addGestureRecognizer(std::move(tap));
  return cell;
}

ZPKColorPickerCell::ZPKColorPickerCell(ConstructionKey key, Style style, ColorCellIdentity identity,
                                       Targets targets)
    : TableViewCell(key, style, "ZPKColorPickerCell"),
      identifier_(std::move(identity)),
      targets_(std::move(targets)) {}

void ZPKColorPickerCell::didMoveToSuperview() {
  TableViewCell::didMoveToSuperview();
  updatePreview();
}

void ZPKColorPickerCell::layoutSubviews() {
  TableViewCell::layoutSubviews();
  // The cell is the swatch's size, so the swatch fills it rather than standing off its left edge.
  if (colorPreview_) colorPreview_->setFrame(bounds());
}

void ZPKColorPickerCell::updatePreview() {
  // "none" shows white; a value that does not parse shows no colour at all.
  if (identifier_.value == "none") {
    installSwatch(kWhite);
  } else {
    installSwatch(VantileHelpers::uiColorFromString(identifier_.value));
  }
}

void ZPKColorPickerCell::updatePreviewWithColor(const graphics::Color& color) { installSwatch(color); }

void ZPKColorPickerCell::installSwatch(std::optional<graphics::Color> background) {
  colorPreview_ = View::make({0, 0, side, side});
  colorPreview_->layer()->setBorderWidth(kSwatchBorderWidth);
  colorPreview_->layer()->setBorderColor(kSwatchBorder);
  colorPreview_->layer()->setCornerRadius(kSwatchCornerRadius);
  colorPreview_->setBackgroundColor(background);
  setAccessoryView(colorPreview_);
  graphics::Rect frame = this->frame();
  frame.size = {side, side};
  setFrame(frame);
}

std::shared_ptr<platform::ui::ViewController> ZPKColorPickerCell::hostingViewController() const {
  for (auto view = superview(); view; view = view->superview()) {
    if (auto controller = platform::ui::ViewController::forRootView(*view)) return controller;
  }
  return nullptr;
}

void ZPKColorPickerCell::openColorPicker() {
  const auto host = hostingViewController();
  if (!host) {
    platform::foundation::systemLog("ZPKColorPickerCell: no view controller hosts the cell; no colour picker");
    return;
  }
  auto picker = ColorPickerViewController::make();
  picker->view()->setTintColor(appleBlue());
  if (colorPreview_) {
    if (const auto shown = colorPreview_->backgroundColor()) picker->setSelectedColor(*shown);
  }
  picker->setDelegate(std::shared_ptr<platform::ui::ColorPickerDelegate>(
      shared_from_this(), static_cast<platform::ui::ColorPickerDelegate*>(this)));
  host->presentViewController(std::move(picker), true);
}

bool ZPKColorPickerCell::implements(platform::ui::ColorPickerDelegate::Operation) const { return true; }

void ZPKColorPickerCell::colorPickerViewControllerDidSelectColor(ColorPickerViewController& picker) {
  const graphics::Color picked = picker.selectedColor();
  if (setColor_ == picked) return;
  if (targets_.preview) targets_.preview(rgbaStringFromColor(picked), identifier_.styleKey);
  setColor_ = picked;
}

void ZPKColorPickerCell::colorPickerViewControllerDidFinish(ColorPickerViewController& picker) {
  const graphics::Color picked = picker.selectedColor();
  updatePreviewWithColor(picked);
  setColor_ = picked;
  picker.dismissViewController(true);
  if (targets_.commit) targets_.commit(rgbaStringFromColor(picked), identifier_.styleKey);
}

}  // namespace vantile
