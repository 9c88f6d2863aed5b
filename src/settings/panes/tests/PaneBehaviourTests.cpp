#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/foundation/files/Bundle.h"
#include "platform/foundation/notifications/DarwinNotificationCenter.h"
#include "platform/foundation/preferences/PreferenceDomain.h"
#include "platform/foundation/queues/MainQueue.h"
#include "platform/objc/Messaging.h"
#include "platform/objc/Runtime.h"
#include "platform/objc/SharedObject.h"
#include "platform/preferences/EditTextCell.h"
#include "platform/preferences/PaneRegistry.h"
#include "platform/ui/controls/AlertController.h"
#include "platform/ui/controls/Slider.h"
#include "platform/ui/controls/Switch.h"
#include "platform/ui/gestures/TouchInjector.h"
#include "platform/ui/input/TextField.h"
#include "platform/ui/navigation/NavigationController.h"
#include "platform/ui/text/Label.h"
#include "platform/ui/views/Screen.h"
#include "platform/ui/views/Window.h"
#include "settings/SettingsPanes.h"
#include "settings/panes/HideOptions.h"
#include "settings/panes/KSCustomSliderCell.h"
#include "settings/panes/Respring.h"
#include "settings/panes/VTPRootListController.h"
#include "testing/ManualMainQueue.h"
#include "testing/TemporaryDeviceRoot.h"

namespace vantile::settings {
namespace {

namespace foundation = platform::foundation;
using platform::Value;
using foundation::DarwinNotificationCenter;

constexpr const char* kBundle = "/Library/PreferenceBundles/vantileprefs.bundle";
constexpr const char* kDomain = "com.kestrune.vantile";

std::string rowFile(const std::string& items) {
  return R"(<?xml version="1.0" encoding="UTF-8"?><plist version="1.0"><dict><key>items</key><array>)" + items +
         "</array></dict></plist>";
}

std::string row(const std::string& cell, const std::string& label, const std::string& more) {
  return "<dict><key>cell</key><string>" + cell + "</string><key>label</key><string>" + label +
         "</string><key>defaults</key><string>com.kestrune.vantile</string>" + more + "</dict>";
}

class SettingsPaneBehaviour : public ::testing::Test {
 protected:
  vantile::testing::ManualMainQueue manualQueue;
  vantile::testing::TemporaryDeviceRoot root;
  std::vector<std::shared_ptr<DarwinNotificationCenter::Observation>> observations;
  std::vector<std::string> received;
  std::shared_ptr<platform::ui::Window> window = platform::ui::Window::make(platform::ui::Screen::mainScreen().bounds());

  void SetUp() override {
    const std::string textRow = row("PSEditTextCell", "Name", "<key>key</key><string>name</string>");
    for (const char* pane : {"Root", "IconOptionsD", "LSOptions", "LSThemeOptions", "SBThemeOptions", "iOS16",
                             "LSHTML", "HideSBOptions"}) {
      root.writeFile(std::string(kBundle) + "/" + pane + ".plist", rowFile(textRow));
    }
    root.writeFile(std::string(kBundle) + "/HideOptions.plist",
                   rowFile(row("PSSwitchCell", "Hide Battery",
                               "<key>key</key><string>hidebattery</string><key>id</key><string>hidebattery</string>"
                               "<key>default</key><true/><key>PostNotification</key>"
                               "<string>com.kestrune.vantile/preferences.changed</string>") +
                           row("PSSwitchCell", "Battery Colour",
                               "<key>key</key><string>c</string><key>dynamicRule</key>"
                               "<string>hidebattery, ==, 1</string>") +
                           row("PSSwitchCell", "Packed Rule",
                               "<key>key</key><string>p</string><key>dynamicRule</key>"
                               "<string>hidebattery,==,1</string>") +
                           row("PSSwitchCell", "Ghost Rule",
                               "<key>key</key><string>g</string><key>dynamicRule</key><string>ghost, ==, 1</string>") +
                           row("PSSliderCell", "Size",
                               "<key>key</key><string>size</string><key>cellClass</key>"
                               "<string>KSCustomSliderCell</string><key>min</key><real>0</real><key>max</key>"
                               "<real>100</real><key>default</key><real>3.14159</real><key>height</key>"
                               "<real>56</real><key>localizationTable</key><string>Sliders</string>")));
    root.writeFile(std::string(kBundle) + "/en.lproj/Sliders.strings",
                   "<plist><dict><key>Size</key><string>Battery Size</string></dict></plist>");
    foundation::Bundle::main().setResourceFolder(kBundle);
    registerPanes();
    for (const char* name : {"com.kestrune.vantile/preferences.changed", "com.kestrune.vantile/movedThemeLS",
                             "com.kestrune.vantile/movedThemeSB"}) {
      observations.push_back(DarwinNotificationCenter::shared().addObserver(
          name, [this](const std::string& posted) { received.push_back(posted); }));
    }
  }
  void TearDown() override { foundation::Bundle::main().setResourceFolder(""); }

