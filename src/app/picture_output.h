#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>
#include <string>

#include "app/shown_sensitivity.h"

class QPrinter;
class QWidget;

namespace tessaro {
class FormController;
}

namespace tessaro::app {

// The clipboard picture: a frame of 704 x 480 screen pixels with the plot
// origin at (30, 320), drawn by DrawAxes, DrawModel and DrawResultsText at one unit a pixel.
inline constexpr int kPictureWidth = 704;
inline constexpr int kPictureHeight = 480;
inline constexpr int kPictureOriginX = 30;
inline constexpr int kPictureOriginY = 320;

// The printed page: the origin (30, 350) in screen pixels, converted to
// printer pixels; one unit is 1/95 inch, made from the page's size in
// millimetres and in pixels as 25.4 / 95 = 0.26736842... millimetres.
inline constexpr int kPageOriginX = 30;
inline constexpr int kPageOriginY = 350;
inline constexpr double kMillimetresPerPageUnit = 0.2673684210526316;

// The picture as SVG (vector) and as an image, each of the 704 x 480 frame.
// extras adds the sensitivity ranges when they are shown.
QByteArray RenderPictureSvg(tessaro::FormController& equation, const PictureExtras& extras = {});
QImage RenderPictureImage(tessaro::FormController& equation, const PictureExtras& extras = {});
// Puts both on the clipboard: image/svg+xml and the image (as PNG and the
// platform's other image formats). The clipboard keeps them.
void CopyPictureToClipboard(tessaro::FormController& equation, const PictureExtras& extras = {});

// What the mapping of a page needs to know of the printer.
struct PageMetrics {
  int widthMm = 0;  // printable area, whole millimetres
  int heightMm = 0;
  int widthPx = 0;  // printable area, printer pixels
  int heightPx = 0;
  int dpiX = 0;  // printer pixels per inch
  int dpiY = 0;
};

// Printer pixels per logical unit (the same both ways) and the origin in
// printer pixels.
struct PageMapping {
  double scale = 1.0;
  int originX = 0;
  int originY = 0;
};

PageMapping ComputePageMapping(const PageMetrics& page, int screenDpiX, int screenDpiY);
PageMetrics MetricsOf(const QPrinter& printer);

// The screen's pixels per inch, as the page origin is converted from it.
int ScreenDpiX();
int ScreenDpiY();

// The one printer of the program: Print Setup and Print share its settings.
QPrinter& SharedPrinter();

// Draws the page (axes, model, results text) on the printer as one page;
// with a shown sensitivity in extras, its tables follow the constraint list.
// False, with a message giving the printer's reason, when the printer or
// file cannot be opened. A PDF file is named as shownName when given.
bool PrintPage(QPrinter& printer, tessaro::FormController& equation, std::string& error,
               const QString& shownName = QString(), const PictureExtras& extras = {});

// The print dialog, limited to one page, then the page. False when the
// user cancelled or printing failed (the failure is shown in a box).
bool PrintWithDialog(QWidget* parent, tessaro::FormController& equation,
                     const PictureExtras& extras = {});

}  // namespace tessaro::app
