// Decides what one county-bearing field of a QSO becomes: a STATE field, a
// CNTY field holding "state,county", a Canadian value left alone, or a warning.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "core/adif_field.h"
#include "core/message_log.h"
#include "counties/region_catalogue.h"

namespace quorvel {

// value is the field's upper-cased value; returns 1 when the field became a
// CNTY field, 0 otherwise. Warnings name the callsign. A new value that is not
// constant text is made in text, which must outlive the field's use.
int ResolveCounty(AdifField& field, RegionId region, std::string_view callsign, MessageLog& log,
                  std::string& text);

// A county of the region's tables, as constant text.
struct RegionCounty {
  std::string_view state;
  std::string_view name;
};

// The county that ResolveCounty would make of an upper-cased value, or none
// where it would make a state, keep a Canadian value or warn. Changes nothing
// and reports nothing.
std::optional<RegionCounty> FindRegionCounty(std::string_view value, RegionId region);

}  // namespace quorvel
