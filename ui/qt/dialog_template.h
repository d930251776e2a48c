// The main dialog's template in dialog units, the same numbers as the Windows
// resource script, so both windows have one layout.
#pragma once

#include "ui/qt/dialog_units.h"

namespace quorvel::ui::dialog_template {

inline constexpr int kWidth = 372;
inline constexpr int kHeight = 258;

inline constexpr DialogRect kBrowseInput{204, 18, 50, 12};
inline constexpr DialogRect kBrowseOutput{204, 48, 50, 12};
// The region list's height on Windows includes its dropped list; closed it
// stands as high as the other one-line controls.
inline constexpr DialogRect kRegion{18, 78, 168, 80};
inline constexpr int kRegionClosedHeight = 12;
inline constexpr DialogRect kAddMobile{204, 96, 73, 10};
inline constexpr DialogRect kConvert{306, 18, 50, 12};
inline constexpr DialogRect kExit{306, 42, 50, 12};
inline constexpr DialogRect kHelp{306, 66, 50, 12};
inline constexpr DialogRect kAbout{306, 90, 50, 12};
inline constexpr DialogRect kInputPath{18, 18, 168, 12};
inline constexpr DialogRect kOutputPath{18, 48, 168, 12};
inline constexpr DialogRect kMessages{18, 120, 336, 120};
inline constexpr DialogRect kRegionLabel{204, 78, 18, 8};

}  // namespace quorvel::ui::dialog_template
