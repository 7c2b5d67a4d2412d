// Saving replaces a file only once the new version is complete on disk: a
// save that fails or is cut off half-way leaves the old file as it was.

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>
#include <fstream>

#include "file_test_folder.h"
#include "shell/settingsfiles.h"

namespace lumatik {
namespace {

namespace fs = std::filesystem;

class AtomicSave : public testing::FileTest {
 protected:
  void SetUp() override {
    FileTest::SetUp();
    path = (folder / "liste.txt").string();
    ASSERT_TRUE(WriteTextLinesAtomically(path, {"alt", "x^2"}));
  }

  // Saves 1 MB in a child that may write 64 KB, as on a full disk: `killed`, it
  // dies of the limit's signal half-way, else the save fails. The wait status.
  int SaveCutOffInAChild(bool killed) {
    const pid_t child = ::fork();
    if (child == 0) {
      const struct rlimit limit = {65536, 65536}, noCore = {0, 0};
      ::setrlimit(RLIMIT_FSIZE, &limit);
      ::setrlimit(RLIMIT_CORE, &noCore);
      std::signal(SIGXFSZ, killed ? SIG_DFL : SIG_IGN);
      ::_exit(WriteTextLinesAtomically(path, std::vector<std::string>(100, std::string(10000, 'n'))) ? 0 : 3);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    return status;
  }

  std::string path;
};

TEST_F(AtomicSave, ASaveKilledHalfWayLeavesTheOldFileIntact) {
  const int status = SaveCutOffInAChild(true);
  ASSERT_TRUE(WIFSIGNALED(status));
  EXPECT_EQ(WTERMSIG(status), SIGXFSZ);
  EXPECT_EQ(Bytes(path), "alt\nx^2\n");
}

TEST_F(AtomicSave, AFailedWriteIsReportedAndLeavesNoTemporaryFile) {
  const int status = SaveCutOffInAChild(false);
  ASSERT_TRUE(WIFEXITED(status));
  EXPECT_EQ(WEXITSTATUS(status), 3) << "the save must report the failure";
  EXPECT_EQ(Bytes(path), "alt\nx^2\n");
  EXPECT_EQ(FilesInFolder(), 1u);
}

TEST_F(AtomicSave, AFolderInThePlaceOfTheFileStays) {
  const std::string target = (folder / "ordner").string();
  fs::create_directory(target);
  EXPECT_FALSE(WriteTextLinesAtomically(target, {"x"}));
  EXPECT_TRUE(fs::is_directory(target));
  EXPECT_FALSE(WriteTextLinesAtomically((folder / "fehlt" / "liste.txt").string(), {"x"}));
  EXPECT_EQ(FilesInFolder(), 2u);
}

// A file named as the temporary one is no temporary file of this save.
TEST_F(AtomicSave, TheReplacedFileKeepsItsPermissionsALinkStaysAndOtherFilesStay) {
  const fs::perms kept = fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read;
  fs::permissions(path, kept);
  std::ofstream(path + ".tmp") << "fremd";
  ASSERT_TRUE(WriteTextLinesAtomically(path, {"neu"}));
  EXPECT_EQ(fs::status(path).permissions(), kept);
  EXPECT_EQ(Bytes(path + ".tmp"), "fremd");
  const fs::path link = folder / "verweis.txt";
  fs::create_symlink(path, link);
  ASSERT_TRUE(WriteTextLinesAtomically(link.string(), {"neuer"}));
  EXPECT_TRUE(fs::is_symlink(link));
  EXPECT_EQ(Bytes(path), "neuer\n");
}

TEST_F(AtomicSave, AReadOnlyFileIsNotReplaced) {
  if (::geteuid() == 0) GTEST_SKIP() << "root may write every file";
  fs::permissions(path, fs::perms::owner_read);
  EXPECT_FALSE(WriteTextLinesAtomically(path, {"neu"}));
  EXPECT_EQ(Bytes(path), "alt\nx^2\n");
}

}  // namespace
}  // namespace lumatik
