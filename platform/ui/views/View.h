#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/graphics/AffineTransform.h"
#include "platform/graphics/Color.h"
#include "platform/graphics/Geometry.h"
#include "platform/graphics/Image.h"
#include "platform/ui/views/Autoresizing.h"
#include "platform/ui/views/ContentMode.h"
#include "platform/ui/layers/Layer.h"
#include "platform/ui/gestures/Touch.h"
#include "platform/ui/animation/ViewAnimationOptions.h"

namespace platform::ui {

class DrawingContext;
class GestureRecognizer;
class Window;

// A rectangle of the interface, backed by its own layer: geometry and appearance live in
// the layer, and the layers of the subviews are sublayers of this view's layer, in the same
// order. A view owns its subviews; its superview is a weak back reference. Subclasses hook
// in through the virtual functions (moves between superviews and windows, hit testing,
// touches) and may back themselves with a layer kind of their own.
class View : public std::enable_shared_from_this<View> {
 protected:
  // Only factories make views, so every view lives in a shared_ptr.
  struct ConstructionKey {
    explicit ConstructionKey() = default;
  };

 public:
  static std::shared_ptr<View> make(const graphics::Rect& frame = {});

  View(ConstructionKey, const graphics::Rect& frame, std::shared_ptr<Layer> layer = Layer::make());
  virtual ~View();

  // The platform class the view is an instance of ("View", "Label", ...), for dumps and logs.
  virtual std::string_view className() const { return "View"; }
  View(const View&) = delete;
  View& operator=(const View&) = delete;

  const std::shared_ptr<Layer>& layer() const { return layer_; }

  // Block animations. `changes` sets the new model values at once; the animatable properties
  // it changes (frame, bounds, center, transform, alpha, background colour) then move on
  // screen from their old values to the new ones over `duration` seconds, after `delay`.
  // `completion` runs once on the main queue when all of it is done, with finished false
  // when an animation was removed or replaced first. A duration of 0 changes at once (the
  // completion still comes on the main queue). Blocks nest: a change animates with the
  // innermost block around it.
  static void animate(double duration, double delay, const ViewAnimationOptions& options,
                      const std::function<void()>& changes, std::function<void(bool finished)> completion = {});
  // A damped spring settling at the new values by the end of `duration`: a damping ratio of 1
  // does not overshoot, smaller ones oscillate; the initial velocity is in whole distances
  // per second. The curve option does not apply.
  static void animateWithSpring(double duration, double delay, double dampingRatio, double initialVelocity,
                                const ViewAnimationOptions& options, const std::function<void()>& changes,
                                std::function<void(bool finished)> completion = {});
  // Changes at once, even inside an animation block.
  static void performWithoutAnimation(const std::function<void()>& changes);
  // Changes `view` (or what is inside it) at once and shows options.transition on it (see
  // ViewTransitionAnimations for how each one looks).
  static void transition(const std::shared_ptr<View>& view, double duration, const ViewAnimationOptions& options,
                         const std::function<void()>& changes, std::function<void(bool finished)> completion = {});
  // Puts `toView` in `fromView`'s place (or, with showHideTransitionViews, hides one and
  // shows the other) at once, and shows options.transition on `toView`.
  static void transitionFromView(const std::shared_ptr<View>& fromView, const std::shared_ptr<View>& toView,
                                 double duration, const ViewAnimationOptions& options,
                                 std::function<void(bool finished)> completion = {});

  // Geometry. With a non-identity transform, frame() is the bounding box of the transformed
  // bounds, and setFrame() sets the center and bounds size that frame would give with the
  // identity transform, keeping the transform.
  graphics::Rect frame() const { return layer_->frame(); }
  void setFrame(const graphics::Rect& frame);
  graphics::Rect bounds() const { return layer_->bounds(); }
  void setBounds(const graphics::Rect& bounds);
  graphics::Point center() const { return layer_->position(); }
  void setCenter(graphics::Point center) {
    willChangeAnimatableProperty();
    layer_->setPosition(center);
  }
  // A change of this view's size resizes the subviews whose masks ask for it (Autoresizing).
  std::uint32_t autoresizingMask() const { return autoresizingMask_; }
  void setAutoresizingMask(std::uint32_t mask) { autoresizingMask_ = mask; }
  // Layout. A change of size marks the view; one pass on the main queue then runs
  // layoutSubviews of every marked view, as the platform lays out once per turn of its loop.
  void setNeedsLayout();
  void layoutIfNeeded();

