// The form model's file-dialog settings, which follow the Windows common
// dialogs, applied to a Qt file dialog.
#pragma once

#include <QFileDialog>
#include <QStringList>
#include <string_view>

#include "ui/dialog_window.h"

namespace quorvel::ui {

// A Windows filter list (display name, patterns separated by ';', each NUL
// terminated, the list ending in an empty name) as Qt name filters:
// "ADIF Files (*.adi *.adif)". "*.*" means every file, "*" here.
QStringList NameFilters(std::string_view windowsFilter);

// Title, open or save, existing file or any, overwrite question, filters and
// the selected one, default suffix and the initial name.
void ConfigureFileDialog(QFileDialog& dialog, const FileDialogSettings& settings);

}  // namespace quorvel::ui
