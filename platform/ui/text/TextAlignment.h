#pragma once

namespace platform::ui {

// Natural follows the writing direction of the text; justified leaves the last line natural.
enum class TextAlignment { left, center, right, justified, natural };

}  // namespace platform::ui
