// The QTest suites of the desktop window, by name: each test file registers
// its suite, and the test program runs the one named on its command line.
#pragma once

#include <QObject>
#include <functional>
#include <map>
#include <memory>
#include <string>

namespace quorvel::ui::test {

using SuiteFactory = std::function<std::unique_ptr<QObject>()>;

std::map<std::string, SuiteFactory>& Suites();

struct SuiteRegistration {
  SuiteRegistration(const char* name, SuiteFactory factory);
};

}  // namespace quorvel::ui::test

#define QUORVEL_QT_SUITE(Suite)                                            \
  static const ::quorvel::ui::test::SuiteRegistration registration##Suite( \
      #Suite, [] { return std::unique_ptr<QObject>(new Suite); })
