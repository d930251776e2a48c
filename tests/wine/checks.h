// The driver's verdicts: one line per check, and the closing count.
#pragma once

#include <cstdio>
#include <string>
#include <type_traits>
#include <vector>

namespace quorvel::wine {

std::string Quoted(const std::string& text);
std::string Quoted(const std::vector<std::string>& lines);
template <class T, class = std::enable_if_t<std::is_integral_v<T>>>
std::string Quoted(T value) {
  return std::to_string(value);
}

class Checks {
 public:
  explicit Checks(std::FILE* report) : report_(report) {}

  bool Expect(bool ok, const std::string& what, const std::string& detail = "");

  template <class T>
  bool ExpectEq(const T& actual, const T& expected, const std::string& what) {
    return Expect(actual == expected, what,
                  "got " + Quoted(actual) + ", expected " + Quoted(expected));
  }

  // A line of its own that is no verdict.
  void Note(const std::string& text);

  // "N passed, N failed"; true when nothing failed and something passed.
  bool Summary();

 private:
  void Print(const std::string& line);

  std::FILE* report_;
  int passed_ = 0;
  int failed_ = 0;
};

}  // namespace quorvel::wine
