#include "shell/view/config_panel.h"

#include <QButtonGroup>

namespace pellamar {
namespace {

QCheckBox* Check(const char* name, const char* caption, const char* tip, const QRect& g, QWidget* parent) {
  auto* box = new QCheckBox(QString::fromUtf8(caption), parent);
  box->setObjectName(name);
  if (tip) box->setToolTip(QString::fromUtf8(tip));
  box->setGeometry(g);
  return box;
}

// Rows of the panel, twips: 16 pixels at 96 dpi, enough for an 8-point
// caption. Five rows on the left leave the bottom strip to Label7 and the
// progress row; every caption is whole at 96 dpi with an 8-point font.
constexpr double kRowTop = 30;
constexpr double kRow = 240;

}  // namespace

ConfigPanel::ConfigPanel(const Twips& t, QWidget* parent) : QFrame(parent) {
  setObjectName("FraConfig");
  setFrameShape(QFrame::StyledPanel);

  // Zoom options of a left click on the map.
  auto* zoom_group = new QButtonGroup(this);
  const char* zoom_captions[3] = {"Augmente le zoom", "Diminue le zoom", "Verrouille le zoom"};
  for (int i = 0; i < 3; ++i) {
    option1_[i] = new QRadioButton(QString::fromUtf8(zoom_captions[i]), this);
    option1_[i]->setObjectName(QString("Option1_%1").arg(i));
    option1_[i]->setGeometry(t.Rect(45, kRowTop + i * kRow, 2010, kRow));
    zoom_group->addButton(option1_[i], i);
  }
  option1_[0]->setChecked(true);

  ch_raf_auto_ = Check("ChRafAuto", "Rafraichissement automatique",
                       "La carte se reconstruit régulièrement.", t.Rect(45, kRowTop + 3 * kRow, 2955, kRow), this);
  chec_mem_ = Check("ChecMEM", "Conserver cette carte ",
                    "Pour le prochain lancement ou \"Reset\" du programme.  Gardera ou non cette carte.",
                    t.Rect(45, kRowTop + 4 * kRow, 2265, kRow), this);
  ch_villes_ = Check("ChVilles", "Villes.", "Afficher ou non les villes sur la carte.",
                     t.Rect(3030, kRowTop + 3 * kRow, 960, kRow), this);
  hloc_ = Check("HLOC", "Heure Locale.", "Ou heure T.U.", t.Rect(2325, kRowTop + 4 * kRow, 1560, kRow), this);
  ch_soleil_ = Check("ChSoleil", "Courbe d'ensoleillement",
                     "Afficher la courbe d'ensoleillement sur la terre, avec la zone de nuit.",
                     t.Rect(2070, kRowTop + 2 * kRow, 2460, kRow), this);
  ch_soleil_->setChecked(true);
  qraon_ = Check("QRAON", "QRA Locator", "Coordonnées géographiques pour les Radio-amateurs.",
                 t.Rect(1950, 1320, 1440, kRow), this);
  command1_ = new QPushButton("Reset", this);
  command1_->setObjectName("Command1");
  command1_->setToolTip(QString::fromUtf8(
      "Relance l'affichage de la carte selon l'option \"Conserver cette carte\""));
  command1_->setGeometry(t.Rect(3915, 45, 660, 465));
  command7_ = new QPushButton(QString::fromUtf8("Aujourd'hui"), this);
  command7_->setObjectName("Command7");
  command7_->setGeometry(t.Rect(3420, 1290, 1170, 300));

  // Outline choice.
  // A thin box: a group box would keep room for a title it does not have.
  auto* frame1 = new QFrame(this);
  frame1->setObjectName("Frame1");
  frame1->setFrameStyle(QFrame::Box | QFrame::Plain);
  frame1->setForegroundRole(QPalette::Mid);
  frame1->setGeometry(t.Rect(2070, 15, 1800, 495));
  auto* outline_group = new QButtonGroup(this);
  const char* outline_captions[2] = {"Contours précis", "Carte globale"};
  const char* outline_tips[2] = {"Mais lents à charger.", "Peu précise mais rapide"};
  for (int i = 0; i < 2; ++i) {
    option2_[i] = new QRadioButton(QString::fromUtf8(outline_captions[i]), frame1);
    option2_[i]->setObjectName(QString("Option2_%1").arg(i));
    option2_[i]->setToolTip(QString::fromUtf8(outline_tips[i]));
    option2_[i]->setGeometry(t.Rect(30, 15 + i * 225, 1710, 225));
    outline_group->addButton(option2_[i], i);
  }
  option2_[1]->setChecked(true);
  // A click rebuilds at once, even on the option already selected.
  connect(outline_group, &QButtonGroup::idClicked, this, [this](int) { emit outlinesChosen(); });
  connect(ch_raf_auto_, &QCheckBox::clicked, this, &ConfigPanel::autoRefreshToggled);

  label7_ = new QLabel(this);
  label7_->setObjectName("Label7");
  label7_->setGeometry(t.Rect(0, 1335, kLabel7Width, kLabel7Height));
  label7_->setStyleSheet("color: #c00000;");
  label7_->hide();

  progress_ = new ProgressRow(t.PerPixel(), this);
  progress_->move(0, t.Px(1390));
}

ZoomOption ConfigPanel::Zoom() const {
  if (option1_[1]->isChecked()) return ZoomOption::ZoomOut;
  if (option1_[2]->isChecked()) return ZoomOption::Lock;
  return ZoomOption::ZoomIn;
}

void ConfigPanel::SetZoom(ZoomOption option) {
  option1_[option == ZoomOption::ZoomIn ? 0 : option == ZoomOption::ZoomOut ? 1 : 2]->setChecked(true);
}

OutlineSet ConfigPanel::Outlines() const {
  return option2_[0]->isChecked() ? OutlineSet::Precise : OutlineSet::Global;
}

void ConfigPanel::SetOutlines(OutlineSet set) { option2_[set == OutlineSet::Precise ? 0 : 1]->setChecked(true); }

StartupOptions ConfigPanel::Options() const {
  return {chec_mem_->isChecked(), ch_raf_auto_->isChecked(), ch_villes_->isChecked(), hloc_->isChecked()};
}

void ConfigPanel::SetOptions(const StartupOptions& o) {
  chec_mem_->setChecked(o.keep_map);
  ch_raf_auto_->setChecked(o.auto_refresh);
  ch_villes_->setChecked(o.cities);
  hloc_->setChecked(o.local_time);
}

}  // namespace pellamar
