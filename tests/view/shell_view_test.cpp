// The shell in the real window, offscreen: menus, panels, the start view, quitting,
// help, the About window and the command line.
#include <gtest/gtest.h>

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <csignal>

#include "map/view/map_picture.h"
#include "shell/view/command_line_parser.h"
#include "shell/view/config_panel.h"
#include "shell/view/help_opener.h"
#include "shell/view/termination_watcher.h"
#include "solar/view/dial_picture.h"
#include "solar/view/sun_dials_panel.h"
#include "support/window_fixture.h"
#include "windows/view/about_dialog.h"

namespace pellamar {
namespace {

QString U(const char* s) { return QString::fromUtf8(s); }

// The entries as "name:caption", a check mark as "[x]" or "[ ]".
QString Entries(const QWidget& holder) {
  QStringList out;
  for (const QAction* a : holder.actions())
    out << a->objectName() + ':' + a->text() + (a->isCheckable() ? (a->isChecked() ? "[x]" : "[ ]") : "");
  return out.join(" | ");
}

class ShellWindowTest : public testing::WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    WriteFile("Villes.txt", "; \r\n");  // no city
  }
};

// Faults: the command line's view not replacing the kept one, lat and lon swapped, or not pinned.
TEST_F(ShellWindowTest, TheChosenStartViewReplacesTheKeptOneWithinTheClickLimits) {
  settings_.Write("Config", "Zoom", "899");
  settings_.Write("Config", "LATCENTD", "1000");
  const struct { std::optional<GeoPoint> centre; std::optional<double> zoom; float lat, lon; double minutes; } cases[] = {
      {GeoPoint{48.85, 2.35}, 2400, 48.85f, 2.35f, 2400},
      {GeoPoint{95, -200}, std::nullopt, 90, -180, 899},  // pinned; the kept zoom stays
      {std::nullopt, 0.5, 10, 0, 1},                      // the kept centre stays
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.minutes);
    MainWindow window(Services());
    window.ChooseStartView(c.centre, c.zoom);
    window.StartUp(QSize(800, 600));
    EXPECT_FLOAT_EQ(window.Map().LATCENTD, c.lat);
    EXPECT_FLOAT_EQ(window.Map().LONCENTD, c.lon);
    EXPECT_DOUBLE_EQ(window.Map().ZOOMc, c.minutes);
  }
}

// Faults: a quit path skipping the settings or the timer; the view written when not kept.
TEST_F(ShellWindowTest, EveryQuitPathWritesMemAlwaysAndTheViewOnlyWhenKept) {
  for (const char* path : {"Mquitter", "close box", "SIGTERM"}) {
    for (const bool keep : {false, true}) {
      SCOPED_TRACE(::testing::Message() << path << " keep " << keep);
      settings_ = MemorySettingsStore();
      MainWindow window(Services(true));
      window.ChooseStartView(GeoPoint{12.5, -3.25}, std::nullopt);
      window.StartUp(QSize(800, 600));
      window.Config()->KeepMap()->setChecked(keep);
      window.Config()->Cities()->setChecked(false);
      ASSERT_TRUE(window.Timer()->isActive());
      TerminationWatcher watcher;
      ASSERT_TRUE(watcher.IsWatching());
      QObject::connect(&watcher, &TerminationWatcher::terminationRequested, &window, &QWidget::close);
      if (path[0] == 'M') Find<QAction>(window, path)->trigger();
      if (path[0] == 'c') window.close();
      if (path[0] == 'S') std::raise(SIGTERM);
      EXPECT_TRUE(QTest::qWaitFor([&] { return settings_.Size() > 0; }, 5000));
      EXPECT_FALSE(window.Timer()->isActive());
      // The "Config" keys as "key=value ", "-" for a key never written.
      std::string written;
      for (const char* key : {"MEM", "Villes", "Raf", "LOC", "Zoom", "LATCENTD", "LONCENTD"})
        written += std::string(key) + "=" + settings_.Read("Config", key, "-") + " ";
      EXPECT_EQ(written, keep ? "MEM=1 Villes=0 Raf=1 LOC=1 Zoom=13885 LATCENTD=1250 LONCENTD=-325 "
                              : "MEM=0 Villes=- Raf=- LOC=- Zoom=- LATCENTD=- LONCENTD=- ");
    }
  }
}

