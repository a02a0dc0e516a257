#include "shell/view/main_window.h"

namespace pellamar {

void MainWindow::OpenCountryList() {}
void MainWindow::OpenCityEditor() {}
void MainWindow::DefineThisPlace() {}

}  // namespace pellamar
