// Conversions through the window: the same output file and listing as the
// command-line program for the same log, region and option; the keys that
// press "Convert"; and a picture of the window after a run.
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include "tests/qt/dialog_driver.h"
#include "tests/qt/modal_watch.h"
#include "tests/qt/suites.h"

namespace quorvel::ui::test {

namespace {

struct CommandLineRun {
  int exitCode = -1;
  QStringList printedLines;  // standard output, one entry per LF-ended line
  QByteArray output;
};

CommandLineRun RunCommandLine(const QStringList& arguments, const QString& outputPath) {
  QProcess process;
  process.start(ConvertProgram(), arguments);
  CommandLineRun run;
  if (!process.waitForFinished(30000)) return run;
  run.exitCode = process.exitCode();
  const QString printed = QString::fromUtf8(process.readAllStandardOutput());
  run.printedLines = printed.split(u'\n');
  // The last line ends in LF too: nothing follows it.
  if (!run.printedLines.isEmpty() && run.printedLines.back().isEmpty()) run.printedLines.pop_back();
  QFile file(outputPath);
  if (file.open(QIODevice::ReadOnly)) run.output = file.readAll();
  return run;
}

QByteArray ReadFile(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

}  // namespace

class ConversionTest : public QObject {
  Q_OBJECT

 private slots:
  void theWindowWritesWhatTheCommandLineWrites_data() {
    QTest::addColumn<QString>("sample");
    QTest::addColumn<QString>("region");
    QTest::addColumn<QString>("abbreviation");
    QTest::addColumn<bool>("addMobile");
    QTest::addColumn<bool>("pressEnter");
    QTest::newRow("PA") << "pa-qso-party.adi"
                        << "Pennsylvania"
                        << "PA" << true << false;
    QTest::newRow("PA without /M") << "pa-qso-party.adi"
                                   << "Pennsylvania"
                                   << "PA" << false << true;
    QTest::newRow("USCQP") << "us-counties-qso-party.adi"
                           << "US Counties QSO Party"
                           << "USCQP" << true << true;
    QTest::newRow("MULTI") << "7qp-neqp-inqp.adi"
                           << "7QP/INQP/NEQP"
                           << "MULTI" << true << false;
    QTest::newRow("NAQP") << "naqp.adi"
                          << "North American QSO Party"
                          << "NAQP" << false << false;
  }

  void theWindowWritesWhatTheCommandLineWrites() {
    QFETCH(QString, sample);
    QFETCH(QString, region);
    QFETCH(QString, abbreviation);
    QFETCH(bool, addMobile);
    QFETCH(bool, pressEnter);
    QTemporaryDir dir;
    const QString input = SamplePath(sample);
    const QString output = dir.filePath(QStringLiteral("converted.adi"));
    QStringList arguments{QStringLiteral("--region"), abbreviation};
    if (!addMobile) arguments << QStringLiteral("--no-mobile");
    const CommandLineRun expected = RunCommandLine(arguments << input << output, output);
    QCOMPARE(expected.exitCode, 0);
    QVERIFY(!expected.output.isEmpty());
    QVERIFY(QFile::remove(output));

    DialogDriver driver;
    QVERIFY(driver.Show());
    const DialogControls& c = driver.controls();
    driver.Type(c.inputPath, input);
    driver.Type(c.outputPath, output);
    driver.ChooseRegion(region);
    if (!addMobile) driver.ToggleAddMobile();
    QCOMPARE(c.addMobile->isChecked(), addMobile);
    const BoxRecorder recorder;
    if (pressEnter) {
      QTest::keyClick(c.outputPath, Qt::Key_Return);
    } else {
      driver.Click(c.convert);
    }
    QCOMPARE(recorder.boxes().size(), std::size_t{0});
    // Item for item: a message holding a line feed shows as one item per line.
    QCOMPARE(driver.Messages(), expected.printedLines);
    QCOMPARE(ReadFile(output), expected.output);
    QVERIFY(driver.dialog().isVisible());
  }

