#include "platform/ui/gestures/PanGestureRecognizer.h"

#include <cmath>

#include "platform/foundation/files/SystemLog.h"

namespace platform::ui {

std::shared_ptr<PanGestureRecognizer> PanGestureRecognizer::make(Action action) {
  auto recognizer = std::make_shared<PanGestureRecognizer>(ConstructionKey{});
  recognizer->addTarget(std::move(action));
  return recognizer;
}

PanGestureRecognizer::PanGestureRecognizer(ConstructionKey key) : GestureRecognizer(key) {}

void PanGestureRecognizer::setMinimumNumberOfTouches(int touches) {
  if (touches < 1) {
    foundation::systemLog("PanGestureRecognizer: ignored a minimum number of touches below 1");
    return;
  }
  minimumNumberOfTouches_ = touches;
}

void PanGestureRecognizer::setMaximumNumberOfTouches(int touches) {
  if (touches < 1) {
    foundation::systemLog("PanGestureRecognizer: ignored a maximum number of touches below 1");
    return;
  }
  maximumNumberOfTouches_ = touches;
}

std::optional<graphics::Point> PanGestureRecognizer::translationInView(const View* view) const {
  const std::optional<graphics::Point> current = locationInRoot();
  if (!start_ || !current) {
    return std::nullopt;
  }
  const std::optional<graphics::Point> from = convertFromRoot(*start_, view);
  const std::optional<graphics::Point> to = convertFromRoot(*current, view);
  if (!from || !to) {
    return std::nullopt;
  }
  return graphics::Point{to->x - from->x, to->y - from->y};
}

void PanGestureRecognizer::setTranslation(graphics::Point translation, const View* view) {
  const std::optional<graphics::Point> current = locationInRoot();
  if (!current) {
    return;
  }
  // The start is placed so that start → current reads `translation` in the view.
  const std::optional<graphics::Point> currentInView = convertFromRoot(*current, view);
  if (!currentInView) {
    return;
  }
  const graphics::Point startInView{currentInView->x - translation.x, currentInView->y - translation.y};
  if (const std::optional<graphics::Point> start = convertToRoot(startInView, view)) {
    start_ = start;
  }
}

void PanGestureRecognizer::touchesBegan(const std::vector<Touch>&) {
  if (activeTouches().size() > static_cast<std::size_t>(maximumNumberOfTouches_)) {
    if (state() == State::possible) {
      setState(State::failed);
    }
    return;
  }
  if (!start_) {
    start_ = centroid(activeTouches());
  }
}

void PanGestureRecognizer::touchesMoved(const std::vector<Touch>&) {
  if (state() != State::possible) {
    setState(State::changed);
    return;
  }
  const std::optional<graphics::Point> current = locationInRoot();
  if (!start_ || !current || activeTouches().size() < static_cast<std::size_t>(minimumNumberOfTouches_)) {
    return;
  }
  if (std::hypot(current->x - start_->x, current->y - start_->y) >= beginDistance) {
    const graphics::Point movement{current->x - start_->x, current->y - start_->y};
    setState(!shouldBegin_ || shouldBegin_(movement) ? State::began : State::failed);
  }
}

void PanGestureRecognizer::touchesEnded(const std::vector<Touch>&) {
  if (!activeTouches().empty()) {
    return;
  }
  setState(state() == State::possible ? State::failed : State::ended);
}

void PanGestureRecognizer::reset() { start_.reset(); }

}  // namespace platform::ui
