// Elements that sit at the end of another element's bar fill or on its week widget's today.
#include "controller/VantileController.h"
#include "controller/visibility/ContainerRules.h"
#include "engine/InnerViewTags.h"
#include "engine/builders/ElementFactoryConventions.h"
#include "platform/foundation/values/Conversions.h"
#include "platform/foundation/values/Strings.h"
#include "platform/ui/views/View.h"

namespace vantile {

namespace {

using platform::Value;
using platform::graphics::Point;
using namespace conventions;
namespace foundation = platform::foundation;

bool isNoName(const std::optional<std::string>& name) {
  return !name || *name == "none" || name->empty() || *name == "(null)";
}

// "dx,dy"; the no-offset spellings, and a missing second part, read 0.
Point followOffset(const std::optional<std::string>& value) {
  if (!value || *value == "x,y" || *value == " " || *value == "(null)") return {};
  const auto parts = foundation::components(*value, ",");
  const float dx = parts.empty() ? 0 : foundation::floatValue(parts[0]);
  const float dy = parts.size() < 2 ? 0 : foundation::floatValue(parts[1]);
  return {dx, dy};
}

}  // namespace

bool containerrules::applyFollow(const Value& element, platform::ui::View& view, const ViewLookup& viewNamed) {
  const std::optional<std::string> item = stringFor(element, "followWidthItem");
  if (isNoName(item)) return false;
  const Point offset = followOffset(stringFor(element, "followWidthOffset"));
  const auto target = viewNamed(*item);
  if (!target) return false;
  const Point origin = target->frame().origin;
  const auto frame = view.frame();

  auto fill = target->viewWithTag(innerViewTags::levelBarFill);
  if (!fill) fill = target->viewWithTag(innerViewTags::progressBarFill);
  if (fill) {
    const auto x = static_cast<float>(origin.x + fill->frame().width() + offset.x);
    const auto y = static_cast<float>(origin.y + fill->frame().y() + offset.y);
    view.setFrame({x, y, frame.width(), frame.height()});
    return true;
  }
  if (target->subviews().empty() || target->subviews().front()->subviews().empty()) return false;
  const auto& row = target->subviews().front()->subviews().front();
  const auto today = row->viewWithTag(innerViewTags::todayLabel);
  if (!today) return false;
  const auto x = static_cast<float>(origin.x + row->frame().x() + today->frame().x() + offset.x);
  const auto y = static_cast<float>(origin.y + today->frame().y() + offset.y);
  view.setFrame({x, y, frame.width(), frame.height()});
  return true;
}

void VantileController::checkIfViewFollows(const Value& element, const std::shared_ptr<platform::ui::View>& view) {
  if (!view) return;
  const std::string location = locationOfView(*view);
  containerrules::applyFollow(element, *view, [&](const std::string& name) { return getElDict(name, location).view; });
}

}  // namespace vantile
