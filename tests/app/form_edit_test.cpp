// The form view driven like a user: typing into fields, the deferred
// refresh, the spin control, the edit keys and the modified mark.

#include <QClipboard>
#include <QGuiApplication>
#include <QSignalSpy>
#include <QTest>

#include "app/spin_control.h"
#include "form_harness.h"
#include "model/constants.h"

using namespace tessaro;
using namespace tessaro::app;
using namespace tessaro::app::test;

namespace {

// Dark pixels of the offscreen image along the model segment from (x0, y0)
// to (x1, y1), drawn at zoom 6 with the origin at image pixel (30, 300);
// each sample looks one pixel around the exact spot.
int DarkAlong(const QImage& image, double x0, double y0, double x1, double y1) {
  int dark = 0;
  for (int k = 1; k < 20; ++k) {
    double t = k / 20.0;
    // The plot origin: 30 pixels in from the left, 32 up from the bottom.
    int px = 30 + static_cast<int>((x0 + t * (x1 - x0)) * 6);
    int py = image.height() - 32 - static_cast<int>((y0 + t * (y1 - y0)) * 6);
    if (CountDark(image, QRect(px - 1, py - 1, 3, 3)) > 0) ++dark;
  }
  return dark;
}

// Types key by key into whichever widget has the focus, as a keyboard does:
// a box or a focus change in between would take the keys that follow.
bool TypeAtFocus(const QString& text) {
  for (QChar ch : text) {
    QWidget* focused = QApplication::focusWidget();
    if (focused == nullptr) return false;
    QTest::keyClicks(focused, QString(ch));
  }
  return true;
}

void SelectAllAndType(QLineEdit* edit, const QString& text) {
  edit->setFocus();
  edit->selectAll();
  QTest::keyClicks(edit, text);
}

}  // namespace

class FormEditTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void newDocumentShowsDefaults();
  void lineTypedBeforeTheLabelsKeepsItsKeys();
  void halfLineIsMarkedUntilItReads();
  void typingReplots_data();
  void typingReplots();
  void renamingRelabelsEveryLine();
  void badRangeFieldFailsNextPull();
  void zoomAppliesOnlyAfterTimer();
  void spinRewritesDecimals_data();
  void spinRewritesDecimals();
  void spinKeysAndFocusOut();
  void pasteMarksModifiedOnlyWhenParsed_data();
  void pasteMarksModifiedOnlyWhenParsed();
  void ctrlZInFieldUndoesButtonStep();
  void copyThenUndoGoesToField();
  void pushKeepsCaretOfUnchangedField();
  void presentingDoesNotRepaintForever();
};

void FormEditTest::newDocumentShowsDefaults() {
  MessageRecorder messages;
  ShownView v;
  QVERIFY(v.Settle());
  QCOMPARE(v.Field(ctl::X_MAX)->text(), QStringLiteral("200"));
  QCOMPARE(v.Field(ctl::Y_MAX)->text(), QStringLiteral("120"));
  QCOMPARE(v.Field(ctl::X_ZOOM)->text(), QStringLiteral("6"));
  QCOMPARE(v.Field(ctl::DECIMALS)->text(), QStringLiteral("1"));
  QCOMPARE(v.view->Spin()->Position(), 1);
  QCOMPARE(v.view->Spin()->High(), DECIMALS_SPIN_MAX);
  for (int i = 0; i < LINE_COUNT; ++i) {
    QString text = v.Field(ctl::LINE0 + i)->text();
    QVERIFY2(!text.trimmed().isEmpty(), qPrintable(text));
    for (QChar ch : text) {
      QVERIFY2(!ch.isLetter(), qPrintable(text));  // numbers only, no names or labels
    }
  }
  QVERIFY(messages.shown.empty());
  QVERIFY(!v.doc.isModified());
}

