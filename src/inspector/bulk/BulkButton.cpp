#include "inspector/bulk/BulkButton.h"

#include "platform/ui/gestures/TapGestureRecognizer.h"

namespace vantile {

std::shared_ptr<BulkButton> BulkButton::make(const platform::graphics::Rect& frame, std::string title) {
  auto button = std::make_shared<BulkButton>(ConstructionKey{}, frame);
  button->setText(std::move(title));
  button->setTextAlignment(platform::ui::TextAlignment::center);
  button->setUserInteractionEnabled(true);
  button->addGestureRecognizer(
      platform::ui::TapGestureRecognizer::make([weak = std::weak_ptr<BulkButton>(button)](auto&) {
        if (const auto self = weak.lock()) self->sendTouchUpInside();
      }));
  return button;
}

BulkButton::BulkButton(ConstructionKey key, const platform::graphics::Rect& frame) : Label(key, frame) {}

void BulkButton::sendTouchUpInside() {
  if (enabled_ && action_) {
    // The action may replace this button's action (a row being reconfigured) while it runs.
    const Action action = action_;
    action(*this);
  }
}

}  // namespace vantile
