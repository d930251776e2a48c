// The window as it opens: caption, controls, their captions, order and state,
// where they stand, the focus and the Tab order; and how it closes.
#include <QApplication>
#include <QTest>
#include <iterator>
#include <string_view>

#include "counties/region_catalogue.h"
#include "tests/qt/dialog_driver.h"
#include "tests/qt/suites.h"
#include "ui/qt/dialog_units.h"

namespace quorvel::ui::test {

class StartTest : public QObject {
  Q_OBJECT

 private slots:
  void aFixedWindowCaptionedQuorvel() {
    DialogDriver driver;
    QVERIFY(driver.Show());
    QCOMPARE(driver.dialog().windowTitle(), QStringLiteral("Quorvel"));
    const QSize size = DialogUnits::ForFont(driver.dialog().font()).ToPixels(372, 258);
    QCOMPARE(driver.dialog().size(), size);
    QCOMPARE(driver.dialog().minimumSize(), size);
    QCOMPARE(driver.dialog().maximumSize(), size);
    const Qt::WindowFlags flags = driver.dialog().windowFlags();
    QVERIFY(!(flags & Qt::WindowCloseButtonHint));
    QVERIFY(!(flags & Qt::WindowMinMaxButtonsHint));
  }

  void theControlsBearTheirCaptions() {
    DialogDriver driver;
    const DialogControls& c = driver.controls();
    QCOMPARE(c.browseInput->text(), QStringLiteral("Input"));
    QCOMPARE(c.browseOutput->text(), QStringLiteral("Output"));
    QCOMPARE(c.addMobile->text(), QStringLiteral("Add /M to mobiles"));
    QCOMPARE(c.addMobile->layoutDirection(), Qt::RightToLeft);  // caption left of the box
    QCOMPARE(c.convert->text(), QStringLiteral("Convert"));
    QCOMPARE(c.exit->text(), QStringLiteral("Exit"));
    QCOMPARE(c.help->text(), QStringLiteral("Help"));
    QCOMPARE(c.about->text(), QStringLiteral("About"));
    QCOMPARE(c.regionLabel->text(), QStringLiteral("State"));
    QVERIFY(c.convert->isDefault());
    for (QPushButton* other : {c.browseInput, c.browseOutput, c.exit, c.help, c.about}) {
      QVERIFY(!other->isDefault());
    }
  }

  void theRegionListHoldsTheFortyFourNamesAndNoChoice() {
    DialogDriver driver;
    QVERIFY(driver.Show());
    const QComboBox* list = driver.controls().region;
    QVERIFY(!list->isEditable());
    QCOMPARE(list->count(), 44);
    for (int item = 0; item < list->count(); ++item) {
      const std::string_view name = RegionName(RegionChoiceOrder[static_cast<std::size_t>(item)]);
      QCOMPARE(list->itemText(item), QString::fromUtf8(name.data(), qsizetype(name.size())));
    }
    QCOMPARE(list->itemText(0), QStringLiteral("Alabama"));
    QCOMPARE(list->itemText(37), QStringLiteral("7QP/INQP/NEQP"));
    QCOMPARE(list->itemText(43), QStringLiteral("US Counties QSO Party"));
    QCOMPARE(list->currentIndex(), -1);
    QCOMPARE(list->currentText(), QString());
    QCOMPARE(driver.form().m_nRegion, -1);
  }

  void theBoxIsCheckedAndTheFieldsAndListAreEmpty() {
    DialogDriver driver;
    QVERIFY(driver.Show());
    const DialogControls& c = driver.controls();
    QVERIFY(c.addMobile->isChecked());
    QVERIFY(driver.form().m_bAddMobile);
    QCOMPARE(c.inputPath->text(), QString());
    QCOMPARE(c.outputPath->text(), QString());
    QCOMPARE(c.messages->count(), 0);
  }

  void theFocusStartsOnInputAndTabRunsInTemplateOrder() {
    DialogDriver driver;
    QVERIFY(driver.Show());
    const DialogControls& c = driver.controls();
    QCOMPARE(QApplication::focusWidget(), c.browseInput);
    const QWidget* const expected[] = {c.browseOutput, c.region,     c.addMobile, c.convert,
                                       c.exit,         c.help,       c.about,     c.inputPath,
                                       c.outputPath,   c.browseInput};
    for (const QWidget* next : expected) {
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
      QCOMPARE(QApplication::focusWidget(), next);
    }
    QCOMPARE(c.messages->focusPolicy(), Qt::ClickFocus);
    QCOMPARE(c.regionLabel->focusPolicy(), Qt::NoFocus);
  }

