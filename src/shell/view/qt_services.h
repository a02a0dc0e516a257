#pragma once

#include <QPointer>
#include <QWidget>
#include <optional>

#include "platform/user_notice.h"
#include "platform/clock.h"

namespace pellamar {

// Message boxes titled "Pellamar" over the given window.
class QtNotice final : public UserNotice {
 public:
  void SetParent(QWidget* parent) { parent_ = parent; }
  void Message(std::string_view utf8_text) override;
  void TitledMessage(std::string_view utf8_text, std::string_view utf8_title) override;
  bool Question(std::string_view utf8_text, std::string_view utf8_title) override;
  void Beep() override;

 private:
  QPointer<QWidget> parent_;
};

// Notices of a run without a screen: written to standard error.
class StderrNotice final : public UserNotice {
 public:
  void Message(std::string_view utf8_text) override;
  bool Question(std::string_view utf8_text, std::string_view utf8_title) override;
  void Beep() override {}
};

// The computer's clock, each field replaceable for a run (--date, --time,
// --tz). A replaced time stands still. A zone given without a time keeps
// the computer's instant: the time (and, without a date, the date) is the
// current UT moved by that offset.
class SystemClock final : public Clock {
 public:
  SystemClock(std::optional<CivilDate> date, std::optional<int> seconds_of_day,
              std::optional<double> utc_offset_hours)
      : date_(date), seconds_(seconds_of_day), offset_(utc_offset_hours) {}
  CivilDate LocalDate() const override;
  int LocalSecondsOfDay() const override;
  double UtcOffsetHours() const override;

 private:
  std::optional<CivilDate> date_;
  std::optional<int> seconds_;
  std::optional<double> offset_;
};

}  // namespace pellamar
