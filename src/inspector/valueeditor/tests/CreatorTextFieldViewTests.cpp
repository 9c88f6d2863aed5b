#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "inspector/valueeditor/CreatorTextFieldView.h"
#include "platform/foundation/queues/MainQueue.h"
#include "platform/ui/gestures/TouchInjector.h"
#include "platform/ui/input/Keyboard.h"
#include "platform/ui/input/TextField.h"
#include "platform/ui/text/Label.h"
#include "platform/ui/views/Screen.h"
#include "platform/ui/views/ScrollView.h"
#include "platform/ui/views/Window.h"
#include "testing/ManualMainQueue.h"
#include "testing/TemporaryDeviceRoot.h"

namespace vantile::testing {
namespace {

namespace ui = platform::ui;
using platform::foundation::MainQueue;
using Rows = std::vector<std::string>;

constexpr double kScreenHeight = 812;

// A value editor over a phone-sized key window, editing an inspector field, with made-up data
// keys, apps and asset folders, recording what it completes with.
class ValueEditor : public ::testing::Test {
 protected:
  ValueEditor() {
    ui::Screen::mainScreen().setBounds({0, 0, 375, kScreenHeight});
    window->makeKeyAndVisible();
  }
  // The keyboard keeps its height from show to show: the next test starts with the default.
  ~ValueEditor() override {
    ui::Keyboard::shared().show(ui::Keyboard::defaultHeight);
    ui::Keyboard::shared().hide();
  }

  ValueEditorSources sources() {
    return {
        .dataKeys = {"date", "dayName", "time"},
        .demoValues = [](std::string_view name) -> std::optional<std::string> {
          if (name == "date") return "11";
          return std::nullopt;
        },
        .installedApps = [] { return Rows{"com.example.notes", "com.apple.siri", "com.apple.mobilemail", "com.Mailer"}; },
        .folderEntries = [this](const std::string& folder) { return folders[folder]; },
    };
  }

  // Opens the panel for a field with the address and text; focusing its own field brings up the
  // keyboard, which the panel moves onto.
  void open(const std::string& address, const std::string& text, bool withCompletion = true) {
    reference->layer()->setName(address);
    reference->setText(text);
    panel = CreatorTextFieldView::initWithFrame({0, 256, 375, 100}, sources());
    window->addSubview(panel);
    CreatorTextFieldView::Completion completion;
    if (withCompletion) completion = [this](const std::string& value) { completions.push_back(value); };
    panel->createTextFieldWithTextField(reference, completion);
    MainQueue::shared().advance(0);
  }

  Rows rows() const {
    Rows values;
    for (const auto& subview : panel->scrollview->subviews()) {
      if (std::dynamic_pointer_cast<ui::Label>(subview)) values.push_back(subview->layer()->name().value_or(""));
    }
    return values;
  }
  std::shared_ptr<ui::Label> row(const std::string& value) const {
    for (const auto& subview : panel->scrollview->subviews()) {
      if (subview->layer()->name() == value) return std::dynamic_pointer_cast<ui::Label>(subview);
    }
    return nullptr;
  }
  void tapAt(const std::shared_ptr<ui::View>& view, platform::graphics::Point point) {
    finger.tap(view->convertPointToView(point, nullptr).value());
    MainQueue::shared().advance(1);
  }
  void tapRow(const std::string& value) {
    const auto label = row(value);
    ASSERT_TRUE(label) << value;
    tapAt(label, {label->bounds().size.width / 2, label->bounds().size.height / 2});
  }
  std::string text() const { return panel->textFieldView->text(); }

