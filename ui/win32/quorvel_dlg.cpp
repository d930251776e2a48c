#include "ui/win32/quorvel_dlg.h"

#include <commdlg.h>
#include <shellapi.h>

#include <cstddef>
#include <iterator>
#include <vector>

#include "ui/win32/afx_app.h"

namespace ui = quorvel::ui;

static_assert(ui::kMbOk == MB_OK && ui::kMbIconError == MB_ICONERROR);
static_assert(ui::kOfnExplorer == OFN_EXPLORER && ui::kOfnFileMustExist == OFN_FILEMUSTEXIST &&
              ui::kOfnHideReadOnly == OFN_HIDEREADONLY &&
              ui::kOfnOverwritePrompt == OFN_OVERWRITEPROMPT);

namespace {

// The size of OPENFILENAMEA as Windows 95 and NT 4 knew it: up to and including
// lpTemplateName (76 bytes on 32-bit Windows).
constexpr DWORD kOpenFileNameSize400 =
    offsetof(OPENFILENAMEA, lpTemplateName) + sizeof(OPENFILENAMEA::lpTemplateName);
static_assert(sizeof(void*) != 4 || kOpenFileNameSize400 == 76);

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

void CQuorvelDlg::DoDataExchange(CDataExchange* pDX) {
  CDialog::DoDataExchange(pDX);
  DDX_CBString(pDX, IDC_INPUT_PATH, m_form.m_strInputFile);
  DDX_CBString(pDX, IDC_OUTPUT_PATH, m_form.m_strOutputFile);
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

void CQuorvelDlg::AddRegionItem(const std::string& name) { m_comboRegion.AddString(name.c_str()); }

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

void CQuorvelDlg::ResetMessages() { m_listMessages.ResetContent(); }

// A list box cannot break a line: a message that holds a line feed (the
// summary after county-line QSOs begins with one) shows as several items, so
// the list reads like the command line's output instead of showing a glyph.
void CQuorvelDlg::AddMessage(const std::string& line) {
  std::size_t start = 0;
  for (std::size_t lf = line.find('\n'); lf != std::string::npos; lf = line.find('\n', start)) {
    m_listMessages.AddString(line.substr(start, lf - start).c_str());
    start = lf + 1;
  }
  m_listMessages.AddString(line.c_str() + start);
}

void CQuorvelDlg::ShowMessageBox(const std::string& text, unsigned type,
                                 const std::optional<std::string>& caption) {
  if (caption) {
    MessageBox(text.c_str(), caption->c_str(), type);
  } else {
    AfxMessageBox(text.c_str(), type);
  }
}

bool CQuorvelDlg::RunFileDialog(const ui::FileDialogSettings& settings, std::string& chosen) {
  if (settings.bufferSize == 0) return false;
  std::vector<char> buffer(settings.bufferSize + 1, '\0');
  settings.initialName.copy(buffer.data(), settings.bufferSize - 1);
  const std::string title(settings.title);
  const std::string extension(settings.defaultExtension);
  OPENFILENAMEA dialog = {};
  dialog.lStructSize = kOpenFileNameSize400;
  dialog.lpstrFilter = settings.filter.data();
  dialog.nFilterIndex = settings.filterIndex;
  dialog.lpstrFile = buffer.data();
  dialog.nMaxFile = settings.bufferSize;
  dialog.lpstrTitle = title.c_str();
  dialog.Flags = settings.flags;
  dialog.lpstrDefExt = extension.c_str();
  const BOOL ok = settings.kind == ui::FileDialogKind::kOpen ? ::GetOpenFileNameA(&dialog)
                                                             : ::GetSaveFileNameA(&dialog);
  if (!ok) return false;
  chosen = buffer.data();
  return true;
}

std::intptr_t CQuorvelDlg::OpenAddress(const std::string& address) {
  const HINSTANCE result =
      ::ShellExecuteA(nullptr, "open", address.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
  return reinterpret_cast<std::intptr_t>(result);
}
