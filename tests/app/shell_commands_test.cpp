// Every command of the menus and the toolbar: enabled with a document and
// without one as the shell defines, and the window and printer commands
// doing what their prompts say.

#include <QApplication>
#include <QFile>
#include <QMdiArea>
#include <QPrinter>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "app/child_window.h"
#include "app/dialog_seam.h"
#include "app/picture_output.h"
#include "model/constants.h"
#include "shell_test_support.h"

using namespace tessaro;
using namespace tessaro::app;
using namespace tessaro::app::test;

namespace {

// The width and height of the first page of a PDF file, in points.
QSizeF FirstPageSize(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return {};
  const QString text = QString::fromLatin1(file.readAll());
  const QRegularExpression box(
      QStringLiteral(R"(/MediaBox\s*\[\s*0\s+0\s+([0-9.]+)\s+([0-9.]+)\s*\])"));
  const QRegularExpressionMatch match = box.match(text);
  if (!match.hasMatch()) return {};
  return {match.captured(1).toDouble(), match.captured(2).toDouble()};
}

int PdfPageCount(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return -1;
  return static_cast<int>(QString::fromLatin1(file.readAll())
                              .count(QRegularExpression(QStringLiteral("/Type\\s*/Page[^s]"))));
}

}  // namespace

class ShellCommandsTest : public QObject {
  Q_OBJECT

 private:
  QTemporaryDir dir_;
  std::unique_ptr<MainWindow> window_;

  MainWindow& Window() { return *window_; }

  // Every action of the command: menu items of both menu bars, toolbar
  // button and key action.
  QList<QAction*> ActionsOf(Command command) {
    QList<QAction*> found;
    for (QAction* action : Window().Actions().CommandActions()) {
      if (ShellActions::CommandId(action) == command) found.append(action);
    }
    return found;
  }

 private Q_SLOTS:
  void init() {
    QFile::remove(dir_.filePath(QStringLiteral("Tessaro.ini")));
    window_ = std::make_unique<MainWindow>(dir_.filePath(QStringLiteral("Tessaro.ini")));
    QVERIFY(window_->StartUp(QString()));
    window_->show();
    QVERIFY(QTest::qWaitForWindowActive(window_.get()));
  }

  void cleanup() {
    SetPageSetupHandler(nullptr);
    SetPrintDialogHandler(nullptr);
    for (ChildWindow* child : window_->Documents().Documents()) child->CloseWithoutAsking();
    window_.reset();
  }

  void everyCommandIsEnabledWhereItBelongs_data() {
    QTest::addColumn<Command>("command");
    QTest::addColumn<bool>("withDocument");
    QTest::addColumn<bool>("withoutDocument");
    const struct {
      const char* name;
      Command command;
      bool with;
      bool without;
    } rows[] = {
        {"New", cmd::FILE_NEW, true, true},
        {"Open", cmd::FILE_OPEN, true, true},
        {"Close", cmd::FILE_CLOSE, true, false},
        {"Save", cmd::FILE_SAVE, true, false},
        {"Save As", cmd::FILE_SAVE_AS, true, false},
        {"Export Model", cmd::FILE_EXPORT_MODEL, true, false},
        {"Print", cmd::FILE_PRINT, true, false},
        {"Print Setup", cmd::FILE_PRINT_SETUP, true, true},
        {"Exit", cmd::APP_EXIT, true, true},
        {"Undo", cmd::EDIT_UNDO, true, false},
        {"Cut", cmd::EDIT_CUT, true, false},
        {"Copy", cmd::EDIT_COPY, true, false},
        {"Copy Picture", cmd::COPY_PICTURE, true, false},
        {"Paste", cmd::EDIT_PASTE, true, false},
        {"Toolbar", cmd::VIEW_TOOLBAR, true, true},
        {"Status Bar", cmd::VIEW_STATUS_BAR, true, true},
        {"Preview Payoff", cmd::PREVIEW_PAYOFF, true, false},
        {"Config Color", cmd::CONFIG_COLOR, true, false},
        {"Cascade", cmd::WINDOW_CASCADE, true, false},
        {"Tile", cmd::WINDOW_TILE, true, false},
        {"Arrange Icons", cmd::WINDOW_ARRANGE, true, false},
        {"Help Topics", cmd::HELP_TOPICS, true, true},
        {"About", cmd::APP_ABOUT, true, true},
        {"Auto Max", cmd::AUTO_MAX, true, false},
        {"Auto Min", cmd::AUTO_MIN, true, false},
        {"Auto Zoom", cmd::AUTO_ZOOM, true, false},
        {"Toggle Trim Line", cmd::TOGGLE_TRIM, true, false},
        {"Toggle Label", cmd::TOGGLE_LABEL, true, false},
        {"Toggle Color", cmd::TOGGLE_COLOR, true, false},
        {"Toggle Grey", cmd::TOGGLE_GREY, true, false},
        {"Toggle Integer Dot", cmd::TOGGLE_INTEGER_DOT, true, false},
        {"Hold", cmd::HOLD, true, false},
        {"Reset Equations", cmd::RESET_EQUATIONS, true, false},
        {"Next Pane", cmd::NEXT_PANE, false, false},
        {"Previous Pane", cmd::PREV_PANE, false, false},
    };
    for (const auto& row : rows) {
      QTest::newRow(row.name) << row.command << row.with << row.without;
    }
  }
  void everyCommandIsEnabledWhereItBelongs() {
    QFETCH(Command, command);
    QFETCH(bool, withDocument);
    QFETCH(bool, withoutDocument);
    const QList<QAction*> actions = ActionsOf(command);
    QVERIFY(!actions.isEmpty());
    QCOMPARE(Window().IsCommandEnabled(command), withDocument);
    for (QAction* action : actions) QCOMPARE(action->isEnabled(), withDocument);

    Window().Documents().Active()->CloseWithoutAsking();
    QTRY_VERIFY(!Window().ShowsDocumentMenus());
    QCOMPARE(Window().IsCommandEnabled(command), withoutDocument);
    for (QAction* action : actions) QCOMPARE(action->isEnabled(), withoutDocument);
  }

