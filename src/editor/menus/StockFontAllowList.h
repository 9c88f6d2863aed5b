#pragma once

#include <string_view>

namespace vantile {

// The stock fonts the font menu may offer; it only filters, the order shown is the registry's.
bool isAllowedStockFont(std::string_view fontName);

}  // namespace vantile
