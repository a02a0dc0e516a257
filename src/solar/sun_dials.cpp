#include "solar/sun_dials.h"

#include <charconv>
#include <cmath>

#include "solar/sun_angles.h"

namespace pellamar {

std::string FormatHundredths(double value, char decimal_separator) {
  if (!std::isfinite(value)) return "---";
  char buf[64];
  const auto [end, ec] =
      std::to_chars(buf, buf + sizeof buf, std::fabs(value), std::chars_format::fixed, 2);
  if (ec != std::errc()) return "---";
  std::string digits(buf, end);  // "d...d.dd"
  std::string out;
  if (std::signbit(value) && value != 0) out.push_back('-');
  const std::size_t point = digits.size() - 3;
  if (!(point == 1 && digits[0] == '0')) out.append(digits, 0, point);
  out.push_back(decimal_separator);
  out.append(digits, point + 1, 2);
  return out;
}

std::string AzimuthCaption(double Az, char decimal_separator) {
  return " Azimut = " + FormatHundredths(Az, decimal_separator) + " °";
}

std::string HeightCaption(double h, char decimal_separator) {
  return " He: " + FormatHundredths(h, decimal_separator) + " °";
}

void DrawAzimuthDial(Canvas& PicAZ, double Az) {
  const double W = PicAZ.WidthTwips();
  const double H = PicAZ.HeightTwips();
  PicAZ.Clear();
  PicAZ.SetLineStyle(LineStyle::Dashed);
  const double cx = W / 2;
  const double cy = W / 2 - 80;

  PicAZ.SetLineStyle(LineStyle::Dotted);
  PicAZ.SetLineWidth(1);
  PicAZ.Line(350, cy, W - 300, cy, kDialScaleColour);
  PicAZ.Line(cx, 300, cx, H - 400, kDialScaleColour);

  // Thirteen marks; the first and the last fall on the same spot.
  PicAZ.SetLineStyle(LineStyle::Dashed);
  for (int i = 0; i <= 12; ++i) {
    const double angle = 2 * Pi * i / 12;
    PicAZ.Circle(cx + std::sin(angle) * W / 3, cy + std::cos(angle) * W / 3, W / 75,
                 kDialScaleColour);
  }

  // Screen angle: north up, east to the right, y down.
  const double t = (Az - 90) * Pi / 180;
  const double tip_x = cx + std::cos(t) * W / 3.5;
  const double tip_y = cy + std::sin(t) * W / 3.5;
  PicAZ.SetLineWidth(2);
  PicAZ.Line(cx, cy, tip_x, tip_y, kAzimuthNeedleColour);

  const double t1 = (Az - 75) * Pi / 180;
  const double t2 = (Az - 105) * Pi / 180;
  const double p1_x = cx + 200 * std::cos(t1);
  const double p1_y = cy + 200 * std::sin(t1);
  const double p2_x = cx + 200 * std::cos(t2);
  const double p2_y = cy + 200 * std::sin(t2);
  PicAZ.Line(tip_x, tip_y, p1_x, p1_y, kAzimuthNeedleColour);
  PicAZ.Line(p2_x, p2_y, tip_x, tip_y, kAzimuthNeedleColour);
  PicAZ.Line(p2_x, p2_y, p1_x, p1_y, kAzimuthNeedleColour);

  PicAZ.Line(cx, cy, cx - std::cos(t) * W / 3.5, cy - std::sin(t) * W / 3.5,
             kAzimuthNeedleColour);

  PicAZ.SetPrintPosition(cx - 50, 0);
  PicAZ.Print("N");
  PicAZ.SetPrintPosition(cx - 50, H - 250);
  PicAZ.Print("S");
  PicAZ.SetPrintPosition(50, cy - 100);
  PicAZ.Print("O");
  PicAZ.SetPrintPosition(W - 200, cy - 100);
  PicAZ.Print("E");
  PicAZ.SetLineWidth(1);
}

void DrawHeightDial(Canvas& PicHE, double h) {
  const double W = PicHE.WidthTwips();
  PicHE.Clear();
  PicHE.SetLineStyle(LineStyle::Dashed);
  PicHE.SetLineWidth(1);

  // Below the horizon the pivot moves to the top right corner so that the
  // needle, pointing under the horizontal, stays inside the picture.
  const double cx = W - 200;
  double cy = 200;
  if (h > 0) {
    cy = W - 200;
    // From the zenith above the pivot (i = 6) to the horizon left of it (9).
    for (double i = 6; i <= 9; i += 0.5) {
      const double angle = 2 * Pi * i / 12;
      PicHE.Circle(cx + std::sin(angle) * W / 1.5, cy + std::cos(angle) * W / 1.5, 30,
                   kDialScaleColour);
    }
  }
  // 0° points left, 90° up; negative heights point below the horizontal.
  const double a = (h - 180) * Pi / 180;

  PicHE.SetLineStyle(LineStyle::Dotted);
  PicHE.Line(500, cy, cx, cy, kDialScaleColour);
  PicHE.Line(cx, 400, cx, cy, kDialScaleColour);

  PicHE.SetLineStyle(LineStyle::Solid);
  const double tip_x = cx + std::cos(a) * W / 1.7;
  const double tip_y = cy + std::sin(a) * W / 1.7;
  PicHE.SetLineWidth(2);
  PicHE.Line(cx, cy, tip_x, tip_y, kHeightNeedleColour);

  const double p1_x = cx + 500 * std::cos(a - 0.15);
  const double p1_y = cy + 500 * std::sin(a - 0.15);
  const double p2_x = cx + 500 * std::cos(a + 0.15);
  const double p2_y = cy + 500 * std::sin(a + 0.15);
  PicHE.Line(tip_x, tip_y, p1_x, p1_y, kHeightNeedleColour);
  PicHE.Line(p2_x, p2_y, tip_x, tip_y, kHeightNeedleColour);
  PicHE.Line(p2_x, p2_y, p1_x, p1_y, kHeightNeedleColour);
  PicHE.SetLineWidth(1);
}

SunDialCaptions PosSoleil(const SunEphemeris& eph, double FPo, double LPo, Canvas& PicAZ,
                          Canvas& PicHE, char decimal_separator) {
  const SunPosition sun = SunPositionAt(eph, FPo, LPo);
  DrawAzimuthDial(PicAZ, sun.Az);
  DrawHeightDial(PicHE, sun.h);
  return {AzimuthCaption(sun.Az, decimal_separator), HeightCaption(sun.h, decimal_separator)};
}

}  // namespace pellamar
