#include "shell/view/qt_settings_store.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QTemporaryDir>

#include "shell/settings.h"

namespace pellamar {
namespace {

// An INI file in a temporary folder, never the user's real settings.
class QtSettingsStoreTest : public ::testing::Test {
 protected:
  QString Ini(const QByteArray& contents = {}) {
    QFile file(dir_.filePath("pellamar.ini"));
    if (!contents.isEmpty() && file.open(QIODevice::WriteOnly)) file.write(contents);
    return file.fileName();
  }
  QTemporaryDir dir_;
};

// Faults: a key written on quit under another name or value; a value with
// a comma cut at it (QSettings reads an unquoted one as a list).
TEST_F(QtSettingsStoreTest, WhatIsWrittenIsReadByAFreshInstance) {
  {
    QtSettingsStore store(Ini());
    WriteConfigOnQuit(store, {true, false, true, false}, {1234.5, 45.678f, -12.5f});
    store.Write("Couleurs", "Note", "Montréal, 4567,8");
  }
  const QtSettingsStore store(Ini());
  EXPECT_EQ(store.Read("Config", "Raf", "?") + '|' + store.Read("Config", "LATCENTD", "?") + '|' +
                store.Read("Config", "LONCENTD", "?") + '|' + store.Read("Couleurs", "Note", "?") + '|' +
                store.Read("Absent", "Note", "fallback"),
            "0|4567.8|-1250|Montréal, 4567,8|fallback");
  EXPECT_EQ(ReadKeptView(store, ReadStartupOptions(store).keep_map).zoom, 1234.5);
}

// Faults: a key or section matched with its case; a write adding a second
// spelling of a key or section already stored.
TEST_F(QtSettingsStoreTest, KeysAndSectionsAreFoundAndKeptWhateverTheirCase) {
  {
    QtSettingsStore store(Ini("[Couleurs]\nPara=255\n[config]\nLATCENTD=4567,8\n"));
    EXPECT_EQ(store.Read("couleurs", "PARA", "absent"), "255");
    EXPECT_EQ(store.Read("Config", "latcentd", "absent"), "4567,8");
    EXPECT_EQ(store.Read("Config", "Para", "absent"), "absent");
    EXPECT_EQ(ReadKeptView(store, true).lat_centre_deg, 45.678f);  // an older file's comma
    store.Write("couleurs", "para", "7");
    store.Write("COULEURS", "r1", "9");
    store.Write("Config", "MEM", "0");
  }
  const QSettings raw(Ini(), QSettings::IniFormat);
  QStringList keys = raw.allKeys();
  keys.sort();
  EXPECT_EQ(keys, (QStringList{"Couleurs/Para", "Couleurs/r1", "config/LATCENTD", "config/MEM"}));
  EXPECT_EQ(raw.value("Couleurs/Para").toString(), "7");
}

// Fault: the per-user file named after something else than the program.
TEST_F(QtSettingsStoreTest, UserStoreIsNamedAfterTheExecutable) {
  const QByteArray config_home = qgetenv("XDG_CONFIG_HOME");
  const bool had_config_home = qEnvironmentVariableIsSet("XDG_CONFIG_HOME");
  qputenv("XDG_CONFIG_HOME", dir_.path().toLocal8Bit());
  EXPECT_EQ(QtSettingsStore::ForCurrentUser().FilePath(), dir_.filePath("view_tests/view_tests.ini"));
  had_config_home ? qputenv("XDG_CONFIG_HOME", config_home) : qunsetenv("XDG_CONFIG_HOME");
}

}  // namespace
}  // namespace pellamar
