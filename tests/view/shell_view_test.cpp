// The shell in the real window, offscreen: menus, panels, "Reset", quitting,
// help, the About window, the command line and the city file's place.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QAbstractButton>
#include <QCheckBox>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <csignal>
#include <string>
#include <vector>

#include "map/view/map_picture.h"
#include "shell/view/command_line_parser.h"
#include "shell/view/config_panel.h"
#include "shell/view/help_opener.h"
#include "shell/view/main_window.h"
#include "shell/view/termination_watcher.h"
#include "solar/view/dial_picture.h"
#include "solar/view/sun_dials_panel.h"
#include "support/window_fixture.h"
#include "windows/about.h"
#include "windows/view/about_dialog.h"

namespace pellamar {
namespace {

QString U(const char* s) { return QString::fromUtf8(s); }

class ShellWindowTest : public testing::WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    WriteFile("Villes.txt", "; \r\n");  // no city
    clock_ = FixedClock({2007, 3, 21}, 12 * 3600, 1);
  }
};

// The entries as "name:caption", a check mark as "[x]" or "[ ]".
QString Entries(const QList<QAction*>& actions) {
  QStringList out;
  for (const QAction* a : actions)
    out << a->objectName() + ':' + a->text() + (a->isCheckable() ? (a->isChecked() ? "[x]" : "[ ]") : "");
  return out.join(" | ");
}

// Faults: an entry missing, reordered, misnamed, miscaptioned or checkable; the popup in the bar.
TEST_F(ShellWindowTest, MenuBarAndPopupCarryTheirEntriesInOrder) {
  MainWindow window(Services());
  const std::pair<const char*, const char*> menus[] = {
      {"", "Mquitter:&Quitter | Mrecherche:Recherche | Mconfig:Configuration | Maide:Aide"},
      {"Mrecherche", "Mpays:Rechercher un Pays | MeffRech:Effacer le module recherche"},
      {"Mconfig", "MNUIT:Afficher la zone nuit[x] | Msoleil:Module Position du Soleil[x] | "
                  "MeffConfig:Effacer le module Configuration | "
                  "MajoutVille:Modifier la liste des villes définies par l'utilisateur. | MCoul:Couleurs"},
      {"Maide", "HELP:Aide | MAbout:A Propos"},
      {"Mlieu", "MDEF:Définir ce lieu"},
  };
  for (const auto& [name, entries] : menus) {
    SCOPED_TRACE(name);
    const QWidget* holder = *name ? Find<QMenu>(window, name) : static_cast<QWidget*>(window.menuBar());
    ASSERT_NE(holder, nullptr);
    EXPECT_EQ(Entries(holder->actions()), U(entries));
  }
  const QList<QAction*> bar = window.menuBar()->actions();
  ASSERT_EQ(bar.size(), 4);
  EXPECT_EQ(bar[0]->menu(), nullptr);
  EXPECT_EQ(QKeySequence::mnemonic(bar[0]->text()), QKeySequence(Qt::ALT | Qt::Key_Q));
  // The popup is never in the bar; its caption is two blanks.
  QMenu* mlieu = Find<QMenu>(window, "Mlieu");
  EXPECT_EQ(mlieu->title(), "  ");
  for (QAction* a : bar) EXPECT_NE(a->menu(), mlieu);
  EXPECT_EQ(Find<QAction>(window, "HELP")->shortcut(), QKeySequence(Qt::Key_F1));
}

