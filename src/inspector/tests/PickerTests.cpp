#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "inspector/pickers/AssetImages.h"
#include "inspector/pickers/ImagePickerVC.h"
#include "inspector/pickers/SFSymbolsVC.h"
#include "platform/foundation/files/DeviceRoot.h"
#include "platform/foundation/files/Files.h"
#include "platform/foundation/queues/MainQueue.h"
#include "platform/graphics/Image.h"
#include "platform/graphics/ImageCodec.h"
#include "platform/graphics/PNGCodec.h"
#include "platform/graphics/SymbolCatalogue.h"
#include "platform/ui/controls/AlertController.h"
#include "platform/ui/gestures/TouchInjector.h"
#include "platform/ui/input/TextField.h"
#include "platform/ui/lists/TableView.h"
#include "platform/ui/lists/TableViewCell.h"
#include "platform/ui/navigation/BarButtonItem.h"
#include "platform/ui/navigation/NavigationController.h"
#include "platform/ui/navigation/SearchController.h"
#include "platform/ui/text/Label.h"
#include "platform/ui/views/ImageView.h"
#include "platform/ui/views/Screen.h"
#include "platform/ui/views/Window.h"
#include "testing/ManualMainQueue.h"
#include "testing/TemporaryDeviceRoot.h"

namespace vantile::testing {
namespace {

namespace ui = platform::ui;
namespace foundation = platform::foundation;
using Names = std::vector<std::string>;

std::string assetFile(const std::string& name) { return std::string(kAssetsFolder) + name; }

std::optional<std::string> readAsset(const std::string& name) {
  return foundation::readFile(foundation::devicePath(assetFile(name)));
}

// A picker presented in its navigation stack over the key window's root controller.
class Pickers : public ::testing::Test {
 protected:
  ManualMainQueue manualQueue;
  TemporaryDeviceRoot deviceRoot;
  std::shared_ptr<ui::Window> window = ui::Window::make(ui::Screen::mainScreen().bounds());
  std::shared_ptr<ui::ViewController> root = ui::ViewController::make();

  void SetUp() override {
    window->setRootViewController(root);
    window->makeKeyAndVisible();
  }

