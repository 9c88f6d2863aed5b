#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "engine/images/DeviceReadings.h"
#include "engine/images/ImageColouring.h"
#include "engine/images/ImagePipeline.h"
#include "platform/graphics/ImageFilters.h"
#include "platform/graphics/PNGCodec.h"
#include "platform/graphics/SymbolCatalogue.h"
#include "platform/objc/Runtime.h"
#include "platform/ui/views/ImageView.h"
#include "platform/ui/render/Renderer.h"
#include "testing/LoopbackServer.h"
#include "testing/ReferenceImage.h"
#include "testing/TemporaryDeviceRoot.h"

namespace vantile {
namespace {

namespace graphics = platform::graphics;
namespace objc = platform::objc;
namespace ui = platform::ui;
using graphics::Color;
using graphics::Image;
using graphics::PixelRGBA;
using platform::Value;

constexpr const char* kAssets = "/var/mobile/Library/VantileAssets/";
constexpr const char* kSignalSet = "/var/mobile/Library/VantileAssets/signalImages/bars";
constexpr const char* kWiFiSet = "/var/mobile/Library/VantileAssets/wifiImages/fan";
constexpr const char* kBothSet = "/var/mobile/Library/VantileAssets/signalImages/wifiImages";
// Pictures are told apart by their width.
constexpr int kHelloWidth = 7;
constexpr int kSignalWidthBase = 1;
constexpr int kWiFiWidthBase = 10;
constexpr int kBothWidthBase = 20;
constexpr int kWeatherWidthBase = 1;

constexpr PixelRGBA kWhite{255, 255, 255, 255};
constexpr PixelRGBA kRed{255, 0, 0, 255};
constexpr PixelRGBA kTransparent{0, 0, 0, 0};

Image solid(int width, int height, PixelRGBA colour) {
  std::vector<std::uint8_t> rgba;
  for (int pixel = 0; pixel < width * height; ++pixel) {
    rgba.insert(rgba.end(), {colour.red, colour.green, colour.blue, colour.alpha});
  }
  return *Image::fromRGBA(width, height, rgba);
}

// White on the left half, transparent on the right: light artwork on a clear ground.
Image whiteArtwork() {
  std::vector<std::uint8_t> rgba;
  for (int y = 0; y < 2; ++y) {
    for (int x = 0; x < 4; ++x) {
      const std::uint8_t shade = x < 2 ? 255 : 0;
      rgba.insert(rgba.end(), {shade, shade, shade, shade});
    }
  }
  return *Image::fromRGBA(4, 2, rgba);
}

std::string png(const Image& image) { return *graphics::encodePNG(image); }

Value sampleCodes(std::initializer_list<std::pair<const char*, const char*>> codes) {
  Value operations = Value::object();
  for (const auto& [name, code] : codes) operations[name] = code;
  return operations;
}

void registerCreatorData(const Value& operations) {
  objc::removeClass("CreatorData");
  objc::Class& creatorData = *objc::registerClass("CreatorData");
  for (const auto& [name, code] : operations.items()) {
    const std::optional<std::string> answer =
        code.is_null() ? std::nullopt : std::optional<std::string>(code.get<std::string>());
    objc::addClassMethod<std::optional<std::string>()>(creatorData, name, [answer](objc::Object&) { return answer; });
  }
}

void registerEditorSampleData() {
  registerCreatorData(sampleCodes({{"conditionCode", "32"},
                                   {"day1icon", "3"},
                                   {"day2icon", "7"},
                                   {"day3icon", "24"},
                                   {"day4icon", "36"},
                                   {"day5icon", "34"}}));
}

std::optional<int> widthOf(const ui::ImageView& view) {
  return view.image() ? std::optional<int>(view.image()->width()) : std::nullopt;
}

class ImagePipelineTest : public ::testing::Test {
 protected:
  void SetUp() override {
    root.writeFile(std::string(kAssets) + "hello.png", png(solid(kHelloWidth, 1, kWhite)));
    root.writeFile(std::string(kAssets) + "white.png", png(whiteArtwork()));
    root.writeFile(std::string(kAssets) + "broken.png", "\x89PNG but not really");
    for (int count = 0; count <= 4; ++count) {
      const std::string name = "/" + std::to_string(count) + ".png";
      root.writeFile(kSignalSet + name, png(solid(kSignalWidthBase + count, 1, kWhite)));
      root.writeFile(kWiFiSet + name, png(solid(kWiFiWidthBase + count, 1, kWhite)));
      root.writeFile(kBothSet + name, png(solid(kBothWidthBase + count, 1, kWhite)));
    }
    for (int code = 0; code <= 49; ++code) {
      root.writeFile(std::string(kAssets) + "weatherIcons/clima/" + std::to_string(code) + ".png",
                     png(solid(kWeatherWidthBase + code, 1, kWhite)));
    }
  }
  void TearDown() override {
    DeviceReadings::shared().setSignalStrengthBarsSource({});
    DeviceReadings::shared().setWiFiStrengthBarsSource({});
    objc::removeClass("CreatorData");
  }

