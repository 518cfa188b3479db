#pragma once

#include <QMdiSubWindow>
#include <QString>
#include <functional>
#include <memory>

namespace tessaro {
class Document;
class SettingsStore;
}  // namespace tessaro

namespace tessaro::app {

class FormView;
class SensitivityPanel;

// One model window: a sub-window of the main window's MDI area holding one
// form view over the one document it owns, and the Sensitivity pane beside it. It opens maximized,
// so a model fills the main window; Cascade and Tile then arrange the windows.
class ChildWindow : public QMdiSubWindow {
  Q_OBJECT

 public:
  // Asked before the window closes by the user; false keeps it open.
  using CloseGuard = std::function<bool(ChildWindow*)>;

  ChildWindow(std::unique_ptr<tessaro::Document> document, tessaro::SettingsStore* settings,
              QWidget* parent = nullptr);
  ~ChildWindow() override;

  FormView* View() const { return view_; }
  // The Sensitivity pane beside the form; shown as the settings say.
  SensitivityPanel* Panel() const { return panel_; }
  // Shows or hides the pane and draws the ranges on the plot or not.
  void ShowSensitivity(bool panel, bool ranges);
  tessaro::Document* Document() const { return document_.get(); }

  // "kvr1", "kvr2", ... for a new document; the file's name once it has one.
  const QString& Title() const { return title_; }
  void SetTitle(const QString& title);
  // The absolute path of the document's file; empty for a new document.
  const QString& Path() const { return path_; }
  // Sets the path and takes the file's name as the title.
  void SetPath(const QString& path);
  // The name the save question uses: the path, or the title when there is none.
  QString SaveName() const;

  bool IsModified() const;
  // True once the window accepted its close (it is deleted soon after).
  bool IsClosed() const { return closed_; }
  // Shows the document's modified flag as "*" in the window titles.
  void RefreshModifiedMark();

  void SetCloseGuard(CloseGuard guard) { guard_ = std::move(guard); }
  // Closes the window at once, without asking about changes.
  void CloseWithoutAsking();

 Q_SIGNALS:
  void modifiedMarkChanged();

 protected:
  void closeEvent(QCloseEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  std::unique_ptr<tessaro::Document> document_;
  FormView* view_ = nullptr;
  SensitivityPanel* panel_ = nullptr;
  QString title_;
  QString path_;
  CloseGuard guard_;
  bool forceClose_ = false;
  bool closed_ = false;
  bool maximizedOnShow_ = false;
};

}  // namespace tessaro::app
