#pragma once

#include <QColor>
#include <functional>

class QPrinter;
class QWidget;

namespace tessaro::app {

// The colour picker, the page-setup dialog and the print dialog go through
// these functions, so that tests can answer them without a blocking modal
// loop, as message boxes do through message_seam.h.

// Answers the colour picker: true and the chosen colour for OK, false for
// Cancel.
using ColorHandler = std::function<bool(QWidget* parent, const QColor& initial, QColor& chosen)>;
// Answers the page-setup or the print dialog shown on printer: true for OK
// (the dialog has then written its choices into printer), false for Cancel.
using PrinterDialogHandler = std::function<bool(QWidget* parent, QPrinter& printer)>;

// The platform's colour dialog, starting at initial.
bool ShowColorDialog(QWidget* parent, const QColor& initial, QColor& chosen);
// The page-setup dialog (paper, orientation, margins) of printer.
bool ShowPageSetupDialog(QWidget* parent, QPrinter& printer);
// The print dialog of printer, limited to one page.
bool ShowPrintDialog(QWidget* parent, QPrinter& printer);

// Replace the handlers (tests); an empty handler restores the real dialog.
void SetColorHandler(ColorHandler handler);
void SetPageSetupHandler(PrinterDialogHandler handler);
void SetPrintDialogHandler(PrinterDialogHandler handler);

}  // namespace tessaro::app