  void theControlsStandAsInTheTemplate() {
    DialogDriver driver;
    const DialogControls& c = driver.controls();
    const DialogUnits units = DialogUnits::ForFont(driver.dialog().font());
    QCOMPARE(c.browseInput->geometry(), units.ToPixels({204, 18, 50, 12}));
    QCOMPARE(c.inputPath->geometry(), units.ToPixels({18, 18, 168, 12}));
    QCOMPARE(c.outputPath->geometry(), units.ToPixels({18, 48, 168, 12}));
    QCOMPARE(c.messages->geometry(), units.ToPixels({18, 120, 336, 120}));
    QCOMPARE(c.about->geometry(), units.ToPixels({306, 90, 50, 12}));
    // Path fields with their buttons to the right, on one line.
    QCOMPARE(c.browseInput->y(), c.inputPath->y());
    QCOMPARE(c.browseOutput->y(), c.outputPath->y());
    QVERIFY(c.inputPath->geometry().right() < c.browseInput->x());
    // The region list below them, its label to its right, the box below the label.
    QVERIFY(c.region->y() > c.outputPath->geometry().bottom());
    QCOMPARE(c.regionLabel->y(), c.region->y());
    QCOMPARE(c.regionLabel->x(), c.browseInput->x());
    QCOMPARE(c.addMobile->x(), c.regionLabel->x());
    QVERIFY(c.addMobile->y() > c.regionLabel->geometry().bottom());
    // The command column at the right edge, top to bottom.
    const QPushButton* column[] = {c.convert, c.exit, c.help, c.about};
    for (std::size_t i = 0; i + 1 < std::size(column); ++i) {
      QCOMPARE(column[i]->x(), column[i + 1]->x());
      QVERIFY(column[i]->geometry().bottom() < column[i + 1]->y());
    }
    QVERIFY(c.convert->x() > c.browseInput->geometry().right());
    // The list across the bottom, under everything else.
    QVERIFY(c.messages->y() > c.addMobile->geometry().bottom());
    QVERIFY(c.messages->y() > c.about->geometry().bottom());
    QCOMPARE(c.messages->x(), c.inputPath->x());
    QVERIFY(c.messages->geometry().right() > c.about->x());
    QVERIFY(c.messages->geometry().right() <= c.about->geometry().right());
    QVERIFY(c.messages->geometry().bottom() < driver.dialog().height());
    QCOMPARE(c.messages->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
  }

  void theKeyboardChoosesARegionInTheClosedList() {
    DialogDriver driver;
    QVERIFY(driver.Show());
    driver.PressKey(driver.controls().region, Qt::Key_Down);
    QCOMPARE(driver.controls().region->currentIndex(), 0);
    QCOMPARE(driver.form().m_nRegion, 1);  // Alabama
    driver.ChooseRegion(QStringLiteral("US Counties QSO Party"));
    QCOMPARE(driver.form().m_nRegion, 55);
    driver.ChooseRegion(QStringLiteral("Pennsylvania"));
    QCOMPARE(driver.form().m_nRegion, 37);
  }

  void theDroppedListChoosesARegion() {
    DialogDriver driver;
    QVERIFY(driver.Show());
    QComboBox* list = driver.controls().region;
    QTest::mouseClick(list, Qt::LeftButton);
    QAbstractItemView* dropped = list->view();
    QTRY_VERIFY(dropped->isVisible());
    dropped->setCurrentIndex(list->model()->index(37, 0));
    QTest::keyClick(dropped, Qt::Key_Return);
    QTRY_VERIFY(!dropped->isVisible());
    QCOMPARE(list->currentIndex(), 37);
    QCOMPARE(driver.form().m_nRegion, 56);  // 7QP/INQP/NEQP
  }

  void escapeCloses() {
    DialogDriver driver;
    QVERIFY(driver.Show());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    QVERIFY(!driver.dialog().isVisible());
    QCOMPARE(driver.dialog().result(), int(QDialog::Rejected));
  }

  void exitCloses() {
    DialogDriver driver;
    QVERIFY(driver.Show());
    driver.Click(driver.controls().exit);
    QVERIFY(!driver.dialog().isVisible());
    QCOMPARE(driver.dialog().result(), int(QDialog::Rejected));
  }

  void escapeClosesFromAPathField() {
    DialogDriver driver;
    QVERIFY(driver.Show());
    driver.Type(driver.controls().inputPath, QStringLiteral("in.adi"));
    QTest::keyClick(driver.controls().inputPath, Qt::Key_Escape);
    QVERIFY(!driver.dialog().isVisible());
  }
};

QUORVEL_QT_SUITE(StartTest);

}  // namespace quorvel::ui::test

#include "start_test.moc"
