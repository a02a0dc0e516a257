// Saves one city through the real main window and city editor, offscreen,
// with an installed program folder as the data folder and the per-user
// folder the installed program itself uses. Run by install_test.sh:
//   installed_city_save PROGRAM_FOLDER
// Prints what went wrong and exits 1 on any failure.
#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QTimer>
#include <cstdio>

#include "platform/clock.h"
#include "platform/memory_settings_store.h"
#include "shell/view/city_file_paths.h"
#include "shell/view/main_window.h"
#include "support/recording_notice.h"
#include "windows/view/city_editor.h"

namespace {

int failures = 0;
void Check(bool ok, const char* what) {
  if (!ok) {
    std::fprintf(stderr, "ÉCHEC : %s\n", what);
    ++failures;
  }
}

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  // The installed program's name, hence its per-user data folder.
  QCoreApplication::setApplicationName(QStringLiteral("pellamar"));
  if (argc != 2) return 2;  // usage: installed_city_save PROGRAM_FOLDER
  using namespace pellamar;
  const QString program = QString::fromLocal8Bit(argv[1]);
  const QString copy = QDir(UserDataFolder()).filePath(QStringLiteral("Villes.txt"));
  const FixedClock clock({2026, 3, 21}, 12 * 3600, 0);
  MemorySettingsStore settings;
  testing::RecordingNotice notice;
  MainWindowServices services{&clock, &settings, &notice, program, false};
  MainWindow window(services);
  window.StartUp(QSize(1000, 700));
  Check(!FolderIsWritable(program), "le dossier du programme est modifiable");
  Check(window.CityFileForWriting() == copy, "la sauvegarde ne vise pas la copie de l'utilisateur");
  Check(!QFileInfo::exists(copy), "la copie de l'utilisateur existe avant la sauvegarde");

  // 30°00' S, 20°00' W, in the South Atlantic.
  QTimer::singleShot(0, [&] {
    auto* editor = qobject_cast<CityEditor*>(QApplication::activeModalWidget());
    Check(editor != nullptr, "l'éditeur de villes ne s'ouvre pas");
    if (!editor) return;
    Check(!QFileInfo::exists(copy), "l'ouverture de l'éditeur a créé la copie");
    editor->Name()->setText(QStringLiteral("Essai installé"));
    editor->LatDegrees()->setText(QStringLiteral("30"));
    editor->LatMinutes()->setText(QStringLiteral("0"));
    editor->South()->click();
    editor->LonDegrees()->setText(QStringLiteral("20"));
    editor->LonMinutes()->setText(QStringLiteral("0"));
    editor->West()->click();
    editor->Add()->click();
    editor->Save()->click();
    Check(editor->Saved(), "l'éditeur n'a pas enregistré");
    editor->Back()->click();
  });
  window.OpenCityEditor();
  Check(notice.messages.empty(), "un message d'erreur a été montré");
  for (const std::string& m : notice.messages) std::fprintf(stderr, "  message : %s\n", m.c_str());
  Check(QFileInfo::exists(copy), "la copie de l'utilisateur n'a pas été écrite");
  Check(window.CityFileForReading() == copy, "les lecteurs ne lisent pas la copie de l'utilisateur");
  std::printf("%s\n", qPrintable(copy));
  return failures == 0 ? 0 : 1;
}
