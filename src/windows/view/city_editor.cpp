#include "windows/view/city_editor.h"

#include <QDir>
#include <QFileInfo>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "places/city_file.h"
#include "places/cp1252.h"
#include "places/view/city_file_io.h"

namespace pellamar {
namespace {

QString FromUtf8(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }
QString FromCp1252(std::string_view s) { return FromUtf8(Cp1252ToUtf8(s)); }

QLineEdit* Box(const char* object_name, const QString& accessible_name, QWidget* parent) {
  auto* box = new QLineEdit(parent);
  box->setObjectName(object_name);
  box->setAccessibleName(accessible_name);
  box->setMaximumWidth(60);
  return box;
}

QPushButton* Button(const char* object_name, const QString& caption, QWidget* parent) {
  auto* button = new QPushButton(caption, parent);
  button->setObjectName(object_name);
  button->setAutoDefault(false);
  return button;
}

// A frame "Latitude" or "Longitude": degrees " °", minutes " '", and the two
// hemispheres.
QGroupBox* PlaceFrame(const QString& caption, QLineEdit* degrees, QLineEdit* minutes,
                      std::array<QRadioButton*, 2>& options, const QString& first, const QString& second,
                      const char* options_name, QWidget* parent) {
  auto* frame = new QGroupBox(caption, parent);
  auto* rows = new QVBoxLayout(frame);
  auto* values = new QHBoxLayout;
  values->addWidget(degrees);
  values->addWidget(new QLabel(QString::fromUtf8(" °"), frame));
  values->addWidget(minutes);
  values->addWidget(new QLabel(QStringLiteral(" '"), frame));
  values->addStretch();
  auto* hemispheres = new QHBoxLayout;
  for (int i = 0; i < 2; ++i) {
    options[i] = new QRadioButton(i == 0 ? first : second, frame);
    options[i]->setObjectName(QStringLiteral("%1(%2)").arg(QLatin1String(options_name)).arg(i));
    hemispheres->addWidget(options[i]);
  }
  hemispheres->addStretch();
  rows->addLayout(values);
  rows->addLayout(hemispheres);
  options[0]->setChecked(true);
  return frame;
}

}  // namespace

CityEditor::CityEditor(const CityEditorFiles& files, UserNotice& notice, const QIcon& icon, QWidget* parent)
    : QDialog(parent), files_(files), notice_(notice) {
  setObjectName("Villes");
  setWindowTitle(QString::fromUtf8("Villes définies par l'utilisateur"));
  setModal(true);

  list3_ = new QListWidget(this);
  list3_->setObjectName("List3");
  list3_->setAccessibleName(QStringLiteral("Villes"));
  nom_ = new QLineEdit(this);
  nom_->setObjectName("Nom");
  auto* label1 = new QLabel(QStringLiteral("Nom de la ville."), this);
  label1->setObjectName("Label1");
  label1->setBuddy(nom_);
  nom_->setAccessibleName(label1->text());

  text8_ = Box("Text8", QString::fromUtf8("Latitude, degrés"), this);
  text9_ = Box("Text9", QStringLiteral("Latitude, minutes"), this);
  text6_ = Box("Text6", QString::fromUtf8("Longitude, degrés"), this);
  text7_ = Box("Text7", QStringLiteral("Longitude, minutes"), this);
  QGroupBox* latitude = PlaceFrame(QStringLiteral("Latitude"), text8_, text9_, opt_n_, QStringLiteral("Nord"),
                                   QStringLiteral("Sud"), "OptN", this);
  QGroupBox* longitude = PlaceFrame(QStringLiteral("Longitude"), text6_, text7_, opt_e_, QStringLiteral("Est"),
                                    QStringLiteral("Ouest"), "OptE", this);

  command3_ = Button("Command3", QStringLiteral("Ajouter"), this);
  command2_ = Button("Command2", QStringLiteral("Supprimer"), this);
  command4_ = Button("Command4", QStringLiteral("Enregistrer"), this);
  command1_ = Button("Command1", QStringLiteral("Retour"), this);
  command1_->setIcon(icon);
  command2_->setEnabled(false);
  command4_->setEnabled(false);

  auto* fields = new QVBoxLayout;
  fields->addWidget(label1);
  fields->addWidget(nom_);
  fields->addWidget(latitude);
  fields->addWidget(longitude);
  auto* buttons = new QHBoxLayout;
  for (QPushButton* b : {command3_, command2_, command4_, command1_}) buttons->addWidget(b);
  fields->addLayout(buttons);
  fields->addStretch();
  auto* top = new QHBoxLayout(this);
  top->addWidget(list3_, 1);
  top->addLayout(fields, 2);

  connect(list3_, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) {
    OnCitySelected(list3_->row(item));
  });
  connect(command3_, &QPushButton::clicked, this, &CityEditor::OnAdd);
  connect(command2_, &QPushButton::clicked, this, &CityEditor::OnRemove);
  connect(command4_, &QPushButton::clicked, this, &CityEditor::OnSave);
  connect(command1_, &QPushButton::clicked, this, &CityEditor::reject);
  for (QLineEdit* box : {nom_, text8_, text9_, text6_, text7_}) {
    connect(box, &QLineEdit::textChanged, this, &CityEditor::InputChanged);
  }
  for (QRadioButton* option : {opt_n_[0], opt_n_[1], opt_e_[0], opt_e_[1]}) {
    connect(option, &QRadioButton::clicked, this, &CityEditor::InputChanged);
  }
  LoadUserCities();
}

