#include "ui/main_form.h"

#include <optional>
#include <utility>
#include <vector>

#include "ui/about.h"
#include "ui/listing.h"

namespace quorvel::ui {

RegionId RegionOfItem(int item) {
  if (item < 0 || static_cast<std::size_t>(item) >= RegionChoiceOrder.size()) return kNoRegion;
  return RegionChoiceOrder[static_cast<std::size_t>(item)];
}

MainForm::MainForm(DialogWindow& window, Converter convert)
    : window_(window), convert_(std::move(convert)) {}

void MainForm::OnInitDialog() {
  FillRegionList();
  m_bAddMobile = true;
  window_.SetAddMobileCheck(true);
}

void MainForm::FillRegionList() {
  std::vector<std::string> names;
  names.reserve(RegionChoiceOrder.size());
  for (const RegionId region : RegionChoiceOrder) names.emplace_back(RegionName(region));
  window_.SetRegionItems(names);
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
  // A notice without a selected item keeps the region rather than reading
  // outside the list.
  const RegionId region = RegionOfItem(window_.SelectedRegionItem());
  if (region != kNoRegion) m_nRegion = region;
}

void MainForm::OnAddMobileClicked() { m_bAddMobile = window_.IsAddMobileChecked(); }

void MainForm::OnPathEditChange() { UpdateData(true); }

void MainForm::OnBrowseInput() { Browse(PathField::kInput, m_strInputFile); }

void MainForm::OnBrowseOutput() { Browse(PathField::kOutput, m_strOutputFile); }

void MainForm::Browse(PathField field, std::string& member) {
  std::optional<std::string> chosen = window_.ChooseFile(field, member);
  if (!chosen) return;
  member = std::move(*chosen);
  UpdateData(false);
}

void MainForm::OnConvert() {
  const ConversionResult result =
      convert_(m_strInputFile, m_strOutputFile, m_nRegion, m_bAddMobile);
  if (!result.ok()) {
    window_.ShowError(result.error);
    return;
  }
  window_.SetListing(ListingLines(result.listing));
}

void MainForm::OnAbout() { window_.ShowNotice(AboutText()); }

void MainForm::OnHomePage() {
  if (!window_.OpenWebPage(std::string(HomePageAddress))) window_.ShowError(kBrowserError);
}

}  // namespace quorvel::ui
