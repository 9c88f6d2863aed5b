#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "platform/foundation/files/DeviceRoot.h"
#include "platform/foundation/files/Files.h"
#include "platform/graphics/Image.h"
#include "platform/graphics/JPEGCodec.h"
#include "settings/repositories/RepositoryPaths.h"
#include "settings/repositories/ThemeCatalogue.h"
#include "settings/repositories/ThemeDownload.h"
#include "testing/LoopbackServer.h"
#include "testing/TemporaryDeviceRoot.h"

namespace vantile::settings::repositories {
namespace {

namespace fs = std::filesystem;
using vantile::testing::LoopbackHTTPServer;

constexpr const char* kGoodTheme = R"({"PresetView":{"type":"UIView","children":{}}})";

std::string smallJPEG() {
  const std::array<std::uint8_t, 16> rgba{255, 0, 0, 255, 0, 255, 0, 255, 0, 0, 255, 255, 9, 9, 9, 255};
  return *platform::graphics::encodeJPEG(*platform::graphics::Image::fromRGBA(2, 2, rgba), 0.9);
}

std::map<std::string, std::string> everyFileUnder(const fs::path& root) {
  std::map<std::string, std::string> files;
  for (const auto& entry : fs::recursive_directory_iterator(root))
    files[entry.path().string()] = entry.is_regular_file() ? *platform::foundation::readFile(entry.path()) : "";
  return files;
}

class ThemeDownload : public ::testing::Test {
 protected:
  vantile::testing::TemporaryDeviceRoot root;
  fs::path themes = platform::foundation::devicePath("/var/mobile/Library/Vantile/themes");
  fs::path assets = platform::foundation::devicePath("/var/mobile/Library/VantileAssets");
  DownloadLimits limits{5, 4096};

  void SetUp() override {
    root.writeFile("/var/mobile/Library/Vantile/themes/Demo.json", kGoodTheme);
    root.writeFile("/var/mobile/Library/Vantile/themes/Demo.jpg", smallJPEG());
    root.writeFile("/var/mobile/Library/VantileAssets/font.ttf", "good font");
  }

