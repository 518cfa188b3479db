// Undo and Redo through the whole history of a window, with the keys a
// user presses: a "+" button, a drag and a toggle are taken back one by one
// with Ctrl+Z and done again with Ctrl+Y, a save after undoing stores the
// undone model, and a long run of changes can be walked back to its start.

#include <QAction>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

#include "app/child_window.h"
#include "app/form_view.h"
#include "app/main_window.h"
#include "app/plot_widget.h"
#include "doc/document.h"
#include "editor/form_controller.h"
#include "model/constants.h"
#include "shell_test_support.h"

using namespace tessaro;
using namespace tessaro::app;
using namespace tessaro::app::test;

namespace {

// The view pixel of a model point at zoom 6 with the range starting at 0:
// the plot's origin lies at its widget's bottom-left, inside the margins.
QPoint ViewPoint(FormView* view, double x, double y) {
  const PlotView& plot = view->Equation().view();
  const QPoint origin = view->Plot()->geometry().topLeft() + QPoint(plot.OriginX(), plot.OriginY());
  return origin + QPoint(static_cast<int>(x * 6), -static_cast<int>(y * 6));
}

}  // namespace

class UndoHistoryTest : public QObject {
  Q_OBJECT

 private:
  QTemporaryDir dir_;
  std::unique_ptr<MainWindow> window_;
  ChildWindow* child_ = nullptr;

  const Model& Shown() const { return child_->Document()->model(); }
  void Keys(const QKeySequence& keys) {
    QWidget* focus = QApplication::focusWidget();
    QTest::keySequence(focus ? focus : child_->View(), keys);
  }
  QString MenuText(Command command) const {
    for (QAction* action : window_->findChildren<QAction*>()) {
      if (ShellActions::CommandId(action) == command && action->text().contains(u'\t')) {
        return action->text().section(u'\t', 0, 0);
      }
    }
    return {};
  }

 private Q_SLOTS:
  void init() {
    window_ = std::make_unique<MainWindow>(dir_.filePath(QStringLiteral("Tessaro.ini")));
    QVERIFY(window_->StartUp(QString()));
    window_->show();
    const QString path = dir_.filePath(QStringLiteral("sample.kvr"));
    QVERIFY(WriteModel(path, SampleDocument()));
    child_ = window_->Documents().OpenDocument(path);
    QVERIFY(child_);
    QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
    child_->View()->Field(ctl::X_LABEL)->setFocus();
  }

  void cleanup() {
    for (ChildWindow* child : window_->Documents().Documents()) child->CloseWithoutAsking();
    window_.reset();
  }

