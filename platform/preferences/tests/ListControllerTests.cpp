#include <gtest/gtest.h>

#include "platform/foundation/files/Bundle.h"
#include "platform/foundation/notifications/DarwinNotificationCenter.h"
#include "platform/foundation/preferences/PreferenceDomain.h"
#include "platform/foundation/queues/MainQueue.h"
#include "platform/preferences/CellClassRegistry.h"
#include "platform/preferences/ListController.h"
#include "platform/preferences/ListItemsController.h"
#include "platform/preferences/PaneRegistry.h"
#include "platform/ui/gestures/TouchInjector.h"
#include "platform/ui/navigation/NavigationController.h"
#include "platform/ui/text/Label.h"
#include "platform/ui/views/Screen.h"
#include "platform/ui/views/Window.h"
#include "testing/ManualMainQueue.h"
#include "testing/TemporaryDeviceRoot.h"

namespace platform::preferences {
namespace {

constexpr const char* kBundle = "/Library/PreferenceBundles/test.bundle";

// A pane whose rows come from the file "Root", as a bundle's root pane.
class RootPane : public ListController {
 public:
  explicit RootPane(ConstructionKey key) : ListController(key) {}
  static std::shared_ptr<RootPane> make() { return std::make_shared<RootPane>(ConstructionKey{}); }
  const std::vector<PaneRow>& specifiers() override {
    if (!specifiers_) {
      ++loads;
      specifiers_ = loadSpecifiersFromPlistName("Root");
    }
    return *specifiers_;
  }
  int loads = 0;
};

class ListControllerPane : public ::testing::Test {
 protected:
  vantile::testing::ManualMainQueue manualQueue;
  vantile::testing::TemporaryDeviceRoot root;

  void SetUp() override {
    root.writeFile(std::string(kBundle) + "/Root.plist", R"(<?xml version="1.0" encoding="UTF-8"?>
<plist version="1.0"><dict><key>title</key><string>Test</string><key>items</key><array>
  <dict><key>cell</key><string>PSGroupCell</string><key>label</key><string>Panes</string></dict>
  <dict><key>cell</key><string>PSLinkCell</string><key>label</key><string>Editor</string>
        <key>detail</key><string>TestPane</string></dict>
  <dict><key>cell</key><string>PSLinkCell</string><key>label</key><string>Nowhere</string>
        <key>detail</key><string>MissingPane</string></dict>
  <dict><key>cell</key><string>PSLinkListCell</string><key>label</key><string>Colour</string>
        <key>defaults</key><string>test.domain</string><key>key</key><string>colour</string>
        <key>default</key><string>g</string><key>PostNotification</key><string>test/changed</string>
        <key>titlesDataSource</key><string>colourTitles</string><key>valuesDataSource</key><string>colourValues</string></dict>
  <dict><key>cell</key><string>PSSliderCell</string><key>label</key><string>Made By Name</string>
        <key>cellClass</key><string>TestCell</string><key>height</key><real>56</real></dict>
</array></dict></plist>)");
    foundation::Bundle::main().setResourceFolder(kBundle);
    PaneRegistry::shared().registerPane("TestPane", [] { return ui::ViewController::make(); });
    window->setRootViewController(navigation);
    window->makeKeyAndVisible();
    window->layoutIfNeeded();
  }
  void TearDown() override { foundation::Bundle::main().setResourceFolder(""); }

