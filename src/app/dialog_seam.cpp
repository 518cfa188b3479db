#include "app/dialog_seam.h"

#include <QColorDialog>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrinter>
#include <utility>

namespace tessaro::app {
namespace {

ColorHandler& ColorSeam() {
  static ColorHandler handler;
  return handler;
}

PrinterDialogHandler& PageSetupSeam() {
  static PrinterDialogHandler handler;
  return handler;
}

PrinterDialogHandler& PrintSeam() {
  static PrinterDialogHandler handler;
  return handler;
}

}  // namespace

bool ShowColorDialog(QWidget* parent, const QColor& initial, QColor& chosen) {
  if (ColorSeam()) return ColorSeam()(parent, initial, chosen);
  // Qt's colour dialog always shows its custom-colour part.
  QColorDialog dialog(initial, parent);
  if (dialog.exec() != QDialog::Accepted) return false;
  chosen = dialog.selectedColor();
  return chosen.isValid();
}

bool ShowPageSetupDialog(QWidget* parent, QPrinter& printer) {
  if (PageSetupSeam()) return PageSetupSeam()(parent, printer);
  QPageSetupDialog dialog(&printer, parent);
  return dialog.exec() == QDialog::Accepted;
}

bool ShowPrintDialog(QWidget* parent, QPrinter& printer) {
  if (PrintSeam()) return PrintSeam()(parent, printer);
  // A document always prints as exactly one page.
  QPrintDialog dialog(&printer, parent);
  dialog.setMinMax(1, 1);
  dialog.setFromTo(1, 1);
  dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
  dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
  dialog.setOption(QAbstractPrintDialog::PrintCurrentPage, false);
  return dialog.exec() == QDialog::Accepted;
}

void SetColorHandler(ColorHandler handler) {
  ColorSeam() = std::move(handler);
}

void SetPageSetupHandler(PrinterDialogHandler handler) {
  PageSetupSeam() = std::move(handler);
}

void SetPrintDialogHandler(PrinterDialogHandler handler) {
  PrintSeam() = std::move(handler);
}

}  // namespace tessaro::app
