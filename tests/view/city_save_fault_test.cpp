// The city file's save under real faults, each in a child process: a full
// disk (a small tmpfs), a file size limit, and a process killed while it
// writes. Each must leave the old file byte for byte.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <chrono>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>

#ifdef __linux__
#include <fcntl.h>
#include <sched.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

#include "places/view/city_file_io.h"

namespace pellamar {
namespace {

#ifdef __linux__

// What a child reports through its exit status.
enum ChildStatus : int {
  kKept = 0,         // the save failed and the old file is byte-identical
  kReportedOk = 1,   // the save claimed success
  kChanged = 2,      // the old file differs
  kLeftover = 3,     // a temporary file stayed behind after a reported failure
  kSetupFailed = 4,  // the old file could not be laid down
  kNoMount = 77,     // no tmpfs could be mounted here
};

// Old and new contents that differ in every byte and in size.
std::string OldFile() {
  std::string s;
  for (int i = 0; i < 400; ++i) s += "048.857 -002.351 0 0 Paris\r\n";  // 11,200 bytes
  return s;
}
std::string NewFile(std::size_t size) { return std::string(size, 'x'); }

std::string ReadAll(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

// In the child: lays down the old file, saves `size` new bytes over it and
// reports what became of the old one.
[[noreturn]] void SaveAndReport(const std::string& folder, std::size_t size) {
  const std::string path = folder + "/Villes.txt";
  if (!(std::ofstream(path, std::ios::binary) << OldFile()) || ReadAll(path) != OldFile()) _exit(kSetupFailed);
  const bool ok = WriteCityFileAt(QString::fromStdString(path), NewFile(size));
  if (ok) _exit(kReportedOk);
  if (ReadAll(path) != OldFile()) _exit(kChanged);
  if (QDir(QString::fromStdString(folder)).entryList(QDir::Files | QDir::Hidden).size() != 1) _exit(kLeftover);
  _exit(kKept);
}

// Mounts a 64 KiB tmpfs on `folder` in a private mount namespace (a user
// namespace too when not root), so that nothing outside the child sees it.
bool MountSmallTmpfs(const std::string& folder) {
  if (::unshare(CLONE_NEWNS) != 0) {
    const uid_t uid = ::getuid();
    const gid_t gid = ::getgid();
    if (::unshare(CLONE_NEWUSER | CLONE_NEWNS) != 0) return false;
    const auto put = [](const char* file, const std::string& text) {
      std::ofstream out(file);
      return static_cast<bool>(out << text << std::flush);
    };
    put("/proc/self/setgroups", "deny");
    if (!put("/proc/self/uid_map", "0 " + std::to_string(uid) + " 1") ||
        !put("/proc/self/gid_map", "0 " + std::to_string(gid) + " 1")) {
      return false;
    }
  }
  if (::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0) return false;
  return ::mount("tmpfs", folder.c_str(), "tmpfs", 0, "size=64k,mode=0700") == 0;
}

int WaitFor(pid_t child) {
  int status = 0;
  if (::waitpid(child, &status, 0) != child) return -1;
  return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}

TEST(CitySaveFaultTest, AFullDiskKeepsTheOldFile) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  const std::string folder = dir.path().toStdString();
  const pid_t child = ::fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    if (!MountSmallTmpfs(folder)) _exit(kNoMount);
    // 11 KiB old file, 200 KiB new one: the disk fills midway through.
    SaveAndReport(folder, 200 * 1024);
  }
  const int status = WaitFor(child);
  if (status == kNoMount) GTEST_SKIP() << "no tmpfs can be mounted here";
  EXPECT_EQ(status, kKept);
  // The tmpfs lived only in the child's namespace: nothing was written here.
  EXPECT_TRUE(QDir(dir.path()).isEmpty());
}

TEST(CitySaveFaultTest, AFileSizeLimitKeepsTheOldFile) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  const pid_t child = ::fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    // Writes past 32 KiB fail with EFBIG instead of killing the process.
    std::signal(SIGXFSZ, SIG_IGN);
    const std::string folder = dir.path().toStdString();
    const rlimit limit{32 * 1024, 32 * 1024};
    if (::setrlimit(RLIMIT_FSIZE, &limit) != 0) _exit(kSetupFailed);
    SaveAndReport(folder, 100 * 1024);
  }
  EXPECT_EQ(WaitFor(child), kKept);
  EXPECT_EQ(ReadAll(dir.filePath("Villes.txt").toStdString()), OldFile());
}

TEST(CitySaveFaultTest, AProcessKilledWhileItWritesKeepsTheOldFile) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  const std::string path = dir.filePath("Villes.txt").toStdString();
  {
    std::ofstream out(path, std::ios::binary);
    out << OldFile();
  }
  constexpr std::size_t kNewSize = std::size_t{128} << 20;  // long enough to be caught midway
  const pid_t child = ::fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    const bool ok = WriteCityFileAt(QString::fromStdString(path), NewFile(kNewSize));
    _exit(ok ? kReportedOk : kChanged);
  }
  // Stop the child as soon as its temporary file (named or unnamed, seen
  // through the child's open files) holds some bytes, check that the write
  // is under way, then kill it.
  const std::filesystem::path fds = "/proc/" + std::to_string(child) + "/fd";
  const auto temporary_size = [&]() -> long long {
    std::error_code error;
    for (const auto& fd : std::filesystem::directory_iterator(fds, error)) {
      const std::string name = std::filesystem::read_symlink(fd.path(), error).string();
      struct stat st {};
      if (!error && name.rfind(dir.path().toStdString() + "/", 0) == 0 && name != path &&
          ::stat(fd.path().c_str(), &st) == 0) {
        return st.st_size;
      }
    }
    return 0;
  };
  long long written = 0;
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
  while (written == 0 && std::chrono::steady_clock::now() < deadline) {
    written = temporary_size();
    if (written == 0) std::this_thread::sleep_for(std::chrono::microseconds(50));
  }
  ::kill(child, SIGSTOP);
  written = temporary_size();
  ::kill(child, SIGKILL);
  EXPECT_EQ(WaitFor(child), 128 + SIGKILL);
  EXPECT_GT(written, 0);
  EXPECT_LT(written, static_cast<long long>(kNewSize));  // killed in the middle, not after
  EXPECT_EQ(ReadAll(path), OldFile());
}

#endif

}  // namespace
}  // namespace pellamar
