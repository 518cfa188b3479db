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
  d.lines[0] = Line{"wood", 2, 3, 120, 1, Relation::LessEqual, {40.5, 20.25}};
  d.lines[1] = Line{"labour", 1, 2, 70, 1, Relation::LessEqual, {}};
  d.lines[2] = Line{"market", 0, 1, 30, 1, Relation::LessEqual, {12, 31}};
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
  d.trim = true;
  d.labels = true;
  d.integerDots = false;
  d.fill = FillMode::Color;
  return d;
}

// Strings in all three prefix sizes, a negative sign, all relations.
inline Model LongTextModel() {
  Model d = WorkshopModel();
  d.xLabel = std::string(300, 'x');
  d.yLabel = std::string(254, 'y');
  const auto le = Relation::LessEqual;
  d.lines[0] = Line{std::string(255, 'n'), 2, 3, 120, 1, le, d.lines[0].label};
  d.lines[1] = Line{std::string(70000, 'm'), 1, 2, 70, -1, le, {}};
  d.lines[2] = Line{"a", 0, 1, 30, 1, le, d.lines[2].label};
  d.lines[3] = Line{"", 4, 0, 0, 1, le, {}};
  d.lines[4] = Line{"eq", 1, 1, 5, -1, Relation::Equal, {}};
  d.lines[5] = Line{"ge", 1, 0, 2, 1, Relation::GreaterEqual, {}};
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
