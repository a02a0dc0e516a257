#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace pellamar {

// The texts of the day and month boxes (Text3, Text4).
struct DateBoxes {
  std::string day;
  std::string month;
};

// The "-"/"+" buttons UpDw(index): 0 day down, 1 day up, 2 month down,
// 3 month up; any other index changes nothing. The box's leading number is
// moved by one and written back in its shortest form; the day stops at 1
// going down and wraps from 31 to 1 going up, the month wraps both ways
// (1 -> 12, 12 -> 1). No check against the month's length: 31 in month 2
// is left for the day/night redraw's corrections.
[[nodiscard]] DateBoxes StepDateBoxes(int index, const DateBoxes& boxes);

// The widest time zone the program accepts, hours either side of UT.
inline constexpr double kMaxZoneHours = 14.0;

// How a text typed into the time-zone box (Fuseau) is taken.
struct ZoneReading {
  enum class Kind {
    Accepted,  // `hours` is the new time zone
    Typing,    // a lone "-": the start of a negative number, left as it is
    PutBack,   // unreadable or out of range: the box shows the current zone again
  };
  Kind kind = Kind::PutBack;
  float hours = 0;
};

// Reads the box: blanks around the number and one sign are allowed, the
// decimal separator is `decimal_separator` (the user's) and nothing else;
// exponents, "inf", "nan" and values beyond ±kMaxZoneHours are put back.
[[nodiscard]] ZoneReading ReadZoneText(std::string_view text, char decimal_separator);

// The box's text for a zone: the shortest form with at most two decimals,
// with the user's decimal separator ("2", "-5", "5,75").
[[nodiscard]] std::string ZoneBoxText(double hours, char decimal_separator);

}  // namespace pellamar
