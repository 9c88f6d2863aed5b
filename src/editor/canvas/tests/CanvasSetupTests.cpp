#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "editor/CreatorView.h"
#include "editor/canvas/tests/CanvasFixture.h"

namespace vantile::testing {
namespace {

using platform::Value;

std::size_t linesContaining(const std::string& text, const std::string& part) {
  std::size_t count = 0;
  for (std::size_t start = 0; start < text.size();) {
    const std::size_t end = std::min(text.find('\n', start), text.size());
    if (text.substr(start, end - start).find(part) != std::string::npos) ++count;
    start = end + 1;
  }
  return count;
}

TEST(CanvasSetup, TheSharedCanvasIsOneObject) { EXPECT_EQ(&CreatorView::sharedInstance(), &CreatorView::sharedInstance()); }

TEST(CanvasSetup, TemplateFilesFollowTheBasicTypesSortedWithoutCase) {
  ManualMainQueue manualQueue;
  TemporaryDeviceRoot device;
  for (const char* file : {"clock.json", "Agenda.json", "notes.txt"}) {
    device.writeFile(std::string("/var/mobile/Library/VantileAssets/templates/") + file, "{}");
  }
  const auto canvas = CreatorView::make();
  ASSERT_EQ(canvas->elementTypes.size(), 17U);
  EXPECT_EQ(canvas->elementTypes[0], "UILabel");
  EXPECT_EQ(canvas->elementTypes[14], "AnalogClock");
  EXPECT_EQ(canvas->elementTypes[15], "Agenda");
  EXPECT_EQ(canvas->elementTypes[16], "clock");
}

TEST(CanvasSetup, TextThatIsNoJSONGivesAnEmptyDictionaryAndOneLogLine) {
  ::testing::internal::CaptureStderr();
  const Value parsed = CreatorView::stringToDictionary("{");
  const std::string log = ::testing::internal::GetCapturedStderr();
  EXPECT_EQ(parsed, Value::object());
  EXPECT_EQ(linesContaining(log, "stringToDictionary"), 1U);
}

TEST(CanvasSetup, DictionariesBecomeCompactText) {
  const Value dictionary = {{"b", "x y"}, {"a", {{"n", 1}}}};
  EXPECT_EQ(CreatorView::dictionaryToString(dictionary), R"({"b":"x y","a":{"n":1}})");
}

}  // namespace
}  // namespace vantile::testing
