// A main dialog on the screen, and what a user does to it: typing into the
// fields, choosing a region, pressing keys and buttons.
#pragma once

#include <QStringList>
#include <memory>

#include "ui/qt/main_dialog.h"

namespace quorvel::ui::test {

class DialogDriver {
 public:
  explicit DialogDriver(DialogServices services = DialogServices());

  // Shows the dialog and waits until it has the keyboard; false if it never does.
  bool Show();

  MainDialog& dialog() { return *dialog_; }
  const DialogControls& controls() const { return dialog_->Controls(); }
  const MainForm& form() const { return dialog_->Form(); }

  // Replaces a field's text by keystrokes.
  void Type(QLineEdit* field, const QString& text);
  // Chooses a region of the closed list by its name, as the keyboard does.
  void ChooseRegion(const QString& name);
  // Gives a control the focus and presses a key there.
  void PressKey(QWidget* control, Qt::Key key);
  void Click(QWidget* control);
  // Space on the check box, which toggles it.
  void ToggleAddMobile();

  QStringList Messages() const;

 private:
  std::unique_ptr<MainDialog> dialog_;
};

// Paths of the source tree's samples and of the command-line program.
QString SamplePath(const QString& name);
QString ConvertProgram();

}  // namespace quorvel::ui::test
