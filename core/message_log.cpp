#include "core/message_log.h"

#include <utility>

namespace quorvel {

MessageLog& AddMessage(int list, MessageLog& log, std::string text) {
  const int index = (list >= kInformationList && list <= kErrorList) ? list : kErrorList;
  // A text composed piece by piece may hold twice the room it needs, and a
  // run keeps every message until the listing.
  if (text.capacity() > text.size() + 16) text.shrink_to_fit();
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

std::vector<std::string> ListMessages(MessageLog&& log) {
  std::size_t count = 0;
  for (const auto& list : log.lists) count += list.empty() ? 0 : list.size() + 1;
  std::vector<std::string> lines;
  lines.reserve(count);
  for (auto& list : log.lists) {
    if (list.empty()) continue;
    for (std::string& text : list) lines.push_back(std::move(text));
    lines.emplace_back();
    std::vector<std::string>().swap(list);
  }
  return lines;
}

}  // namespace quorvel
