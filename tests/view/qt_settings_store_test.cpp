#include "shell/view/qt_settings_store.h"

#include <gtest/gtest.h>

#include <QByteArray>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStringList>
#include <QTemporaryDir>

#include "shell/settings.h"

namespace pellamar {
namespace {

class QtSettingsStoreTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(dir_.isValid()); }

  [[nodiscard]] QString IniPath() const { return dir_.filePath(QStringLiteral("pellamar.ini")); }

  void WriteIni(const QByteArray& contents) const {
    QFile file(IniPath());
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    ASSERT_EQ(file.write(contents), contents.size());
  }

  [[nodiscard]] QByteArray IniContents() const {
    QFile file(IniPath());
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
  }

  QTemporaryDir dir_;
};

TEST_F(QtSettingsStoreTest, WhatIsWrittenIsReadByAFreshInstance) {
  const StartupOptions options{true, false, true, false};
  const KeptView view{1234.5, 45.678f, -12.5f};
  {
    QtSettingsStore store(IniPath());
    WriteConfigOnQuit(store, options, view);
    store.Write("Couleurs", "Para", "255");
    store.Write("Couleurs", "Note", "Montréal, 4567,8");
  }
  const QtSettingsStore store(IniPath());
  EXPECT_EQ(store.Read("Config", "LATCENTD", "?"), "4567.8");
  EXPECT_EQ(store.Read("Config", "LONCENTD", "?"), "-1250");
  EXPECT_EQ(store.Read("Couleurs", "Note", "?"), "Montréal, 4567,8");
  EXPECT_EQ(store.Read("Couleurs", "Absent", "fallback"), "fallback");
  EXPECT_EQ(store.Read("Absent", "para", "fallback"), "fallback");

  const StartupOptions read_options = ReadStartupOptions(store);
  EXPECT_EQ(read_options.keep_map, options.keep_map);
  EXPECT_EQ(read_options.auto_refresh, options.auto_refresh);
  EXPECT_EQ(read_options.cities, options.cities);
  EXPECT_EQ(read_options.local_time, options.local_time);
  const KeptView read_view = ReadKeptView(store, read_options.keep_map);
  EXPECT_EQ(read_view.zoom, view.zoom);
  EXPECT_EQ(read_view.lat_centre_deg, view.lat_centre_deg);
  EXPECT_EQ(read_view.lon_centre_deg, view.lon_centre_deg);
  EXPECT_EQ(ReadColours(store).parallels, 255u);
}

TEST_F(QtSettingsStoreTest, ReadFindsKeysAndSectionsWhateverTheirCase) {
  WriteIni(
      "[Couleurs]\n"
      "Para=255\n"
      "G1=100\n"
      "[config]\n"
      "mem=0\n"
      "LATCENTD=4567,8\n");
  const QtSettingsStore store(IniPath());

  struct Case {
    std::string_view section;
    std::string_view key;
    std::string_view text;
  };
  const Case cases[] = {
      {"Couleurs", "para", "255"},   {"couleurs", "PARA", "255"},      {"Couleurs", "g1", "100"},
      {"Config", "MEM", "0"},        {"CONFIG", "Mem", "0"},           {"Config", "latcentd", "4567,8"},
      {"Couleurs", "B1", "absent"},  {"Config", "Para", "absent"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.section) + "/" + std::string(c.key));
    EXPECT_EQ(store.Read(c.section, c.key, "absent"), c.text);
  }
  // The unquoted comma form of an older file reads as the decimal it was.
  EXPECT_EQ(ReadKeptView(store, true).lat_centre_deg, 45.678f);
  EXPECT_EQ(ReadColours(store).curve, Rgb(255, 100, 0));
}

TEST_F(QtSettingsStoreTest, WriteKeepsTheStoredSpellingOfKeyAndSection) {
  WriteIni(
      "[Couleurs]\n"
      "G1=100\n");
  {
    QtSettingsStore store(IniPath());
    store.Write("couleurs", "g1", "7");
    store.Write("COULEURS", "r1", "9");
  }
  const QSettings raw(IniPath(), QSettings::IniFormat);
  QStringList keys = raw.allKeys();
  keys.sort();
  EXPECT_EQ(keys, (QStringList{QStringLiteral("Couleurs/G1"), QStringLiteral("Couleurs/r1")}));
  EXPECT_EQ(raw.value(QStringLiteral("Couleurs/G1")).toString(), QStringLiteral("7"));
  EXPECT_EQ(IniContents().count("[Couleurs]"), 1);
}

TEST_F(QtSettingsStoreTest, UserStoreIsNamedAfterTheExecutable) {
  // Point the per-user configuration folder into the temporary folder so
  // the user's real settings are never touched.
  const bool had_config_home = qEnvironmentVariableIsSet("XDG_CONFIG_HOME");
  const QByteArray config_home = qgetenv("XDG_CONFIG_HOME");
  ASSERT_TRUE(qputenv("XDG_CONFIG_HOME", dir_.path().toLocal8Bit()));
  const QString expected = dir_.filePath(QStringLiteral("view_tests/view_tests.ini"));
  {
    QtSettingsStore store = QtSettingsStore::ForCurrentUser();
    EXPECT_EQ(store.FilePath(), expected);
    if (store.FilePath() == expected) store.Write("Config", "MEM", "0");
  }
  if (had_config_home) {
    qputenv("XDG_CONFIG_HOME", config_home);
  } else {
    qunsetenv("XDG_CONFIG_HOME");
  }
  EXPECT_TRUE(QFileInfo::exists(expected));
  EXPECT_EQ(QtSettingsStore(expected).Read("config", "mem", "?"), "0");
}

}  // namespace
}  // namespace pellamar
