// The settings file: its place, its INI text, the recent-file list kept in
// it and the area colour that every new view reads from it.

#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTemporaryFile>
#include <QTest>
#include <cstdio>

#include "app/child_window.h"
#include "app/file_names.h"
#include "app/qt_settings_store.h"
#include "app/recent_files.h"
#include "model/constants.h"
#include "render/area_color.h"
#include "shell_test_support.h"

using namespace tessaro;
using namespace tessaro::app;
using namespace tessaro::app::test;

namespace {

QString ReadText(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return QString();
  return QString::fromUtf8(file.readAll());
}

QByteArray ReadBytes(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void WriteText(const QString& path, const QString& text) {
  QFile file(path);
  if (file.open(QIODevice::WriteOnly | QIODevice::Truncate)) file.write(text.toUtf8());
}

}  // namespace

class ShellSettingsTest : public QObject {
  Q_OBJECT

 private:
  QTemporaryDir dir_;
  QString ini_;

 private Q_SLOTS:
  void init() {
    ini_ = dir_.filePath(QStringLiteral("settings/Tessaro.ini"));
    QDir(dir_.path()).removeRecursively();
    QDir().mkpath(dir_.path());
  }

  void fileLivesInTheUserConfigurationFolder() {
    const QByteArray saved = qgetenv("XDG_CONFIG_HOME");
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(dir_.path()));
    const QString path = QtSettingsStore::DefaultFilePath();
    qputenv("XDG_CONFIG_HOME", saved);
    QCOMPARE(path, dir_.path() + QStringLiteral("/Tessaro/Tessaro.ini"));
  }

  void readGivesTheFallbackUntilWritten() {
    QtSettingsStore store(ini_);
    QCOMPARE(store.Read("KVR1Configuration", "fcolorR", "200"), std::string("200"));
    QVERIFY(!QFile::exists(ini_));  // reading creates nothing
    store.Write("KVR1Configuration", "fcolorR", "255");
    QCOMPARE(store.Read("KVR1Configuration", "fcolorR", "200"), std::string("255"));
    QCOMPARE(store.Read("KVR2Configuration", "fcolorR", "x"), std::string("x"));
  }

  void writesProduceAPlainIniText_data() {
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("section");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("after");
    QTest::newRow("new file") << ""
                              << "KVR1Configuration"
                              << "fcolorR"
                              << "255"
                              << "[KVR1Configuration]\nfcolorR=255\n";
    QTest::newRow("new section after others") << "[A]\nk=1\n"
                                              << "KVR2Configuration"
                                              << "fcolorG"
                                              << "0"
                                              << "[A]\nk=1\n\n[KVR2Configuration]\nfcolorG=0\n";
    QTest::newRow("replaced in place") << "[KVR3Configuration]\nfcolorB=200\nother=1\n"
                                       << "KVR3Configuration"
                                       << "fcolorB"
                                       << "128"
                                       << "[KVR3Configuration]\nfcolorB=128\nother=1\n";
    QTest::newRow("key added at the end of its section") << "[A]\nk=1\n\n[B]\nm=2\n"
                                                         << "A"
                                                         << "n"
                                                         << "3"
                                                         << "[A]\nk=1\nn=3\n\n[B]\nm=2\n";
  }
  void writesProduceAPlainIniText() {
    QFETCH(QString, before);
    QFETCH(QString, section);
    QFETCH(QString, key);
    QFETCH(QString, value);
    QFETCH(QString, after);
    QDir().mkpath(QFileInfo(ini_).absolutePath());
    if (!before.isEmpty()) WriteText(ini_, before);
    QtSettingsStore store(ini_);
    store.Write(section.toStdString(), key.toStdString(), value.toStdString());
    QCOMPARE(ReadText(ini_), after);
  }

  void recentListKeepsFourMostRecentFirst() {
    QtSettingsStore store(ini_);
    RecentFiles recent(store);
    for (const char* name : {"a.kvr", "b.kvr", "c.kvr", "d.kvr", "e.kvr"}) {
      recent.Add(dir_.filePath(QString::fromLatin1(name)));
    }
    recent.Add(dir_.filePath(QStringLiteral("c.kvr")));  // again: moves first, once
    const QStringList expected{dir_.filePath("c.kvr"), dir_.filePath("e.kvr"),
                               dir_.filePath("d.kvr"), dir_.filePath("b.kvr")};
    QCOMPARE(recent.Paths(), expected);
    // Another reader of the same file sees the same list.
    QtSettingsStore again(ini_);
    QCOMPARE(RecentFiles(again).Paths(), expected);
    // QSettings writes the blanks of a section name as "%20".
    QCOMPARE(ReadText(ini_), QStringLiteral("[Recent%20File%20List]\nFile1=%1\nFile2=%2\nFile3=%3\n"
                                            "File4=%4\n")
                                 .arg(expected[0], expected[1], expected[2], expected[3]));
  }

  void recentListDropsEntriesAndSharesTheFile() {
    QtSettingsStore store(ini_);
    store.Write("KVR1Configuration", "fcolorR", "10");
    RecentFiles recent(store);
    recent.Add(dir_.filePath("a.kvr"));
    recent.Add(dir_.filePath("b.kvr"));
    recent.Remove(dir_.filePath("a.kvr"));
    QCOMPARE(recent.Paths(), QStringList{dir_.filePath("b.kvr")});
    QCOMPARE(store.Read("KVR1Configuration", "fcolorR", ""), std::string("10"));
    QVERIFY(!ReadText(ini_).contains(QStringLiteral("File2")));
  }

