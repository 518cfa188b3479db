#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace tessaro {

// The byte format of a model file: little-endian IEEE doubles, 32-bit
// ints and length-prefixed 8-bit strings, written to or read from a byte
// buffer.
//
// A string's length n comes first: one byte when n < 255; else 0xFF and n
// as 16 bits when n < 65534; else 0xFF, 0xFFFF and n as 32 bits. Reading
// also accepts 0xFF 0xFFFE, which announces a second prefix of the same
// scheme followed by n UTF-16LE code units; these are turned into UTF-8.
//
// An archive either stores or loads. A loading archive never reads past its
// data: the first read that would fails, every later read fails too, and
// the values asked for keep what they held. A length is checked against the
// bytes left before anything is allocated for it.
class Archive {
 public:
  // A storing archive with an empty buffer.
  Archive();
  // A loading archive over size bytes at data; the bytes must outlive it.
  Archive(const std::uint8_t* data, std::size_t size);
  explicit Archive(const std::vector<std::uint8_t>& bytes);
  // The archive keeps no copy, so a temporary buffer cannot be read.
  explicit Archive(std::vector<std::uint8_t>&&) = delete;

  bool IsStoring() const { return storing_; }
  bool IsLoading() const { return !storing_; }

  // Storing.
  void WriteDouble(double value);
  void WriteInt(std::int32_t value);
  void WriteString(const std::string& text);
  const std::vector<std::uint8_t>& Bytes() const { return out_; }

  // Loading: true when the value was read.
  bool ReadDouble(double& value);
  bool ReadInt(std::int32_t& value);
  bool ReadString(std::string& text);
  // False once a read ran out of data.
  bool Good() const { return good_; }
  std::size_t Remaining() const { return size_ - pos_; }

 private:
  void WriteRaw(std::uint64_t value, int byteCount);
  bool ReadRaw(std::uint64_t& value, int byteCount);
  bool ReadLength(std::uint64_t& length, bool& wide);
  bool ReadLengthScheme(std::uint64_t& length, bool allowWideMarker, bool& wideMarker);
  bool Fail();

  bool storing_;
  std::vector<std::uint8_t> out_;
  const std::uint8_t* data_ = nullptr;
  std::size_t size_ = 0;
  std::size_t pos_ = 0;
  bool good_ = true;
};

// Appends the UTF-8 form of n UTF-16LE code units at data; an unpaired
// surrogate becomes U+FFFD.
void AppendUtf16LeAsUtf8(const std::uint8_t* data, std::size_t units, std::string& out);

}  // namespace tessaro
