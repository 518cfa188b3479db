// The Sensitivity pane, Show Ranges on the plot, the page's tables and the
// two View settings, on real windows of the sample models.

#include "app/sensitivity_panel.h"

#include <QColor>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <cmath>
#include <memory>

#include "app/child_window.h"
#include "app/form_view.h"
#include "app/picture_output.h"
#include "model/constants.h"
#include "model/equation.h"
#include "render/sensitivity_drawing.h"
#include "shell_test_support.h"

using namespace tessaro;
using namespace tessaro::app;
using namespace tessaro::app::test;

namespace {

QString Example(const char* name) {
  return QStringLiteral(TESSARO_SOURCE_DIR "/examples/") + QString::fromLatin1(name);
}

QStringList Row(const QTableWidget* table, int row) {
  QStringList cells;
  for (int column = 0; column < table->columnCount(); ++column) {
    const QTableWidgetItem* item = table->item(row, column);
    cells.append(item ? item->text() : QString());
  }
  return cells;
}

// Pixels near one of the range colours; the lines are smoothed, so the
// colour is matched loosely.
int CountNear(const QImage& image, const Rgb& colour) {
  int count = 0;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      const QColor c = image.pixelColor(x, y);
      if (std::abs(c.red() - colour.r) < 30 && std::abs(c.green() - colour.g) < 30 &&
          std::abs(c.blue() - colour.b) < 30) {
        ++count;
      }
    }
  }
  return count;
}

}  // namespace

class SensitivityPanelTest : public QObject {
  Q_OBJECT

 private:
  QTemporaryDir dir_;
  std::unique_ptr<BoxScript> boxes_;
  std::unique_ptr<MainWindow> window_;
  ChildWindow* child_ = nullptr;

  QString Ini() const { return dir_.filePath(QStringLiteral("Tessaro.ini")); }
  FormView* View() const { return child_->View(); }
  QTableWidget* Constraints() const { return child_->Panel()->Constraints(); }
  QTableWidget* Variables() const { return child_->Panel()->Variables(); }

  // The example in a window of its own, drawn once.
  bool Open(const char* example) {
    child_ = window_->Documents().OpenDocument(Example(example));
    if (child_ == nullptr) return false;
    return QTest::qWaitFor([this] { return View()->PresentCount() > 0; }, 5000);
  }
  void Flush() {
    QTest::qWait(20);
    QApplication::processEvents();
  }
  void Start() {
    boxes_ = std::make_unique<BoxScript>();
    window_ = std::make_unique<MainWindow>(Ini());
    window_->resize(1500, 900);
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
    QCOMPARE(Row(Variables(), 0), QStringList({"chairs", "24.0", "0.0", "25.0", "66.7"}));
    QCOMPARE(Row(Variables(), 1), QStringList({"tables", "8.0", "0.0", "22.5", "60.0"}));
    QVERIFY(child_->Panel()->Note()->text().contains(QStringLiteral("payoff 1120.0")));
  }

  void integerModeNamesTheRelaxation() {
    QVERIFY(Open("fleet.kvr"));
    window_->RunCommand(cmd::AUTO_MAX);
    QVERIFY(View()->Sensitivity() != nullptr);
    QVERIFY(View()->Sensitivity()->relaxation);
    const QString note = child_->Panel()->Note()->text();
    QVERIFY2(note.contains(QStringLiteral("Integer optimum:")), qPrintable(note));
    QVERIFY2(note.contains(QStringLiteral("linear relaxation")), qPrintable(note));
    // The relaxation's corner is not a lattice point of this model.
    const Sensitivity& s = View()->Sensitivity()->sensitivity;
    QVERIFY(s.x != std::round(s.x) || s.y != std::round(s.y));
  }

  void anyChangeOfTheModelEmptiesTheTables_data() {
    QTest::addColumn<QString>("change");
    QTest::addColumn<bool>("emptied");
    QTest::newRow("typing in a line") << "type" << true;
    QTest::newRow("a + button") << "plus" << true;
    QTest::newRow("Trim toggle") << "trim" << true;
    QTest::newRow("X Max + button") << "range" << true;
    QTest::newRow("Undo") << "undo" << true;
    QTest::newRow("a drag of Wood") << "drag" << true;
    QTest::newRow("Copy Picture keeps the model") << "copy" << false;
  }
  void anyChangeOfTheModelEmptiesTheTables() {
    QFETCH(QString, change);
    QFETCH(bool, emptied);
    QVERIFY(Open("production.kvr"));
    // More wood moves the optimum: Undo then takes back a new payoff level.
    View()->Button(ctl::LINE_PLUS[0])->click();
    window_->RunCommand(cmd::AUTO_MAX);
    QCOMPARE(Constraints()->rowCount(), 3);
    if (change == "type") {
      QLineEdit* line = View()->Field(ctl::LINE0);
      line->setFocus();
      line->end(false);
      QTest::keyClick(line, Qt::Key_Backspace);
    } else if (change == "plus") {
      View()->Button(ctl::LINE_PLUS[0])->click();
    } else if (change == "trim") {
      window_->RunCommand(cmd::TOGGLE_TRIM);
    } else if (change == "range") {
      View()->Button(ctl::X_MAX_PLUS)->click();
    } else if (change == "undo") {
      window_->RunCommand(cmd::EDIT_UNDO);
    } else if (change == "drag") {
      // Wood, 4x + 3y <= 121 after the + above, passes (27.25, 4); the plot
      // origin is at (45, 420) of the form, 24 and 12.5 pixels a unit.
      const auto at = [](double x, double y) {
        return QPoint(45 + static_cast<int>(x * 24), 420 - static_cast<int>(y * 12.5));
      };
      QTest::mousePress(View(), Qt::LeftButton, Qt::NoModifier, at(27.25, 4));
      QTest::mouseMove(View(), at(28.5, 4));
      QTest::mouseRelease(View(), Qt::LeftButton, Qt::NoModifier, at(28.5, 4));
    } else if (change == "copy") {
      window_->RunCommand(cmd::COPY_PICTURE);
    }
    Flush();
    QCOMPARE(Constraints()->rowCount(), emptied ? 0 : 3);
    QCOMPARE(Variables()->rowCount(), emptied ? 0 : 2);
    QCOMPARE(View()->Sensitivity() == nullptr, emptied);
  }