void FormEditTest::lineTypedBeforeTheLabelsKeepsItsKeys() {
  MessageRecorder messages;
  ShownView v;
  QVERIFY(v.Settle());
  QLineEdit* line = v.Field(ctl::LINE0 + 2);
  line->setFocus();
  line->selectAll();
  QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget*>(line));
  const QString text = QStringLiteral("c1: 2x + 3y <= 12");
  QVERIFY(TypeAtFocus(text));
  // A repaint of the form runs the deferred refresh, which rewrites the
  // line texts from the model: the text being typed must survive it.
  v.view->repaint();
  v.Flush();
  QVERIFY(messages.shown.empty());
  QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(line));
  QCOMPARE(v.Field(ctl::X_LABEL)->text(), QString());
  QCOMPARE(line->text(), text);
  const QString wanted = QStringLiteral("Please specify label of X axis first!");
  QCOMPARE(v.view->FieldNotice(ctl::LINE0 + 2), wanted);
  QCOMPARE(v.view->FieldNotice(ctl::X_LABEL), wanted);
  QCOMPARE(line->toolTip(), wanted);
  QVERIFY(!v.doc.isModified());

  // With both labels given, the line typed before reads at once.
  SelectAllAndType(v.Field(ctl::X_LABEL), QStringLiteral("x"));
  SelectAllAndType(v.Field(ctl::Y_LABEL), QStringLiteral("y"));
  QCOMPARE(line->text(), text);
  QCOMPARE(v.view->FieldNotice(ctl::LINE0 + 2), QString());
  QCOMPARE(v.view->FieldNotice(ctl::X_LABEL), QString());
  QCOMPARE(line->styleSheet(), QString());
  // The field looks as it did before: the form's font, not a larger one.
  QCOMPARE(line->font(), v.Field(ctl::LINE0)->font());
  const Line& read = v.doc.model().lines[2];
  QCOMPARE(read.name, std::string("c1"));
  QCOMPARE(read.a, 2.0);
  QCOMPARE(read.b, 3.0);
  QCOMPARE(read.c, 12.0);
}

void FormEditTest::halfLineIsMarkedUntilItReads() {
  MessageRecorder messages;
  Model model;
  FillSampleModel(model);
  ShownView v(model);
  QVERIFY(v.Settle());
  const Model before = v.doc.model();
  QLineEdit* line = v.Field(ctl::LINE0 + 2);
  line->setFocus();
  line->selectAll();
  QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget*>(line));
  const QString half = QStringLiteral("C: 3x + 2y <= ");
  QVERIFY(TypeAtFocus(half));
  v.view->repaint();
  v.Flush();
  QVERIFY(messages.shown.empty());
  QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(line));
  QCOMPARE(line->text(), half);
  const QString reason = QStringLiteral("right-hand side missing");
  QCOMPARE(v.view->FieldNotice(ctl::LINE0 + 2), reason);
  QCOMPARE(line->toolTip(), reason);
  QVERIFY(!line->styleSheet().isEmpty());
  // Nothing of the half line is in the model: no "<= 0" line appeared.
  QVERIFY(!v.doc.model().lines[2].isPresent());
  QCOMPARE(v.doc.model().lines[0], before.lines[0]);
  QCOMPARE(v.doc.model().lines[1], before.lines[1]);

  QVERIFY(TypeAtFocus(QStringLiteral("12")));
  QCOMPARE(v.view->FieldNotice(ctl::LINE0 + 2), QString());
  QCOMPARE(line->styleSheet(), QString());
  // The field looks as it did before: the form's font, not a larger one.
  QCOMPARE(line->font(), v.Field(ctl::LINE0)->font());
  const Line& read = v.doc.model().lines[2];
  QCOMPARE(read.name, std::string("C"));
  QCOMPARE(read.a, 3.0);
  QCOMPARE(read.b, 2.0);
  QCOMPARE(read.relation, Relation::LessEqual);
  QCOMPARE(read.c, 12.0);
}

void FormEditTest::typingReplots_data() {
  QTest::addColumn<int>("line");
  QTest::addColumn<QString>("text");
  QTest::addColumn<QPointF>("from");  // two points of the line, model units
  QTest::addColumn<QPointF>("to");
  QTest::newRow("first line, slanted")
      << 0 << "c1: 1x + 1y <= 50" << QPointF(0, 50) << QPointF(50, 0);
  QTest::newRow("fourth line, vertical")
      << 3 << "v: 1x + 0y <= 40" << QPointF(40, 5) << QPointF(40, 45);
  QTest::newRow("sixth line, minus sign")
      << 5 << "m: 1x - 1y >= -10" << QPointF(0, 10) << QPointF(30, 40);
}

