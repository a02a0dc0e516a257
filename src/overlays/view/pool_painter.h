#pragma once

#include <QImage>
#include <QRect>
#include <QWidget>

#include "overlays/line_pool.h"

namespace pellamar {

class MapPicture;

// Paints the pools into a 32-bit image (RGB32 or ARGB32), in the order P,
// N, L (the curve on top), pixel by pixel without antialiasing: the copy
// pen sets the line colour; the mask pen ANDs it with the pixel beneath
// (a white pixel takes the colour, a black one stays black). End points are
// twips, converted with twips_per_px and the image's pixel ratio; widths are
// device pixels; a dotted line lights every other pixel along its length.
// Only pixels inside `area` (device pixels) change; a line is walked the
// same way whatever the area, so partial repaints join up.
void PaintPools(QImage& image, const LinePools& pools, double twips_per_px, const QRect& area);

// The smallest rectangle, in the widget's pixels, holding every visible
// line of the curve and night pools, widened by their pen.
[[nodiscard]] QRect DaylightBounds(const LinePools& pools, double twips_per_px);

// The layer of line objects lying on the map picture, under the panels that
// float on it. It covers the map, follows its size and lets the mouse
// through. Each repaint draws the map's picture for the region onto the
// surface being painted and sets the pools' pixels over it there, so the
// outlines are never drawn again for the lines and no copy of the whole
// picture is kept.
class PoolOverlay final : public QWidget {
  Q_OBJECT
 public:
  PoolOverlay(const LinePools* pools, double twips_per_px, MapPicture* map);

 protected:
  void paintEvent(QPaintEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  const LinePools* pools_;
  double twips_per_px_;
  MapPicture* map_;
};

}  // namespace pellamar
