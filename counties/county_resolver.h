// Decides what one county-bearing field of a QSO becomes: a STATE field, a
// CNTY field holding "state,county", a Canadian value left alone, or a warning.
// The decision (ClassifyCountyValue) depends on the value and the region only,
// so a conversion may keep it per distinct value; its application
// (ApplyCountyAnswer) changes the field and adds the warnings.
#pragma once

#include <cstdint>
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

enum class CountyAnswerKind : std::uint8_t {
  kCounty,           // a CNTY field "state,county"
  kState,            // a STATE field
  kCanadian,         // left alone
  kIndependentCity,  // a STATE field, with a notice
  kUnknown,          // left alone, with a warning
};

// What a value becomes in a region.
struct CountyAnswer {
  CountyAnswerKind kind = CountyAnswerKind::kUnknown;
  // kCounty: the county's state; kState and kIndependentCity: the STATE
  // field's value. A table's constant, or a part of the classified value.
  std::string_view state;
  // kCounty: the county's name, a table's constant.
  std::string_view county;
};

// The decision of ResolveCounty for an upper-cased value; changes nothing.
CountyAnswer ClassifyCountyValue(std::string_view value, RegionId region);

// Appends the field's value after the answer to text: "state,county" for a
// county, the STATE text for a state or an independent city, the value itself
// otherwise.
void AppendCountyAnswerText(const CountyAnswer& answer, std::string_view value, std::string& text);

// Makes the field, whose value was classified as kind, what the answer says:
// newValue is its answer's text (AppendCountyAnswerText), which the field views from then on (as
// its new name views a constant), so it must outlive the field's use. Returns
// 1 when the field became a CNTY field, 0 otherwise; warnings name the
// callsign.
int ApplyCountyAnswer(CountyAnswerKind kind, std::string_view newValue, AdifField& field,
                      RegionId region, std::string_view callsign, MessageLog& log);

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
