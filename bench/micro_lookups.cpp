// The constant-table searches behind every county value.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "core/adif_field.h"
#include "core/message_log.h"
#include "counties/canadian_sections.h"
#include "counties/county_resolver.h"
#include "counties/region_tables.h"

namespace quorvel::bench {
namespace {

// Every key of the table, and as many that are not in it, in a scrambled order.
template <typename Table>
std::vector<std::string> Probes(const Table& table) {
  std::vector<std::string> keys;
  for (std::size_t i = 0; i < table.rowCount; ++i) {
    const std::size_t row = i * 7919 % table.rowCount;
    keys.emplace_back(table.rows[row].key);
    keys.push_back(keys.back() + "X");
  }
  return keys;
}

void BM_SearchContestTable(benchmark::State& state) {
  const ContestCountyTable& table = *ContestCountyTableFor(kUscqp);
  const std::vector<std::string> keys = Probes(table);
  const int last = static_cast<int>(table.rowCount) - 1;
  for (auto _ : state) {
    for (const std::string& key : keys) {
      benchmark::DoNotOptimize(SearchContestTable(key, table, 0, last));
    }
  }
  state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * keys.size()));
}
BENCHMARK(BM_SearchContestTable);

void BM_SearchCountyTable(benchmark::State& state) {
  const StateCountyTable& table = *StateCountyTableFor(kPennsylvania);
  const std::vector<std::string> keys = Probes(table);
  const int last = static_cast<int>(table.rowCount) - 1;
  for (auto _ : state) {
    for (const std::string& key : keys) {
      benchmark::DoNotOptimize(SearchCountyTable(key, table, 0, last));
    }
  }
  state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * keys.size()));
}
BENCHMARK(BM_SearchCountyTable);

void BM_FindStateAndCanadianArea(benchmark::State& state) {
  const std::vector<std::string> values = {"PA", "OH", "ON", "XX", "CEN", "QUE", "WY", "BC"};
  for (auto _ : state) {
    for (const std::string& value : values) {
      benchmark::DoNotOptimize(FindStateAbbreviation(value));
      benchmark::DoNotOptimize(FindCanadianArea(value));
    }
  }
  state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * values.size()));
}
BENCHMARK(BM_FindStateAndCanadianArea);

// The resolver as a record's field meets it: a known key becomes "state,county".
void BM_ResolveCounty(benchmark::State& state) {
  const ContestCountyTable& table = *ContestCountyTableFor(kUscqp);
  const std::vector<std::string> keys = Probes(table);
  AdifField field;
  MessageLog log;
  std::string text;
  std::size_t i = 0;
  for (auto _ : state) {
    const std::string& key = keys[i];
    i = i + 2 < keys.size() ? i + 2 : 0;  // known keys only: no warnings pile up
    field = AdifField{"APP_N1MM_EXCHANGE1", key, true};
    benchmark::DoNotOptimize(ResolveCounty(field, kUscqp, "W1AW", log, text));
  }
  state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations()));
}
BENCHMARK(BM_ResolveCounty);

}  // namespace
}  // namespace quorvel::bench
