#include "app/headless_commands.h"

#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QSvgGenerator>
#include <QTransform>
#include <cstdio>
#include <memory>
#include <string>

#include "app/form_view.h"
#include "app/message_seam.h"
#include "app/painter_surface.h"
#include "app/picture_output.h"
#include "app/plot_widget.h"
#include "app/qt_settings_store.h"
#include "doc/file_store.h"
#include "doc/document.h"
#include "model/constants.h"
#include "model/equation.h"

namespace tessaro::app {
namespace {

constexpr int kExitOk = 0;
constexpr int kExitFailed = 1;
constexpr int kExitUsage = 2;

// The plot origin inside the exported block, as on the screen.
constexpr int kScreenOriginX = 30;
constexpr int kScreenOriginY = 300;

void PrintError(const std::string& text) {
  std::fprintf(stderr, "tessaro: %s\n", text.c_str());
  std::fflush(stderr);
}

std::string Quoted(const QString& path) {
  return "\"" + path.toStdString() + "\"";
}

int Usage() {
  PrintError(
      "usage: tessaro --export MODEL.kvr OUT.png|OUT.svg | --pdf MODEL.kvr OUT.pdf | "
      "--print MODEL.kvr | --print-to PRINTER MODEL.kvr");
  return kExitUsage;
}

// Message boxes of the core become lines on standard error; a question is
// answered Cancel so that nothing changes on an answer nobody gave.
MsgResult MessageToStderr(QWidget*, const std::string& text, MsgButtons buttons, MsgIcon) {
  PrintError(text);
  return buttons == MsgButtons::Ok ? MsgResult::Ok : MsgResult::Cancel;
}

// A model opened as a window opens it, on a view that is never shown.
class OpenedModel {
 public:
  bool Open(const QString& path) {
    std::string message;
    Model model;
    if (!LoadModelFile(path.toStdString(), model, message)) {
      std::string file = path.toStdString();
      if (message.empty()) {
        PrintError("Cannot open " + Quoted(path) + ".");
      } else if (message.find(file) == std::string::npos) {
        PrintError(Quoted(path) + ": " + message);
      } else {
        PrintError(message);
      }
      return false;
    }
    doc_.reset(std::move(model));
    view_ = std::make_unique<FormView>(&doc_, &settings_);
    view_->InitialUpdate();
    // The first deferred refresh, which a window runs after its first paint.
    view_->Equation().OnTimer(TIMER_REFRESH);
    view_->StopRefreshTimer();
    return true;
  }

  FormView& View() { return *view_; }
  CEquation& Equation() { return view_->Equation(); }

 private:
  Document doc_;
  QtSettingsStore settings_{QtSettingsStore::DefaultFilePath()};
  std::unique_ptr<FormView> view_;
};

int ExportPng(OpenedModel& model, const QString& out) {
  QImage block =
      model.View().OffscreenImage().copy(0, 0, PlotWidget::kBlockWidth, PlotWidget::kBlockHeight);
  if (!block.save(out, "PNG")) {
    PrintError("Cannot write " + Quoted(out) + ".");
    return kExitFailed;
  }
  return kExitOk;
}

int ExportSvg(OpenedModel& model, const QString& out) {
  QFile file(out);
  if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
    PrintError("Cannot write " + Quoted(out) + ": " + file.errorString().toStdString() + ".");
    return kExitFailed;
  }
  QSvgGenerator generator;
  generator.setOutputDevice(&file);
  generator.setSize(QSize(PlotWidget::kBlockWidth, PlotWidget::kBlockHeight));
  generator.setViewBox(QRect(0, 0, PlotWidget::kBlockWidth, PlotWidget::kBlockHeight));
  generator.setResolution(ScreenDpiX());
  generator.setTitle(QStringLiteral("Tessaro"));
  {
    QPainter painter(&generator);
    painter.setTransform(QTransform::fromTranslate(kScreenOriginX, kScreenOriginY));
    PainterSurface surface(&painter);
    // The drawing of the screen: axes, then the model.
    model.Equation().DrawAxes(surface);
    model.Equation().DrawModel(surface);
  }
  file.close();
  if (file.error() != QFileDevice::NoError) {
    PrintError("Cannot write " + Quoted(out) + ": " + file.errorString().toStdString() + ".");
    return kExitFailed;
  }
  return kExitOk;
}

int RunExport(const QString& modelPath, const QString& out) {
  QString suffix = QFileInfo(out).suffix().toLower();
  if (suffix != QLatin1String("png") && suffix != QLatin1String("svg")) {
    PrintError("Cannot export to " + Quoted(out) + ": the name must end in .png or .svg.");
    return kExitUsage;
  }
  OpenedModel model;
  if (!model.Open(modelPath)) return kExitFailed;
  return suffix == QLatin1String("png") ? ExportPng(model, out) : ExportSvg(model, out);
}

int RunPdf(const QString& modelPath, const QString& out) {
  OpenedModel model;
  if (!model.Open(modelPath)) return kExitFailed;
  QPrinter printer(QPrinter::HighResolution);
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(out);
  printer.setDocName(QFileInfo(modelPath).fileName());
  std::string error;
  if (!PrintPage(printer, model.Equation(), error)) {
    PrintError(error);
    return kExitFailed;
  }
  return kExitOk;
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
  printer.setDocName(QFileInfo(modelPath).fileName());
  std::string error;
  if (!PrintPage(printer, model.Equation(), error)) {
    PrintError(error);
    return kExitFailed;
  }
  return kExitOk;
}

int Dispatch(const QStringList& args) {
  const QString& command = args.at(0);
  if (command == QLatin1String("--export")) {
    if (args.size() != 3) return Usage();
    return RunExport(args.at(1), args.at(2));
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
