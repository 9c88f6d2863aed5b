#include <gtest/gtest.h>

#include <string>

#include "editor/pad/PadReadOut.h"

namespace vantile {
namespace {

using platform::Value;

TEST(PadReadOut, PrintsTheValuesOfTheStyleAsStored) {
  const Value element = {
      {"frame", {{"x", "20"}, {"y", "40"}, {"width", "100"}, {"height", "50"}}},
      {"contentSize", {{"width", "300"}, {"height", 900}}},
      {"initialOffset", {{"x", "0"}, {"y", "center"}}},
      {"textShadow", {{"x", "2"}, {"radius", 1.5}}},
      {"boxShadow", {{"y", "-3"}}},
      {"fontSize", "18"},
  };
  struct Case {
    const char* address;
    const char* expected;
  };
  for (const Case& c : {Case{"x~frame", "X:20 Y:40 W:100 H:50"}, Case{"height~frame", "X:20 Y:40 W:100 H:50"},
                        Case{"width~contentSize", " W:300 H:900"}, Case{"x~initialOffset", " X:0 Y:center"},
                        Case{"x~textShadow", "X: 2"}, Case{"radius~textShadow", "R: 1.5"},
                        Case{"y~boxShadow", "Y: -3"}, Case{"fontSize~fontSize", "F: 18"}}) {
    const auto address = PadAddress::parse(c.address);
    ASSERT_TRUE(address) << c.address;
    EXPECT_EQ(padReadOut(*address, element), c.expected) << c.address;
  }
}

TEST(PadReadOut, PrintsNothingForMissingValues) {
  const Value element = {{"frame", "not a dictionary"}};
  EXPECT_EQ(padReadOut(PadAddress{"x", "frame"}, element), "X: Y: W: H:");
  EXPECT_EQ(padReadOut(PadAddress{"y", "textShadow"}, element), "Y: ");
  EXPECT_EQ(padReadOut(PadAddress{"cornerRadius", "cornerRadius"}, Value()), "C: ");
}

}  // namespace
}  // namespace vantile
