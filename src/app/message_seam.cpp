#include "app/message_seam.h"

#include <QMessageBox>
#include <QPushButton>
#include <QString>
#include <utility>

namespace tessaro::app {
namespace {

MessageHandler& Handler() {
  static MessageHandler handler;
  return handler;
}

MsgResult ShowQtBox(QWidget* parent, const std::string& text, MsgButtons buttons, MsgIcon icon) {
  QMessageBox box(parent);
  box.setWindowTitle(QStringLiteral("Tessaro"));
  box.setText(QString::fromLocal8Bit(text.c_str()));
  box.setIcon(icon == MsgIcon::Exclamation ? QMessageBox::Warning : QMessageBox::NoIcon);
  switch (buttons) {
    case MsgButtons::Ok:
      box.setStandardButtons(QMessageBox::Ok);
      break;
    case MsgButtons::OkCancel:
      box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
      break;
    case MsgButtons::YesNoCancel:
      box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
      break;
  }
  switch (box.exec()) {
    case QMessageBox::Ok:
      return MsgResult::Ok;
    case QMessageBox::Yes:
      return MsgResult::Yes;
    case QMessageBox::No:
      return MsgResult::No;
    default:
      return MsgResult::Cancel;
  }
}

}  // namespace

MsgResult ShowMessageBox(QWidget* parent, const std::string& text, MsgButtons buttons,
                         MsgIcon icon) {
  if (Handler()) return Handler()(parent, text, buttons, icon);
  return ShowQtBox(parent, text, buttons, icon);
}

bool AskToProceed(QWidget* parent, const std::string& text, const std::string& action) {
  if (Handler()) {
    return Handler()(parent, text, MsgButtons::OkCancel, MsgIcon::Exclamation) == MsgResult::Ok;
  }
  QMessageBox box(parent);
  box.setWindowTitle(QStringLiteral("Tessaro"));
  box.setText(QString::fromUtf8(text.c_str()));
  box.setIcon(QMessageBox::Warning);
  QPushButton* proceed = box.addButton(QString::fromUtf8(action.c_str()), QMessageBox::AcceptRole);
  QPushButton* cancel = box.addButton(QMessageBox::Cancel);
  box.setDefaultButton(cancel);
  box.setEscapeButton(cancel);
  box.exec();
  return box.clickedButton() == proceed;
}

void SetMessageHandler(MessageHandler handler) {
  Handler() = std::move(handler);
}

}  // namespace tessaro::app
