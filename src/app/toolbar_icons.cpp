#include "app/toolbar_icons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QPolygonF>
#include <algorithm>

#include "app/command_table.h"
#include "model/constants.h"

namespace tessaro::app {

namespace {

constexpr int kSize = 20;
constexpr qreal kScale = 2.0;

const QColor kInk(40, 40, 40);
const QColor kPaper(255, 255, 255);
const QColor kArea(200, 254, 200);
const QColor kPayoff(220, 30, 30);

void Page(QPainter& p, const QRectF& r) {
  const qreal fold = 4;
  QPolygonF outline;
  outline << r.topLeft() << QPointF(r.right() - fold, r.top()) << QPointF(r.right(), r.top() + fold)
          << r.bottomRight() << r.bottomLeft();
  p.setPen(QPen(kInk, 1));
  p.setBrush(kPaper);
  p.drawPolygon(outline);
  p.drawLine(QPointF(r.right() - fold, r.top()), QPointF(r.right() - fold, r.top() + fold));
  p.drawLine(QPointF(r.right() - fold, r.top() + fold), QPointF(r.right(), r.top() + fold));
}

void Axes(QPainter& p) {
  p.setPen(QPen(kInk, 1.2));
  p.drawLine(QPointF(3, 2), QPointF(3, 17));
  p.drawLine(QPointF(3, 17), QPointF(18, 17));
}

void Area(QPainter& p, const QColor& fill) {
  QPolygonF poly;
  poly << QPointF(3, 17) << QPointF(3, 8) << QPointF(9, 5) << QPointF(15, 10) << QPointF(15, 17);
  p.setPen(QPen(kInk, 1));
  p.setBrush(fill);
  p.drawPolygon(poly);
}

void Arrow(QPainter& p, QPointF from, QPointF to, const QColor& color) {
  p.setPen(QPen(color, 2, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(from, to);
  const QPointF d = (to - from) / std::max(1.0, QLineF(from, to).length());
  const QPointF n(-d.y(), d.x());
  QPolygonF head;
  head << to + d * 1.5 << to - d * 3 + n * 3 << to - d * 3 - n * 3;
  p.setPen(Qt::NoPen);
  p.setBrush(color);
  p.drawPolygon(head);
}

void Letters(QPainter& p, const QRectF& r, const QString& text, int pixelSize, bool bold) {
  QFont font(QStringLiteral("DejaVu Sans"));
  font.setPixelSize(pixelSize);
  font.setBold(bold);
  p.setFont(font);
  p.setPen(kInk);
  p.drawText(r, Qt::AlignCenter, text);
}

void Paint(QPainter& p, Command id) {
  switch (id) {
    case cmd::FILE_NEW:
      Page(p, QRectF(4, 1.5, 12, 17));
      break;
    case cmd::FILE_OPEN: {
      p.setPen(QPen(kInk, 1));
      p.setBrush(QColor(240, 200, 80));
      p.drawRect(QRectF(1.5, 5.5, 15, 11));
      p.setBrush(QColor(250, 220, 120));
      QPolygonF lid;
      lid << QPointF(4, 8.5) << QPointF(19, 8.5) << QPointF(16.5, 16.5) << QPointF(1.5, 16.5);
      p.drawPolygon(lid);
      break;
    }
    case cmd::FILE_SAVE:
      p.setPen(QPen(kInk, 1));
      p.setBrush(QColor(60, 90, 170));
      p.drawRect(QRectF(2.5, 2.5, 15, 15));
      p.setBrush(kPaper);
      p.drawRect(QRectF(5.5, 2.5, 9, 6));
      p.setBrush(QColor(200, 200, 200));
      p.drawRect(QRectF(5.5, 11.5, 9, 6));
      break;
    case cmd::FILE_PRINT:
      p.setPen(QPen(kInk, 1));
      p.setBrush(kPaper);
      p.drawRect(QRectF(5.5, 1.5, 9, 7));
      p.setBrush(QColor(170, 170, 170));
      p.drawRect(QRectF(1.5, 8.5, 17, 7));
      p.setBrush(kPaper);
      p.drawRect(QRectF(5.5, 13.5, 9, 5));
      break;
    case cmd::EDIT_COPY:
      Page(p, QRectF(2, 1.5, 10, 13));
      Page(p, QRectF(8, 5.5, 10, 13));
      break;
    case cmd::COPY_PICTURE:
      Page(p, QRectF(2, 1.5, 16, 17));
      p.setBrush(kArea);
      p.setPen(QPen(kInk, 0.8));
      p.drawPolygon(QPolygonF() << QPointF(4, 16) << QPointF(4, 9) << QPointF(10, 7)
                                << QPointF(14, 16));
      p.setPen(QPen(kPayoff, 1.2));
      p.drawLine(QPointF(4, 6), QPointF(16, 14));
      break;
    case cmd::EDIT_CUT:
      p.setPen(QPen(kInk, 1.4));
      p.setBrush(Qt::NoBrush);
      p.drawLine(QPointF(6, 2), QPointF(12, 13));
      p.drawLine(QPointF(14, 2), QPointF(8, 13));
      p.drawEllipse(QPointF(6, 15.5), 3, 3);
      p.drawEllipse(QPointF(14, 15.5), 3, 3);
      break;
    case cmd::EDIT_PASTE:
      p.setPen(QPen(kInk, 1));
      p.setBrush(QColor(170, 120, 60));
      p.drawRect(QRectF(2.5, 3.5, 12, 15));
      p.setBrush(QColor(200, 200, 200));
      p.drawRect(QRectF(5.5, 1.5, 6, 3));
      Page(p, QRectF(9, 7.5, 9, 11));
      break;
    case cmd::AUTO_MAX:
      Axes(p);
      Arrow(p, QPointF(7, 14), QPointF(15, 5), QColor(20, 140, 40));
      break;
    case cmd::AUTO_MIN:
      Axes(p);
      Arrow(p, QPointF(15, 5), QPointF(7, 13), QColor(30, 80, 200));
      break;
    case cmd::AUTO_ZOOM:
      p.setPen(QPen(kInk, 1.6));
      p.setBrush(QColor(210, 235, 255));
      p.drawEllipse(QPointF(8, 8), 5.5, 5.5);
      p.setPen(QPen(kInk, 3, Qt::SolidLine, Qt::RoundCap));
      p.drawLine(QPointF(12.5, 12.5), QPointF(17.5, 17.5));
      break;
    case cmd::TOGGLE_TRIM:
      Axes(p);
      p.setPen(QPen(kInk, 1, Qt::DotLine));
      p.drawLine(QPointF(1, 3), QPointF(19, 15));
      p.setPen(QPen(kPayoff, 2));
      p.drawLine(QPointF(5, 5.7), QPointF(14, 11.7));
      break;
    case cmd::TOGGLE_LABEL:
      Letters(p, QRectF(0, 0, kSize, kSize), QStringLiteral("Ab"), 11, true);
      break;
    case cmd::TOGGLE_COLOR:
      Axes(p);
      Area(p, kArea);
      break;
    case cmd::TOGGLE_GREY:
      Axes(p);
      Area(p, QColor(198, 198, 198));
      break;
    case cmd::TOGGLE_INTEGER_DOT:
      Axes(p);
      p.setPen(Qt::NoPen);
      p.setBrush(kInk);
      for (int i = 0; i < 3; ++i) {
        for (int j = 0; j < 3; ++j) p.drawEllipse(QPointF(7 + 4 * i, 5 + 4 * j), 1.2, 1.2);
      }
      break;
    case cmd::HOLD:
      p.setPen(QPen(kInk, 1));
      p.setBrush(QColor(90, 150, 90));
      p.drawRect(QRectF(3.5, 4.5, 13, 11));
      Letters(p, QRectF(3.5, 4.5, 13, 11), QStringLiteral("M"), 9, true);
      break;
    case cmd::RESET_EQUATIONS: {
      QPainterPath arc;
      arc.arcMoveTo(QRectF(4, 4, 12, 12), 60);
      arc.arcTo(QRectF(4, 4, 12, 12), 60, 270);
      p.setPen(QPen(QColor(30, 80, 200), 2));
      p.setBrush(Qt::NoBrush);
      p.drawPath(arc);
      Arrow(p, QPointF(10, 4), QPointF(13, 4.8), QColor(30, 80, 200));
      break;
    }
    case cmd::EDIT_UNDO: {
      QPainterPath curve;
      curve.moveTo(5, 8);
      curve.cubicTo(12, 3, 19, 9, 13, 16);
      p.setPen(QPen(QColor(30, 80, 200), 2));
      p.setBrush(Qt::NoBrush);
      p.drawPath(curve);
      Arrow(p, QPointF(8, 6.5), QPointF(4, 9), QColor(30, 80, 200));
      break;
    }
    case cmd::APP_ABOUT:
      p.setPen(QPen(kInk, 1));
      p.setBrush(QColor(255, 250, 200));
      p.drawEllipse(QPointF(10, 10), 8, 8);
      Letters(p, QRectF(0, 0, kSize, kSize), QStringLiteral("?"), 13, true);
      break;
    default:
      break;
  }
}

}  // namespace

QIcon ToolbarIcon(Command commandId) {
  const std::vector<Command>& layout = ToolbarLayout();
  if (commandId == Command::NONE ||
      std::find(layout.begin(), layout.end(), commandId) == layout.end()) {
    return QIcon();
  }
  QPixmap pixmap(static_cast<int>(kSize * kScale), static_cast<int>(kSize * kScale));
  pixmap.fill(Qt::transparent);
  {
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(kScale, kScale);
    Paint(painter, commandId);
  }
  pixmap.setDevicePixelRatio(kScale);
  return QIcon(pixmap);
}

QIcon ProgramIcon() {
  return QIcon(QStringLiteral(":/tessaro/tessaro.svg"));
}

}  // namespace tessaro::app
