#include "app/headless_commands.h"

#include <QApplication>
#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QSvgGenerator>
#include <QTemporaryDir>
#include <QTransform>
#include <algorithm>
#include <cstdio>
#include <memory>
#include <string>

#include "app/file_names.h"
#include "app/form_view.h"
#include "app/message_seam.h"
#include "app/painter_surface.h"
#include "app/picture_output.h"
#include "app/plot_widget.h"
#include "app/qt_settings_store.h"
#include "doc/document.h"
#include "doc/file_store.h"
#include "editor/form_controller.h"
#include "model/constants.h"
#include "model/plot_view.h"

namespace tessaro::app {
namespace {

constexpr int kExitOk = 0;
constexpr int kExitFailed = 1;
constexpr int kExitUsage = 2;

// What --export draws: the plot of a window of this size, at this many
// device pixels per logical pixel.
struct ExportOptions {
  QSize size{PLOT_DEFAULT_WIDTH, PLOT_DEFAULT_HEIGHT};
  int scale = 1;
};
// The largest plot and scale an export draws: a picture of at most
// 16000 x 16000 pixels.
constexpr int kExportMaxSide = 8000;
constexpr int kExportMaxScale = 4;

void PrintError(const std::string& text) {
  std::fprintf(stderr, "tessaro: %s\n", text.c_str());
  std::fflush(stderr);
}

std::string Quoted(const QString& path) {
  return "\"" + FileNameBytes(path) + "\"";
}

int Usage() {
  PrintError(
      "usage: tessaro --export MODEL.kvr OUT.png|OUT.svg [--size WxH] [--scale N] | "
      "--pdf MODEL.kvr OUT.pdf | "
      "--print MODEL.kvr | --print-to PRINTER MODEL.kvr");
  return kExitUsage;
}

// Message boxes of the core become lines on standard error; a question is
// answered Cancel so that nothing changes on an answer nobody gave.
// The boxes' own instructions ("Please click OK to cancel.") are left out.
MsgResult MessageToStderr(QWidget*, const std::string& text, MsgButtons buttons, MsgIcon) {
  std::string line = text;
  const std::string boxOnly = "\nPlease click OK to cancel.";
  if (line.size() >= boxOnly.size() && line.ends_with(boxOnly))
    line.resize(line.size() - boxOnly.size());
  PrintError(line);
  return buttons == MsgButtons::Ok ? MsgResult::Ok : MsgResult::Cancel;
}

// A model opened as a window opens it, on a view that is never shown.
class OpenedModel {
 public:
  bool Open(const QString& path) {
    std::string message;
    Model model;
    if (!LoadModelFile(FileNameBytes(path), model, message)) {
      PrintError(message.empty() ? "Cannot open " + Quoted(path) + "."
                                 : CommandLineLoadMessage(FileNameBytes(path), message));
      return false;
    }
    doc_.reset(std::move(model));
    view_ = std::make_unique<FormView>(&doc_, &settings_);
    view_->InitialUpdate();
    // The first deferred refresh, which a window runs after its first paint.
    view_->Equation().refreshTimerFired();
    view_->Window().StopRefreshTimer();
    return true;
  }

  FormView& View() { return *view_; }
  FormController& Equation() { return view_->Equation(); }

