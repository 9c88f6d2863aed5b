// The increment pad's buttons and its style menu: the step selector, the read-out and the arrows.
#include <algorithm>
#include <cmath>

#include "editor/CreatorView.h"
#include "editor/pad/PadAddress.h"
#include "editor/pad/PadDirections.h"
#include "editor/pad/PadReadOut.h"
#include "engine/images/ImagePipeline.h"
#include "inspector/palette/EditorPalette.h"
#include "platform/foundation/queues/MainQueue.h"
#include "platform/graphics/TextMeasurement.h"
#include "platform/ui/controls/SegmentedControl.h"
#include "platform/ui/gestures/LongPressGestureRecognizer.h"
#include "platform/ui/gestures/TapGestureRecognizer.h"
#include "platform/ui/text/Label.h"
#include "platform/ui/views/ImageView.h"
#include "platform/ui/views/Screen.h"
#include "platform/ui/views/ScrollView.h"

namespace vantile {

namespace {

namespace graphics = platform::graphics;
namespace ui = platform::ui;

constexpr double menuFromBottom = 300;
constexpr double kPadSide = 150;
constexpr double kArrowSide = 50;
constexpr double kBackBarHeight = 40;
constexpr double kButtonImageSide = 30;
constexpr double kScrollDelay = 0.1;
constexpr graphics::Color kWhite{1, 1, 1, 1};
constexpr graphics::Color kBlack{0, 0, 0, 1};
constexpr graphics::Color kReadOutColor{1, 1, 1, 0.4};
constexpr std::string_view kAssetImageURL = "file:///var/mobile/Library/VantileAssets/";

std::optional<graphics::Image> assetImage(const std::string& name) {
  return ImagePipeline::imageAtFileURL(std::string(kAssetImageURL) + name + ".png");
}

std::shared_ptr<ui::ImageView> fittedImageView(const std::string& imageName, double side) {
  auto imageView = ui::ImageView::make({0, 0, side, side});
  imageView->setContentMode(ui::ContentMode::scaleAspectFit);
  imageView->setImage(assetImage(imageName));
  return imageView;
}

bool contains(const std::vector<std::string>& list, const std::string& name) {
  return std::find(list.begin(), list.end(), name) != list.end();
}

}  // namespace

std::shared_ptr<ui::View> CreatorView::createIncrementer(const std::string& name, const std::string& style,
                                                         const graphics::Rect& frame) {
  auto button = viewWithImage("dots", name + "~" + style, frame);
  auto tap = ui::TapGestureRecognizer::make([canvas = weakCanvas()](ui::GestureRecognizer& recognizer) {
    if (const auto self = canvas.lock()) self->incrementTap(recognizer);
  });
  tap->setNumberOfTapsRequired(1);
  tap->setNumberOfTouchesRequired(1);
  button->addGestureRecognizer(std::move(tap));
  return button;
}

std::shared_ptr<ui::View> CreatorView::viewWithImage(const std::string& imageName, const std::string& layerName,
                                                     const graphics::Rect& frame) {
  auto button = ui::View::make(frame);
  button->setBackgroundColor(std::nullopt);
  button->layer()->setName(layerName);
  button->addSubview(fittedImageView(imageName, kButtonImageSide));
  return button;
}

void CreatorView::incrementTap(ui::GestureRecognizer& recognizer) {
  const auto view = recognizer.view();
  const auto location = recognizer.locationInView(view.get());
  if (!view || !location) return;
  if (const auto tapped = view->hitTest(*location)) createMenuForStyle(tapped->layer()->name().value_or(""));
}

void CreatorView::createMenuForStyle(const std::string& padAddress) {
  const std::optional<PadAddress> address = PadAddress::parse(padAddress);
  if (!address || !mainView) return;
  isHeld = false;
  currentStyle = padAddress;
  const graphics::Rect screen = ui::Screen::mainScreen().bounds();
  const double width = screen.size.width;

  styleMenu = ui::View::make({0, screen.size.height - menuFromBottom, width, menuFromBottom});
  styleMenu->setBackgroundColor(editor_palette::kPanel);
  styleMenu->layer()->setCornerRadius(10);
  styleMenu->setClipsToBounds(true);
  styleMenu->layer()->setName(padAddress);

  auto back = ui::Label::make({0, 0, width, kBackBarHeight});
  back->setText("     Back");
  back->setTextColor(kWhite);
  back->setBackgroundColor(editor_palette::kBar);
  back->setTextAlignment(ui::TextAlignment::left);
  back->setUserInteractionEnabled(true);
  back->layer()->setName(padAddress);
  back->addGestureRecognizer(ui::TapGestureRecognizer::make([canvas = weakCanvas()](ui::GestureRecognizer&) {
    if (const auto self = canvas.lock()) self->closeStyleMenu();
  }));
  styleMenu->addSubview(std::move(back));

  if (padViewMenu) padViewMenu->removeFromSuperview();

  auto pad = ui::View::make({std::trunc(width / 2 - kPadSide / 2), std::trunc(menuFromBottom / 2 - kPadSide / 2 + 30),
                             kPadSide, kPadSide});
  pad->setBackgroundColor(std::nullopt);

  auto steps = ui::SegmentedControl::make(padStepTitles(), {width / 2 - 150, 50, 300, 30});
  steps->setSelectedSegmentIndex(selectedSegmentIndex);
  steps->setTitleColor(kWhite);
  steps->setSelectedTitleColor(kBlack);
  steps->addValueChangedAction([canvas = weakCanvas()](ui::Control& sender) {
    const auto self = canvas.lock();
    const auto* control = dynamic_cast<const ui::SegmentedControl*>(&sender);
    if (self && control) self->segmentSelected(control->selectedSegmentIndex());
  });
  styleMenu->addSubview(std::move(steps));

  auto readOut = ui::Label::make({0, 55, width, 80});
  readOut->setText(getStyleValue(padAddress));
  readOut->setNumberOfLines(4);
  readOut->setFont(graphics::systemFont(12));
  readOut->setTag(kPadReadOutTag);
  readOut->setTextColor(kReadOutColor);
  readOut->setTextAlignment(ui::TextAlignment::center);
  readOut->setBackgroundColor(std::nullopt);
  styleMenu->addSubview(std::move(readOut));

  const double side = pad->bounds().size.width;
  const double middle = side / 2 - kArrowSide / 2;
  pad->addSubview(createPadButtonWithRect({middle, 0, kArrowSide, kArrowSide}, "up", padAddress));
  if (!contains(stylesThatShowUpDownPad, address->style)) {
    pad->addSubview(createPadButtonWithRect({0, middle, kArrowSide, kArrowSide}, "left", padAddress));
    pad->addSubview(createPadButtonWithRect({side - kArrowSide, middle, kArrowSide, kArrowSide}, "right", padAddress));
  }
  pad->addSubview(createPadButtonWithRect({middle, side - kArrowSide, kArrowSide, kArrowSide}, "down", padAddress));
  styleMenu->addSubview(std::move(pad));

  padViewMenu = styleMenu;
  mainView->addSubview(styleMenu);
}

std::shared_ptr<ui::View> CreatorView::createPadButtonWithRect(const graphics::Rect& frame, const std::string& imageName,
                                                               const std::string& referenceName) {
  auto button = ui::View::make(frame);
  auto image = fittedImageView(imageName, frame.size.width);
  image->setBackgroundColor(std::nullopt);
  button->addSubview(std::move(image));
  button->layer()->setName(imageName + "~" + referenceName);
  auto press = ui::LongPressGestureRecognizer::make([canvas = weakCanvas()](ui::GestureRecognizer& recognizer) {
    if (const auto self = canvas.lock()) self->padPressed(recognizer);
  });
  press->setMinimumPressDuration(0);
  button->addGestureRecognizer(std::move(press));
  return button;
}

void CreatorView::segmentSelected(int index) {
  selectedSegmentIndex = index;
  if (const std::optional<int> step = padStepForSegment(index)) incrementerAdditionValue = *step;
}

void CreatorView::closeStyleMenu() {
  isHeld = false;
  if (styleMenu) styleMenu->removeFromSuperview();
  styleMenu.reset();
  padViewMenu.reset();
  loadElementOptions(selectedElement);
  platform::foundation::MainQueue::shared().postAfter(kScrollDelay, [canvas = weakCanvas()] {
    const auto self = canvas.lock();
    if (self && !self->currentStyle.empty() && self->elementOptions) {
      self->scrollToElementWithName(self->currentStyle, *self->elementOptions);
    }
  });
}

}  // namespace vantile
