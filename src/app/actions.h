#pragma once

#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>
#include <map>

#include "app/command.h"

class QAction;
class QMainWindow;
class QMenu;
class QToolBar;

namespace tessaro::app {

// The QActions of the main window, made in one place from the command
// table: one action per command, shared by its menu items in both menu
// bars, its toolbar button and all its keys, so a key can never be claimed
// twice. Each action carries its command id and reports through
// commandTriggered, so one dispatcher and one enabling rule serve them all.
class ShellActions : public QObject {
  Q_OBJECT

 public:
  explicit ShellActions(QMainWindow* window);

  // The command of an action made here; Command::NONE for a separator or
  // another action.
  static Command CommandId(const QAction* action);
  // The one action of a command; null for an id without one.
  QAction* Action(Command id) const;

  const QList<QMenu*>& NoDocumentMenus() const { return noDocumentMenus_; }
  const QList<QMenu*>& DocumentMenus() const { return documentMenus_; }
  QToolBar* ToolBar() const { return toolBar_; }
  // The "&Window" menu of the document menu bar.
  QMenu* WindowMenu() const { return windowMenu_; }
  // The actions that have keys, each with every key of its command.
  QList<QAction*> KeyActions() const;
  // Every action that carries a command id, recent-file entries included.
  QList<QAction*> CommandActions() const;

  // Shows these paths as the numbered recent-file entries of both File
  // menus in place of "Recent File" (which stays, disabled, when empty).
  void SetRecentFiles(const QStringList& paths);
  // Gives the shared actions the captions of the menu bar being shown (the
  // two bars name a few commands differently: "E&xit" and "E&xit\tCtrl+Q").
  void UseCaptionsOf(bool documentOpen);

 Q_SIGNALS:
  void commandTriggered(tessaro::app::Command command);
  void recentFileTriggered(const QString& path);

 private:
  // The action of a command, made on first use.
  QAction* ActionFor(Command id);
  QList<QMenu*> BuildMenuBar(bool documentOpen);
  void BuildToolBar();
  void BuildKeys();

  QMainWindow* window_;
  QList<QMenu*> noDocumentMenus_;
  QList<QMenu*> documentMenus_;
  QToolBar* toolBar_ = nullptr;
  QMenu* windowMenu_ = nullptr;
  std::map<Command, QAction*> actions_;
  std::map<Command, QString> captions_[2];  // [documentOpen][id]
  QList<QAction*> recentPlaceholders_;
  QList<QAction*> recentEntries_;
};

}  // namespace tessaro::app
