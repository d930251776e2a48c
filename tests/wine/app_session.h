// Quorvel.exe started as a user starts it, and the other programs the checks
// run beside it.
#pragma once

#include <windows.h>

#include <string>

namespace quorvel::wine {

struct Captured {
  bool finished = false;
  DWORD exitCode = 0;
  std::string output;  // standard output, CR LF turned into LF
};

// Runs a command line in the current folder and collects its standard output.
Captured RunAndCapture(const std::string& commandLine, DWORD milliseconds = 60000);

std::string ReadWholeFile(const std::string& path);

class AppSession {
 public:
  AppSession() = default;
  AppSession(const AppSession&) = delete;
  AppSession& operator=(const AppSession&) = delete;
  ~AppSession();

  // Starts the program in the current folder and waits for its dialog.
  bool Start(const std::string& exe);

  HWND dialog() const { return dialog_; }
  HWND Item(int id) const { return GetDlgItem(dialog_, id); }
  DWORD processId() const { return process_.dwProcessId; }
  DWORD threadId() const { return process_.dwThreadId; }

  // A window that the dialog owns (a message box), once one shows.
  HWND WaitForOwnedBox(DWORD milliseconds = 10000) const;
  // A dialog of the program with this caption, once one shows.
  HWND WaitForDialog(const std::string& caption, DWORD milliseconds = 10000) const;

  // True once the process has ended, with its exit code.
  bool WaitForExit(DWORD milliseconds, DWORD& exitCode);

 private:
  PROCESS_INFORMATION process_ = {};
  HWND dialog_ = nullptr;
};

}  // namespace quorvel::wine