  void recentListReadsAnEditedFile() {
    QDir().mkpath(QFileInfo(ini_).absolutePath());
    WriteText(ini_, QStringLiteral("[Recent File List]\nFile1=/m/one.kvr\nFile3=/m/three.kvr\n"
                                   "File2=\nFile9=/m/nine.kvr\n"));
    QtSettingsStore store(ini_);
    QCOMPARE(RecentFiles(store).Paths(),
             (QStringList{QStringLiteral("/m/one.kvr"), QStringLiteral("/m/three.kvr")}));
  }

  // A file name is stored as one value, exactly: it can add no line, key
  // or section, and it comes back with its blanks and its bytes.
  void recentNamesAreStoredExactly_data() {
    QTest::addColumn<QString>("name");
    QTest::newRow("lines of another section")
        << QStringLiteral("m\n[KVR2Configuration]\nfcolorG=0\n.kvr");
    QTest::newRow("blank at the end") << QStringLiteral("model.kvr ");
    QTest::newRow("equals, semicolon and comma") << QStringLiteral("a=b;c,d.kvr");
    QTest::newRow("not UTF-8") << DecodeFileName(QByteArray("latin1-\xe9.kvr"));
  }
  void recentNamesAreStoredExactly() {
    QFETCH(QString, name);
    const QString path = dir_.path() + u'/' + name;
    {
      QtSettingsStore store(ini_);
      RecentFiles(store).Add(path);
    }
    QtSettingsStore again(ini_);
    const QStringList paths = RecentFiles(again).Paths();
    QCOMPARE(paths.size(), 1);
    QCOMPARE(EncodeFileName(paths.first()), EncodeFileName(path));
    QCOMPARE(again.Read("KVR2Configuration", "fcolorG", "254"), std::string("254"));
  }

  // A settings file that is no regular file, or too large, is ignored with
  // one warning and never written; reading it cannot hang or exhaust memory.
  void unusableFileIsIgnored_data() {
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("reason");
    QTest::newRow("named pipe") << "fifo"
                                << "not a regular file";
    QTest::newRow("link to /dev/zero") << "zero"
                                       << "not a regular file";
    QTest::newRow("2 MB file") << "large"
                               << "larger than 1 MB";
  }
  void unusableFileIsIgnored() {
    QFETCH(QString, kind);
    QFETCH(QString, reason);
    QDir().mkpath(QFileInfo(ini_).absolutePath());
    const QByteArray name = QFile::encodeName(ini_);
    QByteArray large;
    if (kind == QLatin1String("fifo")) QCOMPARE(::mkfifo(name.constData(), 0600), 0);
    if (kind == QLatin1String("zero")) QCOMPARE(::symlink("/dev/zero", name.constData()), 0);
    if (kind == QLatin1String("large")) {
      large = "[KVR2Configuration]\nfcolorG=" + QByteArray(2 * 1024 * 1024, '7') + "\n";
      QFile file(ini_);
      QVERIFY(file.open(QIODevice::WriteOnly));
      file.write(large);
    }
    QTemporaryFile errors;
    QVERIFY(errors.open());
    std::fflush(stderr);
    const int saved = ::dup(2);
    ::dup2(errors.handle(), 2);
    {
      QtSettingsStore store(ini_);
      QCOMPARE(store.Read("KVR2Configuration", "fcolorG", "254"), std::string("254"));
      store.Write("KVR2Configuration", "fcolorG", "9");
      QCOMPARE(store.Read("KVR2Configuration", "fcolorG", "254"), std::string("9"));
      RecentFiles(store).Add(dir_.filePath(QStringLiteral("a.kvr")));
    }
    std::fflush(stderr);
    ::dup2(saved, 2);
    ::close(saved);
    errors.seek(0);
    const QString text = QString::fromLocal8Bit(errors.readAll());
    QCOMPARE(text.count(QStringLiteral("tessaro: ignoring the settings file")), 1);
    QVERIFY2(text.contains(reason), qPrintable(text));
    struct stat st {};
    QCOMPARE(::lstat(name.constData(), &st), 0);
    if (kind == QLatin1String("fifo")) QVERIFY(S_ISFIFO(st.st_mode));
    if (kind == QLatin1String("zero")) QVERIFY(S_ISLNK(st.st_mode));
    if (kind == QLatin1String("large")) QCOMPARE(ReadBytes(ini_), large);
  }

  void newViewsReadTheAreaColourFromTheFile() {
    QDir().mkpath(QFileInfo(ini_).absolutePath());
    WriteText(ini_, QStringLiteral("[KVR1Configuration]\nfcolorR=255\n[KVR2Configuration]\n"
                                   "fcolorG=0\n[KVR3Configuration]\nfcolorB=128\n"));
    MainWindow window(ini_);
    QVERIFY(window.StartUp(QString()));
    QCOMPARE(int{AreaColor().r}, 255);
    QCOMPARE(int{AreaColor().g}, 0);
    QCOMPARE(int{AreaColor().b}, 128);
    // A value edited outside the program is taken by the next new view.
    QtSettingsStore(ini_).Write("KVR2Configuration", "fcolorG", "300");
    window.RunCommand(cmd::FILE_NEW);
    QCOMPARE(int{AreaColor().g}, 44);
    for (ChildWindow* child : window.Documents().Documents()) child->CloseWithoutAsking();
  }
};

QTEST_MAIN(ShellSettingsTest)
#include "shell_settings_test.moc"
