#include "doc/file_store.h"

#include <fcntl.h>
#include <grp.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <functional>
#include <set>
#include <string>
#include <vector>

#include "doc/model_file.h"
#include "sample_models.h"
#include "temp_folder.h"

namespace tessaro {
namespace {

using Bytes = std::vector<std::uint8_t>;
using test::ReadBytes;
using test::TempFolder;
using test::WriteBytes;

const Bytes kOldBytes = {'o', 'l', 'd', ' ', 'f', 'i', 'l', 'e', 0x00, 0xFF};

bool Contains(const std::string& text, const std::string& part) {
  return text.find(part) != std::string::npos;
}

// The outcome of a save run in a child process.
struct ChildOutcome {
  bool skipped = false;  // the child could not take the conditions asked for
  bool saved = false;
  std::string message;
};

enum class ChildMode { Plain, Unprivileged, SmallFileLimit };

// Runs work in a child process, so that a dropped user or a file size
// limit does not touch the test process. work returns '1' or '0' and a
// message; 's' means the child could not take the conditions.
ChildOutcome RunInChild(ChildMode mode, const std::function<std::string()>& work) {
  int fds[2];
  if (::pipe(fds) != 0) return {true, false, "no pipe"};
  pid_t pid = ::fork();
  if (pid == 0) {
    ::close(fds[0]);
    bool ready = true;
    if (mode == ChildMode::Unprivileged && ::geteuid() == 0) {
      constexpr gid_t kNobody = 65534;
      ready = ::setgroups(0, nullptr) == 0 && ::setgid(kNobody) == 0 && ::setuid(kNobody) == 0;
    }
    if (mode == ChildMode::SmallFileLimit) {
      // Writing past the limit then fails with EFBIG instead of a signal.
      ::signal(SIGXFSZ, SIG_IGN);
      struct rlimit limit {};
      limit.rlim_cur = limit.rlim_max = 200;
      ready = ::setrlimit(RLIMIT_FSIZE, &limit) == 0;
    }
    std::string out = ready ? work() : "s";
    ssize_t ignored = ::write(fds[1], out.data(), out.size());
    static_cast<void>(ignored);
    ::close(fds[1]);
    ::_exit(0);
  }
  ::close(fds[1]);
  std::string got;
  char buffer[512];
  ssize_t n = 0;
  while ((n = ::read(fds[0], buffer, sizeof buffer)) > 0) got.append(buffer, buffer + n);
  ::close(fds[0]);
  int status = 0;
  ::waitpid(pid, &status, 0);
  ChildOutcome outcome;
  if (got.empty() || got[0] == 's') {
    outcome.skipped = true;
    return outcome;
  }
  outcome.saved = got[0] == '1';
  outcome.message = got.substr(1);
  return outcome;
}

ChildOutcome SaveInChild(const std::string& path, const Model& doc, ChildMode mode) {
  return RunInChild(mode, [&] {
    std::string message;
    const bool saved = SaveModelFile(path, doc, message);
    return (saved ? "1" : "0") + message;
  });
}

struct FailedSaveCase {
  const char* name;
  // Prepares the folder and returns the path to save to.
  std::function<std::string(const TempFolder&)> prepare;
  ChildMode mode;
  const char* reason;  // part of the message
};

// Names the row in test listings instead of dumping its bytes.
void PrintTo(const FailedSaveCase& row, std::ostream* os) {
  *os << row.name;
}

class FailedSaveTest : public testing::TestWithParam<FailedSaveCase> {};

TEST_P(FailedSaveTest, LeavesTheOldFileAndNamesIt) {
  const FailedSaveCase& c = GetParam();
  TempFolder folder;
  ASSERT_FALSE(folder.Path().empty());
  ASSERT_TRUE(WriteBytes(folder / "old.kvr", kOldBytes));
  const std::string path = c.prepare(folder);
  const std::set<std::string> before = test::Listing(folder.Path());

  ChildOutcome outcome = SaveInChild(path, test::LongTextModel(), c.mode);
  if (outcome.skipped) GTEST_SKIP() << "the child could not take the conditions of " << c.name;

  EXPECT_FALSE(outcome.saved);
  EXPECT_TRUE(Contains(outcome.message, "\"" + path + "\"")) << outcome.message;
  EXPECT_TRUE(Contains(outcome.message, c.reason)) << outcome.message;
  EXPECT_EQ(ReadBytes(folder / "old.kvr"), kOldBytes);
  EXPECT_EQ(test::Listing(folder.Path()), before);  // no temporary file left
}

INSTANTIATE_TEST_SUITE_P(
    RealDisk, FailedSaveTest,
    testing::Values(
        FailedSaveCase{"readOnlyFolder",
                       [](const TempFolder& f) {
                         ::chmod(f.Path().c_str(), 0555);
                         return f / "old.kvr";
                       },
                       ChildMode::Unprivileged, "Permission denied"},
        FailedSaveCase{"targetIsFolder",
                       [](const TempFolder& f) {
                         ::mkdir((f / "model.kvr").c_str(), 0755);
                         WriteBytes(f / "model.kvr/inside", kOldBytes);
                         return f / "model.kvr";
                       },
                       ChildMode::Plain, "is a folder"},
        FailedSaveCase{"nameTooLong",
                       [](const TempFolder& f) { return f / (std::string(300, 'n') + ".kvr"); },
                       ChildMode::Plain, "File name too long"},
        FailedSaveCase{"missingFolder", [](const TempFolder& f) { return f / "none/model.kvr"; },
                       ChildMode::Plain, "No such file or directory"},
        FailedSaveCase{"diskFillsDuringWrite", [](const TempFolder& f) { return f / "old.kvr"; },
                       ChildMode::SmallFileLimit, "File too large"},
        FailedSaveCase{"hardLinkDiskFills",
                       [](const TempFolder& f) {
                         ::link((f / "old.kvr").c_str(), (f / "other.kvr").c_str());
                         return f / "other.kvr";
                       },
                       ChildMode::SmallFileLimit, "File too large"}),
    [](const testing::TestParamInfo<FailedSaveCase>& info) { return info.param.name; });

// A disk that fails one step of a save on request and otherwise passes
// every call to the real one, counting open descriptors.
class FaultyDisk : public FileSystem {
 public:
  enum class Step { None, OpenTemp, Write, WriteNothing, Fsync, Close, Rename };
  Step failAt = Step::None;
  int error = EIO;
  std::set<int> open;
  int writes = 0;
  std::vector<int> openFlags;
  std::vector<unsigned> createModes;

