#pragma once

#include <QDialog>
#include <QIcon>
#include <QUrl>
#include <functional>

class QLabel;
class QPushButton;

namespace pellamar {

// The About window "A Propos...": what the program does, the free
// distribution notice, the author's web page, the version, the data
// credits, the mail link and "Retour". Clicking the icon or the address
// opens the web page; clicking "Envoyer un coucou à l'auteur..." starts a
// mail. Addresses go to `open`, which asks the desktop to open them.
class AboutDialog final : public QDialog {
  Q_OBJECT

 public:
  AboutDialog(const QIcon& icon, std::function<bool(const QUrl&)> open, QWidget* parent = nullptr);

  // The web page and the mail link as handed to the desktop.
  static QUrl WebPageUrl();
  static QUrl MailUrl();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  std::function<bool(const QUrl&)> open_;
  QLabel* image1_;
  QLabel* web_page_;  // Label1 element 2
  QLabel* label2_;
};

}  // namespace pellamar
