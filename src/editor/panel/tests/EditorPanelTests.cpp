#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "editor/files/ThemeBackup.h"
#include "editor/menus/tests/MenusFixture.h"
#include "editor/panel/PreviewSizes.h"
#include "editor/themefiles/ThemeFileNames.h"
#include "inspector/reorder/CreatorReorderView.h"
#include "platform/foundation/files/Bundle.h"
#include "platform/foundation/files/DeviceRoot.h"
#include "platform/foundation/files/Files.h"
#include "platform/foundation/notifications/DarwinNotificationCenter.h"
#include "platform/foundation/preferences/UserDefaults.h"
#include "platform/foundation/queues/MainQueue.h"
#include "platform/foundation/values/ValueParsing.h"
#include "platform/graphics/PNGCodec.h"
#include "platform/ui/controls/ImagePickerController.h"
#include "platform/ui/gestures/TouchInjector.h"
#include "platform/ui/views/ImageView.h"

namespace vantile::testing {
namespace {

using platform::Value;
using platform::graphics::Rect;

constexpr const char* kAssetsFolder = "/var/mobile/Library/VantileAssets/";

// The editor's screen with its panel; the options menu and the size list are read from the front menu.
class EditorPanel : public MenusTest {
 protected:
  EditorPanel() { platform::foundation::Bundle::main().setBundleIdentifier("com.apple.Preferences"); }
  ~EditorPanel() override {
    platform::foundation::Bundle::main().setBundleIdentifier("");
    platform::foundation::Bundle::main().setResourceFolder("");
  }

  // Where the icon bar's button with the tag stands in the main view.
  platform::graphics::Point iconBarPoint(std::int64_t tag) const {
    const auto button = iconBar()->viewWithTag(tag);
    const Rect frame = button->frame();
    const Rect panel = canvas->menu->frame();
    return {panel.origin.x + frame.origin.x + frame.size.width / 2, panel.origin.y + frame.size.height / 2};
  }
  std::shared_ptr<platform::ui::View> iconBar() const { return canvas->menu->subviews().front(); }

  void tapIconBar(std::int64_t tag) { platform::ui::TouchInjector(canvas->mainView).tap(iconBarPoint(tag)); }

  bool optionsMenuIsOpen() const { return canvas->optionPicker && canvas->optionPicker->superview() == canvas->mainView; }

  void choose(const std::string& row) {
    canvas->loadSettingsPicker();
    canvas->creatorOptionSelected(row);
  }

  std::shared_ptr<CreatorReorderView> openReorderView() const {
    for (const auto& view : canvas->mainView->subviews()) {
      if (auto reorder = std::dynamic_pointer_cast<CreatorReorderView>(view)) return reorder;
    }
    return nullptr;
  }

  void writePicture(const std::string& systemPath) const {
    const auto picture = platform::graphics::Image::blank(4, 4);
    device.writeFile(systemPath, platform::graphics::encodePNG(*picture).value());
  }

