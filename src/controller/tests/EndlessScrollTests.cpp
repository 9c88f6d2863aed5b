#include <gtest/gtest.h>

#include "engine/builders/EndlessScrollMarkers.h"
#include "platform/ui/layers/Layer.h"
#include "platform/ui/views/ScrollView.h"

namespace vantile::endless {
namespace {

using platform::graphics::Point;

struct WrapCase {
  const char* name;
  const char* axes;
  Point offset;
  Point expected;
};

class EndlessScrollWrap : public ::testing::TestWithParam<WrapCase> {};

TEST_P(EndlessScrollWrap, MovesByOneCopyOnlyWithinAPointOfEitherEnd) {
  const WrapCase& c = GetParam();
  const Markers markers{c.axes, 300, 200};
  const Point wrapped = wrappedOffset(markers, c.offset);
  EXPECT_DOUBLE_EQ(wrapped.x, c.expected.x);
  EXPECT_DOUBLE_EQ(wrapped.y, c.expected.y);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, EndlessScrollWrap,
    ::testing::Values(WrapCase{"HorizontalAtOneJumpsForward", "horizontal", {1, 0}, {301, 0}},
                      WrapCase{"HorizontalAtTwoCopiesLessOneJumpsBack", "horizontal", {599, 0}, {299, 0}},
                      WrapCase{"HorizontalJustInsideStays", "horizontal", {598, 0}, {598, 0}},
                      WrapCase{"HorizontalIgnoresTheVerticalAxis", "horizontal", {300, 0}, {300, 0}},
                      WrapCase{"VerticalAtZeroJumpsForward", "vertical", {0, 0}, {0, 200}},
                      WrapCase{"VerticalAtTheEndJumpsBack", "vertical", {0, 399}, {0, 199}},
                      WrapCase{"BothWrapsEachAxisAtOnce", "both", {0.5, 450}, {300.5, 250}},
                      WrapCase{"AnUnknownDirectionNeverWraps", "diagonal", {0, 0}, {0, 0}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(EndlessScrollMarkersReading, RefusesMissingNoneAndNonPositiveMarkers) {
  auto layer = platform::ui::Layer::make();
  EXPECT_FALSE(markersOf(*layer));

  layer->setName("none");
  layer->setValue("originalWidth", 300);
  layer->setValue("originalHeight", 100);
  EXPECT_FALSE(markersOf(*layer)) << "a layer named none never wraps";

  layer->setName("horizontal");
  ASSERT_TRUE(markersOf(*layer));
  EXPECT_DOUBLE_EQ(markersOf(*layer)->originalWidth, 300);

  layer->setValue("originalHeight", 0);
  EXPECT_FALSE(markersOf(*layer)) << "a zero marker never wraps";
  layer->setValue("originalHeight", -5);
  EXPECT_FALSE(markersOf(*layer));
}

TEST(EndlessScrollTripling, TriplesAlongTheAxesAndShowsTheMiddleCopy) {
  struct Case {
    const char* axes;
    platform::graphics::Size size;
    Point offset;
  };
  for (const Case& c : {Case{"horizontal", {900, 100}, {300, 0}}, Case{"vertical", {300, 300}, {0, 100}},
                        Case{"both", {900, 300}, {300, 100}}, Case{"sideways", {300, 100}, {0, 0}}}) {
    SCOPED_TRACE(c.axes);
    auto scrollView = platform::ui::ScrollView::make({0, 0, 100, 100});
    scrollView->setContentSize({300, 100});
    tripleContent(*scrollView, c.axes, {300, 100});
    EXPECT_EQ(scrollView->contentSize(), c.size);
    EXPECT_EQ(scrollView->contentOffset(), c.offset);
    EXPECT_EQ(scrollView->layer()->name(), c.axes);
  }
}

}  // namespace
}  // namespace vantile::endless
