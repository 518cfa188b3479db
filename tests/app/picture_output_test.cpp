// The QPainter surface, the clipboard picture and the page mapping.

#include "app/picture_output.h"

#include <QClipboard>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QMimeData>
#include <QPainter>
#include <QPrinter>
#include <QRegularExpression>
#include <QSvgRenderer>
#include <QTest>
#include <cmath>
#include <limits>

#include "app/clip_geometry.h"
#include "app/painter_surface.h"
#include "form_harness.h"
#include "model/constants.h"

using namespace tessaro;
using namespace tessaro::app;
using namespace tessaro::app::test;

Q_DECLARE_METATYPE(tessaro::app::PageMetrics)

namespace {

constexpr QRgb kAreaColor = 0xC8FEC8;  // RGB(200, 254, 200), the default fill
constexpr int kBig = std::numeric_limits<int>::max();

QImage WhiteImage(int w, int h) {
  QImage image(w, h, QImage::Format_RGB32);
  image.fill(Qt::white);
  return image;
}

QImage RenderSvg(const QByteArray& svg, QRect* viewBox) {
  QSvgRenderer renderer(svg);
  *viewBox = renderer.viewBox();
  QImage image = WhiteImage(kPictureWidth, kPictureHeight);
  QPainter painter(&image);
  renderer.render(&painter);
  return image;
}

}  // namespace

class PictureOutputTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void pageMapping_data();
  void pageMapping();
  void fontMatchesHeightAndAverageWidth_data();
  void fontMatchesHeightAndAverageWidth();
  void textHangsBelowItsAnchor();
  void shapesFarOutsideAreCutNotLost_data();
  void shapesFarOutsideAreCutNotLost();
  void segmentClipping_data();
  void segmentClipping();
  void copyPicturePutsSvgAndPng();
  void copyPictureWithoutFillHasNoAreaColour();
  void printerFailureGivesItsReason();
};

void PictureOutputTest::pageMapping_data() {
  QTest::addColumn<PageMetrics>("page");
  QTest::addColumn<int>("screenDpi");
  QTest::addColumn<int>("originX");
  QTest::addColumn<int>("originY");
  QTest::addColumn<double>("scale");
  // A4 printable area at each resolution; one unit is 1/95 inch.
  QTest::newRow("600 dpi from a 120 dpi screen")
      << PageMetrics{200, 287, 4724, 6780, 600, 600} << 120 << 150 << 1750 << 600 / 95.0;
  QTest::newRow("300 dpi from a 96 dpi screen rounds to nearest")
      << PageMetrics{200, 287, 2362, 3390, 300, 300} << 96 << 94 << 1094 << 300 / 95.0;
  QTest::newRow("1200 dpi pdf from a 96 dpi screen")
      << PageMetrics{200, 287, 9449, 13559, 1200, 1200} << 96 << 375 << 4375 << 1200 / 95.0;
  QTest::newRow("no page size falls back to the resolution")
      << PageMetrics{0, 0, 0, 0, 600, 600} << 96 << 188 << 2188 << 600 / 95.0;
}

void PictureOutputTest::pageMapping() {
  QFETCH(PageMetrics, page);
  QFETCH(int, screenDpi);
  QFETCH(int, originX);
  QFETCH(int, originY);
  QFETCH(double, scale);
  PageMapping mapping = ComputePageMapping(page, screenDpi, screenDpi);
  QCOMPARE(mapping.originX, originX);
  QCOMPARE(mapping.originY, originY);
  // Whole millimetres make the scale a little coarse: within 1 %.
  QVERIFY2(std::abs(mapping.scale - scale) < scale * 0.01,
           qPrintable(QString("scale %1, expected %2").arg(mapping.scale).arg(scale)));
}

void PictureOutputTest::fontMatchesHeightAndAverageWidth_data() {
  QTest::addColumn<int>("height");
  QTest::addColumn<int>("width");
  QTest::addColumn<int>("weight");
  QTest::addColumn<bool>("italic");
  QTest::newRow("graph text") << 12 << 6 << 700 << false;
  QTest::newRow("highlighted graph text") << 12 << 6 << 700 << true;
  QTest::newRow("axis font template") << 26 << 10 << 700 << false;
  QTest::newRow("narrow") << 20 << 4 << 400 << false;
}

