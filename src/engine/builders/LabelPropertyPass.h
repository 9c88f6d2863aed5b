#pragma once

#include <string_view>

#include "platform/foundation/values/Value.h"

namespace platform::ui {
class Label;
}

namespace vantile {

// Offers every key of the element description (but "textAlignment" and "frame") to the label
// and then to its layer by name: "rgba" text as a colour, digits only as a whole number, any
// other value as its text. A value the property refuses is logged as
// "<logPrefix> <key> : <reason>" and the pass goes on with the next key.
void applyLabelPropertyPass(platform::ui::Label& label, const platform::Value& options, std::string_view logPrefix);

}  // namespace vantile
