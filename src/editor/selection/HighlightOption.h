#pragma once

#include "platform/foundation/preferences/UserDefaults.h"

namespace vantile {

// The editor's "Toggle Highlight" setting: with it, a selection shows its frame and resize
// handles. Absent counts as off.
inline bool highlightOptionIsOn() {
  return platform::foundation::UserDefaults::standard().boolForKey("highlightOption");
}

inline void setHighlightOption(bool on) {
  platform::foundation::UserDefaults::standard().setObject("highlightOption", platform::Value(on));
}

}  // namespace vantile
