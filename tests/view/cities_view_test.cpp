// The cities in the real window, offscreen: the box, the search and country
// panels, the city editor and its saves.
#include <gtest/gtest.h>

#include <QAction>
#include <QCheckBox>
#include <QFileInfo>
#include <QGroupBox>

#include "map/view/map_picture.h"
#include "places/view/search_panels.h"
#include "shell/view/config_panel.h"
#include "support/pixels.h"
#include "support/window_fixture.h"
#include "support/without_permission_override.h"
#include "windows/view/city_editor.h"

namespace pellamar {
namespace {

using testing::InkedPixels;

// A small city file in the shipped form, with one user city (Windows-1252).
const std::string kCities = "; France\r\n048.857 -002.351 0 0 Paris\r\n043.297 -005.381 1 0 Marseille\r\n"
                            "; \r\n; P\xE9rou\r\n-12.046 0077.043 0 0 Lima\r\n; \r\n \r\n; \r\n"
                            "; Villes d\xE9" "finies\r\n; \r\n-22.900 043.200 9 3 Rio\r\n";

QStringList Texts(const QListWidget* list) {
  QStringList out;
  for (int i = 0; i < list->count(); ++i) out << list->item(i)->text();
  return out;
}

// The editor's fields as "Paris 48 51 N 2 21 E".
QString Fields(CityEditor& e) {
  return QStringList{e.Name()->text(), e.LatDegrees()->text(), e.LatMinutes()->text(),
                     e.North()->isChecked() ? "N" : "S", e.LonDegrees()->text(), e.LonMinutes()->text(),
                     e.East()->isChecked() ? "E" : "W"}
      .join(' ');
}

// Types a place at 48° N, 2° E with the given minutes and clicks "Ajouter".
void Add(CityEditor& e, const char* name, const char* lat_minutes, const char* lon_minutes) {
  e.Name()->setText(QString::fromUtf8(name));
  e.LatDegrees()->setText("48");
  e.LatMinutes()->setText(lat_minutes);
  e.North()->click();
  e.LonDegrees()->setText("2");
  e.LonMinutes()->setText(lon_minutes);
  e.East()->click();
  e.Add()->click();
}

// "Retour"; an editor that stays open fails the test and is closed anyway.
void Leave(CityEditor& e) {
  e.Back()->click();
  EXPECT_FALSE(e.isVisible()) << "the editor stayed open";
  if (e.isVisible()) e.done(QDialog::Rejected);
}

class CitiesViewTest : public testing::WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    WriteFile("Villes.txt", kCities);
  }
  QString CityFile() const { return FilePath("Villes.txt"); }
};

// Faults: clearing the box without a rebuild, or checking it with one; a search or a country
// leaving old rows or taking another country's; the chosen city's sign, zoom, rebuild or
// Label7 wrong; "fermer" or List3 misplaced; closing leaving List2 or Rech; a reader
// silent on a missing file.
TEST_F(CitiesViewTest, TheBoxTheSearchAndTheCountryList) {
  MainWindow& window = Start();
  QCheckBox* villes = window.Config()->Cities();
  const int with_cities = InkedPixels(window.Picture());
  villes->click();
  EXPECT_EQ(window.RebuildCount(), 2);
  EXPECT_LT(InkedPixels(window.Picture()), with_cities);
  villes->click();
  EXPECT_EQ(window.RebuildCount(), 2);
  EXPECT_EQ(InkedPixels(window.Picture()), with_cities);

  SearchPanel* search = window.CitySearch();
  EXPECT_EQ(search->Search()->toolTip(), "Lancer la recherche");
  EXPECT_TRUE(search->Names()->isHidden());
  QTest::keyClicks(search->Query(), "PAR");
  QTest::keyClick(search->Query(), Qt::Key_Return);
  EXPECT_EQ(Texts(search->Names()), QStringList{"Paris"});
  EXPECT_EQ(Texts(window.CityLines()), QStringList{"048.857 -002.351 0 0 Paris"});
  EXPECT_FALSE(search->Names()->isHidden());
  ClickRow(search->Names(), 0);
  EXPECT_FLOAT_EQ(window.Map().LATCENTD, 48.857f);
  EXPECT_FLOAT_EQ(window.Map().LONCENTD, 2.351f);
  EXPECT_EQ(window.Map().ZOOMc, 899);
  EXPECT_EQ(window.RebuildCount(), 3);
  QLabel* label7 = window.Config()->ChosenCity();
  EXPECT_EQ(label7->text() + (label7->isHidden() ? " hidden " : " ") + label7->font().family(), "Paris Arial");
  search->Query()->setText("zzz");
  search->Search()->click();
  EXPECT_EQ(search->Names()->count() + window.CityLines()->count(), 0);

  CountryPanel* panel = window.CountryList();
  window.OpenCountryList();
  QWidget* frame2 = panel->parentWidget();
  EXPECT_FALSE(frame2->isHidden());
  // "fermer" 500 twips above Frame2's bottom; List3 1300 twips shorter.
  const double k = window.Picture()->TwipsPerPixel();
  EXPECT_NEAR(panel->Close()->y() * k, frame2->height() * k - 500, 2 * k);
  EXPECT_NEAR(panel->Countries()->height() * k, frame2->height() * k - 1300, 2 * k);
  EXPECT_EQ(Texts(panel->Countries()), (QStringList{" France", " Pérou", " Villes définies"}));
  ClickRow(panel->Countries(), 1);
  EXPECT_EQ(Texts(search->Names()), QStringList{"Lima"});
  EXPECT_EQ(Texts(window.CityLines()), QStringList{"-12.046 0077.043 0 0 Lima"});
  panel->Close()->click();
  EXPECT_TRUE(frame2->isHidden() && search->Names()->isHidden() && search->Query()->text().isEmpty());
  EXPECT_TRUE(notice_.messages.empty());

  // Every reader (start, search, country list, editor) reports a missing file.
  QFile::remove(CityFile());
  MainWindow& again = Start();
  again.CitySearch()->Query()->setText("par");
  again.CitySearch()->Search()->click();
  again.OpenCountryList();
  const CityEditor editor({CityFile(), CityFile()}, notice_, QIcon());
  EXPECT_EQ(notice_.messages, std::vector<std::string>(4, "Erreur à l'ouverture du fichier: Villes"));
}