void FormEditTest::typingReplots() {
  QFETCH(int, line);
  QFETCH(QString, text);
  QFETCH(QPointF, from);
  QFETCH(QPointF, to);
  MessageRecorder messages;
  ShownView v;
  QVERIFY(v.Settle());
  SelectAllAndType(v.Field(ctl::X_LABEL), QStringLiteral("x"));
  SelectAllAndType(v.Field(ctl::Y_LABEL), QStringLiteral("y"));
  int before = DarkAlong(v.view->OffscreenImage(), from.x(), from.y(), to.x(), to.y());
  SelectAllAndType(v.Field(ctl::LINE0 + line), text);
  // Each keystroke redraws at once: no event loop has run since the last one.
  int after = DarkAlong(v.view->OffscreenImage(), from.x(), from.y(), to.x(), to.y());
  QVERIFY2(before < 5, qPrintable(QString::number(before)));
  QVERIFY2(after >= 17, qPrintable(QString::number(after)));
  QVERIFY(v.doc.isModified());
  QCOMPARE(v.doc.model().lines[static_cast<std::size_t>(line)].name,
           text.section(':', 0, 0).toStdString());
}

void FormEditTest::renamingRelabelsEveryLine() {
  MessageRecorder messages;
  Model model;
  model.xLabel = "x";
  model.yLabel = "y";
  AddLine(model, 0, "c1", 2, 1, 1, REL_LE, 40);
  ShownView v(model);
  QVERIFY(v.Settle());
  QVERIFY(v.Field(ctl::LINE0)->text().contains(QStringLiteral("2.0 x")));
  SelectAllAndType(v.Field(ctl::X_LABEL), QStringLiteral("cars"));
  QVERIFY(v.Field(ctl::LINE0)->text().contains(QStringLiteral("2.0 cars")));
  QVERIFY(v.Field(ctl::PAYOFF)->text().contains(QStringLiteral("cars")));
  QCOMPARE(v.doc.model().xLabel, std::string("cars"));
  QVERIFY(messages.shown.empty());
}

void FormEditTest::badRangeFieldFailsNextPull() {
  MessageRecorder messages;
  Model model;
  model.xLabel = "x";
  model.yLabel = "y";
  ShownView v(model);
  QVERIFY(v.Settle());
  QLineEdit* xMax = v.Field(ctl::X_MAX);
  xMax->setFocus();
  xMax->end(false);
  QTest::keyClick(xMax, Qt::Key_A);
  QCOMPARE(xMax->text(), QStringLiteral("200a"));
  QVERIFY(messages.shown.empty());  // a range field only arms the refresh
  // The next keystroke comes before the refresh has read the field (the
  // refresh rewrites the range fields from the numbers it read).
  QLineEdit* line = v.Field(ctl::LINE0 + 1);
  line->setFocus();
  QTest::keyClick(line, Qt::Key_5);
  QVERIFY(messages.Saw("Please enter a number."));
  QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget*>(xMax));
  QCOMPARE(xMax->selectedText(), xMax->text());
}

void FormEditTest::zoomAppliesOnlyAfterTimer() {
  MessageRecorder messages;
  ShownView v;
  QVERIFY(v.Settle());
  v.Flush();
  QImage before = v.view->OffscreenImage().copy();
  SelectAllAndType(v.Field(ctl::X_ZOOM), QStringLiteral("3"));
  QCOMPARE(v.doc.model().xZoom, 6.0);  // not yet: the timer has not run
  QCOMPARE(v.view->OffscreenImage(), before);
  QTRY_COMPARE(v.doc.model().xZoom, 3.0);
  QTRY_VERIFY(v.view->OffscreenImage() != before);
  QVERIFY(v.doc.isModified());
}

