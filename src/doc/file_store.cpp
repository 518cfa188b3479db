#include "doc/file_store.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <memory>

#include "doc/model_file.h"
#include "doc/value_checks.h"

namespace tessaro {

namespace {

void FillInfo(const struct stat& st, FileInfo& info) {
  info.isDirectory = S_ISDIR(st.st_mode);
  info.isRegular = S_ISREG(st.st_mode);
  info.isSymlink = S_ISLNK(st.st_mode);
  info.size = st.st_size > 0 ? static_cast<std::uint64_t>(st.st_size) : 0;
  info.mode = static_cast<unsigned>(st.st_mode & 07777);
  info.owner = st.st_uid;
  info.group = st.st_gid;
  info.links = st.st_nlink;
  info.device = st.st_dev;
  info.inode = st.st_ino;
  info.modifiedSeconds = st.st_mtim.tv_sec;
  info.modifiedNanoseconds = st.st_mtim.tv_nsec;
}

FileIdentity IdentityOf(const FileInfo& info) {
  FileIdentity id;
  id.exists = true;
  id.device = info.device;
  id.inode = info.inode;
  id.size = info.size;
  id.modifiedSeconds = info.modifiedSeconds;
  id.modifiedNanoseconds = info.modifiedNanoseconds;
  return id;
}

class PosixFileSystem : public FileSystem {
 public:
  int Open(const std::string& path, int flags, unsigned mode) override {
    return ::open(path.c_str(), flags, static_cast<mode_t>(mode));
  }
  long Read(int fd, void* buffer, std::size_t size) override { return ::read(fd, buffer, size); }
  long Write(int fd, const void* data, std::size_t size) override {
    return ::write(fd, data, size);
  }
  int Fsync(int fd) override { return ::fsync(fd); }
  int Close(int fd) override { return ::close(fd); }
  int Rename(const std::string& from, const std::string& to) override {
    return ::rename(from.c_str(), to.c_str());
  }
  int Unlink(const std::string& path) override { return ::unlink(path.c_str()); }
  int StatOpen(int fd, FileInfo& info) override {
    struct stat st {};
    if (::fstat(fd, &st) != 0) return -1;
    FillInfo(st, info);
    return 0;
  }
  int StatPath(const std::string& path, FileInfo& info) override {
    struct stat st {};
    if (::lstat(path.c_str(), &st) != 0) return -1;
    FillInfo(st, info);
    return 0;
  }
};

std::string Quoted(const std::string& path) {
  return "\"" + path + "\"";
}

// errno of a failed step; a step that failed without saying why counts as
// an input/output error, never as a success.
int LastError() {
  return errno != 0 ? errno : EIO;
}

std::string ErrorText(int error) {
  const char* text = std::strerror(error);
  return text != nullptr ? std::string(text) : "error " + std::to_string(error);
}

// The permission bits a written file may carry: never set-user-id,
// set-group-id or sticky.
constexpr unsigned kPermissionBits = 0777;
constexpr unsigned kNewFileMode = 0666;  // narrowed by the umask

bool OpenFailure(const std::string& path, const std::string& reason, std::string& message) {
  message = "Cannot open " + Quoted(path) + ": " + reason + ".";
  return false;
}

bool SaveFailure(const std::string& path, const std::string& reason, std::string& message) {
  message = "Cannot save " + Quoted(path) + ": " + reason + ".\nThe file on disk was not changed.";
  return false;
}

// The folder part of path including its final slash, or empty.
std::string FolderOf(const std::string& path) {
  std::string::size_type slash = path.rfind('/');
  return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

// A temporary name beside the target that does not depend on the target's
// own name, so a long but valid name does not make it too long.
std::string TemporaryName(const std::string& target, unsigned attempt) {
  static unsigned counter = 0;
  ++counter;
  return FolderOf(target) + ".tessaro-save-" + std::to_string(::getpid()) + "-" +
         std::to_string(counter) + "-" + std::to_string(attempt) + ".tmp";
}

// The path a save replaces: the file a symbolic link points to, or path.
std::string ResolveTarget(const std::string& path, FileSystem& fs) {
  FileInfo info;
  if (fs.StatPath(path, info) != 0 || !info.isSymlink) return path;
  std::unique_ptr<char, decltype(&std::free)> real(::realpath(path.c_str(), nullptr), &std::free);
  return real ? std::string(real.get()) : path;
}

bool WriteAll(FileSystem& fs, int fd, const std::vector<std::uint8_t>& bytes) {
  std::size_t done = 0;
  while (done < bytes.size()) {
    long n = fs.Write(fd, bytes.data() + done, bytes.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return false;
    if (n == 0) {
      errno = ENOSPC;
      return false;
    }
    done += static_cast<std::size_t>(n);
  }
  return true;
}

// Makes the rename itself durable. The new file is already in place, so a
// failure here is not reported.
void SyncFolder(FileSystem& fs, const std::string& target) {
  std::string folder = FolderOf(target);
  if (folder.empty()) folder = ".";
  int fd = fs.Open(folder, O_RDONLY | O_DIRECTORY | O_CLOEXEC, 0);
  if (fd < 0) return;
  fs.Fsync(fd);
  fs.Close(fd);
}

}  // namespace

FileSystem& SystemFileSystem() {
  static PosixFileSystem system;
  return system;
}

bool ReadWholeFile(const std::string& path, std::vector<std::uint8_t>& bytes, std::string& message,
                   FileSystem& fs) {
  // Non-blocking, so that a named pipe cannot stall the open.
  int fd = fs.Open(path, O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK, 0);
  if (fd < 0) return OpenFailure(path, ErrorText(errno), message);
  FileInfo info;
  std::string reason;
  if (fs.StatOpen(fd, info) != 0) {
    reason = ErrorText(errno);
  } else if (info.isDirectory) {
    reason = "it is a folder";
  } else if (!info.isRegular) {
    reason = "it is not a regular file";
  } else if (info.size > MAX_MODEL_FILE_BYTES) {
    reason = "it is too large to be a model file";
  }
  if (!reason.empty()) {
    fs.Close(fd);
    return OpenFailure(path, reason, message);
  }

  std::vector<std::uint8_t> data;
  data.reserve(static_cast<std::size_t>(info.size));
  std::vector<std::uint8_t> chunk(65536);
  for (;;) {
    long n = fs.Read(fd, chunk.data(), chunk.size());
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) {
      reason = ErrorText(errno);
      break;
    }
    if (n == 0) break;
    if (data.size() + static_cast<std::size_t>(n) > MAX_MODEL_FILE_BYTES) {
      reason = "it is too large to be a model file";
      break;
    }
    data.insert(data.end(), chunk.begin(), chunk.begin() + n);
  }
  fs.Close(fd);
  if (!reason.empty()) {
    message = "Cannot read " + Quoted(path) + ": " + reason + ".";
    return false;
  }
  bytes = std::move(data);
  return true;
}

namespace {

bool CanWrite(const std::string& path) {
  return ::faccessat(AT_FDCWD, path.c_str(), W_OK, AT_EACCESS) == 0;
}

// Whether the process may give a file this owner and group.
bool MayKeepOwner(const FileInfo& old) {
  const uid_t me = ::geteuid();
  if (me == 0) return true;
  if (old.owner != me) return false;
  if (old.group == ::getegid()) return true;
  const int count = ::getgroups(0, nullptr);
  if (count <= 0) return false;
  std::vector<gid_t> groups(static_cast<std::size_t>(count));
  const int got = ::getgroups(count, groups.data());
  for (int i = 0; i < got; ++i) {
    if (groups[static_cast<std::size_t>(i)] == old.group) return true;
  }
  return false;
}

// A save over a file with other names, or in a folder where no new file can
// be made, goes in place.
bool WritesInPlace(const std::string& target, const FileInfo& old) {
  std::string folder = FolderOf(target);
  if (folder.empty()) folder = ".";
  return old.links > 1 || ::faccessat(AT_FDCWD, folder.c_str(), W_OK | X_OK, AT_EACCESS) != 0;
}

// Gives the temporary file the owner, group and permissions of the file it
// replaces, as far as the process may. The set-id bits are left off.
void KeepOwnerAndMode(FileSystem& fs, int fd, const FileInfo& old) {
  FileInfo made;
  if (fs.StatOpen(fd, made) != 0) return;
  if (made.owner != old.owner || made.group != old.group) {
    if (fs.ChangeOwner(fd, old.owner, old.group) != 0) {
      static_cast<void>(fs.ChangeOwner(fd, -1, old.group));
    }
  }
  if ((made.mode & 07777) != (old.mode & kPermissionBits)) {
    static_cast<void>(fs.ChangeMode(fd, old.mode & kPermissionBits));
  }
}

bool WriteTruncateSync(FileSystem& fs, int fd, const std::vector<std::uint8_t>& bytes) {
  return WriteAll(fs, fd, bytes) && fs.Truncate(fd, bytes.size()) == 0 && fs.Fsync(fd) == 0;
}

// Writes bytes over the file itself, which keeps its names, owner, group and
// mode. The old bytes are read first and written back when the write fails.
bool SaveInPlace(const std::string& path, const std::string& target,
                 const std::vector<std::uint8_t>& bytes, std::string& message, FileSystem& fs,
                 FileIdentity* written) {
  std::vector<std::uint8_t> old;
  std::string readMessage;
  if (!ReadWholeFile(target, old, readMessage, fs)) {
    return SaveFailure(path, "its old content cannot be read to keep a copy", message);
  }
  int fd = fs.Open(target, O_WRONLY | O_CLOEXEC | O_NOCTTY, 0);
  if (fd < 0) return SaveFailure(path, ErrorText(errno), message);
  int error = 0;
  if (!WriteTruncateSync(fs, fd, bytes)) error = LastError();
  FileInfo info;
  if (error == 0 && written != nullptr && fs.StatOpen(fd, info) == 0) *written = IdentityOf(info);
  if (fs.Close(fd) != 0 && error == 0) error = LastError();
  if (error == 0) return true;

  bool restored = false;
  fd = fs.Open(target, O_WRONLY | O_CLOEXEC | O_NOCTTY, 0);
  if (fd >= 0) {
    restored = WriteTruncateSync(fs, fd, old);
    if (fs.Close(fd) != 0) restored = false;
  }
  if (restored) return SaveFailure(path, ErrorText(error), message);
  message = "Cannot save " + Quoted(path) + ": " + ErrorText(error) +
            ".\nThe old content could not be written back either; the file may be damaged.";
  return false;
}

}  // namespace

int FileSystem::Truncate(int fd, std::uint64_t size) {
  return ::ftruncate(fd, static_cast<off_t>(size));
}

int FileSystem::ChangeOwner(int fd, long owner, long group) {
  return ::fchown(fd, static_cast<uid_t>(owner), static_cast<gid_t>(group));
}

int FileSystem::ChangeMode(int fd, unsigned mode) {
  return ::fchmod(fd, static_cast<mode_t>(mode));
}

bool SaveFileAtomically(const std::string& path, const std::vector<std::uint8_t>& bytes,
                        std::string& message, FileSystem& fs, FileIdentity* written) {
  const std::string target = ResolveTarget(path, fs);
  if (!target.empty() && target.back() == '/') {
    return SaveFailure(path, "the name is a folder, not a file", message);
  }
  FileInfo old;
  const bool exists = fs.StatPath(target, old) == 0;
  if (exists && old.isDirectory) return SaveFailure(path, "it is a folder", message);
  if (exists && !old.isRegular) return SaveFailure(path, "it is not a regular file", message);
  if (exists && old.links > 1) return SaveInPlace(path, target, bytes, message, fs, written);

  // Created with its final permissions, so it is never readable by more
  // users than the file it replaces.
  const unsigned mode = exists ? (old.mode & kPermissionBits) : kNewFileMode;
  constexpr unsigned kAttempts = 16;
  std::string temporary;
  int fd = -1;
  for (unsigned attempt = 0; attempt < kAttempts && fd < 0; ++attempt) {
    temporary = TemporaryName(target, attempt);
    fd = fs.Open(temporary, O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
    if (fd < 0 && errno != EEXIST) break;
  }
  if (fd < 0) {
    const int error = LastError();
    // No new file may be made in the folder: the file itself may still be
    // writable.
    if (exists && (error == EACCES || error == EPERM)) {
      return SaveInPlace(path, target, bytes, message, fs, written);
    }
    return SaveFailure(path, ErrorText(error), message);
  }
  if (exists) KeepOwnerAndMode(fs, fd, old);

  // The first failing step decides the message; the descriptor is closed
  // whatever happened.
  int error = 0;
  if (!WriteAll(fs, fd, bytes) || fs.Fsync(fd) != 0) error = LastError();
  FileInfo info;
  if (error == 0 && written != nullptr && fs.StatOpen(fd, info) == 0) *written = IdentityOf(info);
  if (fs.Close(fd) != 0 && error == 0) error = LastError();
  if (error == 0 && fs.Rename(temporary, target) != 0) error = LastError();
  if (error != 0) {
    fs.Unlink(temporary);
    return SaveFailure(path, ErrorText(error), message);
  }
  SyncFolder(fs, target);
  return true;
}

SaveQuestions CheckSaveOver(const std::string& path, FileSystem& fs) {
  SaveQuestions questions;
  const std::string target = ResolveTarget(path, fs);
  FileInfo old;
  if (fs.StatPath(target, old) != 0 || !old.isRegular) return questions;
  questions.readOnly = (old.mode & 0222) == 0 || !CanWrite(target);
  questions.ownerChanges = !WritesInPlace(target, old) && !MayKeepOwner(old);
  return questions;
}

FileIdentity IdentifyFile(const std::string& path, FileSystem& fs) {
  FileInfo info;
  if (fs.StatPath(ResolveTarget(path, fs), info) != 0) return FileIdentity{};
  return IdentityOf(info);
}

bool SameFile(const std::string& a, const std::string& b) {
  struct stat sa {};
  struct stat sb {};
  if (::stat(a.c_str(), &sa) != 0 || ::stat(b.c_str(), &sb) != 0) return false;
  return sa.st_dev == sb.st_dev && sa.st_ino == sb.st_ino;
}

bool HoldsModelFile(const std::string& path) {
  int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
  if (fd < 0) return false;
  struct stat st {};
  char head[7] = {};
  const bool read = ::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) &&
                    ::read(fd, head, sizeof head) == static_cast<ssize_t>(sizeof head);
  ::close(fd);
  // The length-prefixed magic string of either version.
  return read &&
         (std::memcmp(head, "\x06KVR2.5", 7) == 0 || std::memcmp(head, "\x06KVR2.0", 7) == 0);
}

bool LoadModelFile(const std::string& path, Model& model, std::string& message,
                   FileIdentity& identity, FileSystem& fs) {
  identity = IdentifyFile(path, fs);
  return LoadModelFile(path, model, message, fs);
}

std::string CommandLineLoadMessage(const std::string& path, const std::string& message) {
  if (message == MSG_NOT_KVR) return Quoted(path) + ": This file is not in KVR format.";
  std::string line = message;
  std::replace(line.begin(), line.end(), '\n', ' ');
  if (line.find(path) == std::string::npos) return Quoted(path) + ": " + line;
  return line;
}

bool LoadModelFile(const std::string& path, Model& model, std::string& message, FileSystem& fs) {
  std::vector<std::uint8_t> bytes;
  if (!ReadWholeFile(path, bytes, message, fs)) return false;
  return LoadModelBytes(bytes, model, message);
}

bool LoadModelBytes(const std::vector<std::uint8_t>& bytes, Model& model, std::string& message) {
  std::string problem;
  switch (DecodeModel(bytes, model, &problem)) {
    case DecodeStatus::Ok:
      return true;
    case DecodeStatus::NotAModelFile:
      message = MSG_NOT_KVR;
      return false;
    case DecodeStatus::BadValue:
      message = DecodeMessage(DecodeStatus::BadValue, problem);
      return false;
    case DecodeStatus::Damaged:
      break;
  }
  message = MSG_UNEXPECTED_FORMAT;
  return false;
}

bool SaveModelFile(const std::string& path, const Model& model, std::string& message,
                   FileSystem& fs, FileIdentity* written) {
  return SaveFileAtomically(path, EncodeModel(model), message, fs, written);
}

}  // namespace tessaro
