#include "engine/county_lookup.h"

#include <cstring>

namespace quorvel {

namespace {

// Room for a log's usual few hundred values before the first growth.
constexpr std::size_t kFirstSlots = 1024;
constexpr std::size_t kChunkSize = 16384;

// FNV-1a: values are a few letters long.
std::uint32_t HashOf(std::string_view value) {
  std::uint32_t hash = 2166136261u;
  for (const char c : value) {
    hash ^= static_cast<unsigned char>(c);
    hash *= 16777619u;
  }
  return hash;
}

}  // namespace

CountyLookup::CountyLookup(RegionId region, std::size_t mostEntries)
    : region_(region), mostEntries_(mostEntries) {}

int CountyLookup::Resolve(AdifField& field, std::string_view callsign, MessageLog& log,
                          QsoRecord& record) {
  const std::string_view value = field.value;
  if (value.size() > kLongestValue)
    return ResolveCounty(field, region_, callsign, log, record.NewText());
  const std::uint32_t hash = HashOf(value);
  const Entry* entry = Find(value, hash);
  if (entry == nullptr) {
    if (entries_.size() >= mostEntries_)
      return ResolveCounty(field, region_, callsign, log, record.NewText());
    entry = &Add(value, hash);
  }
  return ApplyCountyAnswer(entry->kind, entry->text, field, region_, callsign, log);
}

const CountyLookup::Entry* CountyLookup::Find(std::string_view value, std::uint32_t hash) const {
  if (slots_.empty()) return nullptr;
  const std::size_t mask = slots_.size() - 1;
  for (std::size_t slot = hash & mask;; slot = (slot + 1) & mask) {
    const std::uint32_t index = slots_[slot];
    if (index == 0) return nullptr;
    const Entry& entry = entries_[index - 1];
    if (entry.hash == hash && entry.key == value) return &entry;
  }
}

const CountyLookup::Entry& CountyLookup::Add(std::string_view value, std::uint32_t hash) {
  const CountyAnswer answer = ClassifyCountyValue(value, region_);
  Entry entry;
  entry.key = Keep(value);
  entry.hash = hash;
  entry.kind = answer.kind;
  if (answer.kind == CountyAnswerKind::kCanadian || answer.kind == CountyAnswerKind::kUnknown) {
    entry.text = entry.key;
  } else {
    scratch_.clear();
    AppendCountyAnswerText(answer, value, scratch_);
    entry.text = Keep(scratch_);
  }
  entries_.push_back(entry);
  if (slots_.size() < 2 * entries_.size()) {
    slots_.assign(slots_.empty() ? kFirstSlots : 2 * slots_.size(), 0);
    for (std::uint32_t i = 0; i < entries_.size(); ++i) Place(i);
  } else {
    Place(static_cast<std::uint32_t>(entries_.size() - 1));
  }
  return entries_.back();
}

// A copy of text that stays put for the lookup's life.
std::string_view CountyLookup::Keep(std::string_view text) {
  if (text.size() > chunkLeft_) {
    const std::size_t size = text.size() > kChunkSize ? text.size() : kChunkSize;
    chunks_.push_back(std::make_unique<char[]>(size));
    chunkEnd_ = chunks_.back().get() + size;
    chunkLeft_ = size;
  }
  char* const kept = chunkEnd_ - chunkLeft_;
  if (!text.empty()) std::memcpy(kept, text.data(), text.size());
  chunkLeft_ -= text.size();
  return std::string_view(kept, text.size());
}

void CountyLookup::Place(std::uint32_t index) {
  const std::size_t mask = slots_.size() - 1;
  std::size_t slot = entries_[index].hash & mask;
  while (slots_[slot] != 0) slot = (slot + 1) & mask;
  slots_[slot] = index + 1;
}

}  // namespace quorvel
