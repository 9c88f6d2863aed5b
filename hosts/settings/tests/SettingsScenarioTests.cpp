#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "hosts/common/testing/HostProcess.h"
#include "platform/foundation/files/Files.h"
#include "platform/foundation/values/Value.h"
#include "testing/TemporaryDeviceRoot.h"

namespace vantile::settings_host {
namespace {

using platform::foundation::readFile;
using platform::foundation::writeFileAtomically;

std::filesystem::path sourcePath(const char* relative) {
  return std::filesystem::path(std::getenv("VANTILE_SOURCE_DIR")) / relative;
}

platform::Value readDump(const std::filesystem::path& file) {
  return platform::Value::parse(readFile(file).value_or("null"), nullptr, false);
}

// The example device, copied so that the host may write into it.
class SettingsScenario : public ::testing::Test {
 protected:
  void SetUp() override {
    std::filesystem::copy(sourcePath("examples/device"), root.path(), std::filesystem::copy_options::recursive);
  }

  std::filesystem::path writeScenario(const std::string& text) const {
    const auto file = root.path() / "scenario.json";
    EXPECT_TRUE(writeFileAtomically(file, text));
    return file;
  }

  std::filesystem::path program() const { return SETTINGS_PROGRAM; }

  testing::TemporaryDeviceRoot root;
};

// The root pane's row leads to the editor pane, whose view holds the canvas's editor.
TEST_F(SettingsScenario, OpensTheEditorPaneFromTheRootPaneAndSnapshotsIt) {
  const auto editorDump = root.path() / "editor.json";
  const auto endDump = root.path() / "end.json";
  const auto scenario =
      writeScenario(R"([
    {"at": 0, "do": "snapshot", "dump": ")" +
                    (root.path() / "root.json").string() + R"("},
    {"at": 1, "do": "open", "path": ["Theme Editor"]},
    {"at": 2, "do": "snapshot", "dump": ")" +
                    editorDump.string() + R"(", "png": ")" + (root.path() / "editor.png").string() + R"("}
  ])");
  hosts::HostProcess host(program(),
                          {"--root", root.path().string(), "--screen", "375x812@1", "--at", "2026-12-09T08:30:00",
                           "--scenario", scenario.string(), "--dump", endDump.string()},
                          {"TZ=Europe/Berlin"});
  ASSERT_EQ(host.wait(), 0) << host.errors();
  EXPECT_TRUE(hosts::hostLines(host.errors(), "settings").empty()) << host.errors();

  const platform::Value rootPane = readDump(root.path() / "root.json");
  EXPECT_NE(rootPane.dump().find("\"text\":\"Theme Editor\""), std::string::npos) << rootPane.dump(1);
  const platform::Value editor = readDump(editorDump);
  EXPECT_EQ(editor, readDump(sourcePath("hosts/settings/tests/fixtures/editor-expected.json"))) << editor.dump(1);
  EXPECT_EQ(readDump(endDump), editor);
  EXPECT_TRUE(std::filesystem::is_regular_file(root.path() / "editor.png"));
}

TEST_F(SettingsScenario, RefusesAnEventOfTheSpringBoardHostWithOneLine) {
  const auto scenario = writeScenario(R"([{"at": 0, "do": "unlock"}])");
  hosts::HostProcess host(program(), {"--root", root.path().string(), "--scenario", scenario.string()});
  EXPECT_EQ(host.wait(), 2);
  EXPECT_EQ(hosts::hostLines(host.errors(), "settings"),
            std::vector<std::string>{"settings: " + scenario.string() +
                                     ": event 0: \"unlock\" is an event of the springboard host, not of settings"});
}

TEST_F(SettingsScenario, SaysWhatOfTheScenarioFindsNothingToTouchAndGoesOn) {
  const auto scenario = writeScenario(R"([
    {"at": 0, "do": "open", "path": ["Nowhere"]},
    {"at": 1, "do": "alert", "title": "Ok"},
    {"at": 2, "do": "type", "text": "x"}
  ])");
  hosts::HostProcess host(program(), {"--root", root.path().string(), "--scenario", scenario.string()});
  EXPECT_EQ(host.wait(), 0) << host.errors();
  EXPECT_EQ(hosts::hostLines(host.errors(), "settings"),
            (std::vector<std::string>{"settings: scenario event 0: the pane shown has no row \"Nowhere\"",
                                      "settings: scenario event 1: no alert or sheet is shown",
                                      "settings: scenario event 2: no text field is being edited"}));
}

}  // namespace
}  // namespace vantile::settings_host