  void theOptionDecidesTheSuffixOfAPortableCall() {
    QTemporaryDir dir;
    DialogDriver driver;
    QVERIFY(driver.Show());
    const DialogControls& c = driver.controls();
    driver.Type(c.inputPath, SamplePath(QStringLiteral("pa-qso-party.adi")));
    driver.Type(c.outputPath, dir.filePath(QStringLiteral("out.adi")));
    driver.ChooseRegion(QStringLiteral("Pennsylvania"));
    const QString withSuffix = QStringLiteral("INFO: Changing callsign WA3AER/CEN to WA3AER/M");
    const QString without = QStringLiteral("INFO: Changing callsign WA3AER/CEN to WA3AER");
    driver.Click(c.convert);
    QCOMPARE(driver.Messages().first(), withSuffix);
    driver.ToggleAddMobile();
    QVERIFY(!c.addMobile->isChecked());
    driver.Click(c.convert);
    const QStringList second = driver.Messages();
    QCOMPARE(second.first(), without);
    QCOMPARE(second.count(withSuffix), 0);
    QCOMPARE(second.count(without), 1);  // the first run's lines are gone
    driver.ToggleAddMobile();
    driver.Click(c.convert);
    QCOMPARE(driver.Messages().first(), withSuffix);
  }

  void enterPressesConvertUnlessAButtonHasTheFocus() {
    DialogDriver driver;
    QVERIFY(driver.Show());
    const DialogControls& c = driver.controls();
    const QString noInput = QStringLiteral("ERROR: Didn't specify input file.");
    for (QWidget* control :
         std::initializer_list<QWidget*>{c.inputPath, c.outputPath, c.addMobile, c.region}) {
      const BoxRecorder recorder;
      driver.PressKey(control, Qt::Key_Return);
      QCOMPARE(recorder.boxes().size(), std::size_t{1});
      QCOMPARE(recorder.boxes().front().text, noInput);
    }
    QVERIFY(c.addMobile->isChecked());
    const BoxRecorder recorder;
    driver.PressKey(c.about, Qt::Key_Return);
    QCOMPARE(recorder.boxes().size(), std::size_t{1});
    QVERIFY(recorder.boxes().front().text.startsWith(QStringLiteral("by ")));
    int dialogs = 0;
    const WhenShown<QFileDialog> cancel([&dialogs](QFileDialog& dialog) {
      ++dialogs;
      dialog.reject();
    });
    driver.PressKey(c.browseInput, Qt::Key_Return);
    QCOMPARE(dialogs, 1);
    QCOMPARE(recorder.boxes().size(), std::size_t{1});
    QVERIFY(driver.dialog().isVisible());
  }

  void aPictureOfTheWindowAfterARun() {
    QTemporaryDir dir;
    QVERIFY(QFile::copy(SamplePath(QStringLiteral("pa-qso-party.adi")),
                        dir.filePath(QStringLiteral("pa-qso-party.adi"))));
    // Names relative to the log's folder, as a user at work would type them.
    const QString home = QDir::currentPath();
    QVERIFY(QDir::setCurrent(dir.path()));
    DialogDriver driver;
    QVERIFY(driver.Show());
    const DialogControls& c = driver.controls();
    driver.Type(c.inputPath, QStringLiteral("pa-qso-party.adi"));
    driver.Type(c.outputPath, QStringLiteral("pa-qso-party-converted.adi"));
    driver.ChooseRegion(QStringLiteral("Pennsylvania"));
    driver.Click(c.convert);
    QDir::setCurrent(home);
    QVERIFY(
        driver.Messages().contains(QStringLiteral("Wrote 26 QSOs to pa-qso-party-converted.adi")));
    const QImage picture = driver.dialog().grab().toImage();
    QCOMPARE(picture.size(), driver.dialog().size() * driver.dialog().devicePixelRatio());
    const QString path = QStringLiteral(QUORVEL_QT_TEST_OUTPUT_DIR "/quorvel-gui.png");
    QVERIFY(picture.save(path, "PNG"));
    qInfo("picture of the window: %s", qPrintable(path));
  }
};

QUORVEL_QT_SUITE(ConversionTest);

}  // namespace quorvel::ui::test

#include "conversion_test.moc"
