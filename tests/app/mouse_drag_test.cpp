// Real pointer events on the form: every press, move and release outside
// the input controls, the plot area included, reaches the core's handlers
// in the view's own coordinates, where the plot origin lies at the plot
// widget's bottom-left corner, 30 pixels in and 32 up.

#include <QCursor>
#include <QTest>

#include "app/plot_widget.h"
#include "form_harness.h"
#include "model/constants.h"

using namespace tessaro;
using namespace tessaro::app;
using namespace tessaro::app::test;

namespace {

// The plot origin in the view's pixels, from the plot widget's place.
QPoint PlotOrigin(const ShownView& v) {
  const QRect plot = v.view->Plot()->geometry();
  return QPoint(plot.left() + 30, plot.top() + plot.height() - 32);
}

// The view pixel of a model point at zoom 6 with the range starting at 0.
QPoint ViewPoint(const ShownView& v, double x, double y) {
  return PlotOrigin(v) + QPoint(static_cast<int>(x * 6), -static_cast<int>(y * 6));
}

}  // namespace

class MouseDragTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void pointerPositionInPane_data();
  void pointerPositionInPane();
  void dragLineChangesRightHandSideAndUndoes();
  void rightPressOnPayoffRotates();
  void rightPressElsewherePreviewsAndRestores();
  void cursorShowsWhatWouldBeGrabbed_data();
  void cursorShowsWhatWouldBeGrabbed();
};

void MouseDragTest::pointerPositionInPane_data() {
  QTest::addColumn<QPoint>("at");  // from the plot origin
  QTest::addColumn<QString>("pane");
  QTest::newRow("over the plot") << QPoint(60, -60) << " (10.0, 10.0)";
  QTest::newRow("plot origin") << QPoint(0, 0) << " ( 0.0,  0.0)";
  QTest::newRow("form left of the plot") << QPoint(-40, -20) << " (-6.7,  3.3)";
  QTest::newRow("high up the plot") << QPoint(695, -500) << " (115.8, 83.3)";
}

void MouseDragTest::pointerPositionInPane() {
  QFETCH(QPoint, at);
  QFETCH(QString, pane);
  MessageRecorder messages;
  Model model;
  FillSampleModel(model);
  ShownView v(model);
  QVERIFY(v.Settle());
  QTest::mouseMove(v.view.get(), PlotOrigin(v) + at);
  QTRY_COMPARE(v.view->PaneText(0), pane);
}

void MouseDragTest::dragLineChangesRightHandSideAndUndoes() {
  MessageRecorder messages;
  Model model;
  FillSampleModel(model);
  ShownView v(model);
  QVERIFY(v.Settle());
  QImage before = v.view->OffscreenImage().copy();
  QString textBefore = v.Field(ctl::LINE0)->text();

  // 2x + 1y <= 40 passes 0.5 units (3 pixels) beside the model point (15.5, 10).
  QTest::mousePress(v.view.get(), Qt::LeftButton, Qt::NoModifier, ViewPoint(v, 15.5, 10));
  QTest::mouseMove(v.view.get(), ViewPoint(v, 18, 10));
  QTest::mouseMove(v.view.get(), ViewPoint(v, 20, 10));
  QTRY_COMPARE(v.doc.model().lines[0].c, 50.0);
  QVERIFY2(v.view->PaneText(1).contains(QStringLiteral("c1")), qPrintable(v.view->PaneText(1)));
  QTest::mouseRelease(v.view.get(), Qt::LeftButton, Qt::NoModifier, ViewPoint(v, 20, 10));
  // Released, the line no longer follows the pointer.
  QTest::mouseMove(v.view.get(), ViewPoint(v, 22, 10));

  QCOMPARE(v.doc.model().lines[0].c, 50.0);
  QVERIFY(v.doc.isModified());
  QVERIFY2(v.Field(ctl::LINE0)->text().contains(QStringLiteral("50.0")),
           qPrintable(v.Field(ctl::LINE0)->text()));
  QVERIFY(v.view->OffscreenImage() != before);

  // One Undo takes back the whole drag.
  QVERIFY(v.view->RunCommand(cmd::EDIT_UNDO));
  QCOMPARE(v.doc.model().lines[0].c, 40.0);
  QCOMPARE(v.Field(ctl::LINE0)->text(), textBefore);
  QTRY_COMPARE(v.view->OffscreenImage(), before);
}