// Faults: a wrong caption or tooltip; the refresh box not switching the timer both ways.
TEST_F(ShellWindowTest, TheShellCommandsOfTheConfigurationPanelAndTheTimerSwitch) {
  MainWindow& window = Start();
  const struct { const char* name; const char* caption; const char* tooltip; } controls[] = {
      {"Command1", "Reset", "Relance l'affichage de la carte selon l'option \"Conserver cette carte\""},
      {"ChecMEM", "Conserver cette carte ",
       "Pour le prochain lancement ou \"Reset\" du programme.  Gardera ou non cette carte."},
      {"ChRafAuto", "Rafraichissement automatique", "La carte se reconstruit régulièrement."},
      {"Option2_0", "Contours précis", "Mais lents à charger."},
      {"Option2_1", "Carte globale", "Peu précise mais rapide"},
  };
  for (const auto& c : controls) {
    auto* button = Find<QAbstractButton>(*window.Config(), c.name);
    ASSERT_NE(button, nullptr);
    EXPECT_EQ(button->text(), U(c.caption)) << c.name;
    EXPECT_EQ(button->toolTip(), U(c.tooltip)) << c.name;
  }
  // "Rafraichissement automatique" switches Timer1 both ways.
  QCheckBox* raf = window.Config()->AutoRefresh();
  ASSERT_TRUE(window.Timer()->isActive());
  QTest::mouseClick(raf, Qt::LeftButton, Qt::NoModifier, QPoint(5, raf->height() / 2));
  EXPECT_FALSE(raf->isChecked());
  EXPECT_FALSE(window.Timer()->isActive());
  QTest::mouseClick(raf, Qt::LeftButton, Qt::NoModifier, QPoint(5, raf->height() / 2));
  EXPECT_TRUE(window.Timer()->isActive());
  EXPECT_EQ(window.Timer()->interval(), 800);
}

// Faults: an entry toggling the wrong panel; its two captions swapped or mistyped.
TEST_F(ShellWindowTest, PanelEntriesHideAndShowTheirPanelsAndChangeTheirCaptions) {
  MainWindow& window = Start();
  const struct { const char* entry; const char* panel; const char* hidden; const char* shown; } cases[] = {
      {"MeffConfig", "FraConfig", "Afficher le module Configuration", "Effacer le module configuration"},
      {"MeffRech", "FraCherche", "Afficher le module Recherche", "Effacer le module Recherche"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.entry);
    QAction* entry = Find<QAction>(window, c.entry);
    QWidget* panel = Find<QWidget>(window, c.panel);
    ASSERT_TRUE(entry && panel);
    ASSERT_TRUE(panel->isVisible());
    entry->trigger();
    EXPECT_FALSE(panel->isVisible());
    EXPECT_EQ(entry->text(), U(c.hidden));
    entry->trigger();
    EXPECT_TRUE(panel->isVisible());
    EXPECT_EQ(entry->text(), U(c.shown));
  }
  // The other panel is left alone.
  EXPECT_TRUE(window.Config()->isVisible());
}

// Fault: the check mark not following the panel when a dial click hides it.
TEST_F(ShellWindowTest, TheSunEntryHidesTheDialsAndItsCheckMarkFollowsThePanel) {
  MainWindow& window = Start();
  QAction* msoleil = Find<QAction>(window, "Msoleil");
  SunDialsPanel* dials = window.SunDials();
  ASSERT_TRUE(dials->isVisible());
  msoleil->trigger();
  EXPECT_FALSE(dials->isVisible());
  EXPECT_FALSE(msoleil->isChecked());
  EXPECT_FALSE(window.SunDialsChecked());
  msoleil->trigger();
  EXPECT_TRUE(dials->isVisible());
  EXPECT_TRUE(msoleil->isChecked());
  // A click on a dial hides the panel by itself: the mark goes too.
  QTest::mouseClick(&dials->PicAZ(), Qt::LeftButton);
  EXPECT_FALSE(dials->isVisible());
  EXPECT_FALSE(msoleil->isChecked());
  msoleil->trigger();
  EXPECT_TRUE(dials->isVisible());
  EXPECT_TRUE(msoleil->isChecked());
}