  void showRangesDrawsTheFanAndTheSelectedRow() {
    QVERIFY(Open("production.kvr"));
    window_->RunCommand(cmd::AUTO_MAX);
    Flush();
    const QImage plain = View()->OffscreenImage().copy();
    QCOMPARE(CountNear(plain, COLOR_FAN_GREEN), 0);

    window_->RunCommand(cmd::VIEW_SHOW_RANGES);
    Flush();
    const QImage fan = View()->OffscreenImage().copy();
    QVERIFY(CountNear(fan, COLOR_FAN_GREEN) > 200);
    QCOMPARE(CountNear(fan, COLOR_RANGE_ORANGE), 0);

    Constraints()->selectRow(0);  // Wood, from 60 to 122.5
    Flush();
    const QImage row = View()->OffscreenImage().copy();
    QVERIFY(CountNear(row, COLOR_RANGE_ORANGE) > 100);
    // Copy Picture shows what the plot shows; without extras it has none.
    QVERIFY(CountNear(RenderPictureImage(View()->Equation(), View()->Extras()),
                      COLOR_RANGE_ORANGE) > 100);
    QCOMPARE(CountNear(RenderPictureImage(View()->Equation()), COLOR_FAN_GREEN), 0);

    // The next edit takes the ranges off the plot at once.
    View()->Button(ctl::LINE_PLUS[1])->click();
    Flush();
    QCOMPARE(CountNear(View()->OffscreenImage(), COLOR_FAN_GREEN), 0);
    QCOMPARE(CountNear(View()->OffscreenImage(), COLOR_RANGE_ORANGE), 0);
  }

  void printedPageListsTheTablesOnlyWithAnOptimum() {
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty()) {
      QSKIP("pdftotext is not installed");
    }
    QVERIFY(Open("production.kvr"));
    const auto pageText = [this](const QString& name) {
      QPrinter printer(QPrinter::HighResolution);
      printer.setOutputFormat(QPrinter::PdfFormat);
      printer.setOutputFileName(dir_.filePath(name + QStringLiteral(".pdf")));
      std::string error;
      if (!PrintPage(printer, View()->Equation(), error, QString(), View()->Extras()))
        return QString();
      QProcess pdftotext;
      pdftotext.start(QStringLiteral("pdftotext"),
                      {QStringLiteral("-layout"), printer.outputFileName(), QStringLiteral("-")});
      pdftotext.waitForFinished();
      return QString::fromUtf8(pdftotext.readAllStandardOutput());
    };
    const QString before = pageText(QStringLiteral("before"));
    QVERIFY(before.contains(QStringLiteral("Wood")));
    QVERIFY(!before.contains(QStringLiteral("Shadow price")));
    window_->RunCommand(cmd::AUTO_MAX);
    const QString after = pageText(QStringLiteral("after"));
    QVERIFY2(after.contains(QStringLiteral("Shadow price")), qPrintable(after));
    QVERIFY2(after.contains(
                 QRegularExpression(QStringLiteral("Labour +0\\.0 +11\\.0 +76\\.7 +160\\.0"))),
             qPrintable(after));
  }

  void theViewSettingsAreRememberedAndReachEveryWindow() {
    QVERIFY(Open("production.kvr"));
    QVERIFY(child_->Panel()->isHidden());
    QVERIFY(!View()->ShowsRanges());
    window_->RunCommand(cmd::VIEW_SENSITIVITY);
    window_->RunCommand(cmd::VIEW_SHOW_RANGES);
    QVERIFY(!child_->Panel()->isHidden());
    QVERIFY(View()->ShowsRanges());
    QVERIFY(window_->IsCommandChecked(cmd::VIEW_SENSITIVITY));

    // A window opened by the next run of the program shows them as left.
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
