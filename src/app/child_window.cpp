#include "app/child_window.h"

#include <QCloseEvent>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QMenu>
#include <QScrollArea>
#include <QShowEvent>

#include "app/file_names.h"
#include "app/form_view.h"
#include "app/sensitivity_panel.h"
#include "app/toolbar_icons.h"
#include "doc/document.h"

namespace tessaro::app {

ChildWindow::ChildWindow(std::unique_ptr<tessaro::Document> document,
                         tessaro::SettingsStore* settings, QWidget* parent)
    : QMdiSubWindow(parent), document_(std::move(document)) {
  setAttribute(Qt::WA_DeleteOnClose);
  setWindowIcon(ProgramIcon());
  auto* content = new QWidget(this);
  auto* layout = new QHBoxLayout(content);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  view_ = new FormView(document_.get(), settings, content);
  // Below the form's own size the view scrolls instead of cutting fields
  // off; above it the form, and its plot, grow with the window.
  auto* scroller = new QScrollArea(content);
  scroller->setFrameShape(QFrame::NoFrame);
  scroller->setWidgetResizable(true);
  scroller->setWidget(view_);
  panel_ = new SensitivityPanel(content);
  layout->addWidget(scroller, 1);
  layout->addWidget(panel_);
  setWidget(content);
  connect(view_, &FormView::sensitivityChanged, panel_,
          [this] { panel_->Show(view_->Sensitivity()); });
  connect(panel_, &SensitivityPanel::rowSelected, view_, &FormView::SelectRangeRow);
  ShowSensitivity(ReadSensitivitySetting(settings, SensitivitySetting::Panel),
                  ReadSensitivitySetting(settings, SensitivitySetting::Ranges));
  // The sub-window's own menu (Restore, Move, Size, ..., Close) brings keys
  // of its own, Ctrl+W among them, which the program's Close holds already:
  // a key held twice fires neither. Its items keep their captions and lose
  // their keys; the program's commands answer those keys.
  if (QMenu* menu = systemMenu()) {
    for (QAction* action : menu->actions()) action->setShortcuts({});
  }
  connect(view_, &FormView::modifiedChanged, this, [this](bool) { RefreshModifiedMark(); });
  connect(view_, &FormView::closeRequested, this, &ChildWindow::CloseWithoutAsking,
          Qt::QueuedConnection);
}

ChildWindow::~ChildWindow() {
  // The view refers to the document: it goes first.
  delete view_;
  view_ = nullptr;
}

void ChildWindow::ShowSensitivity(bool panel, bool ranges) {
  panel_->setVisible(panel);
  view_->SetShowRanges(ranges);
}

void ChildWindow::SetTitle(const QString& title) {
  title_ = title;
  setWindowTitle(DisplayFileName(title_) + QStringLiteral("[*]"));
}

void ChildWindow::SetPath(const QString& path) {
  path_ = QFileInfo(path).absoluteFilePath();
  SetTitle(QFileInfo(path_).fileName());
}

QString ChildWindow::SaveName() const {
  return DisplayFileName(path_.isEmpty() ? title_ : path_);
}

bool ChildWindow::IsModified() const {
  return document_->isModified();
}

void ChildWindow::RefreshModifiedMark() {
  const bool modified = IsModified();
  if (modified == isWindowModified()) return;
  setWindowModified(modified);
  Q_EMIT modifiedMarkChanged();
}

void ChildWindow::CloseWithoutAsking() {
  forceClose_ = true;
  close();
}

void ChildWindow::closeEvent(QCloseEvent* event) {
  if (!forceClose_ && guard_ && !guard_(this)) {
    event->ignore();
    return;
  }
  QMdiSubWindow::closeEvent(event);
  closed_ = event->isAccepted();
}

void ChildWindow::showEvent(QShowEvent* event) {
  QMdiSubWindow::showEvent(event);
  // A model window opens maximized. Qt also sends show events while it
  // changes a sub-window's state (Cascade and Tile restore the windows that
  // way); those leave the arrangement alone.
  if (maximizedOnShow_) return;
  maximizedOnShow_ = true;
  if (!isMaximized()) showMaximized();
}

}  // namespace tessaro::app
