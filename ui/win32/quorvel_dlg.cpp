#include "ui/win32/quorvel_dlg.h"

#include <shellapi.h>

#include <iterator>

#include "ui/win32/afx_app.h"
#include "ui/win32/file_dialog.h"

namespace ui = quorvel::ui;

namespace {

// ShellExecute's result: above this the shell started the page's program.
constexpr INT_PTR kShellErrorLimit = 32;

int FieldId(ui::PathField field) {
  return field == ui::PathField::kInput ? IDC_INPUT_PATH : IDC_OUTPUT_PATH;
}

}  // namespace

const AFX_MSGMAP_ENTRY CQuorvelDlg::messageEntries[] = {
    OnMessageEntry(WM_PAINT, &CQuorvelDlg::OnPaint),
    OnQueryDragIconEntry(&CQuorvelDlg::OnQueryDragIcon),
    OnCommandEntry(BN_CLICKED, IDC_BROWSE_INPUT, &CQuorvelDlg::OnBrowseInput),
    OnCommandEntry(BN_CLICKED, IDC_BROWSE_OUTPUT, &CQuorvelDlg::OnBrowseOutput),
    OnCommandEntry(BN_CLICKED, IDOK, &CQuorvelDlg::OnConvert),
    OnCommandEntry(CBN_EDITCHANGE, IDC_INPUT_PATH, &CQuorvelDlg::OnPathEditChange),
    OnCommandEntry(CBN_EDITCHANGE, IDC_OUTPUT_PATH, &CQuorvelDlg::OnPathEditChange),
    OnCommandEntry(CBN_SELCHANGE, IDC_REGION, &CQuorvelDlg::OnRegionSelChange),
    OnCommandEntry(BN_CLICKED, IDC_HOME_PAGE, &CQuorvelDlg::OnHomePage),
    OnCommandEntry(BN_CLICKED, IDC_ABOUT, &CQuorvelDlg::OnAbout),
    OnCommandEntry(BN_CLICKED, IDC_ADD_MOBILE, &CQuorvelDlg::OnAddMobileClicked),
};

const AFX_MSGMAP CQuorvelDlg::messageMap = {&CDialog::messageMap, messageEntries,
                                            std::size(messageEntries)};

CQuorvelDlg::CQuorvelDlg(CWnd* parent)
    : CDialog(IDD, parent),
      m_hIcon(::LoadIconA(AfxGetInstanceHandle(), MAKEINTRESOURCEA(IDI_MAIN))),
      m_form(*this) {}

CQuorvelDlg::~CQuorvelDlg() = default;

const AFX_MSGMAP* CQuorvelDlg::GetMessageMap() const { return &messageMap; }

// The control objects only: the path texts move between the fields and the
// form through the form's own UpdateData, which reads and writes them below.
void CQuorvelDlg::DoDataExchange(CDataExchange* pDX) {
  CDialog::DoDataExchange(pDX);
  DDX_Control(pDX, IDC_REGION, m_comboRegion);
  DDX_Control(pDX, IDC_MESSAGES, m_listMessages);
}

BOOL CQuorvelDlg::OnInitDialog() {
  CDialog::OnInitDialog();
  SendMessage(WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(m_hIcon));
  SendMessage(WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(m_hIcon));
  m_form.OnInitDialog();
  return TRUE;  // the focus goes to the first tab stop, "Input"
}

void CQuorvelDlg::OnPaint() {
  if (!IsIconic()) {
    CDialog::OnPaint();
    return;
  }
  CPaintDC dc(this);
  SendMessage(WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(dc.m_hDC), 0);
  RECT rect;
  GetClientRect(&rect);
  const int x = (rect.right - rect.left - ::GetSystemMetrics(SM_CXICON) + 1) / 2;
  const int y = (rect.bottom - rect.top - ::GetSystemMetrics(SM_CYICON) + 1) / 2;
  ::DrawIcon(dc.m_hDC, x, y, m_hIcon);
}

HCURSOR CQuorvelDlg::OnQueryDragIcon() { return static_cast<HCURSOR>(m_hIcon); }

void CQuorvelDlg::SetRegionItems(const std::vector<std::string>& names) {
  for (const std::string& name : names) m_comboRegion.AddString(name.c_str());
}

int CQuorvelDlg::SelectedRegionItem() { return m_comboRegion.GetCurSel(); }

void CQuorvelDlg::SetAddMobileCheck(bool checked) {
  ::SendDlgItemMessageA(m_hWnd, IDC_ADD_MOBILE, BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED,
                        0);
}

bool CQuorvelDlg::IsAddMobileChecked() {
  return ::SendDlgItemMessageA(m_hWnd, IDC_ADD_MOBILE, BM_GETCHECK, 0, 0) != 0;
}

std::string CQuorvelDlg::ReadPathField(ui::PathField field) {
  CDataExchange exchange(this, TRUE);
  std::string text;
  DDX_CBString(&exchange, FieldId(field), text);
  return text;
}

void CQuorvelDlg::WritePathField(ui::PathField field, const std::string& text) {
  CDataExchange exchange(this, FALSE);
  std::string value = text;
  DDX_CBString(&exchange, FieldId(field), value);
}

void CQuorvelDlg::SetListing(const std::vector<std::string>& lines) {
  m_listMessages.ResetContent();
  for (const std::string& line : lines) m_listMessages.AddString(line.c_str());
}

void CQuorvelDlg::ShowError(const std::string& text) { AfxMessageBox(text.c_str(), MB_ICONERROR); }

void CQuorvelDlg::ShowNotice(const std::string& text) { MessageBox(text.c_str(), nullptr, MB_OK); }

std::optional<std::string> CQuorvelDlg::ChooseFile(ui::PathField field,
                                                   const std::string& current) {
  return quorvel::win32::RunFileDialog(field, current);
}

bool CQuorvelDlg::OpenWebPage(const std::string& address) {
  const HINSTANCE result =
      ::ShellExecuteA(nullptr, "open", address.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
  return reinterpret_cast<INT_PTR>(result) > kShellErrorLimit;
}
