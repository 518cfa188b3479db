#include "app/actions.h"

#include <QAction>
#include <QKeySequence>
#include <QMainWindow>
#include <QMenu>
#include <QToolBar>

#include "app/command_table.h"
#include "app/file_names.h"
#include "app/toolbar_icons.h"
#include "model/constants.h"

namespace tessaro::app {

namespace {

bool IsCheckable(int id) {
  return id == cmd::VIEW_TOOLBAR || id == cmd::VIEW_STATUS_BAR || id == cmd::PREVIEW_PAYOFF ||
         id == cmd::VIEW_SENSITIVITY || id == cmd::VIEW_SHOW_RANGES;
}

QString EscapeAmpersands(QString text) {
  return text.replace(u'&', QStringLiteral("&&"));
}

}  // namespace

ShellActions::ShellActions(QMainWindow* window) : QObject(window), window_(window) {
  noDocumentMenus_ = BuildMenuBar(false);
  documentMenus_ = BuildMenuBar(true);
  BuildToolBar();
  BuildKeys();
}

int ShellActions::CommandId(const QAction* action) {
  return action ? action->data().toInt() : 0;
}

QAction* ShellActions::MakeAction(const QString& text, int id, QObject* parent) {
  auto* action = new QAction(text, parent);
  action->setData(id);
  if (const CommandSpec* spec = FindCommand(id)) {
    action->setStatusTip(QString::fromUtf8(spec->prompt));
  }
  action->setCheckable(IsCheckable(id));
  connect(action, &QAction::triggered, this, [this, id] { Q_EMIT commandTriggered(id); });
  actions_.append(action);
  return action;
}

QList<QMenu*> ShellActions::BuildMenuBar(bool documentOpen) {
  QList<QMenu*> menus;
  const std::vector<MenuSpec>& specs = documentOpen ? app::DocumentMenus() : app::NoDocumentMenus();
  for (const MenuSpec& spec : specs) {
    auto* menu = new QMenu(QString::fromUtf8(spec.title), window_);
    for (const MenuItemSpec& item : spec.items) {
      if (item.id == 0) {
        menu->addSeparator();
        continue;
      }
      QAction* action = MakeAction(QString::fromUtf8(item.caption), item.id, menu);
      menu->addAction(action);
      if (item.id == cmd::FILE_MRU_FIRST) {
        // The place of the recent files: shown, disabled, while the list is empty.
        actions_.removeLast();
        action->setEnabled(false);
        recentPlaceholders_.append(action);
      }
    }
    if (documentOpen && QString::fromUtf8(spec.title) == QStringLiteral("&Window")) {
      windowMenu_ = menu;
    }
    menus.append(menu);
  }
  return menus;
}

void ShellActions::BuildToolBar() {
  toolBar_ = new QToolBar(QStringLiteral("Toolbar"), window_);
  toolBar_->setObjectName(QStringLiteral("toolbar"));
  toolBar_->setIconSize(QSize(20, 20));
  for (int id : ToolbarLayout()) {
    if (id == 0) {
      toolBar_->addSeparator();
      continue;
    }
    const CommandSpec* spec = FindCommand(id);
    QAction* action = MakeAction(QString::fromUtf8(spec->toolTip), id, toolBar_);
    action->setIcon(ToolbarIcon(id));
    action->setToolTip(QString::fromUtf8(spec->toolTip));
    toolBar_->addAction(action);
  }
}

void ShellActions::BuildKeys() {
  // One action per command with every key of its rows; a repeated row adds
  // no second key, since two actions on one key would cancel each other.
  std::vector<AcceleratorSpec> rows = AcceleratorTable();
  rows.insert(rows.end(), MenuKeys().begin(), MenuKeys().end());
  QList<int> order;
  for (const AcceleratorSpec& row : rows) {
    if (!order.contains(row.id)) order.append(row.id);
  }
  for (int id : order) {
    QList<QKeySequence> keys;
    for (const AcceleratorSpec& row : rows) {
      const QKeySequence key(QString::fromLatin1(row.keys), QKeySequence::PortableText);
      if (row.id == id && !keys.contains(key)) keys.append(key);
    }
    QAction* action = MakeAction(QString::fromUtf8(FindCommand(id)->toolTip), id, window_);
    action->setCheckable(false);
    action->setShortcuts(keys);
    action->setShortcutContext(Qt::WindowShortcut);
    window_->addAction(action);
    keyActions_.append(action);
  }
  QAction* help = MakeAction(QStringLiteral("Help"), cmd::HELP, window_);
  help->setShortcut(QKeySequence(QString::fromLatin1(HELP_KEY)));
  help->setShortcutContext(Qt::WindowShortcut);
  window_->addAction(help);
}

QList<QAction*> ShellActions::CommandActions() const {
  return actions_ + recentEntries_;
}

void ShellActions::SetRecentFiles(const QStringList& paths) {
  for (QAction* entry : recentEntries_) delete entry;
  recentEntries_.clear();
  for (QAction* placeholder : recentPlaceholders_) {
    auto* menu = qobject_cast<QMenu*>(placeholder->parent());
    placeholder->setVisible(paths.isEmpty());
    for (int i = 0; i < paths.size(); ++i) {
      const QString text =
          QStringLiteral("&%1 %2").arg(i + 1).arg(EscapeAmpersands(DisplayFileName(paths[i])));
      auto* entry = new QAction(text, menu);
      entry->setData(cmd::FILE_MRU_FIRST + i);
      entry->setStatusTip(QString::fromUtf8(FindCommand(cmd::FILE_MRU_FIRST)->prompt));
      const QString path = paths[i];
      connect(entry, &QAction::triggered, this, [this, path] { Q_EMIT recentFileTriggered(path); });
      menu->insertAction(placeholder, entry);
      recentEntries_.append(entry);
    }
  }
}

}  // namespace tessaro::app
