#pragma once

#include <QDialog>
#include <QIcon>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <array>
#include <string>
#include <vector>

#include "platform/user_notice.h"
#include "windows/user_cities.h"

namespace pellamar {

// Where the editor reads the city file and where it saves it; with
// `make_folder`, the save first creates the folder of `for_writing` (the
// per-user copy's, on its first save).
struct CityEditorFiles {
  QString for_reading;
  QString for_writing;
  bool make_folder = false;
};

// The modal window "Villes": lists, adds, deletes and saves the user's own
// cities. It loads the user section when it is made; it has saved when
// Saved() is true after it closes. "Retour", the close box and Escape all
// ask first when there are unsaved changes.
class CityEditor final : public QDialog {
  Q_OBJECT
 public:
  CityEditor(const CityEditorFiles& files, UserNotice& notice, const QIcon& icon, QWidget* parent = nullptr);

  // Fills the place fields (the name stays as it is).
  void FillPlace(const UserCityFields& fields);

  bool Saved() const { return saved_; }

  QListWidget* Names() { return list3_; }         // List3
  QLineEdit* Name() { return nom_; }              // Nom
  QLineEdit* LatDegrees() { return text8_; }      // Text8
  QLineEdit* LatMinutes() { return text9_; }      // Text9
  QLineEdit* LonDegrees() { return text6_; }      // Text6
  QLineEdit* LonMinutes() { return text7_; }      // Text7
  QRadioButton* North() { return opt_n_[0]; }     // OptN(0)
  QRadioButton* South() { return opt_n_[1]; }     // OptN(1)
  QRadioButton* East() { return opt_e_[0]; }      // OptE(0)
  QRadioButton* West() { return opt_e_[1]; }      // OptE(1)
  QPushButton* Add() { return command3_; }        // "Ajouter"
  QPushButton* Remove() { return command2_; }     // "Supprimer"
  QPushButton* Save() { return command4_; }       // "Enregistrer"
  QPushButton* Back() { return command1_; }       // "Retour"

  // "Retour": leaves unless there are unsaved changes and the user says No.
  void reject() override;

 private:
  void LoadUserCities();
  void OnCitySelected(int row);
  void OnAdd();
  void OnRemove();
  void OnSave();
  void InputChanged();

  CityEditorFiles files_;
  UserNotice& notice_;
  bool saved_ = false;
  std::vector<UserCityEntry> cities_;  // List1: each name's whole line

  QListWidget* list3_;
  QLineEdit* nom_;
  QLineEdit* text8_;
  QLineEdit* text9_;
  QLineEdit* text6_;
  QLineEdit* text7_;
  std::array<QRadioButton*, 2> opt_n_{};
  std::array<QRadioButton*, 2> opt_e_{};
  QPushButton* command3_;
  QPushButton* command2_;
  QPushButton* command4_;
  QPushButton* command1_;
};

}  // namespace pellamar
