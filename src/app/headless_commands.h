#pragma once

#include <QString>
#include <QStringList>

namespace tessaro::app {

// The picture and print switches of the command line, run without showing
// any window:
//
//   --export MODEL.kvr OUT.png|OUT.svg   the picture of the plot area
//   --pdf MODEL.kvr OUT.pdf              the printed page as a PDF file
//   --print MODEL.kvr                    the page on the default printer
//   --print-to PRINTER MODEL.kvr         the page on the named printer
//
// The model is opened exactly as a window opens it (the same load, the
// initial update and the first deferred refresh) on a form view that is
// never shown; messages that would be boxes go to standard error.

// Whether an argument is one of the switches above.
bool IsHeadlessCommand(const QString& argument);

// Runs the switch in args[0] with its operands (a leading program path is
// skipped). Returns the exit status: 0 on success, 1 when the model cannot
// be read or the output cannot be written or printed, 2 on a usage error;
// every failure prints a message naming the file on standard error.
//
// Call it before any QApplication exists: it then makes its own on Qt's
// offscreen platform (unless QT_QPA_PLATFORM says otherwise), so it works
// without a display. An existing QApplication is used as it is.
int RunHeadlessCommand(const QStringList& args);

}  // namespace tessaro::app
