// The picture and print switches of the command line: the model opened as
// a window opens it, the picture or page written, failures reported on
// standard error with a non-zero status.

#include "app/headless_commands.h"

#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QStandardPaths>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <QTest>
#include <cstdio>
#include <string>

#include "doc/file_store.h"
#include "form_harness.h"

using namespace tessaro;
using namespace tessaro::app;
using namespace tessaro::app::test;

namespace {

constexpr QRgb kAreaColor = 0xC8FEC8;

// Runs the command with standard error sent to a file, and returns what
// was written there.
int RunCapturingStderr(const QStringList& args, QString* errors) {
  QTemporaryDir dir;
  QString path = dir.filePath(QStringLiteral("stderr.txt"));
  std::fflush(stderr);
  int saved = dup(2);
  FILE* sink = std::fopen(path.toLocal8Bit().constData(), "w");
  dup2(fileno(sink), 2);
  int status = RunHeadlessCommand(args);
  std::fflush(stderr);
  dup2(saved, 2);
  close(saved);
  std::fclose(sink);
  QFile file(path);
  file.open(QIODevice::ReadOnly);
  *errors = QString::fromLocal8Bit(file.readAll());
  return status;
}

QString SaveSample(const QTemporaryDir& dir) {
  Model model;
  FillSampleModel(model);
  QString path = dir.filePath(QStringLiteral("sample.kvr"));
  std::string message;
  if (!SaveModelFile(path.toStdString(), model, message)) return QString();
  return path;
}

}  // namespace

class HeadlessCommandsTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void initTestCase();
  void exportPngShowsTheModel();
  void exportSvgShowsTheModel();
  void exportSizeAndScale_data();
  void exportSizeAndScale();
  void exportMatchesTheWindow();
  void failuresReportAndFail_data();
  void failuresReportAndFail();
  void pdfIsOnePageWithGraphAndResults();
  void missingPrinterFails();
  void outputsNeverDestroyAModel_data();
  void outputsNeverDestroyAModel();
  void failedOutputKeepsTheOldFile_data();
  void failedOutputKeepsTheOldFile();
  void nameThatIsNotUtf8Exports();

 private:
  QTemporaryDir configHome_;
};

void HeadlessCommandsTest::initTestCase() {
  // The commands read the area colour from the user's settings file; keep
  // it away from the tester's own settings (the default colour applies).
  QVERIFY(configHome_.isValid());
  qputenv("XDG_CONFIG_HOME", configHome_.path().toLocal8Bit());
}

void HeadlessCommandsTest::exportPngShowsTheModel() {
  QTemporaryDir dir;
  QString model = SaveSample(dir);
  QVERIFY(!model.isEmpty());
  QString out = dir.filePath(QStringLiteral("plot.png"));
  QString errors;
  QCOMPARE(RunCapturingStderr({QStringLiteral("--export"), model, out}, &errors), 0);
  QVERIFY2(errors.isEmpty(), qPrintable(errors));
  QImage image(out);
  QCOMPARE(image.size(), QSize(1260, 1020));
  QVERIFY(CountColor(image, kAreaColor) > 1000);
  QVERIFY(CountReddish(image) > 20);
  // The X axis runs along row 988, 32 above the bottom, from the origin at
  // column 30 across the whole width.
  QVERIFY(CountDark(image, QRect(30, 987, 1200, 3)) > 1100);
}

void HeadlessCommandsTest::exportSizeAndScale_data() {
  QTest::addColumn<QStringList>("options");
  QTest::addColumn<QSize>("size");
  QTest::addColumn<int>("axisRow");  // the X axis, 32 plot pixels above the bottom
  QTest::newRow("a small window") << QStringList{"--size", "640x400"} << QSize(640, 400) << 368;
  QTest::newRow("high density") << QStringList{"--scale", "2"} << QSize(2520, 2040) << 1976;
  QTest::newRow("both, in either order")
      << QStringList{"--scale", "2", "--size", "800x600"} << QSize(1600, 1200) << 1136;
}

void HeadlessCommandsTest::exportSizeAndScale() {
  QFETCH(QStringList, options);
  QFETCH(QSize, size);
  QFETCH(int, axisRow);
  QTemporaryDir dir;
  QString model = SaveSample(dir);
  QString out = dir.filePath(QStringLiteral("plot.png"));
  QString errors;
  QCOMPARE(
      RunCapturingStderr(QStringList{QStringLiteral("--export"), model, out} + options, &errors),
      0);
  QImage image(out);
  QCOMPARE(image.size(), size);
  QVERIFY(CountDark(image, QRect(size.width() / 4, axisRow - 1, size.width() / 2, 3)) >=
          size.width() / 2);
}

