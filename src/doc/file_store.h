#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace tessaro {

struct Model;

// What a file system tells about one file.
struct FileInfo {
  bool isDirectory = false;
  bool isRegular = false;
  bool isSymlink = false;
  std::uint64_t size = 0;
  unsigned mode = 0;  // permission bits, with the set-id and sticky bits
  unsigned owner = 0;
  unsigned group = 0;
  std::uint64_t links = 1;
  std::uint64_t device = 0;
  std::uint64_t inode = 0;
  std::int64_t modifiedSeconds = 0;
  long modifiedNanoseconds = 0;
};

// What a file was when it was read or written: a later look that finds a
// different identity means another program changed or replaced it.
struct FileIdentity {
  bool exists = false;
  std::uint64_t device = 0;
  std::uint64_t inode = 0;
  std::uint64_t size = 0;
  std::int64_t modifiedSeconds = 0;
  long modifiedNanoseconds = 0;
  bool operator==(const FileIdentity&) const = default;
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
  // The steps of keeping a replaced file's owner, group and mode and of
  // writing in place; by default the system calls of the same names.
  virtual int Truncate(int fd, std::uint64_t size);
  virtual int ChangeOwner(int fd, long owner, long group);
  virtual int ChangeMode(int fd, unsigned mode);
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
// the target, created with the final mode, is written, flushed, synced and
// renamed over it. The new file keeps the old one's owner, group and mode
// where the process may set them; set-user-id and set-group-id bits are
// never set. A file with more than one name (hard links), or one in a
// folder where no temporary file can be made, is written in place instead,
// after its old bytes are read; they are put back when the write fails.
// When any step fails the old file stays byte for byte and no temporary
// file is left. A symbolic link is followed, so the file it points to is
// replaced. Only a regular file (or a new name) is written. On success
// written, when given, is the identity of the file now on disk.
bool SaveFileAtomically(const std::string& path, const std::vector<std::uint8_t>& bytes,
                        std::string& message, FileSystem& fs = SystemFileSystem(),
                        FileIdentity* written = nullptr);

// What a user should be asked before a save replaces the file at path.
struct SaveQuestions {
  bool readOnly = false;      // the file does not let this user write to it
  bool ownerChanges = false;  // the saved file cannot keep the old owner or group
};
SaveQuestions CheckSaveOver(const std::string& path, FileSystem& fs = SystemFileSystem());

// The identity of the file at path (a symbolic link is followed); exists is
// false when there is none.
FileIdentity IdentifyFile(const std::string& path, FileSystem& fs = SystemFileSystem());

// Whether two names lead to the same file.
bool SameFile(const std::string& a, const std::string& b);

// Whether the regular file at path starts like a model file. A picture or
// page command refuses to write over such a file.
bool HoldsModelFile(const std::string& path);

// Opens a model file into model. On failure message is the text to show:
// for a wrong magic string exactly MSG_NOT_KVR, for a short or damaged
// record exactly MSG_UNEXPECTED_FORMAT, for a value a model must not hold
// that text and the field, and otherwise a sentence naming the file. model
// keeps its values on failure.
bool LoadModelFile(const std::string& path, Model& model, std::string& message,
                   FileSystem& fs = SystemFileSystem());
// The same, also giving the identity of the file as it was before it was
// read (so that a change made while reading counts as a change).
bool LoadModelFile(const std::string& path, Model& model, std::string& message,
                   FileIdentity& identity, FileSystem& fs = SystemFileSystem());

// The same for the bytes of a file already read.
bool LoadModelBytes(const std::vector<std::uint8_t>& bytes, Model& model, std::string& message);

// Saves model as a "KVR2.5" file, atomically.
bool SaveModelFile(const std::string& path, const Model& model, std::string& message,
                   FileSystem& fs = SystemFileSystem(), FileIdentity* written = nullptr);

// A load failure's message as one command-line line about path: the
// dialog's "Please click OK to cancel." is left out and lines are joined.
std::string CommandLineLoadMessage(const std::string& path, const std::string& message);

}  // namespace tessaro
