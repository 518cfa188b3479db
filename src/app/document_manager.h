#pragma once

#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>
#include <cstdint>
#include <functional>
#include <map>
#include <vector>

#include "doc/file_store.h"

class QMdiArea;
class QWidget;

namespace tessaro {
class SettingsStore;
enum class ModelFileKind;
}  // namespace tessaro

namespace tessaro::app {

class ChildWindow;
class RecentFiles;

// The file dialogs of the document commands, replaceable so that tests can
// answer them. Each returns the chosen path, or an empty text on Cancel.
struct FileDialogs {
  std::function<QString(QWidget* parent)> openPath;
  std::function<QString(QWidget* parent, const QString& suggestedPath)> savePath;
  // Export Model: a path whose suffix (".lp" or ".mps") chooses the format.
  std::function<QString(QWidget* parent, const QString& suggestedPath)> exportPath;
};

// Replaces the dialogs (tests); empty functions restore the real dialogs.
void SetFileDialogs(FileDialogs dialogs);

// New, open, save, save as and close of model documents, each document in
// its own child window of the MDI area. Every question about unsaved
// changes goes through MaybeSave; every failure is shown in a message box
// naming the file, and leaves the documents as they were.
class DocumentManager : public QObject {
  Q_OBJECT

 public:
  DocumentManager(QMdiArea* area, tessaro::SettingsStore* settings, RecentFiles* recent,
                  QWidget* dialogParent);

  // The open documents in the order they were created.
  QList<ChildWindow*> Documents() const;
  ChildWindow* Active() const;

  // File New: an empty document titled "kvr1", "kvr2", ...
  ChildWindow* NewDocument();
  // Opens a file in a new window, or activates the window already showing
  // it. LP or MPS text (by suffix, or by content) becomes a new unsaved
  // model titled after the file, solved as its objective asks. Null (after
  // a message) when the file cannot be read.
  ChildWindow* OpenDocument(const QString& path);
  // File Open: asks for a file and opens it. The first successful open of a
  // run closes the start-up document "kvr1" if it is still unchanged.
  void FileOpen();

  bool Save(ChildWindow* child);
  bool SaveAs(ChildWindow* child);
  // Export Model: writes the model as CPLEX LP or free MPS, chosen by the
  // suffix (".lp" when there is none), in the direction of the last Auto
  // Max or Auto Min (maximize when neither ran). The document is unchanged.
  bool ExportModel(ChildWindow* child);
  // Asks "Save changes to %1?" for a modified document: Yes saves, No
  // drops the changes, Cancel (or a failed save) returns false.
  bool MaybeSave(ChildWindow* child);
  // Close: asks about changes, then closes the window. False when kept.
  bool Close(ChildWindow* child);
  // Exit: asks about every modified document in turn; a Cancel stops and
  // closes nothing. Otherwise closes every document and returns true.
  bool CloseAll();

  // When the active window's file was changed on disk by another program
  // and the window holds no unsaved change, offers to reload it. Runs when
  // a window or the program becomes active.
  void OfferReloadIfChanged(ChildWindow* child);

 Q_SIGNALS:
  // A document was created, opened, saved, renamed or closed.
  void documentsChanged();
  void recentFilesChanged();

 private:
  ChildWindow* Adopt(ChildWindow* child);
  ChildWindow* FindByPath(const QString& path) const;
  ChildWindow* ImportDocument(const QString& path, tessaro::ModelFileKind kind,
                              const std::vector<std::uint8_t>& bytes);
  bool WriteFile(ChildWindow* child, const QString& path);
  // The questions before a save over path; false when the user cancels.
  bool ConfirmSaveOver(ChildWindow* child, const QString& path);
  void CloseUnchangedFirstDocument();

  QMdiArea* area_;
  tessaro::SettingsStore* settings_;
  RecentFiles* recent_;
  QWidget* dialogParent_;
  QList<QPointer<ChildWindow>> documents_;
  int untitledCount_ = 0;
  bool firstOpenDone_ = false;
  bool closingAll_ = false;
  // Per window: its file as it was opened or last saved, and a changed
  // state whose reload the user declined (not offered again).
  struct DiskState {
    tessaro::FileIdentity known;
    tessaro::FileIdentity declined;
  };
  std::map<const ChildWindow*, DiskState> disk_;
  bool offering_ = false;
};

}  // namespace tessaro::app