  const graphics::AffineTransform& transform() const { return layer_->transform(); }
  void setTransform(const graphics::AffineTransform& transform) {
    willChangeAnimatableProperty();
    layer_->setTransform(transform);
  }

  // Appearance.
  double alpha() const { return layer_->opacity(); }
  void setAlpha(double alpha) {
    willChangeAnimatableProperty();
    layer_->setOpacity(alpha);
  }
  bool isHidden() const { return layer_->isHidden(); }
  void setHidden(bool hidden) { layer_->setHidden(hidden); }
  bool clipsToBounds() const { return layer_->masksToBounds(); }
  void setClipsToBounds(bool clips) { layer_->setMasksToBounds(clips); }
  // A view's background is a solid colour or a pattern image; setting one clears the other.
  std::optional<graphics::Color> backgroundColor() const { return layer_->backgroundColor(); }
  void setBackgroundColor(std::optional<graphics::Color> color);
  const std::optional<graphics::Image>& backgroundPattern() const { return layer_->backgroundPattern(); }
  void setBackgroundPattern(std::optional<graphics::Image> pattern);
  ContentMode contentMode() const { return layer_->contentsGravity(); }
  void setContentMode(ContentMode mode) { layer_->setContentsGravity(mode); }
  // The view's own tint, else its superview's, else the system blue.
  graphics::Color tintColor() const;
  // Tells the view and every subview that inherits its tint when the tint it shows changes.
  void setTintColor(std::optional<graphics::Color> color);
  // A view whose alpha cuts this view and its subviews; it belongs to no view tree (a view
  // with a superview is refused), and its frame is in this view's bounds space.
  const std::shared_ptr<View>& maskView() const { return maskView_; }
  void setMaskView(std::shared_ptr<View> view);

  bool isUserInteractionEnabled() const { return userInteractionEnabled_; }
  void setUserInteractionEnabled(bool enabled) { userInteractionEnabled_ = enabled; }
  std::int64_t tag() const { return tag_; }
  void setTag(std::int64_t tag) { tag_ = tag; }
  const std::optional<std::string>& accessibilityIdentifier() const { return accessibilityIdentifier_; }
  void setAccessibilityIdentifier(std::optional<std::string> identifier) {
    accessibilityIdentifier_ = std::move(identifier);
  }

  // Hierarchy. Adding a view takes it from its old superview; moving a view inside the same
  // superview only reorders it. A view cannot become a subview of itself or its descendants.
  const std::vector<std::shared_ptr<View>>& subviews() const { return subviews_; }
  std::shared_ptr<View> superview() const { return superview_.lock(); }
  // The nearest window at or above this view; nothing outside a window.
  std::shared_ptr<Window> window() const;
  void addSubview(std::shared_ptr<View> view);
  // The index is clamped to 0...count.
  void insertSubview(std::shared_ptr<View> view, std::size_t index);
  // A sibling that is not a subview of this view puts `view` on top.
  void insertSubviewBelow(std::shared_ptr<View> view, const View& sibling);
  void insertSubviewAbove(std::shared_ptr<View> view, const View& sibling);
  void bringSubviewToFront(const View& view);
  void sendSubviewToBack(const View& view);
  void exchangeSubview(std::size_t index, std::size_t otherIndex);
  void removeFromSuperview();
  // True for the view itself too.
  bool isDescendantOfView(const View& ancestor) const;
  // This view when it has the tag, else the first match depth first through the subviews in order.
  std::shared_ptr<View> viewWithTag(std::int64_t tag);

  // Coordinate conversion between bounds spaces, through every transform on the way. A null
  // view stands for the root of this view's tree (its window). Views in different trees meet
  // in the space their roots are placed in (the screen). Nothing when a transform on the
  // way collapses the plane.
  std::optional<graphics::Point> convertPointToView(graphics::Point point, const View* view) const;
  std::optional<graphics::Point> convertPointFromView(graphics::Point point, const View* view) const;
  // Bounding boxes of the converted rectangles.
  std::optional<graphics::Rect> convertRectToView(const graphics::Rect& rect, const View* view) const;
  std::optional<graphics::Rect> convertRectFromView(const graphics::Rect& rect, const View* view) const;

