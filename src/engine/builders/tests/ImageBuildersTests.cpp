#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "engine/ElementTemplateFactory.h"
#include "engine/builders/ElementFactory.h"
#include "engine/images/ImagePipeline.h"
#include "engine/images/WebPictureLoads.h"
#include "platform/foundation/queues/MainQueue.h"
#include "platform/graphics/PNGCodec.h"
#include "platform/graphics/SymbolCatalogue.h"
#include "platform/ui/text/Label.h"
#include "platform/ui/views/ImageView.h"
#include "platform/ui/views/Screen.h"
#include "testing/LoopbackServer.h"
#include "testing/MainQueueWaiting.h"
#include "testing/TemporaryDeviceRoot.h"

namespace vantile {
namespace {

namespace graphics = platform::graphics;
namespace ui = platform::ui;
using graphics::Color;
using graphics::Image;
using graphics::PixelRGBA;
using graphics::Rect;
using platform::Value;

constexpr Rect kScreen{0, 0, 375, 812};
constexpr const char* kAssets = "/var/mobile/Library/VantileAssets/";
constexpr const char* kWiFiSet = "/var/mobile/Library/VantileAssets/wifiImages/fan";
// Pictures are told apart by their width.
constexpr int kHelloWidth = 7;
constexpr int kWiFiWidthBase = 10;

constexpr PixelRGBA kWhite{255, 255, 255, 255};
constexpr PixelRGBA kRed{255, 0, 0, 255};
constexpr PixelRGBA kTransparent{0, 0, 0, 0};

Image solid(int width, PixelRGBA colour) {
  std::vector<std::uint8_t> rgba;
  for (int pixel = 0; pixel < width; ++pixel) rgba.insert(rgba.end(), {colour.red, colour.green, colour.blue, colour.alpha});
  return *Image::fromRGBA(width, 1, rgba);
}

// White on the left half, transparent on the right: light artwork on a clear ground.
Image whiteArtwork() {
  std::vector<std::uint8_t> rgba;
  for (int x = 0; x < 4; ++x) {
    const std::uint8_t shade = x < 2 ? 255 : 0;
    rgba.insert(rgba.end(), {shade, shade, shade, shade});
  }
  return *Image::fromRGBA(4, 1, rgba);
}

std::string png(const Image& image) { return *graphics::encodePNG(image); }

bool samePixels(const Image& left, const Image& right) {
  return left.width() == right.width() && left.height() == right.height() &&
         std::ranges::equal(left.pixels(), right.pixels());
}

Image symbol(const char* name, graphics::SymbolWeight weight) {
  return *graphics::systemSymbol(name, {.pointSize = 20, .weight = weight, .scale = graphics::SymbolScale::large},
                                 ui::Screen::mainScreen().scale());
}

class ImageViewBuilderTest : public ::testing::Test {
 protected:
  void SetUp() override {
    root.writeFile(std::string(kAssets) + "hello.png", png(solid(kHelloWidth, kWhite)));
    root.writeFile(std::string(kAssets) + "white.png", png(whiteArtwork()));
    for (int count = 0; count <= 3; ++count) {
      root.writeFile(std::string(kWiFiSet) + "/" + std::to_string(count) + ".png",
                     png(solid(kWiFiWidthBase + count, kWhite)));
    }
  }
  // A web address that cannot be fetched logs its reason.
  void TearDown() override { platform::foundation::MainQueue::shared().clear(); }

  static std::shared_ptr<ui::ImageView> build(const Value& options) {
    return std::dynamic_pointer_cast<ui::ImageView>(ElementFactory::createUIImageViewForView(options, 7, kScreen));
  }

