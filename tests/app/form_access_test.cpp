// The form for a screen-reader user: the names its controls announce.

#include <QAbstractButton>
#include <QLineEdit>
#include <QPushButton>
#include <QSet>
#include <QTest>

#include "app/form_view.h"
#include "app/spin_control.h"
#include "form_harness.h"
#include "model/constants.h"

using namespace tessaro;
using namespace tessaro::app;

class FormAccessTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<tessaro::app::test::ShownView> shown_;
  FormView* view_ = nullptr;

 private Q_SLOTS:
  void init() {
    Model doc;
    doc.xLabel = "chairs";
    doc.yLabel = "tables";
    shown_ = std::make_unique<tessaro::app::test::ShownView>(doc);
    QVERIFY(shown_->Settle());
    view_ = shown_->view.get();
  }
  void cleanup() { shown_.reset(); }

  void controlsAnnounceWhatTheyAre_data() {
    QTest::addColumn<int>("id");
    QTest::addColumn<QString>("name");
    QTest::newRow("X") << int{ctl::X_LABEL} << "X";
    QTest::newRow("payoff") << int{ctl::PAYOFF} << "PAYOFF";
    // Lines are numbered in reading order: the first of the right column is 2.
    QTest::newRow("line 2") << int{ctl::LINE0 + 3} << "Line 2";
    QTest::newRow("X Min") << int{ctl::X_MIN} << "X Min";
    QTest::newRow("decimals") << int{ctl::DECIMALS} << "Decimal number";
    QTest::newRow("payoff +") << int{ctl::PAYOFF_PLUS} << "Increase payoff level";
    QTest::newRow("line 3 -") << int{ctl::LINE_MINUS[1]} << "Decrease line 3 right-hand side";
    QTest::newRow("X Min +") << int{ctl::X_MIN_PLUS} << "Increase X Min";
    QTest::newRow("Y Zoom -") << int{ctl::Y_ZOOM_MINUS} << "Decrease Y Zoom";
  }
  void controlsAnnounceWhatTheyAre() {
    QFETCH(int, id);
    QFETCH(QString, name);
    QWidget* control = view_->Field(id);
    if (!control) control = view_->Button(id);
    QVERIFY(control);
    QCOMPARE(control->accessibleName(), name);
  }

  void everyControlHasItsOwnName() {
    QSet<QString> names;
    const QList<QWidget*> controls = view_->findChildren<QWidget*>();
    int named = 0;
    for (QWidget* control : controls) {
      if (!qobject_cast<QLineEdit*>(control) && !qobject_cast<QAbstractButton*>(control)) continue;
      if (qobject_cast<QAbstractButton*>(control) && control->parentWidget() == view_->Spin()) {
        continue;  // the spin control's arrows: the control is named
      }
      QVERIFY2(!control->accessibleName().isEmpty(), control->metaObject()->className());
      names.insert(control->accessibleName());
      ++named;
    }
    QCOMPARE(names.size(), named);
    QVERIFY(!view_->Spin()->accessibleName().isEmpty());
  }

  void lineButtonsAreNamedAfterTheLine() {
    QLineEdit* line = view_->Field(ctl::LINE0);
    line->setFocus();
    line->selectAll();
    QTest::keyClicks(line, QStringLiteral("Wood: 4 chairs + 3 tables <= 120"));
    QCOMPARE(view_->Button(ctl::LINE_PLUS[0])->accessibleName(),
             QStringLiteral("Increase Wood right-hand side"));
    line->selectAll();
    QTest::keyClicks(line, QStringLiteral("Oak: 4 chairs + 3 tables <= 120"));
    QCOMPARE(view_->Button(ctl::LINE_MINUS[0])->accessibleName(),
             QStringLiteral("Decrease Oak right-hand side"));
  }
};

QTEST_MAIN(FormAccessTest)
#include "form_access_test.moc"
