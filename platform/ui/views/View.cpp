#include "platform/ui/views/View.h"

#include "platform/foundation/queues/MainQueue.h"

#include <utility>
#include <vector>

#include <algorithm>

#include "platform/foundation/files/SystemLog.h"
#include "platform/ui/animation/ViewAnimationRecorder.h"
#include "platform/ui/animation/ViewAnimator.h"
#include "platform/ui/gestures/GestureRecognizer.h"
#include "platform/ui/views/Window.h"

namespace platform::ui {

namespace {

// Views marked for layout wait here for the one pass the main queue runs for them.
struct PendingLayout {
  std::vector<std::weak_ptr<View>> views;
  // Alive while a posted pass waits: a queue that drops the pass (clear) drops this with it.
  std::weak_ptr<void> scheduledPass;
};

PendingLayout& pendingLayout() {
  static PendingLayout pending;
  return pending;
}

void runLayoutPass() {
  auto& pending = pendingLayout();
  pending.scheduledPass.reset();
  const auto views = std::exchange(pending.views, {});
  for (const auto& entry : views) {
    if (const auto view = entry.lock()) view->layoutIfNeeded();
  }
}

}  // namespace

void View::setFrame(const graphics::Rect& frame) {
  willChangeAnimatableProperty();
  const auto oldSize = layer_->bounds().size;
  layer_->setFrame(frame);
  boundsSizeChanged(oldSize);
}

void View::setBounds(const graphics::Rect& bounds) {
  willChangeAnimatableProperty();
  const auto oldSize = layer_->bounds().size;
  layer_->setBounds(bounds);
  boundsSizeChanged(oldSize);
}

void View::boundsSizeChanged(graphics::Size oldSize) {
  const graphics::Size newSize = layer_->bounds().size;
  if (newSize == oldSize) return;
  setNeedsLayout();
  // A copy: a subview's own resizing may not reorder this list, but keeps it safe if it does.
  const auto subviews = subviews_;
  for (const auto& subview : subviews) subview->resizeWithOldSuperviewSize(oldSize, newSize);
}

void View::resizeWithOldSuperviewSize(graphics::Size oldSize, graphics::Size newSize) {
  const bool flexibleWidth = (autoresizingMask_ & Autoresizing::flexibleWidth) != 0;
  const bool flexibleHeight = (autoresizingMask_ & Autoresizing::flexibleHeight) != 0;
  if (!flexibleWidth && !flexibleHeight) return;
  const graphics::Size size = bounds().size;
  const graphics::Size resized{
      flexibleWidth ? std::max(0.0, size.width + newSize.width - oldSize.width) : size.width,
      flexibleHeight ? std::max(0.0, size.height + newSize.height - oldSize.height) : size.height};
  if (transform().isIdentity()) {
    const graphics::Rect old = frame();
    setFrame({old.x(), old.y(), resized.width, resized.height});
    return;
  }
  // Both margins are kept in the superview, so the centre moves by half the growth.
  const graphics::Point oldCenter = center();
  setBounds({bounds().x(), bounds().y(), resized.width, resized.height});
  setCenter({oldCenter.x + (resized.width - size.width) / 2, oldCenter.y + (resized.height - size.height) / 2});
}

void View::setNeedsLayout() {
  if (needsLayout_) return;
  needsLayout_ = true;
  // A view still being made has no owner yet; it is laid out when first asked.
  auto self = weak_from_this();
  if (self.expired()) return;
  auto& pending = pendingLayout();
  pending.views.push_back(std::move(self));
  if (pending.scheduledPass.expired()) {
    auto pass = std::make_shared<char>();
    pending.scheduledPass = pass;
    foundation::MainQueue::shared().post([pass] { runLayoutPass(); });
  }
}

void View::layoutIfNeeded() {
  if (needsLayout_) {
    needsLayout_ = false;
    layoutSubviews();
  }
  // A copy: layout may add or remove subviews.
  const auto subviews = subviews_;
  for (const auto& subview : subviews) subview->layoutIfNeeded();
}


using graphics::AffineTransform;
using graphics::Point;
using graphics::Rect;

namespace {

// The platform's default tint.
constexpr graphics::Color systemBlue{0, 122.0 / 255.0, 1, 1};

// Views this faint are treated as invisible to touches.
constexpr double minimumHittableAlpha = 0.01;

}  // namespace

class View::ContentDrawer : public LayerDelegate {
 public:
  explicit ContentDrawer(const View& view) : view_(view) {}
  void drawLayer(const Layer&, DrawingContext& context) const override { view_.drawContent(context); }

