// File Open: the "kvr1" rule, failed opens, a file that is already open,
// and the recent-file list that opens feed.

#include <unistd.h>

#include <QMdiArea>
#include <QTest>

#include "app/actions.h"
#include "app/child_window.h"
#include "app/file_names.h"
#include "app/recent_files.h"
#include "model/constants.h"
#include "shell_test_support.h"

using namespace tessaro;
using namespace tessaro::app;
using namespace tessaro::app::test;

namespace {

// What happens before the File Open commands of a row.
enum class Before {
  Nothing,          // kvr1 untouched
  ChangeKvr1,       // kvr1 changed (typed into)
  CloseKvr1AndNew,  // kvr1 closed, then a new kvr2
  FailedOpen,       // an open of a missing file first
};

}  // namespace

Q_DECLARE_METATYPE(Before)

class DocumentOpenTest : public QObject {
  Q_OBJECT

 private:
  QTemporaryDir dir_;
  std::unique_ptr<MainWindow> window_;
  QString modelA_;
  QString modelB_;

  MainWindow& Window() { return *window_; }
  DocumentManager& Documents() { return window_->Documents(); }

 private Q_SLOTS:
  void initTestCase() {
    modelA_ = dir_.filePath(QStringLiteral("a.kvr"));
    modelB_ = dir_.filePath(QStringLiteral("b.kvr"));
    QVERIFY(WriteModel(modelA_, SampleDocument("apples")));
    QVERIFY(WriteModel(modelB_, SampleDocument("bread")));
  }

  void init() {
    QFile::remove(dir_.filePath(QStringLiteral("Tessaro.ini")));
    window_ = std::make_unique<MainWindow>(dir_.filePath(QStringLiteral("Tessaro.ini")));
    QVERIFY(window_->StartUp(QString()));
    window_->show();
  }

  void cleanup() {
    for (ChildWindow* child : Documents().Documents()) child->CloseWithoutAsking();
    window_.reset();
  }

  void firstOpenReplacesAnUnchangedKvr1_data() {
    QTest::addColumn<Before>("before");
    QTest::addColumn<int>("opens");
    QTest::addColumn<QStringList>("titles");
    QTest::addColumn<int>("messages");
    QTest::newRow("unchanged kvr1 closes") << Before::Nothing << 1 << QStringList{"a.kvr"} << 0;
    QTest::newRow("changed kvr1 stays")
        << Before::ChangeKvr1 << 1 << QStringList{"kvr1", "a.kvr"} << 0;
    QTest::newRow("second open closes nothing")
        << Before::ChangeKvr1 << 2 << QStringList{"kvr1", "a.kvr", "b.kvr"} << 0;
    QTest::newRow("kvr1 closed before: nothing closes")
        << Before::CloseKvr1AndNew << 1 << QStringList{"kvr2", "a.kvr"} << 0;
    QTest::newRow("failed open closes nothing, the next open does")
        << Before::FailedOpen << 1 << QStringList{"a.kvr"} << 1;
  }
  void firstOpenReplacesAnUnchangedKvr1() {
    QFETCH(Before, before);
    QFETCH(int, opens);
    QFETCH(QStringList, titles);
    QFETCH(int, messages);
    BoxScript boxes;
    DialogScript dialogs;
    switch (before) {
      case Before::Nothing:
        break;
      case Before::ChangeKvr1:
        ChangeModel(*Documents().Active()->Document(), [](Model& m) { m.xLabel = "changed"; });
        break;
      case Before::CloseKvr1AndNew:
        Documents().Active()->CloseWithoutAsking();
        Window().RunCommand(cmd::FILE_NEW);
        break;
      case Before::FailedOpen:
        dialogs.openPaths << dir_.filePath(QStringLiteral("missing.kvr"));
        Window().RunCommand(cmd::FILE_OPEN);
        QCOMPARE(Titles(Documents()), QStringList{"kvr1"});
        break;
    }
    dialogs.openPaths << modelA_;
    Window().RunCommand(cmd::FILE_OPEN);
    if (opens > 1) {
      // A later open, even with kvr1 unchanged again, closes nothing.
      Documents().Documents().first()->Document()->markSaved();
      dialogs.openPaths << modelB_;
      Window().RunCommand(cmd::FILE_OPEN);
    }
    QCOMPARE(Titles(Documents()), titles);
    QCOMPARE(boxes.texts.size(), messages);
    QCOMPARE(Documents().Active()->Title(), titles.last());
    QVERIFY(Documents().Active()->isMaximized());
  }

