#include "app/picture_output.h"

#include <fcntl.h>
#include <unistd.h>

#include <QBuffer>
#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <QPageLayout>
#include <QPainter>
#include <QPrinter>
#include <QScreen>
#include <QSvgGenerator>
#include <QTransform>
#include <cerrno>
#include <cmath>
#include <cstring>
#include <memory>

#include "app/dialog_seam.h"
#include "app/file_names.h"
#include "app/message_seam.h"
#include "app/painter_surface.h"
#include "editor/form_controller.h"
#include "model/plot_view.h"
#include "model/saturate.h"
#include "render/plot_drawing.h"

namespace tessaro::app {
namespace {

// a * b / c rounded to the nearest integer, half away from zero, without
// overflow of the product; 0 when c is 0.
int MulDivRound(int a, int b, int c) {
  if (c == 0) return 0;
  double exact = static_cast<double>(a) * static_cast<double>(b) / static_cast<double>(c);
  return SaturateToInt(std::round(exact));
}

// The window's drawing, with a plot of width units whose origin lies
// originY units below its top: the axes end at the frame's edges. It reads
// the form and changes nothing on it.
void DrawFramed(const tessaro::FormController& equation, Surface& surface, int width, int originY) {
  const PlotView framed = PlotViewOfSize(width, originY + PLOT_MARGIN_BOTTOM);
  equation.drawPlot(surface, framed);
  equation.drawResults(surface);
}

void DrawPictureOn(QPaintDevice& device, tessaro::FormController& equation, bool fillWhite,
                   const PictureExtras& extras) {
  QPainter painter(&device);
  if (fillWhite) painter.fillRect(QRect(0, 0, kPictureWidth, kPictureHeight), Qt::white);
  painter.setTransform(QTransform::fromTranslate(kPictureOriginX, kPictureOriginY));
  PainterSurface surface(&painter);
  DrawFramed(equation, surface, kPictureWidth, kPictureOriginY);
  DrawRanges(extras, surface);
}

std::unique_ptr<QPrinter>& PrinterHolder() {
  static std::unique_ptr<QPrinter> printer;
  return printer;
}

void ReleasePrinter() {
  PrinterHolder().reset();
}

}  // namespace

QByteArray RenderPictureSvg(tessaro::FormController& equation, const PictureExtras& extras) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  QSvgGenerator generator;
  generator.setOutputDevice(&buffer);
  generator.setSize(QSize(kPictureWidth, kPictureHeight));
  generator.setViewBox(QRect(0, 0, kPictureWidth, kPictureHeight));
  // At the screen's resolution the frame measures 704 x 480 screen pixels.
  generator.setResolution(ScreenDpiX());
  generator.setTitle(QStringLiteral("Tessaro"));
  DrawPictureOn(generator, equation, false, extras);
  return bytes;
}

QImage RenderPictureImage(tessaro::FormController& equation, const PictureExtras& extras) {
  QImage image(kPictureWidth, kPictureHeight, QImage::Format_RGB32);
  image.fill(Qt::white);
  DrawPictureOn(image, equation, true, extras);
  return image;
}

void CopyPictureToClipboard(tessaro::FormController& equation, const PictureExtras& extras) {
  auto* data = new QMimeData;
  data->setData(QStringLiteral("image/svg+xml"), RenderPictureSvg(equation, extras));
  data->setImageData(RenderPictureImage(equation, extras));
  QGuiApplication::clipboard()->setMimeData(data);  // the clipboard owns it
}

PageMapping ComputePageMapping(const PageMetrics& page, int screenDpiX, int screenDpiY) {
  PageMapping mapping;
  // Isotropic mapping: window extent in millimetres, viewport extent in
  // pixels scaled by 25.4/95 mm; both directions take the smaller scale.
  double sx = 0.0;
  double sy = 0.0;
  if (page.widthMm > 0) {
    sx = std::trunc(page.widthPx * kMillimetresPerPageUnit) / page.widthMm;
  }
  if (page.heightMm > 0) {
    sy = std::trunc(page.heightPx * kMillimetresPerPageUnit) / page.heightMm;
  }
  double scale = (sx > 0.0 && sy > 0.0) ? std::min(sx, sy) : std::max(sx, sy);
  if (!(scale > 0.0) || !std::isfinite(scale)) {
    // No usable page size: 1/95 inch from the resolution alone.
    scale = page.dpiX > 0 ? page.dpiX / 95.0 : 1.0;
  }
  mapping.scale = scale;
  mapping.originX = MulDivRound(kPageOriginX, page.dpiX, screenDpiX);
  mapping.originY = MulDivRound(kPageOriginY, page.dpiY, screenDpiY);
  return mapping;
}

PageMetrics MetricsOf(const QPrinter& printer) {
  PageMetrics metrics;
  QPageLayout layout = printer.pageLayout();
  QRectF mm = layout.paintRect(QPageLayout::Millimeter);
  QRect px = layout.paintRectPixels(printer.resolution());
  metrics.widthMm = SaturateToInt(mm.width());
  metrics.heightMm = SaturateToInt(mm.height());
  metrics.widthPx = px.width();
  metrics.heightPx = px.height();
  metrics.dpiX = printer.resolution();
  metrics.dpiY = printer.resolution();
  return metrics;
}

