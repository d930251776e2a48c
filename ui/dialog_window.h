// The window operations the main dialog's form model needs, so the model can
// run against a real dialog on Windows or a fake one in the tests.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace quorvel::ui {

// Message box types, with the Windows API's values.
inline constexpr unsigned kMbOk = 0x00000000;
inline constexpr unsigned kMbIconError = 0x00000010;

// OPENFILENAME flags, with the Windows API's values.
inline constexpr std::uint32_t kOfnOverwritePrompt = 0x00000002;
inline constexpr std::uint32_t kOfnHideReadOnly = 0x00000004;
inline constexpr std::uint32_t kOfnFileMustExist = 0x00001000;
inline constexpr std::uint32_t kOfnExplorer = 0x00080000;

// A shell result above this means the shell started the document's program.
inline constexpr std::intptr_t kShellErrorLimit = 32;

enum class FileDialogKind { kOpen, kSave };

// lStructSize: the size of the version-4.0 structure (76 bytes on 32-bit
// Windows); the binding supplies the number for its own pointer size.
enum class OpenFileNameSize { kVersion400 };

// One run of the standard file dialog, by the fields of OPENFILENAME that are
// not zero. Owner window, file-title buffer and initial folder are none.
struct FileDialogSettings {
  FileDialogKind kind = FileDialogKind::kOpen;
  OpenFileNameSize structSize = OpenFileNameSize::kVersion400;
  std::string_view filter;  // display name and patterns, NUL-separated, ends in two NULs
  std::uint32_t filterIndex = 0;
  std::string initialName;  // the buffer's first contents; shorter than bufferSize
  std::uint32_t bufferSize = 0;
  std::string_view title;
  std::uint32_t flags = 0;
  std::string_view defaultExtension;
};

enum class PathField { kInput, kOutput };

class DialogWindow {
 public:
  virtual ~DialogWindow() = default;

  // The region list: append an item; the selected item's index, -1 for none.
  virtual void AddRegionItem(const std::string& name) = 0;
  virtual int SelectedRegionItem() = 0;

  // The "Add /M to mobiles" box.
  virtual void SetAddMobileCheck(bool checked) = 0;
  virtual bool IsAddMobileChecked() = 0;

  // A path field's whole text; writing selects an equal list item if there is
  // one, otherwise sets the text unless it is already equal.
  virtual std::string ReadPathField(PathField field) = 0;
  virtual void WritePathField(PathField field, const std::string& text) = 0;

  // The message list.
  virtual void ResetMessages() = 0;
  virtual void AddMessage(const std::string& line) = 0;

  // A modal box owned by the dialog; without a caption it bears the
  // application's name.
  virtual void ShowMessageBox(const std::string& text, unsigned type,
                              const std::optional<std::string>& caption) = 0;

  // True with the chosen full path; false when cancelled or failed.
  virtual bool RunFileDialog(const FileDialogSettings& settings, std::string& chosen) = 0;

  // Opens an address with the shell's "open" verb; the shell's result code.
  virtual std::intptr_t OpenAddress(const std::string& address) = 0;
};

}  // namespace quorvel::ui
