// The form model's window operations over the Qt widgets of the main dialog.
#pragma once

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
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

class WidgetWindow : public DialogWindow {
 public:
  // owner: the parent of the boxes and file dialogs.
  WidgetWindow(QWidget& owner, const DialogControls& controls, UrlOpener openUrl);

  void SetRegionItems(const std::vector<std::string>& names) override;
  int SelectedRegionItem() override;
  void SetAddMobileCheck(bool checked) override;
  bool IsAddMobileChecked() override;
  std::string ReadPathField(PathField field) override;
  void WritePathField(PathField field, const std::string& text) override;
  void SetListing(const std::vector<std::string>& lines) override;
  void ShowError(const std::string& text) override;
  void ShowNotice(const std::string& text) override;
  std::optional<std::string> ChooseFile(PathField field, const std::string& current) override;
  bool OpenWebPage(const std::string& address) override;

 private:
  QLineEdit& Field(PathField field) const;
  void ShowBox(QMessageBox::Icon icon, const std::string& text);

  QWidget& owner_;
  DialogControls controls_;
  UrlOpener openUrl_;
};

}  // namespace quorvel::ui
