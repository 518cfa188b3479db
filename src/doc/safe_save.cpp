#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <string>
#include <vector>

#include "doc/file_detail.h"
#include "doc/file_store.h"
#include "doc/model_file.h"

// Saving: a new file is written beside the target and renamed over it; a
// file with other names, or in a folder where no new file can be made, is
// written in place with its old bytes kept to write back.

namespace tessaro {

using file_detail::ErrorText;
using file_detail::IdentityOf;
using file_detail::Quoted;
using file_detail::ResolveTarget;

namespace {

// errno of a failed step; a step that failed without saying why counts as
// an input/output error, never as a success.
int LastError() {
  return errno != 0 ? errno : EIO;
}

// The permission bits a written file may carry: never set-user-id,
// set-group-id or sticky.
constexpr unsigned kPermissionBits = 0777;
constexpr unsigned kNewFileMode = 0666;  // narrowed by the umask

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

bool SaveModelFile(const std::string& path, const Model& model, std::string& message,
                   FileSystem& fs, FileIdentity* written) {
  return SaveFileAtomically(path, EncodeModel(model), message, fs, written);
}

}  // namespace tessaro
