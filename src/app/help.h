#pragma once

#include <QDialog>
#include <QString>

class QTextBrowser;
class QWidget;

namespace tessaro::app {

// The help page beside the program: "<dir>/../share/tessaro/help/index.html"
// for an installed program, "<dir>/share/tessaro/help/index.html" in the
// build tree. Empty when neither exists.
QString FindHelpFile(const QString& programDir);

// Says in a message box that the help page is missing.
void ShowHelpMissing(QWidget* parent);

// The program's help page in a window of its own, with its links followed.
class HelpWindow : public QDialog {
  Q_OBJECT

 public:
  HelpWindow(const QString& pagePath, QWidget* parent = nullptr);

  QTextBrowser* Browser() const { return browser_; }

 private:
  QTextBrowser* browser_;
};

}  // namespace tessaro::app
