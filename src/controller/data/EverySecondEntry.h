#pragma once

#include <memory>

#include "platform/foundation/values/Value.h"

namespace platform::ui {
class View;
}

namespace vantile {

// An element the one-second tick refreshes.
struct EverySecondEntry {
  std::shared_ptr<platform::ui::View> itemView;
  platform::Value elementDict;
  // Made for the element's second text ("dataAttr").
  bool isDataAttr = false;

  bool operator==(const EverySecondEntry&) const = default;
};

}  // namespace vantile
