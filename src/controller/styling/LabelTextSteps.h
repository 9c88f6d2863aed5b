#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "platform/foundation/values/Value.h"

namespace platform::ui {
class View;
}

namespace vantile::labeltext {

// The text with its data tokens replaced; nothing when it gives no text.
using DataResolver = std::function<std::optional<std::string>(std::string_view text)>;

// On a label: the "data" text (tokens resolved, "textStyle" applied), then its kerning and its
// second-word colour, then the "dataAttr" text appended in its own font and colour. Any other
// view is left as it is.
void applyTextSteps(platform::ui::View* view, const platform::Value& element, const DataResolver& handleData);

}  // namespace vantile::labeltext
