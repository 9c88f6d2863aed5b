#include "providers/VantileDates.h"

#include <algorithm>
#include <iterator>
#include <utility>

namespace vantile {

namespace {

struct Token {
  std::string_view name;
  std::string (*value)();
};

// Exactly the names themes may use; the class's other operations are no tokens.
constexpr Token kTokens[] = {
    {"time", &VantileDates::time},
    {"paddedtime", &VantileDates::paddedtime},
    {"hour", &VantileDates::hour},
    {"paddedhour", &VantileDates::paddedhour},
    {"paddedhourpartone", &VantileDates::paddedhourpartone},
    {"paddedhourparttwo", &VantileDates::paddedhourparttwo},
    {"minute", &VantileDates::minute},
    {"minutepartone", &VantileDates::minutepartone},
    {"minuteparttwo", &VantileDates::minuteparttwo},
    {"seconds", &VantileDates::seconds},
    {"ampm", &VantileDates::ampm},
    {"textHour", &VantileDates::textHour},
    {"textMinute", &VantileDates::textMinute},
    {"textTime", &VantileDates::textTime},
    {"timeofday", &VantileDates::timeofday},
    {"month", &VantileDates::month},
    {"shortmonth", &VantileDates::shortmonth},
    {"firstlettermonth", &VantileDates::firstlettermonth},
    {"monthnumber", &VantileDates::monthnumber},
    {"paddedmonthnumber", &VantileDates::paddedmonthnumber},
    {"day", &VantileDates::day},
    {"shortday", &VantileDates::shortday},
    {"firstletterday", &VantileDates::firstletterday},
    {"shortdaynoday", &VantileDates::shortdaynoday},
    {"shortdaynodayplusone", &VantileDates::shortdaynodayplusone},
    {"shortdayminusone", &VantileDates::shortdayminusone},
    {"shortdayminustwo", &VantileDates::shortdayminustwo},
    {"shortdayminusthree", &VantileDates::shortdayminusthree},
    {"shortdayminusfour", &VantileDates::shortdayminusfour},
    {"shortdayplusone", &VantileDates::shortdayplusone},
    {"shortdayplustwo", &VantileDates::shortdayplustwo},
    {"shortdayplusthree", &VantileDates::shortdayplusthree},
    {"shortdayplusfour", &VantileDates::shortdayplusfour},
    {"date", &VantileDates::date},
    {"paddeddate", &VantileDates::paddeddate},
    {"paddeddatepartone", &VantileDates::paddeddatepartone},
    {"paddeddateparttwo", &VantileDates::paddeddateparttwo},
    {"dateordinal", &VantileDates::dateordinal},
    {"textDate", &VantileDates::textDate},
    {"dateminusone", &VantileDates::dateminusone},
    {"dateminustwo", &VantileDates::dateminustwo},
    {"dateminusthree", &VantileDates::dateminusthree},
    {"dateminusfour", &VantileDates::dateminusfour},
    {"dateminusfive", &VantileDates::dateminusfive},
    {"dateminussix", &VantileDates::dateminussix},
    {"dateminusseven", &VantileDates::dateminusseven},
    {"dateplusone", &VantileDates::dateplusone},
    {"dateplustwo", &VantileDates::dateplustwo},
    {"dateplusthree", &VantileDates::dateplusthree},
    {"dateplusfour", &VantileDates::dateplusfour},
    {"dateplusfive", &VantileDates::dateplusfive},
    {"dateplussix", &VantileDates::dateplussix},
    {"dateplusseven", &VantileDates::dateplusseven},
    {"paddeddateminusone", &VantileDates::paddeddateminusone},
    {"paddeddateminustwo", &VantileDates::paddeddateminustwo},
    {"paddeddateminusthree", &VantileDates::paddeddateminusthree},
    {"paddeddateminusfour", &VantileDates::paddeddateminusfour},
    {"paddeddateminusfive", &VantileDates::paddeddateminusfive},
    {"paddeddateminussix", &VantileDates::paddeddateminussix},
    {"paddeddateminusseven", &VantileDates::paddeddateminusseven},
    {"paddeddateplusone", &VantileDates::paddeddateplusone},
    {"paddeddateplustwo", &VantileDates::paddeddateplustwo},
    {"paddeddateplusthree", &VantileDates::paddeddateplusthree},
    {"paddeddateplusfour", &VantileDates::paddeddateplusfour},
    {"paddeddateplusfive", &VantileDates::paddeddateplusfive},
    {"paddeddateplussix", &VantileDates::paddeddateplussix},
    {"paddeddateplusseven", &VantileDates::paddeddateplusseven},
    {"year", &VantileDates::year},
    {"shortyear", &VantileDates::shortyear},
    {"percentYearProgress", &VantileDates::percentYearProgress},
    {"percentLeftInYear", &VantileDates::percentLeftInYear},
    {"percentMonthProgress", &VantileDates::percentMonthProgress},
    {"percentLeftInMonth", &VantileDates::percentLeftInMonth},
    {"degreeSymbol", &VantileDates::degreeSymbol},
    {"circleSymbol", &VantileDates::circleSymbol},
    {"upSymbol", &VantileDates::upSymbol},
    {"downSymbol", &VantileDates::downSymbol},
    {"heartSymbol", &VantileDates::heartSymbol},
    {"heartOutlineSymbol", &VantileDates::heartOutlineSymbol},
};

const Token* findToken(std::string_view name) {
  const auto found = std::find_if(std::begin(kTokens), std::end(kTokens),
                                  [name](const Token& token) { return token.name == name; });
  return found == std::end(kTokens) ? nullptr : found;
}

}  // namespace

bool VantileDates::isToken(std::string_view name) { return findToken(name) != nullptr; }

std::optional<std::string> VantileDates::token(std::string_view name) {
  const Token* found = findToken(name);
  if (!found) {
    return std::nullopt;
  }
  return found->value();
}

std::optional<std::string> VantileDates::token(std::string_view name, const Settings& settings) {
  const Settings* previous = std::exchange(settingsInForce_, &settings);
  auto value = token(name);
  settingsInForce_ = previous;
  return value;
}

const std::vector<std::string_view>& VantileDates::tokenNames() {
  static const std::vector<std::string_view> names = [] {
    std::vector<std::string_view> all;
    for (const Token& token : kTokens) {
      all.push_back(token.name);
    }
    return all;
  }();
  return names;
}

}  // namespace vantile
