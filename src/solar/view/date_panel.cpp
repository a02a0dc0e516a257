#include "solar/view/date_panel.h"

namespace pellamar {
namespace {

QLabel* Caption(const char* utf8, const QRect& geometry, QWidget* parent) {
  auto* label = new QLabel(QString::fromUtf8(utf8), parent);
  label->setGeometry(geometry);
  return label;
}

QLineEdit* TextBox(const char* name, const QRect& geometry, QWidget* parent) {
  auto* box = new QLineEdit(parent);
  box->setObjectName(name);
  box->setGeometry(geometry);
  box->setAlignment(Qt::AlignCenter);
  return box;
}

}  // namespace

DatePanel::DatePanel(const Twips& t, QWidget* parent) : QFrame(parent) {
  setObjectName("FraSol");
  setFrameShape(QFrame::StyledPanel);

  // Left block: date, zone and clock.
  Caption("jour", t.Rect(120, 60, 600, 240), this);
  text3_ = TextBox("Text3", t.Rect(120, 300, 600, 300), this);
  Caption("mois", t.Rect(840, 60, 600, 240), this);
  text4_ = TextBox("Text4", t.Rect(840, 300, 600, 300), this);
  fuseau_ = TextBox("Fuseau", t.Rect(120, 900, 600, 300), this);
  fuseau_->setToolTip(QString::fromUtf8("Votre fuseau horaire (décalage avec TU)"));
  Caption("TU +", t.Rect(120, 660, 700, 240), this);
  text1_ = TextBox("Text1", t.Rect(840, 900, 900, 300), this);
  text1_->setReadOnly(true);

  // Middle block: the Sun's times for the place under the pointer.
  Caption("Lever", t.Rect(2000, 60, 1900, 240), this);
  tl_ = Caption("", t.Rect(4000, 60, 1300, 240), this);
  Caption("Passage au méridien", t.Rect(2000, 330, 1900, 240), this);
  tp_ = Caption("", t.Rect(4000, 330, 1300, 240), this);
  Caption("Coucher", t.Rect(2000, 600, 1900, 240), this);
  tc_ = Caption("", t.Rect(4000, 600, 1300, 240), this);
  label10_ = Caption("Le Soleil ne se lève pas !", t.Rect(2000, 870, 3300, 240), this);
  label10_->setObjectName("Label10");
  label10_->hide();
  Caption("Heure Solaire", t.Rect(2000, 1140, 1900, 240), this);

  // Right block: the position of the map centre or of the pointer.
  label2_ = Caption("Position du centre.", t.Rect(5400, 60, 2000, 1500), this);
  label2_->setObjectName("Label2");
  label2_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  label2_->setWordWrap(true);
}

}  // namespace pellamar
