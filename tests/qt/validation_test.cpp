// A request the conversion refuses: its error text in a box with the stop
// icon, captioned "Quorvel", owned by the window; the list keeps what it had.
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include "tests/qt/dialog_driver.h"
#include "tests/qt/modal_watch.h"
#include "tests/qt/suites.h"

namespace quorvel::ui::test {

namespace {

void ExpectErrorBox(const BoxRecorder& recorder, const QWidget* owner, const QString& text) {
  QCOMPARE(recorder.boxes().size(), std::size_t{1});
  const SeenBox& box = recorder.boxes().front();
  QCOMPARE(box.text, text);
  QCOMPARE(box.title, QStringLiteral("Quorvel"));
  QCOMPARE(box.icon, QMessageBox::Critical);
  QCOMPARE(box.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
  QCOMPARE(box.format, Qt::PlainText);
  QCOMPARE(box.owner, owner);
}

bool WriteLog(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::WriteOnly) &&
         file.write("<EOH>\n<CALL:4>W1AW <QSO_DATE:8>20240504 <TIME_ON:4>1430 <EOR>\n") > 0;
}

}  // namespace

class ValidationTest : public QObject {
  Q_OBJECT

 private slots:
  // The order of the checks is the form model's (ui_form_model_test.cpp);
  // these rows show that each control's value reaches it from this window.
  void eachRefusedRequestShowsItsErrorBox_data() {
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("output");
    QTest::addColumn<QString>("region");
    QTest::addColumn<QString>("error");
    QTest::newRow("no input") << ""
                              << ""
                              << ""
                              << "ERROR: Didn't specify input file.";
    QTest::newRow("no region") << "missing.adi"
                               << "out.adi"
                               << ""
                               << "ERROR: You must select a state.";
    QTest::newRow("output folder missing") << "in.adi"
                                           << "no/such/out.adi"
                                           << "Alabama"
                                           << "ERROR: Could not open output file.";
  }

  void eachRefusedRequestShowsItsErrorBox() {
    QFETCH(QString, input);
    QFETCH(QString, output);
    QFETCH(QString, region);
    QFETCH(QString, error);
    QTemporaryDir dir;
    QVERIFY(WriteLog(dir.filePath(QStringLiteral("in.adi"))));
    DialogDriver driver;
    QVERIFY(driver.Show());
    const DialogControls& c = driver.controls();
    if (!input.isEmpty()) driver.Type(c.inputPath, dir.filePath(input));
    if (!output.isEmpty()) driver.Type(c.outputPath, dir.filePath(output));
    if (!region.isEmpty()) driver.ChooseRegion(region);
    const BoxRecorder recorder;
    driver.Click(c.convert);
    ExpectErrorBox(recorder, &driver.dialog(), error);
    QCOMPARE(c.messages->count(), 0);
    QVERIFY(!QFile::exists(dir.filePath(QStringLiteral("out.adi"))));
  }

  void aRefusedRequestKeepsThePreviousListing() {
    QTemporaryDir dir;
    const QString input = dir.filePath(QStringLiteral("in.adi"));
    QVERIFY(WriteLog(input));
    DialogDriver driver;
    QVERIFY(driver.Show());
    const DialogControls& c = driver.controls();
    driver.Type(c.inputPath, input);
    driver.Type(c.outputPath, dir.filePath(QStringLiteral("out.adi")));
    driver.ChooseRegion(QStringLiteral("Pennsylvania"));
    driver.Click(c.convert);
    const QStringList listing = driver.Messages();
    QCOMPARE(listing, QStringList({QStringLiteral("Converted 0 Pennsylvania counties."),
                                   "Wrote 1 QSOs to " + dir.filePath(QStringLiteral("out.adi")),
                                   QString()}));
    const struct {
      QString output;
      const char* error;
    } refusals[] = {
        {dir.filePath(QStringLiteral("no/such/out.adi")), "ERROR: Could not open output file."},
        {input, "ERROR: Input and output file names must be different."},
        {QString(), "ERROR: Didn't specify output file."},
    };
    for (const auto& refusal : refusals) {
      driver.Type(c.outputPath, refusal.output);
      const BoxRecorder recorder;
      driver.Click(c.convert);
      ExpectErrorBox(recorder, &driver.dialog(), QString::fromLatin1(refusal.error));
      QCOMPARE(driver.Messages(), listing);
    }
  }
};

QUORVEL_QT_SUITE(ValidationTest);

}  // namespace quorvel::ui::test

#include "validation_test.moc"
