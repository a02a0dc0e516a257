#include "places/view/search_panels.h"

#include <QEvent>
#include <algorithm>

namespace pellamar {
namespace {

// Designed geometry in the search panel (2940 × 1635 twips).
constexpr double kCaptionTop = 30, kRowTop = 280, kRowHeight = 300;
constexpr double kListTop = 640, kListBottomMargin = 60;
// In the country panel: the hint above the list, the list down to "fermer".
constexpr double kHintTop = 60, kHintHeight = 700, kList3Top = 800;
constexpr double kList3Shorter = 1300, kCloseFromBottom = 500, kCloseHeight = 360;

}  // namespace

void FrameFiller::FollowFrame() {
  parentWidget()->installEventFilter(this);
  Fill();
}

bool FrameFiller::eventFilter(QObject* watched, QEvent* event) {
  if (watched == parentWidget() && event->type() == QEvent::Resize) Fill();
  return QWidget::eventFilter(watched, event);
}

void FrameFiller::Fill() {
  QWidget* frame = parentWidget();
  setGeometry(0, 0, frame->width(), frame->height());
  Place(frame->width() * twips_.PerPixel(), frame->height() * twips_.PerPixel());
}

SearchPanel::SearchPanel(const Twips& t, QWidget* fra_cherche) : FrameFiller(t, fra_cherche) {
  setObjectName("SearchPanel");
  caption_ = new QLabel(QStringLiteral("Recherche de Ville"), this);
  caption_->setObjectName("FraChercheCaption");
  rech_ = new QLineEdit(this);
  rech_->setObjectName("Rech");
  rech_->setAccessibleName(QStringLiteral("Recherche de Ville"));
  command2_ = new QPushButton(QStringLiteral("Chercher"), this);
  command2_->setObjectName("Command2");
  command2_->setToolTip(QStringLiteral("Lancer la recherche"));
  list2_ = new QListWidget(this);
  list2_->setObjectName("List2");
  list2_->setAccessibleName(QStringLiteral("Villes"));
  list2_->hide();
  FollowFrame();

  connect(command2_, &QPushButton::clicked, this, &SearchPanel::searchRequested);
  connect(rech_, &QLineEdit::returnPressed, this, &SearchPanel::searchRequested);
  connect(list2_, &QListWidget::itemClicked, this,
          [this](QListWidgetItem* item) { emit cityChosen(list2_->row(item)); });
}

void SearchPanel::Place(double width, double height) {
  caption_->setGeometry(twips_.Rect(60, kCaptionTop, width - 120, 240));
  rech_->setGeometry(twips_.Rect(60, kRowTop, width - 1100, kRowHeight));
  command2_->setGeometry(twips_.Rect(width - 1000, kRowTop - 10, 940, kRowHeight + 20));
  list2_->setGeometry(twips_.Rect(60, kListTop, width - 120, std::max(0.0, height - kListTop - kListBottomMargin)));
}

CountryPanel::CountryPanel(const Twips& t, QWidget* frame2) : FrameFiller(t, frame2) {
  setObjectName("CountryPanel");
  label13_ = new QLabel(QString::fromUtf8("Sélectionnez un pays, puis une ville dans la liste du dessus"), this);
  label13_->setObjectName("Label13");
  label13_->setWordWrap(true);
  list3_ = new QListWidget(this);
  list3_->setObjectName("List3");
  list3_->setAccessibleName(QStringLiteral("Pays"));
  command3_ = new QPushButton(QStringLiteral("fermer"), this);
  command3_->setObjectName("Command3");
  FollowFrame();

  connect(list3_, &QListWidget::itemClicked, this,
          [this](QListWidgetItem* item) { emit countryChosen(list3_->row(item)); });
  connect(command3_, &QPushButton::clicked, this, &CountryPanel::closeClicked);
}

void CountryPanel::Place(double width, double height) {
  label13_->setGeometry(twips_.Rect(60, kHintTop, width - 120, kHintHeight));
  list3_->setGeometry(twips_.Rect(60, kList3Top, width - 120, std::max(0.0, height - kList3Shorter)));
  command3_->setGeometry(twips_.Rect(60, height - kCloseFromBottom, 1000, kCloseHeight));
}

}  // namespace pellamar
