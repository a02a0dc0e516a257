#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "platform/user_notice.h"

namespace pellamar::testing {

// A UserNotice that keeps the messages shown, their titles ("" when the
// program's own), the questions asked and the beeps, and answers No unless
// told otherwise.
class RecordingNotice final : public UserNotice {
 public:
  void Message(std::string_view text) override {
    messages.emplace_back(text);
    titles.emplace_back();
  }
  void TitledMessage(std::string_view text, std::string_view title) override {
    messages.emplace_back(text);
    titles.emplace_back(title);
  }
  bool Question(std::string_view text, std::string_view title) override {
    questions.emplace_back(std::string(title) + ": " + std::string(text));
    return answer_yes;
  }
  void Beep() override { ++beeps; }
  std::vector<std::string> messages;
  std::vector<std::string> titles;
  std::vector<std::string> questions;
  int beeps = 0;
  bool answer_yes = false;
};

}  // namespace pellamar::testing
