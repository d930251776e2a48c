#include "ui/win32/afx_wnd.h"

#include <vector>

#include "ui/win32/afx_app.h"

CWnd::~CWnd() {
  CWinApp* app = AfxGetApp();
  if (app != nullptr && app->m_pMainWnd == this) app->m_pMainWnd = nullptr;
}

LRESULT CWnd::SendMessage(UINT message, WPARAM wParam, LPARAM lParam) const {
  return ::SendMessageA(m_hWnd, message, wParam, lParam);
}

int CWnd::MessageBox(const char* text, const char* caption, UINT type) const {
  return ::MessageBoxA(m_hWnd, text, caption != nullptr ? caption : AfxGetAppName(), type);
}

std::string AfxGetWindowText(HWND window) {
  const int length = ::GetWindowTextLengthA(window);
  if (length <= 0) return {};
  std::vector<char> buffer(static_cast<std::size_t>(length) + 1, '\0');
  const int copied = ::GetWindowTextA(window, buffer.data(), length + 1);
  return std::string(buffer.data(), static_cast<std::size_t>(copied > 0 ? copied : 0));
}

void AfxSetWindowText(HWND window, const char* text) {
  if (AfxGetWindowText(window) != text) ::SetWindowTextA(window, text);
}

CPaintDC::CPaintDC(CWnd* wnd) : m_hWnd(wnd->m_hWnd), m_ps() { m_hDC = ::BeginPaint(m_hWnd, &m_ps); }

CPaintDC::~CPaintDC() { ::EndPaint(m_hWnd, &m_ps); }
