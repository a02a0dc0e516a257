#include "platform/leading_number.h"

#include <charconv>
#include <cmath>
#include <string>

namespace pellamar {
namespace {

constexpr bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

}  // namespace

double LeadingNumber(std::string_view text) {
  // The accepted characters, blanks removed.
  std::string buf;
  bool seen_digit_or_point = false;
  bool seen_point = false;
  bool seen_sign = false;
  for (char c : text) {
    if (IsBlank(c)) continue;
    if ((c == '+' || c == '-') && !seen_sign && !seen_digit_or_point) {
      seen_sign = true;
      if (c == '-') buf.push_back('-');
      continue;
    }
    if (c >= '0' && c <= '9') {
      seen_digit_or_point = true;
      buf.push_back(c);
      continue;
    }
    if (c == '.' && !seen_point) {
      seen_point = seen_digit_or_point = true;
      buf.push_back('.');
      continue;
    }
    break;
  }
  double value = 0.0;
  const auto result = std::from_chars(buf.data(), buf.data() + buf.size(), value);
  if (result.ec != std::errc() || !std::isfinite(value)) return 0.0;
  return value;
}

}  // namespace pellamar
