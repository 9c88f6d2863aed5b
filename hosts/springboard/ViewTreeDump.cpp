#include "ViewTreeDump.h"

#include "platform/ui/text/Label.h"

namespace vantile::springboard {

platform::Value dumpViewTree(const platform::ui::View& view) {
  platform::Value entry = platform::Value::object();
  entry["class"] = std::string(view.className());
  if (const auto& identifier = view.accessibilityIdentifier()) {
    entry["id"] = *identifier;
  }
  entry["tag"] = view.tag();
  const platform::graphics::Rect frame = view.frame();
  entry["frame"] = {frame.origin.x, frame.origin.y, frame.size.width, frame.size.height};
  entry["hidden"] = view.isHidden();
  entry["alpha"] = view.alpha();
  if (const auto* label = dynamic_cast<const platform::ui::Label*>(&view)) {
    entry["text"] = label->text();
  }
  if (const auto& layerName = view.layer()->name()) {
    entry["layer"] = *layerName;
  }
  platform::Value subviews = platform::Value::array();
  for (const auto& subview : view.subviews()) {
    subviews.push_back(dumpViewTree(*subview));
  }
  entry["subviews"] = std::move(subviews);
  return entry;
}

platform::Value dumpScreens(const platform::ui::View& lockScreen, const platform::ui::View& homeScreen) {
  return {{"lockscreen", dumpViewTree(lockScreen)}, {"homescreen", dumpViewTree(homeScreen)}};
}

}  // namespace vantile::springboard