// Faults: an entry or a control missing, reordered, misnamed, miscaptioned or checkable; the
// popup in the bar; F1 or the help entry not wired; an entry toggling the wrong panel or with
// its two captions swapped, or left stale when the country list shows the panel; the Sun
// entry's mark not following a dial click. About: a line
// miswired; a plain label or a right click opening a link; a wrong subject; the timer not
// held; quitting leaving it open, the settings unwritten or the timer running; a second quit
// writing again.
TEST_F(ShellWindowTest, MenusPanelsHelpAndTheAboutWindow) {
  WriteFile("Pellamar.html", "");
  MainWindow& window = Start(QSize(800, 600), true);
  EXPECT_EQ(Entries(*window.menuBar()), "Mquitter:&Quitter | Mrecherche:Recherche | Mconfig:Configuration | Maide:Aide");
  const std::pair<const char*, const char*> menus[] = {
      {"Mrecherche", "Mpays:Rechercher un Pays | MeffRech:Effacer le module recherche"},
      {"Mconfig", "MNUIT:Afficher la zone nuit[x] | Msoleil:Module Position du Soleil[x] | "
                  "MeffConfig:Effacer le module Configuration | "
                  "MajoutVille:Modifier la liste des villes définies par l'utilisateur. | MCoul:Couleurs"},
      {"Maide", "HELP:Aide | MAbout:A Propos"},
      {"Mlieu", "MDEF:Définir ce lieu"},
  };
  for (const auto& [name, entries] : menus) EXPECT_EQ(Entries(*Find<QMenu>(window, name)), U(entries));
  EXPECT_EQ(window.menuBar()->actions()[0]->menu(), nullptr);
  EXPECT_EQ(Find<QMenu>(window, "Mlieu")->title(), "  ");
  const struct { const char *name, *caption, *tooltip; } controls[] = {
      {"Command1", "Reset", "Relance l'affichage de la carte selon l'option \"Conserver cette carte\""},
      {"ChecMEM", "Conserver cette carte ",
       "Pour le prochain lancement ou \"Reset\" du programme.  Gardera ou non cette carte."},
      {"ChRafAuto", "Rafraichissement automatique", "La carte se reconstruit régulièrement."},
      {"ChVilles", "Villes.", "Afficher ou non les villes sur la carte."},
      {"Option2_0", "Contours précis", "Mais lents à charger."},
      {"Option2_1", "Carte globale", "Peu précise mais rapide"},
  };
  for (const auto& c : controls) {
    const auto* button = Find<QAbstractButton>(*window.Config(), c.name);
    EXPECT_EQ(button->text() + '|' + button->toolTip(), U(c.caption) + '|' + U(c.tooltip));
  }

  const struct { const char *entry, *panel, *hidden, *shown; } panels[] = {
      {"MeffConfig", "FraConfig", "Afficher le module Configuration", "Effacer le module configuration"},
      {"MeffRech", "FraCherche", "Afficher le module Recherche", "Effacer le module Recherche"},
  };
  for (const auto& c : panels) {
    QAction* entry = Find<QAction>(window, c.entry);
    QWidget* panel = Find<QWidget>(window, c.panel);
    entry->trigger();
    EXPECT_EQ(QString::number(panel->isVisible()) + entry->text(), "0" + U(c.hidden));
    entry->trigger();
    EXPECT_EQ(QString::number(panel->isVisible()) + entry->text(), "1" + U(c.shown));
  }
  // The country list brings the hidden search panel back, and its entry follows.
  QAction* meff_rech = Find<QAction>(window, "MeffRech");
  meff_rech->trigger();
  Find<QAction>(window, "Mpays")->trigger();
  EXPECT_EQ(QString::number(Find<QWidget>(window, "FraCherche")->isVisible()) + meff_rech->text(),
            "1Effacer le module Recherche");
  QAction* msoleil = Find<QAction>(window, "Msoleil");
  SunDialsPanel* dials = window.SunDials();
  msoleil->trigger();
  EXPECT_FALSE(dials->isVisible() || msoleil->isChecked() || window.SunDialsChecked());
  msoleil->trigger();
  EXPECT_TRUE(dials->isVisible() && msoleil->isChecked() && window.SunDialsChecked());
  QTest::mouseClick(&dials->PicAZ(), Qt::LeftButton);
  EXPECT_FALSE(dials->isVisible() || msoleil->isChecked());

  // F1 and the entry open the page of the program's folder.
  window.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
  QTest::keyClick(window.Picture(), Qt::Key_F1);
  Find<QAction>(window, "HELP")->trigger();
  EXPECT_TRUE(notice_.messages.empty());

  QStringList lines;
  bool timer_ran = true;
  WhenModalOpens<AboutDialog>([&](AboutDialog& about) {
    timer_ran = window.Timer()->isActive();
    lines << about.windowTitle();
    for (const char* name : {"Label1_0", "Label1_1", "Label1_2", "Label1_3", "Credits", "Label2"})
      lines << Find<QLabel>(about, name)->text();
    lines << Find<QLabel>(about, "Label1_2")->font().family();
    // Only the icon, the address and the mail line open anything, by the left button.
    for (const char* name : {"Label1_0", "Label1_1", "Label1_3", "Credits", "Image1", "Label1_2", "Label2"})
      QTest::mouseClick(Find<QLabel>(about, name), Qt::LeftButton);
    QTest::mouseClick(Find<QLabel>(about, "Label2"), Qt::RightButton);
    Find<QPushButton>(about, "Command1")->click();
    if (about.isVisible()) about.done(QDialog::Rejected);
  });
  Find<QAction>(window, "MAbout")->trigger();
  EXPECT_EQ(lines.join('|'), U("A Propos...|Calcul d'heures de lever et de coucher du Soleil dans le monde.|"
                               "Ce programme est libre : vous pouvez le copier et le distribuer gratuitement à qui "
                               "vous voulez.|https://pellamar.example.org/|Version 2.2|Données : contours GSHHG "
                               "(P. Wessel et W. H. F. Smith, LGPL), villes GeoNames (CC BY 4.0).|"
                               "Envoyer un coucou à l'auteur...|Arial"));
  const QUrl help = QUrl::fromLocalFile(QFileInfo(FilePath("Pellamar.html")).absoluteFilePath());
  const QUrl page("https://pellamar.example.org/");
  EXPECT_EQ(opened_, (std::vector<QUrl>{help, help, page, page,
                                        QUrl("mailto:auteur@pellamar.example.org?subject=Pellamar V2.2")}));
  EXPECT_FALSE(timer_ran);
  EXPECT_TRUE(window.Timer()->isActive());

  // Quitting closes the About window with the main one.
  bool stayed = false;
  WhenModalOpens<AboutDialog>([&](AboutDialog& about) {
    window.close();
    stayed = about.isVisible();
    if (stayed) about.done(QDialog::Rejected);
  });
  Find<QAction>(window, "MAbout")->trigger();
  EXPECT_FALSE(stayed);
  EXPECT_EQ(settings_.Read("Config", "Zoom", "?"), "13885");
  EXPECT_FALSE(window.Timer()->isActive());  // the About window's hold has ended
  settings_.Write("Config", "MEM", "marker");
  window.Quit();
  EXPECT_EQ(settings_.Read("Config", "MEM", ""), "marker");
}

