// The Edit commands on the focused field from the menu and from every key
// of the accelerator table, the Undo that follows them, Hold and Reset
// Equations through the message box, and the display toggles of the toolbar.

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include "app/child_window.h"
#include "app/form_view.h"
#include "app/plot_widget.h"
#include "editor/form_controller.h"
#include "model/constants.h"
#include "shell_test_support.h"

using namespace tessaro;
using namespace tessaro::app;
using namespace tessaro::app::test;

class EditCommandsTest : public QObject {
  Q_OBJECT

 private:
  QTemporaryDir dir_;
  std::unique_ptr<MainWindow> window_;

  MainWindow& Window() { return *window_; }
  FormView& View() { return *window_->ActiveView(); }
  const Model& ActiveModel() { return View().Document()->model(); }

 private Q_SLOTS:
  void init() {
    QFile::remove(dir_.filePath(QStringLiteral("Tessaro.ini")));
    const QString model = dir_.filePath(QStringLiteral("chairs.kvr"));
    QVERIFY(WriteModel(model, SampleDocument("chairs")));
    window_ = std::make_unique<MainWindow>(dir_.filePath(QStringLiteral("Tessaro.ini")));
    QVERIFY(window_->StartUp(model));
    window_->show();
    QVERIFY(QTest::qWaitForWindowActive(window_.get()));
    QTRY_VERIFY(View().PresentCount() > 0);
  }

  void cleanup() {
    for (ChildWindow* child : window_->Documents().Documents()) child->CloseWithoutAsking();
    window_.reset();
  }

  // The X label field holds "chairs" with "cha" selected and "tables" on
  // the clipboard; the command comes from the Edit menu or from its key.
  void clipboardCommandsActOnTheFocusedField_data() {
    QTest::addColumn<Command>("command");
    QTest::addColumn<QKeySequence>("keys");  // empty: the menu item
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("clipboard");
    QTest::addColumn<QString>("label");
    const QKeySequence menu;
    QTest::newRow("Copy from the menu") << cmd::EDIT_COPY << menu << "chairs"
                                        << "cha"
                                        << "chairs";
    QTest::newRow("Copy with Ctrl+C") << cmd::EDIT_COPY << QKeySequence("Ctrl+C") << "chairs"
                                      << "cha"
                                      << "chairs";
    QTest::newRow("Copy with Ctrl+Insert") << cmd::EDIT_COPY << QKeySequence("Ctrl+Ins") << "chairs"
                                           << "cha"
                                           << "chairs";
    QTest::newRow("Cut from the menu") << cmd::EDIT_CUT << menu << "irs"
                                       << "cha"
                                       << "irs";
    QTest::newRow("Cut with Ctrl+X") << cmd::EDIT_CUT << QKeySequence("Ctrl+X") << "irs"
                                     << "cha"
                                     << "irs";
    QTest::newRow("Cut with Shift+Delete") << cmd::EDIT_CUT << QKeySequence("Shift+Del") << "irs"
                                           << "cha"
                                           << "irs";
    QTest::newRow("Paste from the menu") << cmd::EDIT_PASTE << menu << "tablesirs"
                                         << "tables"
                                         << "tablesirs";
    QTest::newRow("Paste with Ctrl+V") << cmd::EDIT_PASTE << QKeySequence("Ctrl+V") << "tablesirs"
                                       << "tables"
                                       << "tablesirs";
    QTest::newRow("Paste with Shift+Insert")
        << cmd::EDIT_PASTE << QKeySequence("Shift+Ins") << "tablesirs"
        << "tables"
        << "tablesirs";
  }
  void clipboardCommandsActOnTheFocusedField() {
    QFETCH(Command, command);
    QFETCH(QKeySequence, keys);
    QFETCH(QString, field);
    QFETCH(QString, clipboard);
    QFETCH(QString, label);
    QLineEdit* edit = View().Field(ctl::X_LABEL);
    QCOMPARE(edit->text(), QStringLiteral("chairs"));
    edit->setFocus();
    QTRY_VERIFY(edit->hasFocus());
    edit->setSelection(0, 3);
    QApplication::clipboard()->setText(QStringLiteral("tables"));
    QSignalSpy run(&Window(), &MainWindow::commandRun);

    if (keys.isEmpty()) {
      QAction* item = MenuAction(Window(), command);
      QVERIFY(item);
      QVERIFY(item->isEnabled());
      item->trigger();
    } else {
      QTest::keySequence(edit, keys);
    }
    QCOMPARE(run.count(), 1);
    QCOMPARE(run.first().first().value<Command>(), command);
    QCOMPARE(edit->text(), field);
    QCOMPARE(QApplication::clipboard()->text(), clipboard);
    // The change handler took the text the edit left behind.
    QCOMPARE(QString::fromStdString(ActiveModel().xLabel), label);

    // Undo now goes to the field, not to a model snapshot: the field's own
    // undo takes back the cut or the paste, and after a copy has nothing
    // to take back.
    QTest::keySequence(edit, QKeySequence("Ctrl+Z"));
    QCOMPARE(edit->text(), QStringLiteral("chairs"));
    QCOMPARE(QString::fromStdString(ActiveModel().xLabel), QStringLiteral("chairs"));
  }

