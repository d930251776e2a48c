#include "bench/log_generator.h"

#include <algorithm>
#include <cstdint>
#include <string_view>
#include <vector>

#include "bench/log_clock.h"
#include "counties/canadian_sections.h"
#include "counties/region_tables.h"

namespace quorvel::bench {

namespace {

// SplitMix64: tiny, and the same numbers on every platform and library.
class Random {
 public:
  explicit Random(std::uint64_t seed) : state_(seed) {}
  std::uint64_t Next() {
    std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ULL);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    return z ^ (z >> 31);
  }
  int Below(int n) { return static_cast<int>(Next() % static_cast<std::uint64_t>(n)); }
  bool Percent(double p) { return static_cast<double>(Next() % 1000000) < p * 10000; }
  template <typename T>
  const T& Pick(const std::vector<T>& items) {
    return items[static_cast<std::size_t>(Below(static_cast<int>(items.size())))];
  }

 private:
  std::uint64_t state_;
};

void AddKeys(std::vector<std::string_view>& keys, RegionId region) {
  if (const StateCountyTable* table = StateCountyTableFor(region)) {
    for (std::size_t i = 0; i < table->rowCount; ++i) keys.push_back(table->rows[i].key);
  } else if (const ContestCountyTable* contest = ContestCountyTableFor(region)) {
    for (std::size_t i = 0; i < contest->rowCount; ++i) keys.push_back(contest->rows[i].key);
  }
}

// What the chosen region accepts as a county value.
std::vector<std::string_view> CountyKeys(RegionId region) {
  std::vector<std::string_view> keys;
  if (region == kMulti) {
    AddKeys(keys, kSevenQp);
    AddKeys(keys, kNeqp);
    AddKeys(keys, kIndiana);
  } else {
    AddKeys(keys, region);
  }
  std::sort(keys.begin(), keys.end());
  keys.erase(std::unique(keys.begin(), keys.end()), keys.end());
  return keys;
}

constexpr std::string_view kNames[] = {"BOB", "ANN", "JIM", "SUE", "DAVE", "MARY", "TOM", "LIZ"};

struct Band {
  const char* band;
  int kilohertz;
};
constexpr Band kBands[] = {{"160M", 1800}, {"80M", 3500},  {"40M", 7000},
                           {"20M", 14000}, {"15M", 21000}, {"10M", 28000}};

class Generator {
 public:
  Generator(const LogOptions& options, std::vector<std::string_view> keys)
      : options_(options), random_(options.seed), clock_(options.edgeTimes), keys_(keys) {
    for (const RegionRow& row : RegionCatalogue) {
      if (row.abbreviation.size() == 2) states_.push_back(row.abbreviation);
    }
    canadian_.assign(CanadianAreaCodes.begin(), CanadianAreaCodes.end());
    for (const CanadianAlias& alias : CanadianAreaAliases) canadian_.push_back(alias.alias);
  }

  void Header(std::string& out) const;
  void Record(std::string& out, long long serial);

 private:
  void Field(std::string_view name, std::string_view value) {
    out_->append(" <").append(name).append(":").append(std::to_string(value.size()));
    out_->append(">").append(value);
  }
  std::string Callsign(bool canadian);
  std::string CountyValue(bool& canadian);
  std::string Unknown();
  std::string Hex(int digits);
  void DateAndTime();
  void Carriers(std::vector<std::string>& values, std::string& call);

