// The cities in the real window, offscreen: the box, the search and country
// panels, the city editor and its saves.
#include <gtest/gtest.h>

#include <QAction>
#include <QCheckBox>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <string>

#include "map/view/map_picture.h"
#include "places/view/search_panels.h"
#include "shell/view/config_panel.h"
#include "support/pixels.h"
#include "support/window_fixture.h"
#include "support/without_permission_override.h"
#include "windows/view/city_editor.h"

namespace pellamar {
namespace {

const std::string kHeader = "; Villes d\xE9" "finies";
// A small city file in the shipped form, with one user city (Windows-1252).
const std::string kBeforeHeader = "; France\r\n048.857 -002.351 0 0 Paris\r\n043.297 -005.381 1 0 Marseille\r\n"
                                  "; \r\n; P\xE9rou\r\n-12.046 0077.043 0 0 Lima\r\n; \r\n \r\n; \r\n";
const std::string kCities = kBeforeHeader + kHeader + "\r\n; \r\n-22.900 043.200 9 3 Rio\r\n";
const std::string kFileError = "Erreur à l'ouverture du fichier: Villes";

using testing::InkedPixels;

class CitiesViewTest : public testing::WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    WriteFile("Villes.txt", kCities);
  }
  QString CityFile() const { return FilePath("Villes.txt"); }
  CityEditorFiles Files() const { return {CityFile(), CityFile()}; }
  static void Type(CityEditor& e, const char* name, const char* lat_m, bool north, const char* lon_m, bool east) {
    e.Name()->setText(QString::fromUtf8(name));
    e.LatDegrees()->setText("48");
    e.LatMinutes()->setText(lat_m);
    (north ? e.North() : e.South())->click();
    e.LonDegrees()->setText("2");
    e.LonMinutes()->setText(lon_m);
    (east ? e.East() : e.West())->click();
  }
  static void AddParis(CityEditor& e) {
    Type(e, "Paris", "51", true, "21", true);
    e.Add()->click();
  }
};
using CityEditorTest = CitiesViewTest;

// Faults: a wrong caption; clearing the box without a rebuild, or checking it with one.
TEST_F(CitiesViewTest, CitiesComeAndGoWithTheBox) {
  MainWindow& window = Start();
  EXPECT_EQ(window.CityFileForReading(), CityFile());
  EXPECT_EQ(window.CityFileForWriting(), CityFile());
  QCheckBox* villes = window.Config()->Cities();
  EXPECT_EQ(villes->text(), "Villes.");
  EXPECT_EQ(villes->toolTip(), "Afficher ou non les villes sur la carte.");
  const int with_cities = InkedPixels(window.Picture());
  villes->click();
  EXPECT_EQ(window.RebuildCount(), 2);
  EXPECT_LT(InkedPixels(window.Picture()), with_cities);
  villes->click();
  EXPECT_EQ(window.RebuildCount(), 2);
  EXPECT_EQ(InkedPixels(window.Picture()), with_cities);
  EXPECT_TRUE(notice_.messages.empty());
}

// Faults: the chosen city's sign, zoom, rebuild or Label7 wrong; no match leaving old rows.
TEST_F(CitiesViewTest, SearchAndChooseParis) {
  MainWindow& window = Start();
  SearchPanel* search = window.CitySearch();
  EXPECT_EQ(search->Search()->text(), "Chercher");
  EXPECT_EQ(search->Search()->toolTip(), "Lancer la recherche");
  EXPECT_TRUE(search->Names()->isHidden());
  QTest::keyClicks(search->Query(), "PAR");
  search->Search()->click();
  ASSERT_EQ(search->Names()->count(), 1);
  EXPECT_FALSE(search->Names()->isHidden());
  EXPECT_EQ(search->Names()->item(0)->text(), "Paris");
  ASSERT_EQ(window.CityLines()->count(), 1);
  EXPECT_EQ(window.CityLines()->item(0)->text(), "048.857 -002.351 0 0 Paris");
  ClickRow(search->Names(), 0);
  EXPECT_FLOAT_EQ(window.Map().LATCENTD, 48.857f);
  EXPECT_FLOAT_EQ(window.Map().LONCENTD, 2.351f);
  EXPECT_EQ(window.Map().ZOOMc, 899);
  EXPECT_EQ(window.RebuildCount(), 2);
  QLabel* label7 = window.Config()->ChosenCity();
  EXPECT_EQ(label7->text(), "Paris");
  EXPECT_FALSE(label7->isHidden());
  EXPECT_EQ(label7->font().family(), "Arial");
  search->Query()->setText("zzz");
  search->Search()->click();
  EXPECT_EQ(search->Names()->count(), 0);
  EXPECT_EQ(window.CityLines()->count(), 0);
  EXPECT_FALSE(search->Names()->isHidden());
  EXPECT_TRUE(notice_.messages.empty());
}

