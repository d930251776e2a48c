#include "ui/qt/app_icon.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace quorvel::ui {

namespace {

// The picture is laid out on a grid of 32 x 32 units.
constexpr qreal kGrid = 32.0;

const QColor kCountyLine(0x2e, 0x6b, 0x2e);
const QColor kCountyField(0x8c, 0xd4, 0x6a);
const QColor kMast(0x80, 0x80, 0x80);
const QColor kMastLight(0xc8, 0xc8, 0xc8);
const QColor kBoom(0x20, 0x20, 0x20);
const QColor kElement(0x1f, 0x3f, 0x9f);
const QColor kNearWave(0xe0, 0x30, 0x20);
const QColor kFarWave(0xf0, 0xc0, 0x20);

void DrawMap(QPainter& p) {
  p.setPen(QPen(kCountyLine, 1.2));
  p.setBrush(kCountyField);
  p.drawRoundedRect(QRectF(2.5, 19.5, 27, 10), 1.5, 1.5);
  // County lines, not in a regular grid, as counties are.
  p.drawLine(QLineF(11.5, 19.5, 10.5, 29.5));
  p.drawLine(QLineF(20.5, 19.5, 21.5, 29.5));
  p.drawLine(QLineF(2.5, 24.5, 11.0, 24.0));
  p.drawLine(QLineF(21.0, 25.5, 29.5, 25.0));
}

void DrawAntenna(QPainter& p) {
  p.setPen(Qt::NoPen);
  p.setBrush(kMast);
  p.drawRect(QRectF(15, 6, 2, 18));
  p.setBrush(kMastLight);
  p.drawRect(QRectF(15, 6, 0.8, 18));
  p.setBrush(kBoom);
  p.drawRect(QRectF(13, 23, 6, 2));
  p.setPen(QPen(kBoom, 1.2, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(QLineF(7, 6, 25, 6));
  p.setPen(QPen(kElement, 1.4, Qt::SolidLine, Qt::RoundCap));
  for (const qreal x : {8.5, 13.0, 19.0, 23.5}) p.drawLine(QLineF(x, 2.5, x, 9.5));
}

void DrawWaves(QPainter& p) {
  p.setBrush(Qt::NoBrush);
  // Short enough that they stay inside the picture, its corners clear.
  const struct {
    qreal radius;
    int halfSpan;  // degrees to each side of the horizontal
    QColor colour;
  } waves[] = {{11, 25, kNearWave}, {13.5, 18, kFarWave}};
  for (const auto& wave : waves) {
    p.setPen(QPen(wave.colour, 1.4, Qt::SolidLine, Qt::RoundCap));
    const QRectF circle(16 - wave.radius, 7 - wave.radius, 2 * wave.radius, 2 * wave.radius);
    // Qt counts angles in sixteenths of a degree, counter-clockwise from 3 o'clock.
    p.drawArc(circle, -wave.halfSpan * 16, 2 * wave.halfSpan * 16);
    p.drawArc(circle, (180 - wave.halfSpan) * 16, 2 * wave.halfSpan * 16);
  }
}

}  // namespace

QImage DrawAppIcon(int size) {
  QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  p.scale(size / kGrid, size / kGrid);
  DrawMap(p);
  DrawWaves(p);
  DrawAntenna(p);
  return image;
}

QIcon AppIcon() {
  QIcon icon;
  for (const int size : kIconSizes) icon.addPixmap(QPixmap::fromImage(DrawAppIcon(size)));
  return icon;
}

}  // namespace quorvel::ui
