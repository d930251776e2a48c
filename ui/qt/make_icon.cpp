// Writes the program's icon as PNG files for the desktop's icon theme:
//   quorvel-make-icon FOLDER SIZE...  ->  FOLDER/quorvel-SIZE.png for each size
#include <QDir>
#include <QString>
#include <cstdio>

#include "ui/qt/app_icon.h"

int main(int argc, char** argv) {
  if (argc < 3) {
    std::fputs("usage: quorvel-make-icon FOLDER SIZE...\n", stderr);
    return 2;
  }
  const QDir folder(QString::fromLocal8Bit(argv[1]));
  if (!folder.mkpath(QStringLiteral("."))) {
    std::fprintf(stderr, "quorvel-make-icon: cannot create %s\n", argv[1]);
    return 1;
  }
  for (int i = 2; i < argc; ++i) {
    bool isNumber = false;
    const int size = QString::fromLatin1(argv[i]).toInt(&isNumber);
    if (!isNumber || size < 1 || size > 1024) {
      std::fprintf(stderr, "quorvel-make-icon: not a size: %s\n", argv[i]);
      return 2;
    }
    const QString name = folder.filePath(QStringLiteral("quorvel-%1.png").arg(size));
    if (!quorvel::ui::DrawAppIcon(size).save(name, "PNG")) {
      std::fprintf(stderr, "quorvel-make-icon: cannot write %s\n", qPrintable(name));
      return 1;
    }
  }
  return 0;
}
