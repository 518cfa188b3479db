#include "app/main_window.h"

#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QLabel>
#include <QMdiArea>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QToolBar>
#include <QVBoxLayout>

#include "app/about_dialog.h"
#include "app/actions.h"
#include "app/child_window.h"
#include "app/command_table.h"
#include "app/dialog_seam.h"
#include "app/document_manager.h"
#include "app/file_names.h"
#include "app/form_view.h"
#include "app/help.h"
#include "app/picture_output.h"
#include "app/sensitivity_panel.h"
#include "app/toolbar_icons.h"
#include "app/view_status_strip.h"
#include "doc/document.h"

// Resources of a static library are registered by name, outside any namespace.
static void RegisterShellResources() {
  Q_INIT_RESOURCE(tessaro);
}

namespace tessaro::app {

namespace {

const QString kTitle = QStringLiteral("Tessaro");
const QString kIdleText = QStringLiteral("Ready");

}  // namespace

MainWindow::MainWindow(const QString& settingsPath, QWidget* parent)
    : QMainWindow(parent),
      settings_(settingsPath.isEmpty() ? QtSettingsStore::DefaultFilePath() : settingsPath),
      recent_(settings_) {
  RegisterShellResources();
  setWindowTitle(kTitle);
  setWindowIcon(ProgramIcon());

  auto* central = new QWidget(this);
  auto* layout = new QVBoxLayout(central);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  area_ = new QMdiArea(central);
  area_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  area_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  strip_ = new ViewStatusStrip(central);
  strip_->hide();
  layout->addWidget(area_, 1);
  layout->addWidget(strip_);
  setCentralWidget(central);

  actions_ = new ShellActions(this);
  addToolBar(Qt::TopToolBarArea, actions_->ToolBar());
  BuildStatusBar();

  documents_ = new DocumentManager(area_, &settings_, &recent_, this);
  InstallHandlers();

  connect(actions_, &ShellActions::commandTriggered, this, &MainWindow::RunCommand);
  connect(actions_, &ShellActions::recentFileTriggered, this, &MainWindow::OpenRecent);
  connect(actions_->WindowMenu(), &QMenu::aboutToShow, this, &MainWindow::FillWindowMenu);
  for (QMenu* menu : actions_->NoDocumentMenus() + actions_->DocumentMenus()) {
    connect(menu, &QMenu::aboutToShow, this, &MainWindow::UpdateActions);
  }
  connect(area_, &QMdiArea::subWindowActivated, this, &MainWindow::OnActiveWindowChanged);
  connect(documents_, &DocumentManager::documentsChanged, this, &MainWindow::UpdateActions);
  connect(documents_, &DocumentManager::recentFilesChanged, this,
          [this] { actions_->SetRecentFiles(recent_.Paths()); });

  actions_->SetRecentFiles(recent_.Paths());
  ShowMenus(false);
  UpdateActions();
}

MainWindow::~MainWindow() {
  // The children refer to the settings and the recent list: close them first.
  for (ChildWindow* child : documents_->Documents()) delete child;
}

void MainWindow::BuildStatusBar() {
  QStatusBar* bar = statusBar();
  for (const char* name : {"CAP", "NUM", "SCRL"}) {
    auto* indicator = new QLabel(QString::fromLatin1(name), bar);
    indicator->setFrameShape(QFrame::Panel);
    indicator->setFrameShadow(QFrame::Sunken);
    indicator->setAlignment(Qt::AlignCenter);
    indicator->setMinimumWidth(indicator->fontMetrics().horizontalAdvance(indicator->text()) + 12);
    // Qt does not tell the state of the lock keys, so the indicators stay
    // in the greyed look of an unlocked key.
    indicator->setEnabled(false);
    bar->addPermanentWidget(indicator);
    indicators_.append(indicator);
  }
  bar->showMessage(kIdleText);
}

void MainWindow::InstallHandlers() {
  // The shell's half of the command table; the view's commands go to the
  // active form view. Next and previous pane have no handler: the views are
  // never split into panes, so the commands stay disabled.
  handlers_ = {
      {cmd::FILE_NEW, [this] { documents_->NewDocument(); }},
      {cmd::FILE_OPEN, [this] { documents_->FileOpen(); }},
      {cmd::FILE_CLOSE, [this] { documents_->Close(documents_->Active()); }},
      {cmd::FILE_SAVE, [this] { documents_->Save(documents_->Active()); }},
      {cmd::FILE_SAVE_AS, [this] { documents_->SaveAs(documents_->Active()); }},
      {cmd::FILE_EXPORT_MODEL, [this] { documents_->ExportModel(documents_->Active()); }},
      {cmd::FILE_PRINT_SETUP, [this] { PrintSetup(); }},
      {cmd::APP_EXIT, [this] { close(); }},
      {cmd::VIEW_TOOLBAR,
       [this] { actions_->ToolBar()->setVisible(actions_->ToolBar()->isHidden()); }},
      {cmd::VIEW_STATUS_BAR, [this] { statusBar()->setVisible(statusBar()->isHidden()); }},
      {cmd::VIEW_SENSITIVITY, [this] { ToggleSensitivity(SensitivitySetting::Panel); }},
      {cmd::VIEW_SHOW_RANGES, [this] { ToggleSensitivity(SensitivitySetting::Ranges); }},
      {cmd::WINDOW_CASCADE, [this] { area_->cascadeSubWindows(); }},
      {cmd::WINDOW_TILE, [this] { area_->tileSubWindows(); }},
      {cmd::WINDOW_ARRANGE, [this] { ArrangeIcons(); }},
      {cmd::HELP_TOPICS, [this] { ShowHelp(); }},
      {cmd::HELP, [this] { ShowHelp(); }},
      {cmd::APP_ABOUT, [this] { ShowAbout(); }},
  };
}

FormView* MainWindow::ActiveView() const {
  ChildWindow* child = documents_->Active();
  return child ? child->View() : nullptr;
}

bool MainWindow::StartUp(const QString& file) {
  if (file.isEmpty()) return documents_->NewDocument() != nullptr;
  return documents_->OpenDocument(file) != nullptr;
}

void MainWindow::RunCommand(Command commandId) {
  const CommandSpec* spec = FindCommand(commandId);
  if (!spec || !IsCommandEnabled(commandId)) return;
  if (spec->route == CommandRoute::View) {
    ActiveView()->RunCommand(commandId);
  } else if (auto it = handlers_.find(commandId); it != handlers_.end()) {
    it->second();
  }
  Q_EMIT commandRun(commandId);
  UpdateActions();
}

bool MainWindow::IsCommandEnabled(Command commandId) const {
  const CommandSpec* spec = FindCommand(commandId);
  if (!spec) {
    const int recent = static_cast<int>(commandId) - static_cast<int>(cmd::FILE_MRU_FIRST);
    return recent > 0 && recent < 16;
  }
  if (spec->route == CommandRoute::View) return ActiveView() != nullptr;
  switch (commandId) {
    case cmd::FILE_CLOSE:
    case cmd::FILE_SAVE:
    case cmd::FILE_SAVE_AS:
    case cmd::FILE_EXPORT_MODEL:
    case cmd::WINDOW_CASCADE:
    case cmd::WINDOW_TILE:
    case cmd::WINDOW_ARRANGE:
      return documents_->Active() != nullptr;
    default:
      return handlers_.count(commandId) > 0 || commandId == cmd::FILE_MRU_FIRST;
  }
}

bool MainWindow::IsCommandChecked(Command commandId) const {
  switch (commandId) {
    case cmd::VIEW_TOOLBAR:
      return !actions_->ToolBar()->isHidden();
    case cmd::VIEW_STATUS_BAR:
      return !statusBar()->isHidden();
    case cmd::PREVIEW_PAYOFF:
      return ActiveView() && ActiveView()->IsCommandChecked(commandId);
    case cmd::VIEW_SENSITIVITY:
      return ReadSensitivitySetting(&settings_, SensitivitySetting::Panel);
    case cmd::VIEW_SHOW_RANGES:
      return ReadSensitivitySetting(&settings_, SensitivitySetting::Ranges);
    default:
      return false;
  }
}

void MainWindow::UpdateActions() {
  // The menu bar first: switching it gives the actions its captions, which
  // Undo and Redo then extend with the names of their steps.
  ShowMenus(documents_->Active() != nullptr);
  for (QAction* action : actions_->CommandActions()) {
    const Command id = ShellActions::CommandId(action);
    action->setEnabled(IsCommandEnabled(id));
    if (action->isCheckable()) action->setChecked(IsCommandChecked(id));
    if (id == cmd::EDIT_UNDO || id == cmd::EDIT_REDO) NameHistoryAction(action, id);
  }
  UpdateTitle();
}

// The Undo and Redo menu items name the change they take back or do again:
// "Undo Wood +1", "Redo Auto Max".
void MainWindow::NameHistoryAction(QAction* action, Command commandId) const {
  const QString text = action->text();
  const bool undo = commandId == cmd::EDIT_UNDO;
  const QString verb = undo ? QStringLiteral("&Undo") : QStringLiteral("&Redo");
  if (!text.startsWith(verb)) return;
  const tessaro::Document* doc = ActiveView() ? ActiveView()->Document() : nullptr;
  QString name;
  if (doc != nullptr) name = QString::fromStdString(undo ? doc->undoName() : doc->redoName());
  const qsizetype tab = text.indexOf(QLatin1Char('\t'));
  const QString keys = tab >= 0 ? text.mid(tab) : QString();
  action->setText(name.isEmpty() ? verb + keys : verb + QLatin1Char(' ') + name + keys);
}

void MainWindow::ShowMenus(bool documentOpen) {
  if (documentOpen == documentMenus_ && !menuBar()->actions().isEmpty()) return;
  documentMenus_ = documentOpen;
  menuBar()->clear();
  actions_->UseCaptionsOf(documentOpen);
  for (QMenu* menu : documentOpen ? actions_->DocumentMenus() : actions_->NoDocumentMenus()) {
    menuBar()->addMenu(menu);
    // A menu shows the state of the model as it is when it opens (the
    // names of Undo and Redo follow every change).
    connect(menu, &QMenu::aboutToShow, this, &MainWindow::UpdateActions, Qt::UniqueConnection);
  }
}

void MainWindow::OnActiveWindowChanged() {
  FormView* view = ActiveView();
  if (view != connectedView_) {
    disconnect(paneConnection_);
    connectedView_ = view;
    if (view) {
      paneConnection_ =
          connect(view, &FormView::paneTextChanged, strip_, &ViewStatusStrip::SetPaneText);
    }
  }
  strip_->Clear();
  if (view) {
    for (int pane = 0; pane < ViewStatusStrip::kPaneCount; ++pane) {
      strip_->SetPaneText(pane, view->PaneText(pane));
    }
  }
  strip_->setVisible(view != nullptr);
  UpdateActions();
}

void MainWindow::UpdateTitle() {
  ChildWindow* child = documents_->Active();
  title_ =
      child ? QStringLiteral("%1 - %2[*]").arg(kTitle, DisplayFileName(child->Title())) : kTitle;
  setWindowTitle(title_);
  setWindowModified(child && child->IsModified());
}

void MainWindow::OpenRecent(const QString& path) {
  // A file that cannot be opened any more leaves the list.
  if (!documents_->OpenDocument(path)) {
    recent_.Remove(path);
    actions_->SetRecentFiles(recent_.Paths());
  }
  UpdateActions();
}

void MainWindow::ArrangeIcons() {
  // Minimized windows in a row along the bottom of the area, left to right.
  int x = 0;
  for (QMdiSubWindow* window : area_->subWindowList(QMdiArea::CreationOrder)) {
    if (!window->isMinimized()) continue;
    window->move(x, area_->viewport()->height() - window->height());
    x += window->width();
  }
}

void MainWindow::FillWindowMenu() {
  QMenu* menu = actions_->WindowMenu();
  for (QAction* entry : windowEntries_) delete entry;
  windowEntries_.clear();
  const QList<ChildWindow*> open = documents_->Documents();
  if (open.isEmpty()) return;
  windowEntries_.append(menu->addSeparator());
  for (int i = 0; i < open.size(); ++i) {
    ChildWindow* child = open[i];
    QString title = DisplayFileName(child->Title());
    QAction* entry = menu->addAction(
        QStringLiteral("&%1 %2").arg(i + 1).arg(title.replace(u'&', QStringLiteral("&&"))));
    entry->setCheckable(true);
    entry->setChecked(child == documents_->Active());
    entry->setStatusTip(QStringLiteral("Activate this window"));
    connect(entry, &QAction::triggered, this, [this, child] { area_->setActiveSubWindow(child); });
    windowEntries_.append(entry);
  }
}

void MainWindow::ShowHelp() {
  if (!help_) {
    const QString page = FindHelpFile(QCoreApplication::applicationDirPath());
    if (page.isEmpty()) {
      ShowHelpMissing(this);
      return;
    }
    help_ = new HelpWindow(page, this);
  }
  help_->show();
  help_->raise();
  help_->activateWindow();
}

void MainWindow::ShowAbout() {
  AboutDialog about(this);
  about.exec();
}

void MainWindow::ToggleSensitivity(SensitivitySetting which) {
  WriteSensitivitySetting(&settings_, which, !ReadSensitivitySetting(&settings_, which));
  const bool panel = ReadSensitivitySetting(&settings_, SensitivitySetting::Panel);
  const bool ranges = ReadSensitivitySetting(&settings_, SensitivitySetting::Ranges);
  for (ChildWindow* child : documents_->Documents()) child->ShowSensitivity(panel, ranges);
}

void MainWindow::PrintSetup() {
  // Print uses what is set up here: both work on the one shared printer.
  ShowPageSetupDialog(this, SharedPrinter());
}

void MainWindow::closeEvent(QCloseEvent* event) {
  if (!documents_->CloseAll()) {
    event->ignore();
    return;
  }
  if (help_) help_->close();
  event->accept();
}

void MainWindow::changeEvent(QEvent* event) {
  // A maximized sub-window appends " - [its title]" to the main window's
  // title whenever either changes; this title names the model already, so
  // it is put back. The sub-window ignores a change made while it is the
  // one changing the title, and the flag stops the echo here.
  if (event->type() == QEvent::WindowTitleChange && !restoringTitle_ && !title_.isEmpty() &&
      windowTitle() != title_) {
    restoringTitle_ = true;
    setWindowTitle(title_);
    restoringTitle_ = false;
  }
  QMainWindow::changeEvent(event);
}

bool MainWindow::event(QEvent* event) {
  // The status line shows the prompt of the hovered item, and "Ready" when
  // nothing is hovered.
  if (event->type() == QEvent::StatusTip) {
    const QString tip = static_cast<QStatusTipEvent*>(event)->tip();
    statusBar()->showMessage(tip.isEmpty() ? kIdleText : tip);
    return true;
  }
  return QMainWindow::event(event);
}

}  // namespace tessaro::app