  testing::TemporaryDeviceRoot root;
};

TEST_F(ImageViewBuilderTest, SetsFrameTagInteractionContentModeAndCornerRadius) {
  const struct {
    const char* name;
    Value options;
    ui::ContentMode mode;
    double cornerRadius;
    bool clips;
  } cases[] = {
      {"the template", ElementTemplateFactory::sharedInstance().UIImageView(), ui::ContentMode::scaleAspectFit, 0, true},
      {"scale to fill", {{"contentMode", "scaleToFill"}}, ui::ContentMode::scaleToFill, 0, false},
      {"centre", {{"contentMode", "center"}}, ui::ContentMode::center, 0, false},
      {"an unknown mode keeps the default", {{"contentMode", "scaleAspectFill"}}, ui::ContentMode::scaleToFill, 0, false},
      {"a fraction of a corner radius is kept", {{"cornerRadius", "4.5"}}, ui::ContentMode::scaleToFill, 4.5, true},
      {"a corner radius that is no number", {{"cornerRadius", {{"a", 1}}}}, ui::ContentMode::scaleToFill, 0, true},
  };
  for (const auto& test : cases) {
    SCOPED_TRACE(test.name);
    const auto view = build(test.options);
    ASSERT_TRUE(view);
    EXPECT_EQ(view->contentMode(), test.mode);
    EXPECT_EQ(view->layer()->cornerRadius(), test.cornerRadius);
    EXPECT_EQ(view->clipsToBounds(), test.clips);
    EXPECT_EQ(view->tag(), 7);
    EXPECT_TRUE(view->isUserInteractionEnabled());
  }
  EXPECT_EQ(build(ElementTemplateFactory::sharedInstance().UIImageView())->frame(), (Rect{100, 100, 100, 100}));
}

TEST_F(ImageViewBuilderTest, PicksTheSymbolTheLivePictureSetOrTheNamedPicture) {
  const struct {
    const char* name;
    Value options;
    std::optional<int> expectedWidth;
  } cases[] = {
      {"an asset name", {{"imageURL", "hello.png"}}, kHelloWidth},
      {"\"null\" is no symbol", {{"SFSymbolName", "null"}, {"imageURL", "hello.png"}}, kHelloWidth},
      {"\"none\" is no symbol", {{"SFSymbolName", "none"}, {"imageURL", "hello.png"}}, kHelloWidth},
      {"a Wi-Fi set shows its picture for two bars",
       {{"imageURL", "hello.png"}, {"imageFolder", std::string(kWiFiSet)}},
       kWiFiWidthBase + 2},
      {"a set folder needs an imageURL", {{"imageURL", ""}, {"imageFolder", std::string(kWiFiSet)}}, std::nullopt},
      {"a name holding \"http\" is read as an address", {{"imageURL", "httpfoo.png"}}, std::nullopt},
      {"a missing file", {{"imageURL", "missing.png"}}, std::nullopt},
      {"no imageURL", Value::object(), std::nullopt},
  };
  for (const auto& test : cases) {
    SCOPED_TRACE(test.name);
    const auto view = build(test.options);
    EXPECT_EQ(view->image() ? std::optional<int>(view->image()->width()) : std::nullopt, test.expectedWidth);
    EXPECT_EQ(view->renderingMode(), ui::ImageRenderingMode::original);
  }
}

TEST_F(ImageViewBuilderTest, ASymbolWinsOverThePictureAndTakesItsWeightAndTint) {
  const struct {
    const char* weightWord;
    graphics::SymbolWeight weight;
  } cases[] = {
      {"bold", graphics::SymbolWeight::bold},
      {"thin", graphics::SymbolWeight::thin},
      {"ultralight", graphics::SymbolWeight::regular},
      {"Bold", graphics::SymbolWeight::regular},
      {nullptr, graphics::SymbolWeight::regular},
  };
  for (const auto& test : cases) {
    SCOPED_TRACE(test.weightWord ? test.weightWord : "no weight");
    Value options{{"SFSymbolName", "star.fill"}, {"imageURL", "hello.png"}, {"SFColor", "rgba(255,0,0,1)"}};
    if (test.weightWord) options["SFWeight"] = test.weightWord;
    const auto view = build(options);
    ASSERT_TRUE(view->image());
    EXPECT_TRUE(samePixels(*view->image(), symbol("star.fill", test.weight)));
    EXPECT_EQ(view->renderingMode(), ui::ImageRenderingMode::alwaysTemplate);
    EXPECT_EQ(view->tintColor(), (Color{1, 0, 0, 1}));
  }
  EXPECT_FALSE(samePixels(symbol("star.fill", graphics::SymbolWeight::bold),
                          symbol("star.fill", graphics::SymbolWeight::thin)))
      << "the weights must be told apart for the cases above to mean anything";
}

TEST_F(ImageViewBuilderTest, AnUnknownSymbolGivesNoImageButKeepsTheTint) {
  const auto view = build({{"SFSymbolName", "no.such.symbol"}, {"imageURL", "hello.png"}, {"SFColor", "rgba(0,0,255,1)"}});
  EXPECT_FALSE(view->image());
  EXPECT_EQ(view->tintColor(), (Color{0, 0, 1, 1}));
}

TEST_F(ImageViewBuilderTest, ImageColourInvertsLightArtworkUnlessItIsDeclaredBlackThenTints) {
  const struct {
    const char* name;
    Value options;
    PixelRGBA artwork;
  } cases[] = {
      {"light artwork", {{"imageColor", "rgba(255,0,0,1)"}, {"imageIsBlack", "NO"}}, kRed},
      {"declared black", {{"imageColor", "rgba(255,0,0,1)"}, {"imageIsBlack", "YES"}}, kTransparent},
      {"no colour", {{"imageColor", "none"}}, kWhite},
      {"null colour", {{"imageColor", "(null)"}}, kWhite},
      {"malformed colour", {{"imageColor", "rgba(255,0,0)"}}, kWhite},
  };
  for (const auto& test : cases) {
    SCOPED_TRACE(test.name);
    Value options = test.options;
    options["imageURL"] = "white.png";
    const auto view = build(options);
    ASSERT_TRUE(view->image());
    EXPECT_EQ(view->image()->pixelAt(0, 0), test.artwork);
    EXPECT_EQ(view->image()->pixelAt(3, 0), kTransparent);
  }
}

TEST_F(ImageViewBuilderTest, ReadsAWebPictureWithinTheSizeBound) {
  const auto delivered = [](std::string url) {
    return [url = std::move(url)] { return !WebPictureLoads::shared().isLoading(url); };
  };
  testing::LoopbackHTTPServer server(testing::LoopbackHTTPServer::response(200, png(solid(3, kRed))));
  const auto view = build({{"imageURL", server.url("/picture.png")}});
  ASSERT_TRUE(testing::runMainQueueUntil(delivered(server.url("/picture.png"))));
  ASSERT_TRUE(view->image());
  EXPECT_EQ(view->image()->width(), 3);

  testing::LoopbackHTTPServer oversized(
      testing::LoopbackHTTPServer::response(200, std::string(WebPictureLoads::kMaxBytes + 1, 'x'), false));
  const auto refused = build({{"imageURL", oversized.url("/huge.png")}});
  ASSERT_TRUE(testing::runMainQueueUntil(delivered(oversized.url("/huge.png"))));
  EXPECT_FALSE(refused->image());
}

TEST_F(ImageViewBuilderTest, MasksWithAReadableAssetImageOverItsBounds) {
  const auto masked = build({{"frame", {{"width", "80"}, {"height", "40"}}}, {"maskURL", "hello.png"}});
  ASSERT_TRUE(masked->layer()->mask());
  EXPECT_EQ(masked->layer()->mask()->frame(), (Rect{0, 0, 80, 40}));
  EXPECT_TRUE(masked->clipsToBounds());
  for (const char* name : {"none", "", "missing.png"}) {
    EXPECT_FALSE(build({{"maskURL", name}})->layer()->mask()) << name;
  }
}

// --- WeatherIcon ---

TEST(WeatherIconBuilder, MakesAnEmptyAspectFitImageViewThatIgnoresTouches) {
  const auto view = std::dynamic_pointer_cast<ui::ImageView>(
      ElementFactory::createWeatherIconForView(ElementTemplateFactory::sharedInstance().WeatherIcon(), 9, kScreen));
  ASSERT_TRUE(view);
  EXPECT_EQ(view->frame(), (Rect{137, 100, 100, 100}));
  EXPECT_EQ(view->contentMode(), ui::ContentMode::scaleAspectFit);
  EXPECT_FALSE(view->isUserInteractionEnabled());
  EXPECT_FALSE(view->image());
  EXPECT_EQ(view->tag(), 9);
}

// --- AppIcon ---

std::shared_ptr<ui::View> partNamed(const ui::View& icon, const char* layerName) {
  for (const auto& part : icon.subviews()) {
    if (part->layer()->name() == layerName) return part;
  }
  return nullptr;
}

TEST(AppIconBuilder, PlacesIconNameAndBadgeByTheElementSize) {
  const struct {
    const char* width;
    const char* height;
    Rect icon;
    Rect name;
    Rect badge;
  } cases[] = {
      {"60", "60", {0, 0, 60, 60}, {0, 60, 60, 20}, {50, -5, 20, 20}},
      {"50", "70", {0, 0, 50, 50}, {0, 70, 50, 20}, {40, -5, 20, 20}},
      {"0", "0", {0, 0, 0, 0}, {0, 0, 0, 20}, {-10, -5, 20, 20}},
  };
  for (const auto& test : cases) {
    SCOPED_TRACE(std::string(test.width) + " x " + test.height);
    const auto icon = ElementFactory::createAppIconForView(
        {{"frame", {{"x", "10"}, {"y", "20"}, {"width", test.width}, {"height", test.height}}}}, 4, kScreen);
    EXPECT_EQ(icon->frame().origin, (graphics::Point{10, 20}));
    ASSERT_EQ(icon->subviews().size(), 3u);
    const auto image = std::dynamic_pointer_cast<ui::ImageView>(icon->subviews()[0]);
    const auto name = std::dynamic_pointer_cast<ui::Label>(icon->subviews()[1]);
    const auto badge = std::dynamic_pointer_cast<ui::Label>(icon->subviews()[2]);
    ASSERT_TRUE(image && name && badge) << "icon, name and badge, in that order";
    EXPECT_EQ(image->layer()->name(), "AppIconImageView");
    EXPECT_EQ(name->layer()->name(), "AppIconAppLabel");
    EXPECT_EQ(badge->layer()->name(), "AppIconAppBadge");
    EXPECT_EQ(image->frame(), test.icon);
    EXPECT_EQ(name->frame(), test.name);
    EXPECT_EQ(badge->frame(), test.badge);
    EXPECT_EQ(image->contentMode(), ui::ContentMode::scaleAspectFit);
    EXPECT_FALSE(image->image()) << "the host sets the app's picture";
    EXPECT_EQ(name->text(), "Label");
    EXPECT_EQ(badge->text(), "0");
    EXPECT_EQ(icon->tag(), 4);
    EXPECT_TRUE(icon->isUserInteractionEnabled());
    EXPECT_TRUE(icon->gestureRecognizers().empty()) << "the orchestrator wires the touches";
  }
}

TEST(AppIconBuilder, ColoursNameAndBadgeFromTheElement) {
  const auto icon = ElementFactory::createAppIconForView(ElementTemplateFactory::sharedInstance().AppIcon(), 1, kScreen);
  const auto name = std::dynamic_pointer_cast<ui::Label>(partNamed(*icon, "AppIconAppLabel"));
  const auto badge = std::dynamic_pointer_cast<ui::Label>(partNamed(*icon, "AppIconAppBadge"));
  ASSERT_TRUE(name && badge);
  EXPECT_EQ(name->textColor(), (Color{1, 1, 1, 1}));
  EXPECT_EQ(badge->textColor(), (Color{1, 1, 1, 1}));
  EXPECT_EQ(badge->backgroundColor(), (Color{1, 0, 0, 1}));

  const auto plain = ElementFactory::createAppIconForView({{"badgeBGColor", "red"}}, 1, kScreen);
  EXPECT_FALSE(partNamed(*plain, "AppIconAppBadge")->backgroundColor()) << "a malformed colour gives none";
}

TEST(AppIconBuilder, FadesOnlyItsPartsAndScalesAboutItsCentre) {
  const struct {
    const char* name;
    Value options;
    double partsAlpha;
  } cases[] = {
      {"alpha 1", {{"alpha", "1"}}, 1},
      {"alpha 0.5", {{"alpha", "0.5"}}, 0.5},
      {"alpha 0", {{"alpha", "0"}}, 0},
      {"no alpha", Value::object(), 1},
  };
  for (const auto& test : cases) {
    SCOPED_TRACE(test.name);
    const auto icon = ElementFactory::createAppIconForView(test.options, 1, kScreen);
    EXPECT_EQ(icon->alpha(), 1);
    for (const auto& part : icon->subviews()) EXPECT_EQ(part->alpha(), test.partsAlpha);
  }

  Value scaled = ElementTemplateFactory::sharedInstance().AppIcon();
  scaled["scale"] = "1.5";
  const auto icon = ElementFactory::createAppIconForView(scaled, 1, kScreen);
  EXPECT_EQ(icon->transform(), graphics::AffineTransform::identity().scaledBy(1.5, 1.5));
  EXPECT_EQ(icon->bounds().size, (graphics::Size{60, 60}));
  EXPECT_TRUE(ElementFactory::createAppIconForView({{"scale", "0"}}, 1, kScreen)->transform().isIdentity());
}

}  // namespace
}  // namespace vantile