 private:
  Document doc_;
  QtSettingsStore settings_{QtSettingsStore::DefaultFilePath()};
  std::unique_ptr<FormView> view_;
};

// Writes a finished output the way a model is saved: a temporary file
// beside it, renamed over it only when everything was written; on failure
// the old file stays as it was.
int WriteOutput(const QString& out, const QByteArray& bytes) {
  std::string message;
  const std::vector<std::uint8_t> data(bytes.begin(), bytes.end());
  if (!SaveFileAtomically(FileNameBytes(out), data, message)) {
    std::replace(message.begin(), message.end(), '\n', ' ');
    PrintError(message);
    return kExitFailed;
  }
  return kExitOk;
}

// An output must not be the model it is made from, nor any other model
// file: a picture written over it would destroy the model.
bool RefuseOutput(const QString& modelPath, const QString& out) {
  const std::string outBytes = FileNameBytes(out);
  if (SameFile(FileNameBytes(modelPath), outBytes)) {
    PrintError("Cannot write " + Quoted(out) + ": it is the model file being read.");
    return true;
  }
  if (HoldsModelFile(outBytes)) {
    PrintError("Cannot write " + Quoted(out) + ": it holds a model file.");
    return true;
  }
  return false;
}

int ExportPng(OpenedModel& model, const QString& out) {
  const QImage& block = model.View().OffscreenImage();
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  if (!block.save(&buffer, "PNG")) {
    PrintError("Cannot write " + Quoted(out) + ": the picture could not be encoded.");
    return kExitFailed;
  }
  return WriteOutput(out, bytes);
}

int ExportSvg(OpenedModel& model, const QString& out) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  QSvgGenerator generator;
  generator.setOutputDevice(&buffer);
  const PlotView& view = model.Equation().view();
  generator.setSize(QSize(view.width, view.height));
  generator.setViewBox(QRect(0, 0, view.width, view.height));
  generator.setResolution(ScreenDpiX());
  generator.setTitle(QStringLiteral("Tessaro"));
  {
    QPainter painter(&generator);
    painter.setTransform(QTransform::fromTranslate(view.OriginX(), view.OriginY()));
    PainterSurface surface(&painter);
    // The drawing of the screen: axes, then the model.
    model.Equation().drawPlot(surface, view);
  }
  return WriteOutput(out, bytes);
}

int RunExport(const QString& modelPath, const QString& out, const ExportOptions& options) {
  QString suffix = QFileInfo(out).suffix().toLower();
  if (suffix != QLatin1String("png") && suffix != QLatin1String("svg")) {
    PrintError("Cannot export to " + Quoted(out) + ": the name must end in .png or .svg.");
    return kExitUsage;
  }
  if (RefuseOutput(modelPath, out)) return kExitFailed;
  OpenedModel model;
  if (!model.Open(modelPath)) return kExitFailed;
  model.View().SetPlotSize(options.size);
  if (options.scale != 1) model.View().SetPixelRatio(options.scale);
  return suffix == QLatin1String("png") ? ExportPng(model, out) : ExportSvg(model, out);
}

// The printer writes the page to a file of its own choosing; it goes to a
// private temporary folder first and is checked to be complete before it
// is written over the output like a save.
int RunPdf(const QString& modelPath, const QString& out) {
  if (!out.endsWith(QLatin1String(".pdf"), Qt::CaseInsensitive)) {
    PrintError("Cannot write " + Quoted(out) + ": the name of a PDF file must end in .pdf.");
    return kExitFailed;
  }
  if (RefuseOutput(modelPath, out)) return kExitFailed;
  OpenedModel model;
  if (!model.Open(modelPath)) return kExitFailed;
  QTemporaryDir scratch;
  if (!scratch.isValid()) {
    PrintError("Cannot write " + Quoted(out) +
               ": no temporary folder: " + scratch.errorString().toStdString() + ".");
    return kExitFailed;
  }
  const QString page = scratch.filePath(QStringLiteral("page.pdf"));
  QPrinter printer(QPrinter::HighResolution);
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(page);
  printer.setDocName(DisplayFileName(QFileInfo(modelPath).fileName()));
  std::string error;
  if (!PrintPage(printer, model.Equation(), error, out)) {
    PrintError(error);
    return kExitFailed;
  }
  QFile made(page);
  const QByteArray bytes = made.open(QIODevice::ReadOnly) ? made.readAll() : QByteArray();
  // A page cut short (the temporary folder full) lacks the end marker.
  if (!bytes.trimmed().endsWith("%%EOF")) {
    PrintError("Cannot write " + Quoted(out) +
               ": the page could not be written in full to the temporary folder " +
               FileNameBytes(scratch.path()) + ".");
    return kExitFailed;
  }
  return WriteOutput(out, bytes);
}

int RunPrint(const QString& printerName, const QString& modelPath) {
  QPrinterInfo info = printerName.isEmpty() ? QPrinterInfo::defaultPrinter()
                                            : QPrinterInfo::printerInfo(printerName);
  if (info.isNull()) {
    PrintError(printerName.isEmpty()
                   ? std::string("No default printer is available.")
                   : "No printer named " + Quoted(printerName) + " is available.");
    return kExitFailed;
  }
  OpenedModel model;
  if (!model.Open(modelPath)) return kExitFailed;
  QPrinter printer(info, QPrinter::HighResolution);
  printer.setDocName(DisplayFileName(QFileInfo(modelPath).fileName()));
  std::string error;
  if (!PrintPage(printer, model.Equation(), error)) {
    PrintError(error);
    return kExitFailed;
  }
  return kExitOk;
}

// "--size WxH" and "--scale N", each at most once, in any order.
bool ParseExportOptions(const QStringList& args, ExportOptions& options) {
  bool sized = false;
  bool scaled = false;
  for (qsizetype i = 0; i < args.size(); i += 2) {
    if (i + 1 >= args.size()) return false;
    const QString& value = args.at(i + 1);
    bool ok = false;
    if (args.at(i) == QLatin1String("--size") && !sized) {
      const QStringList parts = value.split(QLatin1Char('x'));
      if (parts.size() != 2) return false;
      const int width = parts.at(0).toInt(&ok);
      if (!ok) return false;
      const int height = parts.at(1).toInt(&ok);
      if (!ok || width < 1 || height < 1 || width > kExportMaxSide || height > kExportMaxSide) {
        return false;
      }
      options.size = QSize(width, height);
      sized = true;
    } else if (args.at(i) == QLatin1String("--scale") && !scaled) {
      options.scale = value.toInt(&ok);
      if (!ok || options.scale < 1 || options.scale > kExportMaxScale) return false;
      scaled = true;
    } else {
      return false;
    }
  }
  return true;
}

int Dispatch(const QStringList& args) {
  const QString& command = args.at(0);
  if (command == QLatin1String("--export")) {
    if (args.size() < 3) return Usage();
    ExportOptions options;
    if (!ParseExportOptions(args.mid(3), options)) return Usage();
    return RunExport(args.at(1), args.at(2), options);
  }
  if (command == QLatin1String("--pdf")) {
    if (args.size() != 3) return Usage();
    return RunPdf(args.at(1), args.at(2));
  }
  if (command == QLatin1String("--print")) {
    if (args.size() != 2) return Usage();
    return RunPrint(QString(), args.at(1));
  }
  if (command == QLatin1String("--print-to")) {
    if (args.size() != 3 || args.at(1).isEmpty()) return Usage();
    return RunPrint(args.at(1), args.at(2));
  }
  return Usage();
}

}  // namespace

