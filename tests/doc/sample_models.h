#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "doc/model_file.h"

namespace tessaro::test {

// A furniture workshop: chairs and tables from wood, labour and a market
// limit; every stored field differs from its default.
inline Model WorkshopModel() {
  Model d;
  d.xLabel = "chairs";
  d.yLabel = "tables";
  d.lineName = {"wood", "labour", "market", "", "", ""};
  d.lineA = {2, 1, 0, 0, 0, 0};
  d.lineB = {3, 2, 1, 0, 0, 0};
  d.lineC = {120, 70, 30, 0, 0, 0};
  d.lineSign = {1, 1, 1, 1, 1, 1};
  d.lineRelation = {0, 0, 0, 0, 0, 0};
  d.labelX = {40.5, NO_POINT, 12, NO_POINT, NO_POINT, NO_POINT};
  d.labelY = {20.25, NO_POINT, 31, NO_POINT, NO_POINT, NO_POINT};
  d.payoff.a = 30;
  d.payoff.b = 50;
  d.payoff.level = 2100;
  d.payoff.sign = 1;
  d.payoff.label.x = 5;
  d.payoff.label.y = 44;
  d.xMin = 0;
  d.xMax = 80;
  d.yMin = 0;
  d.yMax = 50;
  d.xZoom = 10;
  d.yZoom = 8.5;
  d.decimals = 2;
  d.trim = 1;
  d.labels = 1;
  d.integerDots = 0;
  d.fill = static_cast<FillMode>(1);
  return d;
}

// Strings in all three prefix sizes, a negative sign, all relations.
inline Model LongTextModel() {
  Model d = WorkshopModel();
  d.xLabel = std::string(300, 'x');
  d.yLabel = std::string(254, 'y');
  d.lineName = {std::string(255, 'n'), std::string(70000, 'm'), "a", "", "eq", "ge"};
  d.lineSign = {1, -1, 1, 1, -1, 1};
  d.lineRelation = {0, 0, 0, 0, 1, 2};
  d.lineA = {2, 1, 0, 4, 1, 1};
  d.lineB = {3, 2, 1, 0, 1, 0};
  d.lineC = {120, 70, 30, 0, 5, 2};
  d.decimals = 3;
  return d;
}

// Takes the bytes of a saved record and replaces its leading magic string
// (one length byte and six characters) by another record start.
inline std::vector<std::uint8_t> WithMagic(std::vector<std::uint8_t> bytes,
                                           const std::vector<std::uint8_t>& magicRecord) {
  bytes.erase(bytes.begin(), bytes.begin() + 7);
  bytes.insert(bytes.begin(), magicRecord.begin(), magicRecord.end());
  return bytes;
}

inline std::vector<std::uint8_t> StringRecord(const std::string& text) {
  std::vector<std::uint8_t> r(text.size() + 1);
  r[0] = static_cast<std::uint8_t>(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) r[i + 1] = static_cast<std::uint8_t>(text[i]);
  return r;
}

}  // namespace tessaro::test
