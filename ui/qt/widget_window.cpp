#include "ui/qt/widget_window.h"

#include <QDesktopServices>
#include <QFileDialog>
#include <QMessageBox>
#include <QSignalBlocker>
#include <utility>

#include "ui/qt/file_dialogs.h"
#include "ui/qt/qt_text.h"

namespace quorvel::ui {

bool OpenInDesktopBrowser(const QUrl& address) { return QDesktopServices::openUrl(address); }

WidgetWindow::WidgetWindow(QWidget& owner, const DialogControls& controls, UrlOpener openUrl)
    : owner_(owner), controls_(controls), openUrl_(std::move(openUrl)) {}

void WidgetWindow::SetRegionItems(const std::vector<std::string>& names) {
  // A Qt combo box selects its first item by itself; the list starts with
  // none selected, and filling it is not the user's choice.
  const QSignalBlocker quiet(controls_.region);
  controls_.region->clear();
  for (const std::string& name : names) controls_.region->addItem(ToDisplayText(name));
  controls_.region->setCurrentIndex(-1);
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

void WidgetWindow::SetListing(const std::vector<std::string>& lines) {
  controls_.messages->clear();
  for (const std::string& line : lines) controls_.messages->addItem(ToDisplayText(line));
}

void WidgetWindow::ShowBox(QMessageBox::Icon icon, const std::string& text) {
  QMessageBox box(icon, QString::fromLatin1(kApplicationName), ToDisplayText(text), QMessageBox::Ok,
                  &owner_);
  box.setTextFormat(Qt::PlainText);
  box.exec();
}

void WidgetWindow::ShowError(const std::string& text) { ShowBox(QMessageBox::Critical, text); }

void WidgetWindow::ShowNotice(const std::string& text) { ShowBox(QMessageBox::NoIcon, text); }

std::optional<std::string> WidgetWindow::ChooseFile(PathField field, const std::string& current) {
  QFileDialog dialog(&owner_);
  ConfigureFileDialog(dialog, field, current);
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  const QStringList files = dialog.selectedFiles();
  if (files.isEmpty()) return std::nullopt;
  return FromPathText(files.front());
}

bool WidgetWindow::OpenWebPage(const std::string& address) {
  return openUrl_ && openUrl_(QUrl(ToDisplayText(address)));
}

}  // namespace quorvel::ui
