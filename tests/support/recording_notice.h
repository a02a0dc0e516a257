#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "platform/user_notice.h"

namespace pellamar::testing {

// A UserNotice that keeps the messages shown and answers No.
class RecordingNotice final : public UserNotice {
 public:
  void Message(std::string_view text) override { messages.emplace_back(text); }
  bool Question(std::string_view, std::string_view) override { return false; }
  void Beep() override {}
  std::vector<std::string> messages;
};

}  // namespace pellamar::testing