 private:
  const View& view_;
};

std::shared_ptr<View> View::make(const Rect& frame) { return std::make_shared<View>(ConstructionKey{}, frame); }

View::View(ConstructionKey, const Rect& frame, std::shared_ptr<Layer> layer) : layer_(std::move(layer)) {
  if (!layer_) {
    foundation::systemLog("View: made without a layer; using a plain one");
    layer_ = Layer::make();
  }
  layer_->setFrame(frame);
  contentDrawer_ = std::make_shared<const ContentDrawer>(*this);
  layer_->setDelegate(contentDrawer_);
}

View::~View() = default;

void View::setBackgroundColor(std::optional<graphics::Color> color) {
  willChangeAnimatableProperty();
  layer_->setBackgroundPattern(std::nullopt);
  layer_->setBackgroundColor(color);
}

void View::setBackgroundPattern(std::optional<graphics::Image> pattern) {
  layer_->setBackgroundColor(std::nullopt);
  layer_->setBackgroundPattern(std::move(pattern));
}

void View::setMaskView(std::shared_ptr<View> view) {
  if (view && (view.get() == this || view->superview())) {
    foundation::systemLog("View: refused a mask view that is this view or already in a view tree");
    return;
  }
  layer_->setMask(view ? view->layer() : nullptr);
  maskView_ = std::move(view);
}

void View::drawContent(DrawingContext&) const {}

void View::willChangeAnimatableProperty() { ViewAnimationRecorder::willChange(*this); }

void View::animate(double duration, double delay, const ViewAnimationOptions& options,
                   const std::function<void()>& changes, std::function<void(bool)> completion) {
  ViewAnimator::animate(duration, delay, options, changes, std::move(completion));
}

void View::animateWithSpring(double duration, double delay, double dampingRatio, double initialVelocity,
                             const ViewAnimationOptions& options, const std::function<void()>& changes,
                             std::function<void(bool)> completion) {
  ViewAnimator::animateWithSpring(duration, delay, dampingRatio, initialVelocity, options, changes,
                                  std::move(completion));
}

void View::performWithoutAnimation(const std::function<void()>& changes) {
  ViewAnimator::performWithoutAnimation(changes);
}

void View::transition(const std::shared_ptr<View>& view, double duration, const ViewAnimationOptions& options,
                      const std::function<void()>& changes, std::function<void(bool)> completion) {
  ViewAnimator::transition(view, duration, options, changes, std::move(completion));
}

void View::transitionFromView(const std::shared_ptr<View>& fromView, const std::shared_ptr<View>& toView,
                              double duration, const ViewAnimationOptions& options,
                              std::function<void(bool)> completion) {
  ViewAnimator::transitionFromView(fromView, toView, duration, options, std::move(completion));
}

graphics::Color View::tintColor() const {
  for (const View* view = this; view != nullptr;) {
    if (view->tintColor_) {
      return *view->tintColor_;
    }
    const std::shared_ptr<View> parent = view->superview();
    view = parent.get();
  }
  return systemBlue;
}

void View::setTintColor(std::optional<graphics::Color> color) {
  const graphics::Color shown = tintColor();
  tintColor_ = color;
  if (tintColor() != shown) notifyTintColorDidChange();
}

void View::notifyTintColorDidChange() {
  tintColorDidChange();
  const std::vector<std::shared_ptr<View>> subviews = subviews_;
  for (const std::shared_ptr<View>& subview : subviews) {
    if (!subview->tintColor_) subview->notifyTintColorDidChange();
  }
}

// Hierarchy

std::shared_ptr<Window> View::window() const {
  for (std::shared_ptr<View> view = std::const_pointer_cast<View>(shared_from_this()); view;
       view = view->superview()) {
    if (std::shared_ptr<Window> window = std::dynamic_pointer_cast<Window>(view)) {
      return window;
    }
  }
  return nullptr;
}

bool View::isDescendantOfView(const View& ancestor) const {
  for (const View* view = this; view != nullptr;) {
    if (view == &ancestor) {
      return true;
    }
    const std::shared_ptr<View> parent = view->superview();
    view = parent.get();
  }
  return false;
}

std::optional<std::size_t> View::indexOfSubview(const View& view) const {
  const auto found = std::find_if(subviews_.begin(), subviews_.end(),
                                  [&view](const std::shared_ptr<View>& subview) { return subview.get() == &view; });
  if (found == subviews_.end()) {
    return std::nullopt;
  }
  return static_cast<std::size_t>(found - subviews_.begin());
}

bool View::canAdopt(const std::shared_ptr<View>& view) const {
  if (!view) {
    foundation::systemLog("View: ignored adding no view");
    return false;
  }
  if (isDescendantOfView(*view)) {
    foundation::systemLog("View: refused to add a view to itself or to one of its own subviews");
    return false;
  }
  // Without an owner the subview could not know its superview; views add theirs after make().
  if (weak_from_this().expired()) {
    foundation::systemLog("View: refused to add a subview to a view that is still being constructed");
    return false;
  }
  return true;
}

void View::placeSubviewLayer(std::size_t index) {
  const std::shared_ptr<Layer>& layer = subviews_[index]->layer_;
  if (index + 1 < subviews_.size()) {
    layer_->insertSublayerBelow(layer, *subviews_[index + 1]->layer_);
  } else {
    layer_->addSublayer(layer);
  }
}

void View::reorderSubview(std::size_t from, std::size_t to) {
  std::shared_ptr<View> view = subviews_[from];
  subviews_.erase(subviews_.begin() + static_cast<std::ptrdiff_t>(from));
  to = std::min(to, subviews_.size());
  subviews_.insert(subviews_.begin() + static_cast<std::ptrdiff_t>(to), std::move(view));
  placeSubviewLayer(to);
}

void View::detachFromSuperview() {
  const std::shared_ptr<View> parent = superview();
  if (!parent) {
    return;
  }
  parent->willRemoveSubview(*this);
  if (const std::optional<std::size_t> index = parent->indexOfSubview(*this)) {
    parent->subviews_.erase(parent->subviews_.begin() + static_cast<std::ptrdiff_t>(*index));
  }
  layer_->removeFromSuperlayer();
  superview_.reset();
}

void View::placeSubview(std::shared_ptr<View> view, std::size_t index) {
  if (view->superview().get() == this) {
    reorderSubview(*indexOfSubview(*view), index);
    return;
  }
  const std::shared_ptr<Window> oldWindow = view->window();
  const graphics::Color oldTint = view->tintColor();
  view->willMoveToSuperview(this);
  view->detachFromSuperview();
  index = std::min(index, subviews_.size());
  subviews_.insert(subviews_.begin() + static_cast<std::ptrdiff_t>(index), view);
  view->superview_ = weak_from_this();
  placeSubviewLayer(index);
  if (view->window() != oldWindow) {
    view->notifyDidMoveToWindow();
  }
  if (view->tintColor() != oldTint) {
    view->notifyTintColorDidChange();
  }
  view->didMoveToSuperview();
  didAddSubview(*view);
}

void View::addSubview(std::shared_ptr<View> view) {
  if (canAdopt(view)) {
    placeSubview(std::move(view), subviews_.size());
  }
}

void View::insertSubview(std::shared_ptr<View> view, std::size_t index) {
  if (canAdopt(view)) {
    placeSubview(std::move(view), index);
  }
}

namespace {

// Where `sibling` sits among `subviews` once `moving` has left them.
std::optional<std::size_t> indexWithout(const std::vector<std::shared_ptr<View>>& subviews, const View& sibling,
                                        const View& moving) {
  std::size_t index = 0;
  for (const std::shared_ptr<View>& subview : subviews) {
    if (subview.get() == &sibling) {
      return index;
    }
    if (subview.get() != &moving) {
      ++index;
    }
  }
  return std::nullopt;
}

}  // namespace

void View::insertSubviewBelow(std::shared_ptr<View> view, const View& sibling) {
  if (!canAdopt(view) || view.get() == &sibling) {
    return;
  }
  const std::optional<std::size_t> index = indexWithout(subviews_, sibling, *view);
  if (!index) {
    foundation::systemLog("View: the sibling to insert below is not a subview; added on top");
  }
  placeSubview(std::move(view), index.value_or(subviews_.size()));
}

void View::insertSubviewAbove(std::shared_ptr<View> view, const View& sibling) {
  if (!canAdopt(view) || view.get() == &sibling) {
    return;
  }
  const std::optional<std::size_t> index = indexWithout(subviews_, sibling, *view);
  if (!index) {
    foundation::systemLog("View: the sibling to insert above is not a subview; added on top");
  }
  placeSubview(std::move(view), index ? *index + 1 : subviews_.size());
}

void View::bringSubviewToFront(const View& view) {
  if (const std::optional<std::size_t> index = indexOfSubview(view)) {
    reorderSubview(*index, subviews_.size() - 1);
  } else {
    foundation::systemLog("View: cannot bring to front a view that is not a subview");
  }
}

void View::sendSubviewToBack(const View& view) {
  if (const std::optional<std::size_t> index = indexOfSubview(view)) {
    reorderSubview(*index, 0);
  } else {
    foundation::systemLog("View: cannot send to back a view that is not a subview");
  }
}

void View::exchangeSubview(std::size_t index, std::size_t otherIndex) {
  if (index >= subviews_.size() || otherIndex >= subviews_.size()) {
    foundation::systemLog("View: cannot exchange subviews at an index out of range");
    return;
  }
  if (index == otherIndex) {
    return;
  }
  std::swap(subviews_[index], subviews_[otherIndex]);
  placeSubviewLayer(std::max(index, otherIndex));
  placeSubviewLayer(std::min(index, otherIndex));
}

void View::removeFromSuperview() {
  if (!superview()) {
    return;
  }
  const std::shared_ptr<View> keepAlive = shared_from_this();
  const std::shared_ptr<Window> oldWindow = window();
  const graphics::Color oldTint = tintColor();
  willMoveToSuperview(nullptr);
  detachFromSuperview();
  if (window() != oldWindow) {
    notifyDidMoveToWindow();
  }
  if (tintColor() != oldTint) {
    notifyTintColorDidChange();
  }
  didMoveToSuperview();
}

void View::notifyDidMoveToWindow() {
  didMoveToWindow();
  const std::vector<std::shared_ptr<View>> subviews = subviews_;
  for (const std::shared_ptr<View>& subview : subviews) {
    subview->notifyDidMoveToWindow();
  }
}

std::shared_ptr<View> View::viewWithTag(std::int64_t tag) {
  if (tag_ == tag) {
    return shared_from_this();
  }
  for (const std::shared_ptr<View>& subview : subviews_) {
    if (std::shared_ptr<View> found = subview->viewWithTag(tag)) {
      return found;
    }
  }
  return nullptr;
}

void View::willMoveToSuperview(View*) {}
void View::didMoveToSuperview() {}
void View::didMoveToWindow() {}
void View::didAddSubview(View&) {}
void View::tintColorDidChange() {}
void View::willRemoveSubview(View&) {}

// Coordinates

const View& View::rootView() const {
  const View* view = this;
  while (const std::shared_ptr<View> parent = view->superview()) {
    view = parent.get();
  }
  return *view;
}

AffineTransform View::transformToRootSpace() const {
  AffineTransform transform;
  for (const View* view = this; view != nullptr;) {
    transform = transform.concat(view->layer_->transformToSuperlayer());
    const std::shared_ptr<View> parent = view->superview();
    view = parent.get();
  }
  return transform;
}

std::optional<AffineTransform> View::transformToView(const View* view) const {
  const View& target = view != nullptr ? *view : rootView();
  const std::optional<AffineTransform> fromRootSpace = target.transformToRootSpace().inverted();
  if (!fromRootSpace) {
    return std::nullopt;
  }
  return transformToRootSpace().concat(*fromRootSpace);
}

std::optional<Point> View::convertPointToView(Point point, const View* view) const {
  if (const std::optional<AffineTransform> transform = transformToView(view)) {
    return transform->apply(point);
  }
  return std::nullopt;
}

std::optional<Point> View::convertPointFromView(Point point, const View* view) const {
  const View& source = view != nullptr ? *view : rootView();
  return source.convertPointToView(point, this);
}

std::optional<Rect> View::convertRectToView(const Rect& rect, const View* view) const {
  if (const std::optional<AffineTransform> transform = transformToView(view)) {
    return transform->apply(rect);
  }
  return std::nullopt;
}

std::optional<Rect> View::convertRectFromView(const Rect& rect, const View* view) const {
  const View& source = view != nullptr ? *view : rootView();
  return source.convertRectToView(rect, this);
}

// Hit testing

bool View::pointInside(Point point) const { return bounds().contains(point); }

std::shared_ptr<View> View::hitTest(Point point) {
  if (isHidden() || alpha() < minimumHittableAlpha || !userInteractionEnabled_ || touchBlockingAnimations_ > 0 ||
      !pointInside(point)) {
    return nullptr;
  }
  const std::vector<std::shared_ptr<View>> subviews = subviews_;
  for (auto subview = subviews.rbegin(); subview != subviews.rend(); ++subview) {
    const std::optional<AffineTransform> fromSuperview = (*subview)->layer_->transformToSuperlayer().inverted();
    if (!fromSuperview) {
      continue;
    }
    if (std::shared_ptr<View> hit = (*subview)->hitTest(fromSuperview->apply(point))) {
      return hit;
    }
  }
  return shared_from_this();
}

// Gestures and touches

void View::addGestureRecognizer(std::shared_ptr<GestureRecognizer> recognizer) {
  if (!recognizer) {
    foundation::systemLog("View: ignored adding no gesture recognizer");
    return;
  }
  const std::shared_ptr<View> oldView = recognizer->view();
  if (oldView.get() == this) {
    return;
  }
  if (oldView) {
    oldView->removeGestureRecognizer(*recognizer);
  }
  recognizer->attachToView(weak_from_this());
  gestureRecognizers_.push_back(std::move(recognizer));
}

void View::removeGestureRecognizer(const GestureRecognizer& recognizer) {
  const auto found = std::find_if(
      gestureRecognizers_.begin(), gestureRecognizers_.end(),
      [&recognizer](const std::shared_ptr<GestureRecognizer>& candidate) { return candidate.get() == &recognizer; });
  if (found == gestureRecognizers_.end()) {
    return;
  }
  const std::shared_ptr<GestureRecognizer> removed = *found;
  gestureRecognizers_.erase(found);
  removed->detachFromView();
}

void View::touchesBegan(const std::vector<Touch>& touches) {
  if (const std::shared_ptr<View> parent = superview()) {
    parent->touchesBegan(touches);
  }
}

void View::touchesMoved(const std::vector<Touch>& touches) {
  if (const std::shared_ptr<View> parent = superview()) {
    parent->touchesMoved(touches);
  }
}

void View::touchesEnded(const std::vector<Touch>& touches) {
  if (const std::shared_ptr<View> parent = superview()) {
    parent->touchesEnded(touches);
  }
}

void View::touchesCancelled(const std::vector<Touch>& touches) {
  if (const std::shared_ptr<View> parent = superview()) {
    parent->touchesCancelled(touches);
  }
}

}  // namespace platform::ui
