#pragma once

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "platform/graphics/Image.h"

namespace platform::ui::testing {

// Compares a rendered image with tests/reference/<name>.png, each channel of each pixel
// within `tolerance`. On a mismatch the actual image and a difference image go to
// pixel-failures/ beside the test executable (in the build tree). A missing reference fails;
// with VANTILE_UPDATE_REFERENCES=1 the actual image is written as the reference instead.
::testing::AssertionResult matchesReference(const std::optional<graphics::Image>& actual, const std::string& name,
                                            int tolerance = 8);

}  // namespace platform::ui::testing