  Value savedDocument(const std::string& fileName) const {
    const auto text = platform::foundation::readFile(platform::foundation::devicePath(themeDocumentPath(fileName)));
    return text ? platform::foundation::parseValue(*text).value_or(Value()) : Value();
  }
};

TEST_F(EditorPanel, IsBuiltAsIconBarThenElementListThenHintLabel) {
  const auto& parts = canvas->menu->subviews();
  ASSERT_GE(parts.size(), 3U);
  EXPECT_EQ(parts.front()->frame(), (Rect{0, 0, 375, 40}));
  EXPECT_EQ(parts.back(), canvas->styleHintLabel);
  EXPECT_EQ(iconBar()->subviews().size(), 5U);
}

TEST_F(EditorPanel, IconBarButtonsShowTheirIconsAndWorkWithoutOne) {
  writePicture(std::string(kAssetsFolder) + "list.png");
  canvas->setupMainView(host);

  const auto listButton = iconBar()->viewWithTag(11);
  ASSERT_EQ(listButton->subviews().size(), 1U);
  EXPECT_EQ(listButton->subviews().front()->frame(), (Rect{0, 6, 30, 30}));
  EXPECT_NE(std::dynamic_pointer_cast<platform::ui::ImageView>(listButton->subviews().front())->image(), std::nullopt);
  const auto optionsButton = iconBar()->viewWithTag(13);
  EXPECT_TRUE(optionsButton->subviews().empty());

  tapIconBar(13);
  ASSERT_TRUE(optionsMenuIsOpen());
  EXPECT_EQ(title(*canvas->optionPicker), "Creator Options");
  EXPECT_EQ(rows(*canvas->optionPicker).front(), "Open Vantile Settings");
}

TEST_F(EditorPanel, IconBarTapsDispatchByTheTagUnderTheFinger) {
  tapIconBar(14);
  const auto reorder = openReorderView();
  ASSERT_NE(reorder, nullptr);
  // The table shows the front-most layer on top.
  EXPECT_EQ(reorder->_list, (std::vector<std::string>{"Plain", "Box", "Clock"}));
  reorder->completionBlock({});

  canvas->selectedElement = "Clock";
  canvas->styleMenu = platform::ui::View::make();
  canvas->mainView->addSubview(canvas->styleMenu);
  tapIconBar(66);
  EXPECT_EQ(canvas->getSelectedElement(), "none");
  EXPECT_EQ(canvas->styleMenu->superview(), nullptr);

  canvas->showHintLabel("x");
  tapIconBar(11);
  EXPECT_TRUE(canvas->styleHintLabel->isHidden());

  // Between the reorder button and the centre: no button.
  const auto before = canvas->mainView->subviews().size();
  platform::ui::TouchInjector(canvas->mainView).tap({115, canvas->menu->frame().origin.y + 20});
  EXPECT_EQ(canvas->mainView->subviews().size(), before);
  EXPECT_FALSE(optionsMenuIsOpen());
}

TEST_F(EditorPanel, RowsThatDoNothingLeaveTheMenuOpen) {
  const std::optional<std::string> texts[] = {std::nullopt, "Not a row", "Recover Theme", "Download Themes"};
  canvas->loadSettingsPicker();
  for (const auto& text : texts) {
    canvas->creatorOptionSelected(text);
    EXPECT_TRUE(optionsMenuIsOpen()) << text.value_or("(nothing)");
  }
}

TEST_F(EditorPanel, ToggleGridShowsAHiddenGridAndFlipsItsLabel) {
  canvas->disableGrid = true;
  canvas->reloadTheme();
  canvas->loadSettingsPicker();
  EXPECT_EQ(rows(*canvas->optionPicker)[6], "Toggle Grid (OFF)");
  canvas->creatorOptionSelected("Toggle Grid (OFF)");
  EXPECT_FALSE(canvas->gridView->isHidden());
  EXPECT_FALSE(canvas->disableGrid);
  EXPECT_FALSE(optionsMenuIsOpen());

  canvas->loadSettingsPicker();
  EXPECT_EQ(rows(*canvas->optionPicker)[6], "Toggle Grid (ON)");
  canvas->creatorOptionSelected("Toggle Grid (ON)");
  EXPECT_TRUE(canvas->gridView->isHidden());
  EXPECT_TRUE(canvas->disableGrid);
}

TEST_F(EditorPanel, ToggleHighlightOnAFreshInstallStoresYesThenNo) {
  const auto defaults = platform::foundation::UserDefaults::standard();
  ASSERT_FALSE(defaults.objectForKey("highlightOption").has_value());
  canvas->loadSettingsPicker();
  EXPECT_EQ(rows(*canvas->optionPicker)[7], "Toggle Highlight (OFF)");
  canvas->creatorOptionSelected("Toggle Highlight (OFF)");
  EXPECT_EQ(defaults.objectForKey("highlightOption"), Value(true));
  EXPECT_FALSE(optionsMenuIsOpen());
  choose("Toggle Highlight (ON)");
  EXPECT_EQ(defaults.objectForKey("highlightOption"), Value(false));
}

TEST_F(EditorPanel, OpenSettingsPostsTheDarwinNotificationAndCloses) {
  int posts = 0;
  const auto observation = platform::foundation::DarwinNotificationCenter::shared().addObserver(
      "com.kestrune.vantile/openSettings", [&posts](const std::string&) { ++posts; });
  choose("Open Vantile Settings");
  platform::foundation::MainQueue::shared().runPending();
  EXPECT_EQ(posts, 1);
  EXPECT_FALSE(optionsMenuIsOpen());
}

TEST_F(EditorPanel, PreviewSizeDrawsACopyAtTheSizeWhileTheDocumentKeepsItsFrame) {
  canvas->selectedTheme = "Edited.json";
  const Value documentFrame = canvas->creatorPreset["PresetView"]["frame"];
  choose("Preview Sizes");
  ASSERT_TRUE(optionsMenuIsOpen());
  EXPECT_EQ(rows(*canvas->optionPicker), previewSizeRows());
  EXPECT_EQ(openMenus().size(), 1U);

  canvas->optionPicker->completionBlock("iPad Air 824x1112");
  EXPECT_FALSE(optionsMenuIsOpen());
  EXPECT_EQ(canvas->display->frame(), (Rect{0, 0, 824, 1112}));
  EXPECT_EQ(canvas->creatorView->frame(), (Rect{0, 0, 824, 1112}));
  EXPECT_EQ(canvas->display->subviews(), std::vector<std::shared_ptr<platform::ui::View>>{canvas->creatorView});
  EXPECT_EQ(drawnNames(), (std::vector<std::string>{"Clock", "Box", "Plain"}));
  EXPECT_EQ(canvas->creatorPreset["PresetView"]["frame"], documentFrame);

  canvas->saveThemeWithName("Edited.json");
  EXPECT_EQ(savedDocument("Edited.json")["PresetView"]["frame"], documentFrame);
}

TEST_F(EditorPanel, MyDeviceRedrawsTheDocumentAtTheScreenSizeWithOneRootOnTheDisplay) {
  canvas->previewAtSize("iPad Air 824x1112");
  canvas->previewAtSize(std::string(kMyDeviceRow));
  EXPECT_EQ(canvas->display->frame(), (Rect{0, 0, 375, 812}));
  ASSERT_EQ(canvas->display->subviews().size(), 1U);
  EXPECT_EQ(canvas->display->subviews().front(), canvas->creatorView);
  EXPECT_EQ(canvas->creatorView->frame(), (Rect{0, 0, 375, 812}));
}

TEST_F(EditorPanel, PreviewIsLayeredAsTheDocumentsOwnDrawAlsoByARootChildorder) {
  Value document = editedTheme();
  document["PresetView"].erase("order");
  document["PresetView"]["childorder"] = "Clock,Box,Plain";
  useTheme(document);
  const auto layered = drawnNames();
  const Value drawnDocument = canvas->creatorPreset;
  EXPECT_EQ(layered, (std::vector<std::string>{"Plain", "Box", "Clock"}));
  canvas->previewAtSize("14Pro 393x852");
  EXPECT_EQ(drawnNames(), layered);
  EXPECT_EQ(canvas->creatorPreset, drawnDocument);
}

TEST_F(EditorPanel, ResetViewPositionCentresAnUnzoomedDisplayAtTheTop) {
  canvas->previewAtSize("iPad Air 824x1112");
  canvas->display->setTransform(platform::graphics::AffineTransform::identity().scaledBy(0.5, 0.5));
  choose("Reset View Position");
  EXPECT_EQ(canvas->display->transform(), platform::graphics::AffineTransform::identity());
  EXPECT_EQ(canvas->display->frame(), (Rect{-225, 0, 824, 1112}));
  EXPECT_FALSE(optionsMenuIsOpen());
}

TEST_F(EditorPanel, ReorderCloseChangesNothingAndSaveWritesTheRootOrder) {
  Value document = editedTheme();
  document["PresetView"].erase("order");
  useTheme(document);

  canvas->loadReorder();
  auto reorder = openReorderView();
  ASSERT_NE(reorder, nullptr);
  EXPECT_EQ(reorder->_list, (std::vector<std::string>{"Plain", "Box", "Clock"}));
  const auto drawn = canvas->creatorView;
  reorder->completionBlock({});
  EXPECT_EQ(openReorderView(), nullptr);
  EXPECT_EQ(canvas->creatorView, drawn);
  EXPECT_FALSE(canvas->creatorPreset["PresetView"].contains("order"));

  canvas->loadReorder();
  openReorderView()->completionBlock({"Plain", "Clock", "Box"});
  EXPECT_EQ(openReorderView(), nullptr);
  EXPECT_EQ(canvas->creatorPreset["PresetView"]["order"], (Value{"Plain", "Clock", "Box"}));
  EXPECT_EQ(drawnNames(), (std::vector<std::string>{"Plain", "Clock", "Box"}));
}

TEST_F(EditorPanel, RecoverThemeRestoresABackupHoldingJSONNullAndCloses) {
  Value document = editedTheme();
  document["PresetView"]["children"]["Clock"]["note"] = nullptr;
  useTheme(document);
  canvas->backupTheme();
  canvas->setElementStyle("text", "Clock", "changed");

  choose("Recover Theme");
  EXPECT_FALSE(optionsMenuIsOpen());
  EXPECT_EQ(element("Clock")["text"], "12:00");
  EXPECT_TRUE(element("Clock")["note"].is_null());
}

TEST_F(EditorPanel, BackgroundPictureIsShownNowAndRemovedToTheBundleBlank) {
  choose("Set Background Image");
  EXPECT_FALSE(optionsMenuIsOpen());
  const auto picker = platform::ui::ImagePickerController::shownInKeyWindow();
  ASSERT_NE(picker, nullptr);
  picker->pickImage(*platform::graphics::Image::blank(8, 8));
  EXPECT_EQ(platform::ui::ImagePickerController::shownInKeyWindow(), nullptr);
  ASSERT_TRUE(canvas->backgroundImage.has_value());
  EXPECT_EQ(canvas->backgroundImage->size(), (platform::graphics::Size{8, 8}));
  EXPECT_EQ(canvas->backgroundView->image(), canvas->backgroundImage);
  canvas->reloadTheme();
  EXPECT_EQ(canvas->backgroundView->image(), canvas->backgroundImage);

  choose("Remove Background Image");
  EXPECT_EQ(canvas->backgroundView->image(), std::nullopt);
  EXPECT_EQ(canvas->backgroundImage, std::nullopt);

  writePicture("/bundle/blank.png");
  platform::foundation::Bundle::main().setResourceFolder("/bundle");
  canvas->removeBackgroundImage();
  ASSERT_TRUE(canvas->backgroundImage.has_value());
  EXPECT_EQ(canvas->backgroundImage->size(), (platform::graphics::Size{4, 4}));
}

TEST_F(EditorPanel, ThePreviewSnapshotTakesTheOptionsMenuAway) {
  canvas->loadSettingsPicker();
  canvas->generateImage("Edited");
  EXPECT_FALSE(optionsMenuIsOpen());
}

}  // namespace
}  // namespace vantile::testing
