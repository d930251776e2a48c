// Runs one suite of the desktop window's tests, so that ctest lists each on
// its own line:  quorvel_qt_tests SUITE [QTest options]
#include <QApplication>
#include <QTest>
#include <cstdio>
#include <vector>

#include "tests/qt/modal_watch.h"
#include "tests/qt/suites.h"

int main(int argc, char** argv) {
  // No display needed; a run on a desktop may still name its own platform.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  // Qt's own file dialog, which the tests can read and answer.
  QApplication::setAttribute(Qt::AA_DontUseNativeDialogs);
  QApplication application(argc, argv);
  const auto& suites = quorvel::ui::test::Suites();
  const auto suite = argc >= 2 ? suites.find(argv[1]) : suites.end();
  if (suite == suites.end()) {
    std::fputs("usage: quorvel_qt_tests SUITE [QTest options]; suites:\n", stderr);
    for (const auto& entry : suites) std::fprintf(stderr, "  %s\n", entry.first.c_str());
    return 2;
  }
  const quorvel::ui::test::UnansweredModalGuard guard;
  std::vector<char*> arguments{argv[0]};
  for (int i = 2; i < argc; ++i) arguments.push_back(argv[i]);
  const std::unique_ptr<QObject> tests = suite->second();
  return QTest::qExec(tests.get(), static_cast<int>(arguments.size()), arguments.data());
}
