// "About" shows the credits, version and build date without an icon; "Help"
// opens the home page in the browser and reports a browser that won't start.
#include <QDesktopServices>
#include <QTest>
#include <QUrl>

#include "tests/qt/dialog_driver.h"
#include "tests/qt/modal_watch.h"
#include "tests/qt/suites.h"
#include "ui/about.h"

namespace quorvel::ui::test {

// Takes the addresses that the desktop would hand to the web browser.
class BrowserStandIn : public QObject {
  Q_OBJECT

 public:
  QList<QUrl> opened;

 public slots:
  void Open(const QUrl& address) { opened << address; }
};

namespace {

QUrl HomePage() {
  return QUrl(QString::fromLatin1(HomePageAddress.data(), HomePageAddress.size()));
}

}  // namespace

class AboutHelpTest : public QObject {
  Q_OBJECT

 private slots:
  void aboutShowsTheTextWithoutIcon() {
    DialogDriver driver;
    QVERIFY(driver.Show());
    const BoxRecorder recorder;
    driver.Click(driver.controls().about);
    QCOMPARE(recorder.boxes().size(), std::size_t{1});
    const SeenBox& box = recorder.boxes().front();
    QCOMPARE(box.text, QString::fromStdString(AboutText()));
    QCOMPARE(box.text, "by Quorvel developers\nEmail: quorvel@example.org\n\nVersion 5.0\n" +
                           QString::fromLatin1(BuildDate().data(), BuildDate().size()));
    QCOMPARE(box.title, QStringLiteral("Quorvel"));
    QCOMPARE(box.icon, QMessageBox::NoIcon);
    QCOMPARE(box.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
    QCOMPARE(box.format, Qt::PlainText);
    QCOMPARE(box.owner, &driver.dialog());
    QCOMPARE(driver.controls().messages->count(), 0);
  }

  void helpOpensTheHomePageInTheBrowser() {
    BrowserStandIn browser;
    QDesktopServices::setUrlHandler(QStringLiteral("https"), &browser, "Open");
    {
      DialogDriver driver;
      QVERIFY(driver.Show());
      const BoxRecorder recorder;
      driver.Click(driver.controls().help);
      QCOMPARE(recorder.boxes().size(), std::size_t{0});
    }
    QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
    QCOMPARE(browser.opened, QList<QUrl>{HomePage()});
  }

  void helpReportsABrowserThatDoesNotStart() {
    QList<QUrl> tried;
    DialogServices services;
    services.openUrl = [&tried](const QUrl& address) {
      tried << address;
      return false;
    };
    DialogDriver driver(services);
    QVERIFY(driver.Show());
    const BoxRecorder recorder;
    driver.Click(driver.controls().help);
    QCOMPARE(tried, QList<QUrl>{HomePage()});
    QCOMPARE(recorder.boxes().size(), std::size_t{1});
    const SeenBox& box = recorder.boxes().front();
    QCOMPARE(box.text, QStringLiteral("ERROR:  Could not start web browser."));
    QCOMPARE(box.title, QStringLiteral("Quorvel"));
    QCOMPARE(box.icon, QMessageBox::Critical);
    QCOMPARE(box.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
  }
};

QUORVEL_QT_SUITE(AboutHelpTest);

}  // namespace quorvel::ui::test

#include "about_help_test.moc"
