// Controller-wide requests to every live label, and the responder-chain search for a
// label's view controller.
#include <algorithm>

#include "engine/marquee/MarqueeLabel.h"
#include "engine/marquee/MarqueeLabelRegistry.h"

namespace vantile {

using platform::ui::ViewController;

namespace marquee {

namespace {

std::vector<std::weak_ptr<MarqueeLabel>>& registeredLabels() {
  static std::vector<std::weak_ptr<MarqueeLabel>> labels;
  return labels;
}

}  // namespace

void registerLabel(const std::shared_ptr<MarqueeLabel>& label) {
  std::vector<std::weak_ptr<MarqueeLabel>>& labels = registeredLabels();
  std::erase_if(labels, [](const std::weak_ptr<MarqueeLabel>& entry) { return entry.expired(); });
  labels.push_back(label);
}

std::vector<std::shared_ptr<MarqueeLabel>> liveLabels() {
  std::vector<std::shared_ptr<MarqueeLabel>> live;
  for (const std::weak_ptr<MarqueeLabel>& entry : registeredLabels()) {
    if (std::shared_ptr<MarqueeLabel> label = entry.lock()) live.push_back(std::move(label));
  }
  return live;
}

}  // namespace marquee

std::shared_ptr<ViewController> firstAvailableViewController(const platform::ui::View& view) {
  for (const platform::ui::View* responder = &view; responder != nullptr;) {
    if (std::shared_ptr<ViewController> controller = ViewController::forRootView(*responder)) return controller;
    const std::shared_ptr<platform::ui::View> next = responder->superview();
    responder = next.get();
  }
  return nullptr;
}

void MarqueeLabel::notifyController(const std::shared_ptr<ViewController>& controller, std::string_view message) {
  if (!controller || message.empty()) return;
  // A copy: a handler may make or release labels.
  for (const std::shared_ptr<MarqueeLabel>& label : marquee::liveLabels()) {
    if (message == kMarqueeLabelControllerRestartNotification) {
      label->viewControllerShouldRestart(controller);
    } else if (message == kMarqueeLabelShouldLabelizeNotification) {
      label->labelsShouldLabelize(controller);
    } else if (message == kMarqueeLabelShouldAnimateNotification) {
      label->labelsShouldAnimate(controller);
    }
  }
}

void MarqueeLabel::restartLabelsOfController(const std::shared_ptr<ViewController>& controller) {
  notifyController(controller, kMarqueeLabelControllerRestartNotification);
}

void MarqueeLabel::controllerViewWillAppear(const std::shared_ptr<ViewController>& controller) {
  restartLabelsOfController(controller);
}

void MarqueeLabel::controllerViewDidAppear(const std::shared_ptr<ViewController>& controller) {
  restartLabelsOfController(controller);
}

void MarqueeLabel::controllerViewAppearing(const std::shared_ptr<ViewController>& controller) {
  restartLabelsOfController(controller);
}

void MarqueeLabel::controllerLabelsShouldLabelize(const std::shared_ptr<ViewController>& controller) {
  notifyController(controller, kMarqueeLabelShouldLabelizeNotification);
}

void MarqueeLabel::controllerLabelsShouldAnimate(const std::shared_ptr<ViewController>& controller) {
  notifyController(controller, kMarqueeLabelShouldAnimateNotification);
}

void MarqueeLabel::viewControllerShouldRestart(const std::shared_ptr<ViewController>& controller) {
  if (controller && controller == firstAvailableViewController(*this)) restartLabel();
}

void MarqueeLabel::labelsShouldLabelize(const std::shared_ptr<ViewController>& controller) {
  if (controller && controller == firstAvailableViewController(*this)) setLabelize(true);
}

void MarqueeLabel::labelsShouldAnimate(const std::shared_ptr<ViewController>& controller) {
  if (controller && controller == firstAvailableViewController(*this)) setLabelize(false);
}

}  // namespace vantile