void MouseDragTest::rightPressOnPayoffRotates() {
  MessageRecorder messages;
  Model model;
  FillSampleModel(model);
  ShownView v(model);
  QVERIFY(v.Settle());
  // 3x + 2y = 12 crosses the X axis at (4, 0); below the diagonal the line
  // turns about its Y intercept (0, 6).
  QTest::mousePress(v.view.get(), Qt::RightButton, Qt::NoModifier, ViewPoint(v, 4, 0));
  QTest::mouseMove(v.view.get(), ViewPoint(v, 4, 3));
  QTRY_COMPARE(v.doc.model().payoff.a, 1.5);  // (12 - 2 * 3) / 4
  QVERIFY2(v.Field(ctl::PAYOFF)->text().contains(QStringLiteral("1.5 x")),
           qPrintable(v.Field(ctl::PAYOFF)->text()));
  QTest::mouseRelease(v.view.get(), Qt::RightButton, Qt::NoModifier, ViewPoint(v, 4, 3));
  // Released, the line no longer turns with the pointer.
  QTest::mouseMove(v.view.get(), ViewPoint(v, 4, 5));
  QCOMPARE(v.doc.model().payoff.a, 1.5);
  QCOMPARE(v.doc.model().payoff.level, 12.0);
  QVERIFY(v.doc.isModified());
}

void MouseDragTest::rightPressElsewherePreviewsAndRestores() {
  MessageRecorder messages;
  Model model;
  FillSampleModel(model);
  ShownView v(model);
  QVERIFY(v.Settle());
  QString payoffBefore = v.Field(ctl::PAYOFF)->text();
  QTest::mousePress(v.view.get(), Qt::RightButton, Qt::NoModifier, ViewPoint(v, 10, 10));
  // The preview is shown, never stored, and nothing turns.
  QTest::mouseMove(v.view.get(), ViewPoint(v, 12, 10));
  QCOMPARE(v.doc.model().payoff.a, 3.0);
  QCOMPARE(v.doc.model().payoff.level, 12.0);
  QVERIFY2(v.Field(ctl::PAYOFF)->text().contains(QStringLiteral("50.0")),  // 3 * 10 + 2 * 10
           qPrintable(v.Field(ctl::PAYOFF)->text()));
  QTest::mouseRelease(v.view.get(), Qt::RightButton, Qt::NoModifier, ViewPoint(v, 10, 10));
  QCOMPARE(v.doc.model().payoff.level, 12.0);
  QCOMPARE(v.Field(ctl::PAYOFF)->text(), payoffBefore);
}

void MouseDragTest::cursorShowsWhatWouldBeGrabbed_data() {
  QTest::addColumn<QPointF>("at");  // model units
  QTest::addColumn<int>("shape");
  QTest::newRow("on a constraint line") << QPointF(15.5, 10) << int(Qt::PointingHandCursor);
  QTest::newRow("on the payoff line") << QPointF(2, 3) << int(Qt::PointingHandCursor);
  QTest::newRow("in the open area") << QPointF(40, 15) << int(Qt::ArrowCursor);
  // 40 pixels left of the origin: 5 pixels into the form, left of the plot.
  QTest::newRow("on the form beside the plot") << QPointF(-40.0 / 6, 3) << int(Qt::ArrowCursor);
}

void MouseDragTest::cursorShowsWhatWouldBeGrabbed() {
  QFETCH(QPointF, at);
  QFETCH(int, shape);
  MessageRecorder messages;
  Model model;
  FillSampleModel(model);
  ShownView v(model);
  QVERIFY(v.Settle());
  // Start from the other shape, so that the move has to set this one.
  QPoint other = shape == Qt::ArrowCursor ? ViewPoint(v, 15.5, 10) : ViewPoint(v, 40, 15);
  QTest::mouseMove(v.view.get(), other);
  QTRY_VERIFY(v.view->cursor().shape() != Qt::CursorShape(shape));
  QTest::mouseMove(v.view.get(), ViewPoint(v, at.x(), at.y()));
  QTRY_COMPARE(int(v.view->cursor().shape()), shape);
}

QTEST_MAIN(MouseDragTest)
#include "mouse_drag_test.moc"
