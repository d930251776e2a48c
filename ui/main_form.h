// The main dialog's data and handlers, apart from the window system: the
// Windows dialog moves data between its controls and this and forwards events.
#pragma once

#include <functional>
#include <string>

#include "counties/region_catalogue.h"
#include "engine/conversion_request.h"
#include "ui/dialog_window.h"

namespace quorvel::ui {

inline constexpr std::uint32_t kFileNameBuffer = 260;

// Both file dialogs offer ADIF files first, then all files.
inline constexpr char kAdifFilterList[] = "ADIF Files\0*.adi;*.adif;\0All Files\0*.*\0";
inline constexpr std::string_view kAdifFilter{kAdifFilterList, sizeof(kAdifFilterList)};

inline constexpr char kBrowserError[] = "ERROR:  Could not start web browser.";

// The settings of the "Input" and "Output" file dialogs; current is the
// member's path, the initial name when it fits the buffer.
FileDialogSettings InputFileDialog(const std::string& current);
FileDialogSettings OutputFileDialog(const std::string& current);

class MainForm {
 public:
  using Converter = std::function<ConversionResult(
      const std::string& inputPath, const std::string& outputPath, RegionId region, int addMobile)>;

  explicit MainForm(DialogWindow& window, Converter convert = RunConversion);

  // Dialog start, after the base class's data exchange.
  void OnInitDialog();
  void FillRegionList();

  // true: the path fields into the strings; false: the strings into the fields.
  void UpdateData(bool saveAndValidate);

  void OnRegionSelChange();
  void OnAddMobileClicked();
  void OnPathEditChange();
  void OnBrowseInput();
  void OnBrowseOutput();
  void OnConvert();
  void OnAbout();
  void OnHomePage();

  std::string m_strInputFile;
  std::string m_strOutputFile;
  RegionId m_nRegion = kNoRegion;
  int m_bAddMobile = 1;

 private:
  void Browse(const FileDialogSettings& settings, std::string& member);

  DialogWindow& window_;
  Converter convert_;
};

}  // namespace quorvel::ui
