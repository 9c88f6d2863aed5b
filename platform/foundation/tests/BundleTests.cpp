#include <gtest/gtest.h>

#include "platform/foundation/files/Bundle.h"
#include "testing/TemporaryDeviceRoot.h"

namespace platform::foundation {
namespace {

TEST(BundleResources, FindsAFileOfTheResourceFolderByNameAndTypeAndNothingElse) {
  vantile::testing::TemporaryDeviceRoot root;
  root.writeFile("/Library/PreferenceBundles/x.bundle/Root.plist", "<plist/>");
  root.writeFile("/Library/PreferenceBundles/x.bundle/LICENSE", "text");
  root.writeFile("/Library/PreferenceBundles/secret.json", "{}");
  Bundle& bundle = Bundle::main();
  EXPECT_FALSE(bundle.pathForResource("Root", "plist")) << "no folder set yet";

  bundle.setResourceFolder("/Library/PreferenceBundles/x.bundle");
  EXPECT_EQ(bundle.pathForResource("Root", "plist"), "/Library/PreferenceBundles/x.bundle/Root.plist");
  EXPECT_EQ(bundle.pathForResource("LICENSE", ""), "/Library/PreferenceBundles/x.bundle/LICENSE");
  for (const auto& [name, type] : {std::pair{"Root", "json"}, std::pair{"Missing", "plist"}, std::pair{"", "plist"},
                                   std::pair{"../secret", "json"}, std::pair{"..", ""}, std::pair{"Root", "plist/x"}}) {
    EXPECT_FALSE(bundle.pathForResource(name, type)) << name << "." << type;
  }

  bundle.setResourceFolder("");
  EXPECT_FALSE(bundle.resourceFolder());
  EXPECT_FALSE(bundle.pathForResource("Root", "plist"));
}

TEST(BundleResources, TextsComeFromTheNamedTableElseTheGivenValueElseTheKey) {
  vantile::testing::TemporaryDeviceRoot root;
  root.writeFile("/Library/PreferenceBundles/x.bundle/en.lproj/Sliders.strings",
                 "<plist><dict><key>Speed</key><string>Pace</string><key>Count</key><integer>3</integer></dict></plist>");
  root.writeFile("/Library/PreferenceBundles/x.bundle/en.lproj/Localizable.strings",
                 "<plist><dict><key>Speed</key><string>Tempo</string></dict></plist>");
  root.writeFile("/Library/PreferenceBundles/x.bundle/en.lproj/Broken.strings", "<plist><dict>");
  Bundle& bundle = Bundle::main();
  bundle.setResourceFolder("/Library/PreferenceBundles/x.bundle");
  struct Case {
    const char* key;
    const char* value;
    const char* table;
    const char* expected;
  };
  for (const Case& test : {Case{"Speed", "Speed", "Sliders", "Pace"}, Case{"Speed", "", "", "Tempo"},
                           Case{"Count", "Count", "Sliders", "Count"}, Case{"Size", "Size", "Sliders", "Size"},
                           Case{"Size", "", "Sliders", "Size"}, Case{"Speed", "Speed", "Missing", "Speed"},
                           Case{"Speed", "Speed", "Broken", "Speed"}, Case{"Speed", "Speed", "../en.lproj/Sliders", "Speed"}}) {
    EXPECT_EQ(bundle.localizedString(test.key, test.value, test.table), test.expected) << test.key << " in " << test.table;
  }
  bundle.setResourceFolder("");
}

}  // namespace
}  // namespace platform::foundation