// Faults: a failed save that harms the old file, reports success, or says nothing.
TEST_F(CitiesViewTest, AFailedSaveKeepsTheOldFileAndSaysSo) {
  enum class Fault { ReadOnlyFile, ReadOnlyFolder, MissingOldFile };
  for (const Fault fault : {Fault::ReadOnlyFile, Fault::ReadOnlyFolder, Fault::MissingOldFile}) {
    SCOPED_TRACE(static_cast<int>(fault));
    notice_ = {};
    WriteFile("Villes.txt", kCities);
    CityEditor editor({CityFile(), CityFile()}, notice_, QIcon());
    Add(editor, "Paris", "51", "21");
    if (fault == Fault::ReadOnlyFile) QFile::setPermissions(CityFile(), QFile::ReadOwner);
    if (fault == Fault::ReadOnlyFolder) QFile::setPermissions(folder_.path(), QFile::ReadOwner | QFile::ExeOwner);
    if (fault == Fault::MissingOldFile) QFile::remove(CityFile());
    {
      testing::WithoutPermissionOverride lowered;  // run as root, the modes bind only without it
      EXPECT_TRUE(lowered.ModesBind());
      editor.Save()->click();
    }
    QFile::setPermissions(folder_.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QFile::setPermissions(CityFile(), QFile::ReadOwner | QFile::WriteOwner);
    EXPECT_EQ(ReadAll(CityFile()), fault == Fault::MissingOldFile ? "<absent>" : kCities);
    EXPECT_FALSE(editor.Saved() || editor.Save()->isEnabled());
    EXPECT_EQ(notice_.messages, std::vector<std::string>{"Erreur à l'accès au fichier ''Villes.txt'', vérifiez "
                                                         "qu'il existe et qu'il n'est pas en lecture seule."});
    EXPECT_EQ(notice_.titles, std::vector<std::string>{"Erreur"});
  }
}

// Faults: the clicked place not passed on; the timer running behind the editor; a rebuild
// without a save; the user copy made by merely opening the editor, written over the
// read-only file, or not read after a restart; the menu entry not opening the editor. In the
// editor: a wrong caption; "Supprimer" or "Enregistrer" enabled at start; a refusal without a
// beep; fields from the wrong coordinate or hemisphere; "Ajouter" stale; the wrong row
// removed; a write before "Enregistrer"; leaving unasked with unsaved changes, or asked without.
TEST_F(CitiesViewTest, TheEditorSavesAUserCopyWhenTheProgramFolderIsReadOnly) {
  const QString user_folder = Services().user_data_folder;
  const QString user_copy = user_folder + "/Villes.txt";
  ASSERT_TRUE(QFile::setPermissions(folder_.path(), QFile::ReadOwner | QFile::ExeOwner));
  {
    testing::WithoutPermissionOverride lowered;
    ASSERT_TRUE(lowered.ModesBind());
    MainWindow& window = Start();
    window.setWindowIcon(QIcon(QPixmap(16, 16)));  // the editor's "Retour" carries it
    auto* mdef = Find<QAction>(window, "MDEF");
    emit window.Picture()->released(Qt::RightButton, QPointF(window.Map().Xc, window.Map().Yc));  // 0°, 0°
    bool timer_ran = true;
    WhenModalOpens<CityEditor>([&](CityEditor& e) {
      timer_ran = window.Timer()->isActive();
      EXPECT_EQ(Fields(e), " 0 0 S 0 0 W");
      EXPECT_TRUE(e.Add()->isEnabled());
      Leave(e);
    });
    mdef->trigger();
    EXPECT_TRUE(!timer_ran && window.Timer()->isActive());
    EXPECT_EQ(window.RebuildCount(), 1);
    EXPECT_FALSE(QFileInfo::exists(user_folder));

    WhenModalOpens<CityEditor>([&](CityEditor& editor) {
      EXPECT_EQ(editor.windowTitle(), "Villes définies par l'utilisateur");
      QStringList captions;
      for (const QAbstractButton* b : editor.findChildren<QAbstractButton*>()) captions << b->text();
      for (const QLabel* l : editor.findChildren<QLabel*>()) captions << l->text();
      for (const QGroupBox* g : editor.findChildren<QGroupBox*>()) captions << g->title();
      EXPECT_EQ(captions.join('|'), "Nord|Sud|Est|Ouest|Ajouter|Supprimer|Enregistrer|Retour|"
                                    "Nom de la ville.| °| '| °| '|Latitude|Longitude");
      EXPECT_FALSE(editor.Back()->icon().isNull());
      EXPECT_FALSE(editor.Remove()->isEnabled() || editor.Save()->isEnabled());
      EXPECT_EQ(Texts(editor.Names()), QStringList{"Rio"});
      // An empty name beeps alone; a bad minute beeps and says why.
      Add(editor, "", "51", "21");
      Add(editor, "Nulle part", "60", "21");
      EXPECT_EQ(notice_.beeps, 2);
      EXPECT_EQ(notice_.messages, std::vector<std::string>{"Latitude : minutes de 0 à moins de 60."});
      EXPECT_FALSE(editor.Save()->isEnabled());
      Add(editor, "Paris", "51", "21");
      EXPECT_TRUE(editor.Save()->isEnabled());
      EXPECT_TRUE(editor.Add()->isEnabled());  // the same city may be added twice
      QListWidget* list3 = editor.Names();
      const std::pair<int, const char*> rows[] = {{0, "Rio 22 54 S 43 12 W"}, {1, "Paris 48 51 N 2 21 E"}};
      for (const auto& [row, fields] : rows) {
        ClickRow(list3, row);
        EXPECT_EQ(Fields(editor), fields);
        EXPECT_TRUE(editor.Remove()->isEnabled() && !editor.Add()->isEnabled());
      }
      editor.LonMinutes()->setText("13");
      EXPECT_TRUE(editor.Add()->isEnabled());
      editor.Add()->click();
      list3->setCurrentRow(1);
      editor.Remove()->click();
      EXPECT_EQ(Texts(list3), (QStringList{"Rio", "Paris"}));
      // "Retour", Escape and the close box all ask; No stays.
      editor.Back()->click();
      QTest::keyClick(&editor, Qt::Key_Escape);
      editor.close();
      EXPECT_EQ(notice_.questions,
                std::vector<std::string>(3, "Retour ?: Votre modification n'a pas été enregistrée, Continuer ?"));
      EXPECT_TRUE(editor.isVisible());
      EXPECT_EQ(ReadAll(user_copy), "<absent>");
      editor.Save()->click();
      EXPECT_TRUE(editor.Saved() && !editor.Save()->isEnabled());
      // Saved, a mere selection leaves without a question.
      ClickRow(list3, 0);
      Leave(editor);
    });
    mdef->trigger();
    EXPECT_EQ(window.RebuildCount(), 2);
  }
  QFile::setPermissions(folder_.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
  EXPECT_EQ(notice_.questions.size(), 3u);
  EXPECT_EQ(notice_.messages.size(), 1u);
  EXPECT_EQ(ReadAll(CityFile()), kCities);
  EXPECT_EQ(ReadAll(user_copy), kCities + "48.850 -002.217 9 3 Paris\r\n");
  MainWindow& again = Start();
  WhenModalOpens<CityEditor>([](CityEditor& e) {
    EXPECT_EQ(Texts(e.Names()), (QStringList{"Rio", "Paris"}));
    EXPECT_TRUE(e.LatDegrees()->text().isEmpty());
    Leave(e);
  });
  Find<QAction>(again, "MajoutVille")->trigger();
  EXPECT_EQ(again.RebuildCount(), 1);
}

}  // namespace
}  // namespace pellamar
