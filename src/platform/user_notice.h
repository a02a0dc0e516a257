#pragma once

#include <string_view>

namespace pellamar {

// Messages to the user. The view shows message boxes; tests record them.
class UserNotice {
 public:
  virtual ~UserNotice() = default;
  // A message box with a single OK button and the program's title.
  virtual void Message(std::string_view utf8_text) = 0;
  // The same with its own title; shown as Message where titles are not kept.
  virtual void TitledMessage(std::string_view utf8_text, std::string_view utf8_title) {
    (void)utf8_title;
    Message(utf8_text);
  }
  // A Yes/No question, No being the default. True for Yes.
  virtual bool Question(std::string_view utf8_text, std::string_view utf8_title) = 0;
  virtual void Beep() = 0;
};

}  // namespace pellamar