  std::vector<std::string> delivered() {
    foundation::MainQueue::shared().runPending();
    return std::exchange(received, {});
  }

  std::shared_ptr<platform::preferences::ListController> show(std::string_view className) {
    auto pane = std::dynamic_pointer_cast<platform::preferences::ListController>(
        platform::preferences::PaneRegistry::shared().makePane(className));
    window->setRootViewController(platform::ui::NavigationController::make(pane));
    window->makeKeyAndVisible();
    window->layoutIfNeeded();
    return pane;
  }
};

TEST_F(SettingsPaneBehaviour, ReturnInATextRowPostsThePanesOneNotificationAfterStoringTheText) {
  const struct {
    const char* pane;
    std::vector<std::string> posted;
  } cases[] = {
      {"VTPRootListController", {"com.kestrune.vantile/preferences.changed"}},
      {"IconOptionsD", {}},
      {"LSOptions", {"com.kestrune.vantile/preferences.changed"}},
      {"LSThemeOptions", {"com.kestrune.vantile/movedThemeLS"}},
      {"SBThemeOptions", {"com.kestrune.vantile/movedThemeSB"}},
      {"iOS16", {"com.kestrune.vantile/preferences.changed"}},
      {"LSHTML", {"com.kestrune.vantile/preferences.changed"}},
      {"HideSBOptions", {}},
  };
  for (const auto& c : cases) {
    const auto pane = show(c.pane);
    const auto cell = std::dynamic_pointer_cast<platform::preferences::EditTextCell>(
        pane->table()->cellForRowAtIndexPath({0, 0}));
    ASSERT_TRUE(cell) << c.pane;
    ASSERT_TRUE(cell->textField()->becomeFirstResponder());
    cell->textField()->setText("");
    cell->textField()->insertText(c.pane);
    cell->textField()->returnKey();

    EXPECT_EQ(delivered(), c.posted) << c.pane;
    EXPECT_FALSE(cell->textField()->isFirstResponder()) << c.pane;
    EXPECT_EQ(foundation::PreferenceDomain(kDomain).valueForKey("name"), Value(c.pane));
  }
}

TEST_F(SettingsPaneBehaviour, ARuledRowFoldsWhileItsSwitchIsOnAndShowsOnceItIsTurnedOff) {
  const auto pane = std::dynamic_pointer_cast<HideOptions>(show("HideOptions"));
  ASSERT_TRUE(pane);
  auto& table = *pane->table();
  EXPECT_TRUE(pane->hasDynamicSpecifiers);
  EXPECT_EQ(pane->dynamicSpecifiers.size(), 2u) << "hidebattery and ghost";
  EXPECT_EQ(pane->heightForRowAtIndexPath(table, {0, 1}), 0);
  EXPECT_TRUE(pane->cellForSpecifierAtIndex(1)->clipsToBounds());
  EXPECT_GT(pane->heightForRowAtIndexPath(table, {0, 2}), 0) << "a rule without its spaces is no rule";
  EXPECT_GT(pane->heightForRowAtIndexPath(table, {0, 3}), 0) << "a controlling ID naming no row never hides";

  auto control = std::dynamic_pointer_cast<platform::ui::Switch>(pane->cellForSpecifierAtIndex(0)->accessoryView());
  ASSERT_TRUE(control);
  ASSERT_TRUE(control->isOn()) << "shows the row's default";
  EXPECT_EQ(control->onTintColor(), VantilePane::kControlTint) << "tinted before the pane appeared";
  const auto point =
      control->convertPointToView({control->bounds().midX(), control->bounds().midY()}, window.get());
  ASSERT_TRUE(point);
  platform::ui::TouchInjector(window).tap(*point);
  ASSERT_FALSE(control->isOn());
  window->layoutIfNeeded();

  EXPECT_EQ(foundation::PreferenceDomain(kDomain).valueForKey("hidebattery"), Value(false))
      << "the missing settings file is made on the first write";
  EXPECT_EQ(delivered(), std::vector<std::string>{"com.kestrune.vantile/preferences.changed"});
  EXPECT_GT(pane->heightForRowAtIndexPath(table, {0, 1}), 0);
}

TEST_F(SettingsPaneBehaviour, TheSliderCellShowsOneDecimalAndKeepsTypedValuesInItsRange) {
  const auto pane = show("HideOptions");
  const auto cell = std::dynamic_pointer_cast<KSCustomSliderCell>(pane->table()->cellForRowAtIndexPath({0, 4}));
  ASSERT_TRUE(cell);
  EXPECT_EQ(cell->valueLabel()->text(), "3.1");

  cell->setCustomSliderValue();
  const auto alert = platform::ui::AlertController::shownInKeyWindow();
  ASSERT_TRUE(alert);
  EXPECT_EQ(alert->title(), "Enter Value");
  ASSERT_EQ(alert->textFields().size(), 1u);
  EXPECT_EQ(alert->textFields()[0]->text(), "3.14");
  ASSERT_EQ(alert->actions().size(), 2u);
  EXPECT_EQ(alert->actions()[0].title, "Set");
  EXPECT_EQ(alert->actions()[1].title, "Cancel");
  alert->textFields()[0]->setText("250");
  ASSERT_TRUE(alert->chooseAction("Set"));
  foundation::MainQueue::shared().runPending();

  const struct {
    const char* typed;
    double stored;
    const char* shown;
  } cases[] = {{"250", 100, "100.0"}, {"-5", 0, "0.0"}, {"42.25", 42.25, "42.2"}, {"many", 0, "0.0"}};
  for (const auto& c : cases) {
    if (std::string(c.typed) != "250") cell->applyTypedValue(c.typed);
    EXPECT_EQ(foundation::PreferenceDomain(kDomain).valueForKey("size"), Value(static_cast<float>(c.stored)))
        << c.typed;
    EXPECT_EQ(cell->valueLabel()->text(), c.shown) << c.typed;
    EXPECT_DOUBLE_EQ(cell->slider()->value(), c.stored) << c.typed;
  }
}

TEST_F(SettingsPaneBehaviour, TheSliderCellTitlesFromItsTableAndColoursBothLabelsWithItsTint) {
  const auto pane = show("HideOptions");
  const auto cell = std::dynamic_pointer_cast<KSCustomSliderCell>(pane->table()->cellForRowAtIndexPath({0, 4}));
  ASSERT_TRUE(cell);
  EXPECT_EQ(cell->sliderLabel()->text(), "Battery Size");
  EXPECT_EQ(cell->sliderLabel()->textColor(), cell->tintColor()) << "coloured when the pane handed it out";
  EXPECT_EQ(cell->valueLabel()->textColor(), cell->tintColor());

  const platform::graphics::Color green{0, 0.8, 0.2, 1};
  pane->table()->setTintColor(green);
  EXPECT_EQ(cell->tintColor(), green);
  EXPECT_EQ(cell->sliderLabel()->textColor(), green);
  EXPECT_EQ(cell->valueLabel()->textColor(), green);

  cell->setCustomSliderValue();
  const auto alert = platform::ui::AlertController::shownInKeyWindow();
  ASSERT_TRUE(alert);
  EXPECT_EQ(alert->textFields()[0]->keyboardType(), platform::ui::TextField::KeyboardType::decimalPad);
  EXPECT_EQ(alert->textFields()[0]->textColor(), green);
  ASSERT_TRUE(alert->chooseAction("Cancel"));
}

// Stand-ins for the system's restart classes, recording what reaches them.
struct RestartRecorder {
  std::vector<std::string> reasons;
  std::vector<std::int64_t> options;
  std::size_t actionsSent = 0;
};
RestartRecorder recorder;

void declareRestartClasses() {
  namespace objc = platform::objc;
  namespace sig = respring_signatures;
  objc::registerClass("NSObject");
  objc::Class* action = objc::registerClass("SBSRelaunchAction", "NSObject");
  objc::Class* service = objc::registerClass("FBSSystemService", "NSObject");
  objc::addClassMethod<sig::MakeAction>(*action, "actionWithReason:options:targetURL:",
                                        [](objc::Object&, std::string reason, std::int64_t options,
                                           std::optional<std::string>) -> sig::ObjectPointer {
                                          recorder.reasons.push_back(reason);
                                          recorder.options.push_back(options);
                                          return std::make_shared<objc::SharedObject>("SBSRelaunchAction");
                                        });
  objc::addClassMethod<sig::SharedService>(*service, "sharedService", [](objc::Object&) -> sig::ObjectPointer {
    static const auto shared = std::make_shared<objc::SharedObject>("FBSSystemService");
    return shared;
  });
  objc::addMethod<sig::SendActions>(*service, "sendActions:withResult:",
                                    [](objc::Object&, std::vector<sig::ObjectPointer> actions,
                                       std::function<void(std::optional<std::string>)>) {
                                      recorder.actionsSent += actions.size();
                                    });
}

TEST(Respring, SendsOneRelaunchActionWhereTheSystemHasTheClassesAndNothingElsewhere) {
  platform::objc::removeClass("SBSRelaunchAction");
  platform::objc::removeClass("FBSSystemService");
  respring();
  EXPECT_EQ(recorder.actionsSent, 0u);

  declareRestartClasses();
  const auto pane = VTPRootListController::make();
  ASSERT_TRUE(pane->respringButton);
  EXPECT_EQ(pane->navigationItem().rightBarButtonItem(), pane->respringButton);
  pane->respringButton->performAction();
  EXPECT_EQ(recorder.reasons, std::vector<std::string>{"RestartRenderServer"});
  EXPECT_EQ(recorder.options, std::vector<std::int64_t>{4});
  EXPECT_EQ(recorder.actionsSent, 1u);
  platform::objc::removeClass("SBSRelaunchAction");
  platform::objc::removeClass("FBSSystemService");
}

}  // namespace
}  // namespace vantile::settings
