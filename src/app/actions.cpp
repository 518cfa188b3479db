#include "app/actions.h"

#include <QAction>
#include <QKeySequence>
#include <QMainWindow>
#include <QMenu>
#include <QToolBar>

#include "app/command_table.h"
#include "app/file_names.h"
#include "app/toolbar_icons.h"

namespace tessaro::app {

namespace {

bool IsCheckable(Command id) {
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
  UseCaptionsOf(false);
}

Command ShellActions::CommandId(const QAction* action) {
  return action ? static_cast<Command>(action->data().toInt()) : Command::NONE;
}

QAction* ShellActions::Action(Command id) const {
  const auto it = actions_.find(id);
  return it == actions_.end() ? nullptr : it->second;
}

QAction* ShellActions::ActionFor(Command id) {
  if (QAction* existing = Action(id)) return existing;
  auto* action = new QAction(window_);
  action->setData(static_cast<int>(id));
  if (const CommandSpec* spec = FindCommand(id)) {
    action->setText(QString::fromUtf8(spec->toolTip));
    action->setToolTip(QString::fromUtf8(spec->toolTip));
    action->setStatusTip(QString::fromUtf8(spec->prompt));
  }
  action->setCheckable(IsCheckable(id));
  action->setShortcutContext(Qt::WindowShortcut);
  // The window holds every action, so its keys work whichever menu bar is
  // shown and whether or not the command has a menu item at all.
  window_->addAction(action);
  connect(action, &QAction::triggered, this, [this, id] { Q_EMIT commandTriggered(id); });
  actions_[id] = action;
  return action;
}

QList<QMenu*> ShellActions::BuildMenuBar(bool documentOpen) {
  QList<QMenu*> menus;
  const std::vector<MenuSpec>& specs = documentOpen ? app::DocumentMenus() : app::NoDocumentMenus();
  for (const MenuSpec& spec : specs) {
    auto* menu = new QMenu(QString::fromUtf8(spec.title), window_);
    for (const MenuItemSpec& item : spec.items) {
      if (item.id == Command::NONE) {
        menu->addSeparator();
        continue;
      }
      const QString caption = QString::fromUtf8(item.caption);
      if (item.id == cmd::FILE_MRU_FIRST) {
        // The place of the recent files: shown, disabled, while the list is
        // empty. Each File menu has its own, since entries go before it.
        auto* placeholder = new QAction(caption, menu);
        placeholder->setData(static_cast<int>(item.id));
        placeholder->setStatusTip(QString::fromUtf8(FindCommand(item.id)->prompt));
        placeholder->setEnabled(false);
        menu->addAction(placeholder);
        recentPlaceholders_.append(placeholder);
        continue;
      }
      menu->addAction(ActionFor(item.id));
      captions_[documentOpen ? 1 : 0][item.id] = caption;
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
  for (Command id : ToolbarLayout()) {
    if (id == Command::NONE) {
      toolBar_->addSeparator();
      continue;
    }
    QAction* action = ActionFor(id);
    action->setIcon(ToolbarIcon(id));
    toolBar_->addAction(action);
  }
}

void ShellActions::BuildKeys() {
  // Every key of a command's rows on its one action; a repeated row adds
  // no second key.
  std::vector<AcceleratorSpec> rows = AcceleratorTable();
  rows.insert(rows.end(), MenuKeys().begin(), MenuKeys().end());
  for (const AcceleratorSpec& row : rows) {
    QAction* action = ActionFor(row.id);
    QList<QKeySequence> keys = action->shortcuts();
    const QKeySequence key(QString::fromLatin1(row.keys), QKeySequence::PortableText);
    if (!keys.contains(key)) keys.append(key);
    action->setShortcuts(keys);
  }
  ActionFor(cmd::HELP)->setShortcut(QKeySequence(QString::fromLatin1(HELP_KEY)));
}

void ShellActions::UseCaptionsOf(bool documentOpen) {
  for (const auto& [id, caption] : captions_[documentOpen ? 1 : 0]) {
    actions_[id]->setText(caption);
  }
}

QList<QAction*> ShellActions::KeyActions() const {
  QList<QAction*> withKeys;
  for (const auto& [id, action] : actions_) {
    if (!action->shortcuts().isEmpty()) withKeys.append(action);
  }
  return withKeys;
}

QList<QAction*> ShellActions::CommandActions() const {
  QList<QAction*> all;
  for (const auto& [id, action] : actions_) all.append(action);
  return all + recentEntries_;
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
      entry->setData(static_cast<int>(RecentFileCommand(i)));
      entry->setStatusTip(QString::fromUtf8(FindCommand(cmd::FILE_MRU_FIRST)->prompt));
      const QString path = paths[i];
      connect(entry, &QAction::triggered, this, [this, path] { Q_EMIT recentFileTriggered(path); });
      menu->insertAction(placeholder, entry);
      recentEntries_.append(entry);
    }
  }
}

}  // namespace tessaro::app
