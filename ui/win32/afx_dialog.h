// Dialogs of the framework: message maps, data exchange, modal dialogs and
// the two control classes the main dialog binds.
#pragma once

#include <windows.h>

#include <cstddef>
#include <string>

#include "ui/win32/afx_wnd.h"

// One row of a message map. Commands match by notification code and control
// id; other messages by message alone. A handler either returns nothing or,
// for WM_QUERYDRAGICON, the cursor.
using AFX_PMSG = void (CWnd::*)();
using AFX_PMSG_CURSOR = HCURSOR (CWnd::*)();

struct AFX_MSGMAP_ENTRY {
  UINT nMessage;
  UINT nCode;
  UINT nID;
  AFX_PMSG pfn;
  AFX_PMSG_CURSOR pfnCursor;
};

struct AFX_MSGMAP {
  const AFX_MSGMAP* pBaseMap;  // searched when no entry here matches
  const AFX_MSGMAP_ENTRY* lpEntries;
  std::size_t nCount;
};

// Message map rows for handlers of a class derived from CWnd.
template <class T>
constexpr AFX_MSGMAP_ENTRY OnCommandEntry(UINT code, UINT id, void (T::*handler)()) {
  return {WM_COMMAND, code, id, static_cast<AFX_PMSG>(handler), nullptr};
}

template <class T>
constexpr AFX_MSGMAP_ENTRY OnMessageEntry(UINT message, void (T::*handler)()) {
  return {message, 0, 0, static_cast<AFX_PMSG>(handler), nullptr};
}

template <class T>
constexpr AFX_MSGMAP_ENTRY OnQueryDragIconEntry(HCURSOR (T::*handler)()) {
  return {WM_QUERYDRAGICON, 0, 0, nullptr, static_cast<AFX_PMSG_CURSOR>(handler)};
}

class CDataExchange {
 public:
  CDataExchange(CWnd* dialog, BOOL saveAndValidate)
      : m_bSaveAndValidate(saveAndValidate), m_pDlgWnd(dialog) {}

  HWND PrepareCtrl(int id) const { return ::GetDlgItem(m_pDlgWnd->m_hWnd, id); }

  BOOL m_bSaveAndValidate;  // true: controls to members; false: members to controls
  CWnd* m_pDlgWnd;
};

// A combo box's text. Saving reads the whole text; loading selects an equal
// list item if there is one, and otherwise sets the text unless it is equal.
void DDX_CBString(CDataExchange* pDX, int id, std::string& value);

// Binds a control object to the dialog's control once.
void DDX_Control(CDataExchange* pDX, int id, CWnd& control);

class CDialog : public CWnd {
 public:
  explicit CDialog(UINT templateId, CWnd* parent = nullptr);

  // Creates the dialog from its template and runs it until it is ended.
  INT_PTR DoModal();
  void EndDialog(int result) const { ::EndDialog(m_hWnd, result); }
  BOOL UpdateData(BOOL saveAndValidate = TRUE);

  // Runs UpdateData(FALSE); true puts the focus on the first tab stop.
  virtual BOOL OnInitDialog();

 protected:
  virtual void DoDataExchange(CDataExchange* pDX);
  // "Exit" and Escape: the dialog ends at once.
  virtual void OnCancel();
  virtual const AFX_MSGMAP* GetMessageMap() const;

  static const AFX_MSGMAP_ENTRY messageEntries[];
  static const AFX_MSGMAP messageMap;

 private:
  static INT_PTR CALLBACK DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  INT_PTR Dispatch(UINT message, WPARAM wParam);

  UINT m_nIDTemplate;
  CWnd* m_pParentWnd;
};

class CComboBox : public CWnd {
 public:
  int AddString(const char* text) const;
  int GetCurSel() const;
};

class CListBox : public CWnd {
 public:
  void ResetContent() const;
  int AddString(const char* text) const;
};
