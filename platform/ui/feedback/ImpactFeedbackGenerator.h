#pragma once

#include <vector>

namespace platform::ui {

// A haptic tap. There is no motor here: each impact is kept, in order, for tests and the host
// to report.
class ImpactFeedbackGenerator {
 public:
  // The platform's styles: 0 light, 1 medium, 2 heavy, 3 soft, 4 rigid.
  explicit ImpactFeedbackGenerator(int style) : style_(style) {}

  void prepare() { prepared_ = true; }
  void impactOccurred();

  struct Impact {
    int style = 0;
    bool prepared = false;
  };
  static const std::vector<Impact>& impacts();
  static void forgetImpacts();

 private:
  int style_;
  bool prepared_ = false;
};

}  // namespace platform::ui
