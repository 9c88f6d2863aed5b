#pragma once

#include <memory>
#include <vector>

#include "platform/graphics/Geometry.h"
#include "platform/ui/gestures/Touch.h"

namespace platform::ui {

class GestureRecognizer;
class View;

// One touch sequence, from the fingers going down to their lifting, delivered through a root
// view. Each finger is hit-tested when it goes down; the recognisers of the hit views and
// their ancestors (innermost first) see the touches first, then the hit views' own touch
// handlers do. The first recogniser to begin or recognise wins: the others fail and the
// views' touches are cancelled. All fingers go down together and lift together.
class TouchSequence : public std::enable_shared_from_this<TouchSequence> {
  struct ConstructionKey {
    explicit ConstructionKey() = default;
  };

 public:
  // Fingers at `locations`, in `root`'s bounds space.
  static std::shared_ptr<TouchSequence> begin(std::shared_ptr<View> root, const std::vector<graphics::Point>& locations);

  TouchSequence(ConstructionKey, std::shared_ptr<View> root);
  ~TouchSequence();
  TouchSequence(const TouchSequence&) = delete;
  TouchSequence& operator=(const TouchSequence&) = delete;

  // One location per finger, in the order they went down; a different count is refused.
  void move(const std::vector<graphics::Point>& locations);
  void end();
  bool isFinished() const { return finished_; }

 private:
  friend class GestureRecognizer;

  void recognizerDidWin(const GestureRecognizer& winner);
  void gatherRecognizers();
  void dispatch(TouchPhase phase);
  std::vector<Touch> touchesFor(const GestureRecognizer& recognizer) const;
  void deliverToViews(TouchPhase phase);
  void stampTouches(TouchPhase phase);

  std::shared_ptr<View> root_;
  std::vector<Touch> touches_;
  // Kept alive for the whole sequence, parallel to touches_; null where nothing was hit.
  std::vector<std::shared_ptr<View>> hitViews_;
  std::vector<std::shared_ptr<GestureRecognizer>> recognizers_;
  bool viewsBegan_ = false;
  bool viewsCancelled_ = false;
  bool finished_ = false;
};

}  // namespace platform::ui
