#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace pellamar {

// Degrees, minutes and seconds of one coordinate, as magnitudes.
struct DegreesMinutesSeconds {
  std::int16_t D = 0;
  std::int16_t M = 0;
  std::int16_t S = 0;
};

// The caption of Label2 for a place (latitude north-positive, longitude
// EAST-positive, degrees). Lines are joined by "\n".
//   QRAON off:  "N48°51'" / "E02°21'"             (minutes truncated)
//   QRAON on:   "JN18EU" / "N48°51'24\"" / "E02°21'03\"" (seconds rounded)
// A latitude of exactly 0 is "S", a longitude of exactly 0 is "E". The
// degrees, minutes and seconds come from one whole number of seconds (or,
// without seconds, of hundredths of a second), so a rounded second carries
// into the minutes and degrees: 0.99999 shows N01°00'00", never 59'60".
// Non-finite input is treated as 0.
[[nodiscard]] std::string ShowPosition(double latitude, double longitude, bool QRAON);

// The six-character Maidenhead locator (field, square, subsquare) of a place
// given as magnitudes with their hemisphere letters ("N"/"S", "E"/"W"). The
// counts are kept just below their maximum, so 90° N and 180° E give the
// last field 'R' ("RR99XX") rather than a letter no locator has.
[[nodiscard]] std::string ToLocator(DegreesMinutesSeconds lat, std::string_view NS,
                                    DegreesMinutesSeconds lon, std::string_view EW);

// The seconds of arc of a decimal degree value, 0 to 60, as text without
// leading zeros: 48.856667 gives "24". A public helper of the window that
// nothing else calls. Non-finite input gives "0".
[[nodiscard]] std::string Convert_Degree(double Decimal_Deg);

}  // namespace pellamar
