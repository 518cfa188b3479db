// Save, Save As, Close and Exit: the question about changes, the files
// written, and failures that lose nothing.

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTest>

#include "app/child_window.h"
#include "app/form_view.h"
#include "doc/lp_format.h"
#include "doc/mps_format.h"
#include "model/constants.h"
#include "shell_test_support.h"

Q_DECLARE_METATYPE(tessaro::MsgResult)

using namespace tessaro;
using namespace tessaro::app;
using namespace tessaro::app::test;

namespace {

Model ReadModel(const QString& path) {
  Model doc;
  std::string message;
  LoadModelFile(QFile::encodeName(path).toStdString(), doc, message);
  return doc;
}

}  // namespace

class DocumentSaveTest : public QObject {
  Q_OBJECT

 private:
  QTemporaryDir dir_;
  std::unique_ptr<MainWindow> window_;

  MainWindow& Window() { return *window_; }
  DocumentManager& Documents() { return window_->Documents(); }
  QString Path(const char* name) const { return dir_.filePath(QString::fromLatin1(name)); }

  // Marks the active document changed, as typing into it does.
  void Change(ChildWindow* child, const std::string& xLabel) {
    ChangeModel(*child->Document(), [&](Model& m) { m.xLabel = xLabel; });
    child->RefreshModifiedMark();
  }

 private Q_SLOTS:
  void init() {
    window_ = std::make_unique<MainWindow>(Path("Tessaro.ini"));
    QVERIFY(window_->StartUp(QString()));
    window_->show();
  }

  void cleanup() {
    for (ChildWindow* child : Documents().Documents()) child->CloseWithoutAsking();
    window_.reset();
  }

  void exportWritesLpOrMpsInTheLastDirection() {
    BoxScript boxes;
    DialogScript dialogs;
    QVERIFY(WriteModel(Path("apples.kvr"), SampleDocument("apples")));
    ChildWindow* child = Documents().OpenDocument(Path("apples.kvr"));
    QVERIFY(child);
    child->View()->RunCommand(cmd::AUTO_MIN);
    const bool modified = child->IsModified();
    dialogs.exportPaths << Path("plan") << Path("plan.MPS");
    Window().RunCommand(cmd::FILE_EXPORT_MODEL);
    Window().RunCommand(cmd::FILE_EXPORT_MODEL);
    QCOMPARE(dialogs.suggestions.first(), Path("apples.lp"));
    QCOMPARE(boxes.texts, QStringList());
    QCOMPARE(child->IsModified(), modified);  // exporting is not saving
    for (const char* name : {"plan.lp", "plan.MPS"}) {
      QFile file(Path(name));
      QVERIFY2(file.open(QIODevice::ReadOnly), name);
      const std::string text = file.readAll().toStdString();
      const ImportResult read = QByteArray(name).endsWith(".lp") ? ReadLp(text) : ReadMps(text);
      QVERIFY2(read.ok, read.message.c_str());
      QCOMPARE(read.model.xLabel, std::string("apples"));
      QCOMPARE(read.model.lines[0].c, 40.0);
      QVERIFY2(
          text.find("MINIMIZE") != std::string::npos || text.find("Minimize") != std::string::npos,
          text.c_str());
    }
  }

