// What one conversion has to tell the user, sorted into three lists by kind.
#pragma once

#include <array>
#include <string>
#include <vector>

namespace quorvel {

enum MessageList : int {
  kInformationList = 0,
  kWarningList = 1,
  kErrorList = 2,
};

struct MessageLog {
  // Each list holds its messages oldest first.
  std::array<std::vector<std::string>, 3> lists;
};

// Adds a copy of text to the given list (0, 1 or 2); any other list number
// goes to the error list rather than being lost.
MessageLog& AddMessage(int list, MessageLog& log, std::string text);

// The lines of the message list: information, warnings, errors, each oldest
// first, with one empty line after every list that is not empty.
std::vector<std::string> ListMessages(const MessageLog& log);
// The same, moving the texts out of a log that is no longer needed: a run's
// messages are then held once, not twice.
std::vector<std::string> ListMessages(MessageLog&& log);

}  // namespace quorvel
