// The two menu bars, the accelerator table and the way keys reach the
// commands, whatever control has the focus.

#include <QAction>
#include <QLineEdit>
#include <QMap>
#include <QPushButton>
#include <QSignalSpy>
#include <QStatusBar>
#include <QTest>
#include <QToolBar>

#include "app/actions.h"
#include "app/child_window.h"
#include "app/command_table.h"
#include "app/form_view.h"
#include "model/constants.h"
#include "shell_test_support.h"

using namespace tessaro;
using namespace tessaro::app;
using namespace tessaro::app::test;

namespace {

const QString kRecent = QStringLiteral("Recent File");

}  // namespace

class MenuBarTest : public QObject {
  Q_OBJECT

 private:
  QTemporaryDir dir_;
  std::unique_ptr<MainWindow> window_;

  MainWindow& Window() { return *window_; }

 private Q_SLOTS:
  void init() {
    QFile::remove(dir_.filePath(QStringLiteral("Tessaro.ini")));
    window_ = std::make_unique<MainWindow>(dir_.filePath(QStringLiteral("Tessaro.ini")));
    QVERIFY(window_->StartUp(QString()));
    window_->show();
    QVERIFY(QTest::qWaitForWindowActive(window_.get()));
  }

  void cleanup() {
    for (ChildWindow* child : window_->Documents().Documents()) child->CloseWithoutAsking();
    window_.reset();
  }

  void menuBarsAreAsListed_data() {
    QTest::addColumn<bool>("documentOpen");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QStringList>("items");
    const QString sep = QStringLiteral("-");
    QTest::newRow("128 File")
        << false << "&File"
        << QStringList{
               "&New\tCtrl+N", "&Open...\tCtrl+O", sep, "P&rint Setup...", sep, kRecent, sep,
               "E&xit"};
    QTest::newRow("128 View") << false << "&View" << QStringList{"&Toolbar", "&Status Bar"};
    QTest::newRow("128 Help") << false << "&Help" << QStringList{"&About"};
    QTest::newRow("129 File") << true << "&File"
                              << QStringList{"&New\tCtrl+N",
                                             "&Open...\tCtrl+O",
                                             "&Close\tCtrl+W",
                                             "&Save\tCtrl+S",
                                             "Save &As...",
                                             "&Export Model...",
                                             sep,
                                             "&Print...\tCtrl+P",
                                             "P&rint Setup...",
                                             sep,
                                             kRecent,
                                             sep,
                                             "E&xit\tCtrl+Q"};
    QTest::newRow("129 Edit") << true << "&Edit"
                              << QStringList{"&Undo\tCtrl+Z", "&Redo\tCtrl+Y", sep,
                                             "Cu&t\tCtrl+X",  "&Copy\tCtrl+C", "Copy Picture",
                                             "&Paste\tCtrl+V"};
    QTest::newRow("129 Solve") << true << "&Solve"
                               << QStringList{"Auto &Max\tCtrl+M",  "Auto M&in\tCtrl+Shift+M",
                                              "Auto &Zoom\tCtrl+0", sep,
                                              "&Hold\tCtrl+H",      "&Reset Equations\tCtrl+R"};
    QTest::newRow("129 View") << true << "&View"
                              << QStringList{"&Toolbar",
                                             "&Status Bar",
                                             "Preview Payoff\tCtrl+6",
                                             sep,
                                             "T&rim Lines\tCtrl+1",
                                             "&Labels\tCtrl+2",
                                             "&Colour Feasible Area\tCtrl+3",
                                             "&Grey Feasible Area\tCtrl+4",
                                             "&Integer Dots\tCtrl+5",
                                             sep,
                                             "Se&nsitivity",
                                             "Show R&anges"};
    QTest::newRow("129 Option") << true << "Option" << QStringList{"Config Color"};
    QTest::newRow("129 Window") << true << "&Window"
                                << QStringList{"&Cascade", "&Tile", "&Arrange Icons"};
    QTest::newRow("129 Help") << true << "&Help"
                              << QStringList{"&Help Topics", "&About Tessaro ..."};
  }
  void menuBarsAreAsListed() {
    QFETCH(bool, documentOpen);
    QFETCH(QString, title);
    QFETCH(QStringList, items);
    if (!documentOpen) {
      Window().Documents().Active()->CloseWithoutAsking();
      QTRY_VERIFY(!Window().ShowsDocumentMenus());
    }
    const QStringList expectedTitles =
        documentOpen
            ? QStringList{"&File", "&Edit", "&Solve", "&View", "Option", "&Window", "&Help"}
            : QStringList{"&File", "&View", "&Help"};
    QCOMPARE(MenuTitles(Window()), expectedTitles);
    QMenu* menu = MenuNamed(Window(), title);
    QVERIFY(menu);
    QCOMPARE(Captions(menu), items);
  }

  void menusSwitchWithTheDocuments() {
    QVERIFY(Window().ShowsDocumentMenus());
    Window().Documents().Active()->CloseWithoutAsking();
    QTRY_VERIFY(!Window().ShowsDocumentMenus());
    Window().RunCommand(cmd::FILE_NEW);
    QVERIFY(Window().ShowsDocumentMenus());
    QCOMPARE(MenuTitles(Window()).size(), 7);
  }