bool IsHeadlessCommand(const QString& argument) {
  return argument == QLatin1String("--export") || argument == QLatin1String("--pdf") ||
         argument == QLatin1String("--print") || argument == QLatin1String("--print-to");
}

int RunHeadlessCommand(const QStringList& args) {
  QStringList operands = args;
  if (!operands.isEmpty() && !IsHeadlessCommand(operands.first()) && operands.size() > 1 &&
      IsHeadlessCommand(operands.at(1))) {
    operands.removeFirst();  // the program path
  }
  if (operands.isEmpty() || !IsHeadlessCommand(operands.first())) return Usage();

  std::unique_ptr<QApplication> ownApplication;
  if (QCoreApplication::instance() == nullptr) {
    // No window is ever shown: without a chosen platform, run offscreen so
    // that no display is needed.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
      qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    static int argc = 1;
    static char name[] = "tessaro";
    static char* argv[] = {name, nullptr};
    ownApplication = std::make_unique<QApplication>(argc, argv);
  } else if (qobject_cast<QApplication*>(QCoreApplication::instance()) == nullptr) {
    PrintError("the picture commands need a widget application.");
    return kExitFailed;
  }

  SetMessageHandler(MessageToStderr);
  int status = Dispatch(operands);
  SetMessageHandler(nullptr);
  return status;
}

}  // namespace tessaro::app
