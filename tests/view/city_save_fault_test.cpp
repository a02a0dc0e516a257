// The city file's save under real faults, each in a child process: a file
// size limit, a full disk (a small tmpfs) and a process killed while it
// writes. Each must leave the old file byte for byte.
#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>
#include <chrono>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>

#ifdef __linux__
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
enum ChildStatus : int { kKept, kReportedOk, kChanged, kLeftover, kSetupFailed, kNoMount = 77 };

// 11,200 bytes, unlike the new file's in every byte.
std::string OldFile() {
  std::string s;
  for (int i = 0; i < 400; ++i) s += "048.857 -002.351 0 0 Paris\r\n";
  return s;
}

std::string ReadAll(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

// Mounts a 64 KiB tmpfs on `folder` in a private mount namespace (a user
// namespace too when not root), so that nothing outside the child sees it.
bool MountSmallTmpfs(const std::string& folder) {
  if (::unshare(CLONE_NEWNS) != 0) {
    const std::string uid = std::to_string(::getuid()), gid = std::to_string(::getgid());
    if (::unshare(CLONE_NEWUSER | CLONE_NEWNS) != 0) return false;
    std::ofstream("/proc/self/setgroups") << "deny";
    if (!(std::ofstream("/proc/self/uid_map") << "0 " + uid + " 1" << std::flush) ||
        !(std::ofstream("/proc/self/gid_map") << "0 " + gid + " 1" << std::flush)) {
      return false;
    }
  }
  return ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) == 0 &&
         ::mount("tmpfs", folder.c_str(), "tmpfs", 0, "size=64k,mode=0700") == 0;
}

int WaitFor(pid_t child) {
  int status = 0;
  if (::waitpid(child, &status, 0) != child) return -1;
  return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}

// Faults: a short write taken for success, the old file truncated first, a temporary left behind.
TEST(CitySaveFaultTest, AFileSizeLimitOrAFullDiskKeepsTheOldFile) {
  for (const bool full_disk : {false, true}) {
    SCOPED_TRACE(full_disk ? "full disk" : "size limit");
    QTemporaryDir dir;
    const std::string folder = dir.path().toStdString(), path = folder + "/Villes.txt";
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
      // Writes past 32 KiB fail with EFBIG instead of killing the process.
      std::signal(SIGXFSZ, SIG_IGN);
      const rlimit limit{32 * 1024, 32 * 1024};
      if (full_disk ? !MountSmallTmpfs(folder) : ::setrlimit(RLIMIT_FSIZE, &limit) != 0) _exit(kNoMount);
      if (!(std::ofstream(path, std::ios::binary) << OldFile()) || ReadAll(path) != OldFile()) _exit(kSetupFailed);
      // 11 KiB old file, 200 KiB new one: the write fails midway.
      if (WriteCityFileAt(QString::fromStdString(path), std::string(200 * 1024, 'x'))) _exit(kReportedOk);
      if (ReadAll(path) != OldFile()) _exit(kChanged);
      _exit(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size() == 1 ? kKept : kLeftover);
    }
    const int status = WaitFor(child);
    if (full_disk && status == kNoMount) GTEST_SKIP() << "no tmpfs can be mounted here";
    EXPECT_EQ(status, kKept);
  }
}

// Fault: the new bytes written over the old file in place.
TEST(CitySaveFaultTest, AProcessKilledWhileItWritesKeepsTheOldFile) {
  QTemporaryDir dir;
  const std::string folder = dir.path().toStdString(), path = folder + "/Villes.txt";
  std::ofstream(path, std::ios::binary) << OldFile();
  constexpr std::size_t kNewSize = std::size_t{128} << 20;  // long enough to be caught midway
  const pid_t child = ::fork();
  ASSERT_GE(child, 0);
  if (child == 0) _exit(WriteCityFileAt(QString::fromStdString(path), std::string(kNewSize, 'x')) ? 1 : 2);
  // The size of the child's temporary file (named or unnamed, seen through
  // its open files), 0 until it holds some bytes.
  const auto temporary_size = [&]() -> long long {
    std::error_code error;
    for (const auto& fd : std::filesystem::directory_iterator("/proc/" + std::to_string(child) + "/fd", error)) {
      const std::string name = std::filesystem::read_symlink(fd.path(), error).string();
      struct stat st {};
      if (!error && name.rfind(folder + "/", 0) == 0 && name != path && ::stat(fd.path().c_str(), &st) == 0) {
        return st.st_size;
      }
    }
    return 0;
  };
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
  while (temporary_size() == 0 && std::chrono::steady_clock::now() < deadline) {
    std::this_thread::sleep_for(std::chrono::microseconds(50));
  }
  ::kill(child, SIGSTOP);
  const long long written = temporary_size();
  ::kill(child, SIGKILL);
  EXPECT_EQ(WaitFor(child), 128 + SIGKILL);
  EXPECT_GT(written, 0);
  EXPECT_LT(written, static_cast<long long>(kNewSize));  // killed in the middle, not after
  EXPECT_EQ(ReadAll(path), OldFile());
}

#endif

}  // namespace
}  // namespace pellamar
