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

}  // namespace
}  // namespace platform::foundation
