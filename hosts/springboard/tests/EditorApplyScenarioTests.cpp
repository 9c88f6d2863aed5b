#include <gtest/gtest.h>

#include <csignal>
#include <memory>
#include <string>

#include "DumpSearch.h"
#include "HostProcess.h"
#include "ScenarioDevice.h"
#include "editor/CreatorView.h"
#include "platform/foundation/files/Bundle.h"
#include "platform/foundation/files/Files.h"
#include "platform/foundation/queues/MainQueue.h"
#include "platform/ui/controls/AlertController.h"
#include "platform/ui/views/ViewController.h"
#include "platform/ui/views/Window.h"
#include "testing/ManualMainQueue.h"

namespace vantile::springboard {
namespace {

using platform::foundation::readFile;

// The Settings app's editor, in this process, on the device folder the host then runs on.
class EditorApplyScenario : public ::testing::Test {
 protected:
  EditorApplyScenario() {
    platform::foundation::Bundle::main().setBundleIdentifier("com.apple.Preferences");
    window->setRootViewController(platform::ui::ViewController::make());
    window->makeKeyAndVisible();
    canvas->setupMainView(platform::ui::View::make({0, 0, 375, 812}));
  }
  ~EditorApplyScenario() override { platform::foundation::Bundle::main().setBundleIdentifier(""); }

  static bool choose(const std::string& message, const std::string& button) {
    const auto alert = platform::ui::AlertController::shownInKeyWindow();
    EXPECT_TRUE(alert && alert->message() == message) << (alert ? alert->message().value_or("") : "no alert");
    return alert && alert->chooseAction(button);
  }

  testing::ManualMainQueue manualQueue;
  ScenarioDevice device{"hosts/springboard/tests/fixtures/scenario-device"};
  std::shared_ptr<platform::ui::Window> window = platform::ui::Window::make({0, 0, 375, 812});
  std::shared_ptr<CreatorView> canvas = CreatorView::make();
};

// The home screen's theme, edited, saved under a new name and applied to the lock screen: the
// next SpringBoard run shows it there.
TEST_F(EditorApplyScenario, AThemeEditedSavedAndAppliedToTheLockScreenShowsThereInTheNextRun) {
  canvas->loadThemeFile("Week.json");
  canvas->setElementStyle("data", "seconds", "Edited in the editor");
  canvas->saveThemeWithName("Edited.json");
  platform::foundation::MainQueue::shared().advance(0.5);
  ASSERT_TRUE(choose("Theme has been saved", "Apply to LS"));

  const auto dumpFile = device.path() / "views.json";
  HostProcess host(springboardProgram(), {"--root", device.path().string(), "--seconds", "1", "--dump",
                                          dumpFile.string()});
  ASSERT_EQ(host.wait(), 0) << host.errors();
  const platform::Value dump = readDump(dumpFile);
  const platform::Value* edited = findView(dump["lockscreen"], "id", "seconds");
  ASSERT_NE(edited, nullptr) << dump["lockscreen"].dump(1);
  EXPECT_EQ(edited->value("text", ""), "EDITED IN THE EDITOR");
}

// A SpringBoard already running live takes the applied theme up from the notifications alone.
TEST_F(EditorApplyScenario, ARunningSpringBoardShowsTheThemeAppliedToTheLockScreen) {
  const auto dumpFile = device.path() / "views.json";
  HostProcess host(springboardProgram(),
                   {"--root", device.path().string(), "--live", "--screen", "375x812@1", "--dump", dumpFile.string()});
  ASSERT_TRUE(host.started());
  const auto lockScreenText = [&] {
    const platform::Value dump = readDump(dumpFile);
    const platform::Value* edited = dump.is_object() ? findView(dump["lockscreen"], "id", "seconds") : nullptr;
    return edited ? edited->value("text", "") : std::string();
  };
  ASSERT_TRUE(eventually([&] { return readDump(dumpFile).is_object(); })) << host.errors();
  EXPECT_EQ(lockScreenText(), "");

  canvas->loadThemeFile("Week.json");
  canvas->setElementStyle("data", "seconds", "Applied while running");
  canvas->saveThemeWithName("Running.json");
  platform::foundation::MainQueue::shared().advance(0.5);
  ASSERT_TRUE(choose("Theme has been saved", "Apply to LS"));

  EXPECT_TRUE(eventually([&] { return lockScreenText() == "APPLIED WHILE RUNNING"; }))
      << readFile(dumpFile).value_or("no dump");
  EXPECT_EQ(host.stop(SIGTERM), 0) << host.errors();
}

}  // namespace
}  // namespace vantile::springboard
