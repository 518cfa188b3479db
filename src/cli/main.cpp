// tessaro: the program's command. It answers --solve and the LP and MPS
// conversions itself, without
// loading any of the windowing libraries, so that a script may solve many
// models quickly; for everything else it replaces itself with tessaro-gui,
// found beside this executable or in the installed program's directory,
// passing every argument on unchanged.

#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <iostream>
#include <string>
#include <string_view>
#include <vector>

#include "cli/convert_command.h"
#include "cli/solve_command.h"

namespace {

constexpr const char* kGuiName = "tessaro-gui";

int Usage(std::ostream& out, int status) {
  out << "usage: tessaro [MODEL.kvr]\n"
         "       tessaro --solve MODEL.kvr [--max|--min]\n"
         "       tessaro --solve --json MODEL.kvr... [--max|--min]\n"
         "       tessaro --export MODEL.kvr OUT.png|OUT.svg [--size WxH] [--scale N]\n"
         "       tessaro --pdf MODEL.kvr OUT.pdf\n"
         "       tessaro --print MODEL.kvr\n"
         "       tessaro --print-to PRINTER MODEL.kvr\n"
         "       tessaro --to-lp MODEL.kvr OUT.lp [--min]\n"
         "       tessaro --to-mps MODEL.kvr OUT.mps [--min]\n"
         "       tessaro --from-lp IN.lp OUT.kvr\n"
         "       tessaro --from-mps IN.mps OUT.kvr\n";
  return status;
}

// `--solve MODEL.kvr [--max|--min] [--json]`, in any order after the
// switch; with --json any number of model files.
int Solve(int argc, char** argv) {
  std::vector<std::string> paths;
  bool maximize = true;
  bool json = false;
  for (int i = 2; i < argc; ++i) {
    const std::string_view arg(argv[i]);
    if (arg == "--max") {
      maximize = true;
    } else if (arg == "--min") {
      maximize = false;
    } else if (arg == "--json") {
      json = true;
    } else if (!arg.empty() && arg.front() != '-') {
      paths.emplace_back(arg);
    } else {
      std::cerr << "tessaro: unexpected argument '" << arg << "'\n";
      return Usage(std::cerr, 1);
    }
  }
  if (paths.empty()) {
    std::cerr << "tessaro: --solve needs a model file\n";
    return Usage(std::cerr, 1);
  }
  if (json) return tessaro::RunSolveJson(paths, maximize, std::cout);
  if (paths.size() > 1) {
    std::cerr << "tessaro: unexpected argument '" << paths[1] << "'\n";
    return Usage(std::cerr, 1);
  }
  return tessaro::RunSolveCommand(paths.front(), maximize, std::cout, std::cerr);
}

// `--to-lp MODEL.kvr OUT.lp [--min|--max]` and the other conversions: two
// files in order, the direction anywhere after the switch (writing only).
// A usage error exits with 2.
int Convert(tessaro::Conversion conversion, int argc, char** argv) {
  const bool writing =
      conversion == tessaro::Conversion::ToLp || conversion == tessaro::Conversion::ToMps;
  std::vector<std::string> files;
  tessaro::Sense sense = tessaro::Sense::Maximize;
  for (int i = 2; i < argc; ++i) {
    const std::string_view arg(argv[i]);
    if (writing && (arg == "--max" || arg == "--min")) {
      sense = arg == "--max" ? tessaro::Sense::Maximize : tessaro::Sense::Minimize;
    } else if (files.size() < 2 && !arg.empty() && arg.front() != '-') {
      files.emplace_back(arg);
    } else {
      std::cerr << "tessaro: unexpected argument '" << arg << "'\n";
      return Usage(std::cerr, 2);
    }
  }
  if (files.size() != 2) {
    std::cerr << "tessaro: " << argv[1] << " needs an input and an output file\n";
    return Usage(std::cerr, 2);
  }
  return tessaro::RunConvertCommand(conversion, files[0], files[1], sense, std::cout, std::cerr);
}

// The directory of the running executable, from /proc/self/exe; empty when
// it cannot be read.
std::string OwnDirectory() {
  std::vector<char> buffer(256);
  for (;;) {
    const ssize_t n = readlink("/proc/self/exe", buffer.data(), buffer.size());
    if (n < 0) return std::string();
    if (static_cast<size_t>(n) < buffer.size()) {
      const std::string path(buffer.data(), static_cast<size_t>(n));
      const size_t slash = path.rfind('/');
      return slash == std::string::npos ? std::string() : path.substr(0, slash);
    }
    if (buffer.size() > 65536) return std::string();
    buffer.resize(buffer.size() * 2);
  }
}

std::vector<std::string> GuiCandidates() {
  std::vector<std::string> candidates;
  const std::string own = OwnDirectory();
  if (!own.empty()) candidates.push_back(own + "/" + kGuiName);
#ifdef TESSARO_INSTALL_BINDIR
  candidates.push_back(std::string(TESSARO_INSTALL_BINDIR) + "/" + kGuiName);
#endif
  return candidates;
}

int StartGui(int argc, char** argv) {
  std::vector<char*> args(argv, argv + argc);
  args.push_back(nullptr);
  int lastError = ENOENT;
  for (const std::string& candidate : GuiCandidates()) {
    if (access(candidate.c_str(), X_OK) != 0) continue;
    std::string program = candidate;
    args[0] = program.data();
    execv(program.c_str(), args.data());
    lastError = errno;  // execv returns only on failure
  }
  std::cerr << "tessaro: cannot start " << kGuiName << ": " << std::strerror(lastError) << "\n";
  return 127;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc > 1) {
    const std::string_view first(argv[1]);
    if (first == "--solve") return Solve(argc, argv);
    if (first == "--to-lp") return Convert(tessaro::Conversion::ToLp, argc, argv);
    if (first == "--to-mps") return Convert(tessaro::Conversion::ToMps, argc, argv);
    if (first == "--from-lp") return Convert(tessaro::Conversion::FromLp, argc, argv);
    if (first == "--from-mps") return Convert(tessaro::Conversion::FromMps, argc, argv);
    if (first == "--help" || first == "-h") return Usage(std::cout, 0);
    if (first == "--version") {
      std::cout << "Tessaro 2.6\n";
      return 0;
    }
  }
  return StartGui(argc, argv);
}
