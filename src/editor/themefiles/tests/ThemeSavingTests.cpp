#include <gtest/gtest.h>

#include <sys/resource.h>

#include <csignal>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "editor/files/ThemeBackup.h"
#include "editor/files/tests/FilesFixture.h"
#include "engine/helpers/UserFileNames.h"
#include "platform/foundation/files/DeviceRoot.h"
#include "platform/foundation/files/Files.h"
#include "platform/foundation/preferences/PreferenceDomain.h"
#include "platform/foundation/queues/MainQueue.h"
#include "platform/foundation/values/ValueParsing.h"
#include "platform/graphics/JPEGCodec.h"
#include "platform/ui/input/TextField.h"

namespace vantile::testing {
namespace {

using platform::Value;
using platform::foundation::MainQueue;

// Files of this process can grow to `bytes` only, as on a full disk: a write beyond fails
// half-way (the signal that would end the process is ignored meanwhile).
class FileSizeLimit {
 public:
  explicit FileSizeLimit(rlim_t bytes) {
    ::getrlimit(RLIMIT_FSIZE, &previous_);
    previousHandler_ = std::signal(SIGXFSZ, SIG_IGN);
    const rlimit limited{bytes, previous_.rlim_max};
    ::setrlimit(RLIMIT_FSIZE, &limited);
  }
  ~FileSizeLimit() {
    ::setrlimit(RLIMIT_FSIZE, &previous_);
    std::signal(SIGXFSZ, previousHandler_);
  }
  FileSizeLimit(const FileSizeLimit&) = delete;
  FileSizeLimit& operator=(const FileSizeLimit&) = delete;

 private:
  rlimit previous_{};
  void (*previousHandler_)(int) = nullptr;
};

class ThemeSaving : public FilesTest {
 protected:
  ThemeSaving() {
    writeTheme("Clock.json", theme({{"Clock", box(0, 0, 100, 40)}}, {"Clock"}));
    canvas->setupMainView(platform::ui::View::make({0, 0, 375, 812}));
    canvas->loadThemeFile("Clock.json");
  }

  // The name prompt answered with "Save" after typing the name.
  void saveAs(const std::string& typed) {
    canvas->saveTheme();
    const auto prompt = alert();
    ASSERT_NE(prompt, nullptr);
    ASSERT_EQ(prompt->textFields().size(), 1U);
    prompt->textFields().front()->setText(typed);
    ASSERT_TRUE(prompt->chooseAction("Save"));
  }
  void answer(const std::string& question, const std::string& button) {
    ASSERT_EQ(alertMessage(), question);
    ASSERT_TRUE(alert()->chooseAction(button));
  }
  static std::vector<std::string> buttons() {
    std::vector<std::string> titles;
    if (const auto shown = alert()) {
      for (const auto& action : shown->actions()) titles.push_back(action.title);
    }
    return titles;
  }
  static std::filesystem::path themeFile(const std::string& fileName) {
    return platform::foundation::devicePath(std::string(kEditorThemesFolder) + fileName);
  }
  static std::optional<std::string> contents(const std::string& fileName) {
    return platform::foundation::readFile(themeFile(fileName));
  }
  std::map<std::string, std::string> filesInDevice() const {
    std::map<std::string, std::string> files;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(device.path())) {
      if (entry.is_regular_file()) files[entry.path().string()] = platform::foundation::readFile(entry).value_or("");
    }
    return files;
  }

