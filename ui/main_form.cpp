#include "ui/main_form.h"

#include <utility>

#include "ui/about.h"

namespace quorvel::ui {

namespace {

FileDialogSettings FileDialog(FileDialogKind kind, const std::string& current) {
  FileDialogSettings settings;
  settings.kind = kind;
  settings.filter = kAdifFilter;
  settings.filterIndex = 0;
  settings.bufferSize = kFileNameBuffer;
  // A longer path would not fit with its terminator; the dialog then starts
  // without a name rather than with a cut one.
  if (current.size() < kFileNameBuffer) settings.initialName = current;
  settings.defaultExtension = "adi";
  return settings;
}

}  // namespace

FileDialogSettings InputFileDialog(const std::string& current) {
  FileDialogSettings settings = FileDialog(FileDialogKind::kOpen, current);
  settings.title = "Input ADIF File";
  settings.flags = kOfnExplorer | kOfnFileMustExist | kOfnHideReadOnly;
  return settings;
}

FileDialogSettings OutputFileDialog(const std::string& current) {
  FileDialogSettings settings = FileDialog(FileDialogKind::kSave, current);
  settings.title = "Output ADIF file";
  settings.flags = kOfnExplorer | kOfnOverwritePrompt | kOfnHideReadOnly;
  return settings;
}

MainForm::MainForm(DialogWindow& window, Converter convert)
    : window_(window), convert_(std::move(convert)) {}

void MainForm::OnInitDialog() {
  FillRegionList();
  m_bAddMobile = 1;
  window_.SetAddMobileCheck(true);
}

void MainForm::FillRegionList() {
  for (const RegionId region : RegionChoiceOrder) {
    window_.AddRegionItem(std::string(RegionName(region)));
  }
  m_nRegion = kNoRegion;
}

void MainForm::UpdateData(bool saveAndValidate) {
  if (saveAndValidate) {
    m_strInputFile = window_.ReadPathField(PathField::kInput);
    m_strOutputFile = window_.ReadPathField(PathField::kOutput);
  } else {
    window_.WritePathField(PathField::kInput, m_strInputFile);
    window_.WritePathField(PathField::kOutput, m_strOutputFile);
  }
}

void MainForm::OnRegionSelChange() {
  const int item = window_.SelectedRegionItem();
  // A notice without a selected item keeps the region rather than reading
  // outside the list.
  if (item < 0 || static_cast<std::size_t>(item) >= RegionChoiceOrder.size()) return;
  m_nRegion = RegionChoiceOrder[static_cast<std::size_t>(item)];
}

void MainForm::OnAddMobileClicked() { m_bAddMobile = window_.IsAddMobileChecked() ? 1 : 0; }

void MainForm::OnPathEditChange() { UpdateData(true); }

void MainForm::OnBrowseInput() { Browse(InputFileDialog(m_strInputFile), m_strInputFile); }

void MainForm::OnBrowseOutput() { Browse(OutputFileDialog(m_strOutputFile), m_strOutputFile); }

void MainForm::Browse(const FileDialogSettings& settings, std::string& member) {
  std::string chosen;
  if (!window_.RunFileDialog(settings, chosen)) return;
  member = chosen;
  UpdateData(false);
}

void MainForm::OnConvert() {
  const ConversionResult result =
      convert_(m_strInputFile, m_strOutputFile, m_nRegion, m_bAddMobile);
  if (!result.ok()) {
    window_.ShowMessageBox(result.error, kMbIconError, std::nullopt);
    return;
  }
  window_.ResetMessages();
  for (const std::string& line : result.listing) window_.AddMessage(line);
}

void MainForm::OnAbout() { window_.ShowMessageBox(AboutText(), kMbOk, std::nullopt); }

void MainForm::OnHomePage() {
  const std::intptr_t result = window_.OpenAddress(std::string(HomePageAddress));
  if (result <= kShellErrorLimit) window_.ShowMessageBox(kBrowserError, kMbIconError, std::nullopt);
}

}  // namespace quorvel::ui
