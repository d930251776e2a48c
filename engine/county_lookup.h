// What each distinct county-bearing value of a conversion becomes, decided
// once: a log holds a few hundred distinct values, each met many times, and
// each decision costs several table searches and a new text.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "core/adif_field.h"
#include "core/message_log.h"
#include "core/qso_record.h"
#include "counties/county_resolver.h"
#include "counties/region_catalogue.h"

namespace quorvel {

class CountyLookup {
 public:
  // Junk values can be numberless: past this many entries, or for a value
  // longer than kLongestValue, the decision is made anew each time, so the
  // memory stays bounded whatever the log holds.
  static constexpr std::size_t kMostEntries = 4096;
  static constexpr std::size_t kLongestValue = 64;

  explicit CountyLookup(RegionId region, std::size_t mostEntries = kMostEntries);
  CountyLookup(const CountyLookup&) = delete;
  CountyLookup& operator=(const CountyLookup&) = delete;

  // As ResolveCounty(field, region, callsign, log, text), with the same
  // result, field and messages. A field given a new value views the lookup's
  // text, which stays put for the lookup's life, or, for an answer not kept,
  // a text its record keeps.
  int Resolve(AdifField& field, std::string_view callsign, MessageLog& log, QsoRecord& record);

  RegionId region() const { return region_; }
  // The values whose answers are kept.
  std::size_t size() const { return entries_.size(); }

 private:
  struct Entry {
    std::string_view key;   // the upper-cased value, in the lookup's texts
    std::string_view text;  // the field's value afterwards, in the texts
    std::uint32_t hash = 0;
    CountyAnswerKind kind = CountyAnswerKind::kUnknown;
  };

  const Entry* Find(std::string_view value, std::uint32_t hash) const;
  const Entry& Add(std::string_view value, std::uint32_t hash);
  std::string_view Keep(std::string_view text);
  void Place(std::uint32_t index);

  RegionId region_;
  std::size_t mostEntries_;
  std::vector<Entry> entries_;
  // Open addressing, linear probing: index + 1 of an entry, 0 for none; a
  // power of two at least twice the entries.
  std::vector<std::uint32_t> slots_;
  // The keys and texts, in chunks that never move.
  std::vector<std::unique_ptr<char[]>> chunks_;
  std::size_t chunkLeft_ = 0;
  char* chunkEnd_ = nullptr;
  std::string scratch_;  // an answer's text while it is made
};

}  // namespace quorvel
