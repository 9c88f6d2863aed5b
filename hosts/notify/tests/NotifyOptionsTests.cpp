#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "NotifyOptions.h"

namespace vantile::notify {
namespace {

TEST(NotifyOptions, TakeARootAndOneNameInEitherOrder) {
  for (const auto& arguments : std::vector<std::vector<std::string>>{
           {"--root", "/tmp/device", "com.kestrune.vantile/lsChanged"},
           {"com.kestrune.vantile/lsChanged", "--root", "/tmp/device"}}) {
    const auto parsed = parseNotifyOptions(arguments);
    ASSERT_TRUE(parsed.options) << parsed.error;
    EXPECT_EQ(parsed.options->root, "/tmp/device");
    EXPECT_EQ(parsed.options->name, "com.kestrune.vantile/lsChanged");
  }
}

TEST(NotifyOptions, AnswerHelpBeforeAnythingElse) {
  EXPECT_TRUE(parseNotifyOptions({"--help"}).help);
  EXPECT_TRUE(parseNotifyOptions({"--root", "/tmp/device", "-h"}).help);
}

TEST(NotifyOptions, RefuseBadArgumentsWithTheReason) {
  const struct {
    std::vector<std::string> arguments;
    std::string reason;
  } cases[] = {
      {{}, "--root is required"},
      {{"name"}, "--root is required"},
      {{"--root", "/tmp/device"}, "a notification name is required"},
      {{"--root"}, "--root needs a folder"},
      {{"--root", "", "name"}, "--root needs a folder"},
      {{"--root", "a", "--root", "b", "name"}, "--root is given twice"},
      {{"--root", "a", "one", "two"}, "only one notification name"},
      {{"--root", "a", "--name", "x"}, "unknown argument \"--name\""},
      {{"--root", "a", std::string(513, 'n')}, "at most 512 bytes"},
  };
  for (const auto& [arguments, reason] : cases) {
    const auto parsed = parseNotifyOptions(arguments);
    EXPECT_FALSE(parsed.options);
    EXPECT_FALSE(parsed.help);
    EXPECT_NE(parsed.error.find(reason), std::string::npos) << parsed.error;
  }
}

}  // namespace
}  // namespace vantile::notify
