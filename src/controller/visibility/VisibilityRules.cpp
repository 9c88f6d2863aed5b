// Elements that show or hide with music and power, or run trigger animations on them.
#include "controller/VantileController.h"
#include "engine/builders/ElementFactoryConventions.h"
#include "platform/foundation/values/Strings.h"
#include "platform/ui/views/View.h"

namespace vantile {

namespace {

using platform::Value;
using namespace conventions;
namespace foundation = platform::foundation;

constexpr double kFadeDuration = 0.3;

void fade(const std::shared_ptr<platform::ui::View>& view, double alpha) {
  platform::ui::View::animate(kFadeDuration, 0, {}, [&view, alpha] { view->setAlpha(alpha); });
}

// The name after the part's first colon, up to a second one; nothing without a colon.
std::optional<std::string> triggerName(std::string_view part) {
  const auto pieces = foundation::components(part, ":");
  if (pieces.size() < 2) return std::nullopt;
  return std::string(pieces[1]);
}

}  // namespace

void VantileController::checkIfUIViewShouldHide(const Value& element, const std::shared_ptr<platform::ui::View>& view) {
  if (!view) return;
  const std::string playingRule = stringFor(element, "showWhenPlaying").value_or("");
  const std::string hiddenWhilePlaying = stringFor(element, "hideWhenPlaying").value_or("");
  const std::string chargingRule = stringFor(element, "showWhenCharging").value_or("");
  const bool playing = providers.isMusicPlaying && providers.isMusicPlaying();
  const bool power = providers.isOnAC && providers.isOnAC();

  if (chargingRule == "YES") fade(view, power ? 1 : 0);
  if (foundation::contains(chargingRule, "triggerOn")) runTrigger(chargingRule, power, view);
  if (playingRule == "YES") {
    fade(view, playing ? 1 : 0);
  } else if (hiddenWhilePlaying == "YES") {
    fade(view, playing ? 0 : 1);
  }
  if (foundation::contains(playingRule, "triggerOn")) runTrigger(playingRule, playing, view);
}

void VantileController::runTrigger(std::string_view rule, bool on, const std::shared_ptr<platform::ui::View>& view) {
  if (vantileView && vantileView->viewWithTag(view->tag())) isLSTap = true;
  if (vantileViewSB && vantileViewSB->viewWithTag(view->tag())) isLSTap = false;
  const auto parts = foundation::components(rule, ",");
  if (parts.size() != 2) return;
  const std::optional<std::string> onName = triggerName(parts[0]);
  const std::optional<std::string> offName = triggerName(parts[1]);
  if (!onName || !offName || *onName == "*" || *offName == "*") return;
  const auto target = getElDict(on ? *onName : *offName, locationOfView(*view)).view;
  if (target && hooks.handleAnimation) hooks.handleAnimation(target);
}

}  // namespace vantile
