#include "doc/model_file.h"

#include "doc/archive.h"

namespace tessaro {

namespace {

constexpr const char* kMagic25 = "KVR2.5";  // the version written
constexpr const char* kMagic20 = "KVR2.0";  // the same record without the second decimals

double SignCode(int sign) {
  return sign < 0 ? -1.0 : 1.0;
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

bool ReadFields(Archive& ar, bool withSecondDecimals, Model& m) {
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
  for (Line& line : l) {
    double sign = 1.0;
    double relation = 0.0;
    if (!ReadAll(ar, {&sign, &relation, &line.label.x, &line.label.y})) return false;
    line.sign = SignOf(sign);
    line.relation = RelationOfCode(relation);
  }
  double payoffSign = 1.0;
  if (!ReadAll(ar, {&m.payoff.label.x, &m.payoff.label.y, &payoffSign})) return false;
  m.payoff.sign = SignOf(payoffSign);
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

DecodeStatus DecodeModel(const std::vector<std::uint8_t>& bytes, Model& model) {
  Archive ar(bytes);
  std::string magic;
  if (!ar.ReadString(magic)) return DecodeStatus::Damaged;
  const bool v25 = magic == kMagic25;
  if (!v25 && magic != kMagic20) return DecodeStatus::NotAModelFile;
  Model loaded;
  if (!ReadFields(ar, v25, loaded)) return DecodeStatus::Damaged;
  model = std::move(loaded);
  return DecodeStatus::Ok;
}

}  // namespace tessaro