void HeadlessCommandsTest::exportSvgShowsTheModel() {
  QTemporaryDir dir;
  QString model = SaveSample(dir);
  QString out = dir.filePath(QStringLiteral("plot.svg"));
  QString errors;
  QCOMPARE(RunCapturingStderr({QStringLiteral("--export"), model, out}, &errors), 0);
  QSvgRenderer renderer(out);
  QVERIFY(renderer.isValid());
  QCOMPARE(renderer.viewBox(), QRect(0, 0, 1260, 1020));
  QImage image(1260, 1020, QImage::Format_RGB32);
  image.fill(Qt::white);
  QPainter painter(&image);
  renderer.render(&painter);
  painter.end();
  QVERIFY(CountColor(image, kAreaColor) > 1000);
  QVERIFY(CountReddish(image) > 20);
}

void HeadlessCommandsTest::exportMatchesTheWindow() {
  // The exported picture is the picture a window shows for the same file.
  QTemporaryDir dir;
  QString model = SaveSample(dir);
  QString out = dir.filePath(QStringLiteral("plot.png"));
  Model doc;
  std::string message;
  QVERIFY(LoadModelFile(model.toStdString(), doc, message));
  MessageRecorder messages;
  ShownView v(doc);
  QVERIFY(v.Settle());
  QTRY_COMPARE(v.Eq().farBounds().x, 200.0 + 500.0 / 6.0);  // the first refresh ran
  v.Flush();
  // An export at the size of the window's plot shows what the window shows.
  const QImage window = v.view->OffscreenImage();
  const QString size = QStringLiteral("%1x%2").arg(window.width()).arg(window.height());
  QString errors;
  QCOMPARE(RunCapturingStderr(
               {QStringLiteral("--export"), model, out, QStringLiteral("--size"), size}, &errors),
           0);
  QCOMPARE(QImage(out).convertToFormat(window.format()), window);
}

void HeadlessCommandsTest::failuresReportAndFail_data() {
  QTest::addColumn<QStringList>("args");  // "DIR" stands for a fresh temporary folder
  QTest::addColumn<int>("status");
  QTest::addColumn<QString>("named");  // a text the message must contain
  QTest::newRow("missing model") << QStringList{"--export", "DIR/none.kvr", "DIR/out.png"} << 1
                                 << "none.kvr";
  QTest::newRow("not a model file")
      << QStringList{"--export", "DIR/junk.kvr", "DIR/out.png"} << 1 << "junk.kvr";
  QTest::newRow("wrong magic string") << QStringList{"--export", "DIR/magic.kvr", "DIR/out.png"}
                                      << 1 << "magic.kvr\": This file is not in KVR format.\n";
  QTest::newRow("cut short model file")
      << QStringList{"--export", "DIR/short.kvr", "DIR/out.png"} << 1 << "short.kvr";
  QTest::newRow("unwritable png") << QStringList{"--export", "DIR/sample.kvr",
                                                 "DIR/no/such/dir/out.png"}
                                  << 1 << "out.png";
  QTest::newRow("unwritable svg") << QStringList{"--export", "DIR/sample.kvr",
                                                 "DIR/no/such/dir/out.svg"}
                                  << 1 << "out.svg";
  QTest::newRow("unwritable pdf") << QStringList{"--pdf", "DIR/sample.kvr",
                                                 "DIR/no/such/dir/out.pdf"}
                                  << 1 << "out.pdf";
  QTest::newRow("unknown picture format")
      << QStringList{"--export", "DIR/sample.kvr", "DIR/out.bmp"} << 2 << "out.bmp";
  QTest::newRow("missing operand") << QStringList{"--export", "DIR/sample.kvr"} << 2 << "usage";
  QTest::newRow("program path first, then missing model")
      << QStringList{"tessaro-gui", "--pdf", "DIR/none.kvr", "DIR/out.pdf"} << 1 << "none.kvr";
}

void HeadlessCommandsTest::failuresReportAndFail() {
  QFETCH(QStringList, args);
  QFETCH(int, status);
  QFETCH(QString, named);
  QTemporaryDir dir;
  QVERIFY(!SaveSample(dir).isEmpty());
  {
    QFile junk(dir.filePath(QStringLiteral("junk.kvr")));
    QVERIFY(junk.open(QIODevice::WriteOnly));
    junk.write("this is no model at all");
    QFile sample(dir.filePath(QStringLiteral("sample.kvr")));
    QVERIFY(sample.open(QIODevice::ReadOnly));
    QFile cut(dir.filePath(QStringLiteral("short.kvr")));
    QVERIFY(cut.open(QIODevice::WriteOnly));
    cut.write(sample.read(100));
    QFile magic(dir.filePath(QStringLiteral("magic.kvr")));
    QVERIFY(magic.open(QIODevice::WriteOnly));
    magic.write(QByteArray("\x06KVR9.9\0\0\0", 10));
  }
  for (QString& arg : args) arg.replace(QStringLiteral("DIR"), dir.path());
  QString errors;
  QCOMPARE(RunCapturingStderr(args, &errors), status);
  QVERIFY2(errors.contains(named), qPrintable(errors));
  QVERIFY2(!errors.contains(QStringLiteral("Please click")), qPrintable(errors));
  QVERIFY(!QFile::exists(dir.filePath(QStringLiteral("out.png"))));
  QVERIFY(!QFile::exists(dir.filePath(QStringLiteral("out.bmp"))));
}

