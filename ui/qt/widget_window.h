// The form model's window operations over the Qt widgets of the main dialog.
#pragma once

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QUrl>
#include <QWidget>
#include <functional>

#include "ui/dialog_window.h"

namespace quorvel::ui {

// The name the message boxes bear when the form gives no caption.
inline constexpr char kApplicationName[] = "Quorvel";

// The main dialog's controls, in the template's (and the Tab) order.
struct DialogControls {
  QPushButton* browseInput = nullptr;
  QPushButton* browseOutput = nullptr;
  QComboBox* region = nullptr;
  QCheckBox* addMobile = nullptr;
  QPushButton* convert = nullptr;
  QPushButton* exit = nullptr;
  QPushButton* help = nullptr;
  QPushButton* about = nullptr;
  QLineEdit* inputPath = nullptr;
  QLineEdit* outputPath = nullptr;
  QListWidget* messages = nullptr;
  QLabel* regionLabel = nullptr;
};

// Opens an address in the user's web browser; false when nothing could.
using UrlOpener = std::function<bool(const QUrl&)>;

bool OpenInDesktopBrowser(const QUrl& address);

// What OpenAddress answers for an opened address and for a failure, in the
// shell's terms: above kShellErrorLimit is success; SE_ERR_NOASSOC (31) says
// no program takes the address.
inline constexpr std::intptr_t kShellOpened = kShellErrorLimit + 1;
inline constexpr std::intptr_t kShellNoAssociation = 31;

class WidgetWindow : public DialogWindow {
 public:
  // owner: the parent of the boxes and file dialogs.
  WidgetWindow(QWidget& owner, const DialogControls& controls, UrlOpener openUrl);

  void AddRegionItem(const std::string& name) override;
  int SelectedRegionItem() override;
  void SetAddMobileCheck(bool checked) override;
  bool IsAddMobileChecked() override;
  std::string ReadPathField(PathField field) override;
  void WritePathField(PathField field, const std::string& text) override;
  void ResetMessages() override;
  void AddMessage(const std::string& line) override;
  void ShowMessageBox(const std::string& text, unsigned type,
                      const std::optional<std::string>& caption) override;
  bool RunFileDialog(const FileDialogSettings& settings, std::string& chosen) override;
  std::intptr_t OpenAddress(const std::string& address) override;

 private:
  QLineEdit& Field(PathField field) const;

  QWidget& owner_;
  DialogControls controls_;
  UrlOpener openUrl_;
};

}  // namespace quorvel::ui
