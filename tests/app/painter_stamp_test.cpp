// Small ellipses (the lattice dots) are copied from a stamp drawn once
// rather than stroked each time; the picture must be the painter's own
// anti-aliased ellipse, up to one rounding step of a colour channel.

#include <QImage>
#include <QPainter>
#include <QPicture>
#include <QTest>
#include <algorithm>
#include <climits>
#include <cstdlib>
#include <vector>

#include "app/painter_surface.h"

using namespace tessaro;
using namespace tessaro::app;

namespace {

struct Dot {
  int left, top, right, bottom;
};

// Draws the dots through a surface on painter.
void DrawDots(QPainter& painter, const Pen& pen, const Rgb& brush, const std::vector<Dot>& dots) {
  PainterSurface surface(&painter);
  surface.SelectPen(pen);
  surface.SelectBrush(brush);
  for (const Dot& d : dots) surface.Ellipse(d.left, d.top, d.right, d.bottom);
  surface.End();
}

QImage BlankImage() {
  QImage image(200, 160, QImage::Format_RGB32);
  image.fill(Qt::white);
  return image;
}

// The dots a lattice gives: a grid, some of them partly off the image.
std::vector<Dot> Grid(int size) {
  std::vector<Dot> dots;
  for (int y = -20; y <= 150; y += 7) {
    for (int x = -40; x <= 190; x += 9)
      dots.push_back({x - size / 2, y + size / 2, x + size / 2, y - size / 2});
  }
  return dots;
}

}  // namespace

class PainterStampTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void stampedDotsMatchThePaintersEllipses_data() {
    QTest::addColumn<int>("penStyle");  // 0 solid, 1 dotted
    QTest::addColumn<int>("penWidth");
    QTest::addColumn<int>("size");
    QTest::addColumn<QPointF>("origin");
    QTest::addColumn<int>("scale");  // device pixels per unit
    QTest::newRow("lattice dot: 3-pixel blue pen, 4 wide") << 0 << 3 << 4 << QPointF(30, 100) << 1;
    QTest::newRow("thin pen, 5 wide, odd origin") << 0 << 1 << 5 << QPointF(17, 61) << 1;
    QTest::newRow("dotted pen, 12 wide") << 1 << 1 << 12 << QPointF(30, 100) << 1;
    QTest::newRow("wide pen, 2 wide") << 0 << 5 << 2 << QPointF(0, 0) << 1;
    QTest::newRow("too large to stamp") << 0 << 2 << 40 << QPointF(30, 100) << 1;
    // The screen's picture: whole coordinates half a pixel off the grid.
    QTest::newRow("lattice dot, half-pixel origin") << 0 << 3 << 4 << QPointF(30.5, 100.5) << 1;
    QTest::newRow("thin pen, half-pixel origin") << 0 << 1 << 5 << QPointF(17.5, 61.5) << 1;
    // A high-density screen: two device pixels a unit.
    QTest::newRow("lattice dot at ratio 2") << 0 << 3 << 4 << QPointF(60, 200) << 2;
    QTest::newRow("thin pen at ratio 2, odd origin") << 0 << 1 << 5 << QPointF(17, 61) << 2;
  }
  void stampedDotsMatchThePaintersEllipses() {
    QFETCH(int, penStyle);
    QFETCH(int, penWidth);
    QFETCH(int, size);
    QFETCH(QPointF, origin);
    QFETCH(int, scale);
    const QTransform placement = QTransform().translate(origin.x(), origin.y()).scale(scale, scale);
    const Pen pen{penStyle == 0 ? PenStyle::Solid : PenStyle::Dotted, penWidth, Rgb{0, 0, 255}};
    const Rgb brush{200, 254, 200};
    const std::vector<Dot> dots = Grid(size);

    // On the image itself: the stamped way.
    QImage stamped = BlankImage();
    {
      QPainter painter(&stamped);
      painter.setTransform(placement);
      DrawDots(painter, pen, brush, dots);
    }
    // Recorded as a picture and played back: every ellipse drawn by the
    // painter itself, with the same pens and brushes.
    QPicture recording;
    {
      QPainter painter(&recording);
      DrawDots(painter, pen, brush, dots);
    }
    QImage direct = BlankImage();
    {
      QPainter painter(&direct);
      painter.setTransform(placement);
      painter.drawPicture(0, 0, recording);
    }
    QVERIFY(stamped != BlankImage());  // something was drawn
    // Anti-aliased, the stamp's edge pixels are blended twice (into the
    // stamp, then onto the image) where the painter blends once: a channel
    // may differ by a rounding step, never more.
    int differing = 0;
    int largest = 0;
    for (int y = 0; y < direct.height(); ++y) {
      for (int x = 0; x < direct.width(); ++x) {
        const QRgb a = stamped.pixel(x, y);
        const QRgb b = direct.pixel(x, y);
        if (a == b) continue;
        ++differing;
        largest = std::max({largest, std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)),
                            std::abs(qBlue(a) - qBlue(b))});
      }
    }
    QVERIFY(largest <= 1);
  }

  void ellipseAcrossTheIntRangeIsFilled() {
    // Corners at the ends of the int range: no overflow working out the
    // size, and the image lies inside the (clamped) ellipse.
    QImage image = BlankImage();
    {
      QPainter painter(&image);
      DrawDots(painter, Pen{PenStyle::Solid, 1, Rgb{0, 0, 0}}, Rgb{10, 20, 30},
               {{INT_MIN, INT_MIN, INT_MAX, INT_MAX}});
    }
    QCOMPARE(image.pixel(100, 80) & 0xFFFFFF, QRgb(0x0A141E));
  }

  void scaledPaintersDrawTheEllipseItself() {
    // Under a scale (the printed page) the ellipse stays a curve: its
    // outline is smooth at 8 times the size, not a magnified stamp.
    const Pen pen{PenStyle::Solid, 1, Rgb{0, 0, 0}};
    QImage scaled(400, 400, QImage::Format_RGB32);
    scaled.fill(Qt::white);
    {
      QPainter painter(&scaled);
      painter.setTransform(QTransform::fromScale(8, 8));
      DrawDots(painter, pen, Rgb{255, 255, 255}, {{10, 10, 30, 30}});
    }
    QImage reference(400, 400, QImage::Format_RGB32);
    reference.fill(Qt::white);
    {
      QPainter painter(&reference);
      painter.setTransform(QTransform::fromScale(8, 8));
      painter.setRenderHint(QPainter::Antialiasing, true);
      painter.setPen(QPen(Qt::black, 1, Qt::SolidLine, Qt::SquareCap, Qt::RoundJoin));
      painter.setBrush(Qt::white);
      painter.drawEllipse(QRectF(10, 10, 19, 19));
    }
    QCOMPARE(scaled, reference);
  }
};

QTEST_MAIN(PainterStampTest)
#include "painter_stamp_test.moc"