void PictureOutputTest::fontMatchesHeightAndAverageWidth() {
  QFETCH(int, height);
  QFETCH(int, width);
  QFETCH(int, weight);
  QFETCH(bool, italic);
  QFont font = PainterSurface::ToQFont(Font{"Arial", height, width, weight, italic});
  QCOMPARE(font.pixelSize(), height);
  QCOMPARE(font.bold(), weight >= 700);
  QCOMPARE(font.italic(), italic);
  double average = QFontMetricsF(font).averageCharWidth();
  QVERIFY2(std::abs(average - width) <= 0.75,
           qPrintable(QString("average width %1, wanted %2").arg(average).arg(width)));
}

void PictureOutputTest::textHangsBelowItsAnchor() {
  QImage image = WhiteImage(200, 60);
  {
    QPainter painter(&image);
    PainterSurface surface(&painter);
    surface.SelectFont(Font{"Arial", 12, 6, 700, false});
    surface.SetTransparentBackground();
    surface.SetTextColor(Rgb{0, 0, 0});
    surface.TextOut(20, 30, "HgTy");
  }
  // The text's top-left corner is the anchor: nothing above the anchor's
  // row, ink within the 12 units below it.
  QCOMPARE(CountDark(image, QRect(0, 0, 200, 30)), 0);
  QVERIFY(CountDark(image, QRect(20, 30, 60, 12)) > 10);
  QCOMPARE(CountDark(image, QRect(0, 0, 19, 60)), 0);
}

void PictureOutputTest::shapesFarOutsideAreCutNotLost_data() {
  QTest::addColumn<QString>("shape");
  QTest::addColumn<QPoint>("probe");  // a pixel the visible part must cover
  QTest::addColumn<QRgb>("colour");
  QTest::newRow("line across the int range") << "line" << QPoint(50, 50) << QRgb(0x000000);
  QTest::newRow("polygon corners beyond the int range")
      << "polygon" << QPoint(10, 90) << QRgb(0x102030);
  QTest::newRow("rectangle given bottom-up") << "rectangle" << QPoint(50, 50) << QRgb(0x102030);
}

void PictureOutputTest::shapesFarOutsideAreCutNotLost() {
  QFETCH(QString, shape);
  QFETCH(QPoint, probe);
  QFETCH(QRgb, colour);
  QImage image = WhiteImage(100, 100);
  {
    QPainter painter(&image);
    // Whole coordinates on pixel centres, as the screen's picture has them:
    // an anti-aliased one-pixel line then covers one row of pixels.
    painter.setTransform(QTransform::fromTranslate(0.5, 0.5));
    PainterSurface surface(&painter);
    surface.SelectPen(Pen{PenStyle::Solid, 1, Rgb{0, 0, 0}});
    surface.SelectBrush(Rgb{0x10, 0x20, 0x30});
    if (shape == "line") {
      surface.MoveTo(-kBig, 50);
      surface.LineTo(kBig, 50);
    } else if (shape == "polygon") {
      surface.Polygon({{-kBig, -kBig}, {kBig, -kBig}, {kBig, kBig}, {-kBig, kBig}, {-kBig, -kBig}});
    } else {
      surface.Rectangle(-300, 3000, 3000, -3000);
    }
  }
  QCOMPARE(image.pixel(probe) & 0xFFFFFF, colour & 0xFFFFFF);
}

void PictureOutputTest::segmentClipping_data() {
  QTest::addColumn<QPointF>("a");
  QTest::addColumn<QPointF>("b");
  QTest::addColumn<bool>("visible");
  QTest::addColumn<QPointF>("clippedA");
  QTest::addColumn<QPointF>("clippedB");
  QTest::newRow("inside unchanged")
      << QPointF(1, 2) << QPointF(30, 40) << true << QPointF(1, 2) << QPointF(30, 40);
  QTest::newRow("crossing both sides")
      << QPointF(-50, 5) << QPointF(150, 5) << true << QPointF(0, 5) << QPointF(100, 5);
  QTest::newRow("diagonal from far away")
      << QPointF(-100, -100) << QPointF(50, 50) << true << QPointF(0, 0) << QPointF(50, 50);
  QTest::newRow("wholly outside") << QPointF(-10, -10) << QPointF(-1, 200) << false << QPointF()
                                  << QPointF();
  QTest::newRow("not finite") << QPointF(std::nan(""), 0) << QPointF(5, 5) << false << QPointF()
                              << QPointF();
}

