#pragma once

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <string_view>

#include "platform/graphics/Image.h"

namespace vantile::testing {

// Compares a rendered image with <referenceFolder>/<name>.png, the folder given relative to
// the source tree (e.g. "platform/ui/tests/reference"), each channel of each pixel within
// `tolerance`. On a mismatch the actual image and a difference image go to
// pixel-failures/ beside the test executable (in the build tree). A missing reference fails;
// with VANTILE_UPDATE_REFERENCES=1 the actual image is written as the reference instead.
::testing::AssertionResult matchesReference(const std::optional<platform::graphics::Image>& actual,
                                            std::string_view referenceFolder, const std::string& name,
                                            int tolerance = 8);

}  // namespace vantile::testing
