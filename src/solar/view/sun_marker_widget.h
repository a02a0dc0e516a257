#pragma once

#include <QPixmap>
#include <QPointF>
#include <QSizeF>
#include <QWidget>

namespace pellamar {

// The Sun image on the map (Soleil), about 32 pixels square. The window
// places it (PlaceSunMarker gives the top-left corner in map twips) and
// treats a click as the map's left click on that corner; moving over it is
// reported as the offset from the top-left corner in twips.
class SunMarker final : public QWidget {
  Q_OBJECT

 public:
  explicit SunMarker(QWidget* parent = nullptr);

  // Replaces the drawn Sun (e.g. by the window's icon), scaled to the size.
  void SetPicture(const QPixmap& picture);

  // The image's width and height in twips, for PlaceSunMarker.
  [[nodiscard]] QSizeF SizeTwips() const;

 signals:
  void clicked();
  void pointerMoved(QPointF offset_twips);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;

 private:
  QPixmap picture_;
};

}  // namespace pellamar
