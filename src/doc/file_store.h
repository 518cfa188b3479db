#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace tessaro {

class CVelmarDoc;

// What a file system tells about one file.
struct FileInfo {
  bool isDirectory = false;
  bool isRegular = false;
  bool isSymlink = false;
  std::uint64_t size = 0;
  unsigned mode = 0;  // permission bits
};

// The disk operations the file store uses, one per step, so that tests can
// make any step fail. Each returns -1 (a count: a negative number) and sets
// errno on failure, as the system calls of the same names do.
class FileSystem {
 public:
  virtual ~FileSystem() = default;
  virtual int Open(const std::string& path, int flags, unsigned mode) = 0;
  virtual long Read(int fd, void* buffer, std::size_t size) = 0;
  virtual long Write(int fd, const void* data, std::size_t size) = 0;
  virtual int Fsync(int fd) = 0;
  virtual int Close(int fd) = 0;
  virtual int Rename(const std::string& from, const std::string& to) = 0;
  virtual int Unlink(const std::string& path) = 0;
  // Of the file an open descriptor refers to.
  virtual int StatOpen(int fd, FileInfo& info) = 0;
  // Of a path, not following a final symbolic link.
  virtual int StatPath(const std::string& path, FileInfo& info) = 0;
};

// The real disk.
FileSystem& SystemFileSystem();

// A model file is never larger than this; bigger files are refused unread.
inline constexpr std::uint64_t MAX_MODEL_FILE_BYTES = 64ull * 1024 * 1024;

// The one place that touches the disk. Every failure returns false and a
// message that names the file; nothing else is changed.

// Reads a whole regular file. Never writes to it.
bool ReadWholeFile(const std::string& path, std::vector<std::uint8_t>& bytes, std::string& message,
                   FileSystem& fs = SystemFileSystem());

// Replaces the file at path with bytes atomically: a temporary file beside
// the target is written, flushed, synced and renamed over it. When any step
// fails the temporary file is removed and the old file stays byte for byte.
// A symbolic link is followed, so the file it points to is replaced.
bool SaveFileAtomically(const std::string& path, const std::vector<std::uint8_t>& bytes,
                        std::string& message, FileSystem& fs = SystemFileSystem());

// Opens a model file into doc. On failure message is the text to show: for
// a wrong magic string exactly MSG_NOT_KVR (doc.badFormat is then 1), for a
// short or damaged record exactly MSG_UNEXPECTED_FORMAT, and otherwise a
// sentence naming the file. The fields keep their values on failure; on
// success the modified flag is cleared.
bool LoadDocumentFile(const std::string& path, CVelmarDoc& doc, std::string& message,
                      FileSystem& fs = SystemFileSystem());

// The same for the bytes of a file already read.
bool LoadDocumentBytes(const std::vector<std::uint8_t>& bytes, CVelmarDoc& doc,
                       std::string& message);

// Saves doc as a "KVR2.5" file, atomically.
bool SaveDocumentFile(const std::string& path, const CVelmarDoc& doc, std::string& message,
                      FileSystem& fs = SystemFileSystem());

}  // namespace tessaro
