// The "Input" and "Output" file dialogs: titles, modes, filters, suffix and
// overwrite question; a chosen file fills its field, a cancel changes nothing.
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>

#include "tests/qt/dialog_driver.h"
#include "tests/qt/modal_watch.h"
#include "tests/qt/suites.h"

namespace quorvel::ui::test {

namespace {

struct SeenDialog {
  QString title;
  QFileDialog::AcceptMode acceptMode;
  QFileDialog::FileMode fileMode;
  bool confirmsOverwrite;
  QStringList nameFilters;
  QString selectedNameFilter;
  QString defaultSuffix;
  QStringList selectedFiles;
  const QWidget* owner;
};

SeenDialog Read(const QFileDialog& dialog) {
  return {dialog.windowTitle(),   dialog.acceptMode(),
          dialog.fileMode(),      !dialog.testOption(QFileDialog::DontConfirmOverwrite),
          dialog.nameFilters(),   dialog.selectedNameFilter(),
          dialog.defaultSuffix(), dialog.selectedFiles(),
          dialog.parentWidget()};
}

// Types a path into the dialog's name field, as a user may, and accepts it.
// (selectFile would depend on the folder view having loaded.)
void Enter(QFileDialog& dialog, const QString& path) {
  auto* const name = dialog.findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
  if (name == nullptr) {
    dialog.selectFile(path);
  } else {
    name->setText(path);
  }
  // As the dialog's own button does; QFileDialog keeps its override protected.
  static_cast<QDialog&>(dialog).accept();
}

// Reads the next file dialog and answers it: a path to choose, or none to cancel.
class DialogAnswer {
 public:
  explicit DialogAnswer(QString choice = QString())
      : watch_([this, choice](QFileDialog& dialog) {
          seen_.push_back(Read(dialog));
          if (choice.isEmpty()) {
            dialog.reject();
          } else {
            Enter(dialog, choice);
          }
        }) {}

  const std::vector<SeenDialog>& seen() const { return seen_; }

 private:
  std::vector<SeenDialog> seen_;
  WhenShown<QFileDialog> watch_;
};

const QStringList kFilters{QStringLiteral("ADIF Files (*.adi *.adif)"),
                           QStringLiteral("All Files (*)")};

bool Touch(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::WriteOnly) && file.write("<EOH>\n") > 0;
}

}  // namespace

class FileDialogTest : public QObject {
  Q_OBJECT

 private slots:
  void inputOpensAnExistingAdifFile() {
    DialogDriver driver;
    QVERIFY(driver.Show());
    const DialogAnswer cancel;
    driver.Click(driver.controls().browseInput);
    QCOMPARE(cancel.seen().size(), std::size_t{1});
    const SeenDialog& seen = cancel.seen().front();
    QCOMPARE(seen.title, QStringLiteral("Input ADIF File"));
    QCOMPARE(seen.acceptMode, QFileDialog::AcceptOpen);
    QCOMPARE(seen.fileMode, QFileDialog::ExistingFile);
    QCOMPARE(seen.nameFilters, kFilters);
    QCOMPARE(seen.selectedNameFilter, kFilters.front());
    QCOMPARE(seen.defaultSuffix, QStringLiteral("adi"));
    QCOMPARE(seen.owner, &driver.dialog());
  }

  void outputSavesAndAsksBeforeReplacing() {
    QTemporaryDir dir;
    const QString existing = dir.filePath(QStringLiteral("existing.adi"));
    QVERIFY(Touch(existing));
    DialogDriver driver;
    QVERIFY(driver.Show());
    QStringList questions;
    const WhenShown<QMessageBox> replace([&questions](QMessageBox& box) {
      questions << box.text();
      box.button(QMessageBox::Yes)->click();
    });
    const DialogAnswer choose(existing);
    driver.Click(driver.controls().browseOutput);
    QCOMPARE(choose.seen().size(), std::size_t{1});
    const SeenDialog& seen = choose.seen().front();
    QCOMPARE(seen.title, QStringLiteral("Output ADIF file"));
    QCOMPARE(seen.acceptMode, QFileDialog::AcceptSave);
    QCOMPARE(seen.fileMode, QFileDialog::AnyFile);
    QVERIFY(seen.confirmsOverwrite);
    QCOMPARE(seen.nameFilters, kFilters);
    QCOMPARE(seen.selectedNameFilter, kFilters.front());
    QCOMPARE(seen.defaultSuffix, QStringLiteral("adi"));
    QCOMPARE(seen.owner, &driver.dialog());
    QCOMPARE(questions.size(), 1);
    QVERIFY(questions.front().contains(QStringLiteral("existing.adi")));
    QCOMPARE(driver.controls().outputPath->text(), existing);
    QCOMPARE(driver.form().m_strOutputFile, existing.toStdString());
  }

  void aNameWithoutSuffixGetsAdi() {
    QTemporaryDir dir;
    DialogDriver driver;
    QVERIFY(driver.Show());
    const DialogAnswer choose(dir.filePath(QStringLiteral("fresh")));
    driver.Click(driver.controls().browseOutput);
    QCOMPARE(driver.controls().outputPath->text(), dir.filePath(QStringLiteral("fresh.adi")));
  }

  void aChosenInputFillsItsFieldAndKeepsTheTypedOutput() {
    QTemporaryDir dir;
    const QString log = dir.filePath(QStringLiteral("chosen.adi"));
    QVERIFY(Touch(log));
    DialogDriver driver;
    QVERIFY(driver.Show());
    const DialogControls& c = driver.controls();
    driver.Type(c.outputPath, QStringLiteral("typed-out.adi"));
    const DialogAnswer choose(log);
    driver.Click(c.browseInput);
    QCOMPARE(c.inputPath->text(), log);
    QCOMPARE(driver.form().m_strInputFile, log.toStdString());
    QCOMPARE(c.outputPath->text(), QStringLiteral("typed-out.adi"));
    QCOMPARE(driver.form().m_strOutputFile, std::string("typed-out.adi"));
  }

  void theDialogStartsWithTheFieldsName() {
    QTemporaryDir dir;
    const QString typed = dir.filePath(QStringLiteral("typed.adi"));
    DialogDriver driver;
    QVERIFY(driver.Show());
    driver.Type(driver.controls().inputPath, typed);
    const DialogAnswer cancel;
    driver.Click(driver.controls().browseInput);
    QCOMPARE(cancel.seen().size(), std::size_t{1});
    QCOMPARE(cancel.seen().front().selectedFiles, QStringList{typed});
  }

  void aCancelledBrowseChangesNothing() {
    DialogDriver driver;
    QVERIFY(driver.Show());
    const DialogControls& c = driver.controls();
    driver.Type(c.inputPath, QStringLiteral("in.adi"));
    driver.Type(c.outputPath, QStringLiteral("out.adi"));
    const BoxRecorder boxes;
    const DialogAnswer cancel;
    driver.Click(c.browseInput);
    driver.Click(c.browseOutput);
    QCOMPARE(cancel.seen().size(), std::size_t{2});
    QCOMPARE(c.inputPath->text(), QStringLiteral("in.adi"));
    QCOMPARE(c.outputPath->text(), QStringLiteral("out.adi"));
    QCOMPARE(driver.form().m_strInputFile, std::string("in.adi"));
    QCOMPARE(driver.form().m_strOutputFile, std::string("out.adi"));
    QCOMPARE(boxes.boxes().size(), std::size_t{0});
  }
};

QUORVEL_QT_SUITE(FileDialogTest);

}  // namespace quorvel::ui::test

#include "file_dialog_test.moc"
