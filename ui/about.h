// The About message and the home page.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "quorvel_version.h"
#include "ui/maker.h"

namespace quorvel::ui {

// A version-control keyword; the About message shows its second token.
inline constexpr std::string_view ProgramRevision = "$Revision: " QUORVEL_DISPLAY_VERSION " $";

inline constexpr std::string_view HomePageAddress =
    "https://" QUORVEL_HOME_PAGE_HOST "/ADIF_Quorvel/";

// The message box that shows the About text holds at most this many characters.
inline constexpr std::size_t kAboutTextLimit = 127;

// The date of the build as "May  1 2013": month, day padded with a blank, year.
std::string_view BuildDate();

// The second blank-separated token of a revision keyword ("5.0"); empty if none.
std::string RevisionNumber(std::string_view revision);

// The credits, "Version " with the revision number, and the build date, one per
// line; cut to kAboutTextLimit characters.
std::string AboutText(std::string_view revision = ProgramRevision,
                      std::string_view buildDate = BuildDate());

// The fixed parts, the whole keyword as an upper bound of its number, and the
// 11 characters of a build date must fit.
static_assert(sizeof("by " QUORVEL_MAKER_NAME "\nEmail: " QUORVEL_MAKER_EMAIL "\n\nVersion \n") -
                      1 + ProgramRevision.size() + sizeof("May  1 2013") - 1 <=
                  kAboutTextLimit,
              "the About text must stay within its message buffer");

}  // namespace quorvel::ui
