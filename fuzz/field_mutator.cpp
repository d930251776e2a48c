// Mutations at the level of ADIF fields, so that a mutated log still has its
// lengths right and reaches the rewriting and county-line code, not only the
// scanner. Half of the mutations are libFuzzer's own byte mutations. The
// first byte (region and options) is left to those.
#include <cstdint>
#include <cstring>
#include <iterator>
#include <random>
#include <string>
#include <vector>

extern "C" std::size_t LLVMFuzzerMutate(std::uint8_t* data, std::size_t size, std::size_t maxSize);

namespace {

struct Field {
  std::string name;
  bool sized = false;  // written with a length
  std::string value;
  std::string after;  // the bytes up to the next tag
};

struct Log {
  std::string head;  // the bytes before the first tag
  std::vector<Field> fields;
  std::string rest;  // from a tag that could not be read on
};

constexpr const char* kNames[] = {"CALL",       "QSO_DATE",   "TIME_ON",    "STATE", "CNTY",
                                  "QTH",        "CTY",        "CTY2",       "EOR",   "EOH",
                                  "CONTEST_ID", "STX_STRING", "SRX_STRING", "MODE",  "BAND"};
constexpr const char* kValues[] = {"cen",          "cen/bla", "CEN/BLA/HUN", "PA",     "PA,Centre",
                                   "20241012",     "1200",    "235959",      "W1AW",   "K3ABC/M",
                                   "MI-QSO-PARTY", "",        "9999",        "GEORGIA"};

Log Parse(const std::string& text) {
  Log log;
  std::size_t at = text.find('<');
  log.head = text.substr(0, at);
  while (at != std::string::npos && at < text.size()) {
    const std::size_t close = text.find('>', at);
    if (close == std::string::npos || close - at > 64) break;
    const std::string tag = text.substr(at + 1, close - at - 1);
    Field field;
    const std::size_t colon = tag.find(':');
    field.name = tag.substr(0, colon);
    std::size_t next = close + 1;
    if (colon != std::string::npos) {
      field.sized = true;
      const std::size_t length = std::strtoul(tag.c_str() + colon + 1, nullptr, 10);
      field.value = text.substr(next, length);
      next += field.value.size();
    }
    const std::size_t following = text.find('<', next);
    field.after =
        text.substr(next, following == std::string::npos ? std::string::npos : following - next);
    log.fields.push_back(field);
    at = following;
  }
  if (at != std::string::npos && at < text.size()) log.rest = text.substr(at);
  return log;
}

std::string Write(const Log& log) {
  std::string text = log.head;
  for (const Field& f : log.fields) {
    text += "<" + f.name;
    if (f.sized) text += ":" + std::to_string(f.value.size());
    text += ">" + f.value + f.after;
  }
  return text + log.rest;
}

Field NewField(std::minstd_rand& random) {
  Field f;
  f.name = kNames[random() % std::size(kNames)];
  f.sized = f.name != "EOR" && f.name != "EOH";
  if (f.sized) f.value = kValues[random() % std::size(kValues)];
  f.after = random() % 2 ? " " : "\r\n";
  return f;
}

void MutateFields(Log& log, std::minstd_rand& random) {
  std::vector<Field>& fields = log.fields;
  const std::size_t n = fields.size();
  const std::size_t i = n == 0 ? 0 : random() % n;
  switch (n == 0 ? 1 : random() % 6) {
    case 0:  // a new value, its length fixed on writing
      fields[i].sized = true;
      fields[i].value = kValues[random() % std::size(kValues)];
      break;
    case 1:
      fields.insert(fields.begin() + static_cast<std::ptrdiff_t>(i), NewField(random));
      break;
    case 2:
      fields.erase(fields.begin() + static_cast<std::ptrdiff_t>(i));
      break;
    case 3: {
      Field eor;
      eor.name = random() % 2 ? "EOR" : "eor";
      eor.after = "\r\n";
      fields.insert(fields.begin() + static_cast<std::ptrdiff_t>(i), eor);
      break;
    }
    case 4: {  // the record around field i once more
      std::size_t begin = i;
      while (begin > 0 && fields[begin - 1].name != "EOR") --begin;
      std::size_t end = i;
      while (end < n && fields[end].name != "EOR") ++end;
      if (end < n) ++end;
      const std::vector<Field> record(fields.begin() + static_cast<std::ptrdiff_t>(begin),
                                      fields.begin() + static_cast<std::ptrdiff_t>(end));
      fields.insert(fields.begin() + static_cast<std::ptrdiff_t>(end), record.begin(),
                    record.end());
      break;
    }
    default:
      fields[i].name = kNames[random() % std::size(kNames)];
      break;
  }
}

}  // namespace

extern "C" std::size_t LLVMFuzzerCustomMutator(std::uint8_t* data, std::size_t size,
                                               std::size_t maxSize, unsigned int seed) {
  std::minstd_rand random(seed);
  if (size < 2 || random() % 2 == 0) return LLVMFuzzerMutate(data, size, maxSize);
  Log log = Parse(std::string(reinterpret_cast<const char*>(data) + 1, size - 1));
  const int rounds = 1 + static_cast<int>(random() % 3);
  for (int r = 0; r < rounds; ++r) MutateFields(log, random);
  const std::string text = Write(log);
  if (text.size() + 1 > maxSize) return LLVMFuzzerMutate(data, size, maxSize);
  std::memcpy(data + 1, text.data(), text.size());
  return text.size() + 1;
}
