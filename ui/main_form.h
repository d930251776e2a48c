// The main dialog's data and handlers, apart from the window system: each
// binding moves data between its controls and this and forwards the events.
#pragma once

#include <functional>
#include <string>

#include "counties/region_catalogue.h"
#include "engine/conversion_request.h"
#include "ui/dialog_window.h"

namespace quorvel::ui {

inline constexpr char kBrowserError[] = "ERROR:  Could not start web browser.";

// The region of an item of the region list (RegionChoiceOrder); kNoRegion for
// no item (-1) or one outside the list.
RegionId RegionOfItem(int item);

class MainForm {
 public:
  using Converter =
      std::function<ConversionResult(const std::string& inputPath, const std::string& outputPath,
                                     RegionId region, bool addMobile)>;

  explicit MainForm(DialogWindow& window, Converter convert = RunConversion);

  // Dialog start, after the binding's own set-up.
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
  bool m_bAddMobile = true;

 private:
  void Browse(PathField field, std::string& member);

  DialogWindow& window_;
  Converter convert_;
};

}  // namespace quorvel::ui