  static void setReadings(std::optional<int> signal, std::optional<int> wifi) {
    DeviceReadings::shared().setSignalStrengthBarsSource([signal] { return signal; });
    DeviceReadings::shared().setWiFiStrengthBarsSource([wifi] { return wifi; });
  }

  static std::shared_ptr<ui::ImageView> prepared(const Value& options) {
    auto view = ui::ImageView::make({0, 0, 20, 20});
    ImagePipeline::setupImageForImageView(*view, options);
    return view;
  }

  testing::TemporaryDeviceRoot root;
};

struct PictureCase {
  const char* name;
  Value options;
  std::optional<int> signalBars;
  std::optional<int> wifiBars;
  std::optional<int> expectedWidth;
};

TEST_F(ImagePipelineTest, FilePicturesComeFromTheAssetsFolderOrTheLivePictureSet) {
  const PictureCase cases[] = {
      {"asset by name", {{"imageURL", "hello.png"}}, {}, {}, kHelloWidth},
      {"missing asset", {{"imageURL", "missing.png"}}, {}, {}, {}},
      {"unreadable asset", {{"imageURL", "broken.png"}}, {}, {}, {}},
      {"no address at all", Value::object(), {}, {}, {}},
      {"a name containing http is read as an address", {{"imageURL", "httpfoo.png"}}, {}, {}, {}},
      {"no set folder", {{"imageURL", "hello.png"}, {"imageFolder", "none"}}, 3, 1, kHelloWidth},
      {"signal set", {{"imageURL", "hello.png"}, {"imageFolder", kSignalSet}}, 3, {}, kSignalWidthBase + 3},
      {"signal set outside SpringBoard", {{"imageURL", "hello.png"}, {"imageFolder", kSignalSet}}, {}, {}, kHelloWidth},
      {"signal set without an address", {{"imageFolder", kSignalSet}}, 2, {}, kSignalWidthBase + 2},
      {"wifi set", {{"imageURL", "hello.png"}, {"imageFolder", kWiFiSet}}, 4, 2, kWiFiWidthBase + 2},
      {"wifi set with no network joined", {{"imageFolder", kWiFiSet}}, {}, 0, kWiFiWidthBase},
      {"a folder naming both sets shows wifi", {{"imageFolder", kBothSet}}, 2, 1, kBothWidthBase + 1},
      {"a bar count the set lacks", {{"imageURL", "hello.png"}, {"imageFolder", kSignalSet}}, 9, {}, {}},
      {"a missing set folder",
       {{"imageURL", "hello.png"}, {"imageFolder", "/var/mobile/Library/VantileAssets/signalImages/gone"}},
       1,
       {},
       {}},
  };
  for (const PictureCase& test : cases) {
    SCOPED_TRACE(test.name);
    setReadings(test.signalBars, test.wifiBars);
    EXPECT_EQ(widthOf(*prepared(test.options)), test.expectedWidth);
  }
}

TEST_F(ImagePipelineTest, PreparingAgainReplacesThePicture) {
  auto view = prepared({{"imageURL", "hello.png"}});
  ASSERT_TRUE(view->image());
  ImagePipeline::setupImageForImageView(*view, {{"imageURL", "missing.png"}});
  EXPECT_FALSE(view->image());
}

TEST_F(ImagePipelineTest, SymbolNamesNoneAndNullMeanNoSymbol) {
  const struct {
    Value name;
    bool symbol;
  } cases[] = {{"heart.fill", true}, {"(null)", true}, {"none", false}, {"null", false}, {"", false}};
  for (const auto& test : cases) {
    SCOPED_TRACE(test.name.dump());
    EXPECT_EQ(ImagePipeline::checkIfSFSymbol(test.name.get<std::string>()), test.symbol);
    const auto view = prepared({{"SFSymbolName", test.name}, {"imageURL", "hello.png"}});
    // A symbol wins over the address even when the catalogue does not know it.
    EXPECT_EQ(widthOf(*view) == kHelloWidth, !test.symbol);
  }
  EXPECT_FALSE(ImagePipeline::checkIfSFSymbol(std::nullopt));
}

TEST_F(ImagePipelineTest, SymbolIsATemplateTintedWithItsColour) {
  const auto view = prepared({{"SFSymbolName", "star.fill"}, {"SFColor", "rgba(255, 0, 0, 1)"}});
  ASSERT_TRUE(view->image());
  EXPECT_EQ(view->renderingMode(), ui::ImageRenderingMode::alwaysTemplate);
  EXPECT_EQ(view->tintColor(), (Color{1, 0, 0, 1}));
  EXPECT_EQ(widthOf(*prepared({{"SFSymbolName", "no.such.symbol"}})), std::nullopt);
}

TEST_F(ImagePipelineTest, UnparsableSymbolColourClearsTheTint) {
  auto view = ui::ImageView::make({0, 0, 20, 20});
  view->setTintColor(Color{0, 1, 0, 1});
  ImagePipeline::setupImageForImageView(*view, {{"SFSymbolName", "star.fill"}, {"SFColor", "rgba(255, 0, 0)"}});
  EXPECT_EQ(view->tintColor(), ui::ImageView::make()->tintColor());
}

TEST_F(ImagePipelineTest, SymbolWeightWordsTakeThePlatformNumbers) {
  const struct {
    const char* word;
    std::optional<int> weight;
  } cases[] = {{"thin", 2},  {"light", 3}, {"regular", 4}, {"medium", 5},      {"semibold", 6}, {"bold", 7},
               {"heavy", 8}, {"black", 9}, {"Bold", {}},   {"ultralight", {}}, {"none", {}},    {"", {}}};
  for (const auto& test : cases) {
    SCOPED_TRACE(test.word);
    EXPECT_EQ(ImagePipeline::symbolWeightForWord(test.word), test.weight);
  }
  // The weight reaches the drawing; an unknown word draws as no weight at all.
  const auto heavy = prepared({{"SFSymbolName", "wifi"}, {"SFWeight", "heavy"}})->image();
  const auto capitalised = prepared({{"SFSymbolName", "wifi"}, {"SFWeight", "Heavy"}})->image();
  const auto unweighted = prepared({{"SFSymbolName", "wifi"}})->image();
  EXPECT_FALSE(std::equal(heavy->pixels().begin(), heavy->pixels().end(), unweighted->pixels().begin()));
  EXPECT_TRUE(std::equal(capitalised->pixels().begin(), capitalised->pixels().end(), unweighted->pixels().begin()));
}

TEST_F(ImagePipelineTest, ImageColourInvertsLightArtworkThenTintsIt) {
  const struct {
    const char* name;
    Value options;
    PixelRGBA artwork;
    PixelRGBA ground;
  } cases[] = {
      {"light artwork", {{"imageColor", "rgba(255,0,0,1)"}}, kRed, kTransparent},
      {"\"yes\" is not \"YES\"", {{"imageColor", "rgba(255,0,0,1)"}, {"imageIsBlack", "yes"}}, kRed, kTransparent},
      {"light artwork declared dark",
       {{"imageColor", "rgba(255,0,0,1)"}, {"imageIsBlack", "YES"}},
       kTransparent,
       kTransparent},
      {"no colour", {{"imageColor", "none"}}, kWhite, kTransparent},
      {"null colour", {{"imageColor", "(null)"}}, kWhite, kTransparent},
      {"empty colour", {{"imageColor", ""}}, kWhite, kTransparent},
      {"colour with three parts", {{"imageColor", "rgba(255,0,0)"}}, kWhite, kTransparent},
  };
  for (const auto& test : cases) {
    SCOPED_TRACE(test.name);
    Value options = test.options;
    options["imageURL"] = "white.png";
    const auto view = prepared(options);
    ASSERT_TRUE(view->image());
    EXPECT_EQ(view->image()->pixelAt(0, 0), test.artwork);
    EXPECT_EQ(view->image()->pixelAt(3, 1), test.ground);
  }
}

TEST_F(ImagePipelineTest, TintingKeepsGreysAsPartialCoverage) {
  const auto grey = changeImage(solid(1, 1, {128, 128, 128, 255}), Color{0, 0, 1, 1});
  ASSERT_TRUE(grey);
  EXPECT_NEAR(grey->pixelAt(0, 0)->alpha, 127, 1);
  EXPECT_EQ(grey->pixelAt(0, 0)->blue, 255);
  const auto halfCovered = imageWithWhiteBackground(solid(1, 1, {0, 0, 0, 128}));
  EXPECT_EQ(halfCovered->pixelAt(0, 0), (PixelRGBA{127, 127, 127, 255}));
  EXPECT_EQ(inverseColor(std::nullopt), std::nullopt);
  EXPECT_EQ(imageWithWhiteBackground(std::nullopt), std::nullopt);
  EXPECT_EQ(changeImage(std::nullopt, Color{}), std::nullopt);
}

TEST_F(ImagePipelineTest, WeatherIconShowsTheEditorSampleCodeOfTheForecastDay) {
  registerEditorSampleData();
  const struct {
    Value forecast;
    int code;
  } cases[] = {{"none", 32}, {"day1", 3}, {"day3", 24}, {"day5", 34}, {"day9", 32}, {"hour2", 32}, {nullptr, 32}};
  for (const auto& test : cases) {
    SCOPED_TRACE(test.forecast.dump());
    Value options = {{"iconSet", "clima"}};
    if (!test.forecast.is_null()) options["forecast"] = test.forecast;
    auto view = ui::ImageView::make({0, 0, 20, 20});
    ImagePipeline::setupWeatherImageForImageView(*view, options);
    EXPECT_EQ(widthOf(*view), kWeatherWidthBase + test.code);
  }
}

TEST_F(ImagePipelineTest, WeatherIconIsEmptyWithoutAKnownCodeOrSet) {
  const struct {
    const char* name;
    std::optional<Value> creatorData;
    Value options;
  } cases[] = {
      {"outside the editor", std::nullopt, {{"iconSet", "clima"}}},
      {"no icon set", sampleCodes({{"conditionCode", "32"}}), {{"forecast", "none"}}},
      {"missing icon set", sampleCodes({{"conditionCode", "32"}}), {{"iconSet", "gone"}}},
      {"code beyond 48", sampleCodes({{"conditionCode", "49"}}), {{"iconSet", "clima"}}},
      {"negative code", sampleCodes({{"conditionCode", "-1"}}), {{"iconSet", "clima"}}},
      {"code that is no number", sampleCodes({{"conditionCode", "3a"}}), {{"iconSet", "clima"}}},
      {"day operation that gives nothing",
       Value{{"conditionCode", "32"}, {"day1icon", nullptr}},
       {{"iconSet", "clima"}, {"forecast", "day1"}}},
  };
  for (const auto& test : cases) {
    SCOPED_TRACE(test.name);
    objc::removeClass("CreatorData");
    if (test.creatorData) registerCreatorData(*test.creatorData);
    auto view = ui::ImageView::make({0, 0, 20, 20});
    view->setImage(solid(1, 1, kWhite));
    ImagePipeline::setupWeatherImageForImageView(*view, test.options);
    EXPECT_EQ(widthOf(*view), std::nullopt);
  }
}

TEST_F(ImagePipelineTest, WebPictureIsFetchedFromItsAddress) {
  testing::LoopbackHTTPServer server(testing::LoopbackHTTPServer::response(200, png(solid(3, 2, kRed))));
  EXPECT_EQ(widthOf(*prepared({{"imageURL", server.url("/picture.png")}})), 3);
}

TEST_F(ImagePipelineTest, OversizedWebPictureGivesNoImage) {
  const std::string huge(ImagePipeline::kWebImageMaxBytes + 1, 'x');
  testing::LoopbackHTTPServer server(testing::LoopbackHTTPServer::response(200, huge, false));
  EXPECT_EQ(widthOf(*prepared({{"imageURL", server.url("/huge.png")}})), std::nullopt);
}

TEST_F(ImagePipelineTest, WebAddressThatNeverAnswersGivesNoImage) {
  testing::SilentLoopbackPort silent;
  EXPECT_EQ(widthOf(*prepared({{"imageURL", silent.url("/picture.png")}})), std::nullopt);
}

TEST_F(ImagePipelineTest, InvertedAndTintedIconPixels) {
  // Light artwork with soft edges: the star symbol, inverted to white on a clear ground.
  const auto star = graphics::systemSymbol("star.fill", {.pointSize = 24, .weight = graphics::SymbolWeight::bold});
  root.writeFile(std::string(kAssets) + "star.png", png(graphics::invertColors(*star)));
  auto view = ui::ImageView::make({0, 0, 32, 32});
  view->setBackgroundColor(Color{0.95, 0.95, 0.95, 1});
  ImagePipeline::setupImageForImageView(*view, {{"imageURL", "star.png"}, {"imageColor", "rgba(0, 122, 255, 1)"}});
  EXPECT_TRUE(testing::matchesReference(ui::snapshot(*view, 2), "src/engine/tests/reference", "tinted-star-icon"));
}

}  // namespace
}  // namespace vantile
