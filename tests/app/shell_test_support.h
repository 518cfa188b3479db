#pragma once

// Shared set-up of the shell tests: a settings file in a temporary folder,
// message boxes and file dialogs answered by the test and recorded, and a
// main window started as the program starts it.

#include <QFile>
#include <QMenu>
#include <QMenuBar>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QTest>
#include <QToolBar>
#include <deque>
#include <memory>

#include "app/actions.h"
#include "app/document_manager.h"
#include "app/main_window.h"
#include "app/message_seam.h"
#include "doc/document.h"
#include "doc/file_store.h"
#include "doc/model_file.h"

namespace tessaro::app::test {

// Records every message box and answers it from a script; with the script
// used up it answers Cancel to questions and OK otherwise, so an unexpected
// question never saves or discards anything.
class BoxScript {
 public:
  BoxScript() {
    SetMessageHandler([this](QWidget*, const std::string& text, MsgButtons buttons, MsgIcon) {
      texts.append(QString::fromLocal8Bit(text.c_str()));
      if (!answers.empty()) {
        const MsgResult answer = answers.front();
        answers.pop_front();
        return answer;
      }
      return buttons == MsgButtons::Ok ? MsgResult::Ok : MsgResult::Cancel;
    });
  }
  ~BoxScript() { SetMessageHandler(nullptr); }
  BoxScript(const BoxScript&) = delete;
  BoxScript& operator=(const BoxScript&) = delete;

  QStringList texts;
  std::deque<MsgResult> answers;
};

// Answers the open and save dialogs with the paths queued here; an empty
// queue answers Cancel.
class DialogScript {
 public:
  DialogScript() {
    SetFileDialogs({[this](QWidget*) { return Next(openPaths); },
                    [this](QWidget*, const QString& suggested) {
                      suggestions.append(suggested);
                      return Next(savePaths);
                    },
                    [this](QWidget*, const QString& suggested) {
                      suggestions.append(suggested);
                      return Next(exportPaths);
                    }});
  }
  ~DialogScript() { SetFileDialogs({}); }
  DialogScript(const DialogScript&) = delete;
  DialogScript& operator=(const DialogScript&) = delete;

  QStringList openPaths;
  QStringList savePaths;
  QStringList exportPaths;
  QStringList suggestions;

 private:
  static QString Next(QStringList& queue) {
    return queue.isEmpty() ? QString() : queue.takeFirst();
  }
};

// Writes a model file through the program's own file store.
inline bool WriteModel(const QString& path, const Model& doc) {
  std::string message;
  return SaveModelFile(QFile::encodeName(path).toStdString(), doc, message);
}

// Changes a document's model as one history entry, as a user's edit does,
// so that the document counts as modified.
template <class Edit>
void ChangeModel(tessaro::Document& doc, Edit&& edit) {
  tessaro::Model changed = doc.model();
  edit(changed);
  doc.apply("Test change", changed);
}

// A model: labels x and y, line 0 "c1" 2x + 1y <= 40, payoff 3x + 2y.
inline Model SampleDocument(const std::string& xLabel = "x") {
  Model doc;
  doc.xLabel = xLabel;
  doc.yLabel = "y";
  doc.lines[0].name = "c1";
  doc.lines[0].a = 2;
  doc.lines[0].b = 1;
  doc.lines[0].c = 40;
  doc.payoff.a = 3;
  doc.payoff.b = 2;
  doc.decimals = 2;
  return doc;
}

inline QStringList Titles(const DocumentManager& documents) {
  QStringList titles;
  for (ChildWindow* child : documents.Documents()) titles.append(child->Title());
  return titles;
}

// The captions of a menu; "-" for a separator, hidden items left out.
inline QStringList Captions(const QMenu* menu) {
  QStringList captions;
  for (const QAction* action : menu->actions()) {
    if (!action->isVisible()) continue;
    captions.append(action->isSeparator() ? QStringLiteral("-") : action->text());
  }
  return captions;
}

inline QStringList MenuTitles(const QMainWindow& window) {
  QStringList titles;
  for (const QAction* action : window.menuBar()->actions()) {
    if (action->menu()) titles.append(action->text());
  }
  return titles;
}

inline QMenu* MenuNamed(const QMainWindow& window, const QString& title) {
  for (const QAction* action : window.menuBar()->actions()) {
    if (action->menu() && action->text() == title) return action->menu();
  }
  return nullptr;
}

// The toolbar button of a command; null when the toolbar has none.
inline QAction* ToolbarAction(const MainWindow& window, Command command) {
  for (QAction* action : window.Actions().ToolBar()->actions()) {
    if (ShellActions::CommandId(action) == command) return action;
  }
  return nullptr;
}

// The menu item of a command in the menu bar shown now; null when absent.
inline QAction* MenuAction(const QMainWindow& window, Command command) {
  for (const QAction* title : window.menuBar()->actions()) {
    if (!title->menu()) continue;
    for (QAction* action : title->menu()->actions()) {
      if (ShellActions::CommandId(action) == command) return action;
    }
  }
  return nullptr;
}

}  // namespace tessaro::app::test
