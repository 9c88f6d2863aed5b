#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "platform/foundation/files/DeviceRoot.h"
#include "platform/foundation/files/Files.h"
#include "platform/foundation/notifications/DarwinNotificationCenter.h"
#include "platform/foundation/preferences/PreferenceDomain.h"
#include "platform/foundation/queues/MainQueue.h"
#include "platform/graphics/Image.h"
#include "platform/graphics/JPEGCodec.h"
#include "platform/ui/controls/AlertController.h"
#include "platform/ui/gestures/TouchInjector.h"
#include "platform/ui/input/TextField.h"
#include "platform/ui/text/Label.h"
#include "platform/ui/views/ImageView.h"
#include "platform/ui/views/Screen.h"
#include "platform/ui/views/ViewController.h"
#include "platform/ui/views/Window.h"
#include "settings/library/CreatorCell.h"
#include "settings/library/CreatorThemeDownloader.h"
#include "testing/ManualMainQueue.h"
#include "testing/TemporaryDeviceRoot.h"

namespace vantile::settings {
namespace {

namespace ui = platform::ui;
using platform::foundation::DarwinNotificationCenter;

constexpr const char* kThemes = "/var/mobile/Library/Vantile/themes/";

class ThemeLibrary : public ::testing::Test {
 protected:
  ThemeLibrary() {
    window->setRootViewController(controller);
    window->makeKeyAndVisible();
  }

  void installThemes(const std::vector<std::string>& files) const {
    for (const std::string& file : files) root.writeFile(kThemes + file, R"({"PresetView": {}})");
  }
  std::shared_ptr<ui::View> open(bool isForSB = false, CreatorThemeDownloader::Completion completion = {}) {
    auto shown = library->setupMainView(controller->view(), platform::Value::object(), isForSB, std::move(completion));
    controller->view()->addSubview(shown);
    shown->layoutIfNeeded();
    library->collectionView->layoutIfNeeded();
    // The cells grow in first; until then they take no touches.
    settle();
    return shown;
  }
  std::shared_ptr<ui::AlertController> shownAlert() const {
    return std::dynamic_pointer_cast<ui::AlertController>(controller->presentedViewController());
  }
  static std::vector<std::string> actionTitles(const ui::AlertController& alert) {
    std::vector<std::string> titles;
    for (const ui::AlertAction& action : alert.actions()) titles.push_back(action.title);
    return titles;
  }
  // The centre of the item's cell in the window.
  platform::graphics::Point itemCentre(int item) const {
    const auto cell = library->collectionView->cellForItemAtIndexPath(ui::IndexPath{0, item});
    const platform::graphics::Rect frame = cell->frame();
    return cell->superview()
        ->convertPointToView({frame.midX(), frame.midY()}, nullptr)
        .value_or(platform::graphics::Point{});
  }
  static void settle() { platform::foundation::MainQueue::shared().advance(1); }

