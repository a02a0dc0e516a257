#include "shell/view/main_window.h"

#include "shell/view/city_file_paths.h"

#include <QAction>
#include <QByteArray>
#include <QFont>
#include <QLabel>
#include <QMenu>
#include <optional>
#include <string>
#include <vector>

#include "map/view/map_picture.h"
#include "places/city_drawing.h"
#include "places/city_file.h"
#include "places/city_search.h"
#include "places/cp1252.h"
#include "places/view/city_file_io.h"
#include "places/view/search_panels.h"
#include "shell/view/config_panel.h"
#include "windows/user_cities.h"
#include "windows/view/city_editor.h"

namespace pellamar {
namespace {

QString FromCp1252(std::string_view bytes) { return QString::fromStdString(Cp1252ToUtf8(bytes)); }

// The file's bytes of a list entry, kept beside the text it shows.
constexpr int kBytesRole = Qt::UserRole;

QListWidgetItem* EntryWithBytes(std::string_view bytes, std::string_view shown) {
  auto* item = new QListWidgetItem(FromCp1252(shown));
  item->setData(kBytesRole, QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size())));
  return item;
}

std::string BytesOf(const QListWidgetItem* item) { return item->data(kBytesRole).toByteArray().toStdString(); }

// The city file's bytes; nothing, once the user has been told, when it
// cannot be read.
std::optional<std::string> ReadOrTell(const QString& path, UserNotice& notice) {
  std::optional<std::string> bytes = ReadCityFileAt(path);
  if (!bytes) notice.Message(kCityFileReadError);
  return bytes;
}

}  // namespace

QString MainWindow::CityFileForReading() const {
  return CityFileForReadingIn(services_.data_folder,
                              services_.user_data_folder.isEmpty() ? UserDataFolder() : services_.user_data_folder);
}

QString MainWindow::CityFileForWriting() const {
  return CityFileForWritingIn(services_.data_folder,
                              services_.user_data_folder.isEmpty() ? UserDataFolder() : services_.user_data_folder);
}

void MainWindow::WireCities() {
  fra_cherche_->setAccessibleName(QStringLiteral("Recherche de Ville"));
  search_panel_ = new SearchPanel(twips_, fra_cherche_);
  country_panel_ = new CountryPanel(twips_, frame2_);
  // The country panel floats on the map: opaque, with a frame.
  frame2_->setAutoFillBackground(true);
  frame2_->setFrameShape(QFrame::StyledPanel);
  QLabel* label7 = fra_config_->ChosenCity();
  QFont arial = label7->font();
  arial.setFamily(QStringLiteral("Arial"));
  label7->setFont(arial);

  connect(search_panel_, &SearchPanel::searchRequested, this, &MainWindow::SearchCityNames);
  connect(search_panel_, &SearchPanel::cityChosen, this, &MainWindow::ChooseCity);
  connect(country_panel_, &CountryPanel::countryChosen, this, &MainWindow::ChooseCountry);
  connect(country_panel_, &CountryPanel::closeClicked, this, [this] {
    frame2_->hide();
    search_panel_->Names()->hide();
    search_panel_->Query()->clear();
  });
  connect(fra_config_->Cities(), &QCheckBox::clicked, this, [this](bool checked) {
    if (checked) {
      DrawCities();
      picture1_->update();
    } else {
      RebuildMap();  // the cities leave the map at once
    }
  });
  if (auto* mdef = mlieu_->findChild<QAction*>(QStringLiteral("MDEF"))) {
    mdef->setEnabled(true);
    connect(mdef, &QAction::triggered, this, &MainWindow::DefineThisPlace);
  }
}

void MainWindow::DrawCities() {
  if (!fra_config_->Cities()->isChecked() || !HasScales(map_)) return;
  const std::optional<std::string> bytes = ReadOrTell(CityFileForReading(), *services_.notice);
  if (!bytes) return;
  // A circle is at least one device pixel, however far the map is zoomed out.
  const double device_pixel_twips = picture1_->TwipsPerPixel() / std::max(1.0, picture1_->devicePixelRatioF());
  DrawCityLines(SplitCityLines(*bytes), map_, picture1_->Canvas(), device_pixel_twips);
}

void MainWindow::ShowCityResults(const std::vector<CityMatch>& found) {
  QListWidget* list2 = search_panel_->Names();
  for (const CityMatch& city : found) {
    list1_->addItem(EntryWithBytes(city.line, city.line));
    list2->addItem(FromCp1252(city.name));
  }
  if (list2->count() > 0) {
    list2->show();
    list2->raise();
  }
}

void MainWindow::SearchCityNames() {
  const QString text = search_panel_->Query()->text();
  if (text.isEmpty()) return;
  list1_->clear();
  search_panel_->Names()->clear();
  const std::optional<std::string> bytes = ReadOrTell(CityFileForReading(), *services_.notice);
  if (!bytes) return;
  // A query the file's code page cannot hold matches no line.
  const std::optional<std::string> query = Utf8ToCp1252(text.toStdString());
  if (!query) return;
  ShowCityResults(SearchCities(SplitCityLines(*bytes), *query));
}

void MainWindow::OpenCountryList() {
  frame2_->show();
  frame2_->raise();
  fra_cherche_->show();
  fra_cherche_->raise();
  QListWidget* list3 = country_panel_->Countries();
  list3->clear();
  const std::optional<std::string> bytes = ReadOrTell(CityFileForReading(), *services_.notice);
  if (!bytes) return;
  for (const std::string& country : ListCountries(SplitCityLines(*bytes))) {
    list3->addItem(EntryWithBytes(country, country));
  }
}

void MainWindow::ChooseCountry(int row) {
  const QListWidgetItem* item = country_panel_->Countries()->item(row);
  if (!item) return;
  list1_->clear();
  search_panel_->Names()->clear();
  const std::optional<std::string> bytes = ReadOrTell(CityFileForReading(), *services_.notice);
  if (!bytes) return;
  ShowCityResults(CountryCities(SplitCityLines(*bytes), BytesOf(item)));
}

void MainWindow::ChooseCity(int row) {
  const QListWidgetItem* item = list1_->item(row);
  if (!item) return;
  const std::optional<pellamar::ChosenCity> city = pellamar::ChooseCity(BytesOf(item));
  if (!city) return;
  QLabel* label7 = fra_config_->ChosenCity();
  label7->setText(FromCp1252(city->name));
  CentreOnCity(map_, city->place);
  // The read-out describes the new centre, then the map is drawn around it.
  OnMapMoved(QPointF(map_.Xc, map_.Yc));
  RebuildMap();
  label7->show();
}

void MainWindow::OpenCityEditor() { RunCityEditor(std::nullopt); }

void MainWindow::DefineThisPlace() {
  if (popup_place_) RunCityEditor(popup_place_);
}

void MainWindow::RunCityEditor(const std::optional<GeoPoint>& place) {
  bool saved = false;
  {
    // No refresh runs behind the modal window.
    TimerHold hold(*this);
    // The per-user copy and its folder are made by the first save, not here.
    CityEditor editor({CityFileForReading(), CityFileForWriting(), true}, *services_.notice, windowIcon(), this);
    if (place) editor.FillPlace(FieldsOfClickedPlace(*place));
    editor.exec();
    saved = editor.Saved();
  }
  if (saved) RebuildMap();
}

}  // namespace pellamar
