#include "shell/view/main_window.h"

namespace pellamar {

void MainWindow::WireOverlays() {}
void MainWindow::RedrawDaylight() {}
void MainWindow::ForgetDaylightCurve() {}
void MainWindow::SlideDaylight(double) {}
void MainWindow::ShowNightZone(bool) {}
void MainWindow::OpenColourPanel() {}

}  // namespace pellamar
