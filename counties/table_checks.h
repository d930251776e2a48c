// Build-time checks of the county tables. Every table source applies one of the
// two macros at the end of this file to its row array, so that a row out of
// order, a repeated or malformed key, a malformed name or a wrong row count
// stops the build with a message naming the table. The functions that find a
// bad row return its index (or the row count when all rows are good), so the
// compiler's note on the failed comparison shows which row it is.
#pragma once

#include <cstddef>
#include <iterator>
#include <string_view>

#include "counties/county_table.h"
#include "counties/region_catalogue.h"

namespace quorvel {
namespace table_checks {

// Characters are read through data() rather than operator[], front() or back():
// the library's checked accessors cost evaluation steps and keep GCC from
// showing the failing row index when an assertion fails.

// A set of key lengths as a bit mask: bit n stands for keys of n letters.
using KeyLengthSet = unsigned;

constexpr KeyLengthSet KeyLengths(int length) { return 1u << length; }

template <typename... More>
constexpr KeyLengthSet KeyLengths(int length, More... more) {
  return KeyLengths(length) | KeyLengths(more...);
}

// Key lengths every state table and every contest table stays within.
inline constexpr KeyLengthSet kStateKeyLengths = KeyLengths(2, 3, 4, 5, 6);
inline constexpr KeyLengthSet kContestKeyLengths = KeyLengths(3, 4, 5, 6);

constexpr bool IsSubset(KeyLengthSet part, KeyLengthSet whole) { return (part & ~whole) == 0; }

// Keys are looked up after upper-casing, so anything but A-Z could never match.
constexpr bool IsWellFormedKey(std::string_view key, KeyLengthSet lengths) {
  if (key.size() >= 32 || (lengths & KeyLengths(static_cast<int>(key.size()))) == 0) return false;
  for (const char c : key) {
    if (c < 'A' || c > 'Z') return false;
  }
  return true;
}

constexpr bool IsNameCharacter(char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == ' ' || (c >= '0' && c <= '9') ||
         c == '.' || c == '\'' || c == '-' || c == '&' || c == '(' || c == ')';
}

// A county name goes after "ST," in a CNTY value: it must not be empty, hold a
// comma, or carry blanks at either end or two in a row.
constexpr bool IsWellFormedName(std::string_view name) {
  if (name.empty() || *name.begin() == ' ' || *(name.end() - 1) == ' ') return false;
  char previous = '\0';
  for (const char c : name) {
    if (c >= 'a' && c <= 'z') {
      // Most characters are small letters; the quick test keeps the
      // compile-time evaluation of the large tables short.
    } else if (!IsNameCharacter(c) || (c == ' ' && previous == ' ')) {
      return false;
    }
    previous = c;
  }
  return true;
}

// Whole-text equality, written out: the library's comparison costs several
// times the evaluation steps, and the largest tables have 3077 rows.
constexpr bool SameText(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  const char* const p = a.data();
  const char* const q = b.data();
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (p[i] != q[i]) return false;
  }
  return true;
}

// The 50 state abbreviations of the region catalogue as a set of letter pairs,
// so that checking the state of a row costs one look-up.
struct StateAbbreviationSet {
  bool member[26 * 26];
};

constexpr int LetterPairIndex(std::string_view text) {
  if (text.size() != 2) return -1;
  const char first = *text.data();
  const char second = *(text.data() + 1);
  if (first < 'A' || first > 'Z' || second < 'A' || second > 'Z') return -1;
  return (first - 'A') * 26 + (second - 'A');
}

constexpr StateAbbreviationSet MakeStateAbbreviationSet() {
  StateAbbreviationSet set{};
  for (RegionId region = 0; region < kFirstContest; ++region) {
    const int index = LetterPairIndex(RegionCatalogue[region].abbreviation);
    if (index >= 0) set.member[index] = true;
  }
  return set;
}

inline constexpr StateAbbreviationSet kStateAbbreviations = MakeStateAbbreviationSet();

constexpr bool IsStateAbbreviation(std::string_view state) {
  const int index = LetterPairIndex(state);
  return index >= 0 && kStateAbbreviations.member[index];
}

// A key that several rows of a contest table may carry, with their number.
struct SharedKey {
  std::string_view key;
  std::size_t rows;
};

struct SharedKeyList {
  const SharedKey* keys;
  std::size_t count;
};

inline constexpr SharedKeyList kNoSharedKeys = {nullptr, 0};

template <std::size_t N>
constexpr SharedKeyList SharedKeys(const SharedKey (&keys)[N]) {
  return {keys, N};
}

constexpr bool IsSharedKey(std::string_view key, SharedKeyList shared) {
  for (std::size_t i = 0; i < shared.count; ++i) {
    if (SameText(shared.keys[i].key, key)) return true;
  }
  return false;
}

// First row whose key does not come strictly after the previous row's key.
template <std::size_t N>
constexpr std::size_t FirstUnorderedRow(const StateCountyRow (&rows)[N]) {
  for (std::size_t i = 1; i < N; ++i) {
    if (CompareKeys(rows[i - 1].key, rows[i].key) >= 0) return i;
  }
  return N;
}

// The same for a contest table, where rows of a shared key stand together, all
// of one state, in strictly ascending byte order of county name.
template <std::size_t N>
constexpr std::size_t FirstUnorderedRow(const ContestCountyRow (&rows)[N], SharedKeyList shared) {
  for (std::size_t i = 1; i < N; ++i) {
    const int order = CompareKeys(rows[i - 1].key, rows[i].key);
    if (order < 0) continue;
    if (order == 0 && IsSharedKey(rows[i].key, shared) &&
        SameText(rows[i - 1].state, rows[i].state) &&
        CompareKeys(rows[i - 1].county, rows[i].county) < 0) {
      continue;
    }
    return i;
  }
  return N;
}

template <typename Row, std::size_t N>
constexpr std::size_t FirstBadKey(const Row (&rows)[N], KeyLengthSet lengths) {
  for (std::size_t i = 0; i < N; ++i) {
    if (!IsWellFormedKey(rows[i].key, lengths)) return i;
  }
  return N;
}

template <typename Row, std::size_t N>
constexpr std::size_t FirstBadName(const Row (&rows)[N]) {
  for (std::size_t i = 0; i < N; ++i) {
    if (!IsWellFormedName(rows[i].county)) return i;
  }
  return N;
}

template <std::size_t N>
constexpr std::size_t FirstBadState(const ContestCountyRow (&rows)[N]) {
  for (std::size_t i = 0; i < N; ++i) {
    if (!IsStateAbbreviation(rows[i].state)) return i;
  }
  return N;
}

// The lengths that the keys of a table actually have.
template <typename Row, std::size_t N>
constexpr KeyLengthSet KeyLengthsUsed(const Row (&rows)[N]) {
  KeyLengthSet used = 0;
  for (std::size_t i = 0; i < N; ++i) {
    if (rows[i].key.size() < 32) used |= KeyLengths(static_cast<int>(rows[i].key.size()));
  }
  return used;
}

// First shared key that is not carried by exactly its number of rows (at least
// two); the list's length when all are right. Relies on the rows being in key
// order, which FirstUnorderedRow checks.
template <std::size_t N>
constexpr std::size_t FirstMiscountedSharedKey(const ContestCountyRow (&rows)[N],
                                               SharedKeyList shared) {
  for (std::size_t s = 0; s < shared.count; ++s) {
    const std::string_view key = shared.keys[s].key;
    std::size_t first = 0;  // first row whose key does not sort before key
    std::size_t count = N;
    while (count > 0) {
      const std::size_t step = count / 2;
      if (CompareKeys(rows[first + step].key, key) < 0) {
        first += step + 1;
        count -= step + 1;
      } else {
        count = step;
      }
    }
    std::size_t carried = 0;
    while (first + carried < N && SameText(rows[first + carried].key, key)) ++carried;
    if (carried != shared.keys[s].rows || carried < 2) return s;
  }
  return shared.count;
}

}  // namespace table_checks
}  // namespace quorvel

