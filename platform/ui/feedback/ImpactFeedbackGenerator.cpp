#include "platform/ui/feedback/ImpactFeedbackGenerator.h"

namespace platform::ui {

namespace {

std::vector<ImpactFeedbackGenerator::Impact>& recorded() {
  static std::vector<ImpactFeedbackGenerator::Impact> impacts;
  return impacts;
}

}  // namespace

void ImpactFeedbackGenerator::impactOccurred() { recorded().push_back({style_, prepared_}); }

const std::vector<ImpactFeedbackGenerator::Impact>& ImpactFeedbackGenerator::impacts() { return recorded(); }

void ImpactFeedbackGenerator::forgetImpacts() { recorded().clear(); }

}  // namespace platform::ui
