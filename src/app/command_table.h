#pragma once

#include <vector>

#include "app/command.h"

namespace tessaro::app {

// Who answers a command: the shell itself (documents, windows, help) or
// the active form view through FormView::RunCommand.
enum class CommandRoute { Shell, View };

// One command of the program: its id (app/command.h), the prompt
// shown in the status line while its menu item or button is hovered, and
// the tool tip of its toolbar button.
struct CommandSpec {
  Command id;
  CommandRoute route;
  const char* prompt;
  const char* toolTip;
};

// A menu item: a command id with its caption; Command::NONE is a separator. The text
// after a tab is the key shown beside the item.
struct MenuItemSpec {
  Command id;
  const char* caption;
};

struct MenuSpec {
  const char* title;
  std::vector<MenuItemSpec> items;
};

// One row of the accelerator table: keys in QKeySequence's portable text.
struct AcceleratorSpec {
  const char* keys;
  Command id;
};

// Every command the menus, the toolbar and the accelerators refer to.
const std::vector<CommandSpec>& CommandTable();
// The command of an id; null when the id is unknown.
const CommandSpec* FindCommand(Command id);

// The menu bar while no document is open.
const std::vector<MenuSpec>& NoDocumentMenus();
// The menu bar while a document is open.
const std::vector<MenuSpec>& DocumentMenus();

// The 25 toolbar entries in order; Command::NONE marks a separator.
const std::vector<Command>& ToolbarLayout();

// The 16 rows of the accelerator table in order (a repeated row included).
const std::vector<AcceleratorSpec>& AcceleratorTable();

// The keys of the commands that the accelerator table leaves without one
// (the Solve menu and the display toggles), shown beside their menu items.
const std::vector<AcceleratorSpec>& MenuKeys();

// The help key: not in the accelerator table, it opens the help page.
inline constexpr const char* HELP_KEY = "F1";

// Recent files take the commands from cmd::FILE_MRU_FIRST on; this many are kept.
inline constexpr int RECENT_FILE_COUNT = 4;

}  // namespace tessaro::app
