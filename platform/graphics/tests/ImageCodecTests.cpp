#include "platform/graphics/ImageCodec.h"

#include "platform/foundation/files/DeviceRoot.h"
#include "testing/TemporaryDeviceRoot.h"

#include <gtest/gtest.h>
#include <png.h>
#include <turbojpeg.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <limits>
#include <random>
#include <string>
#include <vector>

namespace platform::graphics {
namespace {

// Opaque, half-transparent and transparent pixels in one small picture.
Image makeTestImage() {
  const std::vector<std::uint8_t> rgba = {
      255, 0,   0,   255, 0,  255, 0,  128, 0,  0,  255, 0,  //
      200, 100, 50,  128, 30, 60,  90, 255, 17, 34, 51,  1,  //
  };
  return *Image::fromRGBA(3, 2, rgba);
}

// 8 × 8 blocks of flat colour, which JPEG keeps almost exactly.
Image makeBlockImage(const std::vector<PixelRGBA>& blockColours) {
  const int blocks = static_cast<int>(blockColours.size());
  std::vector<std::uint8_t> rgba;
  for (int y = 0; y < 8; ++y) {
    for (int x = 0; x < 8 * blocks; ++x) {
      const PixelRGBA colour = blockColours[x / 8];
      rgba.insert(rgba.end(), {colour.red, colour.green, colour.blue, colour.alpha});
    }
  }
  return *Image::fromRGBA(8 * blocks, 8, rgba);
}

Image makeNoiseImage() {
  std::mt19937 random(3);
  std::vector<std::uint8_t> rgba(64 * 64 * 4, 255);
  for (std::size_t index = 0; index < rgba.size(); ++index) {
    if (index % 4 != 3) {
      rgba[index] = static_cast<std::uint8_t>(random());
    }
  }
  return *Image::fromRGBA(64, 64, rgba);
}

void expectNear(PixelRGBA actual, PixelRGBA expected, int tolerance, const std::string& where) {
  EXPECT_NEAR(actual.red, expected.red, tolerance) << where;
  EXPECT_NEAR(actual.green, expected.green, tolerance) << where;
  EXPECT_NEAR(actual.blue, expected.blue, tolerance) << where;
  EXPECT_EQ(actual.alpha, expected.alpha) << where;
}

// --- Hand-made files -----------------------------------------------------------------------

std::uint32_t crc32(std::string_view bytes) {
  std::uint32_t crc = 0xFFFFFFFF;
  for (const char byte : bytes) {
    crc ^= static_cast<std::uint8_t>(byte);
    for (int bit = 0; bit < 8; ++bit) {
      crc = (crc >> 1) ^ (0xEDB88320 & (0 - (crc & 1)));
    }
  }
  return ~crc;
}

std::string bigEndian32(std::uint32_t value) {
  return {static_cast<char>(value >> 24), static_cast<char>(value >> 16), static_cast<char>(value >> 8),
          static_cast<char>(value)};
}

std::string pngChunk(std::string_view type, std::string_view data) {
  const std::string typeAndData = std::string(type) + std::string(data);
  return bigEndian32(static_cast<std::uint32_t>(data.size())) + typeAndData + bigEndian32(crc32(typeAndData));
}

// A well-formed header and an empty pixel chunk: enough for a decoder to believe the size.
std::string pngClaiming(std::uint32_t width, std::uint32_t height) {
  const std::string header = bigEndian32(width) + bigEndian32(height) + std::string("\x08\x06\x00\x00\x00", 5);
  return std::string("\x89PNG\r\n\x1a\n", 8) + pngChunk("IHDR", header) + pngChunk("IDAT", "") + pngChunk("IEND", "");
}

std::size_t findMarker(const std::string& jpeg, char code) {
  return jpeg.find(std::string{'\xFF', code});
}

// Rewrites the frame header's height and width.
std::string jpegClaiming(std::string jpeg, std::uint16_t width, std::uint16_t height) {
  const std::size_t frame = findMarker(jpeg, '\xC0');
  jpeg[frame + 5] = static_cast<char>(height >> 8);
  jpeg[frame + 6] = static_cast<char>(height);
  jpeg[frame + 7] = static_cast<char>(width >> 8);
  jpeg[frame + 8] = static_cast<char>(width);
  return jpeg;
}

struct RawPNG {
  int width;
  int height;
  int colourType;
  int bitDepth;
  bool interlaced;
  std::vector<std::vector<std::uint8_t>> rows;  // packed as the file stores them
  std::vector<png_color> palette = {};
  std::vector<png_byte> paletteAlpha = {};
};

void appendToString(png_structp png, png_bytep data, png_size_t length) {
  static_cast<std::string*>(png_get_io_ptr(png))->append(reinterpret_cast<const char*>(data), length);
}

// libpng's errors longjmp back here, so this frame owns nothing with a destructor.
bool writeRawPNG(png_structp png, png_infop info, const RawPNG& raw, png_bytepp rows) {
  if (setjmp(png_jmpbuf(png))) {
    return false;
  }
  png_set_IHDR(png, info, raw.width, raw.height, raw.bitDepth, raw.colourType,
               raw.interlaced ? PNG_INTERLACE_ADAM7 : PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
               PNG_FILTER_TYPE_DEFAULT);
  if (!raw.palette.empty()) {
    png_set_PLTE(png, info, raw.palette.data(), static_cast<int>(raw.palette.size()));
  }
  if (!raw.paletteAlpha.empty()) {
    png_set_tRNS(png, info, raw.paletteAlpha.data(), static_cast<int>(raw.paletteAlpha.size()), nullptr);
  }
  png_write_info(png, info);
  png_write_image(png, rows);
  png_write_end(png, nullptr);
  return true;
}

std::string encodeRawPNG(RawPNG raw) {
  std::string file;
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  png_infop info = png_create_info_struct(png);
  png_set_write_fn(png, &file, appendToString, nullptr);
  std::vector<png_bytep> rows;
  for (auto& row : raw.rows) {
    rows.push_back(row.data());
  }
  const bool written = writeRawPNG(png, info, raw, rows.data());
  png_destroy_write_struct(&png, &info);
  EXPECT_TRUE(written);
  return file;
}

std::string encodeWithTurboJPEG(const std::vector<std::uint8_t>& pixels, int width, int height, TJPF format,
                                TJSAMP subsampling) {
  tjhandle compressor = tjInitCompress();
  unsigned char* output = nullptr;
  unsigned long size = 0;
  EXPECT_EQ(tjCompress2(compressor, pixels.data(), width, 0, height, format, &output, &size, subsampling, 90, 0), 0)
      << tjGetErrorStr2(compressor);
  std::string file(reinterpret_cast<const char*>(output), size);
  tjFree(output);
  tjDestroy(compressor);
  return file;
}

std::string randomBytes(std::size_t count) {
  std::mt19937 random(7);
  std::string bytes(count, '\0');
  std::generate(bytes.begin(), bytes.end(), [&] { return static_cast<char>(random()); });
  return bytes;
}

// --- PNG -----------------------------------------------------------------------------------

TEST(ImageCodec, RoundTripsPNGExactlyIncludingTranslucentPixels) {
  const Image original = makeTestImage();
  const auto png = encodePNG(original);
  ASSERT_TRUE(png);
  const auto decoded = decodeImage(*png, 2);
  ASSERT_TRUE(decoded);
  EXPECT_EQ(decoded->width(), 3);
  EXPECT_EQ(decoded->height(), 2);
  EXPECT_EQ(decoded->scale(), 2);
  EXPECT_TRUE(std::ranges::equal(decoded->pixels(), original.pixels()));
}

TEST(ImageCodec, WritesUnpremultipliedColourToPNG) {
  const auto png = encodePNG(*Image::fromRGBA(1, 1, std::vector<std::uint8_t>{200, 100, 50, 128}));
  ASSERT_TRUE(png);
  // Read with libpng itself, not through our decoder, to see what the file holds.
  png_image image{};
  image.version = PNG_IMAGE_VERSION;
  ASSERT_TRUE(png_image_begin_read_from_memory(&image, png->data(), png->size()));
  image.format = PNG_FORMAT_RGBA;
  std::array<std::uint8_t, 4> rgba{};
  ASSERT_TRUE(png_image_finish_read(&image, nullptr, rgba.data(), 0, nullptr));
  EXPECT_NEAR(rgba[0], 200, 1);
  EXPECT_NEAR(rgba[1], 100, 1);
  EXPECT_NEAR(rgba[2], 50, 1);
  EXPECT_EQ(rgba[3], 128);
}

TEST(ImageCodec, DecodesEveryKindOfPNG) {
  using Row = std::vector<std::uint8_t>;
  struct Case {
    std::string name;
    RawPNG raw;
    std::vector<PixelRGBA> expected;  // row by row
  };
  const std::vector<Case> cases = {
      {"8-bit grey", {2, 1, PNG_COLOR_TYPE_GRAY, 8, false, {Row{0, 200}}}, {{0, 0, 0, 255}, {200, 200, 200, 255}}},
      {"1-bit grey", {2, 1, PNG_COLOR_TYPE_GRAY, 1, false, {Row{0b10000000}}}, {{255, 255, 255, 255}, {0, 0, 0, 255}}},
      {"16-bit grey", {1, 1, PNG_COLOR_TYPE_GRAY, 16, false, {Row{0x80, 0x00}}}, {{128, 128, 128, 255}}},
      {"grey with alpha",
       {2, 1, PNG_COLOR_TYPE_GRAY_ALPHA, 8, false, {Row{100, 128, 50, 0}}},
       {{100, 100, 100, 128}, {0, 0, 0, 0}}},
      {"8-bit RGB", {1, 1, PNG_COLOR_TYPE_RGB, 8, false, {Row{10, 20, 30}}}, {{10, 20, 30, 255}}},
      {"16-bit RGBA",
       {1, 1, PNG_COLOR_TYPE_RGB_ALPHA, 16, false, {Row{0x12, 0x12, 0xAB, 0xAB, 0xFF, 0xFF, 0xFF, 0xFF}}},
       {{0x12, 0xAB, 0xFF, 255}}},
      {"palette with transparency",
       {2, 1, PNG_COLOR_TYPE_PALETTE, 8, false, {Row{1, 0}}, {{255, 0, 0}, {0, 255, 0}}, {255, 128}},
       {{0, 255, 0, 128}, {255, 0, 0, 255}}},
      {"2-bit palette",
       {3, 1, PNG_COLOR_TYPE_PALETTE, 2, false, {Row{0b10'01'00'00}}, {{0, 0, 0}, {0, 0, 255}, {9, 9, 9}}},
       {{9, 9, 9, 255}, {0, 0, 255, 255}, {0, 0, 0, 255}}},
      {"interlaced RGBA",
       {3, 3, PNG_COLOR_TYPE_RGB_ALPHA, 8, true,
        {Row{1, 2, 3, 255, 4, 5, 6, 255, 7, 8, 9, 255}, Row{10, 11, 12, 255, 13, 14, 15, 255, 16, 17, 18, 255},
         Row{19, 20, 21, 255, 22, 23, 24, 255, 0, 0, 0, 0}}},
       {{1, 2, 3, 255}, {4, 5, 6, 255}, {7, 8, 9, 255}, {10, 11, 12, 255}, {13, 14, 15, 255}, {16, 17, 18, 255},
        {19, 20, 21, 255}, {22, 23, 24, 255}, {0, 0, 0, 0}}},
  };
  for (const Case& c : cases) {
    const auto image = decodeImage(encodeRawPNG(c.raw));
    ASSERT_TRUE(image) << c.name;
    ASSERT_EQ(image->width() * image->height(), static_cast<int>(c.expected.size())) << c.name;
    for (int index = 0; index < static_cast<int>(c.expected.size()); ++index) {
      EXPECT_EQ(*image->pixelAt(index % image->width(), index / image->width()), c.expected[index])
          << c.name << ", pixel " << index;
    }
  }
}

// --- JPEG ----------------------------------------------------------------------------------

TEST(ImageCodec, RoundTripsJPEGWithinATolerance) {
  const std::vector<PixelRGBA> colours = {{255, 0, 0, 255}, {20, 200, 90, 255}, {40, 40, 220, 255}, {250, 250, 250, 255}};
  const auto jpeg = encodeJPEG(makeBlockImage(colours), 0.9);
  ASSERT_TRUE(jpeg);
  const auto decoded = decodeImage(*jpeg, 3);
  ASSERT_TRUE(decoded);
  EXPECT_EQ(decoded->width(), 32);
  EXPECT_EQ(decoded->height(), 8);
  EXPECT_EQ(decoded->scale(), 3);
  for (int x = 0; x < 32; ++x) {
    expectNear(*decoded->pixelAt(x, 4), colours[x / 8], 6, "x = " + std::to_string(x));
  }
}

TEST(ImageCodec, FlattensTranslucentPixelsAsIfOverBlackInJPEG) {
  const auto jpeg = encodeJPEG(makeBlockImage({{255, 255, 255, 128}, {0, 0, 255, 0}}), 1);
  ASSERT_TRUE(jpeg);
  const auto decoded = decodeImage(*jpeg);
  ASSERT_TRUE(decoded);
  expectNear(*decoded->pixelAt(3, 3), {128, 128, 128, 255}, 3, "half-transparent white");
  expectNear(*decoded->pixelAt(12, 3), {0, 0, 0, 255}, 3, "transparent blue");
}

TEST(ImageCodec, MapsJPEGQualityFromZeroToOneAndClampsOddValues) {
  const Image noise = makeNoiseImage();
  const auto low = encodeJPEG(noise, 0.1);
  const auto high = encodeJPEG(noise, 1);
  ASSERT_TRUE(low && high);
  EXPECT_LT(low->size() * 2, high->size());
  EXPECT_EQ(encodeJPEG(noise, 5), high);
  for (const double odd : {-1.0, 0.0, std::numeric_limits<double>::quiet_NaN()}) {
    const auto lowest = encodeJPEG(noise, odd);
    ASSERT_TRUE(lowest) << odd;
    EXPECT_LT(lowest->size(), low->size()) << odd;
    EXPECT_TRUE(decodeImage(*lowest)) << odd;
  }
}

TEST(ImageCodec, DecodesGreyscaleJPEG) {
  std::vector<std::uint8_t> grey(16 * 8, 40);
  std::fill(grey.begin() + 8, grey.begin() + 16, 0);  // keeps the image from being uniform
  const auto image = decodeImage(encodeWithTurboJPEG(grey, 16, 8, TJPF_GRAY, TJSAMP_GRAY));
  ASSERT_TRUE(image);
  EXPECT_EQ(image->width(), 16);
  expectNear(*image->pixelAt(2, 6), {40, 40, 40, 255}, 4, "grey");
}

TEST(ImageCodec, RefusesCMYKJPEG) {
  const std::vector<std::uint8_t> cmyk(8 * 8 * 4, 100);
  EXPECT_FALSE(decodeImage(encodeWithTurboJPEG(cmyk, 8, 8, TJPF_CMYK, TJSAMP_444)));
}

TEST(ImageCodec, ShowsWhatArrivedOfATruncatedJPEG) {
  const auto jpeg = encodeJPEG(makeNoiseImage(), 0.8);
  ASSERT_TRUE(jpeg);
  const auto image = decodeImage(jpeg->substr(0, jpeg->size() / 2));
  ASSERT_TRUE(image);
  EXPECT_EQ(image->width(), 64);
}

// --- Files ---------------------------------------------------------------------------------

TEST(ImageCodec, DecodesFilesByTheirContentNotTheirName) {
  const vantile::testing::TemporaryDeviceRoot root;
  root.writeFile("/var/mobile/picture.jpg", *encodePNG(makeTestImage()));
  root.writeFile("/var/mobile/photo.png", *encodeJPEG(makeTestImage(), 0.5));

  const auto picture = decodeImageFile(foundation::devicePath("/var/mobile/picture.jpg"), 2);
  ASSERT_TRUE(picture);
  EXPECT_TRUE(std::ranges::equal(picture->pixels(), makeTestImage().pixels()));
  EXPECT_EQ(picture->scale(), 2);
  EXPECT_TRUE(decodeImageFile(foundation::devicePath("/var/mobile/photo.png")));
  EXPECT_FALSE(decodeImageFile(foundation::devicePath("/var/mobile/missing.png")));
  EXPECT_FALSE(decodeImageFile(foundation::devicePath("/var/mobile")));
}

// --- Bad input -----------------------------------------------------------------------------

TEST(ImageCodec, GivesNothingAndLogsOneLineForBadInput) {
  const std::string png = *encodePNG(makeNoiseImage());
  const std::string jpeg = *encodeJPEG(makeNoiseImage(), 0.8);
  std::string damagedPNG = png;
  damagedPNG[png.size() / 2] ^= 0x55;
  const struct {
    std::string name;
    std::string bytes;
  } cases[] = {
      {"no bytes", ""},
      {"random bytes", randomBytes(4096)},
      {"a PNG signature then random bytes", png.substr(0, 8) + randomBytes(4096)},
      {"a JPEG signature then random bytes", jpeg.substr(0, 3) + randomBytes(4096)},
      {"the PNG signature alone", png.substr(0, 8)},
      {"a truncated PNG", png.substr(0, png.size() / 2)},
      {"a PNG with damaged pixel data", damagedPNG},
      {"a PNG claiming zero width", pngClaiming(0, 10)},
      {"a JPEG header without its scan", jpeg.substr(0, findMarker(jpeg, '\xDA'))},
      {"a JPEG claiming zero width", jpegClaiming(jpeg, 0, 64)},
  };
  for (const auto& c : cases) {
    testing::internal::CaptureStderr();
    const auto image = decodeImage(c.bytes);
    const std::string log = testing::internal::GetCapturedStderr();
    EXPECT_FALSE(image) << c.name;
    EXPECT_EQ(std::ranges::count(log, '\n'), 1) << c.name << " logged: " << log;
  }
}

TEST(ImageCodec, RefusesHugeImagesBeforeAllocatingThem) {
  const struct {
    std::string name;
    std::string bytes;
  } cases[] = {
      {"PNG", pngClaiming(60000, 60000)},
      {"JPEG", jpegClaiming(*encodeJPEG(makeNoiseImage(), 0.8), 60000, 60000)},
  };
  for (const auto& c : cases) {
    testing::internal::CaptureStderr();
    const auto image = decodeImage(c.bytes);
    const std::string log = testing::internal::GetCapturedStderr();
    EXPECT_FALSE(image) << c.name;
    EXPECT_NE(log.find("60000 x 60000 pixels: the size exceeds the limit"), std::string::npos) << c.name << ": " << log;
  }
}

}  // namespace
}  // namespace platform::graphics