// Faults: the page tried first; no fallback when no program takes the help file; silence.
TEST(HelpOpenerTest, PicksItsFileAndFallsBackOnOurPage) {
  const struct { bool chm, html, handler_takes_chm; const char* opened; } cases[] = {
      {true, true, true, "Pellamar.chm"},
      {false, true, true, "Pellamar.html"},  // no help file
      {true, true, false, "Pellamar.html"},  // no program takes it
      {false, false, true, ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.opened);
    QTemporaryDir dir;
    if (c.chm) QFile(dir.filePath("Pellamar.chm")).open(QIODevice::WriteOnly);
    if (c.html) QFile(dir.filePath("Pellamar.html")).open(QIODevice::WriteOnly);
    testing::RecordingNotice notice;
    QUrl last;
    const auto open = [&](const QUrl& url) {
      last = url;
      return c.handler_takes_chm || !url.path().endsWith(".chm");
    };
    const QString opened = HelpOpener(dir.path(), open, notice).Open();
    EXPECT_EQ(opened, *c.opened ? QDir(dir.path()).absoluteFilePath(c.opened) : QString());
    EXPECT_EQ(last, *c.opened ? QUrl::fromLocalFile(opened) : QUrl());
    EXPECT_EQ(notice.messages.size(), *c.opened ? 0u : 1u);
  }
}

// Faults: a Qt form (--x=v, --x v, -h, -v, a "-" value) lost or given to another option;
// the first of a repeated value kept; a wrong message.
TEST(CommandLineParserTest, QtFormsFillTheCoreOptions) {
  // Both value forms, a value that starts with "-", the last of a repeated value, short switches.
  const ParsedArguments a =
      ParseArguments({"pellamar", "--snapshot=eu.jpg", "--centre", "48,10", "--tz=3", "--tz", "-5", "-h", "-v"});
  ASSERT_TRUE(a.options) << a.error;
  EXPECT_EQ(*a.options->snapshot_path, "eu.jpg");
  EXPECT_DOUBLE_EQ(a.options->centre->lon_east_deg, 10);
  EXPECT_EQ(*a.options->utc_offset_hours, -5);
  EXPECT_TRUE(a.options->help && a.options->version && !a.options->precise && !a.options->qra);
  const std::pair<QStringList, const char*> bad[] = {
      {{"--frobnicate"}, "option inconnue : --frobnicate"},
      {{"-x"}, "option inconnue : -x"},
      {{"--date"}, "--date attend une valeur"},
      {{"carte.png"}, "argument inattendu : carte.png"},
      {{"--date=2023-02-29"}, "--date attend une date valide AAAA-MM-JJ (ex. 2007-06-21)"},
      {{"--zoom", "600"}, "--zoom ne sert qu'avec --snapshot"},
  };
  for (const auto& [args, message] : bad)
    EXPECT_EQ(ParseArguments(QStringList{"pellamar"} + args).error, message) << args.join(' ').toStdString();
}

}  // namespace
}  // namespace pellamar
