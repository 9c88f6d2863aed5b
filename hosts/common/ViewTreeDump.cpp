#include "hosts/common/ViewTreeDump.h"

#include "platform/graphics/AffineTransform.h"
#include "platform/ui/text/Label.h"

namespace vantile::hosts {

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
  if (!view.layer()->animationKeys().empty()) {
    // The model values above are already the end values; this is what the screen shows now.
    const platform::ui::LayerProperties shown = view.layer()->presentationProperties();
    const platform::graphics::Size size = shown.bounds.size;
    const platform::graphics::Point anchor{shown.anchorPoint.x * size.width, shown.anchorPoint.y * size.height};
    const platform::graphics::Rect shownFrame =
        platform::graphics::AffineTransform::translation(-anchor.x, -anchor.y)
            .concat(shown.transform)
            .concat(platform::graphics::AffineTransform::translation(shown.position.x, shown.position.y))
            .apply(platform::graphics::Rect{0, 0, size.width, size.height});
    entry["shown"] = {{"frame", {shownFrame.origin.x, shownFrame.origin.y, shownFrame.size.width, shownFrame.size.height}},
                      {"alpha", shown.opacity}};
  }
  platform::Value subviews = platform::Value::array();
  for (const auto& subview : view.subviews()) {
    subviews.push_back(dumpViewTree(*subview));
  }
  entry["subviews"] = std::move(subviews);
  return entry;
}

}  // namespace vantile::hosts
