// Drives Quorvel.exe through its dialog and prints one verdict per check and
// "N passed, N failed" at the end.
//
//   quorvel_dialog_driver --app Quorvel.exe --cli quorvel-convert.exe
//                         [--report FILE] [--screenshot]
//   quorvel_dialog_driver --record-address FILE ADDRESS
//
// Runs in a folder holding the log pa.adi. With --screenshot it pauses once
// after a conversion: it creates screenshot.request and waits for
// screenshot.done. The second form is the browser the Help check installs.
#include <fcntl.h>
#include <io.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "tests/wine/dialog_checks.h"
#include "tests/wine/window_access.h"
#include "ui/win32/resource.h"

namespace {

using namespace quorvel::wine;

struct Options {
  Programs programs;
  std::string report;
  bool screenshot = false;
};

bool ParseOptions(int argc, char** argv, Options& options) {
  for (int i = 1; i < argc; ++i) {
    const std::string name = argv[i];
    const bool hasValue = i + 1 < argc;
    if (name == "--app" && hasValue) {
      options.programs.app = argv[++i];
    } else if (name == "--cli" && hasValue) {
      options.programs.cli = argv[++i];
    } else if (name == "--report" && hasValue) {
      options.report = argv[++i];
    } else if (name == "--screenshot") {
      options.screenshot = true;
    } else {
      return false;
    }
  }
  return !options.programs.app.empty() && !options.programs.cli.empty();
}

int RecordAddress(const char* file, const char* address) {
  std::FILE* out = std::fopen(file, "wb");
  if (out == nullptr) return 1;
  std::fprintf(out, "%s\n", address);
  return std::fclose(out) == 0 ? 0 : 1;
}

void PoseForScreenshot(AppSession& app, Checks& checks) {
  TypePaths(app, "pa.adi", "pa-converted.adi");
  ClickAndWait(app.Item(IDOK));
  DeleteFileA("screenshot.done");
  if (std::FILE* request = std::fopen("screenshot.request", "wb")) std::fclose(request);
  const bool taken = WaitFor(
      [] { return GetFileAttributesA("screenshot.done") != INVALID_FILE_ATTRIBUTES; }, 30000);
  checks.Note(taken ? "screenshot taken after a conversion" : "no screenshot was taken");
}

void RunFirstSession(const Options& options, Checks& checks) {
  AppSession app;
  if (!checks.Expect(app.Start(options.programs.app), "Quorvel.exe starts and shows its dialog")) {
    return;
  }
  CheckInitialState(app, checks);
  CheckEnterAtStartOpensTheInputDialog(app, checks);
  CheckRefusalsBeforeARegionIsChosen(app, checks);
  CheckRegionChoice(app, checks);
  CheckConversions(app, options.programs, checks);
  CheckRefusalsKeepTheListing(app, checks);
  CheckAbout(app, checks);
  CheckHelp(app, options.programs, checks);
  CheckFileDialogs(app, checks);
  if (options.screenshot) PoseForScreenshot(app, checks);
  CheckExitButton(app, checks);
}

void RunSecondSession(const Options& options, Checks& checks) {
  AppSession app;
  if (!checks.Expect(app.Start(options.programs.app), "Quorvel.exe starts a second time")) {
    return;
  }
  checks.Note("a new start keeps nothing of the last one:");
  CheckInitialState(app, checks);
  CheckEscapeKey(app, checks);
}

}  // namespace

int main(int argc, char** argv) {
  // LF line ends on the pipe, so the closing line reads the same everywhere.
  _setmode(_fileno(stdout), _O_BINARY);
  if (argc == 4 && std::strcmp(argv[1], "--record-address") == 0) {
    return RecordAddress(argv[2], argv[3]);
  }
  Options options;
  if (!ParseOptions(argc, argv, options)) {
    std::fprintf(stderr, "usage: %s --app EXE --cli EXE [--report FILE] [--screenshot]\n", argv[0]);
    return 2;
  }
  char self[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, self, MAX_PATH);
  options.programs.driver = self;

  std::FILE* report = options.report.empty() ? nullptr : std::fopen(options.report.c_str(), "wb");
  Checks checks(report);
  RunFirstSession(options, checks);
  RunSecondSession(options, checks);
  const bool ok = checks.Summary();
  if (report != nullptr) std::fclose(report);
  return ok ? 0 : 1;
}
