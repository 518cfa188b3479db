#pragma once

#include <QObject>

#include "app/command.h"

class QKeyEvent;

namespace tessaro::app {

// A line edit handles Ctrl+Z, Ctrl+X, Ctrl+C and Ctrl+V (and Shift+Delete,
// Ctrl+Insert, Shift+Insert) by itself while it has the focus, so the
// program's Undo, Cut, Copy and Paste commands would never see them. This
// filter, installed on the form's line edits, tells Qt that the edit does
// not want these keys, so that the window's shortcuts fire; a key press of
// them that no shortcut took is turned into commandRequested with the
// command, so the view's handler runs in either case.
class EditKeyFilter : public QObject {
  Q_OBJECT

 public:
  using QObject::QObject;

  // The edit command of a key event, or Command::NONE when it is none of them.
  static Command CommandOf(const QKeyEvent& event);

 Q_SIGNALS:
  void commandRequested(tessaro::app::Command command);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
};

}  // namespace tessaro::app
