#include "solar/view/sun_dials_panel.h"

#include <QLabel>
#include <QLocale>
#include <QMouseEvent>
#include <cmath>

#include "solar/sun_dials.h"
#include "solar/sun_ephemeris.h"
#include "solar/view/dial_picture.h"

namespace pellamar {
namespace {

// The user's decimal separator as one character; "." when the locale's is
// not a single ASCII character.
char DecimalSeparator(const QLocale& locale) {
  const QString point = locale.decimalPoint();
  if (point.size() == 1 && point.at(0).unicode() < 0x80) return point.at(0).toLatin1();
  return '.';
}

}  // namespace

SunDialsPanel::SunDialsPanel(QWidget* parent) : QFrame(parent) {
  setObjectName("Frame8");
  setFrameStyle(QFrame::Panel | QFrame::Raised);
  // The panel lies on the map: its whole face, captions included, hides what
  // the map shows beneath (a parallel's name, the night lines).
  setAutoFillBackground(true);
  const double k = logicalDpiX() / 1440.0;
  auto px = [k](double twips) { return static_cast<int>(std::lround(twips * k)); };
  setFixedSize(px(kWidthTwips), px(kHeightTwips));

  // Two columns: caption on top, dial below it.
  constexpr double kMargin = 45;
  constexpr double kCaptionTop = 15;
  constexpr double kCaptionHeight = 225;
  constexpr double kDialTop = kCaptionTop + kCaptionHeight;
  const double columns[] = {kMargin, kWidthTwips - kMargin - kDialTwips};

  pic_az_ = new DialPicture(kDialTwips, kDialTwips, this);
  pic_az_->setObjectName("PicAZ");
  pic_az_->setToolTip("Azimut du centre du Soleil.");
  pic_az_->move(px(columns[0]), px(kDialTop));
  pic_he_ = new DialPicture(kDialTwips, kDialTwips, this);
  pic_he_->setObjectName("PicHE");
  pic_he_->setToolTip(
      "Hauteur du centre du Soleil (sans tenir compte de la réfraction atmosphérique).");
  pic_he_->move(px(columns[1]), px(kDialTop));

  label35_ = new QLabel("Azimut", this);
  label35_->setObjectName("Label35");
  label35_->setGeometry(px(columns[0]), px(kCaptionTop), px(kDialTwips), px(kCaptionHeight));
  label36_ = new QLabel("Hauteur", this);
  label36_->setObjectName("Label36");
  label36_->setGeometry(px(columns[1]), px(kCaptionTop), px(kDialTwips), px(kCaptionHeight));

  connect(pic_az_, &DialPicture::clicked, this, &SunDialsPanel::CloseByClick);
  connect(pic_he_, &DialPicture::clicked, this, &SunDialsPanel::CloseByClick);
}

void SunDialsPanel::UpdateFrom(double FPo, double LPo, const SunInstant& instant) {
  if (isHidden()) return;
  const SunDialCaptions captions = PosSoleil(ComputeSunEphemeris(instant), FPo, LPo, *pic_az_,
                                             *pic_he_, DecimalSeparator(locale()));
  pic_az_->Present();
  pic_he_->Present();
  label35_->setText(QString::fromStdString(captions.Label35));
  label36_->setText(QString::fromStdString(captions.Label36));
}

// The panel lies on the map: a press or release the dials and captions leave
// to their parent ends here, so one click does one thing.
void SunDialsPanel::mousePressEvent(QMouseEvent* event) { event->accept(); }
void SunDialsPanel::mouseReleaseEvent(QMouseEvent* event) { event->accept(); }
void SunDialsPanel::mouseDoubleClickEvent(QMouseEvent* event) { event->accept(); }

void SunDialsPanel::CloseByClick() {
  hide();
  emit closedByClick();
}

}  // namespace pellamar