  // The deepest visible, interactive view under `point` (in this view's bounds space). A view
  // that is hidden, nearly transparent (alpha < 0.01), non-interactive or does not contain
  // the point is not hit, and neither is anything inside it; front-most subviews come first.
  virtual std::shared_ptr<View> hitTest(graphics::Point point);
  virtual bool pointInside(graphics::Point point) const;

  // Gesture recognisers, in the order they were added. Adding one takes it from its old view.
  const std::vector<std::shared_ptr<GestureRecognizer>>& gestureRecognizers() const { return gestureRecognizers_; }
  void addGestureRecognizer(std::shared_ptr<GestureRecognizer> recognizer);
  void removeGestureRecognizer(const GestureRecognizer& recognizer);

  // Touches no gesture recogniser took. By default a view passes them to its superview.
  virtual void touchesBegan(const std::vector<Touch>& touches);
  virtual void touchesMoved(const std::vector<Touch>& touches);
  virtual void touchesEnded(const std::vector<Touch>& touches);
  virtual void touchesCancelled(const std::vector<Touch>& touches);

 protected:
  // Views with content (text, images) draw it here, in bounds space, above the background and
  // below the subviews. Nothing by default.
  virtual void drawContent(DrawingContext& context) const;

  // Called around every change of superview, in this order: willMoveToSuperview,
  // didMoveToWindow (to the view and all its descendants, when the window changes),
  // didMoveToSuperview, then the new superview's didAddSubview. The old superview hears
  // willRemoveSubview before the view leaves it.
  // Places the subviews for the current bounds; nothing by default.
  virtual void layoutSubviews() {}
  virtual void willMoveToSuperview(View* newSuperview);
  virtual void didMoveToSuperview();
  virtual void didMoveToWindow();
  virtual void didAddSubview(View& subview);
  // The tint the view shows changed: its own was set, or an ancestor's, or it moved under
  // another tint.
  virtual void tintColorDidChange();
  virtual void willRemoveSubview(View& subview);

 private:
  const View& rootView() const;
  graphics::AffineTransform transformToRootSpace() const;
  std::optional<graphics::AffineTransform> transformToView(const View* view) const;
  std::optional<std::size_t> indexOfSubview(const View& view) const;
  bool canAdopt(const std::shared_ptr<View>& view) const;
  // Puts `view` at `index`, from wherever it is, running the moving hooks when its
  // superview changes.
  void placeSubview(std::shared_ptr<View> view, std::size_t index);
  void detachFromSuperview();
  // After a change of this view's size from `oldSize`.
  void boundsSizeChanged(graphics::Size oldSize);
  void resizeWithOldSuperviewSize(graphics::Size oldSize, graphics::Size newSize);
  void reorderSubview(std::size_t from, std::size_t to);
  // Keeps the subview's layer in step with its place among the subviews.
  void placeSubviewLayer(std::size_t index);
  void notifyDidMoveToWindow();
  void notifyTintColorDidChange();
  // Lets an animation block around the change record the values from before it.
  void willChangeAnimatableProperty();

  friend class ViewAnimationRecorder;

  // Forwards the layer's drawing to drawContent; owned here so the layer's weak link dies with the view.
  class ContentDrawer;

  std::shared_ptr<Layer> layer_;
  bool needsLayout_ = false;
  std::shared_ptr<const ContentDrawer> contentDrawer_;
  std::shared_ptr<View> maskView_;
  std::vector<std::shared_ptr<View>> subviews_;
  std::weak_ptr<View> superview_;
  std::vector<std::shared_ptr<GestureRecognizer>> gestureRecognizers_;
  std::optional<graphics::Color> tintColor_;
  bool userInteractionEnabled_ = true;
  // Running block animations of this view that hold its touches back while they run.
  std::size_t touchBlockingAnimations_ = 0;
  std::int64_t tag_ = 0;
  std::uint32_t autoresizingMask_ = Autoresizing::none;
  std::optional<std::string> accessibilityIdentifier_;
};

}  // namespace platform::ui
