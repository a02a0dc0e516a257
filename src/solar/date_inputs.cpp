#include "solar/date_inputs.h"

#include <charconv>
#include <cmath>

#include "platform/leading_number.h"

namespace pellamar {
namespace {

std::string Shortest(double value) {
  if (value == 0) value = 0;  // no "-0"
  char buf[32];
  const auto r = std::to_chars(buf, buf + sizeof buf, value);
  return std::string(buf, r.ptr);
}

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

}  // namespace

DateBoxes StepDateBoxes(int index, const DateBoxes& boxes) {
  DateBoxes out = boxes;
  switch (index) {
    case 0:
      out.day = Shortest(LeadingNumber(boxes.day) - 1);
      if (LeadingNumber(out.day) == 0) out.day = Shortest(1);
      break;
    case 1:
      out.day = Shortest(LeadingNumber(boxes.day) + 1);
      if (LeadingNumber(out.day) > 31) out.day = Shortest(1);
      break;
    case 2:
      out.month = Shortest(LeadingNumber(boxes.month) - 1);
      if (LeadingNumber(out.month) == 0) out.month = Shortest(12);
      break;
    case 3:
      out.month = Shortest(LeadingNumber(boxes.month) + 1);
      if (LeadingNumber(out.month) > 12) out.month = Shortest(1);
      break;
    default:
      break;
  }
  return out;
}

ZoneReading ReadZoneText(std::string_view text, char decimal_separator) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  if (text == "-") return {ZoneReading::Kind::Typing, 0};

  bool negative = false;
  if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
    negative = text.front() == '-';
    text.remove_prefix(1);
  }
  // Digits with at most one separator, at least one digit.
  std::string plain;
  bool separator_seen = false;
  bool digit_seen = false;
  for (char c : text) {
    if (c >= '0' && c <= '9') {
      plain.push_back(c);
      digit_seen = true;
    } else if (c == decimal_separator && !separator_seen) {
      plain.push_back('.');
      separator_seen = true;
    } else {
      return {};
    }
  }
  if (!digit_seen) return {};
  double value = 0;
  const auto r = std::from_chars(plain.data(), plain.data() + plain.size(), value,
                                 std::chars_format::fixed);
  if (r.ec != std::errc() || r.ptr != plain.data() + plain.size()) return {};
  if (negative) value = -value;
  if (!std::isfinite(value) || std::fabs(value) > kMaxZoneHours) return {};
  return {ZoneReading::Kind::Accepted, static_cast<float>(value)};
}

std::string ZoneBoxText(double hours, char decimal_separator) {
  if (!std::isfinite(hours)) hours = 0;
  std::string text = Shortest(std::round(hours * 100.0) / 100.0);
  for (char& c : text) {
    if (c == '.') c = decimal_separator;
  }
  return text;
}

}  // namespace pellamar
