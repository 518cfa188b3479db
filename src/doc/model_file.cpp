#include "doc/model_file.h"

#include "doc/archive.h"
#include "doc/value_checks.h"

namespace tessaro {

namespace {

constexpr const char* kMagic25 = "KVR2.5";  // the version written
constexpr const char* kMagic20 = "KVR2.0";  // the same record without the second decimals

// The sign as stored: a model holds +1 or -1.
double SignCode(int sign) {
  return static_cast<double>(sign);
}
int SignOf(double code) {
  return code < 0.0 ? -1 : 1;
}

// Reads doubles in order; false at the first one that is missing.
bool ReadAll(Archive& ar, std::initializer_list<double*> values) {
  for (double* v : values) {
    if (!ar.ReadDouble(*v)) return false;
  }
  return true;
}

bool ReadFlag(Archive& ar, bool& flag) {
  std::int32_t v = 0;
  if (!ar.ReadInt(v)) return false;
  flag = v != 0;
  return true;
}

bool ReadFields(Archive& ar, bool withSecondDecimals, Model& m, StoredNumbers& n) {
  auto& l = m.lines;
  if (!ar.ReadString(m.xLabel)) return false;
  for (Line& line : l) {
    if (!ar.ReadDouble(line.a)) return false;
  }
  if (!ar.ReadString(m.yLabel)) return false;
  for (Line& line : l) {
    if (!ar.ReadDouble(line.b)) return false;
  }
  for (Line& line : l) {
    if (!ar.ReadDouble(line.c)) return false;
  }
  if (!ReadAll(ar, {&m.xMax, &m.xMin, &m.xZoom, &m.yMax, &m.yMin, &m.yZoom})) return false;
  std::int32_t decimals = 0;
  if (!ar.ReadInt(decimals)) return false;
  m.decimals = decimals;
  if (!ReadAll(ar, {&m.payoff.a, &m.payoff.b, &m.payoff.level})) return false;
  for (Line& line : l) {
    if (!ar.ReadString(line.name)) return false;
  }
  for (std::size_t i = 0; i < l.size(); ++i) {
    Line& line = l[i];
    if (!ReadAll(ar, {&n.sign[i], &n.relation[i], &line.label.x, &line.label.y})) return false;
    line.sign = SignOf(n.sign[i]);
    line.relation = RelationOfCode(n.relation[i]);
  }
  if (!ReadAll(ar, {&m.payoff.label.x, &m.payoff.label.y, &n.payoffSign})) return false;
  m.payoff.sign = SignOf(n.payoffSign);
  std::int32_t fill = 0;
  if (!ReadFlag(ar, m.trim) || !ReadFlag(ar, m.labels) || !ReadFlag(ar, m.integerDots) ||
      !ar.ReadInt(fill)) {
    return false;
  }
  m.fill = fill == 1 ? FillMode::Color : fill == 2 ? FillMode::Grey : FillMode::None;
  // In a "KVR2.5" record the second decimals replaces the first.
  if (withSecondDecimals) {
    if (!ar.ReadInt(decimals)) return false;
    m.decimals = decimals;
  }
  return true;
}

// The stored numbers of a decoded model; the codes were kept while reading.
void CollectNumbers(const Model& m, StoredNumbers& n) {
  for (std::size_t i = 0; i < m.lines.size(); ++i) {
    const Line& line = m.lines[i];
    n.a[i] = line.a;
    n.b[i] = line.b;
    n.c[i] = line.c;
    n.labelX[i] = line.label.x;
    n.labelY[i] = line.label.y;
  }
  n.payoffA = m.payoff.a;
  n.payoffB = m.payoff.b;
  n.payoffLevel = m.payoff.level;
  n.payoffLabelX = m.payoff.label.x;
  n.payoffLabelY = m.payoff.label.y;
  n.xMin = m.xMin;
  n.xMax = m.xMax;
  n.xZoom = m.xZoom;
  n.yMin = m.yMin;
  n.yMax = m.yMax;
  n.yZoom = m.yZoom;
}

}  // namespace

std::vector<std::uint8_t> EncodeModel(const Model& m) {
  Archive ar;
  ar.WriteString(kMagic25);
  ar.WriteString(m.xLabel);
  for (const Line& line : m.lines) ar.WriteDouble(line.a);
  ar.WriteString(m.yLabel);
  for (const Line& line : m.lines) ar.WriteDouble(line.b);
  for (const Line& line : m.lines) ar.WriteDouble(line.c);
  for (double v : {m.xMax, m.xMin, m.xZoom, m.yMax, m.yMin, m.yZoom}) ar.WriteDouble(v);
  ar.WriteInt(m.decimals);
  for (double v : {m.payoff.a, m.payoff.b, m.payoff.level}) ar.WriteDouble(v);
  for (const Line& line : m.lines) ar.WriteString(line.name);
  for (const Line& line : m.lines) {
    for (double v :
         {SignCode(line.sign), RelationCode(line.relation), line.label.x, line.label.y}) {
      ar.WriteDouble(v);
    }
  }
  for (double v : {m.payoff.label.x, m.payoff.label.y, SignCode(m.payoff.sign)}) ar.WriteDouble(v);
  for (int v : {int{m.trim}, int{m.labels}, int{m.integerDots}, static_cast<int>(m.fill)}) {
    ar.WriteInt(v);
  }
  ar.WriteInt(m.decimals);
  return ar.Bytes();
}

DecodeStatus DecodeModel(const std::vector<std::uint8_t>& bytes, Model& model,
                         std::string* problem) {
  Archive ar(bytes);
  std::string magic;
  if (!ar.ReadString(magic)) return DecodeStatus::Damaged;
  const bool v25 = magic == kMagic25;
  if (!v25 && magic != kMagic20) return DecodeStatus::NotAModelFile;
  Model loaded;
  StoredNumbers numbers;
  if (!ReadFields(ar, v25, loaded, numbers)) return DecodeStatus::Damaged;
  CollectNumbers(loaded, numbers);
  std::string bad = FirstBadValue(numbers);
  if (!bad.empty()) {
    if (problem != nullptr) *problem = std::move(bad);
    return DecodeStatus::BadValue;
  }
  model = std::move(loaded);
  return DecodeStatus::Ok;
}

std::string DecodeMessage(DecodeStatus status, const std::string& problem) {
  switch (status) {
    case DecodeStatus::Ok:
      return {};
    case DecodeStatus::NotAModelFile:
      return "This file is not in KVR format.";
    case DecodeStatus::Damaged:
      return "Unexpected file format.";
    case DecodeStatus::BadValue:
      return BadValueMessage(problem);
  }
  return "Unexpected file format.";
}

}  // namespace tessaro
