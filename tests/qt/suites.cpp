#include "tests/qt/suites.h"

#include <utility>

namespace quorvel::ui::test {

std::map<std::string, SuiteFactory>& Suites() {
  static std::map<std::string, SuiteFactory> suites;
  return suites;
}

SuiteRegistration::SuiteRegistration(const char* name, SuiteFactory factory) {
  Suites().emplace(name, std::move(factory));
}

}  // namespace quorvel::ui::test
