#include "core/message_log.h"

#include <utility>

namespace quorvel {

MessageLog& AddMessage(int list, MessageLog& log, std::string text) {
  const int index = (list >= kInformationList && list <= kErrorList) ? list : kErrorList;
  log.lists[static_cast<std::size_t>(index)].push_back(std::move(text));
  return log;
}

std::vector<std::string> ListMessages(const MessageLog& log) {
  std::vector<std::string> lines;
  for (const auto& list : log.lists) {
    if (list.empty()) continue;
    lines.insert(lines.end(), list.begin(), list.end());
    lines.emplace_back();
  }
  return lines;
}

}  // namespace quorvel