// Checks a state table's rows: `rows` is the row array, `table` the state's
// name for the messages, `rowCount` the number of rows it must hold, `lengths`
// the key lengths it uses (KeyLengths(3, 4)).
// clang-format off
#define QUORVEL_CHECK_STATE_COUNTY_TABLE(rows, table, rowCount, lengths)                       \
  static_assert(std::size(rows) == (rowCount),                                                 \
      table " county table: the number of rows is not " #rowCount);                            \
  static_assert(::quorvel::table_checks::IsSubset(                                             \
                    (lengths), ::quorvel::table_checks::kStateKeyLengths),                     \
      table " county table: state table keys have 2 to 6 letters");                            \
  static_assert(::quorvel::table_checks::FirstUnorderedRow(rows) == std::size(rows),           \
      table " county table: row out of key order or key repeated"                              \
      " (the value shown is its index)");                                                      \
  static_assert(::quorvel::table_checks::FirstBadKey(rows, (lengths)) == std::size(rows),      \
      table " county table: key not made of capital letters A-Z, or of a length the table"     \
      " does not use (the value shown is its row index)");                                     \
  static_assert(::quorvel::table_checks::FirstBadName(rows) == std::size(rows),                \
      table " county table: county name empty, with a comma, a stray blank or a stray"         \
      " character (the value shown is its row index)");                                        \
  static_assert(::quorvel::table_checks::KeyLengthsUsed(rows) == (lengths),                    \
      table " county table: some key length of the table is never used")

// The same for a contest table; `shared` lists the keys that several rows may
// carry (table_checks::kNoSharedKeys for none).
#define QUORVEL_CHECK_CONTEST_COUNTY_TABLE(rows, table, rowCount, lengths, shared)             \
  static_assert(std::size(rows) == (rowCount),                                                 \
      table " county table: the number of rows is not " #rowCount);                            \
  static_assert(::quorvel::table_checks::IsSubset(                                             \
                    (lengths), ::quorvel::table_checks::kContestKeyLengths),                   \
      table " county table: contest table keys have 3 to 6 letters");                          \
  static_assert(::quorvel::table_checks::FirstUnorderedRow(rows, (shared)) == std::size(rows), \
      table " county table: row out of key order, key repeated, or rows of a shared key"       \
      " not in county-name order (the value shown is its index)");                             \
  static_assert(::quorvel::table_checks::FirstMiscountedSharedKey(rows, (shared)) ==           \
                    (shared).count,                                                            \
      table " county table: a shared key is not carried by exactly its number of rows"         \
      " (the value shown is its index in the shared-key list)");                               \
  static_assert(::quorvel::table_checks::FirstBadKey(rows, (lengths)) == std::size(rows),      \
      table " county table: key not made of capital letters A-Z, or of a length the table"     \
      " does not use (the value shown is its row index)");                                     \
  static_assert(::quorvel::table_checks::FirstBadState(rows) == std::size(rows),               \
      table " county table: state is not one of the 50 state abbreviations"                    \
      " (the value shown is its row index)");                                                  \
  static_assert(::quorvel::table_checks::FirstBadName(rows) == std::size(rows),                \
      table " county table: county name empty, with a comma, a stray blank or a stray"         \
      " character (the value shown is its row index)");                                        \
  static_assert(::quorvel::table_checks::KeyLengthsUsed(rows) == (lengths),                    \
      table " county table: some key length of the table is never used")
// clang-format on
