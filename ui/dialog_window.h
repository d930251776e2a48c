// The window operations the main dialog's form model needs, named by what the
// form wants done, so the same model runs in the Windows dialog, the Qt
// window and a fake one in the tests. Each binding keeps its own toolkit's
// details (flags, filters, buffers, result codes) to itself.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace quorvel::ui {

enum class PathField { kInput, kOutput };

// The titles of the two file dialogs, and the extension they add to a name
// typed without one.
inline constexpr char kInputFileTitle[] = "Input ADIF File";
inline constexpr char kOutputFileTitle[] = "Output ADIF file";
inline constexpr char kAdifExtension[] = "adi";

class DialogWindow {
 public:
  virtual ~DialogWindow() = default;

  // The region list: its items in order, none selected; the selected item's
  // index, -1 for none.
  virtual void SetRegionItems(const std::vector<std::string>& names) = 0;
  virtual int SelectedRegionItem() = 0;

  // The "Add /M to mobiles" box.
  virtual void SetAddMobileCheck(bool checked) = 0;
  virtual bool IsAddMobileChecked() = 0;

  // A path field's whole text; writing leaves an equal text alone.
  virtual std::string ReadPathField(PathField field) = 0;
  virtual void WritePathField(PathField field, const std::string& text) = 0;

  // The message list shows exactly these items, one line each.
  virtual void SetListing(const std::vector<std::string>& lines) = 0;

  // Modal boxes owned by the dialog and captioned with the application's
  // name: an error with the stop icon, or a notice without an icon.
  virtual void ShowError(const std::string& text) = 0;
  virtual void ShowNotice(const std::string& text) = 0;

  // The standard file dialog for a field: "Input" opens an existing file,
  // "Output" saves and asks before replacing one. current is the field's
  // path; the chosen full path, or nothing when cancelled or failed.
  virtual std::optional<std::string> ChooseFile(PathField field, const std::string& current) = 0;

  // Shows a web page in the user's browser; false when none could start.
  virtual bool OpenWebPage(const std::string& address) = 0;
};

}  // namespace quorvel::ui
