#pragma once

#include <QMainWindow>
#include <QMetaObject>
#include <QPointer>
#include <QString>
#include <functional>
#include <map>

#include "app/command.h"
#include "app/qt_settings_store.h"
#include "app/recent_files.h"
#include "app/sensitivity_panel.h"

class QLabel;
class QMdiArea;
class QMdiSubWindow;

namespace tessaro::app {

class ChildWindow;
class DocumentManager;
class FormView;
class HelpWindow;
class ShellActions;
class ViewStatusStrip;

// The main window: menu bar, toolbar, status bar and the MDI area with one
// maximized child window per open model. The menu bar without documents
// has File, View and Help; with a document open it has File, Edit, View,
// Option, Window and Help. Every command of the menus, the toolbar and the
// keys comes to RunCommand; UpdateActions enables and checks them all.
class MainWindow : public QMainWindow {
  Q_OBJECT

 public:
  // settingsPath: the settings file; empty for the user's one.
  explicit MainWindow(const QString& settingsPath = QString(), QWidget* parent = nullptr);
  ~MainWindow() override;

  // Opens the file named on the command line, or a new document when there
  // is none. False when the file cannot be opened (after its message).
  bool StartUp(const QString& file);

  void RunCommand(Command command);
  bool IsCommandEnabled(Command command) const;
  bool IsCommandChecked(Command command) const;
  // Whether the menu bar is the one with a document open.
  bool ShowsDocumentMenus() const { return documentMenus_; }

  DocumentManager& Documents() const { return *documents_; }
  ShellActions& Actions() const { return *actions_; }
  QMdiArea* MdiArea() const { return area_; }
  ViewStatusStrip* ViewStatus() const { return strip_; }
  QtSettingsStore& Settings() { return settings_; }
  RecentFiles& Recent() { return recent_; }
  FormView* ActiveView() const;
  // The indicator panes after the message pane: "CAP", "NUM", "SCRL".
  QList<QLabel*> Indicators() const { return indicators_; }

 public Q_SLOTS:
  void UpdateActions();
  void NameHistoryAction(QAction* action, Command command) const;

 Q_SIGNALS:
  // A command was carried out (it was enabled when it came).
  void commandRun(tessaro::app::Command command);

 protected:
  void closeEvent(QCloseEvent* event) override;
  bool event(QEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  void InstallHandlers();
  void BuildStatusBar();
  void ShowMenus(bool documentOpen);
  void OnActiveWindowChanged();
  void UpdateTitle();
  void OpenRecent(const QString& path);
  void ArrangeIcons();
  void FillWindowMenu();
  void ShowHelp();
  void ShowAbout();
  void PrintSetup();
  // View > Sensitivity and View > Show Ranges: flips the setting and shows
  // it in every window.
  void ToggleSensitivity(SensitivitySetting which);

  QtSettingsStore settings_;
  RecentFiles recent_;
  QMdiArea* area_ = nullptr;
  ViewStatusStrip* strip_ = nullptr;
  ShellActions* actions_ = nullptr;
  DocumentManager* documents_ = nullptr;
  QList<QLabel*> indicators_;
  std::map<Command, std::function<void()>> handlers_;
  QPointer<FormView> connectedView_;
  QMetaObject::Connection paneConnection_;
  QPointer<HelpWindow> help_;
  QList<QAction*> windowEntries_;
  bool documentMenus_ = false;
  // The title UpdateTitle chose, and whether it is being put back.
  QString title_;
  bool restoringTitle_ = false;
};

}  // namespace tessaro::app
