#pragma once

#include "platform/foundation/values/Value.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vantile {

// The date and time tokens of text elements, and the two settings every data provider reads:
// the 24-hour switch and the language file. Each token is a class operation named exactly like
// the token, computed afresh from the main queue's clock in the process's time zone.
class VantileDates {
 public:
  static VantileDates& sharedInstance();

  void setTwentyFourHour(bool twentyFourHour);
  // Reads a language file (a JSON object) at a system path; a missing, broken or non-object
  // file drops the language loaded before, so every word falls back to English.
  void setLanguageDict(std::string_view path);

  bool twentyfour() const { return twentyfour_; }
  const std::optional<platform::Value>& language() const { return language_; }

  static bool getTwentyFour();
  static std::optional<platform::Value> languageDict();
  // The string at `index` of the language's array under `key`; nothing when there is no
  // language, or the key is missing, no array, too short, or holds no string there. Callers
  // then use their English word.
  static std::optional<std::string> languageWord(std::string_view key, int index);

  // Now, in the pattern's English form (locale "en_US_POSIX"); empty when the pattern is unusable.
  static std::string getDateStringWithFormat(std::string_view pattern);

  // Dispatch by token name (case-sensitive); nothing for a name that is no token.
  static bool isToken(std::string_view name);
  static std::optional<std::string> token(std::string_view name);
  // What a token follows in place of the tweak's switch and language file, which stay as they are
  // (the theme editor previews with its own). Main thread only, as every token.
  struct Settings {
    bool twentyFourHour = false;
    const platform::Value* language = nullptr;
  };
  static std::optional<std::string> token(std::string_view name, const Settings& settings);
  static const std::vector<std::string_view>& tokenNames();

  // Clock
  static std::string time();
  static std::string paddedtime();
  static std::string hour();
  static std::string paddedhour();
  static std::string paddedhourpartone();
  static std::string paddedhourparttwo();
  static std::string minute();
  static std::string minutepartone();
  static std::string minuteparttwo();
  static std::string seconds();
  static std::string ampm();
  static std::string textHour();
  static std::string textMinute();
  static std::string textTime();
  static std::string timeofday();
  // Month
  static std::string month();
  static std::string shortmonth();
  static std::string firstlettermonth();
  static std::string monthnumber();
  static std::string paddedmonthnumber();
  // Weekday
  static std::string day();
  static std::string shortday();
  static std::string firstletterday();
  static std::string shortdaynoday();
  static std::string shortdaynodayplusone();
  static std::string shortdayminusone();
  static std::string shortdayminustwo();
  static std::string shortdayminusthree();
  static std::string shortdayminusfour();
  static std::string shortdayplusone();
  static std::string shortdayplustwo();
  static std::string shortdayplusthree();
  static std::string shortdayplusfour();
  // Day of the month and year
  static std::string date();
  static std::string paddeddate();
  static std::string paddeddatepartone();
  static std::string paddeddateparttwo();
  static std::string dateordinal();
  static std::string textDate();
  static std::string dateminusone();
  static std::string dateminustwo();
  static std::string dateminusthree();
  static std::string dateminusfour();
  static std::string dateminusfive();
  static std::string dateminussix();
  static std::string dateminusseven();
  static std::string dateplusone();
  static std::string dateplustwo();
  static std::string dateplusthree();
  static std::string dateplusfour();
  static std::string dateplusfive();
  static std::string dateplussix();
  static std::string dateplusseven();
  static std::string paddeddateminusone();
  static std::string paddeddateminustwo();
  static std::string paddeddateminusthree();
  static std::string paddeddateminusfour();
  static std::string paddeddateminusfive();
  static std::string paddeddateminussix();
  static std::string paddeddateminusseven();
  static std::string paddeddateplusone();
  static std::string paddeddateplustwo();
  static std::string paddeddateplusthree();
  static std::string paddeddateplusfour();
  static std::string paddeddateplusfive();
  static std::string paddeddateplussix();
  static std::string paddeddateplusseven();
  static std::string year();
  static std::string shortyear();
  // Year and month progress, in whole per cent
  static std::string percentYearProgress();
  static std::string percentLeftInYear();
  static std::string percentMonthProgress();
  static std::string percentLeftInMonth();
  // Symbols
  static std::string degreeSymbol();
  static std::string circleSymbol();
  static std::string upSymbol();
  static std::string downSymbol();
  static std::string heartSymbol();
  static std::string heartOutlineSymbol();

  VantileDates(const VantileDates&) = delete;
  VantileDates& operator=(const VantileDates&) = delete;

 private:
  VantileDates() = default;

  static const platform::Value* currentLanguage();

  // Set only for the length of one token(name, settings) call.
  static inline const Settings* settingsInForce_ = nullptr;

  bool twentyfour_ = false;
  std::optional<platform::Value> language_;
};

}  // namespace vantile
