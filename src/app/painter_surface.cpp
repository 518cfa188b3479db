#include "app/painter_surface.h"

#include <QBrush>
#include <QFontMetricsF>
#include <QPainter>
#include <QPen>
#include <QPolygonF>
#include <QRectF>
#include <QString>
#include <algorithm>
#include <cmath>

#include "app/clip_geometry.h"

namespace tessaro::app {
namespace {

QColor ToQColor(const Rgb& c) {
  return QColor(c.r, c.g, c.b);
}

// A rectangle given by two corners in any order, covering the pixels from
// the smaller coordinate up to, but not including, the larger one.
QRectF CornerRect(int left, int top, int right, int bottom) {
  double x0 = std::min(left, right);
  double x1 = std::max(left, right);
  double y0 = std::min(top, bottom);
  double y1 = std::max(top, bottom);
  ClipPoint a{x0, y0};
  ClipPoint b{x1, y1};
  a.x = std::clamp(a.x, kDrawingLimit.left, kDrawingLimit.right);
  b.x = std::clamp(b.x, kDrawingLimit.left, kDrawingLimit.right);
  a.y = std::clamp(a.y, kDrawingLimit.top, kDrawingLimit.bottom);
  b.y = std::clamp(b.y, kDrawingLimit.top, kDrawingLimit.bottom);
  return QRectF(a.x, a.y, std::max(0.0, b.x - a.x - 1.0), std::max(0.0, b.y - a.y - 1.0));
}

}  // namespace

void PainterSurface::Begin(QPainter* painter) {
  painter_ = painter;
  if (painter_ == nullptr) return;
  // Smooth lines, fill edges, dots and text.
  painter_->setRenderHint(QPainter::Antialiasing, true);
  painter_->setRenderHint(QPainter::TextAntialiasing, true);
}

void PainterSurface::SelectBrush(const Rgb& color) {
  brush_ = color;
  defaultBrush_ = false;
}

void PainterSurface::SelectDefaultBrush() {
  brush_ = Rgb{255, 255, 255};
  defaultBrush_ = true;
}

QFont PainterSurface::ToQFont(const Font& font) {
  QFont q(QString::fromStdString(font.face));
  q.setStyleHint(QFont::SansSerif);
  int height = std::abs(font.height);
  q.setPixelSize(std::clamp(height == 0 ? 12 : height, 1, 4096));
  int weight = font.weight <= 0 ? 400 : std::clamp(font.weight, 100, 900);
  q.setWeight(static_cast<QFont::Weight>(weight));
  q.setItalic(font.italic);
  int width = std::abs(font.width);
  if (width > 0) {
    double average = QFontMetricsF(q).averageCharWidth();
    if (average > 0.0) {
      double stretch = std::round(100.0 * width / average);
      q.setStretch(static_cast<int>(std::clamp(stretch, 1.0, 4000.0)));
    }
  }
  return q;
}

void PainterSurface::SelectFont(const Font& font) {
  for (const CachedFont& cached : fontCache_) {
    if (cached.font == font) {
      font_ = cached;
      return;
    }
  }
  CachedFont entry;
  entry.font = font;
  entry.qfont = ToQFont(font);
  entry.ascent = QFontMetricsF(entry.qfont).ascent();
  // The drawing uses a handful of fonts; keep the cache from growing
  // without bound should a caller vary them freely.
  if (fontCache_.size() >= 16) fontCache_.erase(fontCache_.begin());
  fontCache_.push_back(entry);
  font_ = entry;
}

void PainterSurface::ApplyShapePen() {
  ApplyShapePen(*painter_);
}

void PainterSurface::ApplyShapePen(QPainter& painter) const {
  QPen pen(ToQColor(pen_.color));
  pen.setWidth(std::clamp(pen_.width, 1, 1000));
  if (pen_.style == PenStyle::Dotted) {
    pen.setStyle(Qt::DotLine);
    pen.setCapStyle(Qt::FlatCap);
  } else {
    pen.setStyle(Qt::SolidLine);
    pen.setCapStyle(pen_.width > 1 ? Qt::RoundCap : Qt::SquareCap);
    pen.setJoinStyle(Qt::RoundJoin);
  }
  painter.setPen(pen);
}

void PainterSurface::ApplyBrush() {
  painter_->setBrush(QBrush(ToQColor(brush_), Qt::SolidPattern));
}

void PainterSurface::LineTo(int x, int y) {
  QPoint from = current_;
  current_ = QPoint(x, y);
  if (painter_ == nullptr) return;
  ClipPoint a{static_cast<double>(from.x()), static_cast<double>(from.y())};
  ClipPoint b{static_cast<double>(x), static_cast<double>(y)};
  if (!ClipSegment(a, b, kDrawingLimit)) return;
  ApplyShapePen();
  painter_->drawLine(QPointF(a.x, a.y), QPointF(b.x, b.y));
}

void PainterSurface::Rectangle(int left, int top, int right, int bottom) {
  if (painter_ == nullptr) return;
  ApplyShapePen();
  ApplyBrush();
  painter_->drawRect(CornerRect(left, top, right, bottom));
}

bool PainterSurface::CanStamp(StampPlacement& placement) const {
  const QPaintDevice* device = painter_->device();
  if (device == nullptr || device->devType() != QInternal::Image) return false;
  if (device->devicePixelRatio() != 1.0) return false;
  if (painter_->compositionMode() != QPainter::CompositionMode_SourceOver) return false;
  if (painter_->opacity() != 1.0) return false;
  const QTransform& t = painter_->worldTransform();
  if (t.type() > QTransform::TxScale || t.m11() != t.m22()) return false;
  const double scale = t.m11();
  if (scale < 1.0 || scale > 4.0 || scale != std::trunc(scale)) return false;
  placement.scale = static_cast<int>(scale);
  placement.phaseX = t.dx() - std::floor(t.dx());
  placement.phaseY = t.dy() - std::floor(t.dy());
  placement.antialiased = painter_->testRenderHint(QPainter::Antialiasing);
  return true;
}

const PainterSurface::EllipseStamp& PainterSurface::StampFor(int width, int height,
                                                             const StampPlacement& placement) {
  for (const EllipseStamp& stamp : stamps_) {
    if (stamp.width == width && stamp.height == height && stamp.pen == pen_ &&
        stamp.brush == brush_ && stamp.placement == placement) {
      return stamp;
    }
  }
  EllipseStamp stamp;
  stamp.width = width;
  stamp.height = height;
  stamp.pen = pen_;
  stamp.brush = brush_;
  stamp.placement = placement;
  const int scale = placement.scale;
  stamp.margin = (std::clamp(pen_.width, 1, 1000) + 2) * scale;
  stamp.image = QImage(width * scale + 2 * stamp.margin, height * scale + 2 * stamp.margin,
                       QImage::Format_ARGB32_Premultiplied);
  stamp.image.fill(Qt::transparent);
  QPainter painter(&stamp.image);
  painter.setRenderHint(QPainter::Antialiasing, placement.antialiased);
  painter.setTransform(
      QTransform()
          .translate(stamp.margin + placement.phaseX, stamp.margin + placement.phaseY)
          .scale(scale, scale));
  ApplyShapePen(painter);
  painter.setBrush(QBrush(ToQColor(brush_), Qt::SolidPattern));
  painter.drawEllipse(CornerRect(0, 0, width, height));
  painter.end();
  // A handful of dot kinds at most; keep the cache bounded all the same.
  if (stamps_.size() >= 8) stamps_.erase(stamps_.begin());
  stamps_.push_back(std::move(stamp));
  return stamps_.back();
}

void PainterSurface::Ellipse(int left, int top, int right, int bottom) {
  if (painter_ == nullptr) return;
  const QRectF box = CornerRect(left, top, right, bottom);
  // Dots are a few pixels wide; larger ellipses are drawn directly.
  constexpr int kLargestStamp = 32;
  // In doubles: the corners may lie anywhere in the int range.
  const double width = std::abs(static_cast<double>(right) - left);
  const double height = std::abs(static_cast<double>(bottom) - top);
  StampPlacement placement;
  if (pen_.style == PenStyle::Solid && width <= kLargestStamp && height <= kLargestStamp &&
      box.width() + 1.0 == width && box.height() + 1.0 == height && CanStamp(placement)) {
    const EllipseStamp& stamp =
        StampFor(static_cast<int>(width), static_cast<int>(height), placement);
    // The box's corner in device pixels: a whole number plus the phase.
    const QTransform world = painter_->worldTransform();
    const QPointF corner = world.map(box.topLeft());
    const QPoint at(static_cast<int>(std::floor(corner.x() + 1e-9)) - stamp.margin,
                    static_cast<int>(std::floor(corner.y() + 1e-9)) - stamp.margin);
    painter_->resetTransform();
    painter_->drawImage(at, stamp.image);
    painter_->setWorldTransform(world);
    return;
  }
  ApplyShapePen();
  ApplyBrush();
  painter_->drawEllipse(box);
}

void PainterSurface::Polygon(const std::vector<IntPoint>& points) {
  if (painter_ == nullptr || points.empty()) return;
  std::vector<ClipPoint> corners;
  corners.reserve(points.size());
  for (const IntPoint& p : points) {
    corners.push_back({static_cast<double>(p.x), static_cast<double>(p.y)});
  }
  std::vector<ClipPoint> clipped = ClipPolygon(corners, kDrawingLimit);
  if (clipped.empty()) return;
  QPolygonF polygon;
  polygon.reserve(static_cast<qsizetype>(clipped.size()));
  for (const ClipPoint& p : clipped) polygon << QPointF(p.x, p.y);
  ApplyShapePen();
  ApplyBrush();
  painter_->drawPolygon(polygon, Qt::OddEvenFill);
}

void PainterSurface::TextOut(int x, int y, const std::string& text) {
  if (painter_ == nullptr || text.empty()) return;
  if (x < kDrawingLimit.left || x > kDrawingLimit.right || y < kDrawingLimit.top ||
      y > kDrawingLimit.bottom) {
    return;  // far off every surface
  }
  QString qtext = QString::fromStdString(text);
  painter_->setFont(font_.qfont);
  if (!transparent_) {
    QFontMetricsF metrics(font_.qfont);
    QRectF box(x, y, metrics.horizontalAdvance(qtext), metrics.height());
    painter_->fillRect(box, ToQColor(backColor_));
  }
  painter_->setPen(ToQColor(textColor_));
  painter_->drawText(QPointF(x, y + font_.ascent), qtext);
}

}  // namespace tessaro::app