  vantile::testing::ManualMainQueue manualQueue;
  vantile::testing::TemporaryDeviceRoot root;
  std::shared_ptr<ui::Window> window = ui::Window::make(ui::Screen::mainScreen().bounds());
  std::shared_ptr<ui::ViewController> controller = ui::ViewController::make();
  std::shared_ptr<CreatorThemeDownloader> library = CreatorThemeDownloader::make();
};

TEST_F(ThemeLibrary, ListsOnlyThemeDocumentsWithDigitRunsInNumericOrder) {
  EXPECT_TRUE(CreatorThemeDownloader::getLocalThemes().empty()) << "a missing folder lists nothing";
  installThemes({"10Theme.json", "2Theme.json", "1Theme.json", "time.json", "beta.json"});
  root.writeFile(std::string(kThemes) + "1Theme.jpg", "jpg");
  root.writeFile(std::string(kThemes) + "notes.txt", "text");

  EXPECT_EQ(CreatorThemeDownloader::getLocalThemes(),
            (std::vector<std::string>{"1Theme", "2Theme", "10Theme", "beta", "time"}));
}

TEST_F(ThemeLibrary, AnEmptyFolderGivesAnEmptyGridWithItsSearchFieldAndALongPressThereDoesNothing) {
  const auto shown = open();
  EXPECT_EQ(library->collectionView->numberOfItemsInSection(0), 0);
  ASSERT_TRUE(library->searchFieldView);
  EXPECT_EQ(library->searchFieldView->superview(), shown);
  EXPECT_EQ(library->searchFieldView->frame(), (platform::graphics::Rect{375.0 / 2 - 60, 80, 120, 30}));
  EXPECT_EQ(library->searchFieldView->autocorrectionType(), ui::TextField::AutocorrectionType::no);
  EXPECT_EQ(library->searchFieldView->autocapitalizationType(), ui::TextField::AutocapitalizationType::none);

  ui::TouchInjector touches(window);
  touches.press({180, 300}, 0.5);
  settle();
  EXPECT_FALSE(controller->presentedViewController());
}

TEST_F(ThemeLibrary, CellsShowTheNameAndThePreviewOrElseTheNoPreviewPicture) {
  installThemes({"Bare.json", "Pictured.json"});
  const auto picture = platform::graphics::Image::blank(10, 20);
  ASSERT_TRUE(picture);
  const std::string jpeg = platform::graphics::encodeJPEG(*picture, 0.8).value_or("");
  root.writeFile(std::string(kThemes) + "Pictured.jpg", jpeg);
  open();
  const auto cellAt = [this](int item) {
    return std::dynamic_pointer_cast<CreatorCell>(
        library->collectionView->cellForItemAtIndexPath(ui::IndexPath{0, item}));
  };
  ASSERT_TRUE(cellAt(1));
  EXPECT_EQ(cellAt(1)->frame().size, (platform::graphics::Size{92.5, 200}));
  EXPECT_EQ(cellAt(1)->uiLabel()->text(), "Pictured");
  EXPECT_EQ(cellAt(1)->viewWithTag(CreatorCell::kNameTag), cellAt(1)->uiLabel());
  EXPECT_TRUE(cellAt(1)->imageView()->image());
  EXPECT_FALSE(cellAt(0)->imageView()->image()) << "neither a preview nor NoPreview.jpg";

  root.writeFile(std::string(kThemes) + "NoPreview.jpg", jpeg);
  library->reloadGrid();
  EXPECT_EQ(cellAt(0)->uiLabel()->text(), "Bare");
  EXPECT_TRUE(cellAt(0)->imageView()->image());
}

TEST_F(ThemeLibrary, TypingNarrowsTheShownListAndDeletingStartsAgainFromEveryTheme) {
  installThemes({"abc.json", "abd.json", "xa.json", "time.json", "zz.json"});
  open();
  ui::TextField& field = *library->searchFieldView;
  // Each step: the edit the field asks about, then what it holds after it.
  const struct {
    ui::TextRange range;
    std::string replacement;
    std::vector<std::string> shown;
  } steps[] = {
      {{0, 0}, "a", {"abc", "abd", "xa"}}, {{1, 0}, "b", {"abc", "abd"}},
      {{1, 1}, "", {"abc", "abd", "xa"}},  {{0, 1}, "", {"abc", "abd", "time", "xa", "zz"}},
      {{0, 0}, "TIME", {"time"}},
  };
  for (const auto& step : steps) {
    EXPECT_TRUE(library->textField(field, step.range, step.replacement));
    field.setText(ui::textAfterReplacing(field.text(), step.range, step.replacement));
    EXPECT_EQ(library->themeNames, step.shown) << "after \"" << field.text() << "\"";
    EXPECT_EQ(library->collectionView->numberOfItemsInSection(0), static_cast<int>(step.shown.size()));
  }

  EXPECT_TRUE(field.becomeFirstResponder());
  EXPECT_TRUE(library->textFieldShouldClear(field));
  EXPECT_EQ(library->themeNames.size(), 5U);
  EXPECT_TRUE(field.isFirstResponder()) << "the keyboard goes on the next turn of the main queue";
  settle();
  EXPECT_FALSE(field.isFirstResponder());
  EXPECT_FALSE(library->textFieldShouldReturn(field));

  // Another field of the library's is left alone.
  const auto other = ui::TextField::make();
  EXPECT_TRUE(library->textField(*other, {0, 0}, "q"));
  EXPECT_TRUE(library->textFieldShouldReturn(*other));
  EXPECT_EQ(library->themeNames.size(), 5U);
}

TEST_F(ThemeLibrary, ATapAppliesTheThemeToTheScreenOfTheGridAndCreatesTheSettingsFile) {
  installThemes({"Harbour.json"});
  std::vector<std::string> received;
  std::vector<std::shared_ptr<DarwinNotificationCenter::Observation>> observations;
  for (const char* name : {"com.kestrune.vantile/preferences.changed", "com.kestrune.vantile/lsChanged",
                           "com.kestrune.vantile/sbChanged"}) {
    observations.push_back(DarwinNotificationCenter::shared().addObserver(
        name, [&received](const std::string& posted) { received.push_back(posted); }));
  }
  const struct {
    bool isForSB;
    std::string key;
    std::string change;
  } cases[] = {{false, "VantileTheme", "com.kestrune.vantile/lsChanged"},
               {true, "SB_VantileTheme", "com.kestrune.vantile/sbChanged"}};
  for (const auto& c : cases) {
    std::filesystem::remove(
        platform::foundation::devicePath("/var/mobile/Library/Preferences/com.kestrune.vantile.plist"));
    received.clear();
    open(c.isForSB);
    ui::TouchInjector(window).tap(itemCentre(0));
    settle();
    const platform::Value settings =
        platform::foundation::PreferenceDomain("com.kestrune.vantile").read().value_or(platform::Value::object());
    EXPECT_EQ(settings, (platform::Value{{c.key, "Harbour.json"}}));
    EXPECT_EQ(received, (std::vector<std::string>{"com.kestrune.vantile/preferences.changed", c.change}));
    const auto alert = shownAlert();
    ASSERT_TRUE(alert);
    EXPECT_EQ(alert->title(), "Vantile");
    EXPECT_EQ(alert->message(), "Theme Applied");
    EXPECT_EQ(actionTitles(*alert), (std::vector<std::string>{"Ok"}));
    alert->chooseAction("Ok");
    settle();
  }
}

TEST_F(ThemeLibrary, APickerTapHandsTheNameOfThePlaceToTheCompletionAndAppliesNothing) {
  installThemes({"Alpha.json", "Beta.json"});
  std::vector<std::string> picked;
  const auto shown = open(false, [&picked](const std::string& name) { picked.push_back(name); });
  // The picker's library view gets a close button.
  const auto cell = library->collectionView->cellForItemAtIndexPath(ui::IndexPath{0, 1});
  std::dynamic_pointer_cast<CreatorCell>(cell)->uiLabel()->setText("not the name");

  ui::TouchInjector(window).tap(itemCentre(1));
  settle();
  EXPECT_EQ(picked, (std::vector<std::string>{"Beta"}));
  EXPECT_FALSE(controller->presentedViewController());
  EXPECT_FALSE(platform::foundation::PreferenceDomain("com.kestrune.vantile").read());

  ui::TouchInjector(window).tap({375.0 / 2, 812 - 70});
  settle();
  EXPECT_FALSE(shown->superview()) << "the close button removes the library view";
}

TEST_F(ThemeLibrary, ALongPressOpensThePickerMenuOrTheDeleteMenuAndTimeCannotBeDeleted) {
  installThemes({"Alpha.json", "time.json"});
  const struct {
    bool picker;
    int item;
    std::string message;
    std::string title;
    std::vector<std::string> actions;
  } cases[] = {
      {true,
       0,
       "",
       "Theme options for Alpha",
       {"Export Theme", "Export Theme To Repo (EXPERT)", "Delete Theme", "Cancel"}},
      {false, 0, "", "Delete options for Alpha", {"Delete Theme Alpha", "Cancel"}},
      {false, 1, "Time theme cannot be deleted.", "Vantile", {"Ok"}},
  };
  for (const auto& c : cases) {
    if (c.picker) {
      open(false, [](const std::string&) {});
    } else {
      open();
    }
    ui::TouchInjector(window).press(itemCentre(c.item), 0.5);
    settle();
    const auto alert = shownAlert();
    ASSERT_TRUE(alert) << c.title;
    EXPECT_EQ(alert->title(), c.title);
    if (!c.message.empty()) {
      EXPECT_EQ(alert->message(), c.message);
    }
    EXPECT_EQ(actionTitles(*alert), c.actions);
    alert->chooseAction("Cancel") || alert->chooseAction("Ok");
    settle();
  }
}

TEST_F(ThemeLibrary, DeletingRemovesTheDocumentAndItsPreviewAndReportsOnlyADocumentThatStays) {
  installThemes({"Alpha.json", "Bare.json"});
  root.writeFile(std::string(kThemes) + "Alpha.jpg", "jpg");
  open();
  library->showOptionsMenuForTheme("Alpha");
  shownAlert()->chooseAction("Delete Theme Alpha");
  settle();
  const auto themes = platform::foundation::devicePath(kThemes);
  EXPECT_FALSE(std::filesystem::exists(themes / "Alpha.json"));
  EXPECT_FALSE(std::filesystem::exists(themes / "Alpha.jpg"));
  EXPECT_EQ(library->themeNames, (std::vector<std::string>{"Bare"}));

  library->showOptionsMenuForTheme("Bare");
  shownAlert()->chooseAction("Delete Theme Bare");
  settle();
  EXPECT_FALSE(controller->presentedViewController()) << "a missing preview is passed over";

  // A folder in a document's place cannot be removed: that is reported.
  root.writeFile(std::string(kThemes) + "Stuck.json/inside", "x");
  library->deleteFileAtPath(std::string(kThemes) + "Stuck.json");
  const auto alert = shownAlert();
  ASSERT_TRUE(alert);
  EXPECT_TRUE(alert->message()->starts_with("Error deleting file ")) << *alert->message();
}

}  // namespace
}  // namespace vantile::settings