void HeadlessCommandsTest::pdfIsOnePageWithGraphAndResults() {
  QTemporaryDir dir;
  QString model = SaveSample(dir);
  QString out = dir.filePath(QStringLiteral("page.pdf"));
  QString errors;
  QCOMPARE(RunCapturingStderr({QStringLiteral("--pdf"), model, out}, &errors), 0);
  QFile pdf(out);
  QVERIFY(pdf.open(QIODevice::ReadOnly));
  QVERIFY(pdf.read(5) == "%PDF-");

  QString pdfinfo = QStandardPaths::findExecutable(QStringLiteral("pdfinfo"));
  QString pdftoppm = QStandardPaths::findExecutable(QStringLiteral("pdftoppm"));
  if (pdfinfo.isEmpty() || pdftoppm.isEmpty())
    QSKIP("poppler-utils (pdfinfo, pdftoppm) not installed");
  QProcess info;
  info.start(pdfinfo, {out});
  QVERIFY(info.waitForFinished(30000));
  QString infoText = QString::fromLocal8Bit(info.readAllStandardOutput());
  QVERIFY2(infoText.contains(QRegularExpression(QStringLiteral("Pages:\\s+1\\n"))),
           qPrintable(infoText));

  // At 95 pixels per inch one pixel of the page image is one drawing unit.
  QProcess render;
  render.start(pdftoppm,
               {QStringLiteral("-r"), QStringLiteral("95"), QStringLiteral("-png"),
                QStringLiteral("-singlefile"), out, dir.filePath(QStringLiteral("page"))});
  QVERIFY(render.waitForFinished(60000));
  QImage page(dir.filePath(QStringLiteral("page.png")));
  QVERIFY(!page.isNull());
  QVERIFY(CountColor(page, kAreaColor) > 1000);
  QVERIFY(CountReddish(page) > 10);
  // The lowest row of the area lies on the X axis; the results text (the
  // constraint list from 55 units down) lies well below the tick numbers.
  int axisRow = -1;
  for (int y = 0; y < page.height(); ++y) {
    for (int x = 0; x < page.width(); ++x) {
      if ((page.pixel(x, y) & 0xFFFFFF) == kAreaColor) {
        axisRow = y;
        break;
      }
    }
  }
  QVERIFY(axisRow > 0);
  QVERIFY(CountDark(page, QRect(0, axisRow + 50, page.width(), 40)) > 50);
}

void HeadlessCommandsTest::missingPrinterFails() {
  QTemporaryDir dir;
  QString model = SaveSample(dir);
  QString errors;
  int status = RunCapturingStderr(
      {QStringLiteral("--print-to"), QStringLiteral("no-such-printer-here"), model}, &errors);
  QCOMPARE(status, 1);
  QVERIFY2(errors.contains(QStringLiteral("no-such-printer-here")), qPrintable(errors));
}

