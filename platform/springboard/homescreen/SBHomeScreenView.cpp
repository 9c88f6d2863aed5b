#include "platform/springboard/homescreen/SBHomeScreenView.h"

#include "platform/objc/Messaging.h"
#include "platform/objc/Runtime.h"
#include "platform/springboard/runtime/RuntimeSupport.h"
#include "platform/springboard/runtime/Signatures.h"
#include "platform/springboard/views/StockView.h"

namespace platform::springboard {

namespace {
constexpr graphics::Color kOverlay{0.05, 0.06, 0.1, 0.85};
}  // namespace

std::shared_ptr<SBHomeScreenView> SBHomeScreenView::alloc() {
  return std::make_shared<SBHomeScreenView>(ConstructionKey{});
}

SBHomeScreenView::SBHomeScreenView(ConstructionKey key) : View(key, {}), Object("SBHomeScreenView") {}

void SBHomeScreenView::build(const graphics::Rect& frame) {
  setFrame(frame);
  const graphics::Rect bounds{0, 0, frame.size.width, frame.size.height};
  iconContentView_ = SBIconContentView::make(bounds);
  addSubview(iconContentView_);
  statusBar_ = StatusBar::make({0, 0, bounds.size.width, 44}, true);
  addSubview(statusBar_);
  todayView_ = StockView::make("SBHTodayView", bounds);
  todayView_->setBackgroundColor(kOverlay);
  todayView_->setHidden(true);
  addSubview(todayView_);
  libraryView_ = StockView::make("SBHLibraryView", bounds);
  libraryView_->setBackgroundColor(kOverlay);
  libraryView_->setHidden(true);
  addSubview(libraryView_);
  searchView_ = StockView::make("SBSearchOverlayView", bounds);
  searchView_->setBackgroundColor(kOverlay);
  searchView_->setHidden(true);
  addSubview(searchView_);
}

void SBHomeScreenView::didMoveToWindow() { objc::send<signatures::Action>(*this, "didMoveToWindow"); }

void SBHomeScreenView::declareClass(objc::Class& cls) {
  objc::addMethod<signatures::InitWithFrame>(cls, "initWithFrame:", [](objc::Object& self, graphics::Rect frame) {
    auto& view = receiver<SBHomeScreenView>(self);
    if (!view.iconContentView_) view.build(frame);
    return view.shared_from_this();
  });
  objc::addMethod<signatures::Action>(cls, "didMoveToWindow", [](objc::Object& self) {
    auto& view = receiver<SBHomeScreenView>(self);
    ++view.windowMoves_;
    view.View::didMoveToWindow();
  });
}

}  // namespace platform::springboard
