#pragma once

#include <QPointF>
#include <QWidget>

#include "map/view/picture_canvas.h"

namespace pellamar {

// The map picture box: a persistent picture that the outlines, the cities
// and printed labels accumulate on until the next clear. Mouse positions are
// reported in the picture's twips.
class MapPicture final : public QWidget {
  Q_OBJECT
 public:
  explicit MapPicture(QWidget* parent = nullptr);

  PictureCanvas& Canvas() { return canvas_; }
  double TwipsPerPixel() const { return canvas_.TwipsPerPixel(); }
  // Gives the picture the widget's size (its content is lost when that
  // changes). Returns true when it changed.
  bool SyncCanvasSize();

 signals:
  void released(Qt::MouseButton button, QPointF twips);
  void moved(QPointF twips);
  // The picture changed size; its content is lost until the next rebuild.
  void resized();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  QPointF ToTwips(QPointF pixels) const;
  PictureCanvas canvas_;
  QSize canvas_size_;
};

}  // namespace pellamar