  void openedModelIsLoaded() {
    DialogScript dialogs;
    dialogs.openPaths << modelA_;
    Window().RunCommand(cmd::FILE_OPEN);
    ChildWindow* child = Documents().Active();
    QCOMPARE(child->Title(), QStringLiteral("a.kvr"));
    QCOMPARE(child->Path(), QFileInfo(modelA_).absoluteFilePath());
    QCOMPARE(child->Document()->model().xLabel, std::string("apples"));
    QCOMPARE(child->Document()->model().lines[0].c, 40.0);
    QVERIFY(!child->IsModified());
    QVERIFY(Window().windowTitle().contains(QStringLiteral("a.kvr")));
  }

  void failedOpensNameTheProblem_data() {
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("message");
    QTest::newRow("wrong magic") << QByteArray("\x06KVR2.6xxxxxxxx", 15)
                                 << "This file is not in KVR format.\nPlease click OK to cancel.";
    QTest::newRow("cut short") << QByteArray("\x06KVR2.5\x01x", 9) << "Unexpected file format.";
    QTest::newRow("missing") << QByteArray() << "";
  }
  void failedOpensNameTheProblem() {
    QFETCH(QByteArray, content);
    QFETCH(QString, message);
    const QString path = dir_.filePath(QStringLiteral("broken.kvr"));
    QFile::remove(path);
    if (!content.isEmpty()) {
      QFile file(path);
      QVERIFY(file.open(QIODevice::WriteOnly));
      file.write(content);
    }
    BoxScript boxes;
    QVERIFY(!Documents().OpenDocument(path));
    QCOMPARE(boxes.texts.size(), 1);
    if (message.isEmpty()) {
      QVERIFY2(boxes.texts.first().contains(QStringLiteral("broken.kvr")),
               qPrintable(boxes.texts.first()));
    } else {
      QCOMPARE(boxes.texts.first(), message);
    }
    QCOMPARE(Titles(Documents()), QStringList{"kvr1"});
    QVERIFY(Window().Recent().Paths().isEmpty());
    if (!content.isEmpty()) {
      QFile file(path);
      QVERIFY(file.open(QIODevice::ReadOnly));
      QCOMPARE(file.readAll(), content);  // never written to
    }
  }

  // A name that is not UTF-8 opens, shows, enters the recent list and
  // saves under its own bytes.
  void nameThatIsNotUtf8IsKeptAsBytes() {
    const QByteArray bytes = QFile::encodeName(dir_.path()) + "/latin1-\xe9.kvr";
    const QString name = DecodeFileName(bytes);
    Model model = SampleDocument("latin");
    std::string message;
    QVERIFY(SaveModelFile(bytes.toStdString(), model, message));
    ChildWindow* child = Documents().OpenDocument(name);
    QVERIFY(child);
    QCOMPARE(child->Document()->model().xLabel, std::string("latin"));
    QVERIFY2(Window().windowTitle().contains(QStringLiteral("latin1-\uFFFD.kvr")),
             qPrintable(Window().windowTitle()));
    QCOMPARE(EncodeFileName(Window().Recent().Paths().value(0)), bytes);
    ChangeModel(*child->Document(), [](Model& m) { m.xLabel = "saved"; });
    Window().RunCommand(cmd::FILE_SAVE);
    Model back;
    QVERIFY(LoadModelFile(bytes.toStdString(), back, message));
    QCOMPARE(back.xLabel, std::string("saved"));
    QVERIFY(!QFile::exists(dir_.filePath(QStringLiteral("latin1-\uFFFD.kvr"))));
    child->CloseWithoutAsking();
    ::unlink(bytes.constData());  // QTemporaryDir cannot name it
  }

