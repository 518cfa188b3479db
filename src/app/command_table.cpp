#include "app/command_table.h"

namespace tessaro::app {

namespace {

constexpr CommandRoute kShell = CommandRoute::Shell;
constexpr CommandRoute kView = CommandRoute::View;

}  // namespace

const std::vector<CommandSpec>& CommandTable() {
  static const std::vector<CommandSpec> table = {
      {cmd::FILE_NEW, kShell, "Create a new document", "New"},
      {cmd::FILE_OPEN, kShell, "Open an existing document", "Open"},
      {cmd::FILE_CLOSE, kShell, "Close the active document", "Close"},
      {cmd::FILE_SAVE, kShell, "Save the active document", "Save"},
      {cmd::FILE_SAVE_AS, kShell, "Save the active document with a new name", "Save As"},
      {cmd::FILE_EXPORT_MODEL, kShell, "Write the model as CPLEX LP or MPS for other solvers",
       "Export Model"},
      {cmd::FILE_PRINT_SETUP, kShell, "Change the printer and printing options", "Page Setup"},
      {cmd::FILE_PRINT, kView, "Print the active document", "Print"},
      {cmd::FILE_MRU_FIRST, kShell, "Open this document", ""},
      {cmd::APP_EXIT, kShell, "Quit the application; prompts to save documents", "Exit"},
      {cmd::EDIT_UNDO, kView, "Undo the last action", "Undo"},
      {cmd::EDIT_REDO, kView, "Redo the previously undone action", "Redo"},
      {cmd::EDIT_CUT, kView, "Cut the selection and put it on the Clipboard", "Cut"},
      {cmd::EDIT_COPY, kView, "Copy the selection and put it on the Clipboard", "Copy"},
      {cmd::EDIT_PASTE, kView, "Insert Clipboard contents", "Paste"},
      {cmd::COPY_PICTURE, kView, "Copy Picture to Clipboard", "Copy Picture"},
      {cmd::PREVIEW_PAYOFF, kView, "Toggle Preview Payoff", ""},
      {cmd::CONFIG_COLOR, kView, "", ""},
      {cmd::AUTO_MAX, kView, "Auto Calculate Maximum", "Auto Max"},
      {cmd::AUTO_MIN, kView, "Auto Calculate Minimum", "Auto Min"},
      {cmd::AUTO_ZOOM, kView, "Auto Zoom", "Auto Zoom"},
      {cmd::TOGGLE_TRIM, kView, "Trim out of range line", "Toggle Trim Line"},
      {cmd::TOGGLE_LABEL, kView, "Display/Don't display Label", "Toggle Label"},
      {cmd::TOGGLE_COLOR, kView, "Toggle Color for valid area", "Toggle Color"},
      {cmd::TOGGLE_GREY, kView, "Toggle Grey for valid area", "Toggle Grey"},
      {cmd::TOGGLE_INTEGER_DOT, kView, "Display Integer Dot", "Toggle Integer Dot"},
      {cmd::HOLD, kView, "Remember current status in memory", "Hold"},
      {cmd::RESET_EQUATIONS, kView, "Reset Equations", "Reset Equations"},
      {cmd::VIEW_TOOLBAR, kShell, "Show or hide the toolbar", "Toggle ToolBar"},
      {cmd::VIEW_STATUS_BAR, kShell, "Show or hide the status bar", "Toggle StatusBar"},
      {cmd::VIEW_SENSITIVITY, kShell, "Show or hide the sensitivity tables of the optimum",
       "Sensitivity"},
      {cmd::VIEW_SHOW_RANGES, kShell,
       "Show the payoff fan and the selected constraint's range on the plot", "Show Ranges"},
      {cmd::WINDOW_CASCADE, kShell, "Arrange windows so they overlap", "Cascade Windows"},
      {cmd::WINDOW_TILE, kShell, "Arrange windows as non-overlapping tiles", "Tile Windows"},
      {cmd::WINDOW_ARRANGE, kShell, "Arrange icons at the bottom of the window", "Arrange Icons"},
      {cmd::HELP_TOPICS, kShell, "List Help topics", "Help Topics"},
      {cmd::HELP, kShell, "Display help for current task or command", "Help"},
      {cmd::APP_ABOUT, kShell, "Display program information, version number and copyright",
       "About"},
      {cmd::NEXT_PANE, kShell, "Switch to the next window pane", "Next Pane"},
      {cmd::PREV_PANE, kShell, "Switch back to the previous window pane", "Previous Pane"},
  };
  return table;
}

const CommandSpec* FindCommand(Command id) {
  for (const CommandSpec& spec : CommandTable()) {
    if (spec.id == id) return &spec;
  }
  return nullptr;
}

const std::vector<MenuSpec>& NoDocumentMenus() {
  static const std::vector<MenuSpec> menus = {
      {"&File",
       {{cmd::FILE_NEW, "&New\tCtrl+N"},
        {cmd::FILE_OPEN, "&Open...\tCtrl+O"},
        {Command::NONE, ""},
        {cmd::FILE_PRINT_SETUP, "P&rint Setup..."},
        {Command::NONE, ""},
        {cmd::FILE_MRU_FIRST, "Recent File"},
        {Command::NONE, ""},
        {cmd::APP_EXIT, "E&xit"}}},
      {"&View", {{cmd::VIEW_TOOLBAR, "&Toolbar"}, {cmd::VIEW_STATUS_BAR, "&Status Bar"}}},
      {"&Help", {{cmd::APP_ABOUT, "&About"}}},
  };
  return menus;
}

const std::vector<MenuSpec>& DocumentMenus() {
  static const std::vector<MenuSpec> menus = {
      {"&File",
       {{cmd::FILE_NEW, "&New\tCtrl+N"},
        {cmd::FILE_OPEN, "&Open...\tCtrl+O"},
        {cmd::FILE_CLOSE, "&Close\tCtrl+W"},
        {cmd::FILE_SAVE, "&Save\tCtrl+S"},
        {cmd::FILE_SAVE_AS, "Save &As..."},
        {cmd::FILE_EXPORT_MODEL, "&Export Model..."},
        {Command::NONE, ""},
        {cmd::FILE_PRINT, "&Print...\tCtrl+P"},
        {cmd::FILE_PRINT_SETUP, "P&rint Setup..."},
        {Command::NONE, ""},
        {cmd::FILE_MRU_FIRST, "Recent File"},
        {Command::NONE, ""},
        {cmd::APP_EXIT, "E&xit\tCtrl+Q"}}},
      {"&Edit",
       {{cmd::EDIT_UNDO, "&Undo\tCtrl+Z"},
        {cmd::EDIT_REDO, "&Redo\tCtrl+Y"},
        {Command::NONE, ""},
        {cmd::EDIT_CUT, "Cu&t\tCtrl+X"},
        {cmd::EDIT_COPY, "&Copy\tCtrl+C"},
        {cmd::COPY_PICTURE, "Copy Picture"},
        {cmd::EDIT_PASTE, "&Paste\tCtrl+V"}}},
      {"&Solve",
       {{cmd::AUTO_MAX, "Auto &Max\tCtrl+M"},
        {cmd::AUTO_MIN, "Auto M&in\tCtrl+Shift+M"},
        {cmd::AUTO_ZOOM, "Auto &Zoom\tCtrl+0"},
        {Command::NONE, ""},
        {cmd::HOLD, "&Hold\tCtrl+H"},
        {cmd::RESET_EQUATIONS, "&Reset Equations\tCtrl+R"}}},
      {"&View",
       {{cmd::VIEW_TOOLBAR, "&Toolbar"},
        {cmd::VIEW_STATUS_BAR, "&Status Bar"},
        {cmd::PREVIEW_PAYOFF, "Preview Payoff\tCtrl+6"},
        {Command::NONE, ""},
        {cmd::TOGGLE_TRIM, "T&rim Lines\tCtrl+1"},
        {cmd::TOGGLE_LABEL, "&Labels\tCtrl+2"},
        {cmd::TOGGLE_COLOR, "&Colour Feasible Area\tCtrl+3"},
        {cmd::TOGGLE_GREY, "&Grey Feasible Area\tCtrl+4"},
        {cmd::TOGGLE_INTEGER_DOT, "&Integer Dots\tCtrl+5"},
        {Command::NONE, ""},
        {cmd::VIEW_SENSITIVITY, "Se&nsitivity"},
        {cmd::VIEW_SHOW_RANGES, "Show R&anges"}}},
      {"Option", {{cmd::CONFIG_COLOR, "Config Color"}}},
      {"&Window",
       {{cmd::WINDOW_CASCADE, "&Cascade"},
        {cmd::WINDOW_TILE, "&Tile"},
        {cmd::WINDOW_ARRANGE, "&Arrange Icons"}}},
      {"&Help", {{cmd::HELP_TOPICS, "&Help Topics"}, {cmd::APP_ABOUT, "&About Tessaro ..."}}},
  };
  return menus;
}

const std::vector<AcceleratorSpec>& MenuKeys() {
  // Letters and digits that a line edit leaves alone (it takes Ctrl+A,
  // Ctrl+Shift+Z, Ctrl+K, Ctrl+Backspace and the like), and none of the
  // accelerator table's or the sub-windows' keys.
  static const std::vector<AcceleratorSpec> keys = {
      {"Ctrl+M", cmd::AUTO_MAX},           {"Ctrl+Shift+M", cmd::AUTO_MIN},
      {"Ctrl+0", cmd::AUTO_ZOOM},          {"Ctrl+H", cmd::HOLD},
      {"Ctrl+R", cmd::RESET_EQUATIONS},    {"Ctrl+6", cmd::PREVIEW_PAYOFF},
      {"Ctrl+1", cmd::TOGGLE_TRIM},        {"Ctrl+2", cmd::TOGGLE_LABEL},
      {"Ctrl+3", cmd::TOGGLE_COLOR},       {"Ctrl+4", cmd::TOGGLE_GREY},
      {"Ctrl+5", cmd::TOGGLE_INTEGER_DOT}, {"Ctrl+Y", cmd::EDIT_REDO},
      {"Ctrl+Shift+Z", cmd::EDIT_REDO},
  };
  return keys;
}

const std::vector<Command>& ToolbarLayout() {
  static const std::vector<Command> layout = {
      cmd::FILE_NEW,     cmd::FILE_OPEN,       cmd::FILE_SAVE,          cmd::FILE_PRINT,
      Command::NONE,     cmd::EDIT_COPY,       cmd::COPY_PICTURE,       cmd::EDIT_CUT,
      cmd::EDIT_PASTE,   Command::NONE,        cmd::AUTO_MAX,           cmd::AUTO_MIN,
      cmd::AUTO_ZOOM,    Command::NONE,        cmd::TOGGLE_TRIM,        cmd::TOGGLE_LABEL,
      cmd::TOGGLE_COLOR, cmd::TOGGLE_GREY,     cmd::TOGGLE_INTEGER_DOT, Command::NONE,
      cmd::HOLD,         cmd::RESET_EQUATIONS, cmd::EDIT_UNDO,          Command::NONE,
      cmd::APP_ABOUT,
  };
  return layout;
}

const std::vector<AcceleratorSpec>& AcceleratorTable() {
  static const std::vector<AcceleratorSpec> table = {
      {"Ctrl+C", cmd::EDIT_COPY},   {"Ctrl+N", cmd::FILE_NEW},    {"Ctrl+O", cmd::FILE_OPEN},
      {"Ctrl+P", cmd::FILE_PRINT},  {"Ctrl+Q", cmd::APP_EXIT},    {"Ctrl+S", cmd::FILE_SAVE},
      {"Ctrl+V", cmd::EDIT_PASTE},  {"Shift+Del", cmd::EDIT_CUT}, {"F6", cmd::NEXT_PANE},
      {"Shift+F6", cmd::PREV_PANE}, {"Ctrl+Ins", cmd::EDIT_COPY}, {"Shift+Ins", cmd::EDIT_PASTE},
      {"Ctrl+W", cmd::FILE_CLOSE},  {"Ctrl+X", cmd::EDIT_CUT},    {"Ctrl+Z", cmd::EDIT_UNDO},
      {"Ctrl+Z", cmd::EDIT_UNDO},
  };
  return table;
}

}  // namespace tessaro::app