  void present(const std::shared_ptr<PickerListController>& picker) {
    root->presentViewController(ui::NavigationController::make(picker), true);
    settle();
  }
  void settle() {
    foundation::MainQueue::shared().advance(0.5);
    window->layoutIfNeeded();
  }
  static Names shownRows(PickerListController& picker) {
    Names rows;
    for (const auto& indexPath : picker.tableView->indexPathsForVisibleRows()) {
      const auto cell = picker.tableView->cellForRowAtIndexPath(indexPath);
      rows.push_back(std::dynamic_pointer_cast<ui::Label>(cell->contentView()->viewWithTag(PickerListController::labelTag))->text());
    }
    return rows;
  }
  void typeSearch(PickerListController& picker, const std::string& text) {
    const auto& field = picker.searchController->searchBar()->searchTextField();
    field->becomeFirstResponder();
    field->insertText(text);
    settle();
  }
  platform::graphics::Point rowCentre(PickerListController& picker, int row) const {
    return *picker.tableView->convertPointToView({100, row * PickerListController::rowHeight + 32}, nullptr);
  }
  bool pickerShown() const { return root->presentedViewController() != nullptr; }
};

TEST_F(Pickers, TheSymbolPickerListsTheCatalogueAndHandsTheTappedNameBackWhenItCloses) {
  Names chosen;
  const auto picker = SFSymbolsVC::make([&chosen](const std::string& name) { chosen.push_back(name); });
  present(picker);
  Names catalogue;
  for (const auto name : platform::graphics::systemSymbolNames()) catalogue.emplace_back(name);
  EXPECT_EQ(picker->symbols, catalogue);
  EXPECT_EQ(picker->tableView->numberOfRowsInSection(0), static_cast<int>(catalogue.size()));
  const Names shown = shownRows(*picker);
  ASSERT_FALSE(shown.empty());
  EXPECT_EQ(shown, Names(catalogue.begin(), catalogue.begin() + static_cast<std::ptrdiff_t>(shown.size())))
      << "the first rows on screen, in catalogue order";

  const auto cell = picker->tableView->cellForRowAtIndexPath({0, 0});
  EXPECT_EQ(cell->frame().height(), 65);
  const auto glyph = std::dynamic_pointer_cast<ui::ImageView>(cell->contentView()->viewWithTag(PickerListController::imageViewTag));
  ASSERT_TRUE(glyph && glyph->image());
  EXPECT_EQ(glyph->frame(), (platform::graphics::Rect{15, 5, 48, 48}));
  EXPECT_EQ(glyph->renderingMode(), ui::ImageRenderingMode::alwaysTemplate);
  EXPECT_EQ(glyph->tintColor(), (platform::graphics::Color{0.56, 0.56, 0.58, 1}));

  ui::TouchInjector(window).tap(rowCentre(*picker, 1));
  EXPECT_EQ(chosen, Names{catalogue[1]});
  EXPECT_FALSE(pickerShown());
}

TEST_F(Pickers, SymbolSearchKeepsCatalogueOrderAndClearingItRestoresTheListAndEndsTheSearch) {
  const auto picker = SFSymbolsVC::make([](const std::string&) {});
  present(picker);
  typeSearch(*picker, "Star");
  EXPECT_EQ(picker->listData, Names{"star.fill"});
  typeSearch(*picker, "x");
  EXPECT_TRUE(picker->listData.empty());

  ASSERT_TRUE(picker->searchController->searchBar()->searchTextField()->clearButtonTapped());
  settle();
  EXPECT_EQ(picker->listData, picker->symbols);
  EXPECT_EQ(picker->tableView->numberOfRowsInSection(0), static_cast<int>(picker->symbols.size()));
  EXPECT_FALSE(picker->searchController->isActive());
  EXPECT_FALSE(picker->searchController->searchBar()->showsCancelButton());
}

TEST_F(Pickers, TheCancelButtonShowsWhileSearchingAndRestoresTheFullList) {
  const auto picker = SFSymbolsVC::make([](const std::string&) {});
  present(picker);
  const auto& bar = *picker->searchController->searchBar();
  typeSearch(*picker, "fill");
  EXPECT_TRUE(bar.showsCancelButton());
  EXPECT_EQ(picker->listData.size(), 8u);

  ASSERT_TRUE(picker->searchController->searchBar()->cancelButtonTapped());
  EXPECT_EQ(picker->listData, picker->symbols);
  EXPECT_FALSE(bar.showsCancelButton());
}

// The image picker over a folder of pictures.
class ImagePicker : public Pickers {
 protected:
  void SetUp() override {
    Pickers::SetUp();
    deviceRoot.writeFile(assetFile("star.png"), *platform::graphics::encodePNG(*platform::graphics::Image::blank(4, 4)));
    for (const char* name : {"STAR.PNG", "moon.jpg", "Sun.JPG", "sky.jpeg"}) deviceRoot.writeFile(assetFile(name), "x");
    picker->images = ImagePickerVC::getImages();
    picker->completionBlock = [this](const std::string& name) { chosen.push_back(name); };
    present(picker);
  }
  // "Add Image", a photo picked from the library and the name typed into the alert.
  void addPhoto(const std::string& typedName) {
    picker->addImageButton->performAction();
    const auto library = std::dynamic_pointer_cast<ui::ImagePickerController>(picker->presentedViewController());
    ASSERT_TRUE(library);
    library->pickImage(photo);
    const auto alert = shownAlert();
    ASSERT_TRUE(alert);
    ASSERT_EQ(alert->message(), "Enter name for this image");
    ASSERT_EQ(alert->textFields().size(), 1u);
    EXPECT_EQ(alert->textFields()[0]->placeholder(), "my_image");
    alert->textFields()[0]->setText(typedName);
    alert->chooseAction("Apply");
    settle();
  }
  // Alerts show over the picker, inside its navigation stack.
  std::shared_ptr<ui::AlertController> shownAlert() const {
    return std::dynamic_pointer_cast<ui::AlertController>(picker->presentedViewController());
  }
  std::optional<std::string> shownAlertMessage() const {
    const auto alert = shownAlert();
    return alert ? alert->message() : std::nullopt;
  }

