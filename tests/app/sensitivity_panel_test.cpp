// The Sensitivity pane, Show Ranges on the plot, the page's tables and the
// two View settings, on real windows of the sample models.

#include "app/sensitivity_panel.h"

#include <QLabel>
#include <QLineEdit>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <memory>

#include "app/child_window.h"
#include "app/form_view.h"
#include "app/picture_output.h"
#include "model/constants.h"
#include "render/sensitivity_drawing.h"
#include "shell_test_support.h"

using namespace tessaro;
using namespace tessaro::app;
using namespace tessaro::app::test;

namespace {

QStringList Row(const QTableWidget* table, int row) {
  QStringList cells;
  for (int column = 0; column < table->columnCount(); ++column)
    cells.append(table->item(row, column)->text());
  return cells;
}

// Pixels near a range colour; the smoothed lines match it only loosely.
int CountNear(const QImage& image, const Rgb& colour) {
  int count = 0;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      const QColor c = image.pixelColor(x, y);
      count += std::abs(c.red() - colour.r) + std::abs(c.green() - colour.g) +
                   std::abs(c.blue() - colour.b) <
               60;
    }
  }
  return count;
}

}  // namespace

class SensitivityPanelTest : public QObject {
  Q_OBJECT

  QTemporaryDir dir_;
  std::unique_ptr<BoxScript> boxes_;
  std::unique_ptr<MainWindow> window_;
  ChildWindow* child_ = nullptr;

  QString Ini() const { return dir_.filePath(QStringLiteral("Tessaro.ini")); }
  FormView* View() const { return child_->View(); }
  QTableWidget* Constraints() const { return child_->Panel()->Constraints(); }
  // The example in a window of its own, drawn once.
  bool Open(const char* example) {
    child_ = window_->Documents().OpenDocument(QStringLiteral(TESSARO_SOURCE_DIR "/examples/") +
                                               QString::fromLatin1(example));
    return child_ && QTest::qWaitFor([this] { return View()->PresentCount() > 0; }, 5000);
  }
  void Start() {
    boxes_ = std::make_unique<BoxScript>();
    window_ = std::make_unique<MainWindow>(Ini());
    window_->show();
  }

 private Q_SLOTS:
  void init() {
    QFile::remove(Ini());
    Start();
  }
  void cleanup() {
    for (ChildWindow* child : window_->Documents().Documents()) child->CloseWithoutAsking();
    window_.reset();
    boxes_.reset();
  }

  void autoMaxFillsTheTablesWithTheModelsDecimals() {
    QVERIFY(Open("production.kvr"));
    QCOMPARE(Constraints()->rowCount(), 0);
    window_->RunCommand(cmd::AUTO_MAX);
    // As `tessaro --solve examples/production.kvr` reports them.
    QCOMPARE(Constraints()->rowCount(), 3);
    QCOMPARE(Row(Constraints(), 0), QStringList({"Wood", "0.0", "2.0", "60.0", "122.5"}));
    QCOMPARE(Row(Constraints(), 1), QStringList({"Labour", "0.0", "11.0", "76.7", "160.0"}));
    QCOMPARE(Row(Constraints(), 2), QStringList({"Market", "1.0", "0.0", "24.0", "+inf"}));
    QTableWidget* variables = child_->Panel()->Variables();
    QCOMPARE(Row(variables, 0), QStringList({"chairs", "24.0", "0.0", "25.0", "66.7"}));
    QCOMPARE(Row(variables, 1), QStringList({"tables", "8.0", "0.0", "22.5", "60.0"}));
    QVERIFY(child_->Panel()->Note()->text().contains(QStringLiteral("payoff 1120.0")));
  }

  void integerModeNamesTheRelaxation() {
    QVERIFY(Open("fleet.kvr"));
    window_->RunCommand(cmd::AUTO_MAX);
    // The integer optimum (5, 2) and that of the relaxation (3.5, 4.5).
    QCOMPARE(child_->Panel()->Note()->text(),
             QStringLiteral("Integer optimum: ( 5.0,  2.0). The ranges are those of the linear "
                            "relaxation, optimal at (3.5, 4.5), payoff 50.5."));
  }

