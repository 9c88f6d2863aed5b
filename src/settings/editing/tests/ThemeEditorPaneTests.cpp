#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>

#include "editor/CreatorView.h"
#include "editor/themefiles/ThemeLibraryHooks.h"
#include "inspector/menu/CreatorVerticalMenu.h"
#include "platform/foundation/files/DeviceRoot.h"
#include "platform/foundation/queues/MainQueue.h"
#include "platform/ui/controls/AlertController.h"
#include "platform/ui/input/TextField.h"
#include "platform/ui/navigation/NavigationController.h"
#include "platform/ui/views/Screen.h"
#include "platform/ui/views/Window.h"
#include "settings/editing/CreateTheme.h"
#include "settings/editing/EditTheme.h"
#include "settings/library/CreatorThemeDownloader.h"
#include "settings/library/EditorLibraryConnection.h"
#include "testing/ManualMainQueue.h"
#include "testing/TemporaryDeviceRoot.h"

namespace vantile::settings {
namespace {

namespace ui = platform::ui;

constexpr const char* kThemes = "/var/mobile/Library/Vantile/themes/";

class ThemeEditorPanes : public ::testing::Test {
 protected:
  ThemeEditorPanes() {
    root.writeFile(std::string(kThemes) + "time.json", R"({"PresetView": {"children": {}}})");
    root.writeFile(std::string(kThemes) + "Foo.json", R"({"PresetView": {"children": {}}})");
    window->makeKeyAndVisible();
  }

  template <class Pane>
  std::shared_ptr<Pane> show(std::shared_ptr<Pane> pane) {
    window->setRootViewController(ui::NavigationController::make(pane));
    return pane;
  }
  // The pane's save prompt, opened from its "Save Theme" button.
  static std::shared_ptr<ui::AlertController> savePrompt(ThemeEditorPane& pane) {
    EXPECT_EQ(pane.navigationItem().rightBarButtonItem(), pane.saveThemeButton());
    pane.saveThemeButton()->performAction();
    return std::dynamic_pointer_cast<ui::AlertController>(pane.presentedViewController());
  }
  static std::size_t themeFileCount() {
    std::size_t count = 0;
    for ([[maybe_unused]] const auto& entry :
         std::filesystem::directory_iterator(platform::foundation::devicePath(kThemes))) {
      ++count;
    }
    return count;
  }
  bool themeSaved(const std::string& file) const {
    return std::filesystem::exists(platform::foundation::devicePath(std::string(kThemes) + file));
  }

  vantile::testing::ManualMainQueue manualQueue;
  vantile::testing::TemporaryDeviceRoot root;
  std::shared_ptr<ui::Window> window = ui::Window::make(ui::Screen::mainScreen().bounds());
};

TEST_F(ThemeEditorPanes, ATypedNameIsSavedUnderItsFileName) {
  const struct {
    std::string typed;
    std::string file;
  } cases[] = {
      {"my theme", "My_theme.json"},
      {" x", "_x.json"},
      {"\xC3\xA9\x62\xC3\xA8ne", "\xC3\x89\x62\xC3\xA8ne.json"},
      {"a.json", "A.json.json"},
  };
  for (const auto& c : cases) {
    const auto pane = show(CreateTheme::make());
    const auto prompt = savePrompt(*pane);
    ASSERT_TRUE(prompt);
    EXPECT_EQ(prompt->message(), "Input a theme name");
    EXPECT_EQ(prompt->textFields().front()->placeholder(), "Theme Name");
    prompt->textFields().front()->setText(c.typed);
    ASSERT_TRUE(prompt->chooseAction("Save"));
    platform::foundation::MainQueue::shared().advance(1);
    EXPECT_TRUE(themeSaved(c.file)) << c.typed;
    EXPECT_EQ(CreatorView::sharedInstance().selectedTheme, c.file);
  }
}

TEST_F(ThemeEditorPanes, AnEmptyOrUnusableNameSavesNothingAndSaysWhy) {
  const struct {
    std::string typed;
    bool noName;
  } cases[] = {{"", true}, {"a/b", false}, {".hidden", false}};
  for (const auto& c : cases) {
    const auto pane = show(CreateTheme::make());
    const std::size_t before = themeFileCount();
    const auto prompt = savePrompt(*pane);
    prompt->textFields().front()->setText(c.typed);
    prompt->chooseAction("Save");
    platform::foundation::MainQueue::shared().advance(1);
    const auto alert = ui::AlertController::shownInKeyWindow();
    ASSERT_TRUE(alert) << c.typed;
    if (c.noName) {
      EXPECT_EQ(alert->message(), "You must input a theme name to save a theme.");
    }
    EXPECT_NE(alert, prompt);
    EXPECT_EQ(themeFileCount(), before) << c.typed;
  }
}

TEST_F(ThemeEditorPanes, EditThemeOpensTheChooserAndItsPromptShowsThePickedTheme) {
  auto& canvas = CreatorView::sharedInstance();
  EXPECT_EQ(savePrompt(*show(CreateTheme::make()))->textFields().front()->text(), "");

  const auto pane = show(EditTheme::make());
  auto& library = CreatorThemeDownloader::sharedInstance();
  ASSERT_TRUE(library.themeDownloaderView);
  EXPECT_EQ(library.themeDownloaderView->superview(), canvas.mainView);
  EXPECT_EQ(library.themeNames, (std::vector<std::string>{"Foo", "time"}));
  EXPECT_EQ(savePrompt(*pane)->textFields().front()->text(), "time");
  pane->dismissViewController(false);

  library.didSelectItemAtIndexPath(*library.collectionView, ui::IndexPath{0, 0});
  EXPECT_EQ(canvas.selectedTheme, "Foo.json");
  EXPECT_FALSE(library.themeDownloaderView->superview()) << "choosing closes the chooser";
  EXPECT_EQ(savePrompt(*pane)->textFields().front()->text(), "Foo");

  show(CreateTheme::make());
  EXPECT_EQ(canvas.selectedTheme, "time.json");
}

// The catalogue's transfer is replaced by one that answers at once with what the host sent.
TEST_F(ThemeEditorPanes, DownloadThemesOpensTheLibraryOverTheEditorOnlyOnceACatalogueCame) {
  auto& canvas = CreatorView::sharedInstance();
  show(CreateTheme::make());
  connectEditorToLibrary();
  std::optional<platform::Value> answer;
  themeLibraryHooks().fetchCatalogue = [&answer](std::function<void(const platform::Value&)> arrived) {
    if (answer) arrived(*answer);
  };
  const auto menuIsOpen = [&canvas] {
    return canvas.optionPicker && canvas.optionPicker->superview() == canvas.mainView;
  };

  canvas.loadSettingsPicker();
  canvas.creatorOptionSelected("Download Themes");
  EXPECT_TRUE(menuIsOpen()) << "no answer leaves the menu open";

  answer = platform::Value::object();
  canvas.creatorOptionSelected("Download Themes");
  EXPECT_FALSE(menuIsOpen());
  auto& library = CreatorThemeDownloader::sharedInstance();
  EXPECT_EQ(library.themeDownloaderView->superview(), canvas.mainView) << "no catalogue: the installed themes";
  EXPECT_EQ(library.themeNames, (std::vector<std::string>{"Foo", "time"}));
  connectEditorToLibrary();
}

}  // namespace
}  // namespace vantile::settings