  int Open(const std::string& path, int flags, unsigned mode) override {
    openFlags.push_back(flags);
    if (flags & O_CREAT) createModes.push_back(mode);
    if (failAt == Step::OpenTemp && (flags & O_CREAT)) return Fail();
    int fd = real_.Open(path, flags, mode);
    if (fd >= 0) open.insert(fd);
    return fd;
  }
  long Read(int fd, void* buffer, std::size_t size) override {
    return real_.Read(fd, buffer, size);
  }
  long Write(int fd, const void* data, std::size_t size) override {
    ++writes;
    if (failAt == Step::WriteNothing) return 0;
    if (failAt == Step::Write) {
      // Half of the data reaches the disk, then the disk is full.
      if (writes == 1 && size > 1) return real_.Write(fd, data, size / 2);
      return Fail();
    }
    return real_.Write(fd, data, size);
  }
  int Fsync(int fd) override { return failAt == Step::Fsync ? Fail() : real_.Fsync(fd); }
  int Close(int fd) override {
    open.erase(fd);
    int result = real_.Close(fd);
    return failAt == Step::Close ? Fail() : result;
  }
  int Rename(const std::string& from, const std::string& to) override {
    return failAt == Step::Rename ? Fail() : real_.Rename(from, to);
  }
  int Unlink(const std::string& path) override { return real_.Unlink(path); }
  int StatOpen(int fd, FileInfo& info) override { return real_.StatOpen(fd, info); }
  int StatPath(const std::string& path, FileInfo& info) override {
    return real_.StatPath(path, info);
  }

