#pragma once

#include <string>

namespace platform::ui {
class View;
}

namespace vantile {

// The view and its subviews as they show, at the screen's scale, as a JPEG of quality 1.0
// written atomically to the system path. False, with a log line, when it cannot be drawn,
// encoded or written.
bool writeViewPreview(const platform::ui::View& view, const std::string& path);

}  // namespace vantile