QByteArray ReadAll(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void HeadlessCommandsTest::outputsNeverDestroyAModel_data() {
  // "DIR" stands for a folder holding sample.kvr and copy.kvr (the same
  // model), copy.pdf and copy.svg (model files under picture names) and
  // link.png (a symbolic link to sample.kvr).
  QTest::addColumn<QStringList>("args");
  QTest::addColumn<QString>("reason");
  QTest::newRow("pdf over its own model")
      << QStringList{"--pdf", "DIR/sample.kvr", "DIR/sample.kvr"} << "must end in .pdf";
  QTest::newRow("pdf with swapped operands")
      << QStringList{"--pdf", "DIR/sample.kvr", "DIR/copy.kvr"} << "must end in .pdf";
  QTest::newRow("pdf over a model named .pdf")
      << QStringList{"--pdf", "DIR/sample.kvr", "DIR/copy.pdf"} << "holds a model file";
  QTest::newRow("svg over a model named .svg")
      << QStringList{"--export", "DIR/sample.kvr", "DIR/copy.svg"} << "holds a model file";
  QTest::newRow("png over its own model through a link")
      << QStringList{"--export", "DIR/sample.kvr", "DIR/link.png"} << "model file being read";
}

void HeadlessCommandsTest::outputsNeverDestroyAModel() {
  QFETCH(QStringList, args);
  QFETCH(QString, reason);
  QTemporaryDir dir;
  const QString sample = SaveSample(dir);
  QVERIFY(!sample.isEmpty());
  const QByteArray model = ReadAll(sample);
  for (const char* name : {"copy.kvr", "copy.pdf", "copy.svg"}) {
    QVERIFY(QFile::copy(sample, dir.filePath(QLatin1String(name))));
  }
  QVERIFY(QFile::link(sample, dir.filePath(QStringLiteral("link.png"))));
  for (QString& arg : args) arg.replace(QStringLiteral("DIR"), dir.path());
  QString errors;
  QCOMPARE(RunCapturingStderr(args, &errors), 1);
  QVERIFY2(errors.contains(reason), qPrintable(errors));
  for (const char* name : {"sample.kvr", "copy.kvr", "copy.pdf", "copy.svg"}) {
    QCOMPARE(ReadAll(dir.filePath(QLatin1String(name))), model);
  }
}

void HeadlessCommandsTest::failedOutputKeepsTheOldFile_data() {
  QTest::addColumn<QString>("command");
  QTest::addColumn<QString>("output");
  QTest::addColumn<QString>("reason");
  // The program runs with a file size limit of 2 KB, below any output.
  QTest::newRow("svg on a full disk") << "--export"
                                      << "old.svg"
                                      << "File too large";
  QTest::newRow("png on a full disk") << "--export"
                                      << "old.png"
                                      << "File too large";
  QTest::newRow("pdf on a full disk") << "--pdf"
                                      << "old.pdf"
                                      << "old.pdf";
  QTest::newRow("svg to /dev/full") << "--export"
                                    << "full.svg"
                                    << "not a regular file";
}

void HeadlessCommandsTest::failedOutputKeepsTheOldFile() {
  QFETCH(QString, command);
  QFETCH(QString, output);
  QFETCH(QString, reason);
  QTemporaryDir dir;
  const QString sample = SaveSample(dir);
  QVERIFY(!sample.isEmpty());
  const QString out = dir.filePath(output);
  const QByteArray old(8192, 'o');
  {
    QFile file(out);
    if (output == QLatin1String("full.svg")) {
      QVERIFY(QFile::link(QStringLiteral("/dev/full"), out));
    } else {
      QVERIFY(file.open(QIODevice::WriteOnly));
      file.write(old);
    }
  }
  const QStringList before = QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden);
  // The limit makes a write past 2 KB fail with "File too large" instead
  // of ending the program with a signal.
  QProcess program;
  program.start(QStringLiteral("/bin/sh"),
                {QStringLiteral("-c"), QStringLiteral("trap '' XFSZ; ulimit -f 2; exec \"$@\""),
                 QStringLiteral("sh"), QStringLiteral(TESSARO_BINARY_DIR "/tessaro-gui"), command,
                 sample, out});
  QVERIFY(program.waitForFinished(60000));
  const QString errors = QString::fromLocal8Bit(program.readAllStandardError());
  QCOMPARE(program.exitCode(), 1);
  QVERIFY2(errors.contains(output) && errors.contains(reason), qPrintable(errors));
  if (output != QLatin1String("full.svg")) QCOMPARE(ReadAll(out), old);
  QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden), before);
}

// The shell makes the name's bytes, which a QString argument could not carry.
void HeadlessCommandsTest::nameThatIsNotUtf8Exports() {
  QTemporaryDir dir;
  const QString sample = SaveSample(dir);
  QVERIFY(!sample.isEmpty());
  const QByteArray model = QFile::encodeName(dir.path()) + "/latin1-\xe9.kvr";
  QCOMPARE(::rename(QFile::encodeName(sample).constData(), model.constData()), 0);
  QProcess program;
  program.setWorkingDirectory(dir.path());
  program.start(QStringLiteral("/bin/sh"),
                {QStringLiteral("-c"),
                 QStringLiteral("exec \"$0\" --export \"$(printf 'latin1-\\351.kvr')\" out.png"),
                 QStringLiteral(TESSARO_BINARY_DIR "/tessaro-gui")});
  QVERIFY(program.waitForFinished(60000));
  QVERIFY2(program.exitCode() == 0, program.readAllStandardError().constData());
  QVERIFY(!QImage(dir.filePath(QStringLiteral("out.png"))).isNull());
  ::unlink(model.constData());  // QTemporaryDir cannot name it
}

QTEST_MAIN(HeadlessCommandsTest)
#include "headless_commands_test.moc"
