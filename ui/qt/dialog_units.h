// Dialog units: the Windows dialog template measures its controls in quarters
// of the dialog font's average character width and eighths of its height, so
// a window built from the same numbers keeps the same proportions.
#pragma once

#include <QFont>
#include <QRect>
#include <QSize>

namespace quorvel::ui {

struct DialogRect {
  int x;
  int y;
  int width;
  int height;
};

class DialogUnits {
 public:
  // The base units of a font, worked out as Windows does: the average width
  // of the 52 letters, rounded, and the font's height.
  static DialogUnits ForFont(const QFont& font);

  DialogUnits(int baseWidth, int baseHeight) : baseWidth_(baseWidth), baseHeight_(baseHeight) {}

  int baseWidth() const { return baseWidth_; }
  int baseHeight() const { return baseHeight_; }

  // Rounded to the nearest pixel, as Windows maps a dialog's rectangles.
  int ToPixelsX(int units) const { return (units * baseWidth_ + 2) / 4; }
  int ToPixelsY(int units) const { return (units * baseHeight_ + 4) / 8; }
  QRect ToPixels(const DialogRect& rect) const;
  QSize ToPixels(int width, int height) const;

 private:
  int baseWidth_;
  int baseHeight_;
};

}  // namespace quorvel::ui
