#include "ui/win32/quorvel_app.h"

#include "ui/win32/quorvel_dlg.h"

CQuorvelApp theApp;

CQuorvelApp::~CQuorvelApp() = default;

BOOL CQuorvelApp::InitInstance() {
  CWinApp::InitInstance();
  CQuorvelDlg dialog;
  m_pMainWnd = &dialog;
  dialog.DoModal();
  // No message loop follows: the program ends with its dialog.
  return FALSE;
}
