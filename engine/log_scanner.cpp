#include "engine/log_scanner.h"

#include "engine/byte_search.h"

namespace quorvel {

// Every new name of the log is asked: the R of either spelling is looked for
// first, eight bytes at a time.
bool IsEndOfRecord(std::string_view name) {
  const char* const begin = name.data();
  const char* const end = begin + name.size();
  for (const char* r = begin + 2; r < end; ++r) {
    r = byte_search::FindEither(r, end, 'r', 'R');
    if (r == end) return false;
    if ((*r == 'r' && r[-1] == 'o' && r[-2] == 'e') ||
        (*r == 'R' && r[-1] == 'O' && r[-2] == 'E')) {
      return true;
    }
  }
  return false;
}

bool HoldsEndOfHeader(std::string_view text) {
  return text.find("<eoh>") != std::string_view::npos ||
         text.find("<EOH>") != std::string_view::npos;
}

namespace log_scanning {

bool HeaderSearch::Add(std::string_view piece) {
  tail_.append(piece.substr(0, 4));
  const bool found = HoldsEndOfHeader(tail_) || HoldsEndOfHeader(piece);
  if (piece.size() >= 4) {
    tail_.assign(piece.substr(piece.size() - 4));
  } else if (tail_.size() > 4) {
    tail_.erase(0, tail_.size() - 4);
  }
  return found;
}

}  // namespace log_scanning

}  // namespace quorvel
