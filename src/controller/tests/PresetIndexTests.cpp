#include <filesystem>

#include "controller/tests/ControllerTestSupport.h"
#include "platform/foundation/files/DeviceRoot.h"
#include "platform/foundation/files/Files.h"
#include "platform/ui/views/View.h"

namespace vantile::testing {
namespace {

using platform::Value;

class PresetIndex : public ControllerTest {
 protected:
  PresetIndex() {
    const Value icon = {{"type", "AppIcon"},
                        {"bundleID", "com.apple.mobilesafari"},
                        {"frame", {{"x", "0"}, {"y", "0"}, {"width", "60"}, {"height", "60"}}}};
    homePath = writeTheme("home.json", theme({{"A", container({{"B", icon}})}, {"C", label("c")}}, {"A", "C"}));
    controller->createViewFromTheme(writeTheme("lock.json", theme({{"L", label("l")}}, {"L"})), "lockscreen");
    controller->createViewFromTheme(homePath, "homescreen");
  }

  Value homeFile() const {
    return Value::parse(platform::foundation::readFile(platform::foundation::devicePath(homePath)).value_or("null"));
  }

  std::string homePath;
};

TEST_F(PresetIndex, RecordsNestedElementsAndFindsTheirViews) {
  const auto record = controller->getElDict("B", "homescreen");
  EXPECT_EQ(record.tag, 3);
  ASSERT_TRUE(record.view);
  EXPECT_EQ(record.view->accessibilityIdentifier(), "B");
  EXPECT_EQ(record.preset, controller->vantileViewSB);
}

TEST_F(PresetIndex, ANameWithoutAnEntryFindsNoView) {
  const auto record = controller->getElDict("missing", "homescreen");
  EXPECT_EQ(record.tag, 0);
  EXPECT_FALSE(record.view) << "tag 0 would find an unrelated view";
  EXPECT_EQ(controller->getElDict("B", "elsewhere").preset, nullptr);
}

TEST_F(PresetIndex, NameFromTagReadsTheHomeScreenOnly) {
  EXPECT_EQ(controller->getElementNameFromTag("3"), "B");
  EXPECT_EQ(controller->getElementNameFromTag("1"), "") << "tag 1 belongs to the lock screen";
  for (const char* text : {"x", "", "03", "+3", " 3", "3 ", "3.0", "0"}) {
    EXPECT_EQ(controller->getElementNameFromTag(text), "") << '"' << text << '"';
  }
}

TEST(NameIndex, ATagNamesTheLastEntryHoldingItAndForgetsANameRecordedAgain) {
  NameIndex index;
  index.record("first", 7);
  index.record("second", 8);
  index.record("third", 7);
  EXPECT_EQ(index.nameForTag(7), "third") << "the later entry in order wins";
  index.record("third", 9);
  EXPECT_EQ(index.nameForTag(7), "first");
  EXPECT_EQ(index.nameForTag(9), "third");
  index.record("first", 8);
  EXPECT_FALSE(index.nameForTag(7));
  EXPECT_EQ(index.nameForTag(8), "second") << "a name recorded again keeps its first place";
  EXPECT_EQ(index.entries().front(), (std::pair<std::string, std::int32_t>{"first", 8}));
}

TEST_F(PresetIndex, AViewTakenOutOfItsTreeIsNoLongerFound) {
  const auto record = controller->getElDict("C", "homescreen");
  ASSERT_TRUE(record.view);
  record.view->removeFromSuperview();
  EXPECT_FALSE(controller->getElDict("C", "homescreen").view);
  controller->vantileViewSB->addSubview(record.view);
  EXPECT_EQ(controller->getElDict("C", "homescreen").view, record.view);
}

TEST_F(PresetIndex, KeyPathsLeadToEveryElement) {
  const auto paths = VantileController::elementObject(controller->vantilePresetSB->document);
  EXPECT_EQ(paths.at("A"), (KeyPath{"PresetView", "children", "A"}));
  EXPECT_EQ(paths.at("B"), (KeyPath{"PresetView", "children", "A", "children", "B"}));
  EXPECT_EQ(paths.size(), 3u);
  EXPECT_TRUE(VantileController::elementObject(theme(Value::object(), {})).empty());
  EXPECT_FALSE(controller->getElementHierarchy("L")) << "the hierarchy is the home screen's";
}

TEST_F(PresetIndex, FindingByNameTakesTheLastMatchInWalkOrder) {
  const Value children = {{"X", container({{"Dup", {{"type", "UILabel"}, {"data", "inner"}}}})},
                          {"Dup", {{"type", "UILabel"}, {"data", "outer"}}}};
  EXPECT_EQ(VantileController::getElementDictionaryFromString("Dup", children)->at("data"), "outer");
  EXPECT_FALSE(VantileController::getElementDictionaryFromString("none", children));
}

TEST_F(PresetIndex, EditingANestedDictionaryCopiesOnlyThePath) {
  const Value original = {{"a", {{"b", {{"c", 1}}}, {"keep", 2}}}};
  const KeyPath deep = {"a", "b", "c"};
  const Value edited = VantileController::editNestedDict(original, 5, deep);
  EXPECT_EQ(edited["a"]["b"]["c"], 5);
  EXPECT_EQ(edited["a"]["keep"], 2);
  EXPECT_EQ(original["a"]["b"]["c"], 1);
  const KeyPath shallow = {"top"};
  EXPECT_EQ(VantileController::editNestedDict(original, "x", shallow)["top"], "x");
}

TEST_F(PresetIndex, AChosenAppIsWrittenIntoTheHomeScreenThemeWithoutTheIndex) {
  controller->setBundleIDToTheme("B", "com.apple.camera");

  const Value file = homeFile();
  EXPECT_EQ(file["PresetView"]["children"]["A"]["children"]["B"]["bundleID"], "com.apple.camera");
  EXPECT_EQ(file.size(), 1u);
  EXPECT_NE(platform::foundation::readFile(platform::foundation::devicePath(homePath))->find("\n  "), std::string::npos)
      << "pretty-printed";
  EXPECT_EQ(controller->getElementDictionaryFromString("B", *controller->getSBPresetChildren())->at("bundleID"),
            "com.apple.camera");
  EXPECT_EQ(controller->getElDict("B", "homescreen").tag, 3) << "the index stays";
}

TEST_F(PresetIndex, AnUnknownElementChangesNoFile) {
  const auto before = platform::foundation::readFile(platform::foundation::devicePath(homePath));
  controller->setBundleIDToTheme("L", "com.apple.camera");
  EXPECT_EQ(platform::foundation::readFile(platform::foundation::devicePath(homePath)), before);
}

TEST_F(PresetIndex, AFailedRewriteIsLoggedAndKeepsTheChoiceInMemory) {
  const auto file = platform::foundation::devicePath(homePath);
  std::filesystem::remove(file);
  std::filesystem::create_directory(file);

  controller->setBundleIDToTheme("B", "com.apple.camera");

  EXPECT_TRUE(std::filesystem::is_directory(file));
  EXPECT_NE(logText().find("Could not rewrite the theme file"), std::string::npos);
  EXPECT_EQ(controller->getElementDictionaryFromString("B", *controller->getSBPresetChildren())->at("bundleID"),
            "com.apple.camera");
}

}  // namespace
}  // namespace vantile::testing
