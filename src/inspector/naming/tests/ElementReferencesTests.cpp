#include "inspector/naming/ElementReferences.h"

#include <gtest/gtest.h>

namespace vantile {
namespace {

using platform::Value;

TEST(ElementReferences, EveryKindOfReferenceFollowsTheRenameByWholeNamesOnly) {
  const struct {
    const char* key;
    Value before;
    Value after;
  } cases[] = {
      {"followWidthItem", "clock", "dial"},
      {"followWidthItem", "clock2", "clock2"},
      {"followWidthItem", "none", "none"},
      {"styleOverride", "clock", "dial"},
      {"styleOverride", "myclock", "myclock"},
      {"cutWithView", "clock", "dial"},
      {"triggerOnWake", "triggerScreenOn:clock, triggerScreenOff:*", "triggerScreenOn:dial, triggerScreenOff:*"},
      {"triggerOnUnlock", "triggerUnlock:date, triggerLock:clock", "triggerUnlock:date, triggerLock:dial"},
      {"triggerOnWake", "on:clock:extra, off:clock", "on:dial:extra, off:dial"},
      // A blank after the colon is part of the name the trigger reads.
      {"triggerOnWake", "on: clock, off:date", "on: clock, off:date"},
      {"triggerOnWake", "on:clock, off:date, more:clock", "on:clock, off:date, more:clock"},
      {"showWhenPlaying", "triggerOn:clock, triggerOff:clock", "triggerOn:dial, triggerOff:dial"},
      {"showWhenCharging", "triggerOn:date, triggerOff:clock", "triggerOn:date, triggerOff:dial"},
      // Without "triggerOn" the value is no trigger rule.
      {"showWhenCharging", "on:clock, off:clock", "on:clock, off:clock"},
      {"animation", Value{{"clock", "x:0"}, {"date", "alpha:0"}}, Value{{"dial", "x:0"}, {"date", "alpha:0"}}},
      {"animation", Value{{"date", "{alpha:0, trigger: clock}"}}, Value{{"date", "{alpha:0, trigger: dial}"}}},
      {"animation", Value{{"date", "trigger:clock2,wait:1"}}, Value{{"date", "trigger:clock2,wait:1"}}},
      {"animation", Value{{"date", "x:clock"}}, Value{{"date", "x:clock"}}},
      {"animation", "none", "none"},
      // Frame values and other styles are never read as names.
      {"frame", Value{{"x", "clock"}}, Value{{"x", "clock"}}},
      {"data", "clock", "clock"},
  };
  for (const auto& testCase : cases) {
    Value children{{"box", {{"type", "UIView"}, {"children", {{"inner", {{testCase.key, testCase.before}}}}}}}};
    renameElementReferences(children, "clock", "dial");
    EXPECT_EQ(children["box"]["children"]["inner"][testCase.key], testCase.after)
        << testCase.key << " " << testCase.before.dump();
  }
}

TEST(ElementReferences, ARenamedAnimationTargetKeepsItsPlaceAndReplacesAStaleEntryOfTheNewName) {
  Value children{{"button", {{"animation", {{"a", "x:1"}, {"clock", "x:2"}, {"dial", "x:3"}, {"b", "x:4"}}}}}};
  renameElementReferences(children, "clock", "dial");
  EXPECT_EQ(children["button"]["animation"].dump(), R"({"a":"x:1","dial":"x:2","b":"x:4"})");
}

TEST(ElementReferences, MalformedElementsAreSkipped) {
  Value children{{"odd", 5}, {"list", Value::array({1, 2})}, {"box", {{"children", "none"}, {"cutWithView", "clock"}}}};
  renameElementReferences(children, "clock", "dial");
  EXPECT_EQ(children["odd"], 5);
  EXPECT_EQ(children["box"]["children"], "none");
  EXPECT_EQ(children["box"]["cutWithView"], "dial");
}

}  // namespace
}  // namespace vantile
