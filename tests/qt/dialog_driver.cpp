#include "tests/qt/dialog_driver.h"

#include <QTest>
#include <utility>

namespace quorvel::ui::test {

DialogDriver::DialogDriver(DialogServices services)
    : dialog_(std::make_unique<MainDialog>(std::move(services))) {}

bool DialogDriver::Show() {
  dialog_->show();
  return QTest::qWaitForWindowActive(dialog_.get());
}

void DialogDriver::Type(QLineEdit* field, const QString& text) {
  field->setFocus(Qt::TabFocusReason);
  QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
  QTest::keyClick(field, Qt::Key_Delete);
  QTest::keyClicks(field, text);
}

void DialogDriver::ChooseRegion(const QString& name) {
  QComboBox* const list = controls().region;
  list->setFocus(Qt::TabFocusReason);
  const int wanted = list->findText(name, Qt::MatchExactly);
  if (wanted < 0) return;
  // Arrow keys walk the closed list one item at a time; a key that moves
  // nothing ends the walk.
  while (list->currentIndex() != wanted) {
    const int before = list->currentIndex();
    QTest::keyClick(list, before < wanted ? Qt::Key_Down : Qt::Key_Up);
    if (list->currentIndex() == before) return;
  }
}

void DialogDriver::PressKey(QWidget* control, Qt::Key key) {
  control->setFocus(Qt::TabFocusReason);
  QTest::keyClick(control, key);
}

void DialogDriver::Click(QWidget* control) { QTest::mouseClick(control, Qt::LeftButton); }

void DialogDriver::ToggleAddMobile() { PressKey(controls().addMobile, Qt::Key_Space); }

QStringList DialogDriver::Messages() const {
  QStringList lines;
  const QListWidget* const list = controls().messages;
  for (int row = 0; row < list->count(); ++row) lines << list->item(row)->text();
  return lines;
}

QString SamplePath(const QString& name) {
  return QStringLiteral(QUORVEL_SOURCE_DIR "/samples/") + name;
}

QString ConvertProgram() { return QStringLiteral(QUORVEL_CONVERT_PROGRAM); }

}  // namespace quorvel::ui::test
