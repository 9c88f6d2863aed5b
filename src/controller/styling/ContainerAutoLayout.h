#pragma once

#include "controller/visibility/ContainerRules.h"
#include "platform/foundation/values/Value.h"

namespace vantile::layout {

// Lays out the level's "UIView" elements that ask for "evenSpacing" or "grid", each over those
// of its children whose views are its direct subviews; no descent.
void applyAutoLayoutToUIViews(const platform::Value& children, const containerrules::ViewLookup& viewNamed);

}  // namespace vantile::layout
