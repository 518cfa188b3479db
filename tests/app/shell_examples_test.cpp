// The sample models of examples/: each one is what the program saves when
// its model is typed into the form and solved, and each opens without a
// message. With TESSARO_WRITE_EXAMPLES set to a folder, the models typed
// here are saved there through File Save As: that is how the samples are
// made.

#include <QDir>
#include <QLineEdit>
#include <QTest>
#include <cmath>

#include "app/child_window.h"
#include "app/form_view.h"
#include "model/constants.h"
#include "shell_test_support.h"

using namespace tessaro;
using namespace tessaro::app;
using namespace tessaro::app::test;

namespace {

struct Example {
  const char* file;
  const char* xLabel;
  const char* yLabel;
  const char* payoff;
  std::vector<const char*> lines;
  bool integerDots;
  bool colourFill;
  Command solve;  // cmd::AUTO_MAX or cmd::AUTO_MIN
  double optimum;
};

const std::vector<Example>& Examples() {
  static const std::vector<Example> examples = {
      {"production.kvr",
       "chairs",
       "tables",
       "30 chairs + 50 tables = 0",
       {"Wood: 4 chairs + 3 tables <= 120", "Labour: 2 chairs + 4 tables <= 80",
        "Market: 1 chairs + 0 tables <= 25"},
       false,
       true,
       cmd::AUTO_MAX,
       1120.0},
      {"diet.kvr",
       "bread",
       "milk",
       "2 bread + 3 milk = 0",
       {"Energy: 4 bread + 2 milk >= 16", "Protein: 1 bread + 3 milk >= 9"},
       false,
       false,
       cmd::AUTO_MIN,
       12.0},
      {"fleet.kvr",
       "trucks",
       "vans",
       "8 trucks + 5 vans = 0",
       {"Budget: 5 trucks + 3 vans <= 31", "Drivers: 1 trucks + 1 vans <= 8"},
       true,
       false,
       cmd::AUTO_MAX,
       50.0},
  };
  return examples;
}

void Type(FormView* view, int field, const char* text) {
  QLineEdit* edit = view->Field(field);
  edit->setFocus();
  edit->selectAll();
  QTest::keyClick(edit, Qt::Key_Delete);
  QTest::keyClicks(edit, QString::fromUtf8(text));
}

}  // namespace

class ShellExamplesTest : public QObject {
  Q_OBJECT

 private:
  QTemporaryDir dir_;
  std::unique_ptr<MainWindow> window_;

 private Q_SLOTS:
  void init() {
    window_ = std::make_unique<MainWindow>(dir_.filePath(QStringLiteral("Tessaro.ini")));
    QVERIFY(window_->StartUp(QString()));
    window_->show();
  }

  void cleanup() {
    for (ChildWindow* child : window_->Documents().Documents()) child->CloseWithoutAsking();
    window_.reset();
  }

  void sampleIsTheTypedModel_data() {
    QTest::addColumn<int>("index");
    for (size_t i = 0; i < Examples().size(); ++i) {
      QTest::newRow(Examples()[i].file) << static_cast<int>(i);
    }
  }
  void sampleIsTheTypedModel() {
    QFETCH(int, index);
    const Example& example = Examples()[static_cast<size_t>(index)];
    BoxScript boxes;
    DialogScript dialogs;

    // Typed into kvr1, solved, as a user makes the model.
    ChildWindow* typed = window_->Documents().Active();
    FormView* view = typed->View();
    Type(view, ctl::X_LABEL, example.xLabel);
    Type(view, ctl::Y_LABEL, example.yLabel);
    Type(view, ctl::PAYOFF, example.payoff);
    for (size_t i = 0; i < example.lines.size(); ++i) {
      Type(view, ctl::LINE0 + static_cast<int>(i), example.lines[i]);
    }
    if (example.integerDots) window_->RunCommand(cmd::TOGGLE_INTEGER_DOT);
    if (example.colourFill) window_->RunCommand(cmd::TOGGLE_COLOR);
    window_->RunCommand(cmd::AUTO_ZOOM);
    QTest::qWait(20);  // the deferred refresh applies the new ranges
    window_->RunCommand(example.solve);
    QVERIFY2(boxes.texts.isEmpty(), qPrintable(boxes.texts.join(u'|')));
    const Model& made = typed->Document()->model();
    QVERIFY2(std::fabs(made.payoff.level - example.optimum) < 1e-9,
             qPrintable(QString::number(made.payoff.level)));

    const QString target = qEnvironmentVariable("TESSARO_WRITE_EXAMPLES");
    if (!target.isEmpty()) {
      dialogs.savePaths << QDir(target).filePath(QString::fromLatin1(example.file));
      window_->RunCommand(cmd::FILE_SAVE_AS);
      QVERIFY(!typed->IsModified());
    }

    // The shipped sample holds the same model and opens quietly.
    const QString sample =
        QStringLiteral(TESSARO_SOURCE_DIR "/examples/") + QString::fromLatin1(example.file);
    ChildWindow* opened = window_->Documents().OpenDocument(sample);
    QVERIFY2(opened, qPrintable(boxes.texts.join(u'|')));
    QVERIFY(opened != typed);
    const Model& shipped = opened->Document()->model();
    QCOMPARE(shipped.xLabel, made.xLabel);
    QCOMPARE(shipped.yLabel, made.yLabel);
    for (int i = 0; i < kLineCount; ++i) {
      const Line& a = shipped.lines[i];
      const Line& b = made.lines[i];
      QCOMPARE(a.name, b.name);
      QCOMPARE(a.a, b.a);
      QCOMPARE(a.b, b.b);
      QCOMPARE(a.c, b.c);
      QCOMPARE(a.sign, b.sign);
      QVERIFY(a.relation == b.relation);
    }
    QCOMPARE(shipped.payoff.a, made.payoff.a);
    QCOMPARE(shipped.payoff.b, made.payoff.b);
    QCOMPARE(shipped.payoff.level, made.payoff.level);
    QCOMPARE(shipped.integerDots, made.integerDots);
    QVERIFY(shipped.fill == made.fill);
    QVERIFY(boxes.texts.isEmpty());
  }
};

QTEST_MAIN(ShellExamplesTest)
#include "shell_examples_test.moc"
