#include "overlays/view/colour_panel.h"

#include <QLabel>
#include <QPalette>

#include "map/view/picture_canvas.h"
#include "platform/view/caption.h"

namespace pellamar {

ColourSwatch::ColourSwatch(const char* name, const QString& accessible_name, QWidget* parent)
    : QFrame(parent) {
  setObjectName(name);
  setAccessibleName(accessible_name);
  setFrameShape(QFrame::Box);
  setAutoFillBackground(true);
}

void ColourSwatch::SetColour(Colour colour) {
  colour_ = colour;
  QPalette p = palette();
  const QColor shown = colour == kHiddenColour ? QPalette().color(QPalette::Button) : ToQColor(colour);
  p.setColor(QPalette::Window, shown);
  setPalette(p);
}

ColourPanel::ColourPanel(const Twips& t, QWidget* parent) : QWidget(parent) {
  setObjectName("ColourPanel");
  QFont small = font();
  small.setPointSizeF(8);
  setFont(small);

  const char* group_titles[2] = {"Courbe d'ensoleillement", "Lignes de l'ombre (nuit)"};
  const char* component_names[3] = {"Rouge", "Vert", "Bleu"};
  const char* swatch_names[2] = {"Shape1", "Shape4"};
  ColourSwatch** swatches[2] = {&shape1_, &shape4_};
  for (int g = 0; g < 2; ++g) {
    const double top = 120 + g * 2200;
    *swatches[g] = new ColourSwatch(swatch_names[g], QString::fromUtf8(group_titles[g]), this);
    (*swatches[g])->setGeometry(t.Rect(120, top, 600, 400));
    Caption(group_titles[g], t.Rect(840, top + 80, 3800, 260), this);
    for (int c = 0; c < 3; ++c) {
      const int i = g * 3 + c;
      const double row = top + 500 + c * 560;
      Caption(component_names[c], t.Rect(120, row, 1500, 240), this);
      auto* bar = new QScrollBar(Qt::Horizontal, this);
      bar->setObjectName(QString("HScroll1_%1").arg(i));
      bar->setAccessibleName(QString::fromUtf8(component_names[c]));
      bar->setRange(0, 255);
      bar->setGeometry(t.Rect(120, row + 250, 4500, 255));
      connect(bar, &QScrollBar::valueChanged, this, [this] { ShowPreviews(); });
      hscroll1_[static_cast<std::size_t>(i)] = bar;
    }
  }

  const double para_top = 4520;
  const char* para_title = "Parallèles / Méridien particuliers";
  shape5_ = new ColourSwatch("Shape5", QString::fromUtf8(para_title), this);
  shape5_->setGeometry(t.Rect(120, para_top, 600, 400));
  Caption(para_title, t.Rect(840, para_top + 80, 3800, 260), this);
  options_ = new QButtonGroup(this);
  const char* option_captions[4] = {"Vert", "Jaune", "Bleu", "Masquer"};
  for (int i = 0; i < 4; ++i) {
    option3_[static_cast<std::size_t>(i)] = new QRadioButton(QString::fromUtf8(option_captions[i]), this);
    option3_[static_cast<std::size_t>(i)]->setObjectName(QString("Option3_%1").arg(i));
    option3_[static_cast<std::size_t>(i)]->setGeometry(t.Rect(120 + i * 1150, para_top + 480, 1150, 260));
    options_->addButton(option3_[static_cast<std::size_t>(i)], i);
  }
  connect(options_, &QButtonGroup::idClicked, this, [this](int id) {
    if (const std::optional<Colour> colour = ParallelsOption(id)) shape5_->SetColour(*colour);
  });

  command5_ = new QPushButton(QString::fromUtf8("Valeurs par défaut"), this);
  command5_->setObjectName("Command5");
  command5_->setGeometry(t.Rect(120, 5300, 2300, 340));
  command4_ = new QPushButton("OK", this);
  command4_->setObjectName("Command4");
  command4_->setGeometry(t.Rect(2600, 5300, 2000, 340));
  command6_ = new QPushButton(QString::fromUtf8("Aperçu"), this);
  command6_->setObjectName("Command6");
  command6_->setGeometry(t.Rect(120, 5720, 2300, 340));
  connect(command5_, &QPushButton::clicked, this, [this] { SetDefaults(); });
  connect(command6_, &QPushButton::clicked, this, [this] { emit applyRequested(); });
  connect(command4_, &QPushButton::clicked, this, [this] { emit okRequested(); });

  Open(kDefaultScrolls);
}

void ColourPanel::Open(const std::array<int, 6>& scrolls) {
  for (std::size_t i = 0; i < hscroll1_.size(); ++i) hscroll1_[i]->setValue(scrolls[i]);
  ShowPreviews();
}

ColourPanelValues ColourPanel::Values() const {
  ColourPanelValues values;
  for (std::size_t i = 0; i < hscroll1_.size(); ++i) values.scroll[i] = hscroll1_[i]->value();
  values.parallels = shape5_->GetColour();
  return values;
}

void ColourPanel::ShowPreviews() {
  const OverlayColours colours = ColoursOf(Values());
  shape1_->SetColour(colours.curve);
  shape4_->SetColour(colours.night);
}

void ColourPanel::SetDefaults() {
  Open(kDefaultScrolls);
  option3_[0]->setChecked(true);
  shape5_->SetColour(*ParallelsOption(0));
}

}  // namespace pellamar
