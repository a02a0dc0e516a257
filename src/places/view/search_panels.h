#pragma once

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QWidget>

#include "platform/view/twips.h"

namespace pellamar {

// A panel that fills its frame and lays its controls out again, in twips,
// whenever the frame is resized.
class FrameFiller : public QWidget {
 public:
  FrameFiller(const Twips& twips, QWidget* frame) : QWidget(frame), twips_(twips) {}

 protected:
  // Lays the controls out in a frame `width` × `height` twips.
  virtual void Place(double width, double height) = 0;
  // Fills the frame now and after each of its resizes; called once the
  // controls exist.
  void FollowFrame();
  bool eventFilter(QObject* watched, QEvent* event) override;

  Twips twips_;

 private:
  void Fill();
};

// The contents of the search panel FraCherche ("Recherche de Ville"): the
// text box Rech, the button Command2 "Chercher" and the result list List2
// (city names), hidden until a search or a country fills it.
class SearchPanel final : public FrameFiller {
  Q_OBJECT
 public:
  SearchPanel(const Twips& twips, QWidget* fra_cherche);

  QLineEdit* Query() { return rech_; }        // Rech
  QPushButton* Search() { return command2_; }  // Command2
  QListWidget* Names() { return list2_; }     // List2

 signals:
  // "Chercher" clicked (or Enter in Rech).
  void searchRequested();
  // A name of List2 clicked, by its row.
  void cityChosen(int row);

 private:
  void Place(double width, double height) override;

  QLabel* caption_;
  QLineEdit* rech_;
  QPushButton* command2_;
  QListWidget* list2_;
};

// The contents of the country panel Frame2: Label13, the country list List3
// and Command3 "fermer". List3 is Frame2's height less 1300 twips and
// "fermer" sits 500 twips above its bottom, whatever Frame2's height.
class CountryPanel final : public FrameFiller {
  Q_OBJECT
 public:
  CountryPanel(const Twips& twips, QWidget* frame2);

  QListWidget* Countries() { return list3_; }  // List3
  QLabel* Hint() { return label13_; }          // Label13
  QPushButton* Close() { return command3_; }   // Command3

 signals:
  void countryChosen(int row);
  void closeClicked();

 private:
  void Place(double width, double height) override;

  QLabel* label13_;
  QListWidget* list3_;
  QPushButton* command3_;
};

}  // namespace pellamar
