#pragma once

#include <QFrame>

#include "solar/sun_instant.h"

class QLabel;

namespace pellamar {

class DialPicture;

// The Sun dials panel (Frame8): the compass PicAZ and the quadrant PicHE,
// each under its caption (Label35, Label36). A left click on either dial
// hides the panel and emits closedByClick(), so that the window can take the
// check mark off its menu entry. No click on the panel (dials, captions or
// margins) goes through to the map beneath.
class SunDialsPanel final : public QFrame {
  Q_OBJECT

 public:
  // Designed sizes, twips.
  static constexpr double kWidthTwips = 3690;
  static constexpr double kHeightTwips = 2055;
  static constexpr double kDialTwips = 1770;

  explicit SunDialsPanel(QWidget* parent = nullptr);

  // Redraws both dials and captions for the observer at latitude `FPo`
  // (north-positive) and longitude `LPo` (WEST-positive), degrees, at
  // `instant`, with the decimal separator of the panel's locale. Does
  // nothing, not even the computation, while the panel is hidden (its own
  // visibility; a panel shown in a not-yet-shown window is updated).
  void UpdateFrom(double FPo, double LPo, const SunInstant& instant);

  [[nodiscard]] DialPicture& PicAZ() { return *pic_az_; }
  [[nodiscard]] DialPicture& PicHE() { return *pic_he_; }
  [[nodiscard]] QLabel& Label35() { return *label35_; }
  [[nodiscard]] QLabel& Label36() { return *label36_; }

 signals:
  void closedByClick();

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;

 private:
  void CloseByClick();

  DialPicture* pic_az_;
  DialPicture* pic_he_;
  QLabel* label35_;
  QLabel* label36_;
};

}  // namespace pellamar
