#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "platform/foundation/files/DeviceRoot.h"
#include "platform/foundation/files/Files.h"
#include "platform/foundation/queues/MainThread.h"
#include "platform/graphics/Image.h"
#include "platform/graphics/JPEGCodec.h"
#include "settings/repositories/RepositoryPaths.h"
#include "settings/repositories/ThemeCatalogue.h"
#include "settings/repositories/ThemeDownloadSession.h"
#include "settings/repositories/ThemeItemDownloads.h"
#include "settings/repositories/tests/RepositoryFixture.h"
#include "testing/LoopbackRepositoryServer.h"
#include "testing/MainQueueWaiting.h"
#include "testing/TemporaryDeviceRoot.h"

namespace vantile::settings::repositories {
namespace {

namespace fs = std::filesystem;
using testing::everyFileUnder;
using testing::kFixtureId;
using testing::repositoryFixture;
using vantile::testing::LoopbackRepositoryServer;
using Items = std::vector<std::string>;

constexpr const char* kGoodTheme = R"({"PresetView":{"type":"UIView","children":{}}})";
const std::string kThemePath = "/kestrune/vantile-themes/main/themes/";

std::string smallJPEG() {
  const std::array<std::uint8_t, 16> rgba{255, 0, 0, 255, 0, 255, 0, 255, 0, 0, 255, 255, 9, 9, 9, 255};
  return *platform::graphics::encodeJPEG(*platform::graphics::Image::fromRGBA(2, 2, rgba), 0.9);
}

class ThemeDownload : public ::testing::Test {
 protected:
  vantile::testing::TemporaryDeviceRoot root;
  LoopbackRepositoryServer server{repositoryFixture()};
  DownloadPlace place{{server.url("/"), kFixtureId},
                      platform::foundation::devicePath("/var/mobile/Library/Vantile/themes"),
                      platform::foundation::devicePath("/var/mobile/Library/VantileAssets"),
                      {5, 64 * 1024}};

  void SetUp() override {
    root.writeFile("/var/mobile/Library/Vantile/themes/Demo.json", kGoodTheme);
    root.writeFile("/var/mobile/Library/Vantile/themes/Demo.jpg", smallJPEG());
    root.writeFile("/var/mobile/Library/VantileAssets/font.ttf", "good font");
    root.writeFile("/var/mobile/Library/VantileAssets/weatherIcons/Storm/0.png", "good icon");
    root.writeFile("/var/mobile/Library/Preferences/com.kestrune.vantile.plist", "settings");
  }

  DownloadReport download(const std::string& themeName, Items items) {
    return downloadThemeFiles(place, {themeName, std::move(items), themeName + ".jpg"});
  }