void FormEditTest::spinRewritesDecimals_data() {
  QTest::addColumn<int>("startDecimals");
  QTest::addColumn<int>("direction");
  QTest::addColumn<QString>("field");
  QTest::addColumn<QString>("coefficient");  // how 2 is written in line 0
  QTest::newRow("up from 1") << 1 << +1 << "2"
                             << "2.00 x";
  QTest::newRow("down from 1") << 1 << -1 << "0"
                               << "   2 x";
  QTest::newRow("down from 0 stays") << 0 << -1 << "0"
                                     << "   2 x";
  QTest::newRow("up from 3") << 3 << +1 << "4"
                             << "2.0000 x";
}

void FormEditTest::spinRewritesDecimals() {
  QFETCH(int, startDecimals);
  QFETCH(int, direction);
  QFETCH(QString, field);
  QFETCH(QString, coefficient);
  MessageRecorder messages;
  Model model;
  model.xLabel = "x";
  model.yLabel = "y";
  model.decimals = startDecimals;
  AddLine(model, 0, "c1", 2, 1, 1, REL_LE, 40);
  ShownView v(model);
  QVERIFY(v.Settle());
  v.view->Spin()->Step(direction);
  QCOMPARE(v.Field(ctl::DECIMALS)->text(), field);
  QTRY_VERIFY2(v.Field(ctl::LINE0)->text().contains(coefficient),
               qPrintable(v.Field(ctl::LINE0)->text()));
  QCOMPARE(v.doc.model().decimals, field.toInt());
}

void FormEditTest::spinKeysAndFocusOut() {
  MessageRecorder messages;
  ShownView v;
  QVERIFY(v.Settle());
  SpinControl* spin = v.view->Spin();
  // A typed value is where the next step starts from.
  SelectAllAndType(v.Field(ctl::DECIMALS), QStringLiteral("5"));
  spin->setFocus();
  QTest::keyClick(spin, Qt::Key_Up);
  QCOMPARE(v.Field(ctl::DECIMALS)->text(), QStringLiteral("6"));
  QTRY_COMPARE(v.doc.model().decimals, 6);
  // A click on the lower arrow steps down.
  QWidget* downArrow = spin->childAt(spin->width() / 2, spin->height() * 3 / 4);
  QVERIFY(downArrow != nullptr);
  QTest::mouseClick(downArrow, Qt::LeftButton);
  QCOMPARE(v.Field(ctl::DECIMALS)->text(), QStringLiteral("5"));
  QTRY_COMPARE(v.doc.model().decimals, 5);
  // Leaving the spin control copies decimals into the document.
  EditModel(v.doc)->decimals = 99;
  v.Field(ctl::X_LABEL)->setFocus();
  QTRY_COMPARE(v.doc.model().decimals, 5);
}

void FormEditTest::pasteMarksModifiedOnlyWhenParsed_data() {
  QTest::addColumn<QString>("clipboard");
  QTest::addColumn<bool>("modified");
  QTest::addColumn<QString>("notice");
  QTest::newRow("two colons refused")
      << "a: 1x : 2y <= 3" << false << "You typed two \":\",please correct it!";
  QTest::newRow("text after the right-hand side refused")
      << "a: 1x + 2y <= 3 apples" << false << "unexpected text 'apples'";
  QTest::newRow("valid line") << "a: 1x + 2y <= 3" << true << "";
}

void FormEditTest::pasteMarksModifiedOnlyWhenParsed() {
  QFETCH(QString, clipboard);
  QFETCH(bool, modified);
  QFETCH(QString, notice);
  MessageRecorder messages;
  Model model;
  model.xLabel = "x";
  model.yLabel = "y";
  ShownView v(model);
  QVERIFY(v.Settle());
  QSignalSpy modifiedSpy(v.view.get(), &FormView::modifiedChanged);
  QGuiApplication::clipboard()->setText(clipboard);
  QLineEdit* line = v.Field(ctl::LINE0 + 4);
  const QString before = line->text();
  line->setFocus();
  line->selectAll();
  QTest::keyClick(line, Qt::Key_V, Qt::ControlModifier);  // one edit: the whole text at once
  QCOMPARE(line->text(), clipboard);
  QCOMPARE(v.doc.isModified(), modified);
  QCOMPARE(modifiedSpy.count(), modified ? 1 : 0);
  QVERIFY(messages.shown.empty());
  QCOMPARE(v.view->FieldNotice(ctl::LINE0 + 4), notice);
  // After a paste, Ctrl+Z undoes in the field, even when nothing was stored.
  QTest::keyClick(line, Qt::Key_Z, Qt::ControlModifier);
  QCOMPARE(line->text(), before);
}

