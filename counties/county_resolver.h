// Decides what one county-bearing field of a QSO becomes: a STATE field, a
// CNTY field holding "state,county", a Canadian value left alone, or a warning.
#pragma once

#include <string_view>

#include "core/adif_field.h"
#include "core/message_log.h"
#include "counties/region_catalogue.h"

namespace quorvel {

// value is the field's upper-cased value; returns 1 when the field became a
// CNTY field, 0 otherwise. Warnings name the callsign.
int ResolveCounty(AdifField& field, RegionId region, std::string_view callsign, MessageLog& log);

}  // namespace quorvel
