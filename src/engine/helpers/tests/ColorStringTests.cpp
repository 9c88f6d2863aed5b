#include <gtest/gtest.h>

#include <optional>

#include "engine/helpers/VantileHelpers.h"

namespace vantile {
namespace {

using platform::graphics::Color;

struct ColorCase {
  const char* text;
  std::optional<Color> expected;
};

class ColorString : public ::testing::TestWithParam<ColorCase> {};

TEST_P(ColorString, ReadsAsThePlatformColour) {
  const auto& colorCase = GetParam();
  const auto color = VantileHelpers::uiColorFromString(colorCase.text);
  ASSERT_EQ(color.has_value(), colorCase.expected.has_value()) << colorCase.text;
  if (color) {
    EXPECT_FLOAT_EQ(color->red, colorCase.expected->red) << colorCase.text;
    EXPECT_FLOAT_EQ(color->green, colorCase.expected->green) << colorCase.text;
    EXPECT_FLOAT_EQ(color->blue, colorCase.expected->blue) << colorCase.text;
    EXPECT_FLOAT_EQ(color->alpha, colorCase.expected->alpha) << colorCase.text;
  }
}

INSTANTIATE_TEST_SUITE_P(
    Table, ColorString,
    ::testing::Values(ColorCase{"rgba(255, 0, 0, 0.5)", Color{1, 0, 0, 0.5}},
                      ColorCase{"rgb(255,0,0,1)", Color{1, 0, 0, 1}},
                      ColorCase{"rgba(255,153,64,1.0)", Color{1, 153.0f / 255.0f, 64.0f / 255.0f, 1}},
                      ColorCase{"rgba(  0,  0,  0,  0.20)", Color{0, 0, 0, 0.2f}},
                      ColorCase{"rgba(300,-10,x,2)", Color{300.0f / 255.0f, -10.0f / 255.0f, 0, 2}},
                      ColorCase{"rgba(1,2,3,0.5,9)", Color{1.0f / 255.0f, 2.0f / 255.0f, 3.0f / 255.0f, 0.5}},
                      ColorCase{"#FF0000", std::nullopt}, ColorCase{"", std::nullopt}, ColorCase{"none", std::nullopt},
                      ColorCase{"rgba(255,0,0)", std::nullopt}, ColorCase{"rgba255,0,0,1", std::nullopt},
                      ColorCase{"rgb", std::nullopt}, ColorCase{"rgba(,,,", Color{0, 0, 0, 0}}));

}  // namespace
}  // namespace vantile
