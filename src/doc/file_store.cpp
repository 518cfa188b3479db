#include "doc/file_store.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <memory>

#include "doc/velmar_doc.h"

namespace tessaro {

namespace {

void FillInfo(const struct stat& st, FileInfo& info) {
  info.isDirectory = S_ISDIR(st.st_mode);
  info.isRegular = S_ISREG(st.st_mode);
  info.isSymlink = S_ISLNK(st.st_mode);
  info.size = st.st_size > 0 ? static_cast<std::uint64_t>(st.st_size) : 0;
  info.mode = static_cast<unsigned>(st.st_mode & 07777);
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

bool SaveFileAtomically(const std::string& path, const std::vector<std::uint8_t>& bytes,
                        std::string& message, FileSystem& fs) {
  const std::string target = ResolveTarget(path, fs);
  FileInfo old;
  const bool exists = fs.StatPath(target, old) == 0;
  if (exists && old.isDirectory) return SaveFailure(path, "it is a folder", message);
  if (!target.empty() && target.back() == '/') {
    return SaveFailure(path, "the name is a folder, not a file", message);
  }

  constexpr unsigned kAttempts = 16;
  std::string temporary;
  int fd = -1;
  for (unsigned attempt = 0; attempt < kAttempts && fd < 0; ++attempt) {
    temporary = TemporaryName(target, attempt);
    fd = fs.Open(temporary, O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0 && errno != EEXIST) break;
  }
  if (fd < 0) return SaveFailure(path, ErrorText(errno), message);
  // The new file keeps the permissions of the one it replaces.
  if (exists && old.isRegular) static_cast<void>(::fchmod(fd, static_cast<mode_t>(old.mode)));

  // The first failing step decides the message; the descriptor is closed
  // whatever happened.
  int error = 0;
  if (!WriteAll(fs, fd, bytes) || fs.Fsync(fd) != 0) error = LastError();
  if (fs.Close(fd) != 0 && error == 0) error = LastError();
  if (error == 0 && fs.Rename(temporary, target) != 0) error = LastError();
  if (error != 0) {
    fs.Unlink(temporary);
    return SaveFailure(path, ErrorText(error), message);
  }
  SyncFolder(fs, target);
  return true;
}

bool LoadDocumentFile(const std::string& path, CVelmarDoc& doc, std::string& message,
                      FileSystem& fs) {
  std::vector<std::uint8_t> bytes;
  if (!ReadWholeFile(path, bytes, message, fs)) return false;
  return LoadDocumentBytes(bytes, doc, message);
}

bool LoadDocumentBytes(const std::vector<std::uint8_t>& bytes, CVelmarDoc& doc,
                       std::string& message) {
  switch (doc.LoadFromBytes(bytes)) {
    case LoadResult::Ok:
      doc.SetModifiedFlag(false);
      return true;
    case LoadResult::BadMagic:
      message = MSG_NOT_KVR;
      return false;
    case LoadResult::Truncated:
      break;
  }
  message = MSG_UNEXPECTED_FORMAT;
  return false;
}

bool SaveDocumentFile(const std::string& path, const CVelmarDoc& doc, std::string& message,
                      FileSystem& fs) {
  return SaveFileAtomically(path, doc.SaveToBytes(), message, fs);
}

}  // namespace tessaro