  ManualMainQueue manualQueue;
  TemporaryDeviceRoot deviceRoot;
  std::shared_ptr<ui::Window> window = ui::Window::make({0, 0, 375, kScreenHeight});
  std::shared_ptr<ui::TextField> reference = ui::TextField::make({10, 10, 100, 20});
  std::shared_ptr<CreatorTextFieldView> panel;
  std::map<std::string, Rows> folders;
  Rows completions;
  ui::TouchInjector finger{window};
};

TEST_F(ValueEditor, APickedSuggestionFillsTheFieldAndReturnCompletesAndCloses) {
  open("frame~x", "20");
  EXPECT_EQ(text(), "20");
  EXPECT_EQ(panel->textFieldView->layer()->name(), "frame~x");
  EXPECT_EQ(rows(), (Rows{"FR~", "center", "math()", "0"}));
  EXPECT_EQ(panel->frame().size.height, 175);

  tapRow("center");
  EXPECT_EQ(text(), "center");
  EXPECT_TRUE(panel->superview());
  EXPECT_TRUE(completions.empty());

  EXPECT_FALSE(ui::Keyboard::shared().pressReturn());
  EXPECT_EQ(completions, Rows{"center"});
  EXPECT_FALSE(panel->superview());
}

TEST_F(ValueEditor, ThePanelSitsOnTheKeyboard) {
  open("frame~x", "20");
  EXPECT_EQ(panel->frame().origin.y, kScreenHeight - ui::Keyboard::defaultHeight - 175);
  ui::Keyboard::shared().show(200.5);
  EXPECT_EQ(panel->frame().origin.y, std::trunc(kScreenHeight - 200.5 - 175));
  ui::Keyboard::shared().hide();
  EXPECT_EQ(panel->frame().origin.y, std::trunc(kScreenHeight - 200.5 - 175));
}

TEST_F(ValueEditor, DataKeysShowTheirPreviewAndAreAppendedAsTokensWithNoneRemoved) {
  open("data", "none");
  EXPECT_EQ(panel->frame().size.height, 300);
  EXPECT_TRUE(panel->searchFieldView);
  EXPECT_EQ(rows(), (Rows{"date", "dayName", "time"}));
  EXPECT_EQ(row("date")->text(), "     date - 11");
  EXPECT_EQ(row("time")->text(), "time");

  tapRow("date");
  EXPECT_EQ(text(), "[date]");
  tapRow("time");
  EXPECT_EQ(text(), "[date][time]");
}

TEST_F(ValueEditor, AnimationStepsAreToggledInsideTheBraces) {
  open("animation~Clock", "{x:0,}");
  tapRow("alpha:0,");
  EXPECT_EQ(text(), "{x:0,alpha:0,}");
  tapRow("x:0,");
  EXPECT_EQ(text(), "{alpha:0,}");
}

TEST_F(ValueEditor, ImageFoldersOpenTheirSetsAndAPickedSetBecomesItsPath) {
  folders["/var/mobile/Library/VantileAssets/signalImages/"] = {".DS_Store", "bars", "dots"};
  open("imageFolder", "none");
  tapRow("signal");
  EXPECT_EQ(rows(), (Rows{"bars", "dots"}));
  EXPECT_EQ(text(), "none");
  tapRow("bars");
  EXPECT_EQ(text(), "/var/mobile/Library/VantileAssets/signalImages/bars");

  open("imageFolder", "x");
  tapRow("none");
  EXPECT_EQ(text(), "none");
}

TEST_F(ValueEditor, AWebWidgetFolderCompletesWithItsPageAndCloses) {
  folders["/var/mobile/Library/VantileAssets/html/"] = {"clock", ".DS_Store"};
  open("webviewURL", "");
  tapRow("/var/mobile/Library/VantileAssets/html/");
  EXPECT_EQ(rows(), Rows{"clock"});
  tapRow("clock");
  EXPECT_EQ(completions, Rows{"file:///var/mobile/Library/VantileAssets/html/clock/index.html"});
  EXPECT_FALSE(panel->superview());
}

TEST_F(ValueEditor, AppsAreListedWithoutSystemServicesAndSearchedCaseInsensitively) {
  open("bundleID", "");
  EXPECT_EQ(panel->frame().size.height, 250);
  ASSERT_TRUE(panel->searchFieldView);
  EXPECT_EQ(rows(), (Rows{"com.apple.mobilemail", "com.example.notes", "com.Mailer"}));

  ASSERT_TRUE(panel->searchFieldView->becomeFirstResponder());
  ASSERT_TRUE(ui::Keyboard::shared().type("MAIL"));
  const Rows upper = rows();
  EXPECT_EQ(upper, (Rows{"com.apple.mobilemail", "com.Mailer"}));
  EXPECT_TRUE(panel->searchFieldView->clearButtonTapped());
  EXPECT_EQ(rows().size(), 3u);
  ASSERT_TRUE(ui::Keyboard::shared().type("mail"));
  EXPECT_EQ(rows(), upper);

  // Return in the search field hands on the editing field's text.
  panel->textFieldView->setText("com.Mailer");
  ui::Keyboard::shared().pressReturn();
  EXPECT_EQ(completions, Rows{"com.Mailer"});
}

TEST_F(ValueEditor, AnAddressWithBundleIDAndActionGrowsByBothAndListsTheActions) {
  open("action~bundleID", "");
  EXPECT_EQ(panel->frame().size.height, 400);
  EXPECT_TRUE(panel->searchFieldView);
  EXPECT_EQ(rows().front(), "animation");
  EXPECT_EQ(rows().size(), 13u);
}

TEST_F(ValueEditor, TheCloseButtonAndTapsBesideTheRowsChangeNothing) {
  open("ringBackground", "YES");
  tapAt(panel->scrollview, {20, 65});
  EXPECT_EQ(text(), "YES");
  EXPECT_TRUE(panel->superview());

  tapAt(panel, {375 - 25, 25});
  EXPECT_FALSE(panel->superview());
  EXPECT_TRUE(completions.empty());
  EXPECT_EQ(reference->text(), "YES");
}

TEST_F(ValueEditor, WithoutACompletionReturnKeepsThePanel) {
  open("fontSize", "12", false);
  EXPECT_FALSE(panel->scrollview);
  EXPECT_EQ(panel->frame(), (platform::graphics::Rect{0, kScreenHeight - ui::Keyboard::defaultHeight - 100, 375, 100}));
  ui::Keyboard::shared().pressReturn();
  EXPECT_TRUE(panel->superview());
}

}  // namespace
}  // namespace vantile::testing
