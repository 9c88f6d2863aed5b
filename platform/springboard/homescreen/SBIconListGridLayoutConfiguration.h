#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>

#include "platform/objc/SharedObject.h"
#include "platform/springboard/runtime/Signatures.h"

namespace platform::springboard {

// What an icon page is laid out by: columns, rows and the insets around the grid.
struct GridLayout {
  std::uint64_t columns = 4;
  std::uint64_t rows = 6;
  signatures::EdgeInsets insets;

  std::size_t iconsPerPage() const { return static_cast<std::size_t>(columns * rows); }
};

// The home-screen pages' grid configuration (iOS 13 on). Icon lists ask it through the
// runtime, so a replaced answer reshapes the grid.
class SBIconListGridLayoutConfiguration : public objc::SharedObject {
 public:
  static constexpr std::uint64_t stockColumns = 4;
  static constexpr std::uint64_t stockRows = 6;
  // The grid starts below the status bar.
  static constexpr double stockTopInset = 60;

  SBIconListGridLayoutConfiguration() : SharedObject("SBIconListGridLayoutConfiguration") {}

  // The root pages' layout as the configuration answers it now; the stock layout where the
  // class does not exist. Counts are at least 1.
  static GridLayout rootLayout();

  static void declareClass(objc::Class& cls);
};

}  // namespace platform::springboard
