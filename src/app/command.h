#pragma once

namespace tessaro::app {

// The commands of the menus, the toolbar and the keys. The numbers are the
// ones the program has always used; the recent files take FILE_MRU_FIRST
// and the ids after it.
enum class Command : int {
  NONE = 0,  // a separator in a menu or on the toolbar
  FILE_NEW = 57600,
  FILE_OPEN = 57601,
  FILE_CLOSE = 57602,
  FILE_SAVE = 57603,
  FILE_SAVE_AS = 57604,
  FILE_PRINT_SETUP = 57606,
  FILE_PRINT = 57607,
  FILE_PRINT_DIRECT = 57608,
  FILE_MRU_FIRST = 57616,
  APP_EXIT = 57665,
  EDIT_UNDO = 57643,
  EDIT_REDO = 57644,
  EDIT_CUT = 57635,
  EDIT_COPY = 57634,
  EDIT_PASTE = 57637,
  VIEW_TOOLBAR = 59392,
  VIEW_STATUS_BAR = 59393,
  WINDOW_CASCADE = 57650,
  WINDOW_TILE = 57652,
  WINDOW_ARRANGE = 57649,
  HELP_TOPICS = 57667,
  HELP = 57670,
  APP_ABOUT = 57664,
  NEXT_PANE = 57680,
  PREV_PANE = 57681,
  AUTO_MAX = 32772,
  AUTO_ZOOM = 32773,
  AUTO_MIN = 32774,
  TOGGLE_TRIM = 32775,
  TOGGLE_LABEL = 32776,
  TOGGLE_COLOR = 32780,
  TOGGLE_INTEGER_DOT = 32782,
  RESET_EQUATIONS = 32783,
  COPY_PICTURE = 32784,
  PREVIEW_PAYOFF = 32789,
  TOGGLE_GREY = 32792,
  CONFIG_COLOR = 32793,
  HOLD = 32796,
  FILE_EXPORT_MODEL = 32800,  // the model as CPLEX LP or free MPS
  VIEW_SENSITIVITY = 32801,   // the Sensitivity pane of the windows
  VIEW_SHOW_RANGES = 32802,   // the payoff fan and range lines on the plot
};

// The commands by their short names: cmd::AUTO_MAX.
namespace cmd {
using enum Command;
}  // namespace cmd

// The command of the n-th recent file entry, counted from 0.
constexpr Command RecentFileCommand(int n) {
  return static_cast<Command>(static_cast<int>(Command::FILE_MRU_FIRST) + n);
}

}  // namespace tessaro::app
