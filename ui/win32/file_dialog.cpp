#include "ui/win32/file_dialog.h"

#include <cstddef>

namespace quorvel::win32 {

namespace {

// Both dialogs offer ADIF files first, then all files.
constexpr char kAdifFilter[] = "ADIF Files\0*.adi;*.adif;\0All Files\0*.*\0";

// The size of OPENFILENAMEA as Windows 95 and NT 4 knew it: up to and including
// lpTemplateName (76 bytes on 32-bit Windows).
constexpr DWORD kOpenFileNameSize400 =
    offsetof(OPENFILENAMEA, lpTemplateName) + sizeof(OPENFILENAMEA::lpTemplateName);
static_assert(sizeof(void*) != 4 || kOpenFileNameSize400 == 76);

}  // namespace

std::vector<char> FileNameBuffer(const std::string& current) {
  std::vector<char> buffer(kFileNameBuffer + 1, '\0');
  if (current.size() < kFileNameBuffer) current.copy(buffer.data(), current.size());
  return buffer;
}

OPENFILENAMEA FileDialogFields(ui::PathField field, std::vector<char>& buffer) {
  const bool input = field == ui::PathField::kInput;
  OPENFILENAMEA dialog = {};
  dialog.lStructSize = kOpenFileNameSize400;
  dialog.lpstrFilter = kAdifFilter;
  dialog.nFilterIndex = 0;  // the first filter
  dialog.lpstrFile = buffer.data();
  dialog.nMaxFile = kFileNameBuffer;
  dialog.lpstrTitle = input ? ui::kInputFileTitle : ui::kOutputFileTitle;
  dialog.Flags =
      OFN_EXPLORER | OFN_HIDEREADONLY | (input ? OFN_FILEMUSTEXIST : OFN_OVERWRITEPROMPT);
  dialog.lpstrDefExt = ui::kAdifExtension;
  return dialog;
}

std::optional<std::string> RunFileDialog(ui::PathField field, const std::string& current) {
  std::vector<char> buffer = FileNameBuffer(current);
  OPENFILENAMEA dialog = FileDialogFields(field, buffer);
  const BOOL ok =
      field == ui::PathField::kInput ? ::GetOpenFileNameA(&dialog) : ::GetSaveFileNameA(&dialog);
  if (!ok) return std::nullopt;
  return std::string(buffer.data());
}

}  // namespace quorvel::win32
