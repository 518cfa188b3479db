// The program as it starts: one maximized "kvr1" with the texts of a new
// document, the toolbar, the status line and the view's status strip.

#include <QLabel>
#include <QMdiArea>
#include <QSignalSpy>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QTest>
#include <QToolBar>

#include "app/actions.h"
#include "app/child_window.h"
#include "app/command_table.h"
#include "app/form_view.h"
#include "app/view_status_strip.h"
#include "model/constants.h"
#include "shell_test_support.h"

using namespace tessaro;
using namespace tessaro::app;
using namespace tessaro::app::test;

class ShellStartupTest : public QObject {
  Q_OBJECT

 private:
  QTemporaryDir dir_;
  std::unique_ptr<MainWindow> window_;

  MainWindow& Window() { return *window_; }

 private Q_SLOTS:
  void init() {
    window_ = std::make_unique<MainWindow>(dir_.filePath(QStringLiteral("Tessaro.ini")));
    QVERIFY(window_->StartUp(QString()));
    window_->showMaximized();
    QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
  }

  void cleanup() {
    BoxScript boxes;  // an unexpected question at exit is answered Cancel
    for (ChildWindow* child : window_->Documents().Documents()) child->CloseWithoutAsking();
    window_.reset();
  }

  void startsWithOneMaximizedNewDocument() {
    const DocumentManager& documents = Window().Documents();
    QCOMPARE(Titles(documents), QStringList{QStringLiteral("kvr1")});
    ChildWindow* child = documents.Active();
    QVERIFY(child);
    QVERIFY(child->isMaximized());
    QVERIFY(!child->IsModified());
    QVERIFY(Window().isMaximized());
    QVERIFY(Window().windowTitle().startsWith(QStringLiteral("Tessaro")));
    QVERIFY(Window().windowTitle().contains(QStringLiteral("kvr1")));
  }

  void newDocumentShowsTheDefaultTexts_data() {
    QTest::addColumn<int>("field");
    QTest::addColumn<QString>("text");
    QTest::newRow("X label empty") << ctl::X_LABEL << QString();
    QTest::newRow("Y label empty") << ctl::Y_LABEL << QString();
    QTest::newRow("payoff from zeros") << ctl::PAYOFF << QStringLiteral(" 0.0 +  0.0 =  0.0 ");
    QTest::newRow("first line from zeros") << ctl::LINE0 << QStringLiteral(" 0.0 +  0.0 <=  0.0 ");
    QTest::newRow("last line from zeros")
        << ctl::LINE0 + 5 << QStringLiteral(" 0.0 +  0.0 <=  0.0 ");
    QTest::newRow("decimals") << ctl::DECIMALS << QStringLiteral("1");
  }
  void newDocumentShowsTheDefaultTexts() {
    QFETCH(int, field);
    QFETCH(QString, text);
    FormView* view = Window().ActiveView();
    QVERIFY(view);
    QCOMPARE(QString::fromStdString(view->Window().FieldText(field)), text);
  }

  void newDocumentsCountUp() {
    Window().RunCommand(cmd::FILE_NEW);
    Window().RunCommand(cmd::FILE_NEW);
    QCOMPARE(Titles(Window().Documents()),
             (QStringList{QStringLiteral("kvr1"), QStringLiteral("kvr2"), QStringLiteral("kvr3")}));
    QCOMPARE(Window().Documents().Active()->Title(), QStringLiteral("kvr3"));
    QVERIFY(Window().Documents().Active()->isMaximized());
    // A closed number is not given again.
    Window().Documents().Active()->CloseWithoutAsking();
    Window().RunCommand(cmd::FILE_NEW);
    QCOMPARE(Window().Documents().Active()->Title(), QStringLiteral("kvr4"));
  }

  void toolbarHasItsEntriesInOrder_data() {
    QTest::addColumn<int>("position");
    QTest::addColumn<QString>("toolTip");
    QTest::addColumn<QString>("prompt");
    const struct {
      const char* toolTip;
      const char* prompt;
    } rows[] = {
        {"New", "Create a new document"},
        {"Open", "Open an existing document"},
        {"Save", "Save the active document"},
        {"Print", "Print the active document"},
        {nullptr, nullptr},
        {"Copy", "Copy the selection and put it on the Clipboard"},
        {"Copy Picture", "Copy Picture to Clipboard"},
        {"Cut", "Cut the selection and put it on the Clipboard"},
        {"Paste", "Insert Clipboard contents"},
        {nullptr, nullptr},
        {"Auto Max", "Auto Calculate Maximum"},
        {"Auto Min", "Auto Calculate Minimum"},
        {"Auto Zoom", "Auto Zoom"},
        {nullptr, nullptr},
        {"Toggle Trim Line", "Trim out of range line"},
        {"Toggle Label", "Display/Don't display Label"},
        {"Toggle Color", "Toggle Color for valid area"},
        {"Toggle Grey", "Toggle Grey for valid area"},
        {"Toggle Integer Dot", "Display Integer Dot"},
        {nullptr, nullptr},
        {"Hold", "Remember current status in memory"},
        {"Reset Equations", "Reset Equations"},
        {"Undo", "Undo the last action"},
        {nullptr, nullptr},
        {"About", "Display program information, version number and copyright"},
    };
    int position = 0;
    for (const auto& row : rows) {
      ++position;
      const QString name = row.toolTip ? QString::fromLatin1(row.toolTip) : QStringLiteral("|");
      QTest::newRow(qPrintable(QStringLiteral("%1 %2").arg(position).arg(name)))
          << position << (row.toolTip ? name : QString())
          << (row.prompt ? QString::fromLatin1(row.prompt) : QString());
    }
  }
  void toolbarHasItsEntriesInOrder() {
    QFETCH(int, position);
    QFETCH(QString, toolTip);
    QFETCH(QString, prompt);
    const QList<QAction*> entries = Window().Actions().ToolBar()->actions();
    QCOMPARE(entries.size(), 25);
    const QAction* entry = entries[position - 1];
    if (toolTip.isEmpty()) {
      QVERIFY(entry->isSeparator());
      return;
    }
    QVERIFY(!entry->isSeparator());
    QCOMPARE(entry->toolTip(), toolTip);
    QCOMPARE(entry->statusTip(), prompt);
    QVERIFY(!entry->icon().isNull());
  }

