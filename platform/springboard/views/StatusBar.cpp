#include "platform/springboard/views/StatusBar.h"

#include <algorithm>
#include <cmath>

#include "platform/foundation/locale/DateFormatting.h"
#include "platform/foundation/queues/MainQueue.h"
#include "platform/objc/Messaging.h"
#include "platform/objc/Runtime.h"
#include "platform/springboard/runtime/RuntimeSupport.h"
#include "platform/springboard/runtime/Signatures.h"
#include "platform/springboard/views/StockView.h"

namespace platform::springboard {

namespace {

constexpr graphics::Color kWhite{1, 1, 1, 1};
constexpr graphics::Color kDimWhite{1, 1, 1, 0.3};
constexpr graphics::Color kGreen{0.2, 0.8, 0.35, 1};
constexpr double kBarWidth = 3;
constexpr double kBarGap = 1.5;

std::shared_ptr<ui::Label> makeItemLabel(ui::TextAlignment alignment) {
  auto label = StockLabel::make("_UIStatusBarStringView");
  label->setFont(graphics::systemFont(15));
  label->setTextColor(kWhite);
  label->setTextAlignment(alignment);
  return label;
}

// `count` rising bars, `lit` of them white.
void showBars(ui::View& holder, int count, int lit) {
  while (!holder.subviews().empty()) holder.subviews().back()->removeFromSuperview();
  for (int index = 0; index < count; ++index) {
    const double height = 4 + index * 2.5;
    auto bar = ui::View::make({index * (kBarWidth + kBarGap), 12 - height, kBarWidth, height});
    bar->setBackgroundColor(index < lit ? kWhite : kDimWhite);
    bar->layer()->setCornerRadius(1);
    holder.addSubview(std::move(bar));
  }
}

}  // namespace

std::shared_ptr<StatusBar> StatusBar::make(const graphics::Rect& frame, bool showsTime) {
  auto bar = std::make_shared<StatusBar>(ConstructionKey{}, frame, showsTime);
  bar->attachItems();
  return bar;
}

StatusBar::StatusBar(ConstructionKey key, const graphics::Rect& frame, bool showsTime)
    : View(key, frame), Object("_UIStatusBar"), showsTime_(showsTime) {
  leadingLabel_ = makeItemLabel(ui::TextAlignment::center);
  cellularBars_ = StockView::make("_UIStatusBarCellularSignalView");
  wifiBars_ = StockView::make("_UIStatusBarWifiSignalView");
  batteryLabel_ = makeItemLabel(ui::TextAlignment::right);
  batteryLabel_->setFont(graphics::systemFont(12));
  batteryBody_ = StockView::make("_UIBatteryView");
  batteryBody_->layer()->setBorderWidth(1);
  batteryBody_->layer()->setBorderColor(kWhite);
  batteryBody_->layer()->setCornerRadius(3);
  batteryFill_ = ui::View::make();
  batteryFill_->layer()->setCornerRadius(1.5);
  batteryBody_->addSubview(batteryFill_);
}

void StatusBar::attachItems() {
  for (const std::shared_ptr<ui::View>& item :
       std::initializer_list<std::shared_ptr<ui::View>>{leadingLabel_, cellularBars_, wifiBars_, batteryLabel_, batteryBody_}) {
    item->setUserInteractionEnabled(false);
    addSubview(item);
  }
  placeItems();
}

void StatusBar::refresh(const DeviceState& state) {
  if (showsTime_) {
    leadingLabel_->setText(
        foundation::formatDate(foundation::MainQueue::shared().now(), "h:mm", foundation::DateLocale::device).value_or(""));
  } else {
    leadingLabel_->setText(state.cellular.carrier);
  }
  showBars(*cellularBars_, 4, state.cellular.bars);
  showBars(*wifiBars_, 3, state.wifi.on ? state.wifi.bars : 0);
  wifiBars_->setHidden(!state.wifi.on);
  const double level = std::clamp(state.battery.level, 0.0, 100.0);
  batteryLabel_->setText(std::to_string(static_cast<int>(std::lround(level))) + "%");
  const auto body = batteryBody_->bounds();
  batteryFill_->setFrame({2, 2, (body.size.width - 4) * level / 100, body.size.height - 4});
  batteryFill_->setBackgroundColor(state.battery.charging || state.battery.externalPower ? kGreen : kWhite);
}

void StatusBar::layoutSubviews() { objc::send<signatures::Action>(*this, "layoutSubviews"); }

void StatusBar::placeItems() {
  const double width = bounds().size.width;
  leadingLabel_->setFrame({16, 14, 90, 20});
  cellularBars_->setFrame({width - 112, 18, 17, 12});
  wifiBars_->setFrame({width - 90, 18, 12, 12});
  batteryLabel_->setFrame({width - 76, 14, 30, 20});
  batteryBody_->setFrame({width - 42, 18, 25, 12});
}

void StatusBar::declareClass(objc::Class& cls) {
  objc::addMethod<signatures::Action>(cls, "layoutSubviews", [](objc::Object& self) { receiver<StatusBar>(self).placeItems(); });
  // The bar is its own container here: hiding the container hides the whole bar.
  objc::addMethod<signatures::Getter>(cls, "containerView", [](objc::Object& self) {
    return asObject(receiver<StatusBar>(self).shared_from_this());
  });
}

}  // namespace platform::springboard
