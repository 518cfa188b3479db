// View commands run from the menus and the toolbar, and the "+"/"-"
// buttons: what the user sees in the fields, the panes and the picture.

#include <QTest>
#include <cmath>

#include "form_harness.h"
#include "model/constants.h"

using namespace tessaro;
using namespace tessaro::app;
using namespace tessaro::app::test;

namespace {

constexpr QRgb kAreaColor = 0xC8FEC8;  // the default fill colour
constexpr QRgb kGrey = 0xC6C6C6;       // fill mode 2

// Samples of the model segment (zoom 6, origin at image pixel (30, 300))
// with a clearly red pixel within two pixels.
int RedSamplesAlong(const QImage& image, QPointF from, QPointF to) {
  int red = 0;
  for (int k = 0; k <= 20; ++k) {
    double t = k / 20.0;
    // The plot origin: 30 pixels in from the left, 32 up from the bottom.
    int px = 30 + static_cast<int>((from.x() + t * (to.x() - from.x())) * 6);
    int py = image.height() - 32 - static_cast<int>((from.y() + t * (to.y() - from.y())) * 6);
    if (CountReddish(image.copy(px - 2, py - 2, 5, 5)) > 0) ++red;
  }
  return red;
}

}  // namespace

class FormCommandsTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void fillToggles_data();
  void fillToggles();
  void autoMaxShowsOptimum();
  void autoMinShowsOptimum();
  void previewPayoffProbesShadowPrice_data();
  void previewPayoffProbesShadowPrice();
  void autoZoomFitsTheArea();
  void unknownCommandsAreNotTheViews();
};

void FormCommandsTest::fillToggles_data() {
  QTest::addColumn<QList<Command>>("commands");
  QTest::addColumn<bool>("areaColour");
  QTest::addColumn<bool>("grey");
  QTest::newRow("colour") << QList<Command>{cmd::TOGGLE_COLOR} << true << false;
  QTest::newRow("colour then grey")
      << QList<Command>{cmd::TOGGLE_COLOR, cmd::TOGGLE_GREY} << false << true;
  QTest::newRow("colour, grey, grey")
      << QList<Command>{cmd::TOGGLE_COLOR, cmd::TOGGLE_GREY, cmd::TOGGLE_GREY} << false << false;
  QTest::newRow("colour, grey, grey, colour")
      << QList<Command>{cmd::TOGGLE_COLOR, cmd::TOGGLE_GREY, cmd::TOGGLE_GREY, cmd::TOGGLE_COLOR}
      << true << false;
}

void FormCommandsTest::fillToggles() {
  QFETCH(QList<Command>, commands);
  QFETCH(bool, areaColour);
  QFETCH(bool, grey);
  MessageRecorder messages;
  Model model;
  FillSampleModel(model);
  model.fill = static_cast<FillMode>(0);
  ShownView v(model);
  QVERIFY(v.Settle());
  for (Command command : commands) QVERIFY(v.view->RunCommand(command));
  const QImage& image = v.view->OffscreenImage();
  QCOMPARE(CountColor(image, kAreaColor) > 1000, areaColour);
  QCOMPARE(CountColor(image, kGrey) > 1000, grey);
  QVERIFY(v.doc.isModified());
}

void FormCommandsTest::autoMaxShowsOptimum() {
  MessageRecorder messages;
  Model model;
  FillSampleModel(model);
  ShownView v(model);
  QVERIFY(v.Settle());
  // 3x + 2y over 2x + y <= 40 and x + y <= 30 is best at (10, 20): 70.
  QVERIFY(v.view->RunCommand(cmd::AUTO_MAX));
  QVERIFY(messages.shown.empty());
  QCOMPARE(v.doc.model().payoff.level, 70.0);
  QVERIFY2(v.Field(ctl::PAYOFF)->text().contains(QStringLiteral("= 70.0")),
           qPrintable(v.Field(ctl::PAYOFF)->text()));
  QCOMPARE(v.view->PaneText(2), QStringLiteral("Optimal Decisions(x, y):  (10.0, 20.0)"));
  // The dashed payoff line now runs from (0, 35) to (23.3, 0), through the optimum.
  QVERIFY(RedSamplesAlong(v.view->OffscreenImage(), QPointF(0, 35), QPointF(70.0 / 3, 0)) >= 12);
  QVERIFY(v.doc.isModified());
}

