// The main window with a maximized model window: its title, and every key
// of the menus and the accelerator table reaching its command while a field
// of the form has the focus.

#include <QAction>
#include <QLineEdit>
#include <QMdiArea>
#include <QSignalSpy>
#include <QTest>

#include "app/child_window.h"
#include "app/command_table.h"
#include "app/dialog_seam.h"
#include "app/form_view.h"
#include "model/constants.h"
#include "shell_test_support.h"

using namespace tessaro;
using namespace tessaro::app;
using namespace tessaro::app::test;

namespace {

const QString kProduction = QStringLiteral(TESSARO_SOURCE_DIR "/examples/production.kvr");

// Every key a menu item shows after its tab, with the item's command.
QList<QPair<QKeySequence, Command>> MenuItemKeys() {
  QList<QPair<QKeySequence, Command>> keys;
  for (const auto* menus : {&NoDocumentMenus(), &DocumentMenus()}) {
    for (const MenuSpec& menu : *menus) {
      for (const MenuItemSpec& item : menu.items) {
        const QStringList parts = QString::fromUtf8(item.caption).split(u'\t');
        if (parts.size() == 2) keys.append({QKeySequence(parts[1]), item.id});
      }
    }
  }
  return keys;
}

}  // namespace

class MainWindowTest : public QObject {
  Q_OBJECT

 private:
  QTemporaryDir dir_;
  std::unique_ptr<MainWindow> window_;
  std::unique_ptr<BoxScript> boxes_;
  std::unique_ptr<DialogScript> dialogs_;

  MainWindow& Window() { return *window_; }

 private Q_SLOTS:
  void init() {
    boxes_ = std::make_unique<BoxScript>();
    dialogs_ = std::make_unique<DialogScript>();
    SetPrintDialogHandler([](QWidget*, QPrinter&) { return false; });
    QFile::remove(dir_.filePath(QStringLiteral("Tessaro.ini")));
    window_ = std::make_unique<MainWindow>(dir_.filePath(QStringLiteral("Tessaro.ini")));
    QVERIFY(window_->StartUp(kProduction));
    window_->show();
    QVERIFY(QTest::qWaitForWindowActive(window_.get()));
    QTRY_VERIFY(Window().Documents().Active()->isMaximized());
  }

  void cleanup() {
    for (ChildWindow* child : window_->Documents().Documents()) child->CloseWithoutAsking();
    window_.reset();
    SetPrintDialogHandler({});
    dialogs_.reset();
    boxes_.reset();
  }

  void titleNamesTheModelOnce() {
    const QString title = QStringLiteral("Tessaro - production.kvr[*]");
    QTRY_COMPARE(Window().windowTitle(), title);
    QLineEdit* payoff = Window().ActiveView()->Field(ctl::PAYOFF);
    payoff->setFocus();
    QTest::keyClicks(payoff, QStringLiteral(" "));
    QTRY_COMPARE(Window().windowTitle(), title);
    // Restored and maximized again, or beside a second window.
    Window().RunCommand(cmd::WINDOW_CASCADE);
    QCOMPARE(Window().windowTitle(), title);
    Window().Documents().Active()->showMaximized();
    QCOMPARE(Window().windowTitle(), title);
    Window().RunCommand(cmd::FILE_NEW);
    QTRY_COMPARE(Window().windowTitle(), QStringLiteral("Tessaro - kvr1[*]"));
  }

  void everyShownKeyIsHeldOnceByItsCommand() {
    const QList<QAction*> all = Window().findChildren<QAction*>();
    for (const auto& [key, command] : MenuItemKeys()) {
      QList<QAction*> holders;
      for (QAction* action : all) {
        if (action->shortcuts().contains(key)) holders.append(action);
      }
      QVERIFY2(holders.size() == 1, qPrintable(key.toString() + " is held " +
                                               QString::number(holders.size()) + " times"));
      QCOMPARE(ShellActions::CommandId(holders.first()), command);
    }
  }

  void everyKeyRunsItsCommandFromAField_data() {
    QTest::addColumn<QKeySequence>("key");
    QTest::addColumn<Command>("command");
    QTest::addColumn<bool>("enabled");
    for (const auto* table : {&AcceleratorTable(), &MenuKeys()}) {
      for (const AcceleratorSpec& row : *table) {
        const bool enabled = row.id != cmd::NEXT_PANE && row.id != cmd::PREV_PANE;
        QTest::newRow(row.keys) << QKeySequence(QString::fromLatin1(row.keys)) << row.id << enabled;
      }
    }
    QTest::newRow(HELP_KEY) << QKeySequence(QString::fromLatin1(HELP_KEY)) << cmd::HELP << true;
  }
  void everyKeyRunsItsCommandFromAField() {
    QFETCH(QKeySequence, key);
    QFETCH(Command, command);
    QFETCH(bool, enabled);
    QLineEdit* line = Window().ActiveView()->Field(ctl::LINE0 + 1);
    line->setFocus();
    QTRY_VERIFY(line->hasFocus());
    const QString before = line->text();
    QSignalSpy run(&Window(), &MainWindow::commandRun);
    QTest::keySequence(line, key);
    if (!enabled) {
      QCOMPARE(run.count(), 0);
      return;
    }
    QTRY_COMPARE(run.count(), 1);
    QCOMPARE(run.first().first().value<Command>(), command);
    // A key that is a command does not also edit the field.
    if (command != cmd::EDIT_CUT && command != cmd::EDIT_PASTE && command != cmd::EDIT_UNDO &&
        command != cmd::FILE_CLOSE && command != cmd::APP_EXIT && command != cmd::RESET_EQUATIONS) {
      QCOMPARE(line->text(), before);
    }
  }
};

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