  void saveCloseReopenGivesTheSameModel() {
    BoxScript boxes;
    DialogScript dialogs;
    ChildWindow* child = Documents().Active();
    Model doc = child->Document()->model();
    doc.xLabel = "chairs";
    doc.yLabel = "tables";
    doc.lines[1].name = "wood";
    doc.lines[1].a = 4;
    doc.lines[1].b = 3;
    doc.lines[1].c = 120;
    doc.lines[1].relation = Relation::GreaterEqual;
    doc.lines[1].sign = -1;
    doc.payoff.a = 30;
    doc.payoff.b = 50;
    doc.payoff.level = 900;
    doc.fill = FillMode::Grey;
    child->Document()->apply("Edit", doc);
    const Model saved = doc;

    dialogs.savePaths << Path("furniture");  // typed without an extension
    Window().RunCommand(cmd::FILE_SAVE);
    QCOMPARE(dialogs.suggestions.size(), 1);
    QCOMPARE(QFileInfo(dialogs.suggestions.first()).fileName(), QStringLiteral("kvr1.kvr"));
    QVERIFY(QFileInfo::exists(Path("furniture.kvr")));
    QCOMPARE(child->Title(), QStringLiteral("furniture.kvr"));
    QVERIFY(!child->IsModified());
    QVERIFY(Window().windowTitle().contains(QStringLiteral("furniture.kvr")));

    Window().RunCommand(cmd::FILE_CLOSE);
    QCOMPARE(boxes.texts, QStringList());  // saved: no question
    QTRY_VERIFY(Documents().Documents().isEmpty());

    ChildWindow* reopened = Documents().OpenDocument(Path("furniture.kvr"));
    QVERIFY(reopened);
    const Model& back = reopened->Document()->model();
    QCOMPARE(back.xLabel, saved.xLabel);
    QCOMPARE(back.yLabel, saved.yLabel);
    QCOMPARE(back.lines[1].name, saved.lines[1].name);
    QCOMPARE(back.lines[1].a, saved.lines[1].a);
    QCOMPARE(back.lines[1].b, saved.lines[1].b);
    QCOMPARE(back.lines[1].c, saved.lines[1].c);
    QCOMPARE(back.lines[1].relation, saved.lines[1].relation);
    QCOMPARE(back.lines[1].sign, saved.lines[1].sign);
    QCOMPARE(back.payoff.level, saved.payoff.level);
    QCOMPARE(back.fill, saved.fill);
    QCOMPARE(back.xMax, saved.xMax);
    QCOMPARE(back.decimals, saved.decimals);
  }

  void saveOfANamedDocumentAsksNothing() {
    QVERIFY(WriteModel(Path("named.kvr"), SampleDocument()));
    DialogScript dialogs;
    ChildWindow* child = Documents().OpenDocument(Path("named.kvr"));
    Change(child, "pears");
    Window().RunCommand(cmd::FILE_SAVE);
    QVERIFY(dialogs.suggestions.isEmpty());
    QCOMPARE(ReadModel(Path("named.kvr")).xLabel, std::string("pears"));
    QVERIFY(!child->IsModified());
  }

  // Another program rewrites the open file; Save asks before replacing it.
  void outsideChangeAsksBeforeSaving_data() {
    QTest::addColumn<MsgResult>("answer");
    QTest::addColumn<QString>("onDisk");  // the x label in the file afterwards
    QTest::newRow("cancel keeps the other change") << MsgResult::Cancel << "outside";
    QTest::newRow("save over it writes ours") << MsgResult::Ok << "ours";
  }

  void outsideChangeAsksBeforeSaving() {
    QFETCH(MsgResult, answer);
    QFETCH(QString, onDisk);
    QVERIFY(WriteModel(Path("shared.kvr"), SampleDocument("first")));
    ChildWindow* child = Documents().OpenDocument(Path("shared.kvr"));
    QVERIFY(child);
    Change(child, "ours");
    QVERIFY(WriteModel(Path("shared.kvr"), SampleDocument("outside")));
    BoxScript boxes;
    boxes.answers.push_back(answer);
    Window().RunCommand(cmd::FILE_SAVE);
    QCOMPARE(boxes.texts,
             QStringList{QStringLiteral("The file %1 has been changed by another program since it "
                                        "was opened. Save over it?")
                             .arg(Path("shared.kvr"))});
    QCOMPARE(QString::fromStdString(ReadModel(Path("shared.kvr")).xLabel), onDisk);
    QCOMPARE(child->IsModified(), answer == MsgResult::Cancel);
    // Once saved, the next save has nothing to ask.
    if (answer == MsgResult::Ok) {
      Change(child, "again");
      Window().RunCommand(cmd::FILE_SAVE);
      QCOMPARE(boxes.texts.size(), 1);
    }
  }

