#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "editor/pad/PadAddress.h"

namespace vantile {
namespace {

TEST(PadAddress, ReadsTheSubKeyBeforeTheStyleAndWritesItBack) {
  const auto address = PadAddress::parse("x~frame");
  ASSERT_TRUE(address);
  EXPECT_EQ(*address, (PadAddress{"x", "frame"}));
  EXPECT_EQ(address->text(), "x~frame");
}

TEST(PadAddress, RefusesTextThatIsNotTwoNonEmptyParts) {
  for (const char* text : {"", "frame", "~frame", "x~", "x~frame~more", "~"}) {
    EXPECT_FALSE(PadAddress::parse(text)) << text;
  }
}

TEST(ArrowReference, ReadsTheDirectionBeforeThePadAddress) {
  struct Case {
    const char* text;
    PadDirection direction;
  };
  for (const Case& c : {Case{"up~x~frame", PadDirection::up}, Case{"down~y~textShadow", PadDirection::down},
                        Case{"left~width~frame", PadDirection::left}, Case{"right~x~initialOffset", PadDirection::right}}) {
    const auto reference = ArrowReference::parse(c.text);
    ASSERT_TRUE(reference) << c.text;
    EXPECT_EQ(reference->direction, c.direction) << c.text;
    EXPECT_EQ(reference->text(), c.text);
  }
}

TEST(ArrowReference, RefusesUnknownDirectionsAndMissingParts) {
  for (const char* text : {"sideways~x~frame", "up~x", "up~~frame", "Up~x~frame", "up~x~frame~1"}) {
    EXPECT_FALSE(ArrowReference::parse(text)) << text;
  }
}

TEST(PadAddress, KnowsWhichStylesHoldDictionaries) {
  for (const char* style : {"frame", "textShadow", "boxShadow", "contentSize", "initialOffset"}) {
    EXPECT_TRUE(isDictionaryPadStyle(style)) << style;
  }
  for (const char* style : {"fontSize", "cornerRadius", "Frame", "x"}) EXPECT_FALSE(isDictionaryPadStyle(style)) << style;
}

}  // namespace
}  // namespace vantile
