#include <fstream>
#include <string>
#include <vector>

#include "tests/wine/dialog_checks.h"
#include "tests/wine/window_access.h"
#include "ui/about.h"
#include "ui/win32/resource.h"

namespace quorvel::wine {

namespace {

using Lines = std::vector<std::string>;

// The shell's "open" command for the home page's scheme, in the registry.
bool SetOpenCommand(const std::string& command) {
  const std::string address(ui::HomePageAddress);
  const std::string key = address.substr(0, address.find(':')) + "\\shell\\open\\command";
  HKEY handle = nullptr;
  if (RegCreateKeyExA(HKEY_CLASSES_ROOT, key.c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr,
                      &handle, nullptr) != ERROR_SUCCESS) {
    return false;
  }
  const LONG result =
      RegSetValueExA(handle, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(command.c_str()),
                     static_cast<DWORD>(command.size() + 1));
  RegCloseKey(handle);
  return result == ERROR_SUCCESS;
}

std::string FullPath(const std::string& name) {
  char path[MAX_PATH] = {};
  GetFullPathNameA(name.c_str(), MAX_PATH, path, nullptr);
  return path;
}

void CheckCancelled(AppSession& app, Checks& checks, int button, const std::string& title) {
  const std::string input = WindowText(app.Item(IDC_INPUT_PATH));
  const std::string output = WindowText(app.Item(IDC_OUTPUT_PATH));
  const Lines listing = ListLines(app.Item(IDC_MESSAGES));
  PostClick(app.Item(button));
  const HWND dialog = app.WaitForDialog(title);
  if (!checks.Expect(dialog != nullptr, "a file dialog titled \"" + title + "\" opens")) return;
  checks.Expect(CloseDialog(dialog, IDCANCEL) && Settle(app.dialog()), "\"" + title + "\" cancels");
  checks.Expect(WindowText(app.Item(IDC_INPUT_PATH)) == input &&
                    WindowText(app.Item(IDC_OUTPUT_PATH)) == output &&
                    ListLines(app.Item(IDC_MESSAGES)) == listing,
                "cancelling \"" + title + "\" changes nothing");
}

}  // namespace

void CheckAbout(AppSession& app, Checks& checks) {
  PostClick(app.Item(IDC_ABOUT));
  const HWND box = app.WaitForOwnedBox();
  if (!checks.Expect(box != nullptr, "\"About\" shows a message box")) return;
  const BoxContents shown = ReadBox(box);
  checks.ExpectEq(shown.text, ui::AboutText(), "the About text");
  checks.Expect(shown.text.find("\n\nVersion 5.0\n") != std::string::npos,
                "the About text shows version 5.0 after an empty line");
  checks.ExpectEq(shown.caption, std::string("Quorvel"), "the About box's caption");
  checks.ExpectEq(shown.buttons, Lines{"OK"}, "the About box has one OK button");
  checks.Expect(!shown.hasIcon, "the About box shows no icon");
  checks.Expect(CloseDialog(box, IDOK), "OK closes the About box");
}

void CheckHelp(AppSession& app, const Programs& programs, Checks& checks) {
  const std::string record = FullPath("opened-address.txt");
  DeleteFileA(record.c_str());
  checks.Expect(
      SetOpenCommand("\"" + programs.driver + "\" --record-address \"" + record + "\" \"%1\""),
      "the home page's scheme opens with a recorder");
  checks.Expect(ClickAndWait(app.Item(IDC_HOME_PAGE)), "\"Help\" returns at once");
  const bool opened = WaitFor(
      [&] { return ReadWholeFile(record) == std::string(ui::HomePageAddress) + "\n"; }, 15000);
  checks.Expect(opened, "\"Help\" opens " + std::string(ui::HomePageAddress) + " with the shell",
                "recorded " + Quoted(ReadWholeFile(record)));
  checks.Expect(app.WaitForOwnedBox(300) == nullptr, "a started browser shows no box");

  checks.Expect(SetOpenCommand("\"Z:\\no\\such\\browser.exe\" \"%1\""),
                "the home page's scheme opens with a missing program");
  PostClick(app.Item(IDC_HOME_PAGE));
  const HWND box = app.WaitForOwnedBox();
  if (!checks.Expect(box != nullptr, "a failed browser start shows a box")) return;
  const BoxContents shown = ReadBox(box);
  checks.ExpectEq(shown.text, std::string("ERROR:  Could not start web browser."),
                  "the browser error's text, two blanks after the colon");
  checks.ExpectEq(shown.caption, std::string("Quorvel"), "the browser error's caption");
  checks.ExpectEq(std::string(IconName(shown.icon)), std::string("stop"),
                  "the browser error shows the stop icon");
  checks.ExpectEq(shown.buttons, Lines{"OK"}, "the browser error has one OK button");
  checks.Expect(CloseDialog(box, IDOK), "OK closes the browser error");
}

void CheckFileDialogs(AppSession& app, Checks& checks) {
  TypePaths(app, "typed-in.adi", "typed-out.adi");
  CheckCancelled(app, checks, IDC_BROWSE_INPUT, "Input ADIF File");
  CheckCancelled(app, checks, IDC_BROWSE_OUTPUT, "Output ADIF file");

  // Choosing a file: the name typed into the open dialog, then its OK.
  PostClick(app.Item(IDC_BROWSE_INPUT));
  const HWND open = app.WaitForDialog("Input ADIF File");
  if (!checks.Expect(open != nullptr, "the open dialog opens again")) return;
  const std::string chosen = FullPath("pa.adi");
  HWND name = GetDlgItem(open, 0x47C);  // the explorer-style file name box
  if (name == nullptr) name = GetDlgItem(open, 0x480);
  SendMessageW(name, WM_SETTEXT, 0,
               reinterpret_cast<LPARAM>(std::wstring(chosen.begin(), chosen.end()).c_str()));
  checks.Expect(CloseDialog(open, IDOK) && Settle(app.dialog()), "the open dialog takes a file");
  checks.ExpectEq(WindowText(app.Item(IDC_INPUT_PATH)), chosen,
                  "the input path shows the chosen file's full path");
  checks.ExpectEq(WindowText(app.Item(IDC_OUTPUT_PATH)), std::string("typed-out.adi"),
                  "the typed output path is kept");
}

void CheckExitButton(AppSession& app, Checks& checks) {
  PostClick(app.Item(IDCANCEL));
  DWORD code = 1;
  checks.Expect(app.WaitForExit(10000, code) && code == 0, "\"Exit\" ends the program");
}

void CheckEscapeKey(AppSession& app, Checks& checks) {
  GUITHREADINFO info = {};
  info.cbSize = sizeof(info);
  GetGUIThreadInfo(app.threadId(), &info);
  PressKey(info.hwndFocus != nullptr ? info.hwndFocus : app.dialog(), VK_ESCAPE);
  DWORD code = 1;
  checks.Expect(app.WaitForExit(10000, code) && code == 0, "Escape ends the program");
}

}  // namespace quorvel::wine