  static constexpr const char* kOverwrite = "Theme exist, do you wish to overwrite it?";
  static constexpr const char* kReplacePreview = "This theme has a preview image already, do you wish to replace it?";
  static inline const std::vector<std::string> kSavedButtons{"Ok", "Apply to LS", "Apply to SB"};
};

TEST_F(ThemeSaving, ANewNameWritesTheThemeAndItsPictureAndHalfASecondLaterSaysSo) {
  canvas->creatorPreset["extra"] = "kept";
  saveAs("my theme");
  EXPECT_EQ(alert(), nullptr);
  // The panels stay out of the picture until it is taken.
  EXPECT_TRUE(canvas->menu->isHidden());
  EXPECT_FALSE(platform::foundation::fileExists(themeFile("My_theme.jpg")));

  MainQueue::shared().advance(0.49);
  EXPECT_EQ(alert(), nullptr);
  MainQueue::shared().advance(0.01);
  EXPECT_EQ(alertMessage(), "Theme has been saved");
  EXPECT_EQ(buttons(), kSavedButtons);
  MainQueue::shared().runPending();
  EXPECT_FALSE(canvas->menu->isHidden());

  EXPECT_EQ(platform::foundation::parseValue(contents("My_theme.json").value_or("")), canvas->creatorPreset);
  EXPECT_EQ(canvas->selectedTheme, "My_theme.json");
  const auto picture = platform::graphics::decodeJPEG(contents("My_theme.jpg").value_or(""));
  ASSERT_TRUE(picture);
  EXPECT_EQ(picture->width(), 375 * 3);
  EXPECT_EQ(picture->height(), 812 * 3);
}

TEST_F(ThemeSaving, ThePromptOffersTheEditedThemeAndAnEmptyNameAsksAgain) {
  canvas->saveTheme();
  ASSERT_NE(alert(), nullptr);
  EXPECT_EQ(alertMessage(), "Input a theme name");
  EXPECT_EQ(buttons(), (std::vector<std::string>{"Cancel", "Save"}));
  EXPECT_EQ(alert()->textFields().front()->text(), "Clock");
  EXPECT_EQ(alert()->textFields().front()->placeholder(), "Theme Name");
  alert()->chooseAction("Cancel");

  canvas->selectedTheme = "time.json";
  saveAs("");
  answer("You must input a theme name to save a theme.", "Ok");
  EXPECT_EQ(alertMessage(), "Input a theme name");
  EXPECT_EQ(alert()->textFields().front()->text(), "");
}

TEST_F(ThemeSaving, OverwritingAsksFirstAndKeepsTheOldPictureWhenTold) {
  const std::string oldDocument = contents("Clock.json").value_or("");
  const std::string oldPicture = "\xFF\xD8 the old picture \xFF\xD9";
  device.writeFile(std::string(kEditorThemesFolder) + "Clock.jpg", oldPicture);
  canvas->creatorPreset["extra"] = "edited";

  canvas->saveThemeWithName("Clock.json");
  answer(kOverwrite, "No");
  MainQueue::shared().advance(1);
  EXPECT_EQ(alert(), nullptr);
  EXPECT_EQ(contents("Clock.json"), oldDocument);

  canvas->saveThemeWithName("Clock.json");
  answer(kOverwrite, "Yes");
  answer(kReplacePreview, "No");
  MainQueue::shared().advance(0.5);
  EXPECT_EQ(alertMessage(), "Theme has been saved");
  EXPECT_EQ(platform::foundation::parseValue(contents("Clock.json").value_or("")), canvas->creatorPreset);
  EXPECT_EQ(contents("Clock.jpg"), oldPicture);
  alert()->chooseAction("Ok");

  canvas->saveThemeWithName("Clock.json");
  answer(kOverwrite, "Yes");
  answer(kReplacePreview, "Yes");
  MainQueue::shared().advance(0.5);
  EXPECT_TRUE(platform::graphics::decodeJPEG(contents("Clock.jpg").value_or("")));
}

TEST_F(ThemeSaving, OverwritingAThemeWithoutAPictureDrawsOneWithoutAskingAboutIt) {
  canvas->saveThemeWithName("Clock.json");
  answer(kOverwrite, "Yes");
  MainQueue::shared().advance(0.5);
  EXPECT_EQ(alertMessage(), "Theme has been saved");
  EXPECT_TRUE(platform::graphics::decodeJPEG(contents("Clock.jpg").value_or("")));
}

TEST_F(ThemeSaving, HostileNamesAreRefusedWithAnAlertAndWriteNothing) {
  const auto before = filesInDevice();
  const std::vector<std::string> hostile{"../x", "a/b", ".", "..", ".x", "a\\b", std::string(101, 'a')};
  for (const std::string& typed : hostile) {
    saveAs(typed);
    EXPECT_EQ(alertMessage(), kUserFileNameRule) << typed;
    ASSERT_NE(alert(), nullptr);
    alert()->chooseAction("Ok");
  }
  canvas->saveThemeWithName("../../../../x.json");
  EXPECT_EQ(alertMessage(), kUserFileNameRule);
  MainQueue::shared().advance(1);
  EXPECT_EQ(filesInDevice(), before);
  EXPECT_EQ(canvas->selectedTheme, "Clock.json");
}

TEST_F(ThemeSaving, AWriteThatFailsHalfWayLeavesTheOldFileAndIsReportedAsAFailure) {
  const std::string oldDocument = contents("Clock.json").value_or("");
  canvas->creatorPreset["extra"] = std::string(4096, 'x');
  const auto saveOnAFullDisk = [&](const std::string& fileName) {
    const FileSizeLimit fullDisk(oldDocument.size() + 16);
    canvas->saveThemeWithName(fileName);
    if (fileName == "Clock.json") answer(kOverwrite, "Yes");
    MainQueue::shared().advance(0.5);
  };

  saveOnAFullDisk("Clock.json");
  EXPECT_EQ(alertMessage(),
            "Error saving theme: The file \"Clock.json\" could not be written; the theme file is unchanged.");
  // The old theme is still there to apply.
  EXPECT_EQ(buttons(), kSavedButtons);
  alert()->chooseAction("Ok");
  EXPECT_EQ(contents("Clock.json"), oldDocument);

  saveOnAFullDisk("New.json");
  EXPECT_EQ(alertMessage(),
            "Error saving theme: The file \"New.json\" could not be written; the theme file is unchanged.");
  EXPECT_EQ(buttons(), std::vector<std::string>{"Ok"});
  EXPECT_EQ(platform::foundation::listFolder(themeFile("")), std::vector<std::string>{"Clock.json"});
}

TEST_F(ThemeSaving, ApplyingFromTheResultRecordsTheSavedFileForThatScreen) {
  saveAs("night");
  MainQueue::shared().advance(0.5);
  ASSERT_TRUE(alert()->chooseAction("Apply to LS"));
  const auto settings = platform::foundation::PreferenceDomain("com.kestrune.vantile").read();
  ASSERT_TRUE(settings);
  EXPECT_EQ(*settings, (Value{{"VantileTheme", "Night.json"}}));
}

TEST_F(ThemeSaving, RecoveringAfterASaveGivesBackWhatWasWritten) {
  saveAs("clock");
  answer(kOverwrite, "Yes");
  MainQueue::shared().advance(0.5);
  const auto written = platform::foundation::parseValue(contents("Clock.json").value_or(""));
  canvas->backupTheme();
  canvas->creatorPreset["PresetView"]["children"] = Value::object();
  canvas->reloadTheme();
  EXPECT_TRUE(canvas->recoverTheme());
  EXPECT_EQ(canvas->creatorPreset, written);
}

}  // namespace
}  // namespace vantile::testing
