#include <gtest/gtest.h>

#include "editor/files/ThemeBackup.h"
#include "editor/files/tests/FilesFixture.h"
#include "platform/foundation/preferences/UserDefaults.h"

namespace vantile::testing {
namespace {

using platform::Value;

class ThemeRecovery : public FilesTest {
 protected:
  ThemeRecovery() {
    writeTheme("Clock.json", theme({{"Clock", box(0, 0, 100, 40)}}, {"Clock"}));
    writeTheme("Weather.json", theme({{"Sun", box(0, 0, 60, 60)}}, {"Sun"}));
    canvas->setupMainView(platform::ui::View::make({0, 0, 375, 812}));
    canvas->loadThemeFile("Clock.json");
  }
  static void storeRaw(const Value& value) {
    platform::foundation::UserDefaults::standard().setObject("themeBackup", value);
  }
};

TEST_F(ThemeRecovery, RecoveringAfterABackupGivesBackExactlyWhatWasBackedUpNullsIncluded) {
  canvas->creatorPreset["extra"] = nullptr;
  canvas->creatorPreset["numbers"] = {1.5, 12345678901234, -0.0, true};
  canvas->creatorPreset["PresetView"]["children"]["Clock"]["note"] = nullptr;
  canvas->reloadTheme();
  const Value backedUp = canvas->creatorPreset;
  canvas->backupTheme();

  canvas->creatorPreset["PresetView"]["children"] = Value::object();
  canvas->reloadTheme();
  EXPECT_TRUE(canvas->recoverTheme());
  EXPECT_EQ(canvas->creatorPreset, backedUp);
  EXPECT_EQ(canvas->creatorTags.count("Clock"), 1U);
  EXPECT_EQ(alert(), nullptr);
}

TEST_F(ThemeRecovery, EachBackupReplacesTheLastAndRemembersItsTheme) {
  canvas->backupTheme();
  canvas->creatorPreset["PresetView"]["children"]["Clock"]["alpha"] = "0.5";
  canvas->backupTheme();
  const auto stored = ThemeBackup::stored();
  ASSERT_TRUE(stored);
  EXPECT_EQ(stored->themeFile, "Clock.json");
  EXPECT_EQ(stored->document, canvas->creatorPreset);
}

TEST_F(ThemeRecovery, WithoutABackupNothingChangesAndTheMenuStaysOpen) {
  const Value before = canvas->creatorPreset;
  EXPECT_FALSE(canvas->recoverTheme());
  EXPECT_EQ(canvas->creatorPreset, before);
}

TEST_F(ThemeRecovery, AnotherThemesBackupIsOnlyInstalledWhenTheUserConfirms) {
  canvas->backupTheme();
  const Value clock = canvas->creatorPreset;
  canvas->loadThemeFile("Weather.json");
  const Value weather = canvas->creatorPreset;

  EXPECT_TRUE(canvas->recoverTheme());
  EXPECT_EQ(canvas->creatorPreset, weather);
  EXPECT_EQ(alertMessage(), "The backup holds the theme Clock, not Weather. Do you wish to recover it?");
  alert()->chooseAction("Cancel");
  EXPECT_EQ(canvas->creatorPreset, weather);
  EXPECT_EQ(canvas->selectedTheme, "Weather.json");

  canvas->recoverTheme();
  ASSERT_TRUE(alert()->chooseAction("Recover"));
  EXPECT_EQ(canvas->creatorPreset, clock);
  // A save now offers the backup's own theme, not the one it replaced.
  EXPECT_EQ(canvas->selectedTheme, "Clock.json");
}

TEST_F(ThemeRecovery, ABackupThatIsNotOursIsRefusedAndChangesNothing) {
  const Value before = canvas->creatorPreset;
  for (const Value& stored : {Value("text"), Value{{"PresetView", Value::object()}},
                              Value{{"themeFile", "Clock.json"}, {"document", "{\"PresetView\": "}},
                              Value{{"themeFile", "Clock.json"}, {"document", "[1]"}}}) {
    storeRaw(stored);
    EXPECT_FALSE(canvas->recoverTheme()) << stored.dump();
    EXPECT_EQ(canvas->creatorPreset, before);
  }
}

}  // namespace
}  // namespace vantile::testing