void CityEditor::LoadUserCities() {
  cities_.clear();
  list3_->clear();
  const std::optional<std::string> bytes = ReadCityFileAt(files_.for_reading);
  if (!bytes) {
    notice_.Message(kCityFileReadError);
    return;
  }
  cities_ = pellamar::LoadUserCities(SplitCityLines(*bytes));
  for (const UserCityEntry& city : cities_) list3_->addItem(FromCp1252(city.name));
}

void CityEditor::InputChanged() { command3_->setEnabled(true); }

void CityEditor::FillPlace(const UserCityFields& f) {
  // Each write counts as an input change, which enables "Ajouter".
  opt_n_[f.north ? 0 : 1]->setChecked(true);
  opt_e_[f.east ? 0 : 1]->setChecked(true);
  InputChanged();
  text8_->setText(QString::number(f.lat_degrees));
  text9_->setText(QString::number(f.lat_minutes));
  text6_->setText(QString::number(f.lon_degrees));
  text7_->setText(QString::number(f.lon_minutes));
}

void CityEditor::OnCitySelected(int row) {
  if (row < 0 || row >= static_cast<int>(cities_.size())) return;
  const std::optional<UserCityFields> fields = FieldsOfUserLine(cities_[row].line);
  if (fields) {
    FillPlace(*fields);
    nom_->setText(FromUtf8(fields->name));
  } else {
    nom_->setText(FromCp1252(cities_[row].name));
  }
  command2_->setEnabled(true);
  command3_->setEnabled(false);
}

void CityEditor::OnAdd() {
  UserCityInput input;
  input.name = nom_->text().toStdString();
  input.lat_degrees = text8_->text().toStdString();
  input.lat_minutes = text9_->text().toStdString();
  input.north = opt_n_[0]->isChecked();
  input.lon_degrees = text6_->text().toStdString();
  input.lon_minutes = text7_->text().toStdString();
  input.east = opt_e_[0]->isChecked();
  const UserCityLine result = FormatUserCity(input);
  if (!result.line) {
    notice_.Beep();
    if (!result.refusal.empty()) notice_.Message(result.refusal);
    return;
  }
  const std::optional<std::string> name = Utf8ToCp1252(TrimBlanks(input.name));
  cities_.push_back({*result.line, name.value_or(std::string())});
  list3_->addItem(FromCp1252(cities_.back().name));
  command4_->setEnabled(true);
}

void CityEditor::OnRemove() {
  const int row = list3_->currentRow();
  if (row >= 0 && row < static_cast<int>(cities_.size())) {
    cities_.erase(cities_.begin() + row);
    delete list3_->takeItem(row);
    list3_->setCurrentRow(-1);  // a second click deletes nothing unseen
  }
  command4_->setEnabled(true);
}

void CityEditor::OnSave() {
  command4_->setEnabled(false);
  const std::optional<std::string> old_bytes = ReadCityFileAt(files_.for_reading);
  std::vector<std::string> lines;
  lines.reserve(cities_.size());
  for (const UserCityEntry& city : cities_) lines.push_back(city.line);
  const bool folder_ready = !files_.make_folder || QDir().mkpath(QFileInfo(files_.for_writing).absolutePath());
  if (!old_bytes || !folder_ready || !WriteCityFileAt(files_.for_writing, SavedCityFile(*old_bytes, lines))) {
    notice_.TitledMessage(kSaveError, kSaveErrorTitle);
    return;
  }
  saved_ = true;
}

void CityEditor::reject() {
  if (command4_->isEnabled() &&
      !notice_.Question("Votre modification n'a pas été enregistrée, Continuer ?", "Retour ?")) {
    return;
  }
  QDialog::reject();
}

}  // namespace pellamar
