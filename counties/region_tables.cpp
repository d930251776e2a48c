#include "counties/region_tables.h"

#include <array>
#include <cstddef>
#include <string_view>

#include "counties/county_lookups.h"

namespace quorvel {

namespace {

// The catalogue row of a state or contest abbreviation, so that the lists below
// name their regions rather than number them; kNoRegion when there is none.
constexpr RegionId RegionOf(std::string_view abbreviation) {
  for (RegionId region = 0; region < kRegionCount; ++region) {
    if (RegionCatalogue[region].abbreviation == abbreviation) return region;
  }
  return kNoRegion;
}

}  // namespace

constexpr StateTableEntry kAllStateCountyTables[37] = {
    {RegionOf("AL"), &kAlabamaCountyTable},      {RegionOf("CA"), &kCaliforniaCountyTable},
    {RegionOf("CO"), &kColoradoCountyTable},     {RegionOf("DE"), &kDelawareCountyTable},
    {RegionOf("FL"), &kFloridaCountyTable},      {RegionOf("GA"), &kGeorgiaCountyTable},
    {RegionOf("HI"), &kHawaiiCountyTable},       {RegionOf("IA"), &kIowaCountyTable},
    {RegionOf("ID"), &kIdahoCountyTable},        {RegionOf("IL"), &kIllinoisCountyTable},
    {RegionOf("IN"), &kIndianaCountyTable},      {RegionOf("KS"), &kKansasCountyTable},
    {RegionOf("KY"), &kKentuckyCountyTable},     {RegionOf("LA"), &kLouisianaCountyTable},
    {RegionOf("MD"), &kMarylandCountyTable},     {RegionOf("MI"), &kMichiganCountyTable},
    {RegionOf("MN"), &kMinnesotaCountyTable},    {RegionOf("MO"), &kMissouriCountyTable},
    {RegionOf("MS"), &kMississippiCountyTable},  {RegionOf("NC"), &kNorthCarolinaCountyTable},
    {RegionOf("ND"), &kNorthDakotaCountyTable},  {RegionOf("NE"), &kNebraskaCountyTable},
    {RegionOf("NJ"), &kNewJerseyCountyTable},    {RegionOf("NV"), &kNevadaCountyTable},
    {RegionOf("NY"), &kNewYorkCountyTable},      {RegionOf("OH"), &kOhioCountyTable},
    {RegionOf("OK"), &kOklahomaCountyTable},     {RegionOf("OR"), &kOregonCountyTable},
    {RegionOf("PA"), &kPennsylvaniaCountyTable}, {RegionOf("SC"), &kSouthCarolinaCountyTable},
    {RegionOf("TN"), &kTennesseeCountyTable},    {RegionOf("TX"), &kTexasCountyTable},
    {RegionOf("VA"), &kVirginiaCountyTable},     {RegionOf("VT"), &kVermontCountyTable},
    {RegionOf("WA"), &kWashingtonCountyTable},   {RegionOf("WI"), &kWisconsinCountyTable},
    {RegionOf("WV"), &kWestVirginiaCountyTable},
};

constexpr ContestTableEntry kAllContestCountyTables[5] = {
    {RegionOf("MARAC"), &kMaracCountyTable}, {RegionOf("MAQP"), &kMaqpCountyTable},
    {RegionOf("NEQP"), &kNeqpCountyTable},   {RegionOf("7QP"), &kSevenQpCountyTable},
    {RegionOf("USCQP"), &kUscqpCountyTable},
};

namespace {

// Each list is in catalogue order and holds only regions of its kind.
template <typename Entry, std::size_t N>
constexpr bool InCatalogueOrder(const Entry (&entries)[N], RegionId first, RegionId last) {
  for (std::size_t i = 0; i < N; ++i) {
    if (entries[i].region < first || entries[i].region > last) return false;
    if (i > 0 && entries[i - 1].region >= entries[i].region) return false;
  }
  return true;
}

static_assert(InCatalogueOrder(kAllStateCountyTables, 0, kFirstContest - 1),
              "state county tables: a region is not a state or out of catalogue order");
static_assert(InCatalogueOrder(kAllContestCountyTables, kFirstContest, kRegionCount - 1),
              "contest county tables: a region is not a contest or out of catalogue order");
static_assert(kAllContestCountyTables[0].region == kMarac &&
                  kAllContestCountyTables[1].region == kMaqp &&
                  kAllContestCountyTables[2].region == kNeqp &&
                  kAllContestCountyTables[3].region == kSevenQp &&
                  kAllContestCountyTables[4].region == kUscqp,
              "contest county tables: not the regions the catalogue names");

}  // namespace

namespace {

// Every lookup of a value asks for its region's table: one step, not a scan.
constexpr std::array<const StateCountyTable*, kRegionCount> StateTablesByRegion() {
  std::array<const StateCountyTable*, kRegionCount> tables{};
  for (const StateTableEntry& entry : kAllStateCountyTables) tables[entry.region] = entry.table;
  return tables;
}
constexpr std::array<const StateCountyTable*, kRegionCount> kStateTableOf = StateTablesByRegion();

}  // namespace

const StateCountyTable* StateCountyTableFor(RegionId region) {
  return IsValidRegion(region) ? kStateTableOf[static_cast<std::size_t>(region)] : nullptr;
}

const ContestCountyTable* ContestCountyTableFor(RegionId region) {
  for (const ContestTableEntry& entry : kAllContestCountyTables) {
    if (entry.region == region) return entry.table;
  }
  return nullptr;
}

SearchedTables TablesSearchedFor(RegionId region) {
  SearchedTables searched;
  if (const StateCountyTable* table = StateCountyTableFor(region)) {
    searched.tables[searched.count++] = {table, RegionAbbreviation(region), nullptr};
  } else if (const ContestCountyTable* contest = ContestCountyTableFor(region)) {
    searched.tables[searched.count++] = {nullptr, {}, contest};
  } else if (region == kMulti) {
    // The order of the resolver's MULTI search: 7QP, New England, Indiana.
    searched.tables[searched.count++] = {nullptr, {}, ContestCountyTableFor(kSevenQp)};
    searched.tables[searched.count++] = {nullptr, {}, ContestCountyTableFor(kNeqp)};
    searched.tables[searched.count++] = {StateCountyTableFor(kIndiana),
                                         RegionAbbreviation(kIndiana), nullptr};
  }
  return searched;
}

}  // namespace quorvel
