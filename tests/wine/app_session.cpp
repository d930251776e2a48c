#include "tests/wine/app_session.h"

#include <fstream>
#include <sstream>
#include <vector>

#include "tests/wine/window_access.h"

namespace quorvel::wine {

std::string ReadWholeFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

Captured RunAndCapture(const std::string& commandLine, DWORD milliseconds) {
  Captured captured;
  char path[MAX_PATH] = {};
  char folder[MAX_PATH] = {};
  GetTempPathA(MAX_PATH, folder);
  GetTempFileNameA(folder, "qvo", 0, path);
  SECURITY_ATTRIBUTES inherit = {sizeof(inherit), nullptr, TRUE};
  const HANDLE out = CreateFileA(path, GENERIC_WRITE, FILE_SHARE_READ, &inherit, CREATE_ALWAYS,
                                 FILE_ATTRIBUTE_NORMAL, nullptr);
  if (out == INVALID_HANDLE_VALUE) return captured;
  STARTUPINFOA startup = {};
  startup.cb = sizeof(startup);
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdOutput = out;
  startup.hStdError = out;
  startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
  PROCESS_INFORMATION process = {};
  std::vector<char> line(commandLine.begin(), commandLine.end());
  line.push_back('\0');
  if (CreateProcessA(nullptr, line.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup,
                     &process)) {
    captured.finished = WaitForSingleObject(process.hProcess, milliseconds) == WAIT_OBJECT_0;
    GetExitCodeProcess(process.hProcess, &captured.exitCode);
    if (!captured.finished) TerminateProcess(process.hProcess, 1);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
  }
  CloseHandle(out);
  for (const char c : ReadWholeFile(path)) {
    if (c != '\r') captured.output += c;
  }
  DeleteFileA(path);
  return captured;
}

AppSession::~AppSession() {
  if (process_.hProcess == nullptr) return;
  if (WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT) {
    TerminateProcess(process_.hProcess, 1);
    WaitForSingleObject(process_.hProcess, 5000);
  }
  CloseHandle(process_.hThread);
  CloseHandle(process_.hProcess);
}

bool AppSession::Start(const std::string& exe) {
  STARTUPINFOA startup = {};
  startup.cb = sizeof(startup);
  std::string commandLine = "\"" + exe + "\"";
  if (!CreateProcessA(exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                      &startup, &process_)) {
    return false;
  }
  // The template makes the dialog visible once WM_INITDIALOG has been handled.
  return WaitFor(
      [&] {
        dialog_ = FindDialogOf(processId(), nullptr, "Quorvel");
        return dialog_ != nullptr;
      },
      30000);
}

HWND AppSession::WaitForOwnedBox(DWORD milliseconds) const {
  HWND box = nullptr;
  WaitFor([&] { return (box = FindDialogOf(processId(), dialog_, "")) != nullptr; }, milliseconds);
  return box;
}

HWND AppSession::WaitForDialog(const std::string& caption, DWORD milliseconds) const {
  HWND found = nullptr;
  WaitFor([&] { return (found = FindDialogOf(processId(), nullptr, caption)) != nullptr; },
          milliseconds);
  return found;
}

bool AppSession::WaitForExit(DWORD milliseconds, DWORD& exitCode) {
  if (WaitForSingleObject(process_.hProcess, milliseconds) != WAIT_OBJECT_0) return false;
  GetExitCodeProcess(process_.hProcess, &exitCode);
  return true;
}

}  // namespace quorvel::wine
