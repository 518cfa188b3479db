// Help and About: the help page documents every command and button, the
// help window shows it, and the About box holds what it should.

#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>
#include <QTextBrowser>

#include "app/about_dialog.h"
#include "app/command_table.h"
#include "app/help.h"
#include "model/constants.h"

using namespace tessaro::app;

namespace {

QString HelpText() {
  const QString page = FindHelpFile(QStringLiteral(TESSARO_BINARY_DIR));
  QFile file(page);
  if (!file.open(QIODevice::ReadOnly)) return QString();
  return QString::fromUtf8(file.readAll());
}

// A menu caption as a reader sees it: no accelerator mark, no key text,
// no trailing dots.
QString Plain(const char* caption) {
  QString text = QString::fromUtf8(caption).section(u'\t', 0, 0);
  text.remove(u'&');
  text.remove(QRegularExpression(QStringLiteral("\\s*\\.+$")));
  return text.trimmed();
}

}  // namespace

class ShellHelpTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void helpNamesEveryMenuCommand_data() {
    QTest::addColumn<QString>("command");
    for (const MenuSpec& menu : DocumentMenus()) {
      for (const MenuItemSpec& item : menu.items) {
        if (item.id == cmd::NONE || item.id == cmd::FILE_MRU_FIRST) continue;
        const QString name = Plain(item.caption);
        QTest::newRow(qPrintable(name)) << name;
      }
    }
  }
  void helpNamesEveryMenuCommand() {
    QFETCH(QString, command);
    QVERIFY2(HelpText().contains(command), qPrintable(command));
  }

  void helpNamesEveryToolbarButton_data() {
    QTest::addColumn<QString>("button");
    for (Command id : ToolbarLayout()) {
      if (id == cmd::NONE) continue;
      const QString tip = QString::fromUtf8(FindCommand(id)->toolTip);
      QTest::newRow(qPrintable(tip)) << tip;
    }
  }
  void helpNamesEveryToolbarButton() {
    QFETCH(QString, button);
    QVERIFY2(HelpText().contains(QStringLiteral("<td>%1</td>").arg(button)), qPrintable(button));
  }

  void helpTellsTheEssentials_data() {
    QTest::addColumn<QString>("topic");
    QTest::newRow("settings file") << "Tessaro/Tessaro.ini";
    QTest::newRow("recent list") << "[Recent File List]";
    QTest::newRow("colour section") << "[KVR1Configuration]";
    QTest::newRow("file format") << "KVR2.5";
    QTest::newRow("right button") << "Right button";
    QTest::newRow("solve switch") << "--solve";
  }
  void helpTellsTheEssentials() {
    QFETCH(QString, topic);
    QVERIFY(HelpText().contains(topic));
  }

  void helpWindowShowsThePage() {
    const QString page = FindHelpFile(QStringLiteral(TESSARO_BINARY_DIR));
    QVERIFY(!page.isEmpty());
    HelpWindow help(page);
    QVERIFY(help.Browser()->toPlainText().contains(QStringLiteral("Typing a model")));
    QVERIFY(!help.isModal());
  }

  void aboutBoxHoldsNameVersionPictureAndOk() {
    AboutDialog about;
    QCOMPARE(about.windowTitle(), QStringLiteral("About Tessaro"));
    QStringList texts;
    for (QLabel* label : about.findChildren<QLabel*>()) {
      if (!label->text().isEmpty()) texts.append(label->text());
    }
    QVERIFY(texts.contains(QStringLiteral("Tessaro")));
    QVERIFY(texts.contains(QStringLiteral("Version 2.6")));
    QVERIFY(!about.findChild<QLabel*>(QStringLiteral("picture"))->pixmap().isNull());
    QCOMPARE(about.size(), QSize(504, 217));  // 336 x 134 dialog units
    const QList<QPushButton*> buttons = about.findChildren<QPushButton*>();
    QCOMPARE(buttons.size(), 1);
    QCOMPARE(buttons.first()->text(), QStringLiteral("OK"));
    about.show();
    buttons.first()->click();
    QCOMPARE(about.result(), int(QDialog::Accepted));
    QVERIFY(!about.isVisible());
  }
};

QTEST_MAIN(ShellHelpTest)
#include "shell_help_test.moc"
