#pragma once

#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>

class QAction;
class QMainWindow;
class QMenu;
class QToolBar;

namespace tessaro::app {

// Every QAction of the main window, made in one place from the command
// table: the menus of both menu bars, the toolbar buttons, the accelerator
// keys and the help key. Each action carries its command id; all of them
// report through commandTriggered, so one dispatcher and one enabling rule
// serve the menus, the toolbar and the keys alike.
class ShellActions : public QObject {
  Q_OBJECT

 public:
  explicit ShellActions(QMainWindow* window);

  // The command id of an action made here; 0 for a separator or another action.
  static int CommandId(const QAction* action);

  const QList<QMenu*>& NoDocumentMenus() const { return noDocumentMenus_; }
  const QList<QMenu*>& DocumentMenus() const { return documentMenus_; }
  QToolBar* ToolBar() const { return toolBar_; }
  // The "&Window" menu of the document menu bar.
  QMenu* WindowMenu() const { return windowMenu_; }
  // The actions of the accelerator table, one per command with all its keys.
  const QList<QAction*>& KeyActions() const { return keyActions_; }
  // Every action that carries a command id, recent-file entries included.
  QList<QAction*> CommandActions() const;

  // Shows these paths as the numbered recent-file entries of both File
  // menus in place of "Recent File" (which stays, disabled, when empty).
  void SetRecentFiles(const QStringList& paths);

 Q_SIGNALS:
  void commandTriggered(int commandId);
  void recentFileTriggered(const QString& path);

 private:
  QAction* MakeAction(const QString& text, int id, QObject* parent);
  QList<QMenu*> BuildMenuBar(bool documentOpen);
  void BuildToolBar();
  void BuildKeys();

  QMainWindow* window_;
  QList<QMenu*> noDocumentMenus_;
  QList<QMenu*> documentMenus_;
  QToolBar* toolBar_ = nullptr;
  QMenu* windowMenu_ = nullptr;
  QList<QAction*> actions_;
  QList<QAction*> keyActions_;
  QList<QAction*> recentPlaceholders_;
  QList<QAction*> recentEntries_;
};

}  // namespace tessaro::app