// Faults: "fermer" or List3 misplaced; another country's rows; closing clearing List2.
TEST_F(CitiesViewTest, CountryListAndClose) {
  MainWindow& window = Start();
  CountryPanel* panel = window.CountryList();
  EXPECT_EQ(panel->Hint()->text(), "Sélectionnez un pays, puis une ville dans la liste du dessus");
  EXPECT_EQ(panel->Close()->text(), "fermer");
  window.OpenCountryList();
  QWidget* frame2 = panel->parentWidget();
  EXPECT_FALSE(frame2->isHidden());
  // "fermer" 500 twips above Frame2's bottom; List3 1300 twips shorter.
  const double k = window.Picture()->TwipsPerPixel();
  EXPECT_NEAR(panel->Close()->y() * k, frame2->height() * k - 500, 2 * k);
  EXPECT_NEAR(panel->Countries()->height() * k, frame2->height() * k - 1300, 2 * k);
  QListWidget* list3 = panel->Countries();
  ASSERT_EQ(list3->count(), 3);
  EXPECT_EQ(list3->item(0)->text(), " France");
  EXPECT_EQ(list3->item(1)->text(), " Pérou");
  EXPECT_EQ(list3->item(2)->text(), " Villes définies");
  QListWidget* list2 = window.CitySearch()->Names();
  const struct { int row; const char *name, *line; } rows[] = {
      {2, "Rio", "-22.900 043.200 9 3 Rio"}, {1, "Lima", "-12.046 0077.043 0 0 Lima"}};
  for (const auto& r : rows) {
    SCOPED_TRACE(r.name);
    ClickRow(list3, r.row);
    ASSERT_EQ(list2->count(), 1);
    EXPECT_EQ(list2->item(0)->text(), r.name);
    ASSERT_EQ(window.CityLines()->count(), 1);
    EXPECT_EQ(window.CityLines()->item(0)->text(), r.line);
  }
  EXPECT_FALSE(list2->isHidden());
  window.CitySearch()->Query()->setText("x");
  panel->Close()->click();
  EXPECT_TRUE(frame2->isHidden());
  EXPECT_TRUE(list2->isHidden());
  EXPECT_EQ(list2->count(), 1);
  EXPECT_TRUE(window.CitySearch()->Query()->text().isEmpty());
}

// Fault: a reader (start, search, country list) silent on a missing file.
TEST_F(CitiesViewTest, EveryReaderReportsAMissingFile) {
  QFile::remove(CityFile());
  MainWindow& window = Start();
  EXPECT_EQ(notice_.messages, std::vector<std::string>{kFileError});
  window.CitySearch()->Query()->setText("par");
  window.CitySearch()->Search()->click();
  window.OpenCountryList();
  EXPECT_EQ(notice_.messages, std::vector<std::string>(3, kFileError));
}

