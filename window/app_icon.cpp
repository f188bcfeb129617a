#include "window/app_icon.h"

#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

QIcon AppIcon() {
  QImage picture(64, 64, QImage::Format_ARGB32_Premultiplied);
  picture.fill(Qt::transparent);
  QPainter painter(&picture);
  painter.setRenderHint(QPainter::Antialiasing);

  // A vermilion seal with a white name tag on it; the tag's lines stand for a batch of names.
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(0xC8, 0x32, 0x28));
  painter.drawRoundedRect(QRectF(2, 2, 60, 60), 12, 12);

  QPainterPath tag;
  tag.moveTo(14, 20);
  tag.lineTo(24, 11);
  tag.lineTo(52, 11);
  tag.lineTo(52, 53);
  tag.lineTo(24, 53);
  tag.lineTo(14, 44);
  tag.closeSubpath();
  QPainterPath hole;
  hole.addEllipse(QPointF(22, 32), 3.5, 3.5);
  painter.setBrush(QColor(0xFB, 0xF4, 0xE6));
  painter.drawPath(tag.subtracted(hole));

  painter.setPen(QPen(QColor(0x4A, 0x2C, 0x1E), 3.5, Qt::SolidLine, Qt::RoundCap));
  for (const int y : {21, 32, 43}) painter.drawLine(QPointF(31, y), QPointF(46, y));
  painter.end();
  return QIcon(QPixmap::fromImage(picture));
}
