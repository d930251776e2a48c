// The standard file dialogs of the "Input" and "Output" buttons, as the
// common-dialog structure they are run with.
#pragma once

// clang-format off
#include <windows.h>
#include <commdlg.h>
// clang-format on

#include <optional>
#include <string>
#include <vector>

#include "ui/dialog_window.h"

namespace quorvel::win32 {

// The file-name buffer: MAX_PATH characters with the terminator.
inline constexpr DWORD kFileNameBuffer = MAX_PATH;

// The buffer a dialog starts with: current as the initial name when it fits
// with its terminator, otherwise nothing rather than a cut name.
std::vector<char> FileNameBuffer(const std::string& current);

// The structure for a field's dialog over buffer; the fields not set are zero.
OPENFILENAMEA FileDialogFields(ui::PathField field, std::vector<char>& buffer);

// Runs the dialog: the chosen full path, or nothing when cancelled or failed.
std::optional<std::string> RunFileDialog(ui::PathField field, const std::string& current);

}  // namespace quorvel::win32