void PictureOutputTest::segmentClipping() {
  QFETCH(QPointF, a);
  QFETCH(QPointF, b);
  QFETCH(bool, visible);
  QFETCH(QPointF, clippedA);
  QFETCH(QPointF, clippedB);
  ClipPoint p{a.x(), a.y()};
  ClipPoint q{b.x(), b.y()};
  ClipBox box{0, 0, 100, 100};
  QCOMPARE(ClipSegment(p, q, box), visible);
  if (!visible) return;
  QVERIFY(std::abs(p.x - clippedA.x()) < 1e-9 && std::abs(p.y - clippedA.y()) < 1e-9);
  QVERIFY(std::abs(q.x - clippedB.x()) < 1e-9 && std::abs(q.y - clippedB.y()) < 1e-9);
}

void PictureOutputTest::copyPicturePutsSvgAndPng() {
  MessageRecorder messages;
  Model model;
  FillSampleModel(model);
  ShownView v(model);
  QVERIFY(v.Settle());
  QGuiApplication::clipboard()->clear();
  QVERIFY(v.view->RunCommand(cmd::COPY_PICTURE));
  const QMimeData* data = QGuiApplication::clipboard()->mimeData();
  QVERIFY(data != nullptr);
  QVERIFY(data->hasFormat(QStringLiteral("image/svg+xml")));
  QVERIFY(data->hasImage());

  QByteArray svg = data->data(QStringLiteral("image/svg+xml"));
  QRect viewBox;
  QImage fromSvg = RenderSvg(svg, &viewBox);
  QCOMPARE(viewBox, QRect(0, 0, kPictureWidth, kPictureHeight));
  // The frame measures 704 x 480 pixels of the screen.
  QRegularExpressionMatch width =
      QRegularExpression(QStringLiteral("width=\"([0-9.]+)mm\"")).match(QString::fromUtf8(svg));
  QVERIFY(width.hasMatch());
  double widthMm = width.captured(1).toDouble();
  QVERIFY2(std::abs(widthMm - kPictureWidth * 25.4 / ScreenDpiX()) < 0.01,
           qPrintable(width.captured(1)));
  QImage png = qvariant_cast<QImage>(data->imageData());
  QCOMPARE(png.size(), QSize(kPictureWidth, kPictureHeight));
  for (const QImage& picture : {fromSvg, png}) {
    QVERIFY(CountColor(picture, kAreaColor) > 1000);  // the feasible area
    QVERIFY(CountReddish(picture) > 20);              // the dashed payoff line
  }
  // The plot origin sits at (30, 320): the area's lowest corner is there.
  QCOMPARE(png.pixel(33, 316) & 0xFFFFFF, kAreaColor);
  QVERIFY((png.pixel(25, 316) & 0xFFFFFF) != kAreaColor);
  // The constraint list is written under the graph, 55 units below the axis.
  QVERIFY(CountDark(png, QRect(30, 320 + 55, 300, 30)) > 20);
  QVERIFY(!v.doc.isModified());
}

void PictureOutputTest::copyPictureWithoutFillHasNoAreaColour() {
  MessageRecorder messages;
  Model model;
  FillSampleModel(model);
  model.fill = static_cast<FillMode>(0);
  ShownView v(model);
  QVERIFY(v.Settle());
  QVERIFY(v.view->RunCommand(cmd::COPY_PICTURE));
  QImage png = qvariant_cast<QImage>(QGuiApplication::clipboard()->mimeData()->imageData());
  QCOMPARE(CountColor(png, kAreaColor), 0);
  QVERIFY(CountReddish(png) > 20);
}

// The printer's failure is reported with what the printer said, never
// with the painter's own "QPainter::begin(): Returned false".
void PictureOutputTest::printerFailureGivesItsReason() {
  Model model;
  FillSampleModel(model);
  ShownView v(model);
  QVERIFY(v.Settle());
  QPrinter printer(QPrinter::HighResolution);
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(QStringLiteral("/no/such/folder/page.pdf"));
  std::string error;
  QVERIFY(!PrintPage(printer, v.view->Equation(), error));
  const QString text = QString::fromStdString(error);
  QCOMPARE(text, QStringLiteral("Cannot write \"/no/such/folder/page.pdf\": No such file or "
                                "directory."));
}

QTEST_MAIN(PictureOutputTest)
#include "picture_output_test.moc"
