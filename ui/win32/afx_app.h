// The application object: exactly one global instance; the entry point below
// finds it, names it after the executable and runs its InitInstance.
#pragma once

#include <windows.h>

#include <string>

#include "ui/win32/afx_wnd.h"

class CWinApp {
 public:
  // Without a name, the executable's file name without its extension is used.
  explicit CWinApp(const char* appName = nullptr);
  CWinApp(const CWinApp&) = delete;
  CWinApp& operator=(const CWinApp&) = delete;
  virtual ~CWinApp();

  // The program's start; the program ends when it returns, since a dialog
  // application has no message loop of its own.
  virtual BOOL InitInstance() { return TRUE; }

  // The window whose closing ends the program, and which owns message boxes.
  CWnd* m_pMainWnd = nullptr;
  const char* m_pszAppName = nullptr;
  HINSTANCE m_hInstance = nullptr;

 private:
  friend int AfxWinMain(HINSTANCE instance);
  std::string m_appName;
};

CWinApp* AfxGetApp();
const char* AfxGetAppName();
HINSTANCE AfxGetInstanceHandle();

// What WinMain does: set up the application object and run it.
int AfxWinMain(HINSTANCE instance);

// A modal box owned by the main window, captioned with the application's name.
int AfxMessageBox(const char* text, UINT type = MB_OK);
