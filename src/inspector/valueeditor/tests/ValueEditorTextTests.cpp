#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "inspector/valueeditor/ValueEditorText.h"

namespace vantile {
namespace {

TEST(ValueEditorText, DataTokensAreAppendedWithNoneRemoved) {
  struct Case {
    const char* text;
    const char* key;
    const char* expected;
  };
  for (const Case& c : {Case{"none", "date", "[date]"}, Case{"[date]", "time", "[date][time]"},
                        Case{"Today is [day]", "month", "Today is [day][month]"}, Case{"", "day", "[day]"},
                        Case{"nonenone", "day", "[day]"}}) {
    EXPECT_EQ(ValueEditorText::appendDataToken(c.text, c.key), c.expected) << c.text;
  }
}

TEST(ValueEditorText, AnimationStepsToggleInsideTheBraces) {
  struct Case {
    const char* text;
    const char* step;
    const char* expected;
  };
  for (const Case& c : {Case{"{x:0,}", "alpha:0,", "{x:0,alpha:0,}"}, Case{"{x:0,alpha:0,}", "x:0,", "{alpha:0,}"},
                        Case{"{alpha:0,}", "alpha:0,", "{}"}, Case{"", "x:0,", "{x:0,}"},
                        Case{"x:0,", "y:0,", "{x:0,y:0,}"}, Case{"{x:0,x:0,}", "x:0,", "{}"}}) {
    EXPECT_EQ(ValueEditorText::toggleStep(c.text, c.step), c.expected) << c.text << " " << c.step;
  }
}

TEST(ValueEditorText, FolderPicksBecomePathsAndPages) {
  EXPECT_EQ(ValueEditorText::imageSetPath("signal", "bars"), "/var/mobile/Library/VantileAssets/signalImages/bars");
  EXPECT_EQ(ValueEditorText::imageSetPath("wifi", "dots"), "/var/mobile/Library/VantileAssets/wifiImages/dots");
  EXPECT_EQ(ValueEditorText::imageSetPath("other", "dots"), "dots");
  EXPECT_EQ(ValueEditorText::webWidgetPage("clock"), "file:///var/mobile/Library/VantileAssets/html/clock/index.html");
}

TEST(ValueEditorText, AppsAreOfferedWithoutSystemServicesSortedCaseInsensitively) {
  EXPECT_EQ(ValueEditorText::userAppBundles({"com.zeta.app", "com.apple.siri", "com.apple.mobilemail", "Com.Beta",
                                             "com.apple.MobileReplayer", "com.apple.ScreenTimeUnlock"}),
            (std::vector<std::string>{"com.apple.mobilemail", "Com.Beta", "com.zeta.app"}));
}

}  // namespace
}  // namespace vantile
