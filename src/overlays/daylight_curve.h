#pragma once

#include <array>
#include <functional>
#include <string>

#include "map/map_state.h"
#include "overlays/line_pool.h"
#include "solar/sun_ephemeris.h"

namespace pellamar {

// Latitude TerminatorLatitude gives for a meridian without a boundary.
inline constexpr float kNoBoundary = 100.0f;

// The day/night curve's own state, kept between drawings.
struct DaylightCurve {
  // LatTerm(j): boundary latitude, degrees north, on the west-positive
  // meridian j - 180 (map longitude 180 - j), as sampled; kNoBoundary kept.
  std::array<float, kDaylightLines> LatTerm{};
  // X1 and X2 of L(k) as placed by the last full drawing, twips. The slide
  // of the overlay works on these; XCourbe1(0) = 0 means "emptied".
  std::array<double, kDaylightLines> XCourbe1{};
  std::array<double, kDaylightLines> XCourbe2{};
  // Direction of the meridian scan chosen by the last redraw.
  TerminatorScan scan;
  // y of the map edge the night lines run to: the bottom edge for a
  // positive declination, the top edge (0) otherwise.
  double NightEdge = 0;
};

// Texts of the day box Text3 and the month box Text4.
struct DateBoxTexts {
  std::string day;
  std::string month;
};

// The date boxes made usable, each read by LeadingNumber: a day below 1
// becomes "1", a month below 1 "1", a day above 31 "31", a month above 12
// "12" (an unreadable text reads 0, so it becomes "1"). Other texts are
// kept as they are; the day is not checked against the month's length.
[[nodiscard]] DateBoxTexts CorrectDateBoxes(const DateBoxTexts& boxes);

// The map's progress indicator as the redraw drives it.
class DaylightProgress {
 public:
  virtual ~DaylightProgress() = default;
  // Both rows emptied.
  virtual void Clear() = 0;
  // One step (StepProgress).
  virtual void Step() = 0;
};

// Samples the boundary on the 361 whole-degree meridians, west-positive
// -180 to 180, into LatTerm with one ephemeris, calling step after each
// meridian that is a multiple of 45 degrees (nine times).
void SampleBoundary(const SunEphemeris& eph, const TerminatorScan& scan,
                    std::array<float, kDaylightLines>& LatTerm, const std::function<void()>& step);

// The latitudes the curve is drawn at: LatTerm with every kNoBoundary
// replaced by the value of the nearest meridian (counted round the globe,
// the eastern one first on a tie) that has a boundary. With no boundary
// anywhere the table is returned unchanged.
[[nodiscard]] std::array<float, kDaylightLines> DrawnBoundary(
    const std::array<float, kDaylightLines>& LatTerm);

// What the placement reads besides the boundary.
struct DaylightView {
  const MapState* map = nullptr;  // Pas_Inter, PasLong, Xc, Yc, LATCENTD, LONCENTD
  double height_twips = 0;        // H, the map picture's height
  float declination_deg = 0;
  bool night_on = false;          // "Afficher la zone nuit" checked
  Colour night_colour = 0;        // CouleurOmbre
};

// Places the curve L(0..360) (the stub L(360) at the 180th meridian
// included) and, while the night zone is on, the night lines N(0..360)
// from the boundary to NightEdge, clamped to the map. Fills XCourbe1 and
// XCourbe2 from L when XCourbe1(0) is 0. Leaves N untouched while the
// night zone is off.
void PlaceDaylightCurve(const std::array<float, kDaylightLines>& LatTerm, const DaylightView& view,
                        DaylightCurve& curve, LinePools& pools);

// The drawing of the curve and the night zone: samples the boundary into
// LatTerm with the scan chosen in curve.scan (nine steps), then places the
// pools.
void DrawDaylightCurve(const SunEphemeris& eph, const DaylightView& view, DaylightCurve& curve,
                       LinePools& pools, const std::function<void()>& step);

// XCourbe1 emptied (all 0), so the next drawing refills both tables.
void EmptyCurveTables(DaylightCurve& curve);

// What the redraw reads.
struct DaylightRedrawInput {
  bool night_on = false;
  Colour night_colour = 0;
  double width_twips = 0;   // the map picture's size
  double height_twips = 0;
};

// The redraw after the date boxes are corrected: empties XCourbe1, picks
// the scan direction from the declination, empties the progress rows and
// steps them once, sets the scales (Pas_Inter, PasLong, Xc) from the zoom
// and the picture's size, samples the boundary (nine more steps) and
// places the pools.
void RedrawDaylight(const SunEphemeris& eph, const DaylightRedrawInput& input, MapState& map,
                    DaylightCurve& curve, LinePools& pools, DaylightProgress& progress);

// The periodic slide: every entry of XCourbe1 and XCourbe2 moves by
// -shift_twips, L(k) takes X1 = XCourbe1(k), X2 = XCourbe2(k) and N(k)
// X1 = X2 = XCourbe1(k). Vertical positions are kept.
void SlideDaylight(DaylightCurve& curve, LinePools& pools, double shift_twips);

}  // namespace pellamar
