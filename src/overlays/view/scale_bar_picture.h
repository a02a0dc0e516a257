#pragma once

#include <QWidget>

#include "map/view/picture_canvas.h"
#include "overlays/scale_bar.h"

namespace pellamar {

// The scale picture Picture2 lying on the map: it fills its parent frame
// and takes the width a bar needs.
class ScaleBarPicture final : public QWidget {
  Q_OBJECT
 public:
  ScaleBarPicture(double twips_per_px, QWidget* parent);

  // Sets the picture (and its parent) to the bar's width and draws it.
  void Draw(const ScaleBar& bar);
  PictureCanvas& Canvas() { return canvas_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  double twips_per_px_;
  PictureCanvas canvas_;
};

}  // namespace pellamar
