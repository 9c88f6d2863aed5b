#pragma once

#include <string>
#include <string_view>

// The built-in English words of the date and time tokens, used whatever the language file says.
// A number outside a table's range gives an empty word.
namespace vantile::english {

// 12-hour clock: 1 to 12; 24-hour clock: 0 ("twelve") to 23.
std::string_view hourWord(int hour, bool twentyFourHour);

// 0 "o'clock", 1 to 9 "o'one" ... "o'nine", then "ten" ... "fifty nine".
std::string minuteWord(int minute);

// The word of a day of the month, 1 to 31, spelt as themes have always shown it.
std::string_view ordinalWord(int day);

// "st", "nd", "rd" or "th" after a day number.
std::string_view ordinalSuffix(int day);

// 1 = "Sunday" ... 7 = "Saturday".
std::string_view weekdayName(int weekday);

// 0 "Morning", 1 "Afternoon", 2 "Evening", 3 "Night".
std::string_view timeOfDayWord(int index);

}  // namespace vantile::english