  void cutOnAPushButtonChangesNothing() {
    QApplication::clipboard()->setText(QStringLiteral("kept"));
    QPushButton* plus = View().Button(ctl::LINE_PLUS[0]);
    plus->setFocus();
    QTRY_VERIFY(plus->hasFocus());
    const QString line = View().Field(ctl::LINE0)->text();
    MenuAction(Window(), cmd::EDIT_CUT)->trigger();
    QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("kept"));
    QCOMPARE(View().Field(ctl::LINE0)->text(), line);
    QVERIFY(!Window().Documents().Active()->IsModified());
  }

  void resetEquationsAsksBeforeGoingBackToTheHeldModel_data() {
    QTest::addColumn<MsgResult>("answer");
    QTest::addColumn<bool>("reverted");
    QTest::newRow("OK reverts") << MsgResult::Ok << true;
    QTest::newRow("Cancel keeps the changes") << MsgResult::Cancel << false;
  }
  void resetEquationsAsksBeforeGoingBackToTheHeldModel() {
    QFETCH(MsgResult, answer);
    QFETCH(bool, reverted);
    BoxScript boxes;
    QLineEdit* line = View().Field(ctl::LINE0);
    // Hold a changed model, change it again, then reset.
    View().Button(ctl::LINE_PLUS[0])->click();
    const QString held = line->text();
    ToolbarAction(Window(), cmd::HOLD)->trigger();
    QVERIFY(boxes.texts.isEmpty());
    View().Button(ctl::LINE_PLUS[0])->click();
    View().Button(ctl::LINE_PLUS[0])->click();
    const QString changed = line->text();
    QVERIFY(changed != held);

    boxes.answers = {answer};
    ToolbarAction(Window(), cmd::RESET_EQUATIONS)->trigger();
    QCOMPARE(boxes.texts.size(), 1);
    QVERIFY2(boxes.texts.first().startsWith(QStringLiteral("You are about to revert to the disk "
                                                           "saved or held version")),
             qPrintable(boxes.texts.first()));
    QCOMPARE(line->text(), reverted ? held : changed);
  }

  // Each toolbar toggle flips its option, marks the document modified,
  // keeps the option in the document and changes the picture; pressed
  // again it gives the first picture back.
  void toolbarTogglesRedrawAndMarkTheDocument_data() {
    QTest::addColumn<Command>("command");
    QTest::addColumn<int>("option");  // 0 trim, 1 labels, 2 integer dots
    QTest::addColumn<int>("initial");
    QTest::newRow("Toggle Trim Line") << cmd::TOGGLE_TRIM << 0 << 0;
    QTest::newRow("Toggle Label") << cmd::TOGGLE_LABEL << 1 << 1;
    QTest::newRow("Toggle Integer Dot") << cmd::TOGGLE_INTEGER_DOT << 2 << 0;
  }
  void toolbarTogglesRedrawAndMarkTheDocument() {
    QFETCH(Command, command);
    QFETCH(int, option);
    QFETCH(int, initial);
    BoxScript boxes;
    const Document& doc = *Window().Documents().Active()->Document();
    auto inDoc = [&] {
      const Model& m = doc.model();
      return int{option == 0 ? m.trim : option == 1 ? m.labels : m.integerDots};
    };
    QCOMPARE(inDoc(), initial);
    // The picture follows the plot's size once the window's layout settled.
    QTRY_COMPARE(View().OffscreenImage().size(), View().Plot()->size());
    const QImage before = View().OffscreenImage().copy();
    QAction* button = ToolbarAction(Window(), command);
    QVERIFY(button);
    QVERIFY(button->isEnabled());

    button->trigger();
    QCOMPARE(inDoc(), 1 - initial);
    QVERIFY(doc.isModified());
    QVERIFY(Window().isWindowModified());
    QVERIFY(View().OffscreenImage() != before);

    button->trigger();
    QCOMPARE(inDoc(), initial);
    QVERIFY(View().OffscreenImage() == before);
    QVERIFY(boxes.texts.isEmpty());
  }
};

QTEST_MAIN(EditCommandsTest)
#include "edit_commands_test.moc"
