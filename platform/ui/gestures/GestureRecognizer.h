#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/foundation/values/Value.h"
#include "platform/graphics/Geometry.h"
#include "platform/ui/gestures/Touch.h"

namespace platform::ui {

class TouchSequence;
class View;

// Turns the touches of its view (and of the views inside it) into a gesture. Touch delivery
// offers every touch sequence to the recognisers of the hit view and its ancestors; the
// first to begin or recognise wins the sequence, and the others fail.
//
// Subclasses override the touch functions and move the state with setState(): a discrete
// gesture goes from possible to recognized (or failed), a continuous one to began, changed
// and ended (or cancelled). After a finished gesture the recogniser goes back to possible
// once its touches are up, calling reset().
class GestureRecognizer : public std::enable_shared_from_this<GestureRecognizer> {
 protected:
  // Only factories make recognisers, so timers can hold them weakly.
  struct ConstructionKey {
    explicit ConstructionKey() = default;
  };

 public:
  enum class State { possible, began, changed, ended, cancelled, failed, recognized = ended };
  using Action = std::function<void(GestureRecognizer&)>;

  explicit GestureRecognizer(ConstructionKey);
  virtual ~GestureRecognizer();
  GestureRecognizer(const GestureRecognizer&) = delete;
  GestureRecognizer& operator=(const GestureRecognizer&) = delete;

  State state() const { return state_; }
  std::shared_ptr<View> view() const { return view_.lock(); }
  bool isEnabled() const { return enabled_; }
  // Disabling stops a gesture under way (cancelled, or failed if it had not begun).
  void setEnabled(bool enabled);
  // Actions run when the state becomes began, changed, ended (recognized) or cancelled.
  void addTarget(Action action);

  // The centroid of the touches down, or of the last ones, in `view` (nullptr: the root the
  // touches came through). Nothing before any touch or when the view is collapsed.
  std::optional<graphics::Point> locationInView(const View* view) const;
  std::size_t numberOfTouches() const { return activeTouches_.size(); }

  // Marks the code that made the recogniser leaves on it for its actions to read back (which
  // element a handle resizes, whether this is the drag gesture). Setting null removes the key.
  void setAssociatedValue(const std::string& key, Value value);
  std::optional<Value> associatedValue(const std::string& key) const;

 protected:
  virtual void touchesBegan(const std::vector<Touch>& touches);
  virtual void touchesMoved(const std::vector<Touch>& touches);
  virtual void touchesEnded(const std::vector<Touch>& touches);
  // By default a gesture under way is cancelled, one not yet begun fails.
  virtual void touchesCancelled(const std::vector<Touch>& touches);
  // Forgets what the subclass tracked for the last gesture.
  virtual void reset();

  // Refuses (with a log line) moves the state machine does not allow.
  void setState(State state);

  // The touches down now, after the event being delivered.
  const std::vector<Touch>& activeTouches() const { return activeTouches_; }
  std::optional<graphics::Point> locationInRoot() const { return location_; }
  // A point of the touches' root space in `view` (nullptr: the root).
  std::optional<graphics::Point> convertFromRoot(graphics::Point point, const View* view) const;
  std::optional<graphics::Point> convertToRoot(graphics::Point point, const View* view) const;
  static std::optional<graphics::Point> centroid(const std::vector<Touch>& touches);

  // Runs `task` on the main queue after `seconds`, unless the recogniser resets, schedules
  // again or cancels first. One task is pending at a time.
  void scheduleAfter(double seconds, std::function<void()> task);
  void cancelScheduled() { ++scheduleGeneration_; }

 private:
  friend class TouchSequence;
  friend class View;

  void attachToView(std::weak_ptr<View> view) { view_ = std::move(view); }
  void detachFromView();
  void joinSequence(std::weak_ptr<TouchSequence> sequence);
  void leaveSequence();
  void deliver(TouchPhase phase, const std::vector<Touch>& touches);
  void abandonGesture();
  void resetToPossible();
  bool isFinished() const;

  State state_ = State::possible;
  std::weak_ptr<View> view_;
  bool enabled_ = true;
  std::vector<Action> targets_;
  std::vector<Touch> activeTouches_;
  std::optional<graphics::Point> location_;
  std::weak_ptr<View> root_;
  std::weak_ptr<TouchSequence> sequence_;
  bool inSequence_ = false;
  std::uint64_t scheduleGeneration_ = 0;
  std::map<std::string, Value> associatedValues_;
};

}  // namespace platform::ui
