// The `tessaro` command: --solve without the windowing libraries, every
// other use handed to tessaro-gui with the arguments unchanged; and the
// installed program with its help, samples and desktop files.

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include "app/help.h"

namespace {

const QString kBuild = QStringLiteral(TESSARO_BINARY_DIR);

struct Run {
  int status = -1;
  QString out;
  QString err;
};

Run RunProgram(const QString& program, const QStringList& args,
               const QProcessEnvironment& env = QProcessEnvironment::systemEnvironment()) {
  QProcess process;
  process.setProcessEnvironment(env);
  process.start(program, args);
  Run run;
  if (!process.waitForFinished(60000)) return run;
  run.status = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -2;
  run.out = QString::fromLocal8Bit(process.readAllStandardOutput());
  run.err = QString::fromLocal8Bit(process.readAllStandardError());
  return run;
}

QString ReadText(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

}  // namespace

class ShellLauncherTest : public QObject {
  Q_OBJECT

 private:
  QTemporaryDir dir_;
  QString launcher_;

 private Q_SLOTS:
  void initTestCase() {
    launcher_ = kBuild + QStringLiteral("/tessaro");
    if (!QFileInfo(launcher_).isExecutable()) QSKIP("the launcher is not built");
  }

  void solveUsageErrors_data() {
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QString>("complaint");
    QTest::newRow("no model") << QStringList{"--solve"} << "needs a model file";
    QTest::newRow("two models") << QStringList{"--solve", "a.kvr", "b.kvr"} << "'b.kvr'";
    QTest::newRow("unknown switch") << QStringList{"--solve", "a.kvr", "--fast"} << "'--fast'";
  }
  void solveUsageErrors() {
    QFETCH(QStringList, args);
    QFETCH(QString, complaint);
    const Run run = RunProgram(launcher_, args);
    QCOMPARE(run.status, 1);
    QVERIFY2(run.err.contains(complaint), qPrintable(run.err));
    QVERIFY(run.err.contains(QStringLiteral("usage: tessaro")));
    QVERIFY(run.out.isEmpty());
  }

  void answersWithoutLoadingQt_data() {
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("output");
    QTest::newRow("solve a missing model") << QStringList{"--solve", "none.kvr"} << 1 << "";
    QTest::newRow("help") << QStringList{"--help"} << 0 << "usage: tessaro [MODEL.kvr]";
    QTest::newRow("version") << QStringList{"--version"} << 0 << "Tessaro 2.6";
  }
  void answersWithoutLoadingQt() {
    QFETCH(QStringList, args);
    QFETCH(int, status);
    QFETCH(QString, output);
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("LD_DEBUG"), QStringLiteral("libs"));
    const Run run = RunProgram(launcher_, args, env);
    QCOMPARE(run.status, status);
    QVERIFY(run.out.contains(output));
    QVERIFY(run.err.contains(QStringLiteral("libc.so")));  // the loader did report
    QVERIFY2(!run.err.contains(QStringLiteral("libQt6")), "the launcher loaded Qt");
  }

  void otherUsesReachTheGuiWithTheirArguments() {
    // A stand-in tessaro-gui beside a copy of the launcher records what it got.
    const QString bin = dir_.filePath(QStringLiteral("bin"));
    QVERIFY(QDir().mkpath(bin));
    const QString copy = bin + QStringLiteral("/tessaro");
    QFile::remove(copy);
    QVERIFY(QFile::copy(launcher_, copy));
    const QString record = dir_.filePath(QStringLiteral("args.txt"));
    const QString gui = bin + QStringLiteral("/tessaro-gui");
    QFile script(gui);
    QVERIFY(script.open(QIODevice::WriteOnly | QIODevice::Truncate));
    script.write(QStringLiteral("#!/bin/sh\nprintf '%s\\n' \"$0\" \"$@\" > '%1'\nexit 7\n")
                     .arg(record)
                     .toUtf8());
    script.close();
    QVERIFY(script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));

    const QStringList args{QStringLiteral("model with space.kvr"), QStringLiteral("--export"),
                           QStringLiteral("")};
    const Run run = RunProgram(copy, args);
    QCOMPARE(run.status, 7);  // the exit status of the program it became
    QCOMPARE(ReadText(record), gui + QStringLiteral("\nmodel with space.kvr\n--export\n\n"));
  }

  void helpPageIsFoundBesideTheProgram() {
    QCOMPARE(QFileInfo(tessaro::app::FindHelpFile(kBuild)).fileName(),
             QStringLiteral("index.html"));
    QVERIFY(tessaro::app::FindHelpFile(dir_.filePath(QStringLiteral("nowhere"))).isEmpty());
  }

  void installPutsEverythingInPlace() {
    const QString prefix = dir_.filePath(QStringLiteral("prefix"));
    const Run run = RunProgram(QStringLiteral("cmake"), {QStringLiteral("--install"), kBuild,
                                                         QStringLiteral("--prefix"), prefix});
    QVERIFY2(run.status == 0, qPrintable(run.out + run.err));
    for (const char* file :
         {"bin/tessaro", "bin/tessaro-gui", "share/tessaro/help/index.html",
          "share/applications/tessaro.desktop", "share/icons/hicolor/scalable/apps/tessaro.svg",
          "share/mime/packages/tessaro-kvr.xml"}) {
      QVERIFY2(QFileInfo::exists(prefix + u'/' + QString::fromLatin1(file)), file);
    }
    QVERIFY(!QDir(prefix + QStringLiteral("/share/tessaro/examples"))
                 .entryList({QStringLiteral("*.kvr")})
                 .isEmpty());
    // The installed program finds its installed help.
    QCOMPARE(
        tessaro::app::FindHelpFile(prefix + QStringLiteral("/bin")),
        QFileInfo(prefix + QStringLiteral("/share/tessaro/help/index.html")).canonicalFilePath());

    // The menu entry starts the launcher with the file and claims the type
    // that the MIME package gives to *.kvr.
    QSettings entry(prefix + QStringLiteral("/share/applications/tessaro.desktop"),
                    QSettings::IniFormat);
    entry.beginGroup(QStringLiteral("Desktop Entry"));
    QCOMPARE(entry.value(QStringLiteral("Exec")).toString(), QStringLiteral("tessaro %f"));
    QCOMPARE(entry.value(QStringLiteral("Icon")).toString(), QStringLiteral("tessaro"));
    const QString mime = entry.value(QStringLiteral("MimeType")).toString();
    const QString types = ReadText(prefix + QStringLiteral("/share/mime/packages/tessaro-kvr.xml"));
    QVERIFY(types.contains(QStringLiteral("<glob pattern=\"*.kvr\"/>")));
    QVERIFY2(types.contains(QStringLiteral("type=\"%1\"").arg(mime.section(u';', 0, 0))),
             qPrintable(mime));
  }
};

QTEST_MAIN(ShellLauncherTest)
#include "shell_launcher_test.moc"