  void cascadeOverlapsAndTileSeparatesTheWindows() {
    Window().RunCommand(cmd::FILE_NEW);
    Window().RunCommand(cmd::FILE_NEW);
    const QList<ChildWindow*> children = Window().Documents().Documents();
    QCOMPARE(children.size(), 3);
    // The model in front fills the area, whichever it is.
    QVERIFY(Window().Documents().Active()->isMaximized());
    Window().MdiArea()->setActiveSubWindow(children.first());
    QVERIFY(children.first()->isMaximized());

    MenuAction(Window(), cmd::WINDOW_CASCADE)->trigger();
    for (int i = 0; i < children.size(); ++i) {
      QVERIFY(!children[i]->isMaximized());
      if (i == 0) continue;
      const QRect before = children[i - 1]->geometry();
      const QRect now = children[i]->geometry();
      QVERIFY2(now.intersects(before) && now.topLeft() != before.topLeft(),
               qPrintable(QStringLiteral("window %1").arg(i)));
    }

    MenuAction(Window(), cmd::WINDOW_TILE)->trigger();
    for (int i = 0; i < children.size(); ++i) {
      QVERIFY(!children[i]->isMaximized());
      for (int j = 0; j < i; ++j) {
        QVERIFY2(!children[i]->geometry().intersects(children[j]->geometry()),
                 qPrintable(QStringLiteral("windows %1 and %2").arg(j).arg(i)));
      }
    }
  }

  void arrangeIconsLinesUpTheMinimizedWindows() {
    Window().RunCommand(cmd::FILE_NEW);
    Window().RunCommand(cmd::FILE_NEW);
    const QList<ChildWindow*> children = Window().Documents().Documents();
    // Minimized from the cascade, as with the windows' own buttons.
    MenuAction(Window(), cmd::WINDOW_CASCADE)->trigger();
    children[0]->showMinimized();
    children[2]->showMinimized();
    children[0]->move(40, 10);
    children[2]->move(5, 60);
    MenuAction(Window(), cmd::WINDOW_ARRANGE)->trigger();
    const int bottom = Window().MdiArea()->viewport()->height();
    // In creation order, left to right along the bottom, touching.
    QCOMPARE(children[0]->geometry().left(), 0);
    QCOMPARE(children[0]->geometry().bottom() + 1, bottom);
    QCOMPARE(children[2]->geometry().left(), children[0]->geometry().right() + 1);
    QCOMPARE(children[2]->geometry().bottom() + 1, bottom);
    QVERIFY(!children[1]->isMinimized());
  }

  void aboutOpensTheAboutBox() {
    QString shown;
    // The box is modal: close it from the event loop it runs.
    QTimer::singleShot(0, this, [&shown] {
      QWidget* box = QApplication::activeModalWidget();
      if (box == nullptr) return;
      shown = box->windowTitle();
      box->close();
    });
    ToolbarAction(Window(), cmd::APP_ABOUT)->trigger();
    QCOMPARE(shown, QStringLiteral("About Tessaro"));
  }

  void printUsesWhatPrintSetupChose() {
    BoxScript boxes;
    const QString pdf = dir_.filePath(QStringLiteral("page.pdf"));
    QFile::remove(pdf);
    QPrinter* setUp = nullptr;
    SetPageSetupHandler([&](QWidget*, QPrinter& printer) {
      setUp = &printer;
      printer.setOutputFormat(QPrinter::PdfFormat);
      printer.setOutputFileName(pdf);
      printer.setPageOrientation(QPageLayout::Landscape);
      return true;
    });
    QPrinter* printed = nullptr;
    SetPrintDialogHandler([&](QWidget*, QPrinter& printer) {
      printed = &printer;
      return true;
    });
    // Print Setup also works with no document open.
    Window().Documents().Active()->CloseWithoutAsking();
    QTRY_VERIFY(!Window().ShowsDocumentMenus());
    QAction* setup = MenuAction(Window(), cmd::FILE_PRINT_SETUP);
    QVERIFY(setup && setup->isEnabled());
    setup->trigger();
    QCOMPARE(setUp, &SharedPrinter());

    Window().RunCommand(cmd::FILE_NEW);
    ToolbarAction(Window(), cmd::FILE_PRINT)->trigger();
    QCOMPARE(printed, &SharedPrinter());
    QVERIFY(boxes.texts.isEmpty());
    QCOMPARE(PdfPageCount(pdf), 1);
    const QSizeF page = FirstPageSize(pdf);
    QVERIFY2(page.width() > page.height(),
             qPrintable(QStringLiteral("%1 x %2").arg(page.width()).arg(page.height())));

    // A cancelled print dialog writes nothing.
    QFile::remove(pdf);
    SetPrintDialogHandler([](QWidget*, QPrinter&) { return false; });
    MenuAction(Window(), cmd::FILE_PRINT)->trigger();
    QVERIFY(!QFile::exists(pdf));
    SharedPrinter().setPageOrientation(QPageLayout::Portrait);
    SharedPrinter().setOutputFileName(QString());
  }
};

QTEST_MAIN(ShellCommandsTest)
#include "shell_commands_test.moc"