  void menuItemsCarryTheirPrompts_data() {
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("prompt");
    QTest::newRow("New") << "&File"
                         << "&New\tCtrl+N"
                         << "Create a new document";
    QTest::newRow("Save As") << "&File"
                             << "Save &As..."
                             << "Save the active document with a new name";
    QTest::newRow("Print Setup") << "&File"
                                 << "P&rint Setup..."
                                 << "Change the printer and printing options";
    QTest::newRow("Exit") << "&File"
                          << "E&xit\tCtrl+Q"
                          << "Quit the application; prompts to save documents";
    QTest::newRow("Undo") << "&Edit"
                          << "&Undo\tCtrl+Z"
                          << "Undo the last action";
    QTest::newRow("Preview Payoff") << "&View"
                                    << "Preview Payoff\tCtrl+6"
                                    << "Toggle Preview Payoff";
    QTest::newRow("Toolbar") << "&View"
                             << "&Toolbar"
                             << "Show or hide the toolbar";
    QTest::newRow("Tile") << "&Window"
                          << "&Tile"
                          << "Arrange windows as non-overlapping tiles";
    QTest::newRow("Help Topics") << "&Help"
                                 << "&Help Topics"
                                 << "List Help topics";
  }
  void menuItemsCarryTheirPrompts() {
    QFETCH(QString, title);
    QFETCH(QString, caption);
    QFETCH(QString, prompt);
    QMenu* menu = MenuNamed(Window(), title);
    QVERIFY(menu);
    for (QAction* action : menu->actions()) {
      if (action->text() != caption) continue;
      QCOMPARE(action->statusTip(), prompt);
      return;
    }
    QFAIL("no such item");
  }

  // A command has one action: its menu items, toolbar button and keys are
  // the same object, so they can never disagree about enabling or keys.
  void eachCommandHasOneAction() {
    QMap<int, QAction*> seen;
    for (QAction* action : Window().findChildren<QAction*>()) {
      const int id = static_cast<int>(ShellActions::CommandId(action));
      const int recent = static_cast<int>(cmd::FILE_MRU_FIRST);
      if (id == 0 || (id >= recent && id < recent + RECENT_FILE_COUNT)) continue;
      QVERIFY2(!seen.contains(id) || seen[id] == action, qPrintable(action->text()));
      seen[id] = action;
    }
    for (QAction* button : Window().Actions().ToolBar()->actions()) {
      if (button->isSeparator()) continue;
      QCOMPARE(button, Window().Actions().Action(ShellActions::CommandId(button)));
    }
    QCOMPARE(Window().Actions().Action(cmd::EDIT_REDO)->shortcuts().size(), 2);
  }

  void toolbarAndStatusBarItemsToggleAndCheck() {
    QVERIFY(Window().IsCommandChecked(cmd::VIEW_TOOLBAR));
    Window().RunCommand(cmd::VIEW_TOOLBAR);
    QVERIFY(Window().Actions().ToolBar()->isHidden());
    QVERIFY(!Window().IsCommandChecked(cmd::VIEW_TOOLBAR));
    Window().RunCommand(cmd::VIEW_STATUS_BAR);
    QVERIFY(Window().statusBar()->isHidden());
    for (QAction* action : MenuNamed(Window(), QStringLiteral("&View"))->actions()) {
      if (ShellActions::CommandId(action) == cmd::VIEW_STATUS_BAR) QVERIFY(!action->isChecked());
    }
    Window().RunCommand(cmd::VIEW_TOOLBAR);
    QVERIFY(!Window().Actions().ToolBar()->isHidden());
  }

  void acceleratorTableIsAsListed_data() {
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<Command>("command");
    const struct {
      const char* keys;
      Command command;
    } rows[] = {
        {"Ctrl+C", cmd::EDIT_COPY},   {"Ctrl+N", cmd::FILE_NEW},    {"Ctrl+O", cmd::FILE_OPEN},
        {"Ctrl+P", cmd::FILE_PRINT},  {"Ctrl+Q", cmd::APP_EXIT},    {"Ctrl+S", cmd::FILE_SAVE},
        {"Ctrl+V", cmd::EDIT_PASTE},  {"Shift+Del", cmd::EDIT_CUT}, {"F6", cmd::NEXT_PANE},
        {"Shift+F6", cmd::PREV_PANE}, {"Ctrl+Ins", cmd::EDIT_COPY}, {"Shift+Ins", cmd::EDIT_PASTE},
        {"Ctrl+W", cmd::FILE_CLOSE},  {"Ctrl+X", cmd::EDIT_CUT},    {"Ctrl+Z", cmd::EDIT_UNDO},
        {"Ctrl+Z", cmd::EDIT_UNDO},
    };
    int row = 0;
    for (const auto& r : rows) {
      QTest::newRow(qPrintable(QStringLiteral("%1 %2").arg(row + 1).arg(r.keys)))
          << row << QString::fromLatin1(r.keys) << r.command;
      ++row;
    }
  }
  void acceleratorTableIsAsListed() {
    QFETCH(int, row);
    QFETCH(QString, keys);
    QFETCH(Command, command);
    QCOMPARE(AcceleratorTable().size(), size_t{16});
    const AcceleratorSpec& spec = AcceleratorTable()[static_cast<size_t>(row)];
    QCOMPARE(QKeySequence(QString::fromLatin1(spec.keys)), QKeySequence(keys));
    QCOMPARE(spec.id, command);
    // Exactly one key action answers the keys, and it runs the row's command.
    int holders = 0;
    for (const QAction* action : Window().Actions().KeyActions()) {
      if (!action->shortcuts().contains(QKeySequence(keys))) continue;
      ++holders;
      QCOMPARE(ShellActions::CommandId(action), command);
      QCOMPARE(action->shortcutContext(), Qt::WindowShortcut);
    }
    QCOMPARE(holders, 1);
  }