  void modelCommandsNeedADocument_data() {
    QTest::addColumn<Command>("command");
    QTest::addColumn<bool>("withoutDocument");
    QTest::newRow("New") << cmd::FILE_NEW << true;
    QTest::newRow("Open") << cmd::FILE_OPEN << true;
    QTest::newRow("About") << cmd::APP_ABOUT << true;
    QTest::newRow("Save") << cmd::FILE_SAVE << false;
    QTest::newRow("Print") << cmd::FILE_PRINT << false;
    QTest::newRow("Copy") << cmd::EDIT_COPY << false;
    QTest::newRow("Auto Max") << cmd::AUTO_MAX << false;
    QTest::newRow("Toggle Grey") << cmd::TOGGLE_GREY << false;
    QTest::newRow("Hold") << cmd::HOLD << false;
    QTest::newRow("Undo") << cmd::EDIT_UNDO << false;
  }
  void modelCommandsNeedADocument() {
    QFETCH(Command, command);
    QFETCH(bool, withoutDocument);
    auto buttonEnabled = [this, command] {
      for (QAction* entry : Window().Actions().ToolBar()->actions()) {
        if (ShellActions::CommandId(entry) == command) return entry->isEnabled();
      }
      return false;
    };
    QVERIFY(buttonEnabled());
    Window().Documents().Active()->CloseWithoutAsking();
    QTRY_VERIFY(Window().Documents().Documents().isEmpty());
    QTRY_COMPARE(buttonEnabled(), withoutDocument);
    QCOMPARE(Window().IsCommandEnabled(command), withoutDocument);
  }

  void statusLineShowsPromptsAndReady() {
    QStatusBar* bar = Window().statusBar();
    QCOMPARE(bar->currentMessage(), QStringLiteral("Ready"));
    QStatusTipEvent hover(QStringLiteral("Auto Calculate Maximum"));
    QCoreApplication::sendEvent(&Window(), &hover);
    QCOMPARE(bar->currentMessage(), QStringLiteral("Auto Calculate Maximum"));
    QStatusTipEvent leave{QString()};
    QCoreApplication::sendEvent(&Window(), &leave);
    QCOMPARE(bar->currentMessage(), QStringLiteral("Ready"));
    QStringList indicators;
    for (QLabel* label : Window().Indicators()) indicators.append(label->text());
    QCOMPARE(indicators,
             (QStringList{QStringLiteral("CAP"), QStringLiteral("NUM"), QStringLiteral("SCRL")}));
  }

  void viewStripFollowsTheActiveView() {
    ViewStatusStrip* strip = Window().ViewStatus();
    QVERIFY(strip->isVisible());
    QCOMPARE(strip->PaneRect(0).right() + 1, 100);
    QCOMPARE(strip->PaneRect(1).right() + 1, 350);
    QCOMPARE(strip->PaneRect(2).right() + 1, strip->width());

    FormView* first = Window().ActiveView();
    first->Window().SetStatusPane(2, "first optimum");
    QCOMPARE(strip->PaneText(2), QStringLiteral("first optimum"));

    // The texts stay when the window changes its size.
    Window().showNormal();
    Window().resize(900, 700);
    QTRY_COMPARE(strip->width(), Window().centralWidget()->width());
    QCOMPARE(strip->PaneText(2), QStringLiteral("first optimum"));
    QCOMPARE(strip->PaneRect(1).right() + 1, 350);

    // Another view shows its own texts; a write of a hidden view is not shown.
    Window().RunCommand(cmd::FILE_NEW);
    FormView* second = Window().ActiveView();
    QVERIFY(second != first);
    QCOMPARE(strip->PaneText(2), second->PaneText(2));
    first->Window().SetStatusPane(0, "hidden pointer");
    QVERIFY(strip->PaneText(0) != QStringLiteral("hidden pointer"));
    Window().MdiArea()->setActiveSubWindow(Window().Documents().Documents().first());
    QCOMPARE(strip->PaneText(0), QStringLiteral("hidden pointer"));
    QCOMPARE(strip->PaneText(2), QStringLiteral("first optimum"));
  }

  void viewStripHidesWithoutDocument() {
    Window().Documents().Active()->CloseWithoutAsking();
    QTRY_VERIFY(!Window().ViewStatus()->isVisible());
    QCOMPARE(Window().windowTitle(), QStringLiteral("Tessaro"));
  }
};

QTEST_MAIN(ShellStartupTest)
#include "shell_startup_test.moc"
