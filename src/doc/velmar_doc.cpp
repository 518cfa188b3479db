#include "doc/velmar_doc.h"

#include <string>

#include "doc/archive.h"
#include "doc/value_checks.h"

namespace tessaro {

namespace {

constexpr const char* kMagic25 = "KVR2.5";  // the version written
constexpr const char* kMagic20 = "KVR2.0";  // the same record without the second decimals

void WriteRecord(Archive& ar, const StoredModel& m) {
  ar.WriteString(kMagic25);
  ar.WriteString(m.xLabel);
  for (double v : m.lineA) ar.WriteDouble(v);
  ar.WriteString(m.yLabel);
  for (double v : m.lineB) ar.WriteDouble(v);
  for (double v : m.lineC) ar.WriteDouble(v);
  for (double v : {m.xMax, m.xMin, m.xZoom, m.yMax, m.yMin, m.yZoom}) ar.WriteDouble(v);
  ar.WriteInt(m.decimals);
  for (double v : {m.payoffA, m.payoffB, m.payoffLevel}) ar.WriteDouble(v);
  for (const std::string& name : m.lineName) ar.WriteString(name);
  for (int i = 0; i < LINE_COUNT; ++i) {
    for (double v : {m.lineSign[i], m.lineRelation[i], m.labelX[i], m.labelY[i]}) {
      ar.WriteDouble(v);
    }
  }
  for (double v : {m.payoffLabelX, m.payoffLabelY, m.payoffSign}) ar.WriteDouble(v);
  for (int v : {m.trimOn, m.labelsOn, m.integerDotsOn, m.fillMode}) ar.WriteInt(v);
  ar.WriteInt(m.decimals);
}

template <std::size_t N>
bool ReadDoubles(Archive& ar, std::array<double, N>& values) {
  for (double& v : values) {
    if (!ar.ReadDouble(v)) return false;
  }
  return true;
}

// Reads the fields after the magic string; false when the data ends early.
bool ReadFields(Archive& ar, bool withSecondDecimals, StoredModel& m) {
  if (!ar.ReadString(m.xLabel) || !ReadDoubles(ar, m.lineA)) return false;
  if (!ar.ReadString(m.yLabel) || !ReadDoubles(ar, m.lineB) || !ReadDoubles(ar, m.lineC)) {
    return false;
  }
  for (double* v : {&m.xMax, &m.xMin, &m.xZoom, &m.yMax, &m.yMin, &m.yZoom}) {
    if (!ar.ReadDouble(*v)) return false;
  }
  if (!ar.ReadInt(m.decimals)) return false;
  for (double* v : {&m.payoffA, &m.payoffB, &m.payoffLevel}) {
    if (!ar.ReadDouble(*v)) return false;
  }
  for (std::string& name : m.lineName) {
    if (!ar.ReadString(name)) return false;
  }
  for (int i = 0; i < LINE_COUNT; ++i) {
    for (double* v : {&m.lineSign[i], &m.lineRelation[i], &m.labelX[i], &m.labelY[i]}) {
      if (!ar.ReadDouble(*v)) return false;
    }
  }
  for (double* v : {&m.payoffLabelX, &m.payoffLabelY, &m.payoffSign}) {
    if (!ar.ReadDouble(*v)) return false;
  }
  for (int* v : {&m.trimOn, &m.labelsOn, &m.integerDotsOn, &m.fillMode}) {
    if (!ar.ReadInt(*v)) return false;
  }
  // In a "KVR2.5" record the second decimals replaces the first.
  if (withSecondDecimals && !ar.ReadInt(m.decimals)) return false;
  return true;
}

std::string FirstBadValueOf(const StoredModel& m) {
  StoredNumbers n;
  n.a = m.lineA;
  n.b = m.lineB;
  n.c = m.lineC;
  n.sign = m.lineSign;
  n.relation = m.lineRelation;
  n.labelX = m.labelX;
  n.labelY = m.labelY;
  n.payoffA = m.payoffA;
  n.payoffB = m.payoffB;
  n.payoffLevel = m.payoffLevel;
  n.payoffSign = m.payoffSign;
  n.payoffLabelX = m.payoffLabelX;
  n.payoffLabelY = m.payoffLabelY;
  n.xMin = m.xMin;
  n.xMax = m.xMax;
  n.xZoom = m.xZoom;
  n.yMin = m.yMin;
  n.yMax = m.yMax;
  n.yZoom = m.yZoom;
  return FirstBadValue(n);
}

// Reads a whole record into m. m is changed only when the result is Ok;
// problem names a refused value.
LoadResult ReadRecord(Archive& ar, StoredModel& m, std::string& problem) {
  std::string magic;
  if (!ar.ReadString(magic)) return LoadResult::Truncated;
  bool withSecondDecimals = false;
  if (magic == kMagic25) {
    withSecondDecimals = true;
  } else if (magic != kMagic20) {
    return LoadResult::BadMagic;
  }
  StoredModel loaded = m;
  if (!ReadFields(ar, withSecondDecimals, loaded)) return LoadResult::Truncated;
  problem = FirstBadValueOf(loaded);
  if (!problem.empty()) return LoadResult::BadValue;
  m = std::move(loaded);
  return LoadResult::Ok;
}

}  // namespace

bool CVelmarDoc::Serialize(Archive& archive) {
  if (archive.IsStoring()) {
    WriteRecord(archive, *this);
    return true;
  }
  LoadResult result = ReadRecord(archive, *this, loadProblem);
  if (result == LoadResult::BadMagic) badFormat = 1;
  return result == LoadResult::Ok;
}

std::vector<std::uint8_t> CVelmarDoc::SaveToBytes() const {
  Archive archive;
  WriteRecord(archive, *this);
  return archive.Bytes();
}

LoadResult CVelmarDoc::LoadFromBytes(const std::vector<std::uint8_t>& bytes) {
  Archive archive(bytes);
  LoadResult result = ReadRecord(archive, *this, loadProblem);
  if (result == LoadResult::BadMagic) badFormat = 1;
  return result;
}

}  // namespace tessaro
