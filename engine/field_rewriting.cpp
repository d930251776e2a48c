#include "engine/field_rewriting.h"

namespace quorvel {

namespace {

bool IsCallsignName(std::string_view name) {
  if (name.size() != 4) return false;
  const char* call = "CALL";
  for (std::size_t i = 0; i < 4; ++i) {
    const char c = name[i];
    if (c != call[i] && c != call[i] + ('a' - 'A')) return false;
  }
  return true;
}

}  // namespace

RewriteResult RewriteRecordFields(QsoRecord& record, RegionId, int, MessageLog&) {
  RewriteResult result;
  for (std::size_t i = 0; i < record.fieldCount(); ++i) {
    const AdifField& field = record.field(i);
    if (IsCallsignName(field.name)) result.callsign = field.value;
  }
  return result;
}

}  // namespace quorvel