  std::shared_ptr<ImagePickerVC> picker = ImagePickerVC::make();
  platform::graphics::Image photo = *platform::graphics::Image::blank(3, 2);
  Names chosen;
};

TEST_F(ImagePicker, ItListsTheGivenFilesWithThumbnailsAndATapHandsTheFileNameBack) {
  // Names equal but for case keep the folder's order.
  EXPECT_EQ(shownRows(*picker), (Names{"moon.jpg", "STAR.PNG", "star.png"}));
  EXPECT_EQ(picker->navigationItem().rightBarButtonItem()->title(), "Add Image");
  const auto cellImage = [&](int row) {
    const auto cell = picker->tableView->cellForRowAtIndexPath({0, row});
    return std::dynamic_pointer_cast<ui::ImageView>(cell->contentView()->viewWithTag(PickerListController::imageViewTag));
  };
  EXPECT_FALSE(cellImage(0)->image()) << "an undecodable file shows an empty thumbnail";
  ASSERT_TRUE(cellImage(2)->image());
  EXPECT_EQ(cellImage(2)->image()->width(), 4);
  EXPECT_EQ(cellImage(2)->layer()->cornerRadius(), 10);

  ui::TouchInjector(window).tap(rowCentre(*picker, 1));
  EXPECT_EQ(chosen, Names{"STAR.PNG"});
  EXPECT_FALSE(pickerShown());
}

TEST_F(ImagePicker, SearchComparesLowerCaseFormsSoStarFindsBothSpellings) {
  typeSearch(*picker, "Star");
  EXPECT_EQ(shownRows(*picker), (Names{"STAR.PNG", "star.png"}));
  ui::TouchInjector(window).tap(rowCentre(*picker, 1));
  EXPECT_EQ(chosen, Names{"star.png"}) << "the row of the search result";
}

TEST_F(ImagePicker, APhotoIsStoredAsAPngUnderTheTypedNameWithSpacesAsUnderscores) {
  addPhoto("my photo");
  const auto stored = readAsset("my_photo.png");
  ASSERT_TRUE(stored);
  const auto decoded = platform::graphics::decodeImage(*stored);
  ASSERT_TRUE(decoded);
  EXPECT_EQ(decoded->width(), 3);
  EXPECT_EQ(picker->listData, (Names{"moon.jpg", "my_photo.png", "STAR.PNG", "star.png"}));

  addPhoto(" ");
  EXPECT_TRUE(readAsset("_.png"));
}

TEST_F(ImagePicker, AnExistingNameIsReplaced) {
  addPhoto("star");
  const auto decoded = platform::graphics::decodeImage(*readAsset("star.png"));
  ASSERT_TRUE(decoded);
  EXPECT_EQ(decoded->width(), 3);
  EXPECT_EQ(picker->listData.size(), 3u);
}

TEST_F(ImagePicker, AnEmptyOrHostileNameIsRefusedWithAnAlertAndNothingIsWritten) {
  const auto before = foundation::listFolder(deviceRoot.path());
  const auto assetsBefore = foundation::listFolder(foundation::devicePath(kAssetsFolder));
  addPhoto("");
  EXPECT_EQ(shownAlertMessage(), "You must enter a name for the image. Try again.");
  shownAlert()->chooseAction("OK");

  addPhoto("../x");
  EXPECT_NE(shownAlertMessage().value_or("").find("1 to 100 characters"), std::string::npos);
  EXPECT_EQ(foundation::listFolder(foundation::devicePath(kAssetsFolder)), assetsBefore);
  EXPECT_EQ(foundation::listFolder(deviceRoot.path()), before);
  EXPECT_FALSE(foundation::fileExists(foundation::devicePath("/var/mobile/Library/x.png")));
}

TEST_F(ImagePicker, CancellingTheNameAlertWritesNothing) {
  picker->addImageButton->performAction();
  std::dynamic_pointer_cast<ui::ImagePickerController>(picker->presentedViewController())->pickImage(photo);
  shownAlert()->chooseAction("Cancel");
  settle();
  EXPECT_EQ(foundation::listFolder(foundation::devicePath(kAssetsFolder)).size(), 5u);
}

TEST_F(ImagePicker, ASwipeDeletesTheRowsFileUntilTheListIsEmpty) {
  for (int left = 3; left > 0; --left) {
    ui::TouchInjector touches(window);
    const auto row = rowCentre(*picker, 0);
    touches.drag({row.x + 200, row.y}, {row.x + 50, row.y}, 5);
    touches.tap({window->bounds().width() - 40, row.y});
    EXPECT_EQ(picker->listData.size(), static_cast<std::size_t>(left - 1));
  }
  settle();
  EXPECT_TRUE(shownRows(*picker).empty());
  EXPECT_EQ(foundation::listFolder(foundation::devicePath(kAssetsFolder)), (Names{"Sun.JPG", "sky.jpeg"}));
}

TEST_F(ImagePicker, AFileThatCannotBeDeletedIsLogged) {
  picker->deleteFileAtPath(assetFile("gone.png"));
  settle();
  const auto log = foundation::readFile(foundation::devicePath("/var/mobile/Media/Downloads/vantile.log"));
  ASSERT_TRUE(log);
  EXPECT_NE(log->find("Log:Cannot delete image /var/mobile/Library/VantileAssets/gone.png"), std::string::npos);
}

}  // namespace
}  // namespace vantile::testing
