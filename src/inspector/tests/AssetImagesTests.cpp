#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "inspector/pickers/AssetImages.h"
#include "inspector/pickers/PickerSearch.h"
#include "testing/ManualMainQueue.h"
#include "testing/TemporaryDeviceRoot.h"

namespace vantile::testing {
namespace {

using Names = std::vector<std::string>;

TEST(UserImageNames, SpacesBecomeUnderscoresAndHostileOrEmptyNamesAreNotAccepted) {
  struct Case {
    const char* typed;
    UserImageName::Outcome outcome;
    const char* fileName;
  };
  using Outcome = UserImageName::Outcome;
  const Case cases[] = {
      {"my photo", Outcome::accepted, "my_photo.png"},
      {" ", Outcome::accepted, "_.png"},
      {"logo", Outcome::accepted, "logo.png"},
      {"", Outcome::missing, ""},
      {"../x", Outcome::refused, ""},
      {"a/b", Outcome::refused, ""},
      {"..", Outcome::refused, ""},
      {".hidden", Outcome::refused, ""},
      {"c:d", Outcome::refused, ""},
  };
  for (const Case& c : cases) {
    const UserImageName name = userImageFileName(c.typed);
    EXPECT_EQ(name.outcome, c.outcome) << c.typed;
    EXPECT_EQ(name.fileName, c.fileName) << c.typed;
  }
  EXPECT_EQ(userImageFileName(std::string(100, 'a')).outcome, UserImageName::Outcome::accepted);
  EXPECT_EQ(userImageFileName(std::string(101, 'a')).outcome, UserImageName::Outcome::refused);
}

TEST(AssetImageList, OnlyExactPngJpgAndUpperCasePngAreListedSortedWithoutRegardToCase) {
  ManualMainQueue manualQueue;
  TemporaryDeviceRoot root;
  EXPECT_TRUE(listAssetImages().empty()) << "a missing folder lists nothing";
  for (const char* name : {"b.png", "A.jpg", "c.PNG", "d.JPG", "e.jpeg", "f.Png", "g.gif", "png", "h.png.txt",
                           "Star.png"}) {
    root.writeFile(std::string(kAssetsFolder) + name, "x");
  }
  EXPECT_EQ(listAssetImages(), (Names{"A.jpg", "b.png", "c.PNG", "Star.png"}));
}

TEST(PickerSearch, TheQueryIsLowerCasedAndNamesAreComparedAsTheSearchAsks) {
  const Names images{"star.png", "STAR.PNG", "moon.png", "Superstar.jpg"};
  EXPECT_EQ(namesContaining(images, "Star", NameCase::lowerCased), (Names{"star.png", "STAR.PNG", "Superstar.jpg"}));
  EXPECT_EQ(namesContaining(images, "Star", NameCase::asGiven), (Names{"star.png", "Superstar.jpg"}));
  EXPECT_TRUE(namesContaining(images, "sun", NameCase::lowerCased).empty());
}

}  // namespace
}  // namespace vantile::testing
