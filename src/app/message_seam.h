#pragma once

#include <functional>
#include <string>

#include "editor/form_window.h"

class QWidget;

namespace tessaro::app {

// Every modal message box of the program goes through this one function,
// so that tests can answer boxes without a blocking modal loop.
using MessageHandler = std::function<MsgResult(QWidget* parent, const std::string& text,
                                               MsgButtons buttons, MsgIcon icon)>;

// Shows a message box with the application title "Tessaro" as caption.
MsgResult ShowMessageBox(QWidget* parent, const std::string& text, MsgButtons buttons,
                         MsgIcon icon);

// A question with one action button named action (such as "Save over it")
// and Cancel, Cancel the default. True when the action was chosen. A test
// handler sees it as an OK/Cancel box, OK being the action.
bool AskToProceed(QWidget* parent, const std::string& text, const std::string& action);

// Replaces the handler (tests); an empty handler restores the real boxes.
void SetMessageHandler(MessageHandler handler);

}  // namespace tessaro::app
