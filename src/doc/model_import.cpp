#include "doc/model_import.h"

#include <string>

#include "doc/lp_format.h"
#include "doc/model_file.h"
#include "doc/mps_format.h"

namespace tessaro {

namespace {

std::string Lower(std::string_view text) {
  std::string out(text);
  for (char& c : out) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return out;
}

bool EndsWith(std::string_view text, std::string_view suffix) {
  return text.size() >= suffix.size() && Lower(text.substr(text.size() - suffix.size())) == suffix;
}

// The first word of the first line that holds more than blanks or an LP
// ("\") or MPS ("*") comment, in lower case.
std::string FirstWord(std::string_view text) {
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find('\n', start);
    if (end == std::string_view::npos) end = text.size();
    const std::string_view line = text.substr(start, end - start);
    start = end + 1;
    const std::size_t first = line.find_first_not_of(" \t\r");
    if (first == std::string_view::npos || line[first] == '\\' || line[0] == '*') continue;
    const std::size_t last = line.find_first_of(" \t\r:", first);
    return Lower(line.substr(first, last == std::string_view::npos ? last : last - first));
  }
  return std::string();
}

}  // namespace

ModelFileKind GuessModelFileKind(std::string_view path, const std::vector<std::uint8_t>& bytes) {
  if (EndsWith(path, ".kvr")) return ModelFileKind::Kvr;
  if (EndsWith(path, ".lp")) return ModelFileKind::Lp;
  if (EndsWith(path, ".mps")) return ModelFileKind::Mps;
  Model model;
  if (DecodeModel(bytes, model) == DecodeStatus::Ok) return ModelFileKind::Kvr;
  const std::string word =
      FirstWord(std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
  for (const char* lp :
       {"max", "maximize", "maximise", "maximum", "min", "minimize", "minimise", "minimum"}) {
    if (word == lp) return ModelFileKind::Lp;
  }
  if (word == "name" || word == "rows" || word == "objsense") return ModelFileKind::Mps;
  return ModelFileKind::Kvr;
}

ImportResult ImportModelText(ModelFileKind kind, const std::vector<std::uint8_t>& bytes) {
  const std::string_view text(reinterpret_cast<const char*>(bytes.data()), bytes.size());
  if (kind == ModelFileKind::Mps) return ReadMps(text);
  if (kind == ModelFileKind::Lp) return ReadLp(text);
  ImportResult refused;
  refused.message = "a model file is not LP or MPS text";
  return refused;
}

}  // namespace tessaro
