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
  void SetRegionItems(const std::vector<std::string>& names) override;
  int SelectedRegionItem() override;
  void SetAddMobileCheck(bool checked) override;
  bool IsAddMobileChecked() override;
  std::string ReadPathField(quorvel::ui::PathField field) override;
  void WritePathField(quorvel::ui::PathField field, const std::string& text) override;
  void SetListing(const std::vector<std::string>& lines) override;
  void ShowError(const std::string& text) override;
  void ShowNotice(const std::string& text) override;
  std::optional<std::string> ChooseFile(quorvel::ui::PathField field,
                                        const std::string& current) override;
  bool OpenWebPage(const std::string& address) override;

  HICON m_hIcon;
  // The input and output paths, the region and the /M option.
  quorvel::ui::MainForm m_form;
  CComboBox m_comboRegion;
  CListBox m_listMessages;
};
