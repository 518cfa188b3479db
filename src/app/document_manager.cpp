#include "app/document_manager.h"

#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMdiArea>
#include <memory>
#include <string>
#include <utility>

#include "app/child_window.h"
#include "app/command.h"
#include "app/file_names.h"
#include "app/form_view.h"
#include "app/message_seam.h"
#include "app/recent_files.h"
#include "doc/document.h"
#include "doc/file_store.h"
#include "doc/lp_format.h"
#include "doc/model_file.h"
#include "doc/model_import.h"
#include "doc/mps_format.h"
#include "editor/form_controller.h"
#include "model/constants.h"

namespace tessaro::app {

namespace {

FileDialogs& Dialogs() {
  static FileDialogs dialogs;
  return dialogs;
}

QString AskOpenPath(QWidget* parent) {
  if (Dialogs().openPath) return Dialogs().openPath(parent);
  return QFileDialog::getOpenFileName(
      parent, QStringLiteral("Open"), QString(),
      QStringLiteral("All Files(*.*);;KVR File(*.kvr);;LP or MPS File(*.lp *.mps)"));
}

QString AskSavePath(QWidget* parent, const QString& suggested) {
  if (Dialogs().savePath) return Dialogs().savePath(parent, suggested);
  return QFileDialog::getSaveFileName(parent, QStringLiteral("Save As"), suggested,
                                      QStringLiteral("KVR Files (*.kvr)"));
}

// The real dialog adds the chosen filter's suffix to a name without one.
QString AskExportPath(QWidget* parent, const QString& suggested) {
  if (Dialogs().exportPath) return Dialogs().exportPath(parent, suggested);
  const QString lpFilter = QStringLiteral("CPLEX LP Files (*.lp)");
  QString chosen = lpFilter;
  QString path =
      QFileDialog::getSaveFileName(parent, QStringLiteral("Export Model"), suggested,
                                   lpFilter + QStringLiteral(";;Free MPS Files (*.mps)"), &chosen);
  if (!path.isEmpty() && !QFileInfo(path).fileName().contains(u'.')) {
    path += chosen == lpFilter ? QStringLiteral(".lp") : QStringLiteral(".mps");
  }
  return path;
}

std::string MessageText(const QString& text) {
  return text.toUtf8().toStdString();
}

std::string FilePathBytes(const QString& path) {
  return FileNameBytes(path);
}

QString Canonical(const QString& path) {
  const QFileInfo info(path);
  const QString canonical = info.canonicalFilePath();
  return canonical.isEmpty() ? info.absoluteFilePath() : canonical;
}

// The fixed text of a wrong magic string is a plain box; other failures
// carry the exclamation icon.
void ShowFailure(QWidget* parent, const std::string& message, const QString& path) {
  std::string text = message;
  if (text.empty()) {
    text = MessageText(QStringLiteral("Cannot use the file %1.").arg(DisplayFileName(path)));
  }
  const MsgIcon icon = text == MSG_NOT_KVR ? MsgIcon::None : MsgIcon::Exclamation;
  ShowMessageBox(parent, text, MsgButtons::Ok, icon);
}

}  // namespace

void SetFileDialogs(FileDialogs dialogs) {
  Dialogs() = std::move(dialogs);
}

DocumentManager::DocumentManager(QMdiArea* area, tessaro::SettingsStore* settings,
                                 RecentFiles* recent, QWidget* dialogParent)
    : QObject(area),
      area_(area),
      settings_(settings),
      recent_(recent),
      dialogParent_(dialogParent) {
  // Queued, so that no question interrupts the activation itself.
  connect(
      area, &QMdiArea::subWindowActivated, this, [this] { OfferReloadIfChanged(Active()); },
      Qt::QueuedConnection);
  connect(
      qGuiApp, &QGuiApplication::applicationStateChanged, this,
      [this](Qt::ApplicationState state) {
        if (state == Qt::ApplicationActive) OfferReloadIfChanged(Active());
      },
      Qt::QueuedConnection);
}

QList<ChildWindow*> DocumentManager::Documents() const {
  QList<ChildWindow*> open;
  for (const QPointer<ChildWindow>& child : documents_) {
    if (child && !child->IsClosed()) open.append(child.data());
  }
  return open;
}

ChildWindow* DocumentManager::Active() const {
  auto* child = qobject_cast<ChildWindow*>(area_->activeSubWindow());
  return child && !child->IsClosed() ? child : nullptr;
}

ChildWindow* DocumentManager::Adopt(ChildWindow* child) {
  documents_.removeAll(QPointer<ChildWindow>());
  documents_.append(child);
  child->SetCloseGuard([this](ChildWindow* closing) { return closingAll_ || MaybeSave(closing); });
  connect(child, &QObject::destroyed, this, &DocumentManager::documentsChanged,
          Qt::QueuedConnection);
  connect(child, &QObject::destroyed, this,
          [this, child] { disk_.erase(static_cast<const ChildWindow*>(child)); });
  connect(child, &ChildWindow::modifiedMarkChanged, this, &DocumentManager::documentsChanged);
  area_->addSubWindow(child);
  child->View()->InitialUpdate();
  child->showMaximized();
  area_->setActiveSubWindow(child);
  Q_EMIT documentsChanged();
  return child;
}

ChildWindow* DocumentManager::NewDocument() {
  auto* child = new ChildWindow(std::make_unique<tessaro::Document>(), settings_);
  child->SetTitle(QStringLiteral("kvr%1").arg(++untitledCount_));
  return Adopt(child);
}

ChildWindow* DocumentManager::FindByPath(const QString& path) const {
  const QString wanted = Canonical(path);
  for (ChildWindow* child : Documents()) {
    if (!child->Path().isEmpty() && Canonical(child->Path()) == wanted) return child;
  }
  return nullptr;
}

ChildWindow* DocumentManager::OpenDocument(const QString& path) {
  if (path.isEmpty()) return nullptr;
  if (ChildWindow* open = FindByPath(path)) {
    open->showMaximized();
    area_->setActiveSubWindow(open);
    return open;
  }
  std::string message;
  // LP and MPS text opens as a new model; a read failure here is reported
  // by the model file's own load below.
  std::vector<std::uint8_t> bytes;
  if (ReadWholeFile(FilePathBytes(path), bytes, message)) {
    const tessaro::ModelFileKind kind = tessaro::GuessModelFileKind(FilePathBytes(path), bytes);
    if (kind != tessaro::ModelFileKind::Kvr) return ImportDocument(path, kind, bytes);
  }
  message.clear();
  tessaro::Model model;
  tessaro::FileIdentity identity;
  if (!tessaro::LoadModelFile(FilePathBytes(path), model, message, identity)) {
    ShowFailure(dialogParent_, message, path);
    return nullptr;
  }
  auto document = std::make_unique<tessaro::Document>(std::move(model));
  auto* child = new ChildWindow(std::move(document), settings_);
  child->SetPath(path);
  disk_[child].known = identity;
  recent_->Add(child->Path());
  Q_EMIT recentFilesChanged();
  return Adopt(child);
}

ChildWindow* DocumentManager::ImportDocument(const QString& path, tessaro::ModelFileKind kind,
                                             const std::vector<std::uint8_t>& bytes) {
  const QString name = QFileInfo(path).fileName();
  const tessaro::ImportResult read = tessaro::ImportModelText(kind, bytes);
  if (!read.ok) {
    ShowFailure(dialogParent_, MessageText(name) + ": " + read.message, path);
    return nullptr;
  }
  // A new, unsaved model named after the file.
  auto document = std::make_unique<tessaro::Document>(read.model);
  document->markNeverSaved();
  auto* child = new ChildWindow(std::move(document), settings_);
  child->SetTitle(QFileInfo(path).completeBaseName() + QStringLiteral(".kvr"));
  Adopt(child);
  child->View()->RunCommand(read.sense == tessaro::Sense::Maximize ? cmd::AUTO_MAX : cmd::AUTO_MIN);
  child->RefreshModifiedMark();
  return child;
}

void DocumentManager::FileOpen() {
  ChildWindow* opened = OpenDocument(AskOpenPath(dialogParent_));
  if (!opened || firstOpenDone_) return;
  firstOpenDone_ = true;
  CloseUnchangedFirstDocument();
  if (!opened->IsClosed()) area_->setActiveSubWindow(opened);
}

void DocumentManager::CloseUnchangedFirstDocument() {
  for (ChildWindow* child : Documents()) {
    child->showMaximized();
    if (child->Title() != QStringLiteral("kvr1")) continue;
    if (!child->IsModified()) child->CloseWithoutAsking();
    return;
  }
}

bool DocumentManager::ConfirmSaveOver(ChildWindow* child, const QString& path) {
  const std::string bytes = FilePathBytes(path);
  const QString shown = DisplayFileName(path);
  const auto known = disk_.find(child);
  const bool ownFile = !child->Path().isEmpty() && path == child->Path();
  if (ownFile && known != disk_.end()) {
    const tessaro::FileIdentity now = tessaro::IdentifyFile(bytes);
    if (now.exists && now != known->second.known &&
        !AskToProceed(dialogParent_,
                      MessageText(QStringLiteral("The file %1 has been changed by another program "
                                                 "since it was opened. Save over it?")
                                      .arg(shown)),
                      "Save over it")) {
      return false;
    }
  }
  const tessaro::SaveQuestions questions = tessaro::CheckSaveOver(bytes);
  if (questions.readOnly &&
      !AskToProceed(dialogParent_,
                    MessageText(QStringLiteral("%1 is read-only. Save over it anyway?").arg(shown)),
                    "Save over it")) {
    return false;
  }
  if (questions.ownerChanges &&
      !AskToProceed(dialogParent_,
                    MessageText(QStringLiteral("%1 belongs to another user or group. The saved "
                                               "file will belong to you. Save anyway?")
                                    .arg(shown)),
                    "Save")) {
    return false;
  }
  return true;
}

bool DocumentManager::WriteFile(ChildWindow* child, const QString& path) {
  if (!ConfirmSaveOver(child, path)) return false;
  std::string message;
  tessaro::FileIdentity written;
  if (!tessaro::SaveModelFile(FilePathBytes(path), child->Document()->model(), message,
                              tessaro::SystemFileSystem(), &written)) {
    ShowFailure(dialogParent_, message, path);
    return false;
  }
  disk_[child] = DiskState{written, {}};
  child->Document()->markSaved();
  child->RefreshModifiedMark();
  return true;
}

bool DocumentManager::Save(ChildWindow* child) {
  if (!child) return false;
  if (child->Path().isEmpty()) return SaveAs(child);
  return WriteFile(child, child->Path());
}

bool DocumentManager::SaveAs(ChildWindow* child) {
  if (!child) return false;
  // An imported model's title already ends in ".kvr".
  const QString title = child->Title().endsWith(QStringLiteral(".kvr"))
                            ? child->Title()
                            : child->Title() + QStringLiteral(".kvr");
  const QString suggested =
      child->Path().isEmpty() ? QDir::current().filePath(title) : child->Path();
  QString path = AskSavePath(dialogParent_, suggested);
  if (path.isEmpty()) return false;
  // A name typed without an extension gets the model files' one.
  if (!QFileInfo(path).fileName().contains(u'.')) path += QStringLiteral(".kvr");
  if (!WriteFile(child, path)) return false;
  child->SetPath(path);
  recent_->Add(child->Path());
  Q_EMIT recentFilesChanged();
  Q_EMIT documentsChanged();
  return true;
}

bool DocumentManager::ExportModel(ChildWindow* child) {
  if (!child) return false;
  const QString base =
      child->Path().isEmpty() ? QDir::current().filePath(child->Title()) : child->Path();
  const QFileInfo info(base);
  QString path = AskExportPath(
      dialogParent_, info.dir().filePath(info.completeBaseName() + QStringLiteral(".lp")));
  if (path.isEmpty()) return false;
  const QFileInfo target(path);
  if (!target.fileName().contains(u'.')) path += QStringLiteral(".lp");
  const tessaro::Model& model = child->Document()->model();
  const tessaro::Sense sense = child->View()->Equation().solveDirection() < 0
                                   ? tessaro::Sense::Minimize
                                   : tessaro::Sense::Maximize;
  const bool mps =
      QFileInfo(path).suffix().compare(QStringLiteral("mps"), Qt::CaseInsensitive) == 0;
  const tessaro::ExportResult text =
      mps ? tessaro::WriteMps(model, sense, QFileInfo(path).completeBaseName().toStdString())
          : tessaro::WriteLp(model, sense);
  std::string message = text.message;
  if (!text.ok || !tessaro::SaveFileAtomically(
                      FilePathBytes(path),
                      std::vector<std::uint8_t>(text.text.begin(), text.text.end()), message)) {
    ShowFailure(dialogParent_, message, path);
    return false;
  }
  return true;
}

bool DocumentManager::MaybeSave(ChildWindow* child) {
  if (!child || !child->IsModified()) return true;
  const QString question = QStringLiteral("Save changes to %1?").arg(child->SaveName());
  switch (ShowMessageBox(dialogParent_, MessageText(question), MsgButtons::YesNoCancel,
                         MsgIcon::Exclamation)) {
    case MsgResult::Yes:
      return Save(child);
    case MsgResult::No:
      return true;
    default:
      return false;
  }
}

bool DocumentManager::Close(ChildWindow* child) {
  if (!child || !MaybeSave(child)) return false;
  child->CloseWithoutAsking();
  return true;
}

void DocumentManager::OfferReloadIfChanged(ChildWindow* child) {
  if (offering_ || !child || child->IsClosed() || child->Path().isEmpty()) return;
  const auto state = disk_.find(child);
  if (state == disk_.end() || child->IsModified()) return;
  const QString path = child->Path();
  const tessaro::FileIdentity now = tessaro::IdentifyFile(FilePathBytes(path));
  if (!now.exists || now == state->second.known || now == state->second.declined) return;
  offering_ = true;
  const bool reload = AskToProceed(
      dialogParent_,
      MessageText(QStringLiteral("The file %1 has been changed by another program. Reload it?")
                      .arg(DisplayFileName(path))),
      "Reload");
  offering_ = false;
  if (!reload) {
    if (disk_.count(child) != 0) disk_[child].declined = now;
    return;
  }
  child->CloseWithoutAsking();
  OpenDocument(path);
}

bool DocumentManager::CloseAll() {
  const QList<ChildWindow*> open = Documents();
  for (ChildWindow* child : open) {
    if (!MaybeSave(child)) return false;
  }
  closingAll_ = true;
  for (ChildWindow* child : open) child->CloseWithoutAsking();
  closingAll_ = false;
  return true;
}

}  // namespace tessaro::app
