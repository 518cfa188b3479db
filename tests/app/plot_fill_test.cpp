// The plot fills its widget: after Auto Zoom the axes' ranges of every
// example span most of the plot's width and height, whatever the window's
// size, and the origin sits at the widget's bottom-left corner.

#include <QDir>
#include <QTest>

#include "app/plot_widget.h"
#include "doc/file_store.h"
#include "form_harness.h"
#include "model/constants.h"

using namespace tessaro;
using namespace tessaro::app;
using namespace tessaro::app::test;

class PlotFillTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void autoZoomFillsThePlot_data();
  void autoZoomFillsThePlot();
};

void PlotFillTest::autoZoomFillsThePlot_data() {
  QTest::addColumn<QString>("model");
  QTest::addColumn<QSize>("window");
  const QDir examples(QStringLiteral(TESSARO_SOURCE_DIR "/examples"));
  const QStringList files = examples.entryList({QStringLiteral("*.kvr")}, QDir::Files);
  QVERIFY(files.size() >= 3);
  for (const QString& file : files) {
    for (const QSize window : {QSize(1600, 1000), QSize(800, 600)}) {
      QTest::newRow(qPrintable(
          QStringLiteral("%1 at %2x%3").arg(file).arg(window.width()).arg(window.height())))
          << examples.filePath(file) << window;
    }
  }
}

void PlotFillTest::autoZoomFillsThePlot() {
  QFETCH(QString, model);
  QFETCH(QSize, window);
  MessageRecorder messages;
  Model doc;
  std::string message;
  QVERIFY2(LoadModelFile(model.toStdString(), doc, message), message.c_str());
  ShownView v(doc);
  v.view->resize(window);
  QVERIFY(v.Settle());
  QVERIFY(v.view->RunCommand(cmd::AUTO_ZOOM));
  QVERIFY(messages.shown.empty());
  v.Flush();

  const QSize plot = v.view->Plot()->size();
  QCOMPARE(plot, QSize(window.width() - 15, window.height() - 120));
  const Model& eq = v.doc.model();
  const double width = (eq.xMax - eq.xMin) * eq.xZoom;
  const double height = (eq.yMax - eq.yMin) * eq.yZoom;
  QVERIFY2(width >= 0.8 * plot.width(), qPrintable(QString::number(width)));
  QVERIFY2(height >= 0.8 * plot.height(), qPrintable(QString::number(height)));
  // Inside the plot, right of and above the origin.
  QVERIFY(width <= plot.width() - 30);
  QVERIFY(height <= plot.height() - 32);

  // The picture has the plot's size; the X axis runs along the row 32
  // pixels above its bottom, the Y axis up the column 30 pixels in.
  const QImage& image = v.view->OffscreenImage();
  QCOMPARE(image.size(), plot * v.view->PixelRatio());
  const int axisRow = plot.height() - 32;
  QVERIFY(qGray(image.pixel(plot.width() / 2, axisRow)) < 100);
  QVERIFY(qGray(image.pixel(30, plot.height() / 2)) < 100);
}

QTEST_MAIN(PlotFillTest)
#include "plot_fill_test.moc"
