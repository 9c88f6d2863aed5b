#include "controller/tests/ControllerTestSupport.h"
#include "platform/foundation/values/Strings.h"
#include "providers/VantileDates.h"

namespace vantile::testing {
namespace {

using platform::Value;

class DataTokens : public ControllerTest {
 protected:
  DataTokens() {
    controller->providers.isSystemToken = [](std::string_view name) {
      return name == "batterypercent" || name == "musicTitle";
    };
    controller->providers.systemToken = [](std::string_view name) -> std::optional<std::string> {
      if (name == "batterypercent") return "80";
      return std::nullopt;
    };
    controller->providers.getWeatherInfo = []() -> const Value& {
      static const Value weather{{"city", "Paris"}, {"temperature", 21}};
      return weather;
    };
    controller->providers.checkIfWeatherNeedsUpdating = [this] { ++weatherChecks; };
  }

  int weatherChecks = 0;
};

struct TokenCase {
  const char* name;
  std::string text;
  std::string expected;
};

void PrintTo(const TokenCase& tokenCase, std::ostream* out) { *out << tokenCase.name; }

class TokenResolution : public DataTokens, public ::testing::WithParamInterface<TokenCase> {};

// "YEAR" in an expectation stands for the year on the test clock.
TEST_P(TokenResolution, ReplacesEveryResolvedToken) {
  const std::string expected =
      platform::foundation::replacingOccurrences(GetParam().expected, "YEAR", VantileDates::year());
  EXPECT_EQ(controller->handleData(GetParam().text), expected);
}

INSTANTIATE_TEST_SUITE_P(Texts, TokenResolution,
                         ::testing::Values(TokenCase{"noTokens", "plain text", "plain text"},
                                           TokenCase{"dateToken", "Year [year]!", "Year YEAR!"},
                                           TokenCase{"sameTokenTwice", "[year]/[year]", "YEAR/YEAR"},
                                           TokenCase{"systemToken", "[batterypercent]%", "80%"},
                                           TokenCase{"systemTokenWithoutValue", "Now [musicTitle]", "Now [musicTitle]"},
                                           TokenCase{"weatherKey", "[city] [temperature]", "Paris 21"},
                                           TokenCase{"unknownName", "a [nothing] b", "a na b"},
                                           TokenCase{"emptyBrackets", "a [] b", "a na b"},
                                           TokenCase{"caseSensitive", "[Year]", "na"},
                                           TokenCase{"openBracketOnly", "a [year", "a [year"},
                                           TokenCase{"overlappingOpen", "[[year]", "na"},
                                           TokenCase{"lineBreakInside", "[ye\nar]", "[ye\nar]"},
                                           TokenCase{"lineSeparatorInside", "[ye\u2028ar]", "[ye\u2028ar]"},
                                           TokenCase{"tokenAfterBrokenOne", "[x\n[year]", "[x\nYEAR"}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(DataTokens, NothingStaysNothingAndEveryCallChecksTheWeather) {
  EXPECT_EQ(controller->handleData(std::nullopt), std::nullopt);
  EXPECT_EQ(controller->handleData("plain"), "plain");
  EXPECT_EQ(weatherChecks, 2);
}

TEST_F(DataTokens, WithoutProvidersOnlyDateTokensResolve) {
  const auto bare = VantileController::make();
  EXPECT_EQ(bare->handleData("[year] [batterypercent] [city]"), VantileDates::year() + " na na");
}

struct StyleCase {
  const char* style;
  std::string text;
  std::string expected;
};

class TextStyles : public ::testing::TestWithParam<StyleCase> {};

TEST_P(TextStyles, TransformTheResolvedText) {
  EXPECT_EQ(VantileController::setTextStyle(GetParam().style, GetParam().text), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Styles, TextStyles,
                         ::testing::Values(StyleCase{"uppercase", "Mon 5pm", "MON 5PM"},
                                           StyleCase{"uppercase", "Monday straße", "MONDAY STRASSE"},
                                           StyleCase{"lowercase", "MON 5PM", "mon 5pm"},
                                           StyleCase{"lowercase", "MONDAY Éclair", "monday éclair"},
                                           StyleCase{"capitalize", "hELLO wORLD\tagain", "Hello World\tAgain"},
                                           StyleCase{"capitalize", "don't-stop", "Don't-stop"},
                                           StyleCase{"none", "MiXeD", "MiXeD"},
                                           StyleCase{"Uppercase", "MiXeD", "MiXeD"}));

}  // namespace
}  // namespace vantile::testing
