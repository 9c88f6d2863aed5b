#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <numbers>
#include <sstream>

#include "engine/ElementTemplateFactory.h"
#include "engine/builders/ElementFactory.h"
#include "engine/helpers/VantileHelpers.h"
#include "engine/views/BlurIntensity.h"
#include "platform/foundation/files/DeviceRoot.h"
#include "platform/foundation/files/Files.h"
#include "platform/foundation/queues/MainQueue.h"
#include "platform/graphics/ImageCodec.h"
#include "platform/ui/text/Label.h"
#include "platform/ui/views/BlurView.h"
#include "platform/ui/views/ScrollView.h"
#include "testing/TemporaryDeviceRoot.h"

namespace vantile {
namespace {

using platform::Value;
using platform::graphics::Color;
using platform::graphics::Rect;
using platform::ui::BlurStyle;
using platform::ui::BlurView;
using platform::ui::Label;
using platform::ui::ScrollView;

constexpr Rect kScreen{0, 0, 375, 812};

Value parse(const char* json) { return Value::parse(json); }

std::shared_ptr<platform::ui::View> buildView(const Value& description) {
  return ElementFactory::createUIViewForView(description, 7, kScreen);
}

std::shared_ptr<BlurView> blurOf(const platform::ui::View& view) {
  for (const auto& subview : view.subviews()) {
    if (auto blur = std::dynamic_pointer_cast<BlurView>(subview)) return blur;
  }
  return nullptr;
}

// A small PNG, as an asset image.
std::string pngBytes() {
  const std::vector<std::uint8_t> rgba(8 * 8 * 4, 200);
  return *platform::graphics::encodePNG(*platform::graphics::Image::fromRGBA(8, 8, rgba));
}

std::shared_ptr<Label> buildLabel(const Value& description) {
  return std::dynamic_pointer_cast<Label>(ElementFactory::createUILabelForView(description, 7, kScreen));
}

// --- UIView ---

TEST(UIViewBuilder, AVisibleBlurSuppressesTheBackgroundColour) {
  struct Case {
    const char* description;
    bool showsBackground;
    double blurAlpha;
  };
  const Case cases[] = {
      {R"json({"backgroundColor": "rgba(255,0,0,1)", "blurAlpha": "0.5"})json", false, 0.5},
      {R"json({"backgroundColor": "rgba(255,0,0,1)", "blurAlpha": "0"})json", true, 0},
      {R"json({"backgroundColor": "rgba(255,0,0,1)"})json", true, 0},
      {R"json({"backgroundColor": "rgba(255,0,0,1)", "blurAlpha": "-1"})json", true, 0},
  };
  for (const Case& c : cases) {
    const auto view = buildView(parse(c.description));
    EXPECT_EQ(view->backgroundColor().has_value(), c.showsBackground) << c.description;
    const auto blur = blurOf(*view);
    ASSERT_TRUE(blur) << c.description << ": every UIView element carries a blur view";
    EXPECT_EQ(blur->alpha(), c.blurAlpha) << c.description;
    EXPECT_EQ(blur->frame(), view->bounds()) << c.description;
  }
}

TEST(UIViewBuilder, ChoosesTheBlurStyleAndIntensityFromTheElement) {
  const std::pair<const char*, BlurStyle> cases[] = {
      {R"json({"blurColor": "light"})json", BlurStyle::light},
      {R"json({"blurColor": "dark"})json", BlurStyle::dark},
      {R"json({"blurColor": "light2"})json", BlurStyle::ultraThinMaterialLight},
      {R"json({"blurColor": "dark2"})json", BlurStyle::ultraThinMaterialDark},
      {R"json({"blurColor": "Light"})json", BlurStyle::dark},
      {R"json({})json", BlurStyle::dark},
  };
  for (const auto& [description, style] : cases) {
    EXPECT_EQ(blurOf(*buildView(parse(description)))->effect().style, style) << description;
  }
  EXPECT_EQ(intensity(*blurOf(*buildView(parse(R"json({"blurIntensity": "10"})json")))), 10);
  EXPECT_EQ(intensity(*blurOf(*buildView(parse(R"json({})json")))), BlurView::kDefaultBlurRadius)
      << "without the key the style's own radius stays";
}

TEST(UIViewBuilder, RoundsOnlyFromAWholeCornerRadiusOfOneOrMore) {
  const std::tuple<const char*, double, bool> cases[] = {
      {"0.9", 0, false}, {"1", 1, true}, {"5.8", 5, true}, {"-4", 0, false}, {"abc", 0, false},
  };
  for (const auto& [radius, expected, clips] : cases) {
    Value description{{"cornerRadius", radius}};
    const auto view = buildView(description);
    EXPECT_EQ(view->layer()->cornerRadius(), expected) << radius;
    EXPECT_EQ(view->clipsToBounds(), clips) << radius;
  }
}

TEST(UIViewBuilder, RecognisesOnlyTheThreeTransparentBoxShadowForms) {
  const std::pair<const char*, bool> cases[] = {
      {"rgba(0,0,0,0)", false},
      {"rgba(0, 0, 0, 0.0)", false},
      {"rgba(0, 0, 0, 0.00)", false},
      {"rgba(0,0,0,0.00)", true},  // set, though it shows nothing
      {"rgba(0,0,0,0.5)", true},
  };
  for (const auto& [color, shadowed] : cases) {
    Value description{{"cornerRadius", "5"}, {"boxShadow", {{"color", color}, {"radius", "4"}, {"x", "1"}, {"y", "2"}}}};
    const auto view = buildView(description);
    const auto& layer = *view->layer();
    EXPECT_EQ(layer.shadowOpacity(), shadowed ? 1 : 0) << color;
    EXPECT_EQ(layer.masksToBounds(), !shadowed) << color << ": a shadow turns the corner clipping off";
    if (shadowed) {
      EXPECT_EQ(layer.shadowRadius(), 4) << color;
      EXPECT_EQ(layer.shadowOffset(), (platform::graphics::Size{1, 2})) << color;
    }
  }
}

TEST(UIViewBuilder, SwitchesUserInteractionOffOnlyForNo) {
  for (const auto& [value, enabled] : {std::pair{"NO", false}, {"YES", true}, {"no", true}, {"0", true}}) {
    EXPECT_EQ(buildView(Value{{"userInteraction", value}})->isUserInteractionEnabled(), enabled) << value;
  }
  EXPECT_TRUE(buildView(Value::object())->isUserInteractionEnabled());
}

TEST(UIViewBuilder, ScalesAndRotatesFromTheIdentityWithoutMovingTheCentre) {
  const auto view = buildView(parse(R"json({"frame": {"x": "10", "y": "20", "width": "100", "height": "50"},
                                        "rotate": "90", "scale": "2", "alpha": "0.4",
                                        "borderWidth": "2", "borderColor": "rgba(0,0,255,1)"})json"));
  const auto expected = platform::graphics::AffineTransform::identity().rotatedBy(std::numbers::pi / 2).scaledBy(2, 2);
  EXPECT_EQ(view->transform(), expected);
  EXPECT_EQ(view->bounds().size, (platform::graphics::Size{100, 50}));
  EXPECT_EQ(view->center(), (platform::graphics::Point{60, 45}));
  EXPECT_DOUBLE_EQ(view->alpha(), 0.4);
  EXPECT_EQ(view->layer()->borderWidth(), 2);
  EXPECT_EQ(view->layer()->borderColor(), (Color{0, 0, 1, 1}));
}

TEST(UIViewBuilder, MasksWithAReadableAssetImageOnly) {
  testing::TemporaryDeviceRoot root;
  root.writeFile("/var/mobile/Library/VantileAssets/mask.png", pngBytes());

  const auto masked = buildView(parse(R"json({"frame": {"width": "80", "height": "40"}, "maskURL": "mask.png"})json"));
  ASSERT_TRUE(masked->layer()->mask());
  EXPECT_EQ(masked->layer()->mask()->frame(), (Rect{0, 0, 80, 40}));
  EXPECT_TRUE(masked->clipsToBounds());
  EXPECT_FALSE(buildView(parse(R"json({"maskURL": "missing.png"})json"))->layer()->mask());
  EXPECT_FALSE(buildView(parse(R"json({"maskURL": "none"})json"))->layer()->mask());
}

// --- UILabel ---

TEST(UILabelBuilder, TakesAWholeFontSizeOrElseOneFromItsHeight) {
  const double fromHeight = std::trunc(VantileHelpers::fontSizeFromHeight(40));
  const std::pair<Value, double> cases[] = {
      {Value("30"), 30}, {Value("big"), fromHeight}, {Value("12.5"), fromHeight},
      {Value(), fromHeight}, {Value(""), 0},         {Value("-3"), fromHeight},
  };
  for (const auto& [size, expected] : cases) {
    Value description{{"frame", {{"width", "150"}, {"height", "40"}}}};
    if (!size.is_null()) description["fontSize"] = size;
    EXPECT_EQ(buildLabel(description)->font().pointSize, expected) << size.dump();
  }
}

TEST(UILabelBuilder, FallsBackToTheSystemFontWhenNoFontOfTheNameExists) {
  testing::TemporaryDeviceRoot root;
  std::ifstream bold("/usr/share/fonts/opentype/inter/Inter-Bold.otf", std::ios::binary);
  std::ostringstream bytes;
  bytes << bold.rdbuf();
  root.writeFile("/var/mobile/Library/VantileAssets/Custom.otf", bytes.str());

  const std::pair<const char*, std::string> cases[] = {
      {R"json({"fontName": "CF", "customFontName": "Missing.ttf", "fontSize": "20"})json", ""},
      {R"json({"fontName": "CF", "fontSize": "20"})json", ""},
      {R"json({"fontName": "Helvetica", "fontSize": "20"})json", ""},
      {R"json({"fontName": "CF", "customFontName": "Custom.otf", "fontSize": "20"})json", "Inter-Bold"},
      {R"json({"fontName": "Custom.otf", "fontSize": "20"})json", "Inter-Bold"},
      {R"json({"fontName": "Inter-Bold", "fontSize": "20"})json", "Inter-Bold"},
  };
  for (const auto& [description, name] : cases) {
    const auto font = buildLabel(parse(description))->font();
    EXPECT_EQ(font.name, name) << description;
    EXPECT_EQ(font.pointSize, 20) << description;
  }
}

TEST(UILabelBuilder, SetsLabelAndLayerPropertiesThroughThePropertyPass) {
  const auto label = buildLabel(ElementTemplateFactory::sharedInstance().validateAndCompleteElement(
      parse(R"json({"type": "UILabel", "textColor": "rgba(255,0,0,1)", "numberOfLines": "0", "alpha": "0.5",
                "text": "123", "cornerRadius": "6", "name": "clock"})json")));
  EXPECT_EQ(label->textColor(), (Color{1, 0, 0, 1}));
  EXPECT_EQ(label->numberOfLines(), 0) << "unlimited";
  EXPECT_EQ(label->alpha(), 0.5);
  EXPECT_EQ(label->text(), "123") << "a digits-only value reaches a text property as its number";
  EXPECT_EQ(label->layer()->cornerRadius(), 6);
  EXPECT_EQ(label->layer()->name(), "clock");
  EXPECT_EQ(label->backgroundColor(), (Color{1, 1, 1, 0})) << "the template's backgroundColor";
  EXPECT_EQ(label->textAlignment(), platform::ui::TextAlignment::center);
  EXPECT_EQ(label->tag(), 7);
  EXPECT_FALSE(label->clipsToBounds()) << "the template's text shadow turns the clipping off again";
}

TEST(UILabelBuilder, LogsAValueAPropertyRefusesAndGoesOnWithTheNextKey) {
  platform::foundation::MainQueue::shared().runPending();
  testing::TemporaryDeviceRoot root;
  const auto label = buildLabel(parse(R"json({"numberOfLines": "rgba(0,0,255,1)", "borderColor": "red",
                                          "textColor": "rgba(0,255,0,1)", "shadowRadius": "rgba(1,1,1,1)"})json"));
  EXPECT_EQ(label->numberOfLines(), 1) << "left as it was";
  EXPECT_EQ(label->textColor(), (Color{0, 1, 0, 1})) << "the pass went on";

  platform::foundation::MainQueue::shared().runPending();
  const auto log = platform::foundation::readFile(platform::foundation::devicePath("/var/mobile/Media/Downloads/vantile.log"));
  ASSERT_TRUE(log);
  EXPECT_EQ(*log,
            "\nLog:Setting Label numberOfLines : a colour is not a valid value for the key \"numberOfLines\""
            "\nLog:Setting Label borderColor : a string is not a valid value for the key \"borderColor\""
            "\nLog:Setting Label shadowRadius : a colour is not a valid value for the key \"shadowRadius\"");
}

TEST(UILabelBuilder, PaintsTheTextWithTheGradientImageOrClearsItWhenUnreadable) {
  testing::TemporaryDeviceRoot root;
  root.writeFile("/var/mobile/Library/VantileAssets/gradient.png", pngBytes());

  EXPECT_TRUE(buildLabel(parse(R"json({"gradientImage": "gradient.png", "textColor": "rgba(255,0,0,1)"})json"))->textPattern());
  const auto unreadable = buildLabel(parse(R"json({"gradientImage": "nothing.png", "textColor": "rgba(255,0,0,1)"})json"));
  EXPECT_FALSE(unreadable->textPattern());
  EXPECT_EQ(unreadable->textColor().alpha, 0);
  EXPECT_EQ(buildLabel(parse(R"json({"gradientImage": "none", "textColor": "rgba(255,0,0,1)"})json"))->textColor(),
            (Color{1, 0, 0, 1}));
}

// --- ScrollView ---

std::shared_ptr<ScrollView> buildScrollView(const Value& description) {
  return std::dynamic_pointer_cast<ScrollView>(ElementFactory::createScrollViewForView(description, 7, kScreen));
}

TEST(ScrollViewBuilder, EvaluatesContentSizeExpressionsAgainstTheParent) {
  const auto scrollView = buildScrollView(parse(R"json({"frame": {"width": "200", "height": "100"},
      "contentSize": {"width": "math(screen_width*2)", "height": "screen_height"},
      "initialOffset": {"x": 10, "y": "math(screen_height/4)"}})json"));
  EXPECT_EQ(scrollView->contentSize(), (platform::graphics::Size{750, 812}));
  EXPECT_EQ(scrollView->contentOffset(), (platform::graphics::Point{10, 203}));
  EXPECT_FALSE(scrollView->showsHorizontalScrollIndicator());
  EXPECT_FALSE(scrollView->showsVerticalScrollIndicator());
  EXPECT_FALSE(scrollView->layer()->name()) << "not endless";
}

TEST(ScrollViewBuilder, FallsBackToContentWidthAndHeightOrItsOwnSize) {
  const std::pair<const char*, platform::graphics::Size> cases[] = {
      {R"json({"contentWidth": "500", "contentHeight": "300"})json", {500, 300}},
      {R"json({"contentWidth": "500"})json", {200, 100}},
      {R"json({})json", {200, 100}},
      {R"json({"contentSize": {"width": 300, "height": 400}})json", {300, 400}},
  };
  for (const auto& [keys, size] : cases) {
    Value description = parse(keys);
    description["frame"] = {{"width", "200"}, {"height", "100"}};
    EXPECT_EQ(buildScrollView(description)->contentSize(), size) << keys;
  }
}

TEST(ScrollViewBuilder, TriplesAnEndlessScrollViewAndMarksItsOriginalSize) {
  struct Case {
    const char* axes;
    platform::graphics::Size size;
    platform::graphics::Point offset;
  };
  const Case cases[] = {
      {"horizontal", {2250, 812}, {750, 0}},
      {"vertical", {750, 2436}, {0, 812}},
      {"both", {2250, 2436}, {750, 812}},
      {"sideways", {750, 812}, {5, 6}},
  };
  for (const Case& c : cases) {
    Value description = parse(R"json({"contentSize": {"width": "math(screen_width*2)", "height": "screen_height"},
                                  "initialOffset": {"x": "5", "y": "6"}})json");
    description["infiniteScroll"] = c.axes;
    const auto scrollView = buildScrollView(description);
    EXPECT_EQ(scrollView->contentSize(), c.size) << c.axes;
    EXPECT_EQ(scrollView->contentOffset(), c.offset) << c.axes;
    EXPECT_EQ(scrollView->layer()->name(), c.axes);
    EXPECT_EQ(scrollView->layer()->value("originalWidth"), Value(750.0)) << c.axes;
    EXPECT_EQ(scrollView->layer()->value("originalHeight"), Value(812.0)) << c.axes;
  }
}

}  // namespace
}  // namespace vantile