  bool insideThemesOrAssets(const fs::path& path) const {
    for (const fs::path& folder : {place.themesFolder, place.assetsFolder}) {
      const auto [end, _] = std::mismatch(folder.begin(), folder.end(), path.begin(), path.end());
      if (end == folder.end()) return true;
    }
    return false;
  }
};

TEST_F(ThemeDownload, HostileItemsAndAnswersChangeNoGoodFileAndNameTheItem) {
  struct Case {
    const char* description;
    std::string theme;
    std::string item;
    std::function<void(LoopbackRepositoryServer&)> fault;
  };
  const auto none = [](LoopbackRepositoryServer&) {};
  const auto at = [](std::string file) { return kThemePath + "Demo/" + file; };
  const std::vector<Case> cases{
      {"parent folder", "Demo", "..", none},
      {"climbing path", "Demo", "../../x", none},
      {"climbing out of the device", "Demo", "../../../../../../../../x.json", none},
      {"absolute path", "Demo", "/etc/passwd", none},
      {"backslash", "Demo", "..\\x.json", none},
      {"NUL inside a name", "Demo", std::string("font.ttf\0.json", 14), none},
      {"control character", "Demo", "fo\tnt.ttf", none},
      {"percent-encoded dots", "Demo", "%2e%2e", none},
      {"percent-encoded separator", "Demo", "%2e%2e%2fx.json", none},
      {"name with a slash", "Demo", "sub/font.ttf", none},
      {"weather set folder climbing", "Demo", "../weathericons", none},
      {"weather set folder of spaced dots", "Demo", ". . /weathericons", none},
      {"signal set folder climbing", "Demo", "../signalimages", none},
      {"wifi set folder climbing", "Demo", "../wifiimages", none},
      {"widget folder climbing", "Demo", "../htmlWebview/x.js", none},
      {"widget file climbing", "Demo", "Widget/htmlWebview/../../x.js", none},
      {"widget file with a backslash", "Demo", "Widget/htmlWebview/..\\x.js", none},
      {"unsafe theme name", "..", "...json", none},
      {"404 body for a theme document", "Demo", "Demo.json",
       [&](auto& s) { s.answer(at("Demo.json"), 404, kGoodTheme); }},
      {"truncated theme document", "Demo", "Demo.json", [&](auto& s) { s.truncate(at("Demo.json")); }},
      {"oversized file", "Demo", "big.ttf", [&](auto& s) { s.oversize(at("big.ttf"), 64 * 1024 + 1); }},
      {"theme document that is not JSON", "Demo", "Demo.json",
       [&](auto& s) { s.answer(at("Demo.json"), 200, "<html>hi</html>"); }},
      {"theme document without PresetView", "Demo", "Demo.json",
       [&](auto& s) { s.answer(at("Demo.json"), 200, R"({"Preset":{}})"); }},
      {"picture that does not decode", "Demo", "Fresh.png",
       [&](auto& s) { s.answer(at("Fresh.png"), 200, "not a picture"); }},
      {"weather icon that does not decode", "Demo", "Storm/weathericons",
       [&](auto& s) { s.answer(at("Storm/1.png"), 200, "not a picture"); }},
      {"file missing from the repository", "Demo", "missing.ttf", none},
      {"slow host", "Demo", "Demo.json", [&](auto& s) { s.stall(at("Demo.json")); }},
  };
  place.limits.timeoutSeconds = 0.3;
  const fs::path outside = root.path().parent_path();
  for (const Case& hostile : cases) {
    SCOPED_TRACE(hostile.description);
    hostile.fault(server);
    const auto before = everyFileUnder(root.path());
    const DownloadReport report = download(hostile.theme, {hostile.item});
    EXPECT_FALSE(report.succeeded());
    ASSERT_EQ(report.failedItems.size(), 1u);
    EXPECT_EQ(report.failedItems.front(), hostile.item);
    const auto after = everyFileUnder(root.path());
    for (const auto& [path, contents] : before) EXPECT_EQ(after.at(path), contents) << path;
    for (const auto& [path, contents] : after) {
      EXPECT_TRUE(before.contains(path) || insideThemesOrAssets(path)) << path;
    }
    EXPECT_FALSE(fs::exists(outside / "x"));
    EXPECT_FALSE(fs::exists(outside / "x.json"));
  }
}

TEST_F(ThemeDownload, AWeatherSetFetchesItsFortyEightIconsSkippingThosePresent) {
  const DownloadReport report = download("Aurora", {" Storm/weathericons"});
  EXPECT_TRUE(report.failedItems.empty());
  const fs::path folder = place.assetsFolder / "weatherIcons" / "Storm";
  EXPECT_EQ(platform::foundation::listFolder(folder).size(), 48u);
  EXPECT_EQ(platform::foundation::readFile(folder / "0.png"), "good icon");
  EXPECT_EQ(server.requestCount(kThemePath + "Aurora/Storm/0.png"), 0u);
  EXPECT_EQ(server.requestCount(kThemePath + "Aurora/Storm/47.png"), 1u);
  EXPECT_EQ(server.requestedPaths().size(), 47u);
}

TEST_F(ThemeDownload, SignalWifiAndWidgetFoldersGoIntoTheirAssetFolders) {
  EXPECT_TRUE(download("Aurora", {"Bars/signalimages", "Aurora Clock/htmlWebview/index.html/clock.js"})
                  .failedItems.empty());
  EXPECT_TRUE(download("Tide", {"Waves/signalimages/wifiimages"}).failedItems.empty());
  EXPECT_EQ(platform::foundation::listFolder(place.assetsFolder / "signalImages" / "Bars").size(), 6u);
  EXPECT_EQ(platform::foundation::listFolder(place.assetsFolder / "wifiImages" / "Waves").size(), 5u);
  EXPECT_FALSE(fs::exists(place.assetsFolder / "signalImages" / "Waves"));
  EXPECT_EQ(platform::foundation::listFolder(place.assetsFolder / "html" / "AuroraClock"),
            (Items{"clock.js", "index.html"}));
}

TEST_F(ThemeDownload, ASecondDownloadFetchesOnlyTheThemeDocumentsAgain) {
  const Items items{"Aurora.json", " Aurora.jpg", " Storm/weathericons", " Bars/signalimages",
                    "Aurora Clock/htmlWebview/index.html/clock.js"};
  const DownloadReport first = download("Aurora", items);
  EXPECT_TRUE(first.succeeded()) << first.failureMessage();
  EXPECT_EQ(platform::foundation::readFile(place.themesFolder / "Aurora.json"),
            platform::foundation::readFile(repositoryFixture() / kFixtureId / "main/themes/Aurora/Aurora.json"));
  EXPECT_TRUE(platform::foundation::fileExists(place.themesFolder / "Aurora.jpg"));

  const std::size_t firstRequests = server.requestedPaths().size();
  EXPECT_TRUE(download("Aurora", items).succeeded());
  const Items paths = server.requestedPaths();
  EXPECT_EQ(Items(paths.begin() + static_cast<std::ptrdiff_t>(firstRequests), paths.end()),
            Items{kThemePath + "Aurora/Aurora.json"});
}

TEST_F(ThemeDownload, AThemeWithoutItsDocumentIsAFailureThatSaysSo) {
  for (const Items& items : {Items{}, Items{""}, Items{" Tide-Sans.ttf"}}) {
    const DownloadReport report = download("Tide", items);
    EXPECT_TRUE(report.failedItems.empty());
    EXPECT_FALSE(report.themeDocumentPresent);
    EXPECT_FALSE(report.succeeded());
    EXPECT_EQ(report.failureMessage(), "The theme Tide has no theme document and cannot be applied.");
  }
  EXPECT_EQ(server.requestedPaths().size(), 1u);
  EXPECT_TRUE(platform::foundation::fileExists(place.assetsFolder / "Tide-Sans.ttf"));
}

TEST_F(ThemeDownload, TheReportNamesEveryFailedItemAndAFolderThatCouldNotBeMade) {
  root.writeFile("/var/mobile/Library/VantileAssets/html", "a file where the folder should be");
  const DownloadReport report =
      download("Tide", {"Tide.json", " nothing.ttf", " Widget/htmlWebview/a.js", " Waves/wifiimages"});
  EXPECT_TRUE(report.themeDocumentPresent);
  EXPECT_EQ(report.failedItems, (Items{"nothing.ttf", "Widget/htmlWebview/a.js"}));
  ASSERT_EQ(report.messages.size(), 1u);
  EXPECT_TRUE(report.messages.front().starts_with("Error creating html folder ")) << report.messages.front();
  EXPECT_EQ(report.failureMessage(),
            report.messages.front() + "\nSome files of Tide could not be downloaded: nothing.ttf, Widget/htmlWebview/a.js.");
}

TEST_F(ThemeDownload, AThemesDownloadRunsOnAWorkerAndReportsOnTheMainQueue) {
  root.writeFile("/device.json", R"({"repositories": {"host": ")" + server.url("/") + R"("}})");
  const auto catalogue = readThemeCatalogue(
      *platform::foundation::readFile(repositoryFixture() / kFixtureId / "main/themes.json"));
  ASSERT_TRUE(catalogue);
  std::vector<DownloadReport> reports;
  std::vector<bool> onMainThread;
  for (const CatalogueTheme& theme : *catalogue) {
    downloadTheme(kFixtureId, theme, [&](DownloadReport report) {
      onMainThread.push_back(platform::foundation::isMainThread());
      reports.push_back(std::move(report));
    });
  }
  EXPECT_TRUE(reports.empty());
  ASSERT_TRUE(vantile::testing::runMainQueueUntil([&] { return reports.size() == 2; }));
  EXPECT_EQ(onMainThread, (std::vector<bool>{true, true}));
  for (const DownloadReport& report : reports) EXPECT_TRUE(report.succeeded()) << report.failureMessage();
  for (const char* file : {"Aurora.json", "Aurora.jpg", "Tide.json", "Tide.jpg"}) {
    EXPECT_TRUE(platform::foundation::fileExists(place.themesFolder / file)) << file;
  }
  EXPECT_TRUE(platform::foundation::fileExists(place.assetsFolder / "Tide-Sans.ttf"));
}

}  // namespace
}  // namespace vantile::settings::repositories