  void readOnlyFileAsksBeforeSaving() {
    QVERIFY(WriteModel(Path("locked.kvr"), SampleDocument("first")));
    QVERIFY(QFile::setPermissions(Path("locked.kvr"), QFile::ReadOwner | QFile::ReadGroup));
    ChildWindow* child = Documents().OpenDocument(Path("locked.kvr"));
    QVERIFY(child);
    Change(child, "ours");
    BoxScript boxes;  // answers Cancel
    Window().RunCommand(cmd::FILE_SAVE);
    QCOMPARE(boxes.texts, QStringList{Path("locked.kvr") +
                                      QStringLiteral(" is read-only. Save over it anyway?")});
    QCOMPARE(ReadModel(Path("locked.kvr")).xLabel, std::string("first"));
  }

  void unchangedWindowOffersReload() {
    QVERIFY(WriteModel(Path("live.kvr"), SampleDocument("first")));
    ChildWindow* child = Documents().OpenDocument(Path("live.kvr"));
    QVERIFY(child);
    BoxScript boxes;
    Documents().OfferReloadIfChanged(child);
    QVERIFY(boxes.texts.isEmpty());  // nothing changed yet
    QVERIFY(WriteModel(Path("live.kvr"), SampleDocument("second")));
    boxes.answers.push_back(MsgResult::Ok);
    Documents().OfferReloadIfChanged(child);
    QCOMPARE(boxes.texts.size(), 1);
    QVERIFY(boxes.texts.first().contains(QStringLiteral("Reload it?")));
    QTRY_COMPARE(Documents().Documents().size(), 2);  // kvr1 and the reloaded file
    QCOMPARE(Documents().Active()->Document()->model().xLabel, std::string("second"));
  }

  void saveAsKeepsAGivenExtensionAndRenames() {
    DialogScript dialogs;
    Change(Documents().Active(), "plums");
    dialogs.savePaths << Path("model.lp2");
    Window().RunCommand(cmd::FILE_SAVE_AS);
    QVERIFY(QFileInfo::exists(Path("model.lp2")));
    QVERIFY(!QFileInfo::exists(Path("model.lp2.kvr")));
    QCOMPARE(Documents().Active()->Title(), QStringLiteral("model.lp2"));
    QCOMPARE(Window().Recent().Paths().value(0), QFileInfo(Path("model.lp2")).absoluteFilePath());
  }

  void failedSaveLosesNothing() {
    BoxScript boxes;
    DialogScript dialogs;
    ChildWindow* child = Documents().Active();
    Change(child, "kept");
    dialogs.savePaths << Path("no/such/folder/out.kvr");
    Window().RunCommand(cmd::FILE_SAVE);
    QCOMPARE(boxes.texts.size(), 1);
    QVERIFY2(boxes.texts.first().contains(QStringLiteral("out.kvr")),
             qPrintable(boxes.texts.first()));
    QVERIFY(child->IsModified());
    QCOMPARE(child->Title(), QStringLiteral("kvr1"));
    QVERIFY(child->Path().isEmpty());
    QCOMPARE(child->Document()->model().xLabel, std::string("kept"));
  }

  void closeAsksAboutChanges_data() {
    QTest::addColumn<MsgResult>("answer");
    QTest::addColumn<QString>("savePath");
    QTest::addColumn<bool>("closed");
    QTest::addColumn<bool>("written");
    QTest::newRow("yes saves and closes") << MsgResult::Yes << "answered.kvr" << true << true;
    QTest::newRow("yes, save cancelled, stays") << MsgResult::Yes << "" << false << false;
    QTest::newRow("no closes unsaved") << MsgResult::No << "" << true << false;
    QTest::newRow("cancel stays") << MsgResult::Cancel << "" << false << false;
  }
  void closeAsksAboutChanges() {
    QFETCH(MsgResult, answer);
    QFETCH(QString, savePath);
    QFETCH(bool, closed);
    QFETCH(bool, written);
    QFile::remove(Path("answered.kvr"));
    BoxScript boxes;
    DialogScript dialogs;
    boxes.answers.push_back(answer);
    if (!savePath.isEmpty()) dialogs.savePaths << dir_.filePath(savePath);
    Change(Documents().Active(), "asked");
    Window().RunCommand(cmd::FILE_CLOSE);
    QCOMPARE(boxes.texts, QStringList{QStringLiteral("Save changes to kvr1?")});
    QTRY_COMPARE(Documents().Documents().isEmpty(), closed);
    QCOMPARE(QFileInfo::exists(Path("answered.kvr")), written);
  }

