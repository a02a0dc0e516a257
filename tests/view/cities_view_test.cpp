#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <fstream>
#include <functional>
#include <string>
#include <unistd.h>

#include "map/view/map_picture.h"
#include "places/view/search_panels.h"
#include "platform/memory_settings_store.h"
#include "shell/view/config_panel.h"
#include "shell/view/main_window.h"
#include "support/recording_notice.h"
#include "support/without_permission_override.h"
#include "windows/view/city_editor.h"

namespace pellamar {
namespace {

const std::string kHeader = "; Villes d\xE9" "finies";
// A small city file in the shipped form, with one user city (Windows-1252).
const std::string kCities = "; France\r\n048.857 -002.351 0 0 Paris\r\n043.297 -005.381 1 0 Marseille\r\n"
                            "; \r\n; P\xE9rou\r\n-12.046 0077.043 0 0 Lima\r\n; \r\n \r\n; \r\n" +
                            kHeader + "\r\n; \r\n-22.900 043.200 9 3 Rio\r\n";

std::string ReadAll(const QString& path) {
  QFile f(path);
  if (!f.open(QIODevice::ReadOnly)) return "<absent>";
  return f.readAll().toStdString();
}

void WriteAll(const QString& path, const std::string& bytes) {
  std::ofstream(path.toStdString(), std::ios::binary | std::ios::trunc) << bytes;
}

// Counts the picture's pixels that are not white.
int InkedPixels(MapPicture* picture) {
  const QImage image = picture->Canvas().Image();
  int inked = 0;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) inked += (image.pixel(x, y) & 0xFFFFFF) != 0xFFFFFF;
  }
  return inked;
}

// Runs `act` on the modal window once it is open.
void WhenModalOpens(std::function<void(CityEditor&)> act) {
  QTimer::singleShot(0, [act] {
    auto* editor = qobject_cast<CityEditor*>(QApplication::activeModalWidget());
    ASSERT_NE(editor, nullptr);
    act(*editor);
  });
}

class CitiesViewTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(folder_.isValid());
    std::ofstream(folder_.filePath("totale.Asc").toStdString(), std::ios::binary) << "0.5 0.3\r\n";
    WriteAll(CityFile(), kCities);
  }
  QString CityFile() const { return folder_.filePath("Villes.txt"); }
  // The per-user folder is the test's own, never the real home's.
  MainWindowServices Services() {
    MainWindowServices s{&clock_, &settings_, &notice_, folder_.path(), false};
    s.user_data_folder = user_.filePath("donnees/pellamar");
    return s;
  }

  QTemporaryDir folder_;
  QTemporaryDir user_;
  FixedClock clock_{{2007, 3, 21}, 12 * 3600, 0};
  MemorySettingsStore settings_;
  testing::RecordingNotice notice_;
};

TEST_F(CitiesViewTest, CitiesComeAndGoWithTheBox) {
  MainWindow window(Services());
  window.StartUp(QSize(1200, 800));
  EXPECT_EQ(window.CityFileForReading(), CityFile());
  EXPECT_EQ(window.CityFileForWriting(), CityFile());
  QCheckBox* villes = window.Config()->Cities();
  EXPECT_EQ(villes->text(), "Villes.");
  EXPECT_EQ(villes->toolTip(), "Afficher ou non les villes sur la carte.");
  const int with_cities = InkedPixels(window.Picture());
  // Clearing the box rebuilds at once, without the cities.
  villes->click();
  EXPECT_EQ(window.RebuildCount(), 2);
  const int without = InkedPixels(window.Picture());
  EXPECT_LT(without, with_cities);
  // Checking it draws them over the map, without a rebuild.
  villes->click();
  EXPECT_EQ(window.RebuildCount(), 2);
  EXPECT_EQ(InkedPixels(window.Picture()), with_cities);
  EXPECT_TRUE(notice_.messages.empty());
}