// Faults: a button not opening the popup; the place swapped or stale; a rebuild.
TEST_F(ShellWindowTest, ARightOrMiddleClickOpensThePopupOnThePlace) {
  for (Qt::MouseButton button : {Qt::RightButton, Qt::MiddleButton}) {
    SCOPED_TRACE(button);
    MainWindow& window = Start();
    MapPicture* picture = window.Picture();
    QTest::mouseMove(picture, QPoint(picture->width() / 2, picture->height() / 2));
    QTest::mouseClick(picture, button, Qt::NoModifier, QPoint(picture->width() / 2, picture->height() / 4));
    ASSERT_TRUE(window.PopupPlace().has_value());
    // A quarter of the picture's height above the centre: north, same meridian.
    EXPECT_NEAR(window.PopupPlace()->lat_deg, window.Map().ZOOMc / 60 / 4, 0.5);
    EXPECT_NEAR(window.PopupPlace()->lon_east_deg, 0, 0.2);
    QMenu* mlieu = Find<QMenu>(window, "Mlieu");
    EXPECT_TRUE(mlieu->isVisible());
    mlieu->close();
    EXPECT_EQ(window.RebuildCount(), 1);
  }
}

// Faults: "Reset" ignoring the keep box or zoom option; wrong whole-world zoom or centre.
TEST_F(ShellWindowTest, ResetKeepsTheViewWhenKeptElseShowsTheWholeWorldOnZeroZero) {
  const std::pair<ZoomOption, bool> cases[] = {
      {ZoomOption::ZoomIn, true},
      {ZoomOption::ZoomIn, false},
      {ZoomOption::ZoomOut, false},
      {ZoomOption::Lock, false},
  };
  for (const auto& [option, keep] : cases) {
    SCOPED_TRACE(::testing::Message() << "option " << static_cast<int>(option) << " keep " << keep);
    MainWindow& window = Start();
    window.Config()->SetZoom(option);
    MapPicture* picture = window.Picture();
    // Move off 0°, 0° first: north-east of the centre.
    QTest::mouseClick(picture, Qt::LeftButton, Qt::NoModifier,
                      QPoint(picture->width() * 3 / 4, picture->height() / 4));
    const MapState moved = window.Map();
    ASSERT_GT(moved.LATCENTD, 1);
    ASSERT_GT(moved.LONCENTD, 1);
    window.Config()->KeepMap()->setChecked(keep);
    window.Config()->ChosenCity()->show();
    const int rebuilds = window.RebuildCount();
    QTest::mouseClick(window.Config()->Reset(), Qt::LeftButton);
    EXPECT_EQ(window.RebuildCount(), rebuilds + 1);
    const MapState& map = window.Map();
    if (keep) {
      EXPECT_EQ(map.LATCENTD, moved.LATCENTD);
      EXPECT_EQ(map.LONCENTD, moved.LONCENTD);
      EXPECT_EQ(map.ZOOMc, moved.ZOOMc);
      continue;
    }
    EXPECT_DOUBLE_EQ(map.ZOOMc, 12675.109106746411);  // √2 / 2.41 × 21600
    EXPECT_EQ(map.LATCENTD, 0);
    EXPECT_EQ(map.LONCENTD, 0);
    const double tpp = picture->TwipsPerPixel();
    EXPECT_NEAR(map.Xc, picture->width() * tpp / 2, 0.01);
    EXPECT_NEAR(map.Yc, picture->height() * tpp / 2, 0.01);
    EXPECT_TRUE(window.Config()->ChosenCity()->isHidden());
  }
}