int ScreenDpiX() {
  QScreen* screen = QGuiApplication::primaryScreen();
  int dpi = screen != nullptr ? SaturateToInt(std::round(screen->logicalDotsPerInchX())) : 0;
  return dpi > 0 ? dpi : 96;
}

int ScreenDpiY() {
  QScreen* screen = QGuiApplication::primaryScreen();
  int dpi = screen != nullptr ? SaturateToInt(std::round(screen->logicalDotsPerInchY())) : 0;
  return dpi > 0 ? dpi : 96;
}

QPrinter& SharedPrinter() {
  std::unique_ptr<QPrinter>& printer = PrinterHolder();
  if (!printer) {
    printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    // Released while the application object still exists.
    qAddPostRoutine(ReleasePrinter);
  }
  return *printer;
}

namespace {

// What Qt says while a printer is opened; its own "QPainter::begin():
// Returned false" says nothing of the reason and is left out.
QStringList& CollectedWarnings() {
  static QStringList warnings;
  return warnings;
}

void CollectWarning(QtMsgType, const QMessageLogContext&, const QString& text) {
  if (!text.startsWith(QLatin1String("QPainter::begin"))) CollectedWarnings().append(text);
}

// Why a PDF file cannot be written, as the system says it; empty when the
// file itself seems writable.
std::string PdfFileReason(const QString& name) {
  const QByteArray path = EncodeFileName(name);
  const int fd = ::open(path.constData(), O_WRONLY | O_APPEND | O_CLOEXEC | O_NOCTTY);
  if (fd >= 0) {
    ::close(fd);
    return {};
  }
  if (errno != ENOENT) return std::strerror(errno);
  // A new file: the folder must exist and take it.
  const qsizetype slash = path.lastIndexOf('/');
  const QByteArray folder = slash < 0    ? QByteArray(".")
                            : slash == 0 ? QByteArray("/")
                                         : path.left(slash);
  if (::access(folder.constData(), W_OK | X_OK) != 0) return std::strerror(errno);
  return {};
}

std::string PrinterFailureReason(const QPrinter& printer, const QStringList& warnings) {
  if (printer.outputFormat() == QPrinter::PdfFormat) {
    const std::string reason = PdfFileReason(printer.outputFileName());
    if (!reason.empty()) return reason;
  }
  if (!warnings.isEmpty()) return warnings.join(QStringLiteral("; ")).toStdString();
  if (!printer.isValid()) return "the printer is not available";
  if (printer.printerState() == QPrinter::Error) return "the printer reports an error";
  if (printer.printerState() == QPrinter::Aborted) return "the printing was aborted";
  return "the printer cannot be opened";
}

}  // namespace

bool PrintPage(QPrinter& printer, tessaro::FormController& equation, std::string& error,
               const QString& shownName, const PictureExtras& extras) {
  QPainter painter;
  CollectedWarnings().clear();
  const QtMessageHandler previous = qInstallMessageHandler(CollectWarning);
  const bool begun = painter.begin(&printer);
  qInstallMessageHandler(previous);
  if (!begun) {
    const std::string reason = PrinterFailureReason(printer, CollectedWarnings());
    if (printer.outputFormat() == QPrinter::PdfFormat) {
      const QString name = shownName.isEmpty() ? printer.outputFileName() : shownName;
      error = "Cannot write \"" + FileNameBytes(name) + "\": " + reason + ".";
    } else {
      error = "Cannot print on \"" + printer.printerName().toStdString() + "\": " + reason + ".";
    }
    return false;
  }
  PageMapping mapping = ComputePageMapping(MetricsOf(printer), ScreenDpiX(), ScreenDpiY());
  painter.setTransform(
      QTransform(mapping.scale, 0.0, 0.0, mapping.scale, mapping.originX, mapping.originY));
  PainterSurface surface(&painter);
  // The frame: the page's width, and the origin's place below its top.
  const QRect page = printer.pageLayout().paintRectPixels(printer.resolution());
  const int widthUnits =
      mapping.scale > 0.0 ? SaturateToInt(page.width() / mapping.scale) : kPictureWidth;
  const int originUnits =
      mapping.scale > 0.0 ? SaturateToInt(mapping.originY / mapping.scale) : kPageOriginY;
  DrawFramed(equation, surface, widthUnits, originUnits);
  DrawRanges(extras, surface);
  DrawPageTables(extras, surface);
  if (!painter.end()) {
    error = "Printing failed: " + PrinterFailureReason(printer, {}) + ".";
    return false;
  }
  return true;
}

bool PrintWithDialog(QWidget* parent, tessaro::FormController& equation,
                     const PictureExtras& extras) {
  QPrinter& printer = SharedPrinter();
  if (!ShowPrintDialog(parent, printer)) return false;
  std::string error;
  if (!PrintPage(printer, equation, error, QString(), extras)) {
    ShowMessageBox(parent, error, MsgButtons::Ok, MsgIcon::Exclamation);
    return false;
  }
  return true;
}

}  // namespace tessaro::app
