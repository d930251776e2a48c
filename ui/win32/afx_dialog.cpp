#include "ui/win32/afx_dialog.h"

#include <algorithm>
#include <iterator>
#include <new>

#include "ui/win32/afx_app.h"

namespace {

LPCSTR ResourceId(UINT id) {
  return reinterpret_cast<LPCSTR>(static_cast<ULONG_PTR>(static_cast<WORD>(id)));
}

// Nothing thrown may unwind through the window system: say that the action
// failed and go on with the dialog.
void ReportFailure(HWND dialog, const char* text) {
  ::MessageBoxA(dialog, text, AfxGetAppName(), MB_OK | MB_ICONERROR);
}

// A dialog without a placement style that is still where its template put it
// is centred in the work area of its monitor.
void CenterIfNotPlaced(HWND dialog, const RECT& before) {
  if ((::GetWindowLongA(dialog, GWL_STYLE) & (DS_CENTER | DS_CENTERMOUSE | DS_ABSALIGN)) != 0) {
    return;
  }
  RECT now;
  ::GetWindowRect(dialog, &now);
  if (now.left != before.left || now.top != before.top) return;
  MONITORINFO monitor = {};
  monitor.cbSize = sizeof(monitor);
  if (!::GetMonitorInfoA(::MonitorFromWindow(dialog, MONITOR_DEFAULTTOPRIMARY), &monitor)) return;
  const RECT& work = monitor.rcWork;
  const int x = work.left + ((work.right - work.left) - (now.right - now.left)) / 2;
  const int y = work.top + ((work.bottom - work.top) - (now.bottom - now.top)) / 2;
  ::SetWindowPos(dialog, nullptr, std::max(x, static_cast<int>(work.left)),
                 std::max(y, static_cast<int>(work.top)), 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace

void DDX_CBString(CDataExchange* pDX, int id, std::string& value) {
  const HWND control = pDX->PrepareCtrl(id);
  if (pDX->m_bSaveAndValidate) {
    value = AfxGetWindowText(control);
    return;
  }
  const LRESULT found = ::SendMessageA(control, CB_SELECTSTRING, static_cast<WPARAM>(-1),
                                       reinterpret_cast<LPARAM>(value.c_str()));
  if (found == CB_ERR) AfxSetWindowText(control, value.c_str());
}

void DDX_Control(CDataExchange* pDX, int id, CWnd& control) {
  if (control.m_hWnd == nullptr) control.m_hWnd = pDX->PrepareCtrl(id);
}

const AFX_MSGMAP_ENTRY CDialog::messageEntries[] = {
    OnCommandEntry(BN_CLICKED, IDCANCEL, &CDialog::OnCancel),
};

const AFX_MSGMAP CDialog::messageMap = {nullptr, messageEntries, std::size(messageEntries)};

CDialog::CDialog(UINT templateId, CWnd* parent) : m_nIDTemplate(templateId), m_pParentWnd(parent) {}

INT_PTR CDialog::DoModal() {
  const HWND parent = m_pParentWnd != nullptr ? m_pParentWnd->m_hWnd : nullptr;
  return ::DialogBoxParamA(AfxGetInstanceHandle(), ResourceId(m_nIDTemplate), parent,
                           &CDialog::DialogProc, reinterpret_cast<LPARAM>(this));
}

BOOL CDialog::UpdateData(BOOL saveAndValidate) {
  CDataExchange exchange(this, saveAndValidate);
  DoDataExchange(&exchange);
  return TRUE;
}

BOOL CDialog::OnInitDialog() {
  UpdateData(FALSE);
  return TRUE;
}

void CDialog::DoDataExchange(CDataExchange*) {}

void CDialog::OnCancel() { EndDialog(IDCANCEL); }

const AFX_MSGMAP* CDialog::GetMessageMap() const { return &messageMap; }

INT_PTR CDialog::Dispatch(UINT message, WPARAM wParam) {
  const UINT code = message == WM_COMMAND ? HIWORD(wParam) : 0;
  const UINT id = message == WM_COMMAND ? LOWORD(wParam) : 0;
  for (const AFX_MSGMAP* map = GetMessageMap(); map != nullptr; map = map->pBaseMap) {
    for (std::size_t i = 0; i < map->nCount; ++i) {
      const AFX_MSGMAP_ENTRY& entry = map->lpEntries[i];
      if (entry.nMessage != message || entry.nCode != code || entry.nID != id) continue;
      if (entry.pfnCursor != nullptr) return reinterpret_cast<INT_PTR>((this->*entry.pfnCursor)());
      m_bDefault = false;
      (this->*entry.pfn)();
      return m_bDefault ? FALSE : TRUE;
    }
  }
  return FALSE;
}

INT_PTR CALLBACK CDialog::DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  try {
    if (message == WM_INITDIALOG) {
      auto* dialog = reinterpret_cast<CDialog*>(lParam);
      dialog->m_hWnd = window;
      ::SetWindowLongPtrA(window, DWLP_USER, lParam);
      RECT before;
      ::GetWindowRect(window, &before);
      const BOOL defaultFocus = dialog->OnInitDialog();
      CenterIfNotPlaced(window, before);
      if (!defaultFocus) return FALSE;
      // The first tab stop takes the focus through the dialog manager, so that
      // a push button there also becomes the button that Enter presses.
      const HWND first = ::GetNextDlgTabItem(window, nullptr, FALSE);
      if (first == nullptr) return TRUE;
      ::SendMessageA(window, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(first), TRUE);
      return FALSE;
    }
    auto* dialog = reinterpret_cast<CDialog*>(::GetWindowLongPtrA(window, DWLP_USER));
    if (dialog == nullptr) return FALSE;  // messages before WM_INITDIALOG
    const INT_PTR result = dialog->Dispatch(message, wParam);
    if (message == WM_NCDESTROY) {
      ::SetWindowLongPtrA(window, DWLP_USER, 0);
      dialog->m_hWnd = nullptr;
    }
    return result;
  } catch (const std::bad_alloc&) {
    ReportFailure(window, "ERROR: Not enough memory.");
  } catch (...) {
    ReportFailure(window, "ERROR: The action failed.");
  }
  return FALSE;
}

int CComboBox::AddString(const char* text) const {
  return static_cast<int>(SendMessage(CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text)));
}

int CComboBox::GetCurSel() const { return static_cast<int>(SendMessage(CB_GETCURSEL)); }

void CListBox::ResetContent() const { SendMessage(LB_RESETCONTENT); }

int CListBox::AddString(const char* text) const {
  return static_cast<int>(SendMessage(LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text)));
}