TEST_F(CitiesViewTest, SearchAndChooseParis) {
  MainWindow window(Services());
  window.StartUp(QSize(1200, 800));
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

  const int rebuilds = window.RebuildCount();
  QListWidget* list2 = search->Names();
  QTest::mouseClick(list2->viewport(), Qt::LeftButton, {}, list2->visualItemRect(list2->item(0)).center());
  EXPECT_FLOAT_EQ(window.Map().LATCENTD, 48.857f);
  EXPECT_FLOAT_EQ(window.Map().LONCENTD, 2.351f);  // the file is west positive
  EXPECT_EQ(window.Map().ZOOMc, 899);
  EXPECT_EQ(window.RebuildCount(), rebuilds + 1);
  QLabel* label7 = window.Config()->ChosenCity();
  EXPECT_EQ(label7->text(), "Paris");
  EXPECT_FALSE(label7->isHidden());
  EXPECT_EQ(label7->font().family(), "Arial");

  // No match empties the lists and leaves List2 as it was.
  search->Query()->setText("zzz");
  search->Search()->click();
  EXPECT_EQ(search->Names()->count(), 0);
  EXPECT_EQ(window.CityLines()->count(), 0);
  EXPECT_FALSE(search->Names()->isHidden());
  EXPECT_TRUE(notice_.messages.empty());
}

TEST_F(CitiesViewTest, CountryListAndClose) {
  MainWindow window(Services());
  window.StartUp(QSize(1200, 800));
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
  QTest::mouseClick(list3->viewport(), Qt::LeftButton, {}, list3->visualItemRect(list3->item(2)).center());
  QListWidget* list2 = window.CitySearch()->Names();
  ASSERT_EQ(list2->count(), 1);
  EXPECT_EQ(list2->item(0)->text(), "Rio");
  QTest::mouseClick(list3->viewport(), Qt::LeftButton, {}, list3->visualItemRect(list3->item(1)).center());
  ASSERT_EQ(list2->count(), 1);
  EXPECT_EQ(list2->item(0)->text(), "Lima");
  EXPECT_FALSE(list2->isHidden());
  // The hidden companion list holds this country's lines alone, row for row.
  ASSERT_EQ(window.CityLines()->count(), 1);
  EXPECT_EQ(window.CityLines()->item(0)->text(), "-12.046 0077.043 0 0 Lima");

  window.CitySearch()->Query()->setText("x");
  panel->Close()->click();
  EXPECT_TRUE(frame2->isHidden());
  EXPECT_TRUE(list2->isHidden());
  EXPECT_EQ(list2->count(), 1);  // hidden, not cleared
  EXPECT_TRUE(window.CitySearch()->Query()->text().isEmpty());
}

TEST_F(CitiesViewTest, EveryReaderReportsAMissingFile) {
  QFile::remove(CityFile());
  MainWindow window(Services());
  window.StartUp(QSize(1200, 800));
  EXPECT_EQ(notice_.messages, std::vector<std::string>{"Erreur à l'ouverture du fichier: Villes"});
  window.CitySearch()->Query()->setText("par");
  window.CitySearch()->Search()->click();
  window.OpenCountryList();
  EXPECT_EQ(notice_.messages.size(), 3u);
  EXPECT_EQ(notice_.messages.back(), "Erreur à l'ouverture du fichier: Villes");
}

class CityEditorTest : public CitiesViewTest {
 protected:
  CityEditorFiles Files() const { return {CityFile(), CityFile()}; }
  static void Type(CityEditor& e, const char* name, const char* lat_d, const char* lat_m, bool north,
                   const char* lon_d, const char* lon_m, bool east) {
    e.Name()->setText(QString::fromUtf8(name));
    e.LatDegrees()->setText(lat_d);
    e.LatMinutes()->setText(lat_m);
    (north ? e.North() : e.South())->click();
    e.LonDegrees()->setText(lon_d);
    e.LonMinutes()->setText(lon_m);
    (east ? e.East() : e.West())->click();
  }
};

