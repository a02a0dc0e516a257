// Starts the main window as the program does, on the platform of the
// session (an X server), and exits as soon as the first picture of the map
// has been painted and handed to the window system. Its whole-process wall
// time is the start-up to a complete first map.
// Usage: first_frame DATA_FOLDER [--precise]
#include <QApplication>
#include <QEvent>
#include <QTimer>
#include <cstdio>
#include <cstdlib>
#ifdef __GLIBC__
#include <malloc.h>
#endif
#include <string_view>

#include "shell/view/main_window.h"
#include "shell/view/qt_services.h"
#include "shell/view/qt_settings_store.h"

namespace {

// Quits once the map picture's first paint after the start-up's rebuild,
// and the flush to the window system that ends that paint, are done.
// Progress rows repainted in the middle of the rebuild do not count. The
// line layer covers the map and paints its picture, so the map widget
// itself may get no paint event at all: either one counts.
class FirstFrame final : public QObject {
 public:
  void RebuildDone() { rebuilt_ = true; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Paint && rebuilt_ && !seen_ &&
        (watched->objectName() == QLatin1String("Picture1") ||
         watched->objectName() == QLatin1String("LinePools"))) {
      seen_ = true;
      QTimer::singleShot(0, [] {
        std::fflush(nullptr);
        std::_Exit(0);
      });
    }
    return false;
  }

 private:
  bool rebuilt_ = false;
  bool seen_ = false;
};

}  // namespace

int main(int argc, char* argv[]) {
  const bool precise = argc == 3 && std::string_view(argv[2]) == "--precise";
  if (argc < 2 || argc > 3 || (argc == 3 && !precise)) {
    std::fputs("usage: first_frame DATA_FOLDER [--precise]\n", stderr);
    return 2;
  }
#ifdef __GLIBC__
  mallopt(M_MMAP_THRESHOLD, 128 * 1024);  // as the program does
#endif
  QApplication app(argc, argv);
  FirstFrame first_frame;
  app.installEventFilter(&first_frame);
  const pellamar::SystemClock clock(std::nullopt, std::nullopt, std::nullopt);
  pellamar::QtSettingsStore settings = pellamar::QtSettingsStore::ForCurrentUser();
  pellamar::QtNotice notice;
  pellamar::MainWindowServices services{&clock, &settings, &notice, QString::fromLocal8Bit(argv[1]), false};
  pellamar::MainWindow window(services);
  notice.SetParent(&window);
  window.StartUp(std::nullopt, precise ? pellamar::OutlineSet::Precise : pellamar::OutlineSet::Global);
  first_frame.RebuildDone();
  return app.exec();
}
