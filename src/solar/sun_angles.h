#pragma once

namespace pellamar {

// Degrees to radians for the Sun's position (ephemeris, height, azimuth,
// subsolar point). Deliberately truncated, not the exact pi/180: the
// displayed digits of the declination and hour angle were computed with it.
// Multiply degrees by it; divide radians by it.
inline constexpr double kSunDegree = 0.017453292;

// 4·atan(1), which is exactly the double nearest pi. Used by the sunrise and
// sunset times, the dials' geometry and the solar clock.
inline constexpr double Pi = 3.141592653589793;

}  // namespace pellamar