// Faults: a wrong caption; "Supprimer" or "Enregistrer" enabled at start.
TEST_F(CityEditorTest, CaptionsAndStartingState) {
  CityEditor editor(Files(), notice_, QIcon(QPixmap(16, 16)));
  EXPECT_EQ(editor.windowTitle(), "Villes définies par l'utilisateur");
  EXPECT_TRUE(editor.isModal());
  const std::pair<QAbstractButton*, const char*> buttons[] = {
      {editor.North(), "Nord"}, {editor.South(), "Sud"},         {editor.East(), "Est"},
      {editor.West(), "Ouest"}, {editor.Add(), "Ajouter"},       {editor.Remove(), "Supprimer"},
      {editor.Save(), "Enregistrer"}, {editor.Back(), "Retour"},
  };
  for (const auto& [button, caption] : buttons) EXPECT_EQ(button->text(), caption);
  EXPECT_FALSE(editor.Back()->icon().isNull());
  EXPECT_FALSE(editor.Remove()->isEnabled());
  EXPECT_FALSE(editor.Save()->isEnabled());
  ASSERT_EQ(editor.Names()->count(), 1);
  EXPECT_EQ(editor.Names()->item(0)->text(), "Rio");
  QStringList captions;
  for (const QLabel* l : editor.findChildren<QLabel*>()) captions << l->text();
  for (const QGroupBox* g : editor.findChildren<QGroupBox*>()) captions << g->title();
  for (const char* caption : {"Nom de la ville.", "Latitude", "Longitude", " °", " '"})
    EXPECT_TRUE(captions.contains(QString::fromUtf8(caption))) << caption;
}

// Faults: fields from the wrong coordinate or hemisphere; "Ajouter" stale; early write.
TEST_F(CityEditorTest, AddSelectRemoveAndSave) {
  CityEditor editor(Files(), notice_, QIcon());
  AddParis(editor);
  QListWidget* list3 = editor.Names();
  ASSERT_EQ(list3->count(), 2);
  EXPECT_EQ(list3->item(1)->text(), "Paris");
  EXPECT_TRUE(editor.Save()->isEnabled());
  EXPECT_TRUE(editor.Add()->isEnabled());  // the same city may be added twice
  // Rio (22°54' S, 43°12' W), then Paris as typed.
  const struct { int row; const char *name, *lat_d, *lat_m, *lon_d, *lon_m; bool north, east; } rows[] = {
      {0, "Rio", "22", "54", "43", "12", false, false}, {1, "Paris", "48", "51", "2", "21", true, true}};
  for (const auto& r : rows) {
    SCOPED_TRACE(r.name);
    ClickRow(list3, r.row);
    EXPECT_EQ(editor.Name()->text(), r.name);
    EXPECT_EQ(editor.LatDegrees()->text(), r.lat_d);
    EXPECT_EQ(editor.LatMinutes()->text(), r.lat_m);
    EXPECT_EQ(editor.North()->isChecked(), r.north);
    EXPECT_EQ(editor.LonDegrees()->text(), r.lon_d);
    EXPECT_EQ(editor.LonMinutes()->text(), r.lon_m);
    EXPECT_EQ(editor.East()->isChecked(), r.east);
    EXPECT_TRUE(editor.Remove()->isEnabled());
    EXPECT_FALSE(editor.Add()->isEnabled());
  }
  editor.LonMinutes()->setText("13");
  EXPECT_TRUE(editor.Add()->isEnabled());
  list3->setCurrentRow(0);
  editor.Remove()->click();
  ASSERT_EQ(list3->count(), 1);
  EXPECT_EQ(list3->item(0)->text(), "Paris");
  EXPECT_EQ(ReadAll(CityFile()), kCities);
  editor.Save()->click();
  EXPECT_TRUE(editor.Saved());
  EXPECT_FALSE(editor.Save()->isEnabled());
  EXPECT_EQ(ReadAll(CityFile()), kBeforeHeader + kHeader + "\r\n; \r\n48.850 -002.350 9 3 Paris\r\n");
  EXPECT_TRUE(notice_.messages.empty());
}

