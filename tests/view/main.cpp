#include <gtest/gtest.h>

#include <QApplication>
#include <QtGlobal>

// The window tests need a QApplication. They draw offscreen unless told
// otherwise, so they also run (and are listed by ctest) without a display.
int main(int argc, char** argv) {
  if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