  void keysReachCommandsFromAnyField_data() {
    QTest::addColumn<int>("field");
    QTest::addColumn<QKeySequence>("keys");
    QTest::addColumn<Command>("command");
    const int line = ctl::LINE0 + 2;
    QTest::newRow("Ctrl+Z in a line") << line << QKeySequence("Ctrl+Z") << cmd::EDIT_UNDO;
    QTest::newRow("Ctrl+X in a line") << line << QKeySequence("Ctrl+X") << cmd::EDIT_CUT;
    QTest::newRow("Ctrl+C in payoff") << ctl::PAYOFF << QKeySequence("Ctrl+C") << cmd::EDIT_COPY;
    QTest::newRow("Ctrl+V in X label") << ctl::X_LABEL << QKeySequence("Ctrl+V") << cmd::EDIT_PASTE;
    QTest::newRow("Shift+Del in X max") << ctl::X_MAX << QKeySequence("Shift+Del") << cmd::EDIT_CUT;
    QTest::newRow("Ctrl+Ins in zoom") << ctl::X_ZOOM << QKeySequence("Ctrl+Ins") << cmd::EDIT_COPY;
    QTest::newRow("Shift+Ins in a line") << line << QKeySequence("Shift+Ins") << cmd::EDIT_PASTE;
    QTest::newRow("Ctrl+N in a line") << line << QKeySequence("Ctrl+N") << cmd::FILE_NEW;
  }
  void keysReachCommandsFromAnyField() {
    QFETCH(int, field);
    QFETCH(QKeySequence, keys);
    QFETCH(Command, command);
    QLineEdit* edit = Window().ActiveView()->Field(field);
    QVERIFY(edit);
    edit->setFocus();
    QTRY_VERIFY(edit->hasFocus());
    QSignalSpy run(&Window(), &MainWindow::commandRun);
    QTest::keySequence(edit, keys);
    QCOMPARE(run.count(), 1);
    QCOMPARE(run.first().first().value<Command>(), command);
  }

  void undoKeyUndoesTheModelStepNotTheKeystroke() {
    FormView* view = Window().ActiveView();
    QLineEdit* zoom = view->Field(ctl::Y_ZOOM);
    const QString before = zoom->text();
    view->Button(ctl::Y_ZOOM_PLUS)->click();
    QTRY_VERIFY(zoom->text() != before);
    QLineEdit* line = view->Field(ctl::LINE0);
    line->setFocus();
    QTRY_VERIFY(line->hasFocus());
    QTest::keySequence(line, QKeySequence("Ctrl+Z"));
    QTRY_COMPARE(zoom->text(), before);
  }

  void windowMenuListsTheOpenModels() {
    Window().RunCommand(cmd::FILE_NEW);
    QMenu* menu = MenuNamed(Window(), QStringLiteral("&Window"));
    QVERIFY(menu);
    Q_EMIT menu->aboutToShow();
    QCOMPARE(Captions(menu),
             (QStringList{"&Cascade", "&Tile", "&Arrange Icons", "-", "&1 kvr1", "&2 kvr2"}));
    QAction* first = menu->actions().at(4);
    QVERIFY(!first->isChecked());
    QVERIFY(menu->actions().at(5)->isChecked());
    first->trigger();
    QCOMPARE(Window().Documents().Active()->Title(), QStringLiteral("kvr1"));
    // Shown again, the list is rebuilt rather than added to.
    Q_EMIT menu->aboutToShow();
    QCOMPARE(Captions(menu).size(), 6);
    QVERIFY(menu->actions().at(4)->isChecked());
  }

  void paneKeysAreDisabledWithoutPanes() {
    QSignalSpy run(&Window(), &MainWindow::commandRun);
    QTest::keyClick(&Window(), Qt::Key_F6);
    QTest::keyClick(&Window(), Qt::Key_F6, Qt::ShiftModifier);
    QCOMPARE(run.count(), 0);
    QVERIFY(!Window().IsCommandEnabled(cmd::NEXT_PANE));
  }
};

QTEST_MAIN(MenuBarTest)
#include "menu_bar_test.moc"
