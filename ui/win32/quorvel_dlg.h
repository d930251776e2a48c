// The main dialog: moves data between its controls and the form model, and
// forwards the controls' events to it.
#pragma once

#include "ui/dialog_window.h"
#include "ui/main_form.h"
#include "ui/win32/afx_dialog.h"
#include "ui/win32/resource.h"

class CQuorvelDlg : public CDialog, private quorvel::ui::DialogWindow {
 public:
  explicit CQuorvelDlg(CWnd* parent = nullptr);
  ~CQuorvelDlg() override;

  enum { IDD = IDD_MAIN_DIALOG };

 protected:
  void DoDataExchange(CDataExchange* pDX) override;
  BOOL OnInitDialog() override;
  const AFX_MSGMAP* GetMessageMap() const override;

  void OnPaint();
  HCURSOR OnQueryDragIcon();
  void OnBrowseInput() { m_form.OnBrowseInput(); }
  void OnBrowseOutput() { m_form.OnBrowseOutput(); }
  void OnConvert() { m_form.OnConvert(); }
  void OnPathEditChange() { m_form.OnPathEditChange(); }
  void OnRegionSelChange() { m_form.OnRegionSelChange(); }
  void OnHomePage() { m_form.OnHomePage(); }
  void OnAbout() { m_form.OnAbout(); }
  void OnAddMobileClicked() { m_form.OnAddMobileClicked(); }

  static const AFX_MSGMAP_ENTRY messageEntries[];
  static const AFX_MSGMAP messageMap;

 private:
  // The window operations of the form model.
  void AddRegionItem(const std::string& name) override;
  int SelectedRegionItem() override;
  void SetAddMobileCheck(bool checked) override;
  bool IsAddMobileChecked() override;
  std::string ReadPathField(quorvel::ui::PathField field) override;
  void WritePathField(quorvel::ui::PathField field, const std::string& text) override;
  void ResetMessages() override;
  void AddMessage(const std::string& line) override;
  void ShowMessageBox(const std::string& text, unsigned type,
                      const std::optional<std::string>& caption) override;
  bool RunFileDialog(const quorvel::ui::FileDialogSettings& settings, std::string& chosen) override;
  std::intptr_t OpenAddress(const std::string& address) override;

  HICON m_hIcon;
  // The input and output paths, the region and the /M option.
  quorvel::ui::MainForm m_form;
  CComboBox m_comboRegion;
  CListBox m_listMessages;
};