void FormCommandsTest::autoMinShowsOptimum() {
  MessageRecorder messages;
  Model model;
  model.xLabel = "x";
  model.yLabel = "y";
  AddLine(model, 0, "c1", 1, 1, 1, REL_GE, 4);
  AddLine(model, 1, "c2", 1, 1, 3, REL_GE, 6);
  model.payoff.a = 2;
  model.payoff.b = 3;
  model.payoff.sign = 1;
  ShownView v(model);
  QVERIFY(v.Settle());
  // 2x + 3y over x + y >= 4 and x + 3y >= 6: (0, 4) and (6, 0) give 12,
  // the crossing (3, 1) gives 9.
  QVERIFY(v.view->RunCommand(cmd::AUTO_MIN));
  QVERIFY(messages.shown.empty());
  QCOMPARE(v.doc.model().payoff.level, 9.0);
  QVERIFY2(v.Field(ctl::PAYOFF)->text().contains(QStringLiteral("=  9.0")),
           qPrintable(v.Field(ctl::PAYOFF)->text()));
  QCOMPARE(v.view->PaneText(2), QStringLiteral("Optimal Decisions(x, y):  ( 3.0,  1.0)"));
}

void FormCommandsTest::previewPayoffProbesShadowPrice_data() {
  QTest::addColumn<int>("button");
  QTest::addColumn<QString>("report");
  // At (10, 20) both constraints bind; each unit of either is worth 1.
  QTest::newRow("c1 plus") << ctl::LINE_PLUS[0]
                           << "Optimal Payoff will change by  1.00 per increased RHS unit.";
  QTest::newRow("c2 minus") << ctl::LINE_MINUS[1]
                            << "Optimal Payoff will change by -1.00 per decreased RHS unit.";
}

void FormCommandsTest::previewPayoffProbesShadowPrice() {
  QFETCH(int, button);
  QFETCH(QString, report);
  MessageRecorder messages;
  Model model;
  FillSampleModel(model);
  ShownView v(model);
  QVERIFY(v.Settle());
  QVERIFY(!v.view->IsCommandChecked(cmd::PREVIEW_PAYOFF));
  QVERIFY(v.view->RunCommand(cmd::PREVIEW_PAYOFF));
  QVERIFY(v.view->IsCommandChecked(cmd::PREVIEW_PAYOFF));
  QVERIFY(!v.doc.isModified());  // the switch itself changes nothing stored

  messages.answers = {MsgResult::Yes};  // "Is this a Maximization Model?"
  QTest::mouseClick(v.view->Button(button), Qt::LeftButton);
  QCOMPARE(messages.Texts().front(), std::string("Is this a Maximization Model?"));
  QVERIFY2(messages.Saw(report.toStdString()),
           qPrintable(QString::fromStdString(messages.Texts().back())));
  // The probe puts the right-hand sides back.
  QCOMPARE(v.doc.model().lines[0].c, 40.0);
  QCOMPARE(v.doc.model().lines[1].c, 30.0);
}

void FormCommandsTest::autoZoomFitsTheArea() {
  MessageRecorder messages;
  Model model;
  model.xLabel = "x";
  model.yLabel = "y";
  AddLine(model, 0, "c1", 1, 1, 1, REL_LE, 10);
  model.fill = static_cast<FillMode>(1);
  ShownView v(model);
  QVERIFY(v.Settle());
  QVERIFY(v.view->RunCommand(cmd::AUTO_ZOOM));
  // x + y <= 10 spans 10 by 10, fitted into the 900 x 700 window's plot of
  // 885 x 580: 885 - 30 - 100 pixels wide, 580 - 32 - 50 high.
  QCOMPARE(v.Field(ctl::X_MAX)->text(), QStringLiteral("10"));
  QCOMPARE(v.Field(ctl::Y_MAX)->text(), QStringLiteral("10"));
  QCOMPARE(v.Field(ctl::X_ZOOM)->text(), QStringLiteral("75.5"));
  QCOMPARE(v.Field(ctl::Y_ZOOM)->text(), QStringLiteral("49.8"));
  // The fitted ranges are stored: a step Undo can take back.
  QVERIFY(v.doc.isModified());
  // The filled triangle now reaches 755 pixels right and 498 up of the
  // origin at (30, 548).
  QTRY_COMPARE(v.view->OffscreenImage().pixel(30 + 745, 546) & 0xFFFFFF, kAreaColor);
  QCOMPARE(v.view->OffscreenImage().pixel(33, 548 - 488) & 0xFFFFFF, kAreaColor);
  QVERIFY((v.view->OffscreenImage().pixel(30 + 765, 546) & 0xFFFFFF) != kAreaColor);
}

void FormCommandsTest::unknownCommandsAreNotTheViews() {
  MessageRecorder messages;
  ShownView v;
  QVERIFY(v.Settle());
  for (Command command :
       {cmd::FILE_OPEN, cmd::FILE_SAVE, cmd::APP_ABOUT, cmd::VIEW_TOOLBAR, cmd::NONE}) {
    QVERIFY2(!v.view->RunCommand(command), qPrintable(QString::number(static_cast<int>(command))));
  }
  QVERIFY(!v.view->IsCommandChecked(cmd::TOGGLE_TRIM));
}

QTEST_MAIN(FormCommandsTest)
#include "form_commands_test.moc"
