#pragma once

#include "platform/foundation/values/Value.h"
#include "platform/ui/views/View.h"

namespace vantile::hosts {

// The view tree as JSON, a stable format that scenario tests compare: per view, depth first in
// subview order, "class", "id" (when set), "tag", "frame" [x, y, w, h] in the superview's space,
// "hidden", "alpha", "text" (labels), "layer" (the layer's name, when set), "shown" (while the
// layer animates: the "frame" and "alpha" on screen at this instant), "subviews".
platform::Value dumpViewTree(const platform::ui::View& view);

}  // namespace vantile::hosts
