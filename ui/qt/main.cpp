// quorvel-gui: the main dialog as a desktop window; the program ends when the
// dialog closes. It takes no arguments of its own and stores nothing.
#include <QApplication>

#include "quorvel_version.h"
#include "ui/qt/app_icon.h"
#include "ui/qt/main_dialog.h"

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  QApplication::setApplicationName(QString::fromLatin1(quorvel::ui::kApplicationName));
  QApplication::setApplicationVersion(QStringLiteral(QUORVEL_DISPLAY_VERSION));
  // Ties the window to quorvel.desktop, whose icon the desktop then shows.
  QGuiApplication::setDesktopFileName(QStringLiteral("quorvel"));
  QApplication::setWindowIcon(quorvel::ui::AppIcon());
  quorvel::ui::MainDialog dialog;
  dialog.exec();
  return 0;
}