  void closeButtonOfTheWindowAsksToo() {
    BoxScript boxes;
    boxes.answers.push_back(MsgResult::Cancel);
    ChildWindow* child = Documents().Active();
    Change(child, "button");
    QVERIFY(!child->close());
    QCOMPARE(boxes.texts, QStringList{QStringLiteral("Save changes to kvr1?")});
    QCOMPARE(Documents().Documents().size(), 1);
  }

  void questionNamesTheFileOfANamedDocument() {
    QVERIFY(WriteModel(Path("named.kvr"), SampleDocument()));
    BoxScript boxes;
    boxes.answers.push_back(MsgResult::Cancel);
    ChildWindow* child = Documents().OpenDocument(Path("named.kvr"));
    Change(child, "renamed");
    Documents().Close(child);
    QCOMPARE(boxes.texts, QStringList{QStringLiteral("Save changes to %1?").arg(child->Path())});
  }

  void coreCloseRequestClosesWithoutAsking() {
    BoxScript boxes;
    ChildWindow* child = Documents().Active();
    Change(child, "dropped");
    child->View()->Window().CloseDocument();
    QTRY_VERIFY(Documents().Documents().isEmpty());
    QVERIFY(boxes.texts.isEmpty());
  }

  void exitAsksForEachModifiedDocument_data() {
    QTest::addColumn<QList<MsgResult>>("answers");
    QTest::addColumn<QStringList>("asked");
    QTest::addColumn<bool>("exited");
    const QStringList both{QStringLiteral("Save changes to kvr1?"),
                           QStringLiteral("Save changes to kvr3?")};
    QTest::newRow("no, no: exits")
        << QList<MsgResult>{MsgResult::No, MsgResult::No} << both << true;
    QTest::newRow("no, cancel: stays")
        << QList<MsgResult>{MsgResult::No, MsgResult::Cancel} << both << false;
    QTest::newRow("cancel first: asks no more")
        << QList<MsgResult>{MsgResult::Cancel} << QStringList{both.first()} << false;
  }
  void exitAsksForEachModifiedDocument() {
    QFETCH(QList<MsgResult>, answers);
    QFETCH(QStringList, asked);
    QFETCH(bool, exited);
    Window().RunCommand(cmd::FILE_NEW);
    Window().RunCommand(cmd::FILE_NEW);
    const QList<ChildWindow*> open = Documents().Documents();
    QCOMPARE(open.size(), 3);
    Change(open[0], "one");
    Change(open[2], "three");
    BoxScript boxes;
    for (MsgResult answer : answers) boxes.answers.push_back(answer);
    Window().RunCommand(cmd::APP_EXIT);
    QCOMPARE(boxes.texts, asked);
    QCOMPARE(Window().isVisible(), !exited);
    QTRY_COMPARE(Documents().Documents().size(), exited ? 0 : 3);
  }

  void exitWithYesSavesBeforeClosing() {
    BoxScript boxes;
    DialogScript dialogs;
    Change(Documents().Active(), "exit");
    boxes.answers.push_back(MsgResult::Yes);
    dialogs.savePaths << Path("at-exit.kvr");
    QVERIFY(Window().close());
    QCOMPARE(ReadModel(Path("at-exit.kvr")).xLabel, std::string("exit"));
  }

  void modifiedMarkFollowsTheDocument() {
    ChildWindow* child = Documents().Active();
    QVERIFY(!Window().isWindowModified());
    Change(child, "marked");
    QTRY_VERIFY(Window().isWindowModified());
    QVERIFY(child->isWindowModified());
    DialogScript dialogs;
    dialogs.savePaths << Path("marked.kvr");
    Window().RunCommand(cmd::FILE_SAVE);
    QVERIFY(!Window().isWindowModified());
    QVERIFY(!child->isWindowModified());
  }
};

QTEST_MAIN(DocumentSaveTest)
#include "document_save_test.moc"
