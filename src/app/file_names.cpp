#include "app/file_names.h"

namespace tessaro::app {

namespace {

constexpr char16_t kEscapeBase = 0xDC00;  // a kept byte b is U+DC00 + b (b >= 0x80)
constexpr char16_t kReplacement = 0xFFFD;

bool IsKeptByte(char16_t unit) {
  return unit >= kEscapeBase + 0x80 && unit <= kEscapeBase + 0xFF;
}

// The length of the valid UTF-8 sequence at bytes[i], or 0.
int ValidSequenceLength(const QByteArray& bytes, qsizetype i) {
  const auto at = [&](qsizetype k) { return static_cast<unsigned char>(bytes[k]); };
  const unsigned char b = at(i);
  if (b < 0x80) return 1;
  int length = 0;
  char32_t code = 0;
  char32_t least = 0;
  if (b >= 0xC2 && b <= 0xDF) {
    length = 2, code = b & 0x1F, least = 0x80;
  } else if (b >= 0xE0 && b <= 0xEF) {
    length = 3, code = b & 0x0F, least = 0x800;
  } else if (b >= 0xF0 && b <= 0xF4) {
    length = 4, code = b & 0x07, least = 0x10000;
  } else {
    return 0;
  }
  if (i + length > bytes.size()) return 0;
  for (int k = 1; k < length; ++k) {
    const unsigned char c = at(i + k);
    if ((c & 0xC0) != 0x80) return 0;
    code = (code << 6) | (c & 0x3F);
  }
  // Overlong forms, surrogates and codes past U+10FFFF are not valid.
  if (code < least || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) return 0;
  return length;
}

}  // namespace

QString DecodeFileName(const QByteArray& bytes) {
  QString name;
  name.reserve(bytes.size());
  for (qsizetype i = 0; i < bytes.size();) {
    const int length = ValidSequenceLength(bytes, i);
    if (length == 0) {
      name.append(QChar(static_cast<char16_t>(kEscapeBase + static_cast<unsigned char>(bytes[i]))));
      ++i;
      continue;
    }
    name.append(QString::fromUtf8(bytes.constData() + i, length));
    i += length;
  }
  return name;
}

QByteArray EncodeFileName(const QString& name) {
  QByteArray bytes;
  bytes.reserve(name.size());
  qsizetype runStart = 0;
  const auto flush = [&](qsizetype end) {
    if (end > runStart) bytes.append(QStringView(name).mid(runStart, end - runStart).toUtf8());
  };
  for (qsizetype i = 0; i < name.size(); ++i) {
    const char16_t unit = name[i].unicode();
    if (!IsKeptByte(unit)) continue;
    flush(i);
    bytes.append(static_cast<char>(unit - kEscapeBase));
    runStart = i + 1;
  }
  flush(name.size());
  return bytes;
}

std::string FileNameBytes(const QString& name) {
  return EncodeFileName(name).toStdString();
}

QString DisplayFileName(const QString& name) {
  QString shown = name;
  for (QChar& c : shown) {
    if (IsKeptByte(c.unicode())) c = QChar(kReplacement);
  }
  return shown;
}

}  // namespace tessaro::app
