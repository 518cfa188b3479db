#pragma once

#include <functional>
#include <string>

#include "model/view_host.h"

class QWidget;

namespace tessaro::app {

// Every modal message box of the program goes through this one function,
// so that tests can answer boxes without a blocking modal loop.
using MessageHandler = std::function<MsgResult(QWidget* parent, const std::string& text,
                                               MsgButtons buttons, MsgIcon icon)>;

// Shows a message box with the application title "Tessaro" as caption.
MsgResult ShowMessageBox(QWidget* parent, const std::string& text, MsgButtons buttons,
                         MsgIcon icon);

// Replaces the handler (tests); an empty handler restores the real boxes.
void SetMessageHandler(MessageHandler handler);

}  // namespace tessaro::app
