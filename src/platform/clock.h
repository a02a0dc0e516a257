#pragma once

namespace pellamar {

struct CivilDate {
  int year = 2000;
  int month = 1;  // 1..12
  int day = 1;    // 1..31
};

// The computer's clock, as the program sees it. The view reads the real
// clock; tests and the --date/--time/--tz options substitute a fixed one.
class Clock {
 public:
  virtual ~Clock() = default;
  virtual CivilDate LocalDate() const = 0;
  // Local time of day in whole seconds, 0..86399.
  virtual int LocalSecondsOfDay() const = 0;
  // Signed offset of local time from UTC in hours, daylight saving included
  // (e.g. -5 for New York in winter, 5.75 for Nepal).
  virtual double UtcOffsetHours() const = 0;
};

// A clock stopped at one instant.
class FixedClock final : public Clock {
 public:
  FixedClock(CivilDate date, int seconds_of_day, double utc_offset_hours)
      : date_(date), seconds_(seconds_of_day), offset_(utc_offset_hours) {}
  CivilDate LocalDate() const override { return date_; }
  int LocalSecondsOfDay() const override { return seconds_; }
  double UtcOffsetHours() const override { return offset_; }

 private:
  CivilDate date_;
  int seconds_;
  double offset_;
};

}  // namespace pellamar