  void anyChangeOfTheModelEmptiesTheTables_data() {
    QTest::addColumn<int>("command");  // 0: the row's own step
    QTest::addColumn<int>("button");
    QTest::addColumn<bool>("emptied");
    QTest::newRow("a + button") << 0 << ctl::LINE_PLUS[0] << true;
    QTest::newRow("X Max + button") << 0 << ctl::X_MAX_PLUS << true;
    QTest::newRow("Trim toggle") << static_cast<int>(cmd::TOGGLE_TRIM) << 0 << true;
    QTest::newRow("Undo") << static_cast<int>(cmd::EDIT_UNDO) << 0 << true;
    QTest::newRow("Copy Picture keeps the model")
        << static_cast<int>(cmd::COPY_PICTURE) << 0 << false;
    QTest::newRow("typing in a line") << 0 << 0 << true;
    QTest::newRow("a drag of Wood") << -1 << 0 << true;
  }
  void anyChangeOfTheModelEmptiesTheTables() {
    QFETCH(int, command);
    QFETCH(int, button);
    QFETCH(bool, emptied);
    QVERIFY(Open("production.kvr"));
    // More wood moves the optimum: Undo then takes back a new payoff level.
    View()->Button(ctl::LINE_PLUS[0])->click();
    window_->RunCommand(cmd::AUTO_MAX);
    QCOMPARE(Constraints()->rowCount(), 3);
    if (command > 0) {
      window_->RunCommand(static_cast<Command>(command));
    } else if (button != 0) {
      View()->Button(button)->click();
    } else if (command == 0) {
      View()->Field(ctl::LINE0)->setFocus();
      View()->Field(ctl::LINE0)->end(false);
      QTest::keyClick(View()->Field(ctl::LINE0), Qt::Key_Backspace);
    } else {
      // Wood, 4x + 3y <= 121, passes (27.25, 4); the plot origin is at
      // (45, 420) of the form, 24 and 12.5 pixels a unit.
      const auto at = [](double x, double y) {
        return QPoint(45 + int(x * 24), 420 - int(y * 12.5));
      };
      QTest::mousePress(View(), Qt::LeftButton, Qt::NoModifier, at(27.25, 4));
      QTest::mouseMove(View(), at(28.5, 4));
      QTest::mouseRelease(View(), Qt::LeftButton, Qt::NoModifier, at(28.5, 4));
    }
    QCOMPARE(Constraints()->rowCount(), emptied ? 0 : 3);
    QCOMPARE(child_->Panel()->Variables()->rowCount(), emptied ? 0 : 2);
    QCOMPARE(View()->Sensitivity() == nullptr, emptied);
  }

  void showRangesDrawsTheFanAndTheSelectedRow() {
    QVERIFY(Open("production.kvr"));
    window_->RunCommand(cmd::AUTO_MAX);
    QCOMPARE(CountNear(View()->OffscreenImage(), COLOR_FAN_GREEN), 0);
    window_->RunCommand(cmd::VIEW_SHOW_RANGES);
    QVERIFY(CountNear(View()->OffscreenImage(), COLOR_FAN_GREEN) > 200);
    QCOMPARE(CountNear(View()->OffscreenImage(), COLOR_RANGE_ORANGE), 0);
    Constraints()->selectRow(0);  // Wood, from 60 to 122.5
    QVERIFY(CountNear(View()->OffscreenImage(), COLOR_RANGE_ORANGE) > 100);
    // Copy Picture shows what the plot shows; without extras it has none.
    QVERIFY(CountNear(RenderPictureImage(View()->Equation(), View()->Extras()),
                      COLOR_RANGE_ORANGE) > 100);
    QCOMPARE(CountNear(RenderPictureImage(View()->Equation()), COLOR_FAN_GREEN), 0);
    // The next edit takes the ranges off the plot at once.
    View()->Button(ctl::LINE_PLUS[1])->click();
    QCOMPARE(CountNear(View()->OffscreenImage(), COLOR_FAN_GREEN), 0);
    QCOMPARE(CountNear(View()->OffscreenImage(), COLOR_RANGE_ORANGE), 0);
  }

  void printedPageListsTheTablesOnlyWithAnOptimum() {
    QVERIFY(Open("production.kvr"));
    const auto pageText = [this] {
      QPrinter printer(QPrinter::HighResolution);
      printer.setOutputFileName(dir_.filePath(QStringLiteral("page.pdf")));
      std::string error;
      if (!PrintPage(printer, View()->Equation(), error, {}, View()->Extras())) return QString();
      QProcess text;
      text.start(QStringLiteral("pdftotext"),
                 {QStringLiteral("-layout"), printer.outputFileName(), QStringLiteral("-")});
      text.waitForFinished();
      return QString::fromUtf8(text.readAllStandardOutput()).simplified();
    };
    QVERIFY(!pageText().contains(QStringLiteral("Shadow price")));
    window_->RunCommand(cmd::AUTO_MAX);
    const QString page = pageText();
    QVERIFY2(page.contains(QStringLiteral("Constraint Slack Shadow price RHS lower RHS upper Wood "
                                          "0.0 2.0 60.0 122.5 Labour 0.0 11.0 76.7 160.0")),
             qPrintable(page));
  }

  void theViewSettingsAreRememberedAndReachEveryWindow() {
    QVERIFY(Open("production.kvr"));
    QVERIFY(child_->Panel()->isHidden());
    window_->RunCommand(cmd::VIEW_SENSITIVITY);
    window_->RunCommand(cmd::VIEW_SHOW_RANGES);
    QVERIFY(!child_->Panel()->isHidden());
    QVERIFY(View()->ShowsRanges());
    // A window of the next run of the program shows them as left.
    cleanup();
    Start();
    QVERIFY(window_->IsCommandChecked(cmd::VIEW_SENSITIVITY));
    QVERIFY(window_->IsCommandChecked(cmd::VIEW_SHOW_RANGES));
    QVERIFY(Open("diet.kvr"));
    QVERIFY(!child_->Panel()->isHidden());
    QVERIFY(View()->ShowsRanges());
    window_->RunCommand(cmd::VIEW_SENSITIVITY);
    QVERIFY(child_->Panel()->isHidden());
    QCOMPARE(QtSettingsStore(Ini()).Read("View", "Sensitivity", "?"), std::string("0"));
  }
};

QTEST_MAIN(SensitivityPanelTest)
#include "sensitivity_panel_test.moc"
