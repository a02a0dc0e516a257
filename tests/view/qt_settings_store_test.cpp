#include "shell/view/qt_settings_store.h"

#include <gtest/gtest.h>

#include <QByteArray>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStringList>
#include <QTemporaryDir>
#include <cmath>
#include <random>

#include "shell/settings.h"

namespace pellamar {
namespace {

// An INI file in a temporary folder, never the user's real settings.
class QtSettingsStoreTest : public ::testing::Test {
 protected:
  QString Ini(const QByteArray& contents = {}) {
    const QString path = dir_.filePath(QStringLiteral("pellamar.ini"));
    QFile file(path);
    if (!contents.isEmpty() && file.open(QIODevice::WriteOnly)) file.write(contents);
    return path;
  }
  QTemporaryDir dir_;
};

TEST_F(QtSettingsStoreTest, WhatIsWrittenIsReadByAFreshInstance) {
  {
    QtSettingsStore store(Ini());
    WriteConfigOnQuit(store, {true, false, true, false}, {1234.5, 45.678f, -12.5f});
    store.Write("Couleurs", "Note", "Montréal, 4567,8");
  }
  const QtSettingsStore store(Ini());
  EXPECT_EQ(store.Read("Config", "Raf", "?"), "0");
  EXPECT_EQ(store.Read("Config", "LATCENTD", "?"), "4567.8");
  EXPECT_EQ(store.Read("Config", "LONCENTD", "?"), "-1250");
  EXPECT_EQ(store.Read("Couleurs", "Note", "?"), "Montréal, 4567,8");
  EXPECT_EQ(store.Read("Absent", "Note", "fallback"), "fallback");
  const KeptView view = ReadKeptView(store, ReadStartupOptions(store).keep_map);
  EXPECT_EQ(view.zoom, 1234.5);
  EXPECT_EQ(view.lat_centre_deg, 45.678f);
}

TEST_F(QtSettingsStoreTest, ReadFindsKeysAndSectionsWhateverTheirCase) {
  const QtSettingsStore store(
      Ini("[Couleurs]\nPara=255\nG1=100\n[config]\nmem=0\nLATCENTD=4567,8\n"));
  struct Case { std::string_view section, key, text; };
  const Case cases[] = {
      {"Couleurs", "para", "255"}, {"couleurs", "PARA", "255"},     {"Couleurs", "g1", "100"},
      {"CONFIG", "Mem", "0"},      {"Config", "latcentd", "4567,8"}, {"Config", "Para", "absent"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.section << '/' << c.key);
    EXPECT_EQ(store.Read(c.section, c.key, "absent"), c.text);
  }
  // The unquoted comma form of an older file reads as the decimal it was.
  EXPECT_EQ(ReadKeptView(store, true).lat_centre_deg, 45.678f);
}

TEST_F(QtSettingsStoreTest, WriteKeepsTheStoredSpellingOfKeyAndSection) {
  QtSettingsStore(Ini("[Couleurs]\nG1=100\n")).Write("couleurs", "g1", "7");
  QtSettingsStore(Ini()).Write("COULEURS", "r1", "9");
  const QSettings raw(Ini(), QSettings::IniFormat);
  QStringList keys = raw.allKeys();
  keys.sort();
  EXPECT_EQ(keys, (QStringList{QStringLiteral("Couleurs/G1"), QStringLiteral("Couleurs/r1")}));
  EXPECT_EQ(raw.value(QStringLiteral("Couleurs/G1")).toString(), QStringLiteral("7"));
}

// A settings file of random bytes: every value read is a default or within
// its range, and quitting still works; a kept view in garbage is the default.
TEST_F(QtSettingsStoreTest, RandomBytesGiveDefaultsOrValuesInRange) {
  std::mt19937 random(7);
  const auto noise = [&random](int size) {
    QByteArray bytes(size, '\0');
    for (char& c : bytes) c = static_cast<char>(random());
    return bytes;
  };
  int files = 0;
  for (const QByteArray& contents :
       {noise(1 << 16), "[Config]\nZoom=" + noise(300) + "\nLATCENTD=" + noise(300),
        "[Couleurs]\npara=" + noise(64) + "\nR1=" + noise(64) + "\n[Config]\nMEM=" + noise(8)}) {
    SCOPED_TRACE(++files);
    QtSettingsStore store(Ini(contents));
    const StartupOptions options = ReadStartupOptions(store);
    const KeptView view = ReadKeptView(store, true);
    EXPECT_TRUE(view.zoom >= 1 && view.zoom <= kMaxZoom) << view.zoom;
    EXPECT_TRUE(std::fabs(view.lat_centre_deg) <= 90 && std::fabs(view.lon_centre_deg) <= 180);
    const OverlayColours colours = ReadColours(store);
    EXPECT_TRUE(colours.curve <= 0xFFFFFF && colours.night <= 0xFFFFFF);
    EXPECT_TRUE(colours.parallels <= 0xFFFFFF || colours.parallels == kHiddenColour);
    if (files == 2) {
      EXPECT_EQ(view.zoom, kDefaultZoom);
      EXPECT_EQ(view.lat_centre_deg, 0.0f);
    }
    WriteConfigOnQuit(store, options, view);
  }
  EXPECT_EQ(files, 3);
}

TEST_F(QtSettingsStoreTest, UserStoreIsNamedAfterTheExecutable) {
  const QByteArray config_home = qgetenv("XDG_CONFIG_HOME");
  const bool had_config_home = qEnvironmentVariableIsSet("XDG_CONFIG_HOME");
  ASSERT_TRUE(qputenv("XDG_CONFIG_HOME", dir_.path().toLocal8Bit()));
  const QString expected = dir_.filePath(QStringLiteral("view_tests/view_tests.ini"));
  {
    QtSettingsStore store = QtSettingsStore::ForCurrentUser();
    EXPECT_EQ(store.FilePath(), expected);
    if (store.FilePath() == expected) store.Write("Config", "MEM", "0");
  }
  had_config_home ? qputenv("XDG_CONFIG_HOME", config_home) : qunsetenv("XDG_CONFIG_HOME");
  EXPECT_TRUE(QFileInfo::exists(expected));
}

}  // namespace
}  // namespace pellamar
