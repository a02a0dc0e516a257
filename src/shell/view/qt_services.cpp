#include "shell/view/qt_services.h"

#include <QApplication>
#include <QDateTime>
#include <QMessageBox>
#include <cstdio>
#include <string>

#include "shell/command_line.h"

namespace pellamar {
namespace {

// The computer's current instant seen in a zone `offset_hours` from UT.
CivilTime NowInZone(double offset_hours) {
  const QDateTime utc = QDateTime::currentDateTimeUtc();
  const QDate d = utc.date();
  return ShiftUtc({d.year(), d.month(), d.day()}, utc.time().msecsSinceStartOfDay() / 1000, offset_hours);
}

QString FromUtf8(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

}  // namespace

void QtNotice::Message(std::string_view utf8_text) {
  QMessageBox::information(parent_, QStringLiteral("Pellamar"), FromUtf8(utf8_text), QMessageBox::Ok);
}

void QtNotice::TitledMessage(std::string_view utf8_text, std::string_view utf8_title) {
  QMessageBox::information(parent_, FromUtf8(utf8_title), FromUtf8(utf8_text), QMessageBox::Ok);
}

bool QtNotice::Question(std::string_view utf8_text, std::string_view utf8_title) {
  return QMessageBox::question(parent_, FromUtf8(utf8_title), FromUtf8(utf8_text),
                               QMessageBox::Yes | QMessageBox::No, QMessageBox::No) == QMessageBox::Yes;
}

void QtNotice::Beep() { QApplication::beep(); }

void StderrNotice::Message(std::string_view utf8_text) {
  std::fwrite(utf8_text.data(), 1, utf8_text.size(), stderr);
  std::fputc('\n', stderr);
}

bool StderrNotice::Question(std::string_view utf8_text, std::string_view) {
  Message(utf8_text);
  return false;
}

CivilDate SystemClock::LocalDate() const {
  if (date_) return *date_;
  // A zone given without a time keeps the instant: the date is that zone's.
  if (offset_ && !seconds_) return NowInZone(*offset_).date;
  const QDate d = QDate::currentDate();
  return {d.year(), d.month(), d.day()};
}

int SystemClock::LocalSecondsOfDay() const {
  if (seconds_) return *seconds_;
  if (offset_) return NowInZone(*offset_).seconds_of_day;
  return QTime::currentTime().msecsSinceStartOfDay() / 1000;
}

double SystemClock::UtcOffsetHours() const {
  if (offset_) return *offset_;
  return QDateTime::currentDateTime().offsetFromUtc() / 3600.0;
}

}  // namespace pellamar
