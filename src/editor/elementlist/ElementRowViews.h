#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "platform/ui/controls/StackView.h"
#include "platform/ui/text/Label.h"
#include "platform/ui/views/ScrollView.h"

namespace vantile {

// The views of the element list and its rows; what they show comes from the canvas.
namespace ElementRowViews {

inline constexpr double kRowHeight = 40;
inline constexpr std::int64_t kAddRowTag = 9999;
inline constexpr std::int64_t kAllElementsRowTag = 555;

// "    + Add New Element".
std::shared_ptr<platform::ui::Label> makeAddRow(double width);
// "    ⚬ All Elements", an inspector caption.
std::shared_ptr<platform::ui::Label> makeAllElementsRow(double width);
// An empty element row; the canvas sets its text, tag and visibility.
std::shared_ptr<platform::ui::Label> makeElementRow(double width, bool isNested);
// A clear 40 × 40 holder at x with the image of the file address in a 30 × 30 image view.
std::shared_ptr<platform::ui::View> makeRowButton(double x, const std::string& imageURL, std::string layerName);

// Lays the rows out and lets the list scroll over all of them.
void fitListToStack(platform::ui::ScrollView& list, platform::ui::StackView& stack);
// A new list comes in from alpha 0 over a quarter of a second.
void fadeListIn(const std::shared_ptr<platform::ui::View>& list);

}  // namespace ElementRowViews

}  // namespace vantile
