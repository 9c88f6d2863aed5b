#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/preferences/PaneRows.h"

namespace platform::preferences {
namespace {

std::string plist(const std::string& body) {
  return R"(<?xml version="1.0" encoding="UTF-8"?><plist version="1.0">)" + body + "</plist>";
}

TEST(PaneRowFile, ReadsTheTitleAndEveryRowWithItsKindLabelPaneAndProperties) {
  const auto file = parsePaneRowFile(plist(R"(<dict>
    <key>title</key><string>Vantile</string>
    <key>items</key><array>
      <dict><key>cell</key><string>PSGroupCell</string><key>label</key><string>Editor</string></dict>
      <dict><key>cell</key><string>PSLinkCell</string><key>label</key><string>Theme Editor</string>
            <key>detail</key><string>CreateTheme</string></dict>
      <dict><key>cell</key><string>PSSwitchCell</string><key>label</key><string>Enabled</string>
            <key>key</key><string>enabled</string><key>defaults</key><string>com.kestrune.vantile</string>
            <key>default</key><true/></dict>
    </array></dict>)"),
                                       "Root.plist");
  ASSERT_TRUE(file);
  EXPECT_EQ(file->title, "Vantile");
  ASSERT_EQ(file->items.size(), 3u);
  EXPECT_EQ(file->items[0].cell, CellKind::group);
  EXPECT_EQ(file->items[0].label, "Editor");
  EXPECT_EQ(file->items[1].cell, CellKind::link);
  EXPECT_EQ(file->items[1].detail, "CreateTheme");
  EXPECT_EQ(file->items[2].cell, CellKind::switchRow);
  EXPECT_EQ(file->items[2].properties["key"], "enabled");
  EXPECT_EQ(file->items[2].properties["default"], true);
}

TEST(PaneRowFile, LeavesOutEntriesItCannotReadAndKeepsTheOthers) {
  ::testing::internal::CaptureStderr();
  const auto file = parsePaneRowFile(plist(R"(<dict><key>items</key><array>
      <string>stray</string>
      <dict><key>label</key><string>No kind</string></dict>
      <dict><key>cell</key><string>PSLinkCell</string><key>label</key><string>Kept</string></dict>
    </array></dict>)"),
                                       "Root.plist");
  const std::string log = ::testing::internal::GetCapturedStderr();
  ASSERT_TRUE(file);
  ASSERT_EQ(file->items.size(), 1u);
  EXPECT_EQ(file->items[0].label, "Kept");
  EXPECT_FALSE(file->items[0].detail);
  EXPECT_FALSE(file->title);
  EXPECT_NE(log.find("Root.plist: item 0 is no dictionary"), std::string::npos) << log;
  EXPECT_NE(log.find("Root.plist: item 1 has no \"cell\""), std::string::npos) << log;
}

TEST(PaneRowFile, RefusesAFileThatIsNoPaneRowFileWithOneLogLine) {
  const std::vector<std::string> refused{"", "not a plist", plist("<array/>"), plist("<dict/>"),
                                         plist("<dict><key>items</key><string>x</string></dict>")};
  for (const std::string& bytes : refused) {
    SCOPED_TRACE(bytes);
    ::testing::internal::CaptureStderr();
    EXPECT_FALSE(parsePaneRowFile(bytes, "Bad.plist"));
    const std::string log = ::testing::internal::GetCapturedStderr();
    EXPECT_NE(log.find("row file Bad.plist"), std::string::npos) << log;
  }
}

}  // namespace
}  // namespace platform::preferences
