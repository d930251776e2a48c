// Writes ADIF fields, keeping the output's lines within 79 characters where
// the fields allow.
#pragma once

#include <cstddef>
#include <string_view>

#include "engine/platform/text_writer.h"

namespace quorvel {

struct AdifField;

// Writes "<name:length>value", or "<name>" when value is null, after a blank
// on the current line or at the start of a new one. column is what the
// previous call returned, 0 at the start of a record; returns the new column.
std::size_t WriteAdifField(TextWriter& output, std::string_view name, const std::string_view* value,
                           std::size_t column);

std::size_t WriteAdifField(TextWriter& output, const AdifField& field, std::size_t column);

}  // namespace quorvel
