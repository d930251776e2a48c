// The application object: exactly one global instance; the entry point below
// finds it, names it after the executable and runs its InitInstance.
#pragma once

#include <windows.h>

#include <string>

#include "ui/win32/afx_wnd.h"

class CWinThread : public CCmdTarget {
 public:
  // The window whose closing ends the program, and which owns message boxes.
  CWnd* m_pMainWnd = nullptr;

  virtual BOOL InitInstance() { return FALSE; }
  // The message loop, for an application whose InitInstance returns true.
  virtual int Run();
  virtual int ExitInstance() { return 0; }
};

class CWinApp : public CWinThread {
 public:
  // Without a name, the executable's file name without its extension is used.
  explicit CWinApp(const char* appName = nullptr);
  ~CWinApp() override;

  BOOL InitInstance() override { return TRUE; }

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
