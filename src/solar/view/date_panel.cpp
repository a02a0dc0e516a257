#include "solar/view/date_panel.h"

#include <QFontDatabase>
#include <QLocale>

#include "platform/view/caption.h"
#include "solar/date_inputs.h"

namespace pellamar {
namespace {

QLineEdit* TextBox(const char* name, const QRect& geometry, QWidget* parent) {
  auto* box = new QLineEdit(parent);
  box->setObjectName(name);
  box->setGeometry(geometry);
  box->setAlignment(Qt::AlignCenter);
  return box;
}

QPushButton* StepButton(int index, const char* caption, const QRect& geometry, QWidget* parent) {
  auto* button = new QPushButton(QString::fromUtf8(caption), parent);
  button->setObjectName(QString("UpDw_%1").arg(index));
  button->setGeometry(geometry);
  // The buttons step the boxes; the keyboard stays in the boxes.
  button->setFocusPolicy(Qt::NoFocus);
  button->setAccessibleDescription(QString::fromUtf8(index < 2 ? "jour" : "mois"));
  return button;
}

void SetTextColour(QWidget* widget, const QColor& colour) {
  QPalette palette = widget->palette();
  palette.setColor(QPalette::WindowText, colour);
  widget->setPalette(palette);
}

}  // namespace

DatePanel::DatePanel(const Twips& t, QWidget* parent) : QFrame(parent) {
  setObjectName("FraSol");
  setFrameShape(QFrame::StyledPanel);

  // Left block: the date with its buttons, then the zone and the clock.
  Caption("jour", t.Rect(120, 40, 840, 240), this)->setAlignment(Qt::AlignHCenter);
  up_dw_[0] = StepButton(0, "-", t.Rect(60, 290, 240, 300), this);
  text3_ = TextBox("Text3", t.Rect(300, 290, 420, 300), this);
  text3_->setAccessibleName("jour");
  up_dw_[1] = StepButton(1, "+", t.Rect(720, 290, 240, 300), this);
  Caption("mois", t.Rect(1020, 40, 840, 240), this)->setAlignment(Qt::AlignHCenter);
  up_dw_[2] = StepButton(2, "-", t.Rect(1020, 290, 240, 300), this);
  text4_ = TextBox("Text4", t.Rect(1260, 290, 420, 300), this);
  text4_->setAccessibleName("mois");
  up_dw_[3] = StepButton(3, "+", t.Rect(1680, 290, 240, 300), this);

  label9_ = Caption("Fuseau", t.Rect(60, 700, 780, 240), this);
  label9_->setObjectName("Label9_0");
  label9_->setAlignment(Qt::AlignHCenter);
  fuseau_ = TextBox("Fuseau", t.Rect(60, 950, 780, 300), this);
  fuseau_->setToolTip(QString::fromUtf8("Votre fuseau horaire (décalage avec TU)"));
  fuseau_->setAccessibleName("Fuseau");
  auto* label8_1 = Caption("Heure Solaire", t.Rect(870, 700, 1170, 240), this);
  label8_1->setObjectName("Label8_1");
  label8_1->setAlignment(Qt::AlignHCenter);
  text1_ = TextBox("Text1", t.Rect(1005, 950, 900, 300), this);
  text1_->setAccessibleName("Heure Solaire");
  text1_->setReadOnly(true);
  // A clock to read, not a place for the keyboard.
  text1_->setFocusPolicy(Qt::NoFocus);

  // Middle block: the Sun's times for the place under the pointer.
  Caption("Lever", t.Rect(2100, 60, 1900, 240), this);
  tl_ = Caption("", t.Rect(4000, 60, 1300, 240), this);
  tl_->setObjectName("tl");
  Caption("Passage au méridien", t.Rect(2100, 330, 1900, 240), this);
  tp_ = Caption("", t.Rect(4000, 330, 1300, 240), this);
  tp_->setObjectName("TP");
  Caption("Coucher", t.Rect(2100, 600, 1900, 240), this);
  tc_ = Caption("", t.Rect(4000, 600, 1300, 240), this);
  tc_->setObjectName("tc");
  label10_ = Caption("Le Soleil ne se lève pas !", t.Rect(2100, 870, 3300, 240), this);
  label10_->setObjectName("Label10");
  label10_->hide();
  label11_ = Caption("Heure Locale", t.Rect(2100, 1140, 1900, 240), this);
  label11_->setObjectName("Label11");

  // Right block: the position of the map centre or of the pointer, in a
  // fixed-pitch font so the lines align.
  label2_ = Caption("Position du centre.", t.Rect(5460, 60, 1980, 1500), this);
  label2_->setObjectName("Label2");
  label2_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  // Only the family is set: the size follows the panel's font.
  QFont fixed;
  fixed.setFamilies({"Courier New", QFontDatabase::systemFont(QFontDatabase::FixedFont).family()});
  fixed.setStyleHint(QFont::TypeWriter);
  label2_->setFont(fixed);
  ShowLocatorColour(false);
}

char DatePanel::ZoneSeparator() const {
  const QString point = fuseau_->locale().decimalPoint();
  if (point.size() == 1 && point.at(0).unicode() < 0x80) return point.at(0).toLatin1();
  return '.';
}

void DatePanel::ShowZone(double hours) {
  fuseau_->setText(QString::fromStdString(ZoneBoxText(hours, ZoneSeparator())));
}

void DatePanel::ShowTimeBase(bool local_time) {
  label11_->setText(local_time ? "Heure Locale" : "TU");
}

void DatePanel::ShowLocatorColour(bool QRAON) {
  SetTextColour(label2_, QRAON ? kLocatorColour : kPositionColour);
}

}  // namespace pellamar
