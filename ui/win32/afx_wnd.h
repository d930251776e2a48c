// A small framework in the style of MFC, enough for one modal dialog: windows
// and a paint context. 8-bit ("A") API throughout.
#pragma once

#include <windows.h>

#include <string>

class CWnd {
 public:
  CWnd() = default;
  CWnd(const CWnd&) = delete;
  CWnd& operator=(const CWnd&) = delete;
  virtual ~CWnd();

  LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;
  BOOL IsIconic() const { return ::IsIconic(m_hWnd); }
  void GetClientRect(RECT* rect) const { ::GetClientRect(m_hWnd, rect); }

  // A modal box owned by this window; no caption means the application's name.
  int MessageBox(const char* text, const char* caption = nullptr, UINT type = MB_OK) const;

  HWND m_hWnd = nullptr;

 protected:
  // Leaves the message to the dialog manager's own processing.
  void Default() { m_bDefault = true; }
  void OnPaint() { Default(); }

  bool m_bDefault = false;
};

// The whole text of a window, of any length.
std::string AfxGetWindowText(HWND window);

// Sets the text only when it differs, so an equal text causes no redraw.
void AfxSetWindowText(HWND window, const char* text);

class CPaintDC {
 public:
  explicit CPaintDC(CWnd* wnd);
  ~CPaintDC();
  CPaintDC(const CPaintDC&) = delete;
  CPaintDC& operator=(const CPaintDC&) = delete;

  HDC m_hDC;

 private:
  HWND m_hWnd;
  PAINTSTRUCT m_ps;
};
