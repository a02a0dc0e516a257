#pragma once

// What the offscreen window tests share: a temporary program folder with a
// one-segment outline file, a per-user folder, a fixed clock, settings in
// memory, a recording notice and a recording address opener.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QListWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QUrl>
#include <functional>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "platform/memory_settings_store.h"
#include "shell/view/main_window.h"
#include "support/recording_notice.h"

namespace pellamar::testing {

class WindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(folder_.isValid() && user_.isValid());
    WriteFile("totale.Asc", "0.5 0.3\r\n0.51 0.31\r\n");
  }

  // An outline file holding one closed square, lon_deg either side of 0°
  // and lat_deg either side of the equator.
  void WriteSquare(double lon_deg, double lat_deg) const {
    std::ostringstream out;
    const double pts[][2] = {{-lon_deg, -lat_deg}, {lon_deg, -lat_deg}, {lon_deg, lat_deg}, {-lon_deg, lat_deg},
                             {-lon_deg, -lat_deg}};
    for (const auto& p : pts) out << (p[0] + 180) / 360 << ' ' << (p[1] + 90) / (180 * 1.4142135623730951) << "\r\n";
    WriteFile("totale.Asc", out.str());
  }
  QString FilePath(const char* name) const { return folder_.filePath(QString::fromLatin1(name)); }
  void WriteFile(const char* name, const std::string& bytes) const {
    QFile f(FilePath(name));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(bytes.data(), static_cast<qint64>(bytes.size()));
  }
  // The file's bytes, or "<absent>".
  static std::string ReadAll(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return "<absent>";
    return f.readAll().toStdString();
  }

  MainWindowServices Services(bool write_settings = false) {
    MainWindowServices s{window_clock_, &settings_, &notice_, folder_.path(), write_settings};
    s.open_url = [this](const QUrl& url) {
      opened_.push_back(url);
      return true;
    };
    s.user_data_folder = user_.filePath("donnees/pellamar");  // never the real home's
    return s;
  }
  // A new window, started at the given size; the previous one is closed.
  MainWindow& Start(QSize size = QSize(1200, 800), bool write_settings = false) {
    window_.reset();
    window_ = std::make_unique<MainWindow>(Services(write_settings));
    window_->StartUp(size);
    return *window_;
  }

  template <typename T>
  static T* Find(const QObject& parent, const char* name) {
    T* found = parent.findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(found, nullptr) << name;
    return found;
  }
  static void ClickRow(QListWidget* list, int row) {
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(row)).center());
  }
  // Runs `act` on the modal window of type T once it is open.
  template <typename T>
  static void WhenModalOpens(std::function<void(T&)> act) {
    QTimer::singleShot(0, [act] {
      auto* modal = qobject_cast<T*>(QApplication::activeModalWidget());
      if (modal == nullptr) {
        ADD_FAILURE() << "no modal window";
        QApplication::closeAllWindows();
        return;
      }
      act(*modal);
    });
  }

  QTemporaryDir folder_;
  QTemporaryDir user_;
  FixedClock clock_{{2007, 3, 21}, 12 * 3600, 0};
  const Clock* window_clock_ = &clock_;  // the clock new windows read
  MemorySettingsStore settings_;
  RecordingNotice notice_;
  std::vector<QUrl> opened_;
  std::unique_ptr<MainWindow> window_;
};

}  // namespace pellamar::testing
