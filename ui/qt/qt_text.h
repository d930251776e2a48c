// Between the engine's 8-bit texts and Qt's strings.
#pragma once

#include <QString>
#include <string>
#include <string_view>

namespace quorvel::ui {

// A message or caption: UTF-8 where it is valid, otherwise Latin-1, so the
// bytes of an old Windows log still show as characters.
QString ToDisplayText(std::string_view text);

// File names in the encoding the file system uses.
QString ToPathText(const std::string& path);
std::string FromPathText(const QString& path);

}  // namespace quorvel::ui
