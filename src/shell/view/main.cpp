#include <QApplication>
#include <QFileInfo>
#include <QImage>
#include <QPixmap>
#include <cstdio>
#include <cstdlib>
#ifdef __GLIBC__
#include <malloc.h>
#endif
#include <iostream>
#include <string>
#include <vector>

#include "shell/command_line.h"
#include "map/view/widget_png.h"
#include "shell/view/main_window.h"
#include "shell/view/qt_services.h"
#include "shell/view/qt_settings_store.h"
#include "shell/readout.h"

namespace {

// Starts the window offscreen at the requested size and writes it as a PNG.
int Snapshot(const pellamar::CommandLine& options, QApplication& app) {
  const pellamar::SystemClock clock(options.date, options.seconds_of_day, options.utc_offset_hours);
  pellamar::QtSettingsStore settings = pellamar::QtSettingsStore::ForCurrentUser();
  pellamar::StderrNotice notice;
  pellamar::MainWindowServices services{&clock, &settings, &notice, app.applicationDirPath(), false};
  pellamar::MainWindow window(services);
  window.StartUp(QSize(options.snapshot_width, options.snapshot_height),
                 options.precise ? pellamar::OutlineSet::Precise : pellamar::OutlineSet::Global);
  const QString path = QString::fromStdString(*options.snapshot_path);
  // Light compression (zlib level 1): a fifth of the default's time for a
  // file still smaller than 150 kB for a whole map.
  if (!pellamar::WriteWidgetPng(window, path, 1)) {
    std::fprintf(stderr, "pellamar: impossible d'écrire l'image %s\n", options.snapshot_path->c_str());
    return 1;
  }
  std::printf("%s\n", QFileInfo(path).absoluteFilePath().toLocal8Bit().constData());
  return 0;
}

}  // namespace

int main(int argc, char* argv[]) {
#ifdef __GLIBC__
  // Blocks of 128 KiB and more (outline buffers, pictures) always come from
  // the system and go back to it when freed. By default glibc raises that
  // bound to the size of the largest block freed so far, and the freed
  // buffers of the outline files then stayed in the heap for good.
  mallopt(M_MMAP_THRESHOLD, 128 * 1024);
#endif
  std::vector<std::string> args(argv + 1, argv + argc);
  const pellamar::CommandLineParse parsed = pellamar::ParseCommandLine(args);
  if (!parsed.options) {
    std::fprintf(stderr, "pellamar: %s\n\n%s", parsed.error.c_str(), pellamar::CommandLineUsage().c_str());
    return 2;
  }
  const pellamar::CommandLine& options = *parsed.options;
  if (options.help) {
    std::fputs(pellamar::CommandLineUsage().c_str(), stdout);
    return 0;
  }
  if (options.readout) {
    const pellamar::SystemClock clock(options.date, options.seconds_of_day, options.utc_offset_hours);
    return pellamar::RunReadout(options, clock, std::cout, std::cerr);
  }
  if (options.snapshot_path && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
  }

  QApplication app(argc, argv);
  if (options.snapshot_path) {
    // The picture is written and a snapshot saves no setting: nothing is
    // left to do, so the window system's teardown is skipped.
    const int status = Snapshot(options, app);
    std::fflush(nullptr);
    std::_Exit(status);
  }

  const pellamar::SystemClock clock(options.date, options.seconds_of_day, options.utc_offset_hours);
  pellamar::QtSettingsStore settings = pellamar::QtSettingsStore::ForCurrentUser();
  pellamar::QtNotice notice;
  pellamar::MainWindowServices services{&clock, &settings, &notice, app.applicationDirPath(), true};
  pellamar::MainWindow window(services);
  notice.SetParent(&window);
  window.StartUp(std::nullopt, options.precise ? pellamar::OutlineSet::Precise : pellamar::OutlineSet::Global);
  return app.exec();
}
