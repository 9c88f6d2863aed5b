#pragma once

#include <functional>
#include <memory>
#include <string>

#include "platform/foundation/values/Value.h"

namespace platform::ui {
class View;
}

// The container rules that the tweak's trees and the editor's canvas apply alike; each host
// finds element views by name in its own way.
namespace vantile::containerrules {

using ViewLookup = std::function<std::shared_ptr<platform::ui::View>(const std::string& name)>;

// Cuts the glyphs of the "cutWithView" label out of the container, laid from its top-left corner
// at the label's size.
void applyKnockout(const platform::Value& element, platform::ui::View& container, const ViewLookup& viewNamed);

// Moves the container to the end of the "followWidthItem" element's bar fill, or onto its week
// widget's today; whether it moved.
bool applyFollow(const platform::Value& element, platform::ui::View& container, const ViewLookup& viewNamed);

}  // namespace vantile::containerrules