  void buttonDragAndToggleUndoneAndRedoneByKeys() {
    BoxScript boxes;
    FormView* view = child_->View();
    QTest::mouseClick(view->Button(ctl::LINE_PLUS[0]), Qt::LeftButton);
    QCOMPARE(Shown().lines[0].c, 41.0);
    // 2x + 1y <= 41 runs through (15.5, 10); drag it to (20, 10).
    QTest::mousePress(view, Qt::LeftButton, Qt::NoModifier, ViewPoint(view, 15.5, 10));
    QTest::mouseMove(view, ViewPoint(view, 18, 10));
    QTest::mouseMove(view, ViewPoint(view, 20, 10));
    QTest::mouseRelease(view, Qt::LeftButton, Qt::NoModifier, ViewPoint(view, 20, 10));
    QCOMPARE(Shown().lines[0].c, 50.0);
    QVERIFY(ToolbarAction(*window_, cmd::TOGGLE_TRIM));
    ToolbarAction(*window_, cmd::TOGGLE_TRIM)->trigger();
    QVERIFY(Shown().trim);
    QCOMPARE(MenuText(cmd::EDIT_UNDO), QStringLiteral("&Undo Trim"));

    view->Field(ctl::X_LABEL)->setFocus();
    Keys(QKeySequence(QStringLiteral("Ctrl+Z")));
    QVERIFY(!Shown().trim);
    QCOMPARE(Shown().lines[0].c, 50.0);
    Keys(QKeySequence(QStringLiteral("Ctrl+Z")));
    QCOMPARE(Shown().lines[0].c, 41.0);
    QCOMPARE(view->Field(ctl::LINE0)->text().contains(QStringLiteral("41.0")), true);
    Keys(QKeySequence(QStringLiteral("Ctrl+Z")));
    QCOMPARE(Shown().lines[0].c, 40.0);
    QVERIFY(!child_->IsModified());
    QCOMPARE(MenuText(cmd::EDIT_REDO), QStringLiteral("&Redo c1 +1"));

    Keys(QKeySequence(QStringLiteral("Ctrl+Y")));
    QCOMPARE(Shown().lines[0].c, 41.0);
    Keys(QKeySequence(QStringLiteral("Ctrl+Shift+Z")));
    QCOMPARE(Shown().lines[0].c, 50.0);
    Keys(QKeySequence(QStringLiteral("Ctrl+Y")));
    QVERIFY(Shown().trim);
    QVERIFY(child_->IsModified());

    // Saved after one Undo: the file holds the undone model.
    Keys(QKeySequence(QStringLiteral("Ctrl+Z")));
    Keys(QKeySequence(QStringLiteral("Ctrl+S")));
    QVERIFY(!child_->IsModified());
    Model onDisk;
    std::string message;
    QVERIFY(LoadModelFile(QFile::encodeName(child_->Path()).toStdString(), onDisk, message));
    QCOMPARE(onDisk.lines[0].c, 50.0);
    QVERIFY(!onDisk.trim);
    QCOMPARE(boxes.texts, QStringList());
  }

  // The optimum on screen belongs to the model it was found for: a button,
  // a drag or an Undo that changes the model clears it at once.
  void aChangedModelClearsTheOptimumOnScreen() {
    BoxScript boxes;
    FormView* view = child_->View();
    const auto solve = [&] {
      window_->RunCommand(cmd::AUTO_MAX);
      QVERIFY(view->PaneText(2).startsWith(QStringLiteral("Optimal Decisions")));
    };
    solve();
    QTest::mouseClick(view->Button(ctl::LINE_PLUS[0]), Qt::LeftButton);
    QCOMPARE(view->PaneText(2), QString());
    solve();
    QTest::mousePress(view, Qt::LeftButton, Qt::NoModifier, ViewPoint(view, 15.5, 10));
    QTest::mouseMove(view, ViewPoint(view, 20, 10));
    QTest::mouseRelease(view, Qt::LeftButton, Qt::NoModifier, ViewPoint(view, 20, 10));
    QCOMPARE(view->PaneText(2), QString());
    solve();
    view->Field(ctl::X_LABEL)->setFocus();
    Keys(QKeySequence(QStringLiteral("Ctrl+Z")));
    QCOMPARE(view->PaneText(2), QString());
    QCOMPARE(boxes.texts, QStringList());
  }

  void aLongRunOfChangesWalksBackToItsStart() {
    BoxScript boxes;
    FormView* view = child_->View();
    constexpr int kClicks = 120;
    for (int i = 0; i < kClicks; ++i)
      QTest::mouseClick(view->Button(ctl::LINE_PLUS[0]), Qt::LeftButton);
    QCOMPARE(Shown().lines[0].c, 40.0 + kClicks);
    view->Field(ctl::X_LABEL)->setFocus();
    for (int i = 0; i < kClicks; ++i) Keys(QKeySequence(QStringLiteral("Ctrl+Z")));
    QCOMPARE(Shown().lines[0].c, 40.0);
    QVERIFY(!child_->IsModified());
    for (int i = 0; i < kClicks; ++i) Keys(QKeySequence(QStringLiteral("Ctrl+Y")));
    QCOMPARE(Shown().lines[0].c, 40.0 + kClicks);
  }
};

QTEST_MAIN(UndoHistoryTest)
#include "undo_history_test.moc"