TEST_F(CityEditorTest, CaptionsAndStartingState) {
  CityEditor editor(Files(), notice_, QIcon(QPixmap(16, 16)));
  EXPECT_EQ(editor.windowTitle(), "Villes définies par l'utilisateur");
  EXPECT_TRUE(editor.isModal());
  EXPECT_EQ(editor.North()->text(), "Nord");
  EXPECT_EQ(editor.South()->text(), "Sud");
  EXPECT_EQ(editor.East()->text(), "Est");
  EXPECT_EQ(editor.West()->text(), "Ouest");
  EXPECT_EQ(editor.Add()->text(), "Ajouter");
  EXPECT_EQ(editor.Remove()->text(), "Supprimer");
  EXPECT_EQ(editor.Save()->text(), "Enregistrer");
  EXPECT_EQ(editor.Back()->text(), "Retour");
  EXPECT_FALSE(editor.Back()->icon().isNull());
  EXPECT_FALSE(editor.Remove()->isEnabled());
  EXPECT_FALSE(editor.Save()->isEnabled());
  ASSERT_EQ(editor.Names()->count(), 1);
  EXPECT_EQ(editor.Names()->item(0)->text(), "Rio");
  for (const char* caption : {"Nom de la ville.", "Latitude", "Longitude", " °", " '"}) {
    bool found = false;
    for (const QLabel* l : editor.findChildren<QLabel*>()) found = found || l->text() == caption;
    for (const QWidget* w : editor.findChildren<QWidget*>()) {
      if (auto* g = qobject_cast<const QGroupBox*>(w)) found = found || g->title() == caption;
    }
    EXPECT_TRUE(found) << caption;
  }
}

TEST_F(CityEditorTest, AddSelectRemoveAndSave) {
  CityEditor editor(Files(), notice_, QIcon());
  Type(editor, "Paris", "48", "51", true, "2", "21", true);
  editor.Add()->click();
  ASSERT_EQ(editor.Names()->count(), 2);
  EXPECT_EQ(editor.Names()->item(1)->text(), "Paris");
  EXPECT_TRUE(editor.Save()->isEnabled());
  EXPECT_TRUE(editor.Add()->isEnabled());  // the same city may be added twice

  // Selecting Rio (22°54' S, 43°12' W) fills every field.
  QListWidget* list3 = editor.Names();
  QTest::mouseClick(list3->viewport(), Qt::LeftButton, {}, list3->visualItemRect(list3->item(0)).center());
  EXPECT_EQ(editor.Name()->text(), "Rio");
  EXPECT_EQ(editor.LatDegrees()->text(), "22");
  EXPECT_EQ(editor.LatMinutes()->text(), "54");
  EXPECT_TRUE(editor.South()->isChecked());
  EXPECT_EQ(editor.LonDegrees()->text(), "43");
  EXPECT_EQ(editor.LonMinutes()->text(), "12");
  EXPECT_TRUE(editor.West()->isChecked());
  EXPECT_TRUE(editor.Remove()->isEnabled());
  EXPECT_FALSE(editor.Add()->isEnabled());
  editor.LonMinutes()->setText("13");
  EXPECT_TRUE(editor.Add()->isEnabled());

  // Paris reads back as typed.
  QTest::mouseClick(list3->viewport(), Qt::LeftButton, {}, list3->visualItemRect(list3->item(1)).center());
  EXPECT_EQ(editor.LatMinutes()->text(), "51");
  EXPECT_TRUE(editor.North()->isChecked());
  EXPECT_EQ(editor.LonMinutes()->text(), "21");
  EXPECT_TRUE(editor.East()->isChecked());

  list3->setCurrentRow(0);
  editor.Remove()->click();
  ASSERT_EQ(list3->count(), 1);
  EXPECT_EQ(list3->item(0)->text(), "Paris");
  EXPECT_EQ(ReadAll(CityFile()), kCities);  // nothing written before "Enregistrer"
  editor.Save()->click();
  EXPECT_TRUE(editor.Saved());
  EXPECT_FALSE(editor.Save()->isEnabled());
  const std::string before_header = kCities.substr(0, kCities.find(kHeader));
  EXPECT_EQ(ReadAll(CityFile()), before_header + kHeader + "\r\n; \r\n48.850 -002.350 9 3 Paris\r\n");
  EXPECT_TRUE(notice_.messages.empty());
}

TEST_F(CityEditorTest, RefusedInputBeepsAndAddsNothing) {
  CityEditor editor(Files(), notice_, QIcon());
  Type(editor, "", "48", "51", true, "2", "21", true);
  editor.Add()->click();
  EXPECT_EQ(notice_.beeps, 1);
  EXPECT_TRUE(notice_.messages.empty());  // an empty name only beeps
  Type(editor, "Nulle part", "48", "60", true, "2", "21", true);
  editor.Add()->click();
  EXPECT_EQ(notice_.beeps, 2);
  EXPECT_EQ(notice_.messages, std::vector<std::string>{"Latitude : minutes de 0 à moins de 60."});
  Type(editor, "A;B", "48", "0", true, "2", "0", true);
  editor.Add()->click();
  EXPECT_EQ(notice_.beeps, 3);
  EXPECT_EQ(editor.Names()->count(), 1);
  EXPECT_FALSE(editor.Save()->isEnabled());
}

