#include "app/edit_key_filter.h"

#include <QEvent>
#include <QKeyEvent>
#include <QKeySequence>

namespace tessaro::app {

Command EditKeyFilter::CommandOf(const QKeyEvent& event) {
  if (event.matches(QKeySequence::Undo)) return cmd::EDIT_UNDO;
  if (event.matches(QKeySequence::Redo)) return cmd::EDIT_REDO;
  if (event.matches(QKeySequence::Cut)) return cmd::EDIT_CUT;
  if (event.matches(QKeySequence::Copy)) return cmd::EDIT_COPY;
  if (event.matches(QKeySequence::Paste)) return cmd::EDIT_PASTE;
  // The accelerator table's own keys, whatever the platform's key theme.
  Qt::KeyboardModifiers mods = event.modifiers() & ~Qt::KeypadModifier;
  if (mods == Qt::ControlModifier) {
    switch (event.key()) {
      case Qt::Key_Z:
        return cmd::EDIT_UNDO;
      case Qt::Key_Y:
        return cmd::EDIT_REDO;
      case Qt::Key_X:
        return cmd::EDIT_CUT;
      case Qt::Key_C:
      case Qt::Key_Insert:
        return cmd::EDIT_COPY;
      case Qt::Key_V:
        return cmd::EDIT_PASTE;
      default:
        break;
    }
  } else if (mods == (Qt::ControlModifier | Qt::ShiftModifier) && event.key() == Qt::Key_Z) {
    return cmd::EDIT_REDO;
  } else if (mods == Qt::ShiftModifier) {
    if (event.key() == Qt::Key_Delete) return cmd::EDIT_CUT;
    if (event.key() == Qt::Key_Insert) return cmd::EDIT_PASTE;
  }
  return Command::NONE;
}

bool EditKeyFilter::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::ShortcutOverride) {
    if (CommandOf(*static_cast<QKeyEvent*>(event)) != Command::NONE) {
      event->ignore();  // not wanted by the edit: the shortcut may fire
      return true;
    }
  } else if (event->type() == QEvent::KeyPress) {
    const Command command = CommandOf(*static_cast<QKeyEvent*>(event));
    if (command != Command::NONE) {
      Q_EMIT commandRequested(command);
      return true;
    }
  }
  return QObject::eventFilter(watched, event);
}

}  // namespace tessaro::app
