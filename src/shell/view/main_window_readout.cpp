#include "shell/view/main_window.h"

namespace pellamar {

void MainWindow::WireReadout() {}
void MainWindow::ResetTickCounters() {}

}  // namespace pellamar
