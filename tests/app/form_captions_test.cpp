// The captions of the form read whole: none is cut by its box, and none
// runs into the control to its right.

#include <QLabel>
#include <QLineEdit>
#include <QTest>

#include "form_harness.h"

using namespace tessaro;
using namespace tessaro::app;
using namespace tessaro::app::test;

class FormCaptionsTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void captionsAreWholeAndClearOfTheFields_data() {
    QTest::addColumn<QString>("caption");
    for (const char* caption :
         {"X", "Y", "PAYOFF", "X Min", "X Max", "Y Min", "Y Max", "X Zoom", "Y Zoom"}) {
      QTest::newRow(caption) << QString::fromLatin1(caption);
    }
  }
  void captionsAreWholeAndClearOfTheFields() {
    QFETCH(QString, caption);
    ShownView v;
    QVERIFY(v.Settle());
    QLabel* label = nullptr;
    for (QLabel* candidate : v.view->findChildren<QLabel*>()) {
      if (candidate->text() == caption) label = candidate;
    }
    QVERIFY(label);
    QVERIFY(!label->wordWrap());
    const int textWidth = label->fontMetrics().horizontalAdvance(caption);
    QVERIFY2(label->width() >= textWidth,
             qPrintable(QStringLiteral("%1 < %2").arg(label->width()).arg(textWidth)));
    const QRect text(label->pos(), QSize(textWidth, label->height()));
    for (QLineEdit* field : v.view->findChildren<QLineEdit*>()) {
      QVERIFY2(!field->geometry().intersects(text), qPrintable(field->text()));
    }
  }
};

QTEST_MAIN(FormCaptionsTest)
#include "form_captions_test.moc"
