// The controller as the delegate of endless scroll views.
#include "controller/styling/ScrollViewStyling.h"
#include "controller/VantileController.h"
#include "engine/builders/EndlessScrollMarkers.h"
#include "platform/ui/views/ScrollView.h"
#include "platform/ui/views/ScrollViewDelegate.h"

namespace vantile {

namespace {

class EndlessScrollDelegate : public platform::ui::ScrollViewDelegate {
 public:
  bool implements(Operation operation) const override { return operation == Operation::scrollViewDidScroll; }
  void scrollViewDidScroll(platform::ui::ScrollView& scrollView) override {
    VantileController::scrollViewDidScroll(scrollView);
  }
};

}  // namespace

std::shared_ptr<platform::ui::ScrollViewDelegate> scrollstyling::makeEndlessScrollDelegate() {
  return std::make_shared<EndlessScrollDelegate>();
}

// Scroll views hold their delegate weakly; the controller keeps this one alive.
std::shared_ptr<platform::ui::ScrollViewDelegate> VantileController::endlessScrollDelegate() {
  if (!endlessScrollDelegate_) endlessScrollDelegate_ = scrollstyling::makeEndlessScrollDelegate();
  return endlessScrollDelegate_;
}

void VantileController::scrollViewDidScroll(platform::ui::ScrollView& scrollView) {
  const auto markers = endless::markersOf(*scrollView.layer());
  if (!markers) return;
  const platform::graphics::Point offset = scrollView.contentOffset();
  // Both axes move in one step; the nested call this causes finds the offset in the middle copy.
  const platform::graphics::Point wrapped = endless::wrappedOffset(*markers, offset);
  if (wrapped != offset) scrollView.setContentOffset(wrapped, false);
}

}  // namespace vantile
