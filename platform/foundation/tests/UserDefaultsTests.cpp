#include <gtest/gtest.h>

#include "platform/foundation/files/Bundle.h"
#include "platform/foundation/files/DeviceRoot.h"
#include "platform/foundation/files/Files.h"
#include "platform/foundation/locale/LocalizedText.h"
#include "platform/foundation/preferences/UserDefaults.h"
#include "testing/TemporaryDeviceRoot.h"

namespace platform::foundation {
namespace {

TEST(UserDefaults, EachProcessKeepsItsValuesInItsBundlesDomain) {
  vantile::testing::TemporaryDeviceRoot root;
  Bundle::main().setBundleIdentifier("com.apple.springboard");
  UserDefaults::standard().setObject("iconrow", Value(4));
  Bundle::main().setBundleIdentifier("com.apple.Preferences");
  EXPECT_FALSE(UserDefaults::standard().objectForKey("iconrow"));
  EXPECT_EQ(UserDefaults::standard().integerForKey("iconrow"), 0);
  Bundle::main().setBundleIdentifier("");

  const UserDefaults springBoard("com.apple.springboard");
  EXPECT_EQ(springBoard.integerForKey("iconrow"), 4);
  EXPECT_TRUE(fileExists(devicePath("/var/mobile/Library/Preferences/com.apple.springboard.plist")));
  springBoard.setObject("labelsize", Value("12abc"));
  EXPECT_EQ(springBoard.integerForKey("labelsize"), 12);
  EXPECT_EQ(springBoard.stringForKey("iconrow"), "4");
  springBoard.removeObject("iconrow");
  springBoard.removeObject("never-there");
  EXPECT_FALSE(springBoard.objectForKey("iconrow"));
  EXPECT_TRUE(springBoard.objectForKey("labelsize"));
}

TEST(LocalizedText, ComparesIgnoringCaseAndCapitalisesTheFirstCharacter) {
  EXPECT_LT(localizedCaseInsensitiveCompare("Apple", "banana"), 0);
  EXPECT_GT(localizedCaseInsensitiveCompare("banana", "Apple"), 0);
  EXPECT_EQ(localizedCaseInsensitiveCompare("mail", "Mail"), 0);
  EXPECT_EQ(capitalizedFirstCharacter("maps"), "M");
  EXPECT_EQ(capitalizedFirstCharacter("\xC3\xA9mile"), "\xC3\x89");
  EXPECT_EQ(capitalizedFirstCharacter(""), "");
  EXPECT_EQ(capitalizedFirstCharacter("\xFF"), "");
}

TEST(LocalizedText, StandardCompareOrdersDigitRunsByValueAndIgnoresCase) {
  EXPECT_LT(localizedStandardCompare("2Theme", "10Theme"), 0);
  EXPECT_LT(localizedStandardCompare("1Theme", "2Theme"), 0);
  EXPECT_GT(localizedStandardCompare("theme10", "Theme9"), 0);
  EXPECT_EQ(localizedStandardCompare("Time", "time"), 0);
  EXPECT_LT(localizedStandardCompare("apple", "Banana"), 0);
  // The plain compare keeps sorting digit by digit.
  EXPECT_GT(localizedCaseInsensitiveCompare("2Theme", "10Theme"), 0);
  EXPECT_EQ(lowercaseString("TIME \xC3\x89\x62\xC3\xA8ne"), "time \xC3\xA9\x62\xC3\xA8ne");
}

}  // namespace
}  // namespace platform::foundation