void FormEditTest::ctrlZInFieldUndoesButtonStep() {
  MessageRecorder messages;
  Model model;
  FillSampleModel(model);
  ShownView v(model);
  QVERIFY(v.Settle());
  QTest::mouseClick(v.view->Button(ctl::LINE_PLUS[0]), Qt::LeftButton);
  double stepped = v.doc.model().lines[0].c;
  QVERIFY(stepped > 40.0);
  QString steppedText = v.Field(ctl::LINE0)->text();
  // Typing in another field afterwards gives that field an undo of its own.
  QLineEdit* label = v.Field(ctl::Y_LABEL);
  label->setFocus();
  label->end(false);
  QTest::keyClick(label, Qt::Key_Backspace);
  QTest::keyClicks(label, QStringLiteral("y"));
  QTest::keyClick(label, Qt::Key_Z, Qt::ControlModifier);
  QCOMPARE(v.doc.model().lines[0].c, 40.0);
  QCOMPARE(v.doc.model().lines[0].c, 40.0);
  QVERIFY(v.Field(ctl::LINE0)->text() != steppedText);
  QCOMPARE(label->text(), QStringLiteral("y"));
}

void FormEditTest::copyThenUndoGoesToField() {
  MessageRecorder messages;
  Model model;
  FillSampleModel(model);
  ShownView v(model);
  QVERIFY(v.Settle());
  QTest::mouseClick(v.view->Button(ctl::LINE_PLUS[0]), Qt::LeftButton);
  double stepped = v.doc.model().lines[0].c;
  QLineEdit* label = v.Field(ctl::X_LABEL);
  label->setFocus();
  label->selectAll();
  QTest::keyClick(label, Qt::Key_C, Qt::ControlModifier);
  QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("x"));
  QTest::keyClick(label, Qt::Key_Z, Qt::ControlModifier);
  // The undo went to the field, not to the model snapshot.
  QCOMPARE(v.doc.model().lines[0].c, stepped);
}

void FormEditTest::pushKeepsCaretOfUnchangedField() {
  MessageRecorder messages;
  Model model;
  FillSampleModel(model);
  ShownView v(model);
  QVERIFY(v.Settle());
  QLineEdit* xMax = v.Field(ctl::X_MAX);
  xMax->setFocus();
  xMax->setCursorPosition(1);
  // A "+" click pushes the whole model into the form; X Max keeps its text.
  QTest::mouseClick(v.view->Button(ctl::LINE_PLUS[1]), Qt::LeftButton);
  QVERIFY(v.doc.model().lines[1].c > 30.0);
  QCOMPARE(xMax->text(), QStringLiteral("200"));
  QCOMPARE(xMax->cursorPosition(), 1);
  // The window itself leaves an equal text alone, whoever writes it.
  v.view->Window().SetFieldText(ctl::X_MAX, "200");
  QCOMPARE(xMax->cursorPosition(), 1);
  v.view->Window().SetFieldText(ctl::X_MAX, "250");
  QCOMPARE(xMax->text(), QStringLiteral("250"));
}

void FormEditTest::presentingDoesNotRepaintForever() {
  MessageRecorder messages;
  ShownView v;
  QVERIFY(v.Settle());
  // A caret blinks in the focused field; the form behind it stays unpainted.
  v.Field(ctl::PAYOFF)->setFocus();
  QTest::qWait(100);
  int settled = v.view->PresentCount();
  QTest::qWait(1300);
  QCOMPARE(v.view->PresentCount(), settled);
  // Exposing the form again redraws once more, and then stops again.
  v.view->update();
  QTRY_VERIFY(v.view->PresentCount() > settled);
  QTest::qWait(100);
  int again = v.view->PresentCount();
  QTest::qWait(300);
  QCOMPARE(v.view->PresentCount(), again);
}

QTEST_MAIN(FormEditTest)
#include "form_edit_test.moc"
