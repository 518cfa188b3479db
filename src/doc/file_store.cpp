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

#include "doc/file_detail.h"
#include "doc/model_file.h"
#include "doc/value_checks.h"

namespace tessaro {

namespace file_detail {

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

std::string Quoted(const std::string& path) {
  return "\"" + path + "\"";
}

std::string ErrorText(int error) {
  const char* text = std::strerror(error);
  return text != nullptr ? std::string(text) : "error " + std::to_string(error);
}

std::string ResolveTarget(const std::string& path, FileSystem& fs) {
  FileInfo info;
  if (fs.StatPath(path, info) != 0 || !info.isSymlink) return path;
  std::unique_ptr<char, decltype(&std::free)> real(::realpath(path.c_str(), nullptr), &std::free);
  return real ? std::string(real.get()) : path;
}

}  // namespace file_detail

using file_detail::ErrorText;
using file_detail::IdentityOf;
using file_detail::Quoted;
using file_detail::ResolveTarget;

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

bool OpenFailure(const std::string& path, const std::string& reason, std::string& message) {
  message = "Cannot open " + Quoted(path) + ": " + reason + ".";
  return false;
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

int FileSystem::Truncate(int fd, std::uint64_t size) {
  return ::ftruncate(fd, static_cast<off_t>(size));
}

int FileSystem::ChangeOwner(int fd, long owner, long group) {
  return ::fchown(fd, static_cast<uid_t>(owner), static_cast<gid_t>(group));
}

int FileSystem::ChangeMode(int fd, unsigned mode) {
  return ::fchmod(fd, static_cast<mode_t>(mode));
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

}  // namespace tessaro