  void lpAndMpsTextOpensAsANewSolvedModel_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<double>("level");
    QTest::newRow("LP by suffix") << "plan.lp"
                                  << QByteArray(
                                         "Maximize\n 3 x + 5 y\nst\n c: 3 x + 2 y <= 18\nEnd\n")
                                  << 45.0;
    QTest::newRow("MPS by content, minimizing")
        << "plan"
        << QByteArray(
               "NAME\nROWS\n N o\n G c\nCOLUMNS\n x o 2 c 1\n y o 3 c 1\nRHS\n R c 4\n"
               "ENDATA\n")
        << 8.0;
  }
  void lpAndMpsTextOpensAsANewSolvedModel() {
    QFETCH(QString, name);
    QFETCH(QByteArray, content);
    QFETCH(double, level);
    const QString path = dir_.filePath(name);
    {
      QFile file(path);
      QVERIFY(file.open(QIODevice::WriteOnly));
      file.write(content);
    }
    BoxScript boxes;
    ChildWindow* child = Documents().OpenDocument(path);
    QVERIFY(child);
    QCOMPARE(child->Title(), QFileInfo(path).completeBaseName() + QStringLiteral(".kvr"));
    QVERIFY(child->Path().isEmpty());
    QVERIFY(child->IsModified());
    QCOMPARE(child->Document()->model().xLabel, std::string("x"));
    QCOMPARE(child->Document()->model().payoff.level, level);  // solved as the objective asks
    QVERIFY(Window().Recent().Paths().isEmpty());
  }

  void refusedLpTextNamesFileAndLine() {
    const QString path = dir_.filePath(QStringLiteral("wide.lp"));
    {
      QFile file(path);
      QVERIFY(file.open(QIODevice::WriteOnly));
      file.write("Maximize\n x + y\nst\n c: x + y + z <= 4\nEnd\n");
    }
    BoxScript boxes;
    QVERIFY(!Documents().OpenDocument(path));
    QCOMPARE(boxes.texts, QStringList{QStringLiteral("wide.lp: line 4: a third variable 'z'")});
    QCOMPARE(Titles(Documents()), QStringList{"kvr1"});
  }

  void openingAnOpenFileActivatesIt() {
    ChildWindow* first = Documents().OpenDocument(modelA_);
    QVERIFY(first);
    Window().RunCommand(cmd::FILE_NEW);
    QCOMPARE(Documents().Active()->Title(), QStringLiteral("kvr2"));
    ChangeModel(*first->Document(), [](Model& m) { m.xLabel = "changed"; });
    // The same file by another spelling of its path.
    const QString again = dir_.path() + QStringLiteral("/./a.kvr");
    QCOMPARE(Documents().OpenDocument(again), first);
    QCOMPARE(Documents().Active(), first);
    QCOMPARE(Titles(Documents()), (QStringList{"kvr1", "a.kvr", "kvr2"}));
    QVERIFY(first->IsModified());  // not read again over the changes
  }

  void opensFeedTheRecentFileMenu() {
    Documents().OpenDocument(modelA_);
    Documents().OpenDocument(modelB_);
    const QStringList expected{QFileInfo(modelB_).absoluteFilePath(),
                               QFileInfo(modelA_).absoluteFilePath()};
    QCOMPARE(Window().Recent().Paths(), expected);
    for (const char* title : {"&File"}) {
      const QStringList captions = Captions(MenuNamed(Window(), QString::fromLatin1(title)));
      QVERIFY(!captions.contains(QStringLiteral("Recent File")));
      QVERIFY(captions.contains(QStringLiteral("&1 ") + expected[0]));
      QVERIFY(captions.contains(QStringLiteral("&2 ") + expected[1]));
    }
  }

  void recentEntryOpensItsFileOrLeavesTheList() {
    Documents().OpenDocument(modelA_);
    const QString gone = dir_.filePath(QStringLiteral("gone.kvr"));
    QVERIFY(WriteModel(gone, SampleDocument()));
    Documents().OpenDocument(gone);
    Documents().Active()->CloseWithoutAsking();
    Documents().Documents().last()->CloseWithoutAsking();
    QTRY_COMPARE(Documents().Documents().size(), 1);
    QVERIFY(QFile::remove(gone));

    auto entry = [this](const QString& path) -> QAction* {
      QMenu* file = MenuNamed(Window(), QStringLiteral("&File"));
      for (QAction* action : file->actions()) {
        if (action->text().endsWith(QFileInfo(path).absoluteFilePath())) return action;
      }
      return nullptr;
    };
    BoxScript boxes;
    QVERIFY(entry(modelA_));
    entry(modelA_)->trigger();
    QCOMPARE(Documents().Active()->Title(), QStringLiteral("a.kvr"));
    QVERIFY(entry(gone));
    entry(gone)->trigger();
    QCOMPARE(boxes.texts.size(), 1);
    QVERIFY(!entry(gone));
    QCOMPARE(Window().Recent().Paths(), QStringList{QFileInfo(modelA_).absoluteFilePath()});
  }
};

QTEST_MAIN(DocumentOpenTest)
#include "document_open_test.moc"
