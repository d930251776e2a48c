// The engine's side of the web page, called by the page's worker: the texts
// the page shows, and one press of "Convert". Every text leaves as bytes with
// their length through one callback, so the page shows exactly what the C++
// code says.
#include <emscripten.h>

#include <cstddef>
#include <string>
#include <string_view>

#include "counties/region_catalogue.h"
#include "engine/conversion_request.h"
#include "ui/about.h"
#include "ui/listing.h"
#include "ui/main_form.h"

namespace {

// What a text is, for the page.
enum class PageText { kRegionName, kAbout, kHomePage, kBrowserError, kRefusal, kListingLine };

// clang-format off
EM_JS(void, QuorvelSendText, (int kind, const char* text, std::size_t length), {
  Module.onText(kind, HEAPU8.slice(text, text + length));
});
// clang-format on

void Send(PageText kind, std::string_view text) {
  QuorvelSendText(static_cast<int>(kind), text.data(), text.size());
}

// The page keeps its files in one folder and downloads under plain names: a
// name with a folder in it (or a NUL, which would cut it) cannot be created,
// and opening it fails as for a folder that does not exist.
std::string PagePath(std::string name) {
  if (name.find_first_of(std::string_view("/\0", 2)) != std::string::npos) {
    return "no such folder/" + name;
  }
  return name;
}

}  // namespace

extern "C" {

EMSCRIPTEN_KEEPALIVE void quorvel_page_texts() {
  for (const quorvel::RegionId region : quorvel::RegionChoiceOrder) {
    Send(PageText::kRegionName, quorvel::RegionName(region));
  }
  Send(PageText::kAbout, quorvel::ui::AboutText());
  Send(PageText::kHomePage, quorvel::ui::HomePageAddress);
  Send(PageText::kBrowserError, quorvel::ui::kBrowserError);
}

// regionItem is the index of the chosen item of the region list, -1 for none.
// Returns 1 when the log was converted (the listing was sent), 0 when the
// request was refused (its one error text was sent).
EMSCRIPTEN_KEEPALIVE int quorvel_convert(const char* input, std::size_t inputLength,
                                         const char* output, std::size_t outputLength,
                                         int regionItem, int addMobile) {
  const bool chosen =
      regionItem >= 0 && static_cast<std::size_t>(regionItem) < quorvel::RegionChoiceOrder.size();
  const quorvel::RegionId region =
      chosen ? quorvel::RegionChoiceOrder[static_cast<std::size_t>(regionItem)]
             : quorvel::kNoRegion;
  const quorvel::ConversionResult result =
      quorvel::RunConversion(std::string(input, inputLength),
                             PagePath(std::string(output, outputLength)), region, addMobile);
  if (!result.ok()) {
    Send(PageText::kRefusal, result.error);
    return 0;
  }
  for (const std::string& line : quorvel::ui::ListingLines(result.listing)) {
    Send(PageText::kListingLine, line);
  }
  return 1;
}

}  // extern "C"
