#include "platform/graphics/TextMeasurement.h"

#include "platform/graphics/FontRegistry.h"
#include "platform/graphics/PangoFonts.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

namespace platform::graphics {
namespace {

const char* const kInterRegular = "/usr/share/fonts/opentype/inter/Inter-Regular.otf";
const char* const kInterBold = "/usr/share/fonts/opentype/inter/Inter-Bold.otf";

// The logical rectangle of a one-line layout of the text, in units.
PangoRectangle layoutExtents(std::string_view text, const Font& font) {
  auto lock = lockFonts();
  auto context = createPangoContext();
  auto description = fontDescriptionFor(font);
  PangoLayoutHandle layout(pango_layout_new(context.get()));
  pango_layout_set_font_description(layout.get(), description.get());
  pango_layout_set_text(layout.get(), text.data(), static_cast<int>(text.size()));
  PangoRectangle logical{};
  pango_layout_get_extents(layout.get(), nullptr, &logical);
  return logical;
}

TEST(TextMeasurementTests, SystemFontHasAnEmptyName) {
  Font font = systemFont(13);
  EXPECT_EQ(font.name, "");
  EXPECT_EQ(font.pointSize, 13);
}

TEST(TextMeasurementTests, SystemFontLineHeightIsSane) {
  Size size = measureText("TestString", systemFont(12));
  EXPECT_GT(size.height, 12);
  EXPECT_LT(size.height, 18);
  EXPECT_GT(size.width, 12);
  EXPECT_LT(size.width, 12 * 10);
}

TEST(TextMeasurementTests, MeasuresInRealNumbers) {
  // Unhinted, unrounded: Inter's line height at 12 points is 12 × (ascender + descender) / em,
  // not a whole number.
  Size size = measureText("TestString", systemFont(12));
  EXPECT_NE(size.height, std::round(size.height));
  EXPECT_NE(size.width, std::round(size.width));
}

TEST(TextMeasurementTests, EmptyTextHasWidthZeroAndTheLineHeight) {
  Size empty = measureText("", systemFont(12));
  EXPECT_EQ(empty.width, 0);
  EXPECT_EQ(empty.height, measureText("TestString", systemFont(12)).height);
}

TEST(TextMeasurementTests, LineHeightIsWhatAOneLineLayoutGives) {
  for (double pointSize : {9.0, 12.0, 17.0, 31.5}) {
    Font font = systemFont(pointSize);
    for (std::string_view text : {"TestString", "", "gjpqy ÁÉÍ"}) {
      PangoRectangle logical = layoutExtents(text, font);
      Size size = measureText(text, font);
      EXPECT_DOUBLE_EQ(size.height, logical.height / double(PANGO_SCALE)) << text << " at " << pointSize;
      EXPECT_DOUBLE_EQ(size.width, logical.width / double(PANGO_SCALE)) << text << " at " << pointSize;
    }
  }
}

TEST(TextMeasurementTests, LineMetricsAreTheFontsAscentAndDescent) {
  // Inter's vertical metrics as FreeType reads them from the file (hhea; Inter has no line gap).
  FT_Library rawLibrary = nullptr;
  ASSERT_EQ(FT_Init_FreeType(&rawLibrary), 0);
  FtLibraryHandle library(rawLibrary);
  FT_Face rawFace = nullptr;
  ASSERT_EQ(FT_New_Face(library.get(), kInterRegular, 0, &rawFace), 0);
  FtFaceHandle face(rawFace);
  double em = face->units_per_EM;

  auto lock = lockFonts();
  auto context = createPangoContext();
  auto description = fontDescriptionFor(systemFont(100));
  LineMetrics metrics = lineMetrics(context.get(), description.get());
  // Within Pango's unit of 1/1024.
  EXPECT_NEAR(metrics.ascent, 100 * face->ascender / em, 1.0 / PANGO_SCALE);
  EXPECT_NEAR(metrics.descent, 100 * -face->descender / em, 1.0 / PANGO_SCALE);
  EXPECT_DOUBLE_EQ(metrics.height(), measureText("TestString", systemFont(100)).height);
}

TEST(TextMeasurementTests, ScalesLinearlyWithPointSize) {
  Size at12 = measureText("TestString", systemFont(12));
  Size at24 = measureText("TestString", systemFont(24));
  EXPECT_NEAR(at24.height, 2 * at12.height, 0.5);
  EXPECT_NEAR(at24.width, 2 * at12.width, 0.5);
}

TEST(TextMeasurementTests, WidthGrowsWithTheText) {
  Size one = measureText("Test", systemFont(12));
  Size two = measureText("TestTest", systemFont(12));
  EXPECT_GT(one.width, 0);
  // Not quite twice as wide: "tT" kerns.
  EXPECT_GT(two.width, 1.9 * one.width);
  EXPECT_LT(two.width, 2 * one.width);
}

TEST(TextMeasurementTests, UnknownFontMeasuresExactlyLikeTheSystemFont) {
  Size system = measureText("TestString", systemFont(12));
  EXPECT_EQ(measureText("TestString", Font{"NoSuchFont-Bold", 12}), system);
  EXPECT_EQ(measureText("TestString", Font{"", 12}), system);
  EXPECT_EQ(measureText("TestString", Font{"Inter-Regular", 12}), system);
  EXPECT_EQ(measureText("TestString", Font{"Inter", 12}), system);
}

TEST(TextMeasurementTests, RegisteredFontIsFoundByItsPostScriptName) {
  ASSERT_EQ(FontRegistry::shared().registerFontFile(kInterBold), "Inter-Bold");
  Size bold = measureText("TestString", Font{"Inter-Bold", 12});
  Size regular = measureText("TestString", Font{"Inter-Regular", 12});
  EXPECT_GT(bold.width, regular.width);
  EXPECT_EQ(bold.height, regular.height);
}

TEST(TextMeasurementTests, EveryInterStyleIsThereByPostScriptName) {
  // The whole family is registered as the system font, without registering anything.
  struct Expected {
    const char* name;
    PangoWeight weight;
    PangoStyle style;
  };
  for (Expected expected : {Expected{"Inter-Thin", PANGO_WEIGHT_THIN, PANGO_STYLE_NORMAL},
                            Expected{"Inter-LightItalic", PANGO_WEIGHT_LIGHT, PANGO_STYLE_ITALIC},
                            Expected{"Inter-Medium", PANGO_WEIGHT_MEDIUM, PANGO_STYLE_NORMAL},
                            Expected{"Inter-SemiBold", PANGO_WEIGHT_SEMIBOLD, PANGO_STYLE_NORMAL},
                            Expected{"Inter-BoldItalic", PANGO_WEIGHT_BOLD, PANGO_STYLE_ITALIC},
                            Expected{"Inter-Black", PANGO_WEIGHT_HEAVY, PANGO_STYLE_NORMAL}}) {
    auto description = fontDescriptionFor(Font{expected.name, 12});
    EXPECT_STREQ(pango_font_description_get_family(description.get()), "Inter") << expected.name;
    EXPECT_EQ(pango_font_description_get_weight(description.get()), expected.weight) << expected.name;
    EXPECT_EQ(pango_font_description_get_style(description.get()), expected.style) << expected.name;
    EXPECT_EQ(pango_font_description_get_stretch(description.get()), PANGO_STRETCH_NORMAL) << expected.name;

    // And Pango loads that very face.
    auto lock = lockFonts();
    auto context = createPangoContext();
    PangoFontHandle font(pango_context_load_font(context.get(), description.get()));
    ASSERT_TRUE(font) << expected.name;
    PangoFontDescriptionHandle loaded(pango_font_describe(font.get()));
    EXPECT_EQ(pango_font_description_get_weight(loaded.get()), expected.weight) << expected.name;
    EXPECT_EQ(pango_font_description_get_style(loaded.get()), expected.style) << expected.name;
  }
  EXPECT_GT(measureText("TestString", Font{"Inter-Black", 12}).width,
            measureText("TestString", Font{"Inter-Thin", 12}).width);
}

TEST(TextMeasurementTests, InterDisplayIsNotPartOfTheSystemFont) {
  auto description = fontDescriptionFor(Font{"InterDisplay-Bold", 12});
  EXPECT_EQ(pango_font_description_get_weight(description.get()), PANGO_WEIGHT_NORMAL);
  EXPECT_EQ(measureText("TestString", Font{"InterDisplay-Bold", 12}), measureText("TestString", systemFont(12)));
}

TEST(TextMeasurementTests, FamilyNamesResolveToTheirRegularFace) {
  auto description = fontDescriptionFor(Font{"inter", 12});
  EXPECT_STREQ(pango_font_description_get_family(description.get()), "Inter");
  EXPECT_EQ(pango_font_description_get_weight(description.get()), PANGO_WEIGHT_NORMAL);
  EXPECT_EQ(pango_font_description_get_style(description.get()), PANGO_STYLE_NORMAL);
  // A legacy family name (name ID 1) of one weight gives that weight.
  auto semiBold = fontDescriptionFor(Font{"Inter Semi Bold", 12});
  EXPECT_STREQ(pango_font_description_get_family(semiBold.get()), "Inter");
  EXPECT_EQ(pango_font_description_get_weight(semiBold.get()), PANGO_WEIGHT_SEMIBOLD);
  EXPECT_EQ(pango_font_description_get_style(semiBold.get()), PANGO_STYLE_NORMAL);
}

TEST(TextMeasurementTests, DescriptionsHaveAbsoluteSizes) {
  auto description = fontDescriptionFor(Font{"Inter-Bold", 12.5});
  EXPECT_TRUE(pango_font_description_get_size_is_absolute(description.get()));
  EXPECT_EQ(pango_font_description_get_size(description.get()), static_cast<int>(12.5 * PANGO_SCALE));
}

TEST(TextMeasurementTests, TextIsOneLine) {
  Size line = measureText("a", systemFont(12));
  Size text = measureText("first line\nsecond line\r\nthird\u2029fourth", systemFont(12));
  EXPECT_EQ(text.height, line.height);
  EXPECT_GT(text.width, measureText("first linesecond line", systemFont(12)).width);
}

TEST(TextMeasurementTests, InvalidUtf8IsMeasuredAsReplacementCharacters) {
  Size replacement = measureText("a\uFFFDb", systemFont(12));
  EXPECT_EQ(measureText("a\xFF" "b", systemFont(12)), replacement);
  EXPECT_EQ(measureText(std::string_view("a\0b", 3), systemFont(12)), replacement);
  EXPECT_GT(measureText("\xC3", systemFont(12)).width, 0);
}

TEST(TextMeasurementTests, TextInScriptsInterLacksStillMeasures) {
  // No fallback fonts exist: Pango sets missing glyphs as boxes, on the same line height.
  Size size = measureText("漢字 😀 مرحبا", systemFont(12));
  EXPECT_GT(size.width, 0);
  EXPECT_EQ(size.height, measureText("", systemFont(12)).height);
}

TEST(TextMeasurementTests, OddPointSizesDoNotBreakMeasurement) {
  for (double pointSize : {0.0, -5.0, std::numeric_limits<double>::quiet_NaN(),
                           std::numeric_limits<double>::infinity(), 1e12}) {
    Size size = measureText("TestString", systemFont(pointSize));
    EXPECT_TRUE(std::isfinite(size.width) && size.width >= 0) << pointSize;
    EXPECT_TRUE(std::isfinite(size.height) && size.height >= 0) << pointSize;
  }
  EXPECT_EQ(measureText("TestString", systemFont(-5)), measureText("TestString", systemFont(0)));
}

}  // namespace
}  // namespace platform::graphics
