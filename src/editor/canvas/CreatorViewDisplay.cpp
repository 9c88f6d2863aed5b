// The display the theme is drawn on: pinch to zoom, one-finger pan with a glide.
#include "editor/CreatorView.h"
#include "editor/canvas/DisplayGlide.h"
#include "platform/foundation/queues/MainQueue.h"
#include "platform/ui/gestures/PanGestureRecognizer.h"
#include "platform/ui/gestures/PinchGestureRecognizer.h"
#include "platform/ui/views/Screen.h"

namespace vantile {

using platform::graphics::Point;
using platform::ui::GestureRecognizer;
using platform::ui::View;

namespace {

constexpr double kDisplayCornerRadius = 10;

// The recogniser's action on the canvas, held weakly as the views hold their recognisers.
template <typename Recognizer>
std::shared_ptr<Recognizer> makeRecognizer(const std::weak_ptr<CreatorView>& canvas,
                                           void (CreatorView::*action)(GestureRecognizer&)) {
  return Recognizer::make([canvas, action](GestureRecognizer& recognizer) {
    if (const auto strong = canvas.lock()) ((*strong).*action)(recognizer);
  });
}

}  // namespace

std::shared_ptr<View> CreatorView::setupDisplay() {
  const auto screen = platform::ui::Screen::mainScreen().bounds();
  auto canvasDisplay = View::make({0, 0, screen.size.width, screen.size.height});
  canvasDisplay->setBackgroundColor(platform::graphics::Color{0, 0, 0, 0});
  canvasDisplay->layer()->setCornerRadius(kDisplayCornerRadius);
  canvasDisplay->layer()->setMasksToBounds(false);

  const std::weak_ptr<CreatorView> canvas = sharedCanvas();
  canvasDisplay->addGestureRecognizer(makeRecognizer<platform::ui::PinchGestureRecognizer>(canvas, &CreatorView::pinch));
  auto pan = makeRecognizer<platform::ui::PanGestureRecognizer>(canvas, &CreatorView::move);
  pan->setMinimumNumberOfTouches(1);
  pan->setMaximumNumberOfTouches(1);
  canvasDisplay->addGestureRecognizer(std::move(pan));
  return canvasDisplay;
}

void CreatorView::pinch(GestureRecognizer& recognizer) {
  auto* pinchRecognizer = dynamic_cast<platform::ui::PinchGestureRecognizer*>(&recognizer);
  const auto zoomed = recognizer.view();
  if (pinchRecognizer == nullptr || !zoomed) return;
  const double scale = pinchRecognizer->scale();
  zoomed->setTransform(zoomed->transform().scaledBy(scale, scale));
  pinchRecognizer->setScale(1);
}

void CreatorView::move(GestureRecognizer& recognizer) {
  auto* pan = dynamic_cast<platform::ui::PanGestureRecognizer*>(&recognizer);
  const auto moved = recognizer.view();
  if (pan == nullptr || !moved) return;
  const auto superview = moved->superview();
  const double now = platform::foundation::MainQueue::shared().now();
  switch (recognizer.state()) {
    case GestureRecognizer::State::began:
      displayPanVelocity_.start(now);
      [[fallthrough]];
    case GestureRecognizer::State::changed: {
      // The velocity is measured in the pane's view, the move in the display's superview.
      const View* velocitySpace = view ? view.get() : superview.get();
      if (recognizer.state() == GestureRecognizer::State::changed) {
        displayPanVelocity_.addMove(pan->translationInView(velocitySpace).value_or(Point{}), now);
      }
      const Point translation = pan->translationInView(superview.get()).value_or(Point{});
      const Point centre = moved->center();
      moved->setCenter({centre.x + translation.x, centre.y + translation.y});
      pan->setTranslation({0, 0}, superview.get());
      break;
    }
    case GestureRecognizer::State::ended: {
      const DisplayGlide glide = displayGlide(displayPanVelocity_.velocity());
      const Point centre = moved->center();
      platform::ui::ViewAnimationOptions options;
      options.curve = platform::ui::ViewAnimationOptions::Curve::easeOut;
      View::animate(glide.duration, 0, options, [moved, centre, glide] {
        moved->setCenter({centre.x + glide.offset.x, centre.y + glide.offset.y});
      });
      break;
    }
    default:
      break;
  }
}

}  // namespace vantile
