#include "shell/view/main_window.h"

namespace pellamar {

void MainWindow::WireCities() {}
void MainWindow::OpenCountryList() {}
void MainWindow::OpenCityEditor() {}
void MainWindow::DefineThisPlace() {}

}  // namespace pellamar
