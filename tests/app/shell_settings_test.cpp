// The settings file: its place, its INI text, the recent-file list kept in
// it and the area colour that every new view reads from it.

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include "app/child_window.h"
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
    QCOMPARE(store.Read("kvr1configuration", "FCOLORR", "200"), std::string("255"));
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
    QTest::newRow("replaced in place, comments kept")
        << "; colours\n[KVR3Configuration]\nfcolorB=200\nother=1\n"
        << "KVR3Configuration"
        << "fcolorB"
        << "128"
        << "; colours\n[KVR3Configuration]\nfcolorB=128\nother=1\n";
    QTest::newRow("key added at the end of its section") << "[A]\nk=1\n\n[B]\nm=2\n"
                                                         << "A"
                                                         << "n"
                                                         << "3"
                                                         << "[A]\nk=1\nn=3\n\n[B]\nm=2\n";
    QTest::newRow("names compare without case") << "[kvr1configuration]\nFCOLORR=1\n"
                                                << "KVR1Configuration"
                                                << "fcolorR"
                                                << "7"
                                                << "[kvr1configuration]\nfcolorR=7\n";
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
    QCOMPARE(ReadText(ini_), QStringLiteral("[Recent File List]\nFile1=%1\nFile2=%2\nFile3=%3\n"
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
