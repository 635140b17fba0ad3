#include "app/Artwork.h"

#include <QFont>
#include <QPainter>

namespace tk::app {
namespace {

// A closed book, spine to the left, with a handheld's stylus across it.
QPixmap IconPixmap(int size) {
  QPixmap pixmap(size, size);
  pixmap.fill(Qt::transparent);
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing);
  const qreal u = size / 16.0;
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(0x8b, 0x1a, 0x1a));
  p.drawRoundedRect(QRectF(2 * u, 1 * u, 11 * u, 14 * u), u, u);
  p.setBrush(QColor(0xf2, 0xe8, 0xc9));
  p.drawRect(QRectF(4 * u, 2.5 * u, 8 * u, 11 * u));
  p.setPen(QPen(QColor(0x30, 0x30, 0x30), 1.2 * u, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(QPointF(6 * u, 12 * u), QPointF(14.5 * u, 3.5 * u));
  return pixmap;
}

}  // namespace

QIcon ProgramIcon() {
  QIcon icon;
  for (int size : {16, 32, 48, 64}) icon.addPixmap(IconPixmap(size));
  return icon;
}

QPixmap Logo(int width, int height) {
  QPixmap pixmap(width, height);
  pixmap.fill(Qt::black);
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing);
  p.drawPixmap(6, (height - 32) / 2, IconPixmap(32));
  QFont font(QStringLiteral("serif"));
  font.setPixelSize(height / 2);
  font.setBold(true);
  font.setItalic(true);
  p.setFont(font);
  p.setPen(Qt::white);
  p.drawText(QRect(44, 0, width - 48, height), Qt::AlignVCenter | Qt::AlignLeft,
             QStringLiteral("Tomekit"));
  return pixmap;
}

}  // namespace tk::app
