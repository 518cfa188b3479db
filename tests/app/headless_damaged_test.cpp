// Damaged and odd model files, among them inputs the fuzzers produced, given
// to every way the program opens a file: `tessaro --solve`, `tessaro-gui
// --export` and File Open in a window. Each must print or show a message
// and end, or stay usable: no crash and no hang.

#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

#include "app/child_window.h"
#include "shell_test_support.h"

using namespace tessaro;
using namespace tessaro::app;
using namespace tessaro::app::test;

namespace {

constexpr int kProcessTimeoutMs = 60000;
// Fuzzer inputs taken from each kept corpus, beside every kept finding.
constexpr int kCorpusSamples = 6;

// The files of a folder in name order, hidden ones left out.
QStringList FilesIn(const QString& folder, int limit = -1) {
  QStringList paths;
  const QDir dir(folder);
  for (const QString& name : dir.entryList(QDir::Files, QDir::Name)) {
    if (limit >= 0 && paths.size() >= limit) break;
    paths.append(dir.filePath(name));
  }
  return paths;
}

struct Run {
  bool finished = false;
  bool crashed = false;
  int code = -1;
  QByteArray out;
  QByteArray err;
};

Run RunProgram(const QString& program, const QStringList& args, const QString& configHome) {
  QProcess process;
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
  env.insert(QStringLiteral("XDG_CONFIG_HOME"), configHome);
  process.setProcessEnvironment(env);
  process.start(program, args);
  Run run;
  if (!process.waitForStarted(kProcessTimeoutMs)) return run;
  run.finished = process.waitForFinished(kProcessTimeoutMs);
  if (!run.finished) {
    process.kill();
    process.waitForFinished();
    return run;
  }
  run.crashed = process.exitStatus() != QProcess::NormalExit;
  run.code = process.exitCode();
  run.out = process.readAllStandardOutput();
  run.err = process.readAllStandardError();
  return run;
}

QString Program(const char* name) {
  return QDir(QStringLiteral(TESSARO_BINARY_DIR)).filePath(QString::fromLatin1(name));
}

}  // namespace

class HeadlessDamagedTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void initTestCase() {
    QVERIFY2(QFileInfo::exists(Program("tessaro")), "build the tessaro target first");
    QVERIFY2(QFileInfo::exists(Program("tessaro-gui")), "build the tessaro-gui target first");
  }

  void damagedFile_data() {
    QTest::addColumn<QString>("path");
    const QString source = QStringLiteral(TESSARO_SOURCE_DIR);
    QStringList paths = FilesIn(QStringLiteral(TESSARO_TEST_DATA) + "/damaged");
    paths += QStringLiteral(TESSARO_TEST_DATA) + "/valid/guarded_values.kvr";
    for (const char* target : {"load", "session"}) {
      paths += FilesIn(source + "/fuzz/regressions/" + target);
      paths += FilesIn(source + "/fuzz/corpus/" + target, kCorpusSamples);
    }
    QVERIFY(paths.size() > 10);
    for (const QString& path : paths) {
      const QFileInfo info(path);
      QTest::newRow(qPrintable(info.dir().dirName() + "/" + info.fileName())) << path;
    }
  }

  // The solver prints its report or a message, and ends.
  void damagedFile() {
    QFETCH(QString, path);
    QTemporaryDir dir;
    const Run run = RunProgram(Program("tessaro"), {QStringLiteral("--solve"), path}, dir.path());
    QVERIFY2(run.finished, "tessaro --solve did not end");
    QVERIFY2(!run.crashed, run.err.constData());
    if (run.code == 0) {
      QVERIFY2(run.out.contains("result: optimal\n"), run.out.constData());
    } else {
      // A file that cannot be read is reported on standard error; a model
      // without an optimum prints the message its window would show.
      const int at = run.out.indexOf("\nmessage: ");
      const bool printed = at >= 0 && run.out.size() > at + 11 && run.out.at(at + 11) != '\n';
      QVERIFY2(!run.err.isEmpty() || printed, "a failure without a message");
    }
  }

  // The picture is written, or a message says why not.
  void damagedFileExport_data() { damagedFile_data(); }
  void damagedFileExport() {
    QFETCH(QString, path);
    QTemporaryDir dir;
    const QString picture = dir.filePath(QStringLiteral("out.png"));
    const Run run =
        RunProgram(Program("tessaro-gui"), {QStringLiteral("--export"), path, picture}, dir.path());
    QVERIFY2(run.finished, "tessaro-gui --export did not end");
    QVERIFY2(!run.crashed, run.err.constData());
    if (run.code == 0) {
      QVERIFY(!QImage(picture).isNull());
    } else {
      QVERIFY2(!run.err.isEmpty(), "a failure without a message");
    }
  }

  // Opened in a window, the file either shows its model or a message; the
  // program goes on taking commands afterwards.
  void damagedFileWindow_data() { damagedFile_data(); }
  void damagedFileWindow() {
    QFETCH(QString, path);
    QTemporaryDir dir;
    const QByteArray before = [&] {
      QFile file(path);
      return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }();
    auto window = std::make_unique<MainWindow>(dir.filePath(QStringLiteral("Tessaro.ini")));
    QVERIFY(window->StartUp(QString()));
    window->show();
    BoxScript boxes;
    ChildWindow* child = window->Documents().OpenDocument(path);
    if (child == nullptr) {
      QVERIFY2(!boxes.texts.isEmpty(), "a refused file without a message");
    }
    // Let the deferred refresh and the first paint run.
    QTest::qWait(300);
    QVERIFY(window->Documents().NewDocument() != nullptr);
    QTest::qWait(50);
    for (ChildWindow* open : window->Documents().Documents()) open->CloseWithoutAsking();
    window.reset();
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), before);  // opening never writes to the file
  }
};

QTEST_MAIN(HeadlessDamagedTest)
#include "headless_damaged_test.moc"
