#include "ui/qt/dialog_units.h"

#include <QFontMetrics>
#include <QString>

namespace quorvel::ui {

DialogUnits DialogUnits::ForFont(const QFont& font) {
  const QFontMetrics metrics(font);
  const int letters = metrics.horizontalAdvance(
      QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
  // Half the width of 26 letters, rounded up from the half: the average of 52.
  return DialogUnits((letters / 26 + 1) / 2, metrics.height());
}

QRect DialogUnits::ToPixels(const DialogRect& rect) const {
  return QRect(ToPixelsX(rect.x), ToPixelsY(rect.y), ToPixelsX(rect.width), ToPixelsY(rect.height));
}

QSize DialogUnits::ToPixels(int width, int height) const {
  return QSize(ToPixelsX(width), ToPixelsY(height));
}

}  // namespace quorvel::ui
