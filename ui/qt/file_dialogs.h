// The "Input" and "Output" file dialogs as Qt file dialogs.
#pragma once

#include <QFileDialog>
#include <QStringList>
#include <string>

#include "ui/dialog_window.h"

namespace quorvel::ui {

// ADIF files first, then every file.
QStringList AdifNameFilters();

// Title, open an existing file or save with the overwrite question, the
// filters with the first selected, the default suffix and the initial name.
void ConfigureFileDialog(QFileDialog& dialog, PathField field, const std::string& current);

}  // namespace quorvel::ui
