// Working another process's windows the way a user's input does: reading
// texts, finding the boxes it opens, clicking, typing and pressing keys.
// Texts cross the process boundary as UTF-16, since wine's ANSI conversion of
// some list messages writes past 8-bit buffers.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "tests/wine/icon_match.h"

namespace quorvel::wine {

std::string Narrow(const std::wstring& text);

std::string WindowText(HWND window);  // WM_GETTEXT
std::string ClassName(HWND window);
std::vector<std::string> ComboItems(HWND combo);
std::vector<std::string> ListLines(HWND list);

// Waits until done() or the time is up; true if done.
template <class Done>
bool WaitFor(Done done, DWORD milliseconds) {
  const ULONGLONG end = GetTickCount64() + milliseconds;
  for (;;) {
    if (done()) return true;
    if (GetTickCount64() >= end) return false;
    Sleep(20);
  }
}

// A visible dialog-class window of the process: with owner given, one that
// window owns; with caption given, one of that caption.
HWND FindDialogOf(DWORD processId, HWND owner, const std::string& caption);

// What a message box shows.
struct BoxContents {
  std::string caption;
  std::string text;
  std::vector<std::string> buttons;  // visible buttons' captions
  bool hasIcon = false;
  BoxIcon icon = BoxIcon::kNone;  // which standard icon, when it has one
};
BoxContents ReadBox(HWND box);

// Ends a dialog as its button would; true once it has gone.
bool CloseDialog(HWND dialog, int buttonId);

// Returns once the window's thread has handled everything sent before.
bool Settle(HWND window);

// A click whose handler runs to its end before this returns; false if it did
// not end in time (a modal box, say).
bool ClickAndWait(HWND button, DWORD milliseconds = 20000);

// A click for handlers that open a modal window and so do not return.
void PostClick(HWND button);

// Replaces a CBS_SIMPLE combo's text by typing into its edit field.
bool TypeInto(HWND combo, const std::string& text);

// Posts a key press to a window, as the keyboard would deliver it.
void PressKey(HWND window, WPARAM key);

}  // namespace quorvel::wine
