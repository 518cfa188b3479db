#include "cli/convert_command.h"

#include <cstdint>
#include <ostream>
#include <vector>

#include "doc/file_store.h"
#include "doc/lp_format.h"
#include "doc/model_file.h"
#include "doc/mps_format.h"

namespace tessaro {

namespace {

// The file name without its folder and its last suffix: the MPS problem name.
std::string Stem(const std::string& path) {
  const std::size_t slash = path.rfind('/');
  std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
  const std::size_t dot = name.rfind('.');
  if (dot != std::string::npos && dot > 0) name.erase(dot);
  return name;
}

int Failure(std::ostream& err, const std::string& message) {
  err << "tessaro: " << message << '\n';
  return 1;
}

}  // namespace

int RunConvertCommand(Conversion conversion, const std::string& input, const std::string& output,
                      Sense sense, std::ostream& out, std::ostream& err) {
  std::vector<std::uint8_t> bytes;
  std::string message;
  if (!ReadWholeFile(input, bytes, message)) return Failure(err, message);

  if (conversion == Conversion::ToLp || conversion == Conversion::ToMps) {
    Model model;
    std::string problem;
    switch (DecodeModel(bytes, model, &problem)) {
      case DecodeStatus::Ok:
        break;
      case DecodeStatus::NotAModelFile:
        return Failure(err, input + ": not a model file");
      case DecodeStatus::Damaged:
        return Failure(err, input + ": not a model file, or a damaged one");
      case DecodeStatus::BadValue:
        return Failure(err, input + ": " + problem);
    }
    const ExportResult text = conversion == Conversion::ToLp ? WriteLp(model, sense)
                                                             : WriteMps(model, sense, Stem(output));
    if (!text.ok) return Failure(err, input + ": " + text.message);
    if (!SaveFileAtomically(output, std::vector<std::uint8_t>(text.text.begin(), text.text.end()),
                            message)) {
      return Failure(err, message);
    }
    return 0;
  }

  const std::string_view text(reinterpret_cast<const char*>(bytes.data()), bytes.size());
  const ImportResult read = conversion == Conversion::FromLp ? ReadLp(text) : ReadMps(text);
  if (!read.ok) return Failure(err, input + ": " + read.message);
  if (!SaveFileAtomically(output, EncodeModel(read.model), message)) return Failure(err, message);
  out << output << ": written; " << input << " asks to "
      << (read.sense == Sense::Maximize ? "maximize" : "minimize") << '\n';
  return 0;
}

}  // namespace tessaro
