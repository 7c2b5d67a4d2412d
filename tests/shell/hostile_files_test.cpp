// Files that are no text this program wrote: each is refused with a German
// reason, quickly and without reading more than the size limit, or loaded
// as it stands; none blocks or ends the program.

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "file_test_folder.h"
#include "shell/codepage.h"
#include "shell/settingsfiles.h"

namespace lumatik {
namespace {

namespace fs = std::filesystem;

class HostileFiles : public testing::FileTest {
 protected:
  void TearDown() override {
    SetBetweenReadBlocksHook(nullptr);
    FileTest::TearDown();
  }

  // The reason for refusing the file, or "geladen" with the lines kept.
  std::string Outcome(const std::string& path) {
    lines = {"vorher"};
    std::string refusal;
    if (ReadTextLines(path, lines, &refusal)) return "geladen";
    EXPECT_EQ(lines, std::vector<std::string>{"vorher"}) << "a refused file leaves the lines";
    return Cp1252ToUtf8(refusal);
  }

  std::vector<std::string> lines;
};

TEST_F(HostileFiles, BigFilesAreRefusedUnread) {
  // A sparse file of 100 MB: its size is all the reader may look at.
  const std::string path = Write("riesig.txt", "");
  fs::resize_file(path, 100u * 1024 * 1024);
  EXPECT_EQ(Outcome(path), "Die Datei ist zu groß (mehr als 4 MB).");
}

TEST_F(HostileFiles, ALineLongerThanAnyTermIsRefusedByNumber) {
  const std::string longest(kLongestTextLine, '1');
  EXPECT_EQ(Outcome(Write("grenze.txt", "x\n" + longest + "\n")), "geladen");
  EXPECT_EQ(lines.at(1).size(), kLongestTextLine);
  EXPECT_EQ(Outcome(Write("lang.txt", "x\n" + longest + "1\n")),
            "Zeile 2 ist zu lang (mehr als 100000 Zeichen).");
}

TEST_F(HostileFiles, BinaryDataIsNoTextButInvalidUtf8IsReadAsWindows1252) {
  EXPECT_EQ(Outcome(Write("bild.bmp", std::string("BM\x36\0\0\0\x01\x02", 8))), "Das ist keine Textdatei.");
  // A lone continuation byte, a cut sequence and an overlong form.
  EXPECT_EQ(Outcome(Write("ansi.txt", "\x80 Euro\n\xC3\n\xC0\xAF\n")), "geladen");
  EXPECT_EQ(lines, (std::vector<std::string>{"\x80 Euro", "\xC3", "\xC0\xAF"}));
}

TEST_F(HostileFiles, FoldersMissingAndUnreadableFilesAreNamedSo) {
  fs::create_directory(folder / "ordner");
  EXPECT_EQ(Outcome((folder / "ordner").string()), "Das ist ein Ordner, keine Datei.");
  EXPECT_EQ(Outcome((folder / "fehlt.txt").string()), "Die Datei gibt es nicht.");
  // The kernel lists this file as a regular one but refuses to read it
  // from its start, whoever asks (even root).
  fs::create_symlink("/proc/self/mem", folder / "speicher.txt");
  EXPECT_EQ(Outcome((folder / "speicher.txt").string()), "Die Datei kann nicht gelesen werden.");
}

TEST_F(HostileFiles, AFileWithoutReadPermissionIsUnreadable) {
  if (::geteuid() == 0) GTEST_SKIP() << "root reads every file";
  const std::string path = Write("geheim.txt", "x^2\n");
  fs::permissions(path, fs::perms::none);
  EXPECT_EQ(Outcome(path), "Die Datei kann nicht gelesen werden.");
}

TEST_F(HostileFiles, AFifoAndADeviceAreRefusedWithoutWaiting) {
  const fs::path fifo = folder / "rohr";
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  EXPECT_EQ(Outcome(fifo.string()), "Das ist keine gewöhnliche Datei.");
  fs::create_symlink("/dev/zero", folder / "null.txt");
  EXPECT_EQ(Outcome((folder / "null.txt").string()), "Das ist keine gewöhnliche Datei.");
}

TEST_F(HostileFiles, AFileCutShortOrGrowingWhileReadIsRefused) {
  const std::string shrinking = Write("schrumpft.txt", std::string(200000, 'x').replace(0, 1, "\n"));
  SetBetweenReadBlocksHook([&] { fs::resize_file(shrinking, 10); });
  EXPECT_EQ(Outcome(shrinking), "Die Datei hat sich beim Lesen verändert.");
  const std::string growing = Write("waechst.txt", std::string(100000, '\n'));
  SetBetweenReadBlocksHook([&] { std::ofstream(growing, std::ios::app) << "noch mehr\n"; });
  EXPECT_EQ(Outcome(growing), "Die Datei hat sich beim Lesen verändert.");
}

TEST_F(HostileFiles, AFileDeletedWhileReadIsReadToItsEnd) {
  // The open file keeps its content until it is closed.
  const std::string path = Write("verschwindet.txt", std::string(100000, '\n') + "x^2\n");
  SetBetweenReadBlocksHook([&] { fs::remove(path); });
  EXPECT_EQ(Outcome(path), "geladen");
  EXPECT_EQ(lines.size(), 100001u);
  EXPECT_EQ(lines.back(), "x^2");
}

}  // namespace
}  // namespace lumatik