  std::shared_ptr<ui::Window> window = ui::Window::make(ui::Screen::mainScreen().bounds());
  std::shared_ptr<RootPane> pane = RootPane::make();
  std::shared_ptr<ui::NavigationController> navigation = ui::NavigationController::make(pane);
};

TEST_F(ListControllerPane, ShowsTheRowsOfItsPaneRowFileLoadedOnceUnderTheFilesTitle) {
  EXPECT_EQ(pane->navigationItem().title(), "Test");
  ASSERT_EQ(pane->table()->numberOfRowsInSection(0), 5);
  const auto cell = pane->table()->cellForRowAtIndexPath({0, 1});
  ASSERT_TRUE(cell);
  EXPECT_EQ(cell->textLabel()->text(), "Editor");
  EXPECT_EQ(cell->accessoryType(), ui::TableViewCell::AccessoryType::disclosureIndicator);
  EXPECT_EQ(pane->table()->cellForRowAtIndexPath({0, 0})->textLabel()->text(), "Panes");
  EXPECT_EQ(pane->loads, 1);
}

TEST_F(ListControllerPane, ATapOnALinkRowPushesItsPaneTitledByTheRow) {
  const auto cell = pane->table()->cellForRowAtIndexPath({0, 1});
  ASSERT_TRUE(cell);
  const auto point = cell->convertPointToView({cell->bounds().midX(), cell->bounds().midY()}, window.get());
  ASSERT_TRUE(point);
  ui::TouchInjector(window).tap(*point);

  ASSERT_EQ(navigation->viewControllers().size(), 2u);
  EXPECT_EQ(navigation->topViewController()->navigationItem().title(), "Editor");
}

TEST_F(ListControllerPane, OpensARowByItsLabelAndStaysForAPaneClassNoLibraryRegistered) {
  ::testing::internal::CaptureStderr();
  EXPECT_TRUE(pane->selectRowWithLabel("Nowhere"));
  EXPECT_NE(::testing::internal::GetCapturedStderr().find("no settings pane class named \"MissingPane\""),
            std::string::npos);
  EXPECT_EQ(navigation->viewControllers().size(), 1u);
  EXPECT_FALSE(pane->selectRowWithLabel("Panes "));
  EXPECT_TRUE(pane->selectRowWithLabel("Editor"));
  EXPECT_EQ(navigation->viewControllers().size(), 2u);
}

TEST_F(ListControllerPane, AListRowOffersItsChoicesCheckedByTheStoredValueAndATapStoresAndPosts) {
  pane->setListSource("colourTitles", [] { return std::vector<std::string>{"Red", "Green", "Orphan"}; });
  pane->setListSource("colourValues", [] { return std::vector<std::string>{"r", "g"}; });
  std::vector<std::string> posted;
  const auto observation = foundation::DarwinNotificationCenter::shared().addObserver(
      "test/changed", [&](const std::string& name) { posted.push_back(name); });
  ASSERT_TRUE(pane->selectRowWithLabel("Colour"));
  const auto choices = std::dynamic_pointer_cast<ListItemsController>(navigation->topViewController());
  ASSERT_TRUE(choices);
  EXPECT_EQ(choices->titles(), (std::vector<std::string>{"Red", "Green"})) << "a title without a value is left out";
  EXPECT_EQ(choices->checkedIndex(), 1u) << "the default counts while nothing is stored";

  ASSERT_TRUE(choices->chooseTitle("Red"));
  foundation::MainQueue::shared().runPending();
  EXPECT_EQ(foundation::PreferenceDomain("test.domain").valueForKey("colour"), Value("r"));
  EXPECT_EQ(posted, std::vector<std::string>{"test/changed"});
  EXPECT_EQ(choices->checkedIndex(), 0u);
}

TEST_F(ListControllerPane, ARowNamingACellClassGetsItsCellFromTheRegistryAtItsOwnHeight) {
  CellClassRegistry::shared().registerCellClass("TestCell", [](const PaneRow& row, ListController&) {
    auto cell = ui::TableViewCell::make(ui::TableViewCell::Style::subtitle, "");
    cell->textLabel()->setText("custom " + row.label);
    return cell;
  });
  pane->table()->reloadData();
  window->layoutIfNeeded();
  const auto cell = pane->table()->cellForRowAtIndexPath({0, 4});
  ASSERT_TRUE(cell);
  EXPECT_EQ(cell->textLabel()->text(), "custom Made By Name");
  EXPECT_EQ(pane->heightForRowAtIndexPath(*pane->table(), {0, 4}), 56);
}

TEST_F(ListControllerPane, APaneWithoutItsPaneRowFileShowsNoRowsAndSaysWhy) {
  auto lonely = RootPane::make();
  foundation::Bundle::main().setResourceFolder("/Library/PreferenceBundles/elsewhere.bundle");
  ::testing::internal::CaptureStderr();
  EXPECT_TRUE(lonely->specifiers().empty());
  EXPECT_NE(::testing::internal::GetCapturedStderr().find("\"Root.plist\" is not among the bundle's resources"),
            std::string::npos);
}

}  // namespace
}  // namespace platform::preferences
