#include "ui/qt/file_dialogs.h"

#include <string>
#include <vector>

#include "ui/qt/qt_text.h"

namespace quorvel::ui {

namespace {

// The NUL-terminated texts of the list, up to the first empty one.
std::vector<std::string_view> FilterTexts(std::string_view list) {
  std::vector<std::string_view> texts;
  std::size_t start = 0;
  while (start < list.size()) {
    const std::size_t end = list.find('\0', start);
    const std::string_view text =
        list.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start);
    if (text.empty()) break;
    texts.push_back(text);
    if (end == std::string_view::npos) break;
    start = end + 1;
  }
  return texts;
}

QString QtPatterns(std::string_view windowsPatterns) {
  QStringList patterns;
  for (const QString& pattern : ToDisplayText(windowsPatterns).split(u';', Qt::SkipEmptyParts)) {
    patterns << (pattern == QStringLiteral("*.*") ? QStringLiteral("*") : pattern.trimmed());
  }
  return patterns.join(u' ');
}

}  // namespace

QStringList NameFilters(std::string_view windowsFilter) {
  const std::vector<std::string_view> texts = FilterTexts(windowsFilter);
  QStringList filters;
  for (std::size_t i = 0; i + 1 < texts.size(); i += 2) {
    filters << QStringLiteral("%1 (%2)").arg(ToDisplayText(texts[i]), QtPatterns(texts[i + 1]));
  }
  return filters;
}

void ConfigureFileDialog(QFileDialog& dialog, const FileDialogSettings& settings) {
  dialog.setWindowTitle(ToDisplayText(settings.title));
  const bool open = settings.kind == FileDialogKind::kOpen;
  dialog.setAcceptMode(open ? QFileDialog::AcceptOpen : QFileDialog::AcceptSave);
  dialog.setFileMode((settings.flags & kOfnFileMustExist) != 0 ? QFileDialog::ExistingFile
                                                               : QFileDialog::AnyFile);
  dialog.setOption(QFileDialog::DontConfirmOverwrite, (settings.flags & kOfnOverwritePrompt) == 0);
  const QStringList filters = NameFilters(settings.filter);
  dialog.setNameFilters(filters);
  // Index 0 and 1 both mean the first filter of the list.
  const qsizetype selected = settings.filterIndex == 0 ? 0 : settings.filterIndex - 1;
  if (selected < filters.size()) dialog.selectNameFilter(filters[selected]);
  dialog.setDefaultSuffix(ToDisplayText(settings.defaultExtension));
  if (!settings.initialName.empty()) dialog.selectFile(ToPathText(settings.initialName));
}

}  // namespace quorvel::ui