  DownloadReport download(const LoopbackHTTPServer& server, const std::string& themeName,
                          std::vector<std::string> items) {
    const CatalogueTheme theme{themeName, std::move(items), "Demo.jpg"};
    return downloadThemeFiles({server.url("/"), "owner/themes"}, theme, themes, assets, limits);
  }
};

TEST_F(ThemeDownload, HostileNamesAndBadAnswersChangeNothingAndNameTheItem) {
  struct Case {
    std::string description;
    std::string response;
    std::string item;
  };
  const std::string ok = LoopbackHTTPServer::response(200, kGoodTheme);
  const std::vector<Case> cases{
      {"parent folder", ok, ".."},
      {"climbing path", ok, "../../x"},
      {"absolute path", ok, "/etc/passwd"},
      {"backslash", ok, "..\\x"},
      {"NUL inside a name", ok, std::string("font.ttf\0.json", 14)},
      {"percent-encoded dots", ok, "%2e%2e"},
      {"set folder climbing", ok, "../weathericons"},
      {"name with a slash", ok, "sub/font.ttf"},
      {"404 body for a theme", LoopbackHTTPServer::response(404, kGoodTheme), "Demo.json"},
      {"truncated body", "HTTP/1.1 200 OK\r\nContent-Length: 500\r\n\r\n{\"PresetView\":", "Demo.json"},
      {"oversized body", LoopbackHTTPServer::response(200, std::string(10000, 'x')), "font.ttf"},
      {"theme that is not JSON", LoopbackHTTPServer::response(200, "<html>hi</html>"), "Demo.json"},
      {"theme without PresetView", LoopbackHTTPServer::response(200, R"({"Preset":{}})"), "Demo.json"},
      {"picture that does not decode", LoopbackHTTPServer::response(200, "not a picture"), "Demo.jpg"},
  };
  for (const Case& hostile : cases) {
    SCOPED_TRACE(hostile.description);
    const auto before = everyFileUnder(root.path());
    const LoopbackHTTPServer server(hostile.response);
    const DownloadReport report = download(server, "Demo", {hostile.item});
    EXPECT_FALSE(report.succeeded());
    EXPECT_EQ(report.failedItems, std::vector<std::string>{hostile.item});
    EXPECT_EQ(everyFileUnder(root.path()), before);
  }
}

TEST_F(ThemeDownload, ASlowHostTimesOutAndKeepsTheOldTheme) {
  limits.timeoutSeconds = 0.3;
  LoopbackHTTPServer server(LoopbackHTTPServer::response(200, kGoodTheme));
  server.holdAnswers();
  const auto before = everyFileUnder(root.path());
  EXPECT_EQ(download(server, "Demo", {"Demo.json"}).failedItems, std::vector<std::string>{"Demo.json"});
  server.releaseAnswers();
  EXPECT_EQ(everyFileUnder(root.path()), before);
}

TEST_F(ThemeDownload, AnUnsafeThemeNameFailsEveryItem) {
  const LoopbackHTTPServer server(LoopbackHTTPServer::response(200, kGoodTheme));
  const auto before = everyFileUnder(root.path());
  EXPECT_EQ(download(server, "..", {"...json"}).failedItems, std::vector<std::string>{"...json"});
  EXPECT_EQ(everyFileUnder(root.path()), before);
}

TEST_F(ThemeDownload, AGoodThemeAndItsPreviewAreDownloadedIntoPlace) {
  const std::string fresh = R"({"PresetView":{"type":"UIView"}})";
  const LoopbackHTTPServer themeServer(LoopbackHTTPServer::response(200, fresh));
  EXPECT_TRUE(download(themeServer, "Fresh", {"Fresh.json"}).succeeded());
  const std::string picture = smallJPEG();
  const LoopbackHTTPServer pictureServer(LoopbackHTTPServer::response(200, picture));
  EXPECT_TRUE(download(pictureServer, "Fresh", {" Fresh.jpg"}).succeeded());

  EXPECT_EQ(platform::foundation::readFile(themes / "Fresh.json"), fresh);
  EXPECT_EQ(platform::foundation::readFile(themes / "Fresh.jpg"), picture);
  EXPECT_FALSE(fs::exists(assets / "Fresh.json"));
}

TEST(ThemeCatalogue, ReadsThemesWithAndWithoutBrackets) {
  const auto themes = readThemeCatalogue(R"({"Themes":{
      "Alpha":{"downloads":"[Alpha.json, Alpha.jpg, font.ttf]","img":"Alpha.jpg","extra":1},
      "Beta":{"downloads":"Beta.json,Set/weathericons","img":"b.jpg"}}})");
  ASSERT_TRUE(themes);
  ASSERT_EQ(themes->size(), 2u);
  EXPECT_EQ((*themes)[0].name, "Alpha");
  EXPECT_EQ((*themes)[0].downloads, (std::vector<std::string>{"Alpha.json", " Alpha.jpg", " font.ttf"}));
  EXPECT_EQ((*themes)[1].downloads, (std::vector<std::string>{"Beta.json", "Set/weathericons"}));
  EXPECT_EQ((*themes)[1].img, "b.jpg");
}

TEST(ThemeCatalogue, RefusesCataloguesOfTheWrongShape) {
  for (const char* text : {"not json", "[]", R"("Themes")", R"({"Other":{}})", R"({"Themes":[]})",
                           R"({"Themes":{"A":3}})", R"({"Themes":{"A":{"downloads":["A.json"],"img":"a.jpg"}}})",
                           R"({"Themes":{"A":{"downloads":"A.json"}}})"}) {
    SCOPED_TRACE(text);
    EXPECT_FALSE(readThemeCatalogue(text));
  }
}

TEST(RepositoryPaths, AddressesAreEncodedAndUnsafeIdsRefused) {
  EXPECT_EQ(repositoryAddress("http://host/", "owner/themes", {"themes", "My Theme", "a#b.json"}),
            "http://host/owner/themes/main/themes/My%20Theme/a%23b.json");
  for (const char* id : {"owner", "../themes", "owner/..", "owner/themes/extra", "/themes"}) {
    SCOPED_TRACE(id);
    EXPECT_FALSE(repositoryAddress("http://host/", id, {"themes.json"}));
  }
}

TEST(RepositoryPaths, ALinkInsideTheRootCannotLeadOutOfIt) {
  const vantile::testing::TemporaryDeviceRoot root;
  const fs::path assets = root.path() / "assets";
  fs::create_directories(assets);
  fs::create_directory_symlink(root.path().parent_path(), assets / "out");
  EXPECT_FALSE(safePathUnder(assets, {"out"}));
  EXPECT_EQ(safePathUnder(assets, {"font.ttf"}), assets / "font.ttf");
}

}  // namespace
}  // namespace vantile::settings::repositories