  const LogOptions& options_;
  Random random_;
  LogClock clock_;
  std::vector<std::string_view> keys_;
  std::vector<std::string_view> states_;
  std::vector<std::string_view> canadian_;
  std::string* out_ = nullptr;
};

void Generator::Header(std::string& out) const {
  out.append("N1MM Logger+ ADIF export\r\nExported for N4ABC\r\nContest: ");
  out.append(RegionAbbreviation(options_.region)).append("-QSO-PARTY\r\n");
  out.append("<ADIF_VER:5>3.1.4 <PROGRAMID:12>N1MM Logger+\r\n<EOH>\r\n");
}

std::string Generator::Callsign(bool canadian) {
  static constexpr char kLetters[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZ";
  std::string call;
  if (canadian) {
    call = random_.Below(4) == 0 ? "VA" : "VE";
  } else {
    call = std::string(1, "KNW"[random_.Below(3)]);
    if (random_.Below(2) == 0) call.push_back(kLetters[random_.Below(26)]);
  }
  call.push_back(static_cast<char>('0' + random_.Below(canadian ? 7 : 10) + (canadian ? 1 : 0)));
  for (int n = 1 + random_.Below(3); n > 0; --n) call.push_back(kLetters[random_.Below(26)]);
  return call;
}

// Three to five letters that are no county of the region, no state, no
// Canadian area and no section: each one draws a warning.
std::string Generator::Unknown() {
  for (;;) {
    std::string value;
    for (int n = 3 + random_.Below(3); n > 0; --n) {
      value.push_back(static_cast<char>('A' + random_.Below(26)));
    }
    if (!std::binary_search(keys_.begin(), keys_.end(), value) && !FindStateAbbreviation(value) &&
        !FindCanadianArea(value) && !FindSectionState(value)) {
      return value;
    }
  }
}

std::string Generator::CountyValue(bool& canadian) {
  if (random_.Percent(options_.warningPercent)) return Unknown();
  const int roll = random_.Below(100);
  if (roll < 8) return std::string(random_.Pick(states_));
  if (roll < 12) {
    canadian = true;
    return std::string(random_.Pick(canadian_));
  }
  if (roll < 13) return "DX";
  std::string key(random_.Pick(keys_));
  if (options_.region == kNaqp) key = std::string(kNames[random_.Below(8)]) + " " + key;
  if (roll < 16) {
    std::transform(key.begin(), key.end(), key.begin(),
                   [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; });
  }
  return key;
}

std::string Generator::Hex(int digits) {
  std::string text;
  while (digits-- > 0) text.push_back("0123456789abcdef"[random_.Below(16)]);
  return text;
}

// One county value, or two or three distinct ones (now and then one repeated)
// for a station on a county line.
void Generator::Carriers(std::vector<std::string>& values, std::string& call) {
  bool canadian = false;
  values.clear();
  if (options_.region != kNaqp && random_.Percent(options_.countyLinePercent)) {
    const int count = random_.Below(10) < 7 ? 2 : 3;
    while (static_cast<int>(values.size()) < count) {
      std::string key(random_.Pick(keys_));
      if (std::find(values.begin(), values.end(), key) == values.end()) values.push_back(key);
    }
    if (random_.Below(10) == 0) values.back() = values.front();
  } else {
    values.push_back(CountyValue(canadian));
  }
  call = Callsign(canadian);
  // A portable station whose suffix is its county.
  if (values.size() == 1 && !canadian && random_.Below(200) == 0 &&
      std::binary_search(keys_.begin(), keys_.end(), values[0])) {
    call.append("/").append(values[0]);
  }
}

void Generator::DateAndTime() {
  const LogTime when = clock_.Next(random_.Next());
  std::string date = when.date;
  std::string time = when.time;
  if (options_.edgeTimes && random_.Below(50) == 0) time.resize(4);  // HHMM, as some loggers
  if (options_.edgeTimes && random_.Below(400) == 0) {
    static constexpr const char* kOdd[][2] = {
        {nullptr, "12345"},    {nullptr, "2460"},     {nullptr, "235960"},  {"20230229", nullptr},
        {"20240431", nullptr}, {"19690704", nullptr}, {"2024013", nullptr},
    };
    const auto& odd = kOdd[random_.Below(7)];
    if (odd[0] != nullptr) date = odd[0];
    if (odd[1] != nullptr) time = odd[1];
  }
  Field("QSO_DATE", date);
  Field("TIME_ON", time);
  Field("TIME_OFF", when.time);
}

void Generator::Record(std::string& out, long long serial) {
  out_ = &out;
  std::vector<std::string> values;
  std::string call;
  Carriers(values, call);
  const Band& band = kBands[random_.Below(6)];
  const bool cw = random_.Below(2) == 0;
  const int hertz = (band.kilohertz + (cw ? 0 : 150) + random_.Below(100)) * 1000;
  char frequency[32];
  std::snprintf(frequency, sizeof frequency, "%d.%05d", hertz / 1000000, hertz % 1000000 / 10);

  out.push_back(' ');
  out.append("<CALL:").append(std::to_string(call.size())).append(">").append(call);
  DateAndTime();
  Field("BAND", band.band);
  Field("STATION_CALLSIGN", "N4ABC");
  Field("FREQ", frequency);
  Field("CONTEST_ID", std::string(RegionAbbreviation(options_.region)) + "-QSO-PARTY");
  Field("FREQ_RX", frequency);
  Field("MODE", cw ? "CW" : "SSB");
  Field("RST_RCVD", cw ? "599" : "59");
  Field("RST_SENT", cw ? "599" : "59");
  Field("OPERATOR", "N4ABC");
  Field("CQZ", std::to_string(3 + random_.Below(3)));
  Field("ITUZ", std::to_string(6 + random_.Below(3)));
  Field("STX", std::to_string(serial));
  const int carrier = values.size() > 1 ? 0 : random_.Below(20);
  if (carrier >= 17) Field("CNTY", values[0]);
  if (carrier >= 14 && carrier < 17) Field("QTH", values[0]);
  if (carrier < 14) Field("APP_N1MM_EXCHANGE1", values[0]);
  if (values.size() > 1) Field("APP_N1MM_MISCTEXT", values[1]);
  if (values.size() > 2) Field("QTH", values[2]);
  Field("APP_N1MM_POINTS", cw ? "2" : "1");
  Field("APP_N1MM_RADIO_NR", "1");
  Field("APP_N1MM_CONTINENT", "NA");
  Field("APP_N1MM_RUN1RUN2", "1");
  Field("APP_N1MM_RADIOINTERFACED", "1");
  Field("APP_N1MM_ISORIGINAL", "True");
  Field("APP_N1MM_NETBIOSNAME", "SHACK-PC");
  Field("APP_N1MM_ISRUNQSO", random_.Below(3) == 0 ? "0" : "1");
  Field("APP_N1MM_ID", Hex(32));
  Field("APP_N1MM_CLAIMEDQSO", "1");
  Field("APP_N1MM_PREFIX", call.substr(0, 2));
  Field("APP_N1MM_MULT1", "1");
  Field("APP_N1MM_MULT2", "0");
  out.append(options_.oneLine ? " <EOR>" : " <EOR>\r\n");
}

}  // namespace

bool WriteLog(const LogOptions& options, std::FILE* file, std::string& problem) {
  std::vector<std::string_view> keys = CountyKeys(options.region);
  if (options.region == kNaqp) {
    for (const RegionRow& row : RegionCatalogue) {
      if (row.abbreviation.size() == 2) keys.push_back(row.abbreviation);
    }
  }
  if (keys.empty()) {
    problem = "the region has no county table";
    return false;
  }
  Generator generator(options, std::move(keys));
  std::string block;
  generator.Header(block);
  for (long long serial = 1; serial <= options.qsos; ++serial) {
    generator.Record(block, serial);
    if (block.size() >= (1u << 20) || serial == options.qsos) {
      if (std::fwrite(block.data(), 1, block.size(), file) != block.size()) return false;
      block.clear();
    }
  }
  if (options.oneLine) block.append("\r\n");
  return block.empty() || std::fwrite(block.data(), 1, block.size(), file) == block.size();
}

}  // namespace quorvel::bench