// Faults: the command line's view not replacing the kept one, or not pinned.
TEST_F(ShellWindowTest, TheChosenStartViewReplacesTheKeptOneWithinTheClickLimits) {
  settings_.Write("Config", "Zoom", "899");
  settings_.Write("Config", "LATCENTD", "1000");
  const struct {
    std::optional<GeoPoint> centre;
    std::optional<double> zoom;
    float lat, lon;
    double minutes;
  } cases[] = {
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

// Quitting by each path writes the same keys and stops the timer.
enum class QuitPath { Menu, CloseBox, Sigterm };

void QuitBy(QuitPath path, MainWindow& window, const MemorySettingsStore& settings) {
  switch (path) {
    case QuitPath::Menu:
      window.findChild<QAction*>("Mquitter")->trigger();
      break;
    case QuitPath::CloseBox:
      window.close();
      break;
    case QuitPath::Sigterm: {
      TerminationWatcher watcher;
      ASSERT_TRUE(watcher.IsWatching());
      QObject::connect(&watcher, &TerminationWatcher::terminationRequested, &window, &QWidget::close);
      ASSERT_EQ(std::raise(SIGTERM), 0);
      EXPECT_TRUE(QTest::qWaitFor([&] { return settings.Size() > 0; }, 5000));
      break;
    }
  }
}

// Faults: a quit path skipping the settings or timer; the view written when not kept.
TEST_F(ShellWindowTest, EveryQuitPathWritesMemAlwaysAndTheViewOnlyWhenKept) {
  for (QuitPath path : {QuitPath::Menu, QuitPath::CloseBox, QuitPath::Sigterm}) {
    for (bool keep : {false, true}) {
      SCOPED_TRACE(::testing::Message() << "path " << static_cast<int>(path) << " keep " << keep);
      settings_ = MemorySettingsStore();
      MainWindow window(Services(true));
      window.StartUp(QSize(1200, 800));
      window.Config()->SetZoom(ZoomOption::Lock);
      QTest::mouseClick(window.Picture(), Qt::LeftButton, Qt::NoModifier,
                        QPoint(window.Picture()->width() / 2, window.Picture()->height() / 4));
      window.Config()->KeepMap()->setChecked(keep);
      window.Config()->Cities()->setChecked(false);
      ASSERT_EQ(settings_.Size(), 0u);
      ASSERT_TRUE(window.Timer()->isActive());
      QuitBy(path, window, settings_);
      EXPECT_FALSE(window.isVisible());
      EXPECT_FALSE(window.Timer()->isActive());
      if (!keep) {
        EXPECT_EQ(settings_.Size(), 1u);
        EXPECT_EQ(settings_.Read("Config", "MEM", "?"), "0");
        continue;
      }
      EXPECT_EQ(settings_.Size(), 7u);
      EXPECT_EQ(settings_.Read("Config", "MEM", "?"), "1");
      EXPECT_EQ(settings_.Read("Config", "Villes", "?"), "0");
      EXPECT_EQ(settings_.Read("Config", "Raf", "?"), "1");
      EXPECT_EQ(settings_.Read("Config", "LOC", "?"), "1");
      EXPECT_EQ(settings_.Read("Config", "Zoom", "?"), "13885");
      // A quarter of 13885 minutes north of the equator on the middle
      // meridian (within a pixel), × 100.
      EXPECT_NEAR(QString::fromStdString(settings_.Read("Config", "LONCENTD", "?")).toDouble(), 0, 50);
      const std::string lat = settings_.Read("Config", "LATCENTD", "?");
      EXPECT_NEAR(QString::fromStdString(lat).toDouble(), 13885.0 / 60 / 4 * 100, 20) << lat;
    }
  }
}

// Fault: a termination signal leaving a modal window open or the settings unwritten.
TEST_F(ShellWindowTest, SigtermDuringTheAboutWindowClosesEveryWindowAndWritesTheSettings) {
  MainWindow& window = Start(QSize(800, 600), true);
  TerminationWatcher watcher;
  ASSERT_TRUE(watcher.IsWatching());
  QObject::connect(&watcher, &TerminationWatcher::terminationRequested, &window, &QWidget::close);
  bool raised = false;
  // A safety net that must not fire: the signal alone closes every window.
  bool net_fired = false;
  QTimer net;
  net.setSingleShot(true);
  QObject::connect(&net, &QTimer::timeout, [&] {
    net_fired = true;
    QApplication::closeAllWindows();
  });
  QTimer::singleShot(0, [&] {
    ASSERT_NE(qobject_cast<AboutDialog*>(QApplication::activeModalWidget()), nullptr);
    raised = std::raise(SIGTERM) == 0;
    net.start(5000);
  });
  window.findChild<QAction*>("MAbout")->trigger();
  ASSERT_TRUE(raised);
  EXPECT_FALSE(net_fired);
  EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
  EXPECT_FALSE(window.isVisible());
  EXPECT_EQ(settings_.Read("Config", "MEM", "?"), "1");
  EXPECT_EQ(settings_.Read("Config", "Zoom", "?"), "13885");
  // The About window's hold has ended, yet the timer stays stopped.
  EXPECT_FALSE(window.Timer()->isActive());
}

// Fault: the settings written again by a second quit.
TEST_F(ShellWindowTest, QuittingTwiceWritesOnce) {
  MainWindow& window = Start(QSize(800, 600), true);
  window.close();
  settings_.Write("Config", "MEM", "marker");
  window.Quit();
  EXPECT_EQ(settings_.Read("Config", "MEM", ""), "marker");
}

// Faults: the page tried first; no fallback when no program takes the help file; silence.
TEST_F(ShellWindowTest, HelpPicksItsFileAndFallsBackOnOurPage) {
  const struct {
    bool chm, html, handler_takes_chm;
    const char* opened;
  } cases[] = {
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
    std::vector<QUrl> tried;
    testing::RecordingNotice notice;
    HelpOpener help(dir.path(), [&](const QUrl& url) {
      tried.push_back(url);
      return c.handler_takes_chm || !url.path().endsWith(".chm");
    }, notice);
    const QString opened = help.Open();
    if (*c.opened == '\0') {
      EXPECT_TRUE(opened.isEmpty());
      EXPECT_TRUE(tried.empty());
      ASSERT_EQ(notice.messages.size(), 1u);
      EXPECT_NE(notice.messages[0].find("Pellamar.html"), std::string::npos);
      continue;
    }
    EXPECT_EQ(opened, QDir(dir.path()).absoluteFilePath(c.opened));
    ASSERT_FALSE(tried.empty());
    EXPECT_EQ(tried.back(), QUrl::fromLocalFile(opened));
    EXPECT_TRUE(notice.messages.empty());
  }
}

// Faults: F1 or the entry not wired, or opening another folder's help.
TEST_F(ShellWindowTest, F1AndTheHelpEntryOpenTheHelpOfTheProgramFolder) {
  WriteFile("Pellamar.html", "");
  MainWindow& window = Start(QSize(800, 600));
  window.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
  QTest::keyClick(window.Picture(), Qt::Key_F1);
  ASSERT_EQ(opened_.size(), 1u);
  EXPECT_EQ(opened_[0], QUrl::fromLocalFile(QFileInfo(FilePath("Pellamar.html")).absoluteFilePath()));
  Find<QAction>(window, "HELP")->trigger();
  EXPECT_EQ(opened_.size(), 2u);
  EXPECT_TRUE(notice_.messages.empty());
}

// Faults: a line miswired; a plain label opening a link; a wrong subject; the timer not held.
TEST_F(ShellWindowTest, TheAboutWindowIsModalHoldsTheTimerAndOpensItsLinks) {
  MainWindow& window = Start(QSize(800, 600));
  ASSERT_TRUE(window.Timer()->isActive());
  bool seen = false;
  WhenModalOpens<AboutDialog>([&](AboutDialog& dialog) {
    AboutDialog* about = &dialog;
    seen = true;
    EXPECT_EQ(about->objectName(), "About");
    EXPECT_EQ(about->windowTitle(), "A Propos...");
    EXPECT_FALSE(window.Timer()->isActive());
    const struct { const char* name; const char* text; } lines[] = {
        {"Label1_0", "Calcul d'heures de lever et de coucher du Soleil dans le monde."},
        {"Label1_2", kWebPage.data()},
        {"Label1_3", "Version 2.2"},
        {"Label2", "Envoyer un coucou à l'auteur..."},
    };
    for (const auto& l : lines) EXPECT_EQ(Find<QLabel>(*about, l.name)->text(), U(l.text)) << l.name;
    EXPECT_FALSE(Find<QLabel>(*about, "Label1_1")->text().isEmpty());
    EXPECT_TRUE(Find<QLabel>(*about, "Credits")->text().contains("GSHHG"));
    EXPECT_TRUE(Find<QLabel>(*about, "Credits")->text().contains("GeoNames"));
    EXPECT_EQ(Find<QLabel>(*about, "Label1_2")->font().family(), "Arial");
    // Only the icon, the address and the mail line open anything.
    for (const char* name : {"Label1_0", "Label1_1", "Label1_3", "Image1", "Label1_2", "Label2"})
      QTest::mouseClick(Find<QLabel>(*about, name), Qt::LeftButton);
    ASSERT_EQ(opened_.size(), 3u);
    EXPECT_EQ(opened_[0], QUrl(QString::fromLatin1(kWebPage.data(), kWebPage.size())));
    EXPECT_EQ(opened_[1], opened_[0]);
    EXPECT_EQ(opened_[2].toString(), "mailto:" + QString::fromLatin1(kMailAddress.data(), kMailAddress.size()) +
                                         "?subject=Pellamar V2.2");
    EXPECT_EQ(opened_[2].scheme(), "mailto");
    QTest::mouseClick(Find<QPushButton>(*about, "Command1"), Qt::LeftButton);
  });
  Find<QAction>(window, "MAbout")->trigger();
  EXPECT_TRUE(seen);
  EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
  EXPECT_TRUE(window.Timer()->isActive());
}

// Faults: a Qt form (--x=v, --x v, -h, -v, a "-" value) lost or given to another option.
TEST(CommandLineParserTest, QtFormsFillTheCoreOptions) {
  const auto parse = [](QStringList args) {
    args.prepend("pellamar");
    return ParseArguments(args);
  };
  const ParsedArguments a = parse({"--snapshot=eu.jpg", "--centre", "48,10", "--zoom=2400", "--size=800x600",
                                   "--tz=-5", "--precise"});
  ASSERT_TRUE(a.options) << a.error;
  EXPECT_EQ(*a.options->snapshot_path, "eu.jpg");
  EXPECT_DOUBLE_EQ(a.options->centre->lat_deg, 48);
  EXPECT_DOUBLE_EQ(a.options->centre->lon_east_deg, 10);
  EXPECT_DOUBLE_EQ(*a.options->zoom, 2400);
  EXPECT_EQ(a.options->snapshot_width, 800);
  EXPECT_EQ(*a.options->utc_offset_hours, -5);
  EXPECT_TRUE(a.options->precise);
  EXPECT_FALSE(a.options->qra || a.options->utc || a.options->help);

  const ParsedArguments b = parse({"--readout", "48.85,2.35", "--qra", "--utc", "-h", "-v"});
  ASSERT_TRUE(b.options) << b.error;
  EXPECT_TRUE(b.options->qra && b.options->utc && b.options->help && b.options->version);
  EXPECT_EQ(*b.options->readout, "48.85,2.35");
  EXPECT_TRUE(parse({"--help"}).options->help);
  EXPECT_TRUE(parse({"--version"}).options->version);
  // The last of a repeated value counts; a value may start with "-".
  EXPECT_EQ(*parse({"--tz", "3", "--tz", "-2"}).options->utc_offset_hours, -2);

  const struct { QStringList args; const char* message; } bad[] = {
      {{"--frobnicate"}, "option inconnue : --frobnicate"},
      {{"-x"}, "option inconnue : -x"},
      {{"--date"}, "--date attend une valeur"},
      {{"carte.png"}, "argument inattendu : carte.png"},
      {{"--date=2023-02-29"}, "--date attend une date valide AAAA-MM-JJ (ex. 2007-06-21)"},
      {{"--zoom", "600"}, "--zoom ne sert qu'avec --snapshot"},
  };
  for (const auto& c : bad) {
    SCOPED_TRACE(c.args.join(' ').toStdString());
    const ParsedArguments p = parse(c.args);
    EXPECT_FALSE(p.options);
    EXPECT_EQ(p.error, c.message);
  }
}

}  // namespace
}  // namespace pellamar