TEST_F(CityEditorTest, FailedSaveKeepsTheOldFile) {
  enum class Fault { ReadOnlyFile, ReadOnlyFolder, MissingFolder, MissingOldFile };
  for (const Fault fault : {Fault::ReadOnlyFile, Fault::ReadOnlyFolder, Fault::MissingFolder, Fault::MissingOldFile}) {
    SCOPED_TRACE(static_cast<int>(fault));
    notice_ = {};
    WriteAll(CityFile(), kCities);
    const QString target = fault == Fault::MissingFolder ? folder_.filePath("absent/Villes.txt") : CityFile();
    CityEditor editor({CityFile(), target}, notice_, QIcon());
    Type(editor, "Paris", "48", "51", true, "2", "21", true);
    editor.Add()->click();
    if (fault == Fault::ReadOnlyFile) QFile::setPermissions(CityFile(), QFile::ReadOwner);
    if (fault == Fault::ReadOnlyFolder) QFile::setPermissions(folder_.path(), QFile::ReadOwner | QFile::ExeOwner);
    if (fault == Fault::MissingOldFile) QFile::remove(CityFile());
    {
      // Run as root (as in CI), the modes bind only without the override.
      testing::WithoutPermissionOverride lowered;
      ASSERT_TRUE(lowered.ModesBind());
      editor.Save()->click();
    }
    QFile::setPermissions(folder_.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QFile::setPermissions(CityFile(), QFile::ReadOwner | QFile::WriteOwner);
    // No old file: nothing to keep, and nothing written.
    EXPECT_EQ(ReadAll(CityFile()), fault == Fault::MissingOldFile ? "<absent>" : kCities);
    EXPECT_FALSE(editor.Saved());
    EXPECT_FALSE(editor.Save()->isEnabled());
    EXPECT_EQ(notice_.messages, std::vector<std::string>{"Erreur à l'accès au fichier ''Villes.txt'', vérifiez "
                                                         "qu'il existe et qu'il n'est pas en lecture seule."});
    EXPECT_EQ(notice_.titles, std::vector<std::string>{"Erreur"});
  }
}

TEST_F(CityEditorTest, AReadOnlyProgramFolderGetsAUserCopyOnTheFirstSaveOnly) {
  const MainWindowServices services = Services();
  const QString copy = services.user_data_folder + "/Villes.txt";
  ASSERT_TRUE(QFile::setPermissions(folder_.path(), QFile::ReadOwner | QFile::ExeOwner));
  {
    testing::WithoutPermissionOverride lowered;
    ASSERT_TRUE(lowered.ModesBind());
    MainWindow window(services);
    window.StartUp(QSize(1200, 800));
    EXPECT_EQ(window.CityFileForReading(), CityFile());
    EXPECT_EQ(window.CityFileForWriting(), copy);
    // Opening and leaving the editor makes neither the copy nor its folder.
    WhenModalOpens([](CityEditor& e) { e.Back()->click(); });
    window.OpenCityEditor();
    EXPECT_FALSE(QFileInfo::exists(services.user_data_folder));
    WhenModalOpens([](CityEditor& e) {
      Type(e, "Paris", "48", "51", true, "2", "21", true);
      e.Add()->click();
      e.Save()->click();
      e.Back()->click();
    });
    window.OpenCityEditor();
  }
  QFile::setPermissions(folder_.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
  EXPECT_TRUE(notice_.messages.empty());
  EXPECT_EQ(ReadAll(CityFile()), kCities);  // the shipped file is untouched
  const std::string before_header = kCities.substr(0, kCities.find(kHeader));
  EXPECT_EQ(ReadAll(copy),
            before_header + kHeader + "\r\n; \r\n-22.900 043.200 9 3 Rio\r\n48.850 -002.350 9 3 Paris\r\n");
  // After a restart every reader reads the copy, and so does the editor.
  MainWindow again(services);
  again.StartUp(QSize(1200, 800));
  EXPECT_EQ(again.CityFileForReading(), copy);
  EXPECT_EQ(again.CityFileForWriting(), copy);
  WhenModalOpens([](CityEditor& e) {
    ASSERT_EQ(e.Names()->count(), 2);
    EXPECT_EQ(e.Names()->item(1)->text(), "Paris");
    e.Back()->click();
  });
  again.OpenCityEditor();
}

TEST_F(CityEditorTest, LeavingAsksOnlyWithUnsavedChanges) {
  const std::string question = "Retour ?: Votre modification n'a pas été enregistrée, Continuer ?";
  {
    // A city selected ("Supprimer" enabled) but nothing changed: no question.
    CityEditor editor(Files(), notice_, QIcon());
    editor.show();
    QListWidget* list3 = editor.Names();
    QTest::mouseClick(list3->viewport(), Qt::LeftButton, {}, list3->visualItemRect(list3->item(0)).center());
    ASSERT_TRUE(editor.Remove()->isEnabled());
    editor.Back()->click();
    EXPECT_TRUE(notice_.questions.empty());
    EXPECT_FALSE(editor.isVisible());
  }
  CityEditor editor(Files(), notice_, QIcon());
  editor.show();
  QListWidget* list3 = editor.Names();
  QTest::mouseClick(list3->viewport(), Qt::LeftButton, {}, list3->visualItemRect(list3->item(0)).center());
  editor.Remove()->click();
  // "Retour", Escape and the close box all ask; No stays.
  editor.Back()->click();
  QTest::keyClick(&editor, Qt::Key_Escape);
  editor.close();
  EXPECT_EQ(notice_.questions, std::vector<std::string>(3, question));
  EXPECT_TRUE(editor.isVisible());
  notice_.answer_yes = true;
  editor.Back()->click();
  EXPECT_FALSE(editor.isVisible());
  EXPECT_FALSE(editor.Saved());
  EXPECT_EQ(ReadAll(CityFile()), kCities);
}

TEST_F(CitiesViewTest, DefineThisPlaceFillsTheEditorAndRebuildsOnlyAfterASave) {
  MainWindow window(Services());
  window.StartUp(QSize(1200, 800));
  ASSERT_TRUE(window.Timer()->isActive());
  auto* mdef = window.findChild<QAction*>("MDEF");
  ASSERT_NE(mdef, nullptr);
  EXPECT_TRUE(mdef->isEnabled());
  // A right click on the centre of the map: 0°, 0°.
  emit window.Picture()->released(Qt::RightButton, QPointF(window.Map().Xc, window.Map().Yc));
  ASSERT_TRUE(window.PopupPlace().has_value());

  bool timer_ran = true;
  WhenModalOpens([&](CityEditor& e) {
    timer_ran = window.Timer()->isActive();
    EXPECT_TRUE(e.South()->isChecked());  // exactly 0 is south and west
    EXPECT_TRUE(e.West()->isChecked());
    EXPECT_EQ(e.LatDegrees()->text(), "0");
    EXPECT_EQ(e.LatMinutes()->text(), "0");
    EXPECT_EQ(e.LonDegrees()->text(), "0");
    EXPECT_EQ(e.LonMinutes()->text(), "0");
    EXPECT_TRUE(e.Name()->text().isEmpty());
    EXPECT_TRUE(e.Add()->isEnabled());
    e.Back()->click();
  });
  mdef->trigger();
  EXPECT_FALSE(timer_ran);
  EXPECT_EQ(window.RebuildCount(), 1);  // closed without saving
  EXPECT_TRUE(window.Timer()->isActive());

  WhenModalOpens([](CityEditor& e) {
    e.Name()->setText("Null Island");
    e.Add()->click();
    e.Save()->click();
    e.Back()->click();
  });
  mdef->trigger();
  EXPECT_EQ(window.RebuildCount(), 2);
  EXPECT_NE(ReadAll(CityFile()).find("-00.000 000.000 9 3 Null Island\r\n"), std::string::npos);

  // The menu's entry opens the same editor, fields untouched.
  WhenModalOpens([](CityEditor& e) {
    EXPECT_TRUE(e.LatDegrees()->text().isEmpty());
    EXPECT_EQ(e.Names()->count(), 2);
    e.Back()->click();
  });
  window.OpenCityEditor();
  EXPECT_EQ(window.RebuildCount(), 2);
}

}  // namespace
}  // namespace pellamar
