#include "ui/qt/widget_window.h"

#include <QDesktopServices>
#include <QFileDialog>
#include <QMessageBox>
#include <QSignalBlocker>
#include <utility>

#include "ui/qt/file_dialogs.h"
#include "ui/qt/qt_text.h"

namespace quorvel::ui {

namespace {

// The icon bits of a message box type (MB_ICONMASK).
constexpr unsigned kMbIconMask = 0x000000F0;

QMessageBox::Icon BoxIcon(unsigned type) {
  return (type & kMbIconMask) == kMbIconError ? QMessageBox::Critical : QMessageBox::NoIcon;
}

}  // namespace

bool OpenInDesktopBrowser(const QUrl& address) { return QDesktopServices::openUrl(address); }

WidgetWindow::WidgetWindow(QWidget& owner, const DialogControls& controls, UrlOpener openUrl)
    : owner_(owner), controls_(controls), openUrl_(std::move(openUrl)) {}

void WidgetWindow::AddRegionItem(const std::string& name) {
  // A Qt combo box selects its first item by itself; the list starts with
  // none selected, and filling it is not the user's choice.
  const QSignalBlocker quiet(controls_.region);
  const int selected = controls_.region->currentIndex();
  controls_.region->addItem(ToDisplayText(name));
  controls_.region->setCurrentIndex(selected);
}

int WidgetWindow::SelectedRegionItem() { return controls_.region->currentIndex(); }

void WidgetWindow::SetAddMobileCheck(bool checked) { controls_.addMobile->setChecked(checked); }

bool WidgetWindow::IsAddMobileChecked() { return controls_.addMobile->isChecked(); }

QLineEdit& WidgetWindow::Field(PathField field) const {
  return field == PathField::kInput ? *controls_.inputPath : *controls_.outputPath;
}

std::string WidgetWindow::ReadPathField(PathField field) {
  return FromPathText(Field(field).text());
}

void WidgetWindow::WritePathField(PathField field, const std::string& text) {
  // The fields have no list items to select; equal text is not set again.
  const QString value = ToPathText(text);
  if (Field(field).text() != value) Field(field).setText(value);
}

void WidgetWindow::ResetMessages() { controls_.messages->clear(); }

void WidgetWindow::AddMessage(const std::string& line) {
  controls_.messages->addItem(ToDisplayText(line));
}

void WidgetWindow::ShowMessageBox(const std::string& text, unsigned type,
                                  const std::optional<std::string>& caption) {
  const QString title = caption ? ToDisplayText(*caption) : QString::fromLatin1(kApplicationName);
  QMessageBox box(BoxIcon(type), title, ToDisplayText(text), QMessageBox::Ok, &owner_);
  box.setTextFormat(Qt::PlainText);
  box.exec();
}

bool WidgetWindow::RunFileDialog(const FileDialogSettings& settings, std::string& chosen) {
  QFileDialog dialog(&owner_);
  ConfigureFileDialog(dialog, settings);
  if (dialog.exec() != QDialog::Accepted) return false;
  const QStringList files = dialog.selectedFiles();
  if (files.isEmpty()) return false;
  chosen = FromPathText(files.front());
  return true;
}

std::intptr_t WidgetWindow::OpenAddress(const std::string& address) {
  const QUrl url(ToDisplayText(address));
  return openUrl_ && openUrl_(url) ? kShellOpened : kShellNoAssociation;
}

}  // namespace quorvel::ui
