#pragma once

#include <memory>
#include <vector>

#include "platform/graphics/Geometry.h"

namespace platform::ui {

class TouchSequence;
class View;

// Plays touches into a view tree, as a finger on the screen would, for tests and hosts.
// Points are in the root's bounds space. Gestures that take time let the main queue's clock
// run (advancing it when it is manual), so timers fall due along the way.
class TouchInjector {
 public:
  static constexpr double tapDuration = 0.05;
  static constexpr double pauseBetweenTaps = 0.1;
  static constexpr double moveInterval = 1.0 / 60.0;

  explicit TouchInjector(std::shared_ptr<View> root);
  ~TouchInjector();
  TouchInjector(const TouchInjector&) = delete;
  TouchInjector& operator=(const TouchInjector&) = delete;

  void tap(graphics::Point point);
  void tapTwice(graphics::Point point);
  // Several fingers tapping at once.
  void tapWithFingers(const std::vector<graphics::Point>& points);
  // Down, held for `seconds`, up.
  void press(graphics::Point point, double seconds);
  // Down at `from`, `steps` moves (at least one) evenly to `to`, up.
  void drag(graphics::Point from, graphics::Point to, int steps);
  // Two fingers on a horizontal line through `center`, moving from `startDistance` apart
  // to `endDistance` apart in `steps` moves.
  void pinch(graphics::Point center, double startDistance, double endDistance, int steps);

  // Step by step, for scripted sequences. One sequence at a time: fingers go down together
  // and lift together. False (and a log line) when fingers are already down.
  bool touchDown(const std::vector<graphics::Point>& points);
  void touchMove(const std::vector<graphics::Point>& points);
  void touchUp();
  bool isTouching() const;

 private:
  static void letTimePass(double seconds);

  std::shared_ptr<View> root_;
  std::shared_ptr<TouchSequence> sequence_;
};

}  // namespace platform::ui
