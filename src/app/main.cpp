// tessaro-gui: the windowed program, and the headless picture and print
// commands that need Qt. The `tessaro` launcher starts it for everything
// but --solve.

#include <QApplication>
#include <QStringList>
#include <cstdio>

#include "app/file_names.h"
#include "app/headless_commands.h"
#include "app/main_window.h"

namespace {

constexpr const char* kUsage =
    "usage: tessaro [MODEL.kvr]\n"
    "       tessaro --solve MODEL.kvr [--max|--min]\n"
    "       tessaro --export MODEL.kvr OUT.png|OUT.svg\n"
    "       tessaro --pdf MODEL.kvr OUT.pdf\n"
    "       tessaro --print MODEL.kvr\n"
    "       tessaro --print-to PRINTER MODEL.kvr\n";

}  // namespace

int main(int argc, char* argv[]) {
  // File names are bytes: every argument is kept exactly (see file_names.h).
  // The headless commands make their own application, on a platform that
  // needs no display, so they run before any QApplication exists.
  QStringList args;
  for (int i = 0; i < argc; ++i) args.append(tessaro::app::DecodeFileName(QByteArray(argv[i])));
  if (argc > 1 && tessaro::app::IsHeadlessCommand(args.at(1))) {
    return tessaro::app::RunHeadlessCommand(args);
  }

  for (int i = 1; i < argc; ++i) {
    const QString& arg = args.at(i);
    if (arg == QLatin1String("--help") || arg == QLatin1String("-h")) {
      std::fputs(kUsage, stdout);
      return 0;
    }
  }

  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Tessaro"));
  QApplication::setOrganizationName(QString());
  QApplication::setApplicationVersion(QStringLiteral("2.6"));

  // QApplication took its own options (such as -platform) out of argv.
  args.clear();
  for (int i = 0; i < argc; ++i) args.append(tessaro::app::DecodeFileName(QByteArray(argv[i])));
  QString file;
  for (qsizetype i = 1; i < args.size(); ++i) {
    if (args[i].startsWith(u'-') || !file.isEmpty()) {
      std::fputs(kUsage, stderr);
      return 2;
    }
    file = args[i];
  }

  tessaro::app::MainWindow window;
  if (!window.StartUp(file)) return 1;
  window.showMaximized();
  return QApplication::exec();
}