 private:
  int Fail() {
    errno = error;
    return -1;
  }
  FileSystem& real_ = SystemFileSystem();
};

struct StepCase {
  const char* name;
  FaultyDisk::Step step;
  int error;
};

// Names the row in test listings instead of dumping its bytes.
void PrintTo(const StepCase& row, std::ostream* os) {
  *os << row.name;
}

class FailedStepTest : public testing::TestWithParam<StepCase> {};

TEST_P(FailedStepTest, EachStepFailingKeepsTheOldFile) {
  const StepCase& c = GetParam();
  TempFolder folder;
  const std::string path = folder / "model.kvr";
  ASSERT_TRUE(WriteBytes(path, kOldBytes));
  const std::set<std::string> before = test::Listing(folder.Path());
  FaultyDisk disk;
  disk.failAt = c.step;
  disk.error = c.error;

  std::string message;
  EXPECT_FALSE(SaveModelFile(path, test::WorkshopModel(), message, disk));
  EXPECT_TRUE(Contains(message, "\"" + path + "\"")) << message;
  EXPECT_TRUE(Contains(message, std::strerror(c.error))) << message;
  EXPECT_EQ(ReadBytes(path), kOldBytes);
  EXPECT_EQ(test::Listing(folder.Path()), before);
  EXPECT_TRUE(disk.open.empty()) << "a descriptor was left open";
}

INSTANTIATE_TEST_SUITE_P(
    Seam, FailedStepTest,
    testing::Values(StepCase{"openTemporary", FaultyDisk::Step::OpenTemp, EMFILE},
                    StepCase{"writeHalfThenFull", FaultyDisk::Step::Write, ENOSPC},
                    StepCase{"writeNothing", FaultyDisk::Step::WriteNothing, ENOSPC},
                    StepCase{"fsync", FaultyDisk::Step::Fsync, EIO},
                    StepCase{"close", FaultyDisk::Step::Close, EDQUOT},
                    StepCase{"rename", FaultyDisk::Step::Rename, EXDEV}),
    [](const testing::TestParamInfo<StepCase>& info) { return info.param.name; });

TEST(SaveFile, ReplacesOldFileKeepingItsPermissions) {
  TempFolder folder;
  const std::string path = folder / "model.kvr";
  ASSERT_TRUE(WriteBytes(path, kOldBytes));
  ASSERT_EQ(::chmod(path.c_str(), 0640), 0);
  std::string message;
  const Model doc = test::WorkshopModel();
  ASSERT_TRUE(SaveModelFile(path, doc, message)) << message;
  EXPECT_EQ(ReadBytes(path), EncodeModel(doc));
  struct stat st {};
  ASSERT_EQ(::stat(path.c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 0777, 0640u);
  EXPECT_EQ(test::Listing(folder.Path()), std::set<std::string>{"model.kvr"});
}

constexpr unsigned kNobody = 65534;
constexpr unsigned kStaff = 50;

struct KeepCase {
  const char* name;
  unsigned owner, group, mode;  // of the old file
  bool hardLink;                // a second name "twin.kvr" shares the file
  bool inPlace;                 // written in place: the file keeps its inode
  ChildMode mode_;
  unsigned wantMode;
};

void PrintTo(const KeepCase& row, std::ostream* os) {
  *os << row.name;
}

class KeepTest : public testing::TestWithParam<KeepCase> {};

// A save keeps what the user had: owner, group, permissions without set-id
// bits, every name of the file, and works in a folder nobody may write to.
TEST_P(KeepTest, SaveKeepsTheFileAsTheUserHadIt) {
  const KeepCase& c = GetParam();
  TempFolder folder;
  const std::string path = folder / "model.kvr";
  ASSERT_TRUE(WriteBytes(path, kOldBytes));
  ASSERT_EQ(::chown(path.c_str(), c.owner, c.group), 0);
  ASSERT_EQ(::chmod(path.c_str(), c.mode), 0);
  if (c.hardLink) ASSERT_EQ(::link(path.c_str(), (folder / "twin.kvr").c_str()), 0);
  struct stat before {};
  ASSERT_EQ(::stat(path.c_str(), &before), 0);

  const Model doc = test::WorkshopModel();
  ChildOutcome outcome = SaveInChild(path, doc, c.mode_);
  if (outcome.skipped) GTEST_SKIP() << "the child could not drop its rights";
  ASSERT_TRUE(outcome.saved) << outcome.message;
  EXPECT_EQ(ReadBytes(path), EncodeModel(doc));
  struct stat st {};
  ASSERT_EQ(::stat(path.c_str(), &st), 0);
  EXPECT_EQ(st.st_uid, c.owner);
  EXPECT_EQ(st.st_gid, c.group);
  EXPECT_EQ(st.st_mode & 07777, c.wantMode);
  if (c.inPlace) EXPECT_EQ(st.st_ino, before.st_ino);
  if (c.hardLink) EXPECT_EQ(ReadBytes(folder / "twin.kvr"), EncodeModel(doc));
}

INSTANTIATE_TEST_SUITE_P(
    RealDisk, KeepTest,
    testing::Values(
        KeepCase{"groupOfAnotherUser", 0, kStaff, 0640, false, false, ChildMode::Plain, 0640},
        KeepCase{"ownerOfAnotherUser", kNobody, kStaff, 0664, false, false, ChildMode::Plain, 0664},
        KeepCase{"setIdBitsDropped", 0, 0, 06755, false, false, ChildMode::Plain, 0755},
        KeepCase{"hardLinkWrittenInPlace", 0, 0, 0644, true, true, ChildMode::Plain, 0644},
        KeepCase{"folderNotWritable", kNobody, kNobody, 0600, false, true, ChildMode::Unprivileged,
                 0600}),
    [](const testing::TestParamInfo<KeepCase>& info) { return info.param.name; });

TEST(SaveFile, TemporaryFileIsCreatedWithTheFinalMode) {
  TempFolder folder;
  const std::string path = folder / "model.kvr";
  ASSERT_TRUE(WriteBytes(path, kOldBytes));
  ASSERT_EQ(::chmod(path.c_str(), 0600), 0);
  FaultyDisk disk;
  std::string message;
  ASSERT_TRUE(SaveModelFile(path, test::WorkshopModel(), message, disk)) << message;
  EXPECT_EQ(disk.createModes, std::vector<unsigned>{0600});
}

struct QuestionCase {
  const char* name;
  unsigned owner, mode;
  bool readOnly, ownerChanges;
};

// What nobody is asked before saving over a file in a folder open to all.
TEST(SaveFile, QuestionsBeforeSavingOver) {
  const QuestionCase cases[] = {{"ownWritable", kNobody, 0644, false, false},
                                {"ownReadOnly", kNobody, 0444, true, false},
                                {"othersWritable", 0, 0666, false, true}};
  for (const QuestionCase& c : cases) {
    TempFolder folder;
    ::chmod(folder.Path().c_str(), 0777);
    const std::string path = folder / "m.kvr";
    ASSERT_TRUE(WriteBytes(path, kOldBytes));
    ASSERT_EQ(::chown(path.c_str(), c.owner, c.owner), 0);
    ASSERT_EQ(::chmod(path.c_str(), c.mode), 0);
    ChildOutcome got = RunInChild(ChildMode::Unprivileged, [&] {
      const SaveQuestions q = CheckSaveOver(path);
      return std::string("1") + (q.readOnly ? "r" : "-") + (q.ownerChanges ? "o" : "-");
    });
    if (got.skipped) GTEST_SKIP() << "the child could not drop its rights";
    EXPECT_EQ(got.message, std::string(c.readOnly ? "r" : "-") + (c.ownerChanges ? "o" : "-"))
        << c.name;
  }
}

TEST(SaveFile, SymbolicLinkIsFollowed) {
  TempFolder folder;
  ASSERT_TRUE(WriteBytes(folder / "real.kvr", kOldBytes));
  ASSERT_EQ(::symlink("real.kvr", (folder / "link.kvr").c_str()), 0);
  std::string message;
  ASSERT_TRUE(SaveModelFile(folder / "link.kvr", Model(), message)) << message;
  struct stat st {};
  ASSERT_EQ(::lstat((folder / "link.kvr").c_str(), &st), 0);
  EXPECT_TRUE(S_ISLNK(st.st_mode));
  EXPECT_EQ(ReadBytes(folder / "real.kvr").size(), 471u);
}

TEST(SaveFile, ShortWritesStillWriteEverything) {
  class OneByteDisk : public FaultyDisk {
   public:
    long Write(int fd, const void* data, std::size_t) override {
      return FaultyDisk::Write(fd, data, 1);
    }
  };
  TempFolder folder;
  OneByteDisk disk;
  std::string message;
  const Model doc = test::WorkshopModel();
  ASSERT_TRUE(SaveModelFile(folder / "m.kvr", doc, message, disk)) << message;
  EXPECT_EQ(ReadBytes(folder / "m.kvr"), EncodeModel(doc));
  EXPECT_EQ(disk.writes, static_cast<int>(EncodeModel(doc).size()));
}

struct LoadCase {
  const char* name;
  std::function<std::string(const TempFolder&)> prepare;
  bool loads;
  const char* exactMessage;  // null: the message names the file instead
  const char* reason;
};

// Names the row in test listings instead of dumping its bytes.
void PrintTo(const LoadCase& row, std::ostream* os) {
  *os << row.name;
}

class LoadFileTest : public testing::TestWithParam<LoadCase> {};

TEST_P(LoadFileTest, ResultAndMessage) {
  const LoadCase& c = GetParam();
  TempFolder folder;
  const std::string path = c.prepare(folder);
  Model doc;
  std::string message;
  EXPECT_EQ(LoadModelFile(path, doc, message), c.loads) << message;
  if (c.loads) {
    EXPECT_EQ(doc.xLabel, "chairs");
    return;
  }
  EXPECT_EQ(EncodeModel(doc), EncodeModel(Model()));
  if (c.exactMessage != nullptr) {
    EXPECT_EQ(message, c.exactMessage);
  } else {
    EXPECT_TRUE(Contains(message, "\"" + path + "\"")) << message;
    EXPECT_TRUE(Contains(message, c.reason)) << message;
  }
}

std::string Saved(const TempFolder& f, const Bytes& bytes) {
  WriteBytes(f / "m.kvr", bytes);
  return f / "m.kvr";
}

INSTANTIATE_TEST_SUITE_P(
    Files, LoadFileTest,
    testing::Values(
        LoadCase{"valid",
                 [](const TempFolder& f) { return Saved(f, EncodeModel(test::WorkshopModel())); },
                 true, nullptr, ""},
        LoadCase{"wrongMagic",
                 [](const TempFolder& f) {
                   return Saved(f, test::WithMagic(EncodeModel(test::WorkshopModel()),
                                                   test::StringRecord("KVR2.5 ")));
                 },
                 false, "This file is not in KVR format.\nPlease click OK to cancel.", ""},
        LoadCase{"truncated",
                 [](const TempFolder& f) {
                   Bytes b = EncodeModel(test::WorkshopModel());
                   b.resize(100);
                   return Saved(f, b);
                 },
                 false, "Unexpected file format.", ""},
        LoadCase{"empty", [](const TempFolder& f) { return Saved(f, {}); }, false,
                 "Unexpected file format.", ""},
        LoadCase{"missing", [](const TempFolder& f) { return f / "absent.kvr"; }, false, nullptr,
                 "No such file or directory"},
        LoadCase{"folder",
                 [](const TempFolder& f) {
                   ::mkdir((f / "d.kvr").c_str(), 0755);
                   return f / "d.kvr";
                 },
                 false, nullptr, "is a folder"},
        LoadCase{"namedPipe",
                 [](const TempFolder& f) {
                   ::mkfifo((f / "p.kvr").c_str(), 0644);
                   return f / "p.kvr";
                 },
                 false, nullptr, "not a regular file"}),
    [](const testing::TestParamInfo<LoadCase>& info) { return info.param.name; });

TEST(LoadFile, NeverOpensForWritingNorWrites) {
  TempFolder folder;
  const Bytes bytes = EncodeModel(test::WorkshopModel());
  ASSERT_TRUE(WriteBytes(folder / "m.kvr", bytes));
  struct stat st {};
  ASSERT_EQ(::stat((folder / "m.kvr").c_str(), &st), 0);
  FaultyDisk disk;
  Model doc;
  std::string message;
  ASSERT_TRUE(LoadModelFile(folder / "m.kvr", doc, message, disk)) << message;
  EXPECT_EQ(disk.writes, 0);
  ASSERT_FALSE(disk.openFlags.empty());
  for (int flags : disk.openFlags) {
    EXPECT_EQ(flags & O_ACCMODE, O_RDONLY);
    EXPECT_EQ(flags & (O_CREAT | O_TRUNC | O_APPEND), 0);
  }
  EXPECT_TRUE(disk.open.empty());
  struct stat after {};
  ASSERT_EQ(::stat((folder / "m.kvr").c_str(), &after), 0);
  EXPECT_EQ(after.st_mtim.tv_sec, st.st_mtim.tv_sec);
  EXPECT_EQ(after.st_mtim.tv_nsec, st.st_mtim.tv_nsec);
  EXPECT_EQ(ReadBytes(folder / "m.kvr"), bytes);
}

TEST(LoadFile, ReadErrorNamesTheFileAndKeepsTheDocument) {
  class BrokenReadDisk : public FaultyDisk {
   public:
    long Read(int, void*, std::size_t) override {
      errno = EIO;
      return -1;
    }
  };
  TempFolder folder;
  ASSERT_TRUE(WriteBytes(folder / "m.kvr", EncodeModel(test::WorkshopModel())));
  BrokenReadDisk disk;
  Model doc;
  std::string message;
  EXPECT_FALSE(LoadModelFile(folder / "m.kvr", doc, message, disk));
  EXPECT_TRUE(Contains(message, "\"" + (folder / "m.kvr") + "\"")) << message;
  EXPECT_TRUE(Contains(message, std::strerror(EIO))) << message;
  EXPECT_EQ(doc.xLabel, "");
  EXPECT_TRUE(disk.open.empty());
}

}  // namespace
}  // namespace tessaro
