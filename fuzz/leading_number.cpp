// LeadingNumber on any text: never fails, never gives a non-finite value,
// ignores blanks wherever they are, and keeps the sign it read.
#include <cmath>
#include <string>

#include "fuzz_target.h"
#include "platform/leading_number.h"

namespace pellamar::fuzz {

void FuzzOne(std::string_view bytes) {
  const double value = LeadingNumber(bytes);
  Require(std::isfinite(value));

  std::string without_blanks;
  for (char c : bytes) {
    if (c != ' ' && c != '\t' && c != '\r' && c != '\n') without_blanks.push_back(c);
  }
  Require(LeadingNumber(without_blanks) == value);
  if (!without_blanks.empty()) {
    const char first = without_blanks.front();
    if (first >= '0' && first <= '9') Require(value >= 0);
    if (first == '-') Require(value <= 0);
    if (first != '-' && first != '+' && first != '.' && !(first >= '0' && first <= '9')) {
      Require(value == 0);
    }
  }
}

}  // namespace pellamar::fuzz
