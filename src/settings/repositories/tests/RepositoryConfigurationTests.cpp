#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/foundation/values/ValueParsing.h"
#include "settings/repositories/RepositoryConfiguration.h"
#include "testing/TemporaryDeviceRoot.h"

namespace vantile::settings::repositories {
namespace {

platform::Value json(const char* text) { return *platform::foundation::parseValue(text); }

TEST(RepositoryConfiguration, WithoutDeviceSettingsTheBundledSevenAreUsedWithTheMakersFirst) {
  const vantile::testing::TemporaryDeviceRoot root;
  const RepositoryConfiguration configuration = repositoryConfiguration();
  ASSERT_EQ(configuration.builtIn.size(), 7u);
  EXPECT_EQ(configuration.builtIn.front().id, "kestrune/vantile-themes");
  EXPECT_TRUE(configuration.baseAddress.ends_with("/"));
  for (const BuiltInRepository& repository : configuration.builtIn) {
    EXPECT_EQ(repository.name.find(' '), std::string::npos) << repository.name;
    EXPECT_TRUE(isSafeRepositoryId(repository.id)) << repository.id;
  }
}

TEST(RepositoryConfiguration, TheDeviceFileNamesTheHostTheRepositoriesAndTheLimits) {
  const vantile::testing::TemporaryDeviceRoot root;
  root.writeFile("/device.json", R"({"ios": 16, "repositories": {"host": "http://127.0.0.1:9/",
      "builtIn": [{"name": "Local", "id": "me/themes"}, {"name": "Other", "id": "you/more"}],
      "timeoutSeconds": 0.5, "maxBytes": 1000}})");
  const RepositoryConfiguration configuration = repositoryConfiguration();
  EXPECT_EQ(configuration.baseAddress, "http://127.0.0.1:9/");
  ASSERT_EQ(configuration.builtIn.size(), 2u);
  EXPECT_EQ(configuration.builtIn[1].name, "Other");
  EXPECT_EQ(configuration.limits.timeoutSeconds, 0.5);
  EXPECT_EQ(configuration.limits.maxBytes, 1000u);
  EXPECT_EQ(catalogueAddress("me/themes"), "http://127.0.0.1:9/me/themes/main/themes.json?001");
}

TEST(RepositoryConfiguration, UnsoundPartsFallBackToTheDefaultsOneByOne) {
  const RepositoryConfiguration defaults = repositoryConfigurationFrom(platform::Value());
  struct Case {
    const char* repositories;
    bool defaultHost;
    std::size_t builtInCount;
  };
  const std::vector<Case> cases{
      {R"("nope")", true, 7},
      {R"({"host": "ftp://host/"})", true, 7},
      {R"({"host": "https://host"})", true, 7},
      {R"({"host": 3, "builtIn": {}})", true, 7},
      {R"({"builtIn": []})", true, 7},
      {R"({"host": "https://mirror/", "builtIn": [{"name": "Has Space", "id": "a/b"}, {"name": "Ok", "id": "a/b"}]})",
       false, 1},
      {R"({"builtIn": [{"name": "A", "id": "../b"}, {"name": "B", "id": "a"}, 5, {"name": "C", "id": "c/d"}]})", true,
       1},
      {R"({"builtIn": [{"name": "A", "id": "a/b"}, {"name": "A", "id": "c/d"}]})", true, 1},
      {R"({"timeoutSeconds": -1, "maxBytes": "big"})", true, 7},
  };
  for (const Case& tried : cases) {
    SCOPED_TRACE(tried.repositories);
    const RepositoryConfiguration configuration = repositoryConfigurationFrom(json(tried.repositories));
    EXPECT_EQ(configuration.baseAddress == defaults.baseAddress, tried.defaultHost);
    EXPECT_EQ(configuration.builtIn.size(), tried.builtInCount);
    EXPECT_EQ(configuration.limits.timeoutSeconds, defaults.limits.timeoutSeconds);
    EXPECT_EQ(configuration.limits.maxBytes, defaults.limits.maxBytes);
  }
}

TEST(RepositoryAddresses, EveryAddressFollowsItsFormatWithEachSegmentEncoded) {
  const RepositoryAddresses addresses{"http://host/", "owner/themes"};
  EXPECT_EQ(addresses.catalogue(), "http://host/owner/themes/main/themes.json?001");
  EXPECT_EQ(addresses.banner(), "http://host/owner/themes/main/repo.jpg");
  EXPECT_EQ(addresses.themeFile("My Theme", "a#b?.json"), "http://host/owner/themes/main/themes/My%20Theme/a%23b%3F.json");
  EXPECT_EQ(addresses.largePreview("Dusk"), "http://host/owner/themes/main/themes/Dusk/Dusk.jpg");
  EXPECT_EQ(addresses.weatherIcon("Dusk", "Storm", 47), "http://host/owner/themes/main/themes/Dusk/Storm/47.png");
  EXPECT_EQ(addresses.imageSetFile("Dusk", "wifiImages", "Waves", 4),
            "http://host/owner/themes/main/themes/Dusk/wifiImages/Waves/4.png");
  // The first part keeps its spaces in the address, the folder has none.
  EXPECT_EQ(addresses.htmlWidgetFile("Dusk", " My Clock", "MyClock", "index.html"),
            "http://host/owner/themes/main/themes/Dusk/%20My%20Clock/MyClock/index.html");
}

TEST(RepositoryAddresses, UnsafeIdsAndNamesGiveNoAddress) {
  for (const char* id : {"owner", "../themes", "owner/..", "owner/themes/extra", "/themes", "own%2fer/x", "a/b\n"}) {
    SCOPED_TRACE(id);
    EXPECT_FALSE((RepositoryAddresses{"http://host/", id}.catalogue()));
  }
  const RepositoryAddresses addresses{"http://host/", "owner/themes"};
  EXPECT_FALSE(addresses.themeFile("..", "a.json"));
  EXPECT_FALSE(addresses.themeFile("Dusk", "../a.json"));
  EXPECT_FALSE(addresses.weatherIcon("Dusk", "%2e%2e", 0));
  EXPECT_FALSE(addresses.htmlWidgetFile("Dusk", "a", "a", "x\\y"));
}

}  // namespace
}  // namespace vantile::settings::repositories
