#pragma once

#include <QPainter>
#include <QRect>
#include <QWidget>

#include "overlays/line_pool.h"

namespace pellamar {

// Paints the pools over what the painter's device already holds, in the
// order P, N, L (the curve on top), without antialiasing. The copy pen
// paints the line colour; the mask pen ANDs it with the pixels beneath
// (RasterOp_SourceAndDestination, so the device must be a raster image or
// a raster-backed widget). Widths are device pixels; dotted lines are one
// pixel on, one off. Lines are clipped to `area` (pixels) first, so far-off
// end points of a deep zoom cost nothing.
void PaintPools(QPainter& painter, const LinePools& pools, double twips_per_px, const QRect& area);

// The smallest rectangle, in pixels, holding every visible line of the
// curve and night pools, widened by their pen.
[[nodiscard]] QRect DaylightBounds(const LinePools& pools, double twips_per_px);

// The layer of line objects lying on the map picture, under the panels that
// float on it. It covers its parent, follows its size, lets the mouse
// through to the map and paints the pools it is given over the map.
class PoolOverlay final : public QWidget {
  Q_OBJECT
 public:
  PoolOverlay(const LinePools* pools, double twips_per_px, QWidget* map);
  void SetTwipsPerPixel(double twips_per_px) { twips_per_px_ = twips_per_px; }
  double TwipsPerPixel() const { return twips_per_px_; }

 protected:
  void paintEvent(QPaintEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  const LinePools* pools_;
  double twips_per_px_;
};

}  // namespace pellamar
