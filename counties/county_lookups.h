// The 37 state county tables and the five contest county tables, each with
// its lookup. A lookup takes the upper-cased field value and searches the
// whole table; the texts it yields are the table's own constants.
#pragma once

#include <optional>
#include <string_view>

#include "counties/county_table.h"

namespace quorvel {

// State tables, in byte order of the state abbreviation.
extern const StateCountyTable kAlabamaCountyTable;
extern const StateCountyTable kCaliforniaCountyTable;
extern const StateCountyTable kColoradoCountyTable;
extern const StateCountyTable kDelawareCountyTable;
extern const StateCountyTable kFloridaCountyTable;
extern const StateCountyTable kGeorgiaCountyTable;
extern const StateCountyTable kHawaiiCountyTable;
extern const StateCountyTable kIowaCountyTable;
extern const StateCountyTable kIdahoCountyTable;
extern const StateCountyTable kIllinoisCountyTable;
extern const StateCountyTable kIndianaCountyTable;
extern const StateCountyTable kKansasCountyTable;
extern const StateCountyTable kKentuckyCountyTable;
extern const StateCountyTable kLouisianaCountyTable;
extern const StateCountyTable kMarylandCountyTable;
extern const StateCountyTable kMichiganCountyTable;
extern const StateCountyTable kMinnesotaCountyTable;
extern const StateCountyTable kMissouriCountyTable;
extern const StateCountyTable kMississippiCountyTable;
extern const StateCountyTable kNorthCarolinaCountyTable;
extern const StateCountyTable kNorthDakotaCountyTable;
extern const StateCountyTable kNebraskaCountyTable;
extern const StateCountyTable kNewJerseyCountyTable;
extern const StateCountyTable kNevadaCountyTable;
extern const StateCountyTable kNewYorkCountyTable;
extern const StateCountyTable kOhioCountyTable;
extern const StateCountyTable kOklahomaCountyTable;
extern const StateCountyTable kOregonCountyTable;
extern const StateCountyTable kPennsylvaniaCountyTable;
extern const StateCountyTable kSouthCarolinaCountyTable;
extern const StateCountyTable kTennesseeCountyTable;
extern const StateCountyTable kTexasCountyTable;
extern const StateCountyTable kVirginiaCountyTable;
extern const StateCountyTable kVermontCountyTable;
extern const StateCountyTable kWashingtonCountyTable;
extern const StateCountyTable kWisconsinCountyTable;
extern const StateCountyTable kWestVirginiaCountyTable;

// Contest tables.
extern const ContestCountyTable kMaracCountyTable;
extern const ContestCountyTable kMaqpCountyTable;
extern const ContestCountyTable kNeqpCountyTable;
extern const ContestCountyTable kSevenQpCountyTable;
extern const ContestCountyTable kUscqpCountyTable;

// The county name of the state-table row whose key equals value.
std::optional<std::string_view> LookupAlabamaCounty(std::string_view value);
std::optional<std::string_view> LookupCaliforniaCounty(std::string_view value);
std::optional<std::string_view> LookupColoradoCounty(std::string_view value);
std::optional<std::string_view> LookupDelawareCounty(std::string_view value);
std::optional<std::string_view> LookupFloridaCounty(std::string_view value);
std::optional<std::string_view> LookupGeorgiaCounty(std::string_view value);
std::optional<std::string_view> LookupHawaiiCounty(std::string_view value);
std::optional<std::string_view> LookupIowaCounty(std::string_view value);
std::optional<std::string_view> LookupIdahoCounty(std::string_view value);
std::optional<std::string_view> LookupIllinoisCounty(std::string_view value);
std::optional<std::string_view> LookupIndianaCounty(std::string_view value);
std::optional<std::string_view> LookupKansasCounty(std::string_view value);
std::optional<std::string_view> LookupKentuckyCounty(std::string_view value);
std::optional<std::string_view> LookupLouisianaCounty(std::string_view value);
std::optional<std::string_view> LookupMarylandCounty(std::string_view value);
std::optional<std::string_view> LookupMichiganCounty(std::string_view value);
std::optional<std::string_view> LookupMinnesotaCounty(std::string_view value);
std::optional<std::string_view> LookupMissouriCounty(std::string_view value);
std::optional<std::string_view> LookupMississippiCounty(std::string_view value);
std::optional<std::string_view> LookupNorthCarolinaCounty(std::string_view value);
std::optional<std::string_view> LookupNorthDakotaCounty(std::string_view value);
std::optional<std::string_view> LookupNebraskaCounty(std::string_view value);
std::optional<std::string_view> LookupNewJerseyCounty(std::string_view value);
std::optional<std::string_view> LookupNevadaCounty(std::string_view value);
std::optional<std::string_view> LookupNewYorkCounty(std::string_view value);
std::optional<std::string_view> LookupOhioCounty(std::string_view value);
std::optional<std::string_view> LookupOklahomaCounty(std::string_view value);
std::optional<std::string_view> LookupOregonCounty(std::string_view value);
std::optional<std::string_view> LookupPennsylvaniaCounty(std::string_view value);
std::optional<std::string_view> LookupSouthCarolinaCounty(std::string_view value);
std::optional<std::string_view> LookupTennesseeCounty(std::string_view value);
std::optional<std::string_view> LookupTexasCounty(std::string_view value);
std::optional<std::string_view> LookupVirginiaCounty(std::string_view value);
std::optional<std::string_view> LookupVermontCounty(std::string_view value);
std::optional<std::string_view> LookupWashingtonCounty(std::string_view value);
std::optional<std::string_view> LookupWisconsinCounty(std::string_view value);
std::optional<std::string_view> LookupWestVirginiaCounty(std::string_view value);

// State and county of the contest-table row whose key equals value.
std::optional<CountyMatch> LookupMaracCounty(std::string_view value);
std::optional<CountyMatch> LookupMaqpCounty(std::string_view value);
std::optional<CountyMatch> LookupNeqpCounty(std::string_view value);
std::optional<CountyMatch> LookupSevenQpCounty(std::string_view value);
std::optional<CountyMatch> LookupUscqpCounty(std::string_view value);

}  // namespace quorvel
