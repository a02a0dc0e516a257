#pragma once

// What the benchmark programs share: the main() of those that draw with Qt
// and a notice that shows nothing.
#include <QtGlobal>
#include <benchmark/benchmark.h>
#include <string_view>

#include "platform/user_notice.h"

namespace pellamar {

class SilentNotice final : public UserNotice {
 public:
  void Message(std::string_view) override {}
  bool Question(std::string_view, std::string_view) override { return false; }
  void Beep() override {}
};

// The offscreen platform, so that the program runs without a display, then
// Google Benchmark's run. App is QApplication for widgets, QGuiApplication
// for pictures alone.
template <typename App>
int RunOffscreenBenchmarks(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  App app(argc, argv);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}

}  // namespace pellamar
