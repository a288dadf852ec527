#include "resources/ButtonGlyphs.h"

#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

namespace q7res {

namespace {

const QColor kOutline(40, 40, 40);
const QColor kGreen(20, 140, 40);
const QColor kRed(200, 30, 30);
const QColor kBlue(30, 80, 190);
const QColor kPaper(250, 250, 245);
const QColor kYellow(235, 190, 60);

QPolygonF Poly(std::initializer_list<QPointF> points) { return QPolygonF(QList<QPointF>(points)); }

void Arrow(QPainter &p, Glyph direction, const QColor &fill) {
  // A block arrow in the 16 x 16 cell, pointing in the given direction.
  QPolygonF right = Poly({{2, 6}, {8, 6}, {8, 2}, {14, 8}, {8, 14}, {8, 10}, {2, 10}});
  QTransform t;
  switch (direction) {
    case Glyph::Previous: t.translate(16, 0).scale(-1, 1); break;
    case Glyph::Up: t.translate(0, 16).rotate(-90); break;
    case Glyph::Down: t.translate(16, 0).rotate(90); break;
    default: break;
  }
  p.setPen(QPen(kOutline, 1));
  p.setBrush(fill);
  p.drawPolygon(t.map(right));
}

void DrawDocument(QPainter &p) {
  p.setPen(QPen(kOutline, 1));
  p.setBrush(kPaper);
  p.drawPolygon(Poly({{3.5, 1.5}, {10.5, 1.5}, {13.5, 4.5}, {13.5, 14.5}, {3.5, 14.5}}));
  p.drawLine(QPointF(10.5, 1.5), QPointF(10.5, 4.5));
  p.drawLine(QPointF(10.5, 4.5), QPointF(13.5, 4.5));
  p.setPen(QPen(QColor(120, 120, 140), 1));
  for (int yy = 7; yy <= 12; yy += 2) p.drawLine(QPointF(5.5, yy + 0.5), QPointF(11.5, yy + 0.5));
}

}  // namespace

void DrawGlyph(QPainter &p, Glyph glyph, int x, int y) {
  p.save();
  p.translate(x, y);
  p.setRenderHint(QPainter::Antialiasing, true);
  switch (glyph) {
    case Glyph::Document: DrawDocument(p); break;
    case Glyph::Save:
      p.setPen(QPen(kOutline, 1));
      p.setBrush(kBlue);
      p.drawRect(QRectF(1.5, 1.5, 13, 13));
      p.setBrush(kPaper);
      p.drawRect(QRectF(4.5, 1.5, 7, 5));
      p.setBrush(QColor(200, 200, 200));
      p.drawRect(QRectF(4.5, 9.5, 7, 5));
      p.setBrush(kOutline);
      p.drawRect(QRectF(9, 2.5, 1.5, 3));
      break;
    case Glyph::Cancel:
      p.setPen(QPen(kRed, 3, Qt::SolidLine, Qt::RoundCap));
      p.drawLine(QPointF(3.5, 3.5), QPointF(12.5, 12.5));
      p.drawLine(QPointF(12.5, 3.5), QPointF(3.5, 12.5));
      break;
    case Glyph::Accept:
      p.setPen(QPen(kGreen, 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
      p.drawPolyline(Poly({{2.5, 8.5}, {6.5, 12.5}, {13.5, 3.5}}));
      break;
    case Glyph::Delete:
      p.setPen(QPen(kOutline, 1));
      p.setBrush(kRed);
      p.drawRect(QRectF(2.5, 6.5, 11, 3));
      break;
    case Glyph::Exit:
      p.setPen(QPen(kOutline, 1));
      p.setBrush(QColor(150, 95, 40));
      p.drawRect(QRectF(1.5, 1.5, 7, 13));
      p.setBrush(kYellow);
      p.drawEllipse(QPointF(7, 8.5), 0.9, 0.9);
      p.setBrush(kGreen);
      p.drawPolygon(Poly({{8, 6.5}, {11, 6.5}, {11, 4}, {15, 8.5}, {11, 13}, {11, 10.5}, {8, 10.5}}));
      break;
    case Glyph::Print:
      p.setPen(QPen(kOutline, 1));
      p.setBrush(kPaper);
      p.drawRect(QRectF(4.5, 1.5, 7, 5));
      p.setBrush(QColor(170, 170, 170));
      p.drawRect(QRectF(1.5, 6.5, 13, 6));
      p.setBrush(kPaper);
      p.drawRect(QRectF(4.5, 10.5, 7, 4));
      break;
    case Glyph::Search:
      p.setPen(QPen(kOutline, 1.5));
      p.setBrush(QColor(190, 220, 250));
      p.drawEllipse(QPointF(6.5, 6.5), 4.5, 4.5);
      p.setPen(QPen(kOutline, 3, Qt::SolidLine, Qt::RoundCap));
      p.drawLine(QPointF(10, 10), QPointF(14, 14));
      break;
    case Glyph::Edit:
      p.setPen(QPen(kOutline, 1));
      p.setBrush(kYellow);
      p.drawPolygon(Poly({{2, 14}, {3, 10}, {11, 2}, {14, 5}, {6, 13}}));
      p.drawLine(QPointF(3, 10), QPointF(6, 13));
      break;
    case Glyph::Include:
      p.setPen(QPen(kOutline, 1));
      p.setBrush(kGreen);
      p.drawPolygon(Poly({{6.5, 2.5}, {9.5, 2.5}, {9.5, 6.5}, {13.5, 6.5}, {13.5, 9.5}, {9.5, 9.5},
                          {9.5, 13.5}, {6.5, 13.5}, {6.5, 9.5}, {2.5, 9.5}, {2.5, 6.5}, {6.5, 6.5}}));
      break;
    case Glyph::First:
      p.setPen(QPen(kOutline, 1));
      p.setBrush(kBlue);
      p.drawRect(QRectF(2.5, 3.5, 2, 9));
      p.drawPolygon(Poly({{13.5, 3.5}, {13.5, 12.5}, {6, 8}}));
      break;
    case Glyph::Last:
      p.setPen(QPen(kOutline, 1));
      p.setBrush(kBlue);
      p.drawRect(QRectF(11.5, 3.5, 2, 9));
      p.drawPolygon(Poly({{2.5, 3.5}, {2.5, 12.5}, {10, 8}}));
      break;
    case Glyph::Up:
    case Glyph::Down:
    case Glyph::Previous:
    case Glyph::Next: Arrow(p, glyph, kBlue); break;
    case Glyph::Refresh: {
      p.setPen(QPen(kGreen, 2.5, Qt::SolidLine, Qt::FlatCap));
      p.setBrush(Qt::NoBrush);
      p.drawArc(QRectF(2.5, 2.5, 11, 11), 90 * 16, 270 * 16);
      p.setPen(QPen(kOutline, 1));
      p.setBrush(kGreen);
      p.drawPolygon(Poly({{8, 0.5}, {12, 3}, {8, 5.5}}));
      break;
    }
    case Glyph::Help: {
      p.setPen(QPen(kBlue, 1));
      p.setBrush(QColor(220, 235, 255));
      p.drawEllipse(QRectF(1.5, 1.5, 13, 13));
      QFont f = p.font();
      f.setPixelSize(11);
      f.setBold(true);
      p.setFont(f);
      p.drawText(QRectF(0, 0, 16, 16), Qt::AlignCenter, QStringLiteral("?"));
      break;
    }
    case Glyph::Calendar:
      p.setPen(QPen(kOutline, 1));
      p.setBrush(kPaper);
      p.drawRect(QRectF(1.5, 2.5, 13, 12));
      p.setBrush(kRed);
      p.drawRect(QRectF(1.5, 2.5, 13, 3));
      p.setPen(QPen(kOutline, 1));
      for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 4; ++c) p.drawPoint(QPointF(3.5 + c * 3, 7.5 + r * 2.5));
      break;
    case Glyph::Calculator:
      p.setPen(QPen(kOutline, 1));
      p.setBrush(QColor(200, 200, 200));
      p.drawRect(QRectF(2.5, 1.5, 11, 13));
      p.setBrush(QColor(180, 220, 180));
      p.drawRect(QRectF(4.5, 3.5, 7, 3));
      p.setBrush(kOutline);
      for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 3; ++c) p.drawRect(QRectF(4.5 + c * 2.5, 8 + r * 2, 1, 1));
      break;
    case Glyph::Folder:
      p.setPen(QPen(kOutline, 1));
      p.setBrush(kYellow);
      p.drawPolygon(Poly({{1.5, 3.5}, {6.5, 3.5}, {8, 5.5}, {14.5, 5.5}, {14.5, 13.5}, {1.5, 13.5}}));
      break;
    case Glyph::Key:
      p.setPen(QPen(kOutline, 1));
      p.setBrush(kYellow);
      p.drawEllipse(QPointF(5, 8), 3.5, 3.5);
      p.drawRect(QRectF(8, 7, 6.5, 2));
      p.drawRect(QRectF(12, 9, 1.5, 2.5));
      break;
    case Glyph::Info: {
      p.setPen(Qt::NoPen);
      p.setBrush(kBlue);
      p.drawEllipse(QRectF(1.5, 1.5, 13, 13));
      p.setPen(QPen(Qt::white, 2));
      p.drawLine(QPointF(8, 7), QPointF(8, 12));
      p.drawPoint(QPointF(8, 4.5));
      break;
    }
  }
  p.restore();
}

QImage GlyphImage(Glyph glyph) {
  QImage image(16, 16, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter p(&image);
  DrawGlyph(p, glyph, 0, 0);
  p.end();
  return image;
}

QImage DisabledImage(const QImage &normal) {
  QImage out = normal.convertToFormat(QImage::Format_ARGB32);
  for (int yy = 0; yy < out.height(); ++yy) {
    auto *line = reinterpret_cast<QRgb *>(out.scanLine(yy));
    for (int xx = 0; xx < out.width(); ++xx) {
      const QRgb c = line[xx];
      const int grey = 128 + qGray(c) / 2;  // lighter grey, same shape
      line[xx] = qRgba(grey, grey, grey, qAlpha(c));
    }
  }
  return out;
}

QImage HighlightedImage(const QImage &normal) {
  QImage out = normal.convertToFormat(QImage::Format_ARGB32);
  for (int yy = 0; yy < out.height(); ++yy) {
    auto *line = reinterpret_cast<QRgb *>(out.scanLine(yy));
    for (int xx = 0; xx < out.width(); ++xx) {
      const QRgb c = line[xx];
      auto up = [](int v) { return std::min(255, v + (255 - v) / 3); };
      line[xx] = qRgba(up(qRed(c)), up(qGreen(c)), up(qBlue(c)), qAlpha(c));
    }
  }
  return out;
}

QImage TwoGlyphStrip(const QImage &normal) {
  QImage strip(32, 16, QImage::Format_ARGB32_Premultiplied);
  strip.fill(Qt::transparent);
  QPainter p(&strip);
  p.drawImage(0, 0, normal);
  p.drawImage(16, 0, DisabledImage(normal));
  p.end();
  return strip;
}

}  // namespace q7res
