#include "shell/view/main_window.h"

namespace pellamar {

void MainWindow::WireMenus() {}

}  // namespace pellamar
