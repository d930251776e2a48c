// The binding's small parts: dialog units, text encodings and the icon.
#include <QFontMetrics>
#include <QTest>

#include "tests/qt/suites.h"
#include "ui/qt/app_icon.h"
#include "ui/qt/dialog_units.h"
#include "ui/qt/qt_text.h"

namespace quorvel::ui::test {

class PiecesTest : public QObject {
  Q_OBJECT

 private slots:
  void dialogUnitsMapAsWindowsDoes() {
    // The base units of an 8-point dialog font on a 96-dpi Windows screen.
    const DialogUnits units(6, 13);
    QCOMPARE(units.ToPixels(372, 258), QSize(558, 419));
    QCOMPARE(units.ToPixels(DialogRect{204, 18, 50, 12}), QRect(306, 29, 75, 20));
    QCOMPARE(units.ToPixels(DialogRect{18, 120, 336, 120}), QRect(27, 195, 504, 195));
    QCOMPARE(units.ToPixelsY(1), 2);  // 1.625 rounds up
    QCOMPARE(units.ToPixelsX(1), 2);  // 1.5 rounds up
    QCOMPARE(units.ToPixelsX(0), 0);
  }

  void baseUnitsComeFromTheFontsLetters() {
    const QFont font = QApplication::font();
    const QFontMetrics metrics(font);
    const DialogUnits units = DialogUnits::ForFont(font);
    const double average = metrics.horizontalAdvance(QStringLiteral(
                               "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz")) /
                           52.0;
    QVERIFY2(std::abs(units.baseWidth() - average) <= 0.5 + 1e-9,
             qPrintable(QStringLiteral("%1 for %2").arg(units.baseWidth()).arg(average)));
    QCOMPARE(units.baseHeight(), metrics.height());
    QVERIFY(units.baseWidth() > 0);
  }

  void textsKeepTheirCharacters() {
    QCOMPARE(ToDisplayText("WARNING: K\xc3\xb8X"), QStringLiteral("WARNING: K\u00f8X"));
    // Not UTF-8: an old Windows log's byte, read as Latin-1.
    QCOMPARE(ToDisplayText("WARNING: K\xf8X"), QStringLiteral("WARNING: K\u00f8X"));
    QCOMPARE(ToDisplayText(std::string_view("a\0b", 3)),
             QString(QStringLiteral("a") + QChar(0) + "b"));
    const std::string path = "/logs/M\xc3\xbcnchen/in.adi";
    QCOMPARE(ToPathText(path), QStringLiteral("/logs/M\u00fcnchen/in.adi"));
    QCOMPARE(FromPathText(ToPathText(path)), path);
  }

  void theIconIsAPictureOnATransparentGround() {
    for (const int size : kIconSizes) {
      const QImage icon = DrawAppIcon(size);
      QCOMPARE(icon.size(), QSize(size, size));
      QCOMPARE(qAlpha(icon.pixel(0, 0)), 0);
      QCOMPARE(qAlpha(icon.pixel(size - 1, 0)), 0);
      // The mast stands in the middle, the map below it is opaque.
      QVERIFY(qAlpha(icon.pixel(size / 2, size / 2)) > 0);
      QCOMPARE(qAlpha(icon.pixel(size / 4, size * 27 / 32)), 255);
    }
    QCOMPARE(AppIcon().availableSizes().size(), qsizetype(std::size(kIconSizes)));
  }
};

QUORVEL_QT_SUITE(PiecesTest);

}  // namespace quorvel::ui::test

#include "pieces_test.moc"
