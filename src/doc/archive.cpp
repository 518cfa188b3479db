#include "doc/archive.h"

#include <bit>
#include <limits>
#include <utility>

namespace tessaro {

namespace {

constexpr std::uint8_t kByteEscape = 0xFF;         // a wider length follows
constexpr std::uint64_t kWordWideMarker = 0xFFFE;  // 16-bit characters follow
constexpr std::uint64_t kWordEscape = 0xFFFF;      // a 32-bit length follows

void AppendUtf8(std::uint32_t code, std::string& out) {
  if (code < 0x80) {
    out.push_back(static_cast<char>(code));
  } else if (code < 0x800) {
    out.push_back(static_cast<char>(0xC0 | (code >> 6)));
    out.push_back(static_cast<char>(0x80 | (code & 0x3F)));
  } else if (code < 0x10000) {
    out.push_back(static_cast<char>(0xE0 | (code >> 12)));
    out.push_back(static_cast<char>(0x80 | ((code >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (code & 0x3F)));
  } else {
    out.push_back(static_cast<char>(0xF0 | (code >> 18)));
    out.push_back(static_cast<char>(0x80 | ((code >> 12) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | ((code >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (code & 0x3F)));
  }
}

}  // namespace

void AppendUtf16LeAsUtf8(const std::uint8_t* data, std::size_t units, std::string& out) {
  constexpr std::uint32_t kReplacement = 0xFFFD;
  auto unit = [data](std::size_t i) -> std::uint32_t {
    return static_cast<std::uint32_t>(data[2 * i]) |
           (static_cast<std::uint32_t>(data[2 * i + 1]) << 8);
  };
  for (std::size_t i = 0; i < units; ++i) {
    std::uint32_t u = unit(i);
    if (u >= 0xD800 && u <= 0xDBFF) {
      if (i + 1 < units) {
        std::uint32_t low = unit(i + 1);
        if (low >= 0xDC00 && low <= 0xDFFF) {
          AppendUtf8(0x10000 + ((u - 0xD800) << 10) + (low - 0xDC00), out);
          ++i;
          continue;
        }
      }
      AppendUtf8(kReplacement, out);
    } else if (u >= 0xDC00 && u <= 0xDFFF) {
      AppendUtf8(kReplacement, out);
    } else {
      AppendUtf8(u, out);
    }
  }
}

Archive::Archive() : storing_(true) {}

Archive::Archive(const std::uint8_t* data, std::size_t size)
    : storing_(false), data_(data), size_(data == nullptr ? 0 : size) {}

Archive::Archive(const std::vector<std::uint8_t>& bytes) : Archive(bytes.data(), bytes.size()) {}

void Archive::WriteRaw(std::uint64_t value, int byteCount) {
  for (int i = 0; i < byteCount; ++i) {
    out_.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
  }
}

void Archive::WriteDouble(double value) {
  WriteRaw(std::bit_cast<std::uint64_t>(value), 8);
}

void Archive::WriteInt(std::int32_t value) {
  WriteRaw(static_cast<std::uint32_t>(value), 4);
}

void Archive::WriteString(const std::string& text) {
  // A length beyond 32 bits cannot be written; the text is cut there so the
  // record stays readable.
  std::uint64_t n = text.size();
  if (n > std::numeric_limits<std::uint32_t>::max()) n = std::numeric_limits<std::uint32_t>::max();
  if (n < kByteEscape) {
    WriteRaw(n, 1);
  } else if (n < kWordWideMarker) {
    WriteRaw(kByteEscape, 1);
    WriteRaw(n, 2);
  } else {
    WriteRaw(kByteEscape, 1);
    WriteRaw(kWordEscape, 2);
    WriteRaw(n, 4);
  }
  out_.insert(out_.end(), text.begin(), text.begin() + static_cast<std::ptrdiff_t>(n));
}

bool Archive::Fail() {
  good_ = false;
  pos_ = size_;
  return false;
}

bool Archive::ReadRaw(std::uint64_t& value, int byteCount) {
  if (!good_ || storing_) return false;
  if (Remaining() < static_cast<std::size_t>(byteCount)) return Fail();
  std::uint64_t v = 0;
  for (int i = 0; i < byteCount; ++i) {
    v |= static_cast<std::uint64_t>(data_[pos_ + static_cast<std::size_t>(i)]) << (8 * i);
  }
  pos_ += static_cast<std::size_t>(byteCount);
  value = v;
  return true;
}

bool Archive::ReadDouble(double& value) {
  std::uint64_t raw = 0;
  if (!ReadRaw(raw, 8)) return false;
  value = std::bit_cast<double>(raw);
  return true;
}

bool Archive::ReadInt(std::int32_t& value) {
  std::uint64_t raw = 0;
  if (!ReadRaw(raw, 4)) return false;
  value = static_cast<std::int32_t>(static_cast<std::uint32_t>(raw));
  return true;
}

bool Archive::ReadLengthScheme(std::uint64_t& length, bool allowWideMarker, bool& wideMarker) {
  wideMarker = false;
  std::uint64_t b = 0;
  if (!ReadRaw(b, 1)) return false;
  if (b < kByteEscape) {
    length = b;
    return true;
  }
  std::uint64_t w = 0;
  if (!ReadRaw(w, 2)) return false;
  if (allowWideMarker && w == kWordWideMarker) {
    wideMarker = true;
    return true;
  }
  if (w < kWordEscape) {
    length = w;
    return true;
  }
  return ReadRaw(length, 4);
}

bool Archive::ReadLength(std::uint64_t& length, bool& wide) {
  if (!ReadLengthScheme(length, true, wide)) return false;
  if (!wide) return true;
  // The prefix after the marker follows the same scheme; there a 16-bit
  // value of 0xFFFE is an ordinary length.
  bool again = false;
  return ReadLengthScheme(length, false, again);
}

bool Archive::ReadString(std::string& text) {
  std::uint64_t n = 0;
  bool wide = false;
  if (!ReadLength(n, wide)) return false;
  // Refuse a length that points past the data before allocating anything.
  const std::uint64_t unitSize = wide ? 2 : 1;
  if (n > Remaining() / unitSize) return Fail();
  const std::size_t count = static_cast<std::size_t>(n);
  std::string result;
  if (wide) {
    AppendUtf16LeAsUtf8(data_ + pos_, count, result);
    pos_ += 2 * count;
  } else {
    result.assign(reinterpret_cast<const char*>(data_ + pos_), count);
    pos_ += count;
  }
  text = std::move(result);
  return true;
}

}  // namespace tessaro
