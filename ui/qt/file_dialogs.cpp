#include "ui/qt/file_dialogs.h"

#include "ui/qt/qt_text.h"

namespace quorvel::ui {

QStringList AdifNameFilters() {
  return {QStringLiteral("ADIF Files (*.adi *.adif)"), QStringLiteral("All Files (*)")};
}

void ConfigureFileDialog(QFileDialog& dialog, PathField field, const std::string& current) {
  const bool input = field == PathField::kInput;
  dialog.setWindowTitle(QString::fromLatin1(input ? kInputFileTitle : kOutputFileTitle));
  dialog.setAcceptMode(input ? QFileDialog::AcceptOpen : QFileDialog::AcceptSave);
  dialog.setFileMode(input ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
  // Only a save dialog asks before an existing file is replaced.
  dialog.setOption(QFileDialog::DontConfirmOverwrite, input);
  const QStringList filters = AdifNameFilters();
  dialog.setNameFilters(filters);
  dialog.selectNameFilter(filters.front());
  dialog.setDefaultSuffix(QString::fromLatin1(kAdifExtension));
  if (!current.empty()) dialog.selectFile(ToPathText(current));
}

}  // namespace quorvel::ui