// Faults: a refusal without a beep, a message for an empty name, a refused city added.
TEST_F(CityEditorTest, RefusedInputBeepsAndAddsNothing) {
  CityEditor editor(Files(), notice_, QIcon());
  const struct { const char *name, *lat_m; const char* message; } cases[] = {
      {"", "51", nullptr}, {"Nulle part", "60", "Latitude : minutes de 0 à moins de 60."}, {"A;B", "0", nullptr}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    notice_ = {};
    Type(editor, c.name, c.lat_m, true, "21", true);
    editor.Add()->click();
    EXPECT_EQ(notice_.beeps, 1);
    if (c.message) EXPECT_EQ(notice_.messages, std::vector<std::string>{c.message});
    if (*c.name == '\0') EXPECT_TRUE(notice_.messages.empty());
  }
  EXPECT_EQ(editor.Names()->count(), 1);
  EXPECT_FALSE(editor.Save()->isEnabled());
}

// Faults: a failed save that harms the old file, reports success, or says nothing.
TEST_F(CityEditorTest, FailedSaveKeepsTheOldFile) {
  enum class Fault { ReadOnlyFile, ReadOnlyFolder, MissingFolder, MissingOldFile };
  for (const Fault fault : {Fault::ReadOnlyFile, Fault::ReadOnlyFolder, Fault::MissingFolder, Fault::MissingOldFile}) {
    SCOPED_TRACE(static_cast<int>(fault));
    notice_ = {};
    WriteFile("Villes.txt", kCities);
    const QString target = fault == Fault::MissingFolder ? FilePath("absent/Villes.txt") : CityFile();
    CityEditor editor({CityFile(), target}, notice_, QIcon());
    AddParis(editor);
    if (fault == Fault::ReadOnlyFile) QFile::setPermissions(CityFile(), QFile::ReadOwner);
    if (fault == Fault::ReadOnlyFolder) QFile::setPermissions(folder_.path(), QFile::ReadOwner | QFile::ExeOwner);
    if (fault == Fault::MissingOldFile) QFile::remove(CityFile());
    {
      testing::WithoutPermissionOverride lowered;  // run as root, the modes bind only without it
      ASSERT_TRUE(lowered.ModesBind());
      editor.Save()->click();
    }
    QFile::setPermissions(folder_.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QFile::setPermissions(CityFile(), QFile::ReadOwner | QFile::WriteOwner);
    EXPECT_EQ(ReadAll(CityFile()), fault == Fault::MissingOldFile ? "<absent>" : kCities);
    EXPECT_FALSE(editor.Saved());
    EXPECT_FALSE(editor.Save()->isEnabled());
    EXPECT_EQ(notice_.messages, std::vector<std::string>{"Erreur à l'accès au fichier ''Villes.txt'', vérifiez "
                                                         "qu'il existe et qu'il n'est pas en lecture seule."});
    EXPECT_EQ(notice_.titles, std::vector<std::string>{"Erreur"});
  }
}

// Faults: a copy made by merely opening the editor; the copy not read after a restart.
TEST_F(CityEditorTest, AReadOnlyProgramFolderGetsAUserCopyOnTheFirstSaveOnly) {
  const QString user_folder = Services().user_data_folder;
  const QString copy = user_folder + "/Villes.txt";
  ASSERT_TRUE(QFile::setPermissions(folder_.path(), QFile::ReadOwner | QFile::ExeOwner));
  {
    testing::WithoutPermissionOverride lowered;
    ASSERT_TRUE(lowered.ModesBind());
    MainWindow& window = Start();
    EXPECT_EQ(window.CityFileForReading(), CityFile());
    EXPECT_EQ(window.CityFileForWriting(), copy);
    WhenModalOpens<CityEditor>([](CityEditor& e) { e.Back()->click(); });
    window.OpenCityEditor();
    EXPECT_FALSE(QFileInfo::exists(user_folder));
    WhenModalOpens<CityEditor>([](CityEditor& e) {
      AddParis(e);
      e.Save()->click();
      e.Back()->click();
    });
    window.OpenCityEditor();
  }
  QFile::setPermissions(folder_.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
  EXPECT_TRUE(notice_.messages.empty());
  EXPECT_EQ(ReadAll(CityFile()), kCities);
  EXPECT_EQ(ReadAll(copy), kBeforeHeader + kHeader +
                               "\r\n; \r\n-22.900 043.200 9 3 Rio\r\n48.850 -002.350 9 3 Paris\r\n");
  MainWindow& again = Start();
  EXPECT_EQ(again.CityFileForReading(), copy);
  EXPECT_EQ(again.CityFileForWriting(), copy);
  WhenModalOpens<CityEditor>([](CityEditor& e) {
    EXPECT_EQ(e.Names()->count(), 2);
    e.Back()->click();
  });
  again.OpenCityEditor();
}

// Faults: a question after a mere selection; Escape or the close box leaving unasked.
TEST_F(CityEditorTest, LeavingAsksOnlyWithUnsavedChanges) {
  for (const bool change : {false, true}) {
    SCOPED_TRACE(change);
    notice_ = {};
    CityEditor editor(Files(), notice_, QIcon());
    editor.show();
    ClickRow(editor.Names(), 0);
    ASSERT_TRUE(editor.Remove()->isEnabled());
    if (!change) {
      editor.Back()->click();
      EXPECT_TRUE(notice_.questions.empty());
      EXPECT_FALSE(editor.isVisible());
      continue;
    }
    editor.Remove()->click();
    editor.Back()->click();
    QTest::keyClick(&editor, Qt::Key_Escape);
    editor.close();
    EXPECT_EQ(notice_.questions,
              std::vector<std::string>(3, "Retour ?: Votre modification n'a pas été enregistrée, Continuer ?"));
    EXPECT_TRUE(editor.isVisible());
    notice_.answer_yes = true;
    editor.Back()->click();
    EXPECT_FALSE(editor.isVisible());
    EXPECT_FALSE(editor.Saved());
    EXPECT_EQ(ReadAll(CityFile()), kCities);
  }
}

// Faults: the clicked place not passed on; the timer running; a rebuild without a save.
TEST_F(CitiesViewTest, DefineThisPlaceFillsTheEditorAndRebuildsOnlyAfterASave) {
  MainWindow& window = Start();
  ASSERT_TRUE(window.Timer()->isActive());
  auto* mdef = Find<QAction>(window, "MDEF");
  ASSERT_NE(mdef, nullptr);
  EXPECT_TRUE(mdef->isEnabled());
  emit window.Picture()->released(Qt::RightButton, QPointF(window.Map().Xc, window.Map().Yc));  // 0°, 0°
  ASSERT_TRUE(window.PopupPlace().has_value());
  bool timer_ran = true;
  WhenModalOpens<CityEditor>([&](CityEditor& e) {
    timer_ran = window.Timer()->isActive();
    EXPECT_TRUE(e.South()->isChecked());
    EXPECT_TRUE(e.West()->isChecked());
    for (QLineEdit* box : {e.LatDegrees(), e.LatMinutes(), e.LonDegrees(), e.LonMinutes()})
      EXPECT_EQ(box->text(), "0");
    EXPECT_TRUE(e.Name()->text().isEmpty());
    EXPECT_TRUE(e.Add()->isEnabled());
    e.Back()->click();
  });
  mdef->trigger();
  EXPECT_FALSE(timer_ran);
  EXPECT_EQ(window.RebuildCount(), 1);
  EXPECT_TRUE(window.Timer()->isActive());
  WhenModalOpens<CityEditor>([](CityEditor& e) {
    e.Name()->setText("Null Island");
    e.Add()->click();
    e.Save()->click();
    e.Back()->click();
  });
  mdef->trigger();
  EXPECT_EQ(window.RebuildCount(), 2);
  EXPECT_NE(ReadAll(CityFile()).find("-00.000 000.000 9 3 Null Island\r\n"), std::string::npos);
  WhenModalOpens<CityEditor>([](CityEditor& e) {
    EXPECT_TRUE(e.LatDegrees()->text().isEmpty());
    e.Back()->click();
  });
  window.OpenCityEditor();
  EXPECT_EQ(window.RebuildCount(), 2);
}

}  // namespace
}  // namespace pellamar
