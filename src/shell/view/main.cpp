#include <QApplication>
#include <QFileInfo>
#include <QImage>
#include <QImageWriter>
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
#include "shell/readout.h"
#include "shell/view/command_line_parser.h"
#include "shell/view/main_window.h"
#include "shell/view/qt_services.h"
#include "shell/view/qt_settings_store.h"
#include "shell/view/termination_watcher.h"
#include "windows/about.h"

namespace {

QStringList Arguments(int argc, char* argv[]) {
  QStringList list;
  for (int i = 0; i < argc; ++i) list << QString::fromLocal8Bit(argv[i]);
  return list;
}

std::vector<std::string> WritableImageFormats() {
  std::vector<std::string> formats;
  for (const QByteArray& f : QImageWriter::supportedImageFormats()) formats.push_back(f.toLower().toStdString());
  return formats;
}

// Starts the window offscreen at the requested size and writes it in the
// format its file name's suffix names.
int Snapshot(const pellamar::CommandLine& options, QApplication& app) {
  const std::vector<std::string> formats = WritableImageFormats();
  const std::optional<std::string> format = pellamar::ImageFormatForPath(*options.snapshot_path, formats);
  if (!format) {
    std::string known;
    for (const std::string& f : formats) known += (known.empty() ? "" : ", ") + f;
    std::fprintf(stderr, "pellamar: --snapshot : le suffixe de « %s » ne nomme aucun format d'image connu (%s)\n",
                 options.snapshot_path->c_str(), known.c_str());
    return 2;
  }
  const pellamar::SystemClock clock(options.date, options.seconds_of_day, options.utc_offset_hours);
  pellamar::QtSettingsStore settings = pellamar::QtSettingsStore::ForCurrentUser();
  pellamar::StderrNotice notice;
  pellamar::MainWindowServices services{&clock, &settings, &notice, app.applicationDirPath(), false};
  pellamar::MainWindow window(services);
  window.ChooseStartView(options.centre, options.zoom);
  window.StartUp(QSize(options.snapshot_width, options.snapshot_height),
                 options.precise ? pellamar::OutlineSet::Precise : pellamar::OutlineSet::Global);
  const QString path = QString::fromStdString(*options.snapshot_path);
  // PNG: written band by band at light compression (zlib level 1), a fifth
  // of the default's time for a file still smaller than 150 kB for a whole
  // map. Other formats: the whole window grabbed, the writer's defaults.
  bool written = false;
  if (*format == "png") {
    written = pellamar::WriteWidgetPng(window, path, 1);
  } else {
    const QImage picture = window.grab().toImage();
    written = !picture.isNull() && picture.save(path, format->c_str());
  }
  if (!written) {
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
  const pellamar::ParsedArguments parsed = pellamar::ParseArguments(Arguments(argc, argv));
  if (!parsed.options) {
    std::fprintf(stderr, "pellamar: %s\n(pellamar --help affiche les options)\n", parsed.error.c_str());
    return 2;
  }
  const pellamar::CommandLine& options = *parsed.options;
  if (options.help) {
    std::fputs(pellamar::CommandLineUsage().c_str(), stdout);
    return 0;
  }
  if (options.version) {
    std::printf("Pellamar %s\n", pellamar::VersionText().c_str());
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
  QApplication::setApplicationVersion(QString::fromStdString(pellamar::VersionText()));
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
  // Every way of ending goes through the window's close: the close box,
  // "&Quitter", the session's log-out, SIGTERM and the like.
  pellamar::TerminationWatcher termination;
  QObject::connect(&termination, &pellamar::TerminationWatcher::terminationRequested, &window, &QWidget::close);
  QObject::connect(&app, &QCoreApplication::aboutToQuit, &window, &QWidget::close);
#ifndef QT_NO_SESSIONMANAGER
  QObject::connect(&app, &QGuiApplication::commitDataRequest, &window, [&window] { window.close(); });
#endif
  window.StartUp(std::nullopt, options.precise ? pellamar::OutlineSet::Precise : pellamar::OutlineSet::Global);
  return app.exec();
}
