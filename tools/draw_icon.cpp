// draw_icon OUTDIR: draws the editor's window icon, a wrestling ring seen from above with a pencil
// across it, at the sizes the front end ships (window-16.png, window-32.png, window-64.png under
// qt/resources/icon). Run it again only to change the picture.

#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <iostream>

namespace {

// The picture on a 64 x 64 plan, painted at any size.
QImage drawIcon(int size) {
  QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.scale(size / 64.0, size / 64.0);

  // The arena: a deep blue tile.
  QLinearGradient arena(0, 0, 0, 64);
  arena.setColorAt(0, QColor(0x27, 0x3f, 0x8f));
  arena.setColorAt(1, QColor(0x10, 0x1a, 0x45));
  painter.setPen(Qt::NoPen);
  painter.setBrush(arena);
  painter.drawRoundedRect(QRectF(1, 1, 62, 62), 12, 12);

  // The ring: the apron, the mat, the red and white ropes and the four corner posts.
  painter.setBrush(QColor(0x35, 0x35, 0x3d));
  painter.drawRect(QRectF(8, 8, 48, 48));
  painter.setBrush(QColor(0xee, 0xea, 0xdc));
  painter.drawRect(QRectF(11, 11, 42, 42));
  painter.setBrush(Qt::NoBrush);
  painter.setPen(QPen(QColor(0xd8, 0x23, 0x2a), 3.2));
  painter.drawRect(QRectF(12.5, 12.5, 39, 39));
  painter.setPen(QPen(Qt::white, 1.6));
  painter.drawRect(QRectF(16, 16, 32, 32));
  painter.setPen(QPen(QColor(0x20, 0x20, 0x28), 1.2));
  painter.setBrush(QColor(0xc8, 0xcc, 0xd4));
  for (const QPointF corner :
       {QPointF(12.5, 12.5), QPointF(51.5, 12.5), QPointF(12.5, 51.5), QPointF(51.5, 51.5)})
    painter.drawEllipse(corner, 4.2, 4.2);

  // The pencil, writing from the top right corner down to the middle of the mat.
  painter.translate(32, 32);
  painter.rotate(-45);
  const QColor outline(0x3a, 0x2a, 0x10);
  painter.setPen(QPen(outline, 1.4));
  painter.setBrush(QColor(0xf5, 0xa8, 0xb8));  // the eraser
  painter.drawRoundedRect(QRectF(20, -5, 8, 10), 2, 2);
  painter.setBrush(QColor(0xb8, 0xbc, 0xc4));  // its metal band
  painter.drawRect(QRectF(16.5, -5, 4, 10));
  painter.setBrush(QColor(0xf6, 0xc3, 0x2e));  // the body
  painter.drawRect(QRectF(-6, -5, 22.5, 10));
  QPainterPath wood;
  wood.moveTo(-6, -5);
  wood.lineTo(-17, 0);
  wood.lineTo(-6, 5);
  wood.closeSubpath();
  painter.setBrush(QColor(0xf0, 0xd2, 0xa8));
  painter.drawPath(wood);
  QPainterPath lead;
  lead.moveTo(-13, -1.8);
  lead.lineTo(-17, 0);
  lead.lineTo(-13, 1.8);
  lead.closeSubpath();
  painter.setBrush(outline);
  painter.drawPath(lead);
  painter.end();
  return image;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: draw_icon OUTDIR\n";
    return 2;
  }
  if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  for (const int size : {16, 32, 64}) {
    const QString file = QString("%1/window-%2.png").arg(argv[1]).arg(size);
    if (!drawIcon(size).save(file, "PNG")) {
      std::cerr << "draw_icon: cannot write " << file.toStdString() << "\n";
      return 1;
    }
  }
  return 0;
}
