#include "windows/view/about_dialog.h"

#include <QBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>

#include "windows/about.h"

namespace pellamar {
namespace {

QString FromView(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

QLabel* Line(QWidget* parent, const QString& name, const QString& text) {
  auto* label = new QLabel(text, parent);
  label->setObjectName(name);
  label->setWordWrap(true);
  label->setAlignment(Qt::AlignHCenter);
  return label;
}

// A label that opens something when clicked: hand cursor, link colour.
void MakeClickable(QLabel* label, const QString& tooltip) {
  label->setCursor(Qt::PointingHandCursor);
  label->setToolTip(tooltip);
  QPalette p = label->palette();
  p.setColor(QPalette::WindowText, p.color(QPalette::Link));
  label->setPalette(p);
}

}  // namespace

QUrl AboutDialog::WebPageUrl() { return QUrl(FromView(kWebPage)); }

QUrl AboutDialog::MailUrl() { return QUrl(QString::fromStdString(MailLink())); }

AboutDialog::AboutDialog(const QIcon& icon, std::function<bool(const QUrl&)> open, QWidget* parent)
    : QDialog(parent), open_(std::move(open)) {
  setObjectName("About");
  setWindowTitle("A Propos...");
  setWindowIcon(icon);
  setModal(true);

  auto* column = new QVBoxLayout(this);
  column->setSpacing(10);

  image1_ = new QLabel(this);
  image1_->setObjectName("Image1");
  image1_->setAlignment(Qt::AlignHCenter);
  image1_->setPixmap(icon.pixmap(64, 64));
  image1_->setAccessibleName(FromView(kWebPage));
  MakeClickable(image1_, FromView(kWebPage));
  column->addWidget(image1_);

  column->addWidget(Line(this, "Label1_0",
                         QString::fromUtf8("Calcul d'heures de lever et de coucher du Soleil dans le monde.")));
  column->addWidget(Line(this, "Label1_1",
                         QString::fromUtf8("Ce programme est libre : vous pouvez le copier et le distribuer "
                                           "gratuitement à qui vous voulez.")));
  web_page_ = Line(this, "Label1_2", FromView(kWebPage));
  QFont arial(QStringLiteral("Arial"));
  arial.setUnderline(true);
  web_page_->setFont(arial);
  MakeClickable(web_page_, QString::fromUtf8("Ouvrir la page web de l'auteur"));
  column->addWidget(web_page_);
  column->addWidget(Line(this, "Label1_3", QString::fromStdString(VersionLine())));
  column->addWidget(Line(this, "Credits",
                         QString::fromUtf8("Données : contours GSHHG (P. Wessel et W. H. F. Smith, LGPL), "
                                           "villes GeoNames (CC BY 4.0).")));

  label2_ = Line(this, "Label2", QString::fromUtf8("Envoyer un coucou à l'auteur..."));
  MakeClickable(label2_, FromView(kMailAddress));
  column->addWidget(label2_);

  auto* command1 = new QPushButton("Retour", this);
  command1->setObjectName("Command1");
  command1->setDefault(true);
  connect(command1, &QPushButton::clicked, this, &QDialog::accept);
  column->addWidget(command1, 0, Qt::AlignHCenter);

  for (QLabel* l : {image1_, web_page_, label2_}) l->installEventFilter(this);
  setMinimumWidth(420);
}

bool AboutDialog::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::MouseButtonRelease &&
      static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
    if (watched == image1_ || watched == web_page_) {
      open_(WebPageUrl());
      return true;
    }
    if (watched == label2_) {
      open_(MailUrl());
      return true;
    }
  }
  return QDialog::eventFilter(watched, event);
}

}  // namespace pellamar
