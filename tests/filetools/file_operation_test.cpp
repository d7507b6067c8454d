#include "filetools/file_operation.h"

#include <gtest/gtest.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

#include <deque>
#include <filesystem>

#include "filetools/filetools_fixture.h"
#include "support/temp_home.h"

namespace lumidex {
namespace {

namespace fs = std::filesystem;
using Overwrite = FileOperationPrompts::Overwrite;

// Answers the questions from queues and records them.
class ScriptedPrompts : public FileOperationPrompts {
 public:
  std::deque<Overwrite> overwrite;
  bool goOn = true;
  std::vector<std::string> asked;

  Overwrite AskOverwrite(const std::string& message, const std::string&) override {
    asked.push_back(message);
    if (overwrite.empty()) return Overwrite::kCancel;
    const Overwrite answer = overwrite.front();
    overwrite.pop_front();
    return answer;
  }
  bool AskContinue(const std::string& message, const std::string&) override {
    asked.push_back(message);
    return goOn;
  }
};

// A small tmpfs of its own (another file system, or a full or read-only
// disk); unavailable() when it cannot be mounted here.
class ScratchMount {
 public:
  ScratchMount(const std::string& path, const char* options, unsigned long flags = 0)
      : path_(path) {
    fs::create_directories(path);
    mounted_ = ::mount("tmpfs", path.c_str(), "tmpfs", flags, options) == 0;
  }
  ~ScratchMount() {
    if (mounted_) ::umount2(path_.c_str(), MNT_DETACH);
  }
  bool unavailable() const { return !mounted_; }

 private:
  std::string path_;
  bool mounted_ = false;
};

class FileOperationTest : public ::testing::Test {
 protected:
  testing::TempHome home;
  ScriptedPrompts prompts;
  testing::RecordingProgress progress;

  std::string Make(const std::string& relative, const std::string& bytes = "picture") {
    const std::string path = home.Join(relative);
    testing::WriteFile(path, bytes);
    testing::SetNoonOf(path, 2014, 8, 2);
    return path;
  }
  static time_t MTime(const std::string& path) {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 ? info.st_mtime : -1;
  }
  // Names of leftover temporary files below `folder`.
  static int TempFilesBelow(const std::string& folder) {
    int count = 0;
    for (const auto& entry : fs::recursive_directory_iterator(folder)) {
      if (entry.path().filename().string().starts_with(".lumidex-copy-")) ++count;
    }
    return count;
  }
};

TEST_F(FileOperationTest, CopiesIntoNewFoldersKeepingTimesAndAsksBeforeReplacing) {
  const std::string a = Make("src/a.jpg", "AAAA");
  const std::string b = Make("src/b.jpg", "BBBB");
  const std::string kept = Make("dst/old/b.jpg", "keep me");
  prompts.overwrite = {Overwrite::kNo};
  TransferReport report = TransferFiles(
      {{a, home.Join("dst/new/deep/a.jpg")}, {b, kept}, {a, a}}, TransferMode::kCopy, prompts,
      progress);
  EXPECT_EQ(report.done, 1);
  EXPECT_EQ(report.skipped, 1);
  EXPECT_EQ(report.identical, 1);
  EXPECT_EQ(testing::ReadFile(home.Join("dst/new/deep/a.jpg")), "AAAA");
  EXPECT_EQ(MTime(home.Join("dst/new/deep/a.jpg")), MTime(a));
  EXPECT_EQ(testing::ReadFile(kept), "keep me");
  ASSERT_EQ(prompts.asked.size(), 1u);
  EXPECT_EQ(prompts.asked[0], "'" + kept + "' は既に存在します。\n上書きしますか？");
  EXPECT_EQ(testing::ReadFile(a), "AAAA");

  prompts.overwrite = {Overwrite::kYesToAll};
  report = TransferFiles({{b, kept}, {a, kept}}, TransferMode::kCopy, prompts, progress);
  EXPECT_EQ(report.done, 2);
  EXPECT_EQ(testing::ReadFile(kept), "AAAA");
  EXPECT_EQ(prompts.asked.size(), 2u);  // "all" asked once
  EXPECT_EQ(TempFilesBelow(home.Join("dst")), 0);
}

TEST_F(FileOperationTest, CancelledQuestionStopsAndMoveRenamesWithinOneFileSystem) {
  const std::string a = Make("src/a.jpg", "AAAA");
  const std::string b = Make("src/b.jpg", "BBBB");
  Make("dst/a.jpg", "other");
  TransferReport report = TransferFiles({{a, home.Join("dst/a.jpg")}, {b, home.Join("dst/b.jpg")}},
                                        TransferMode::kMove, prompts, progress);
  EXPECT_TRUE(report.stopped);
  EXPECT_EQ(report.done, 0);
  EXPECT_TRUE(testing::FileExists(a));
  EXPECT_TRUE(testing::FileExists(b));

  report = TransferFiles({{b, home.Join("dst/b.jpg")}}, TransferMode::kMove, prompts, progress);
  EXPECT_EQ(report.done, 1);
  EXPECT_FALSE(testing::FileExists(b));
  EXPECT_EQ(testing::ReadFile(home.Join("dst/b.jpg")), "BBBB");
}

TEST_F(FileOperationTest, LinksToFilesBringTheirContentLinksToFoldersAreRefused) {
  const std::string a = Make("src/a.jpg", "AAAA");
  fs::create_symlink(a, home.Join("src/link.jpg"));
  fs::create_directories(home.Join("src/folder"));
  fs::create_directory_symlink(home.Join("src"), home.Join("src/folder/loop.jpg"));
  prompts.goOn = true;
  const TransferReport report =
      TransferFiles({{home.Join("src/link.jpg"), home.Join("dst/link.jpg")},
                     {home.Join("src/folder/loop.jpg"), home.Join("dst/loop.jpg")}},
                    TransferMode::kCopy, prompts, progress);
  EXPECT_EQ(report.done, 1);
  EXPECT_EQ(report.failed, 1);
  EXPECT_FALSE(fs::is_symlink(home.Join("dst/link.jpg")));
  EXPECT_EQ(testing::ReadFile(home.Join("dst/link.jpg")), "AAAA");
  EXPECT_FALSE(fs::exists(home.Join("dst/loop.jpg")));
  ASSERT_EQ(report.errors.size(), 1u);
  EXPECT_NE(report.errors[0].find(home.Join("src/folder/loop.jpg")), std::string::npos);
}

TEST_F(FileOperationTest, AbortHalfWayLeavesTheRestAndNoPartialFiles) {
  std::vector<FileTransfer> plan;
  for (int i = 0; i < 6; ++i) {
    const std::string name = "f" + std::to_string(i) + ".jpg";
    plan.push_back({Make("src/" + name), home.Join("dst/" + name)});
  }
  progress.stopAt = 3;
  const TransferReport report = TransferFiles(plan, TransferMode::kMove, prompts, progress);
  EXPECT_TRUE(report.stopped);
  EXPECT_EQ(report.done, 3);
  for (int i = 0; i < 6; ++i) {
    const bool moved = i < 3;
    EXPECT_EQ(testing::FileExists(plan[i].target), moved) << i;
    EXPECT_EQ(testing::FileExists(plan[i].source), !moved) << i;
  }
  EXPECT_TRUE(progress.ended);
}

TEST_F(FileOperationTest, MoveAcrossFileSystemsCopiesThenRemovesTheSource) {
  ScratchMount other(home.Join("other"), "size=4m");
  if (other.unavailable()) GTEST_SKIP() << "no tmpfs can be mounted here";
  const std::string a = Make("src/a.jpg", std::string(100000, 'a'));
  const time_t when = MTime(a);
  const TransferReport report =
      TransferFiles({{a, home.Join("other/2014/a.jpg")}}, TransferMode::kMove, prompts, progress);
  EXPECT_EQ(report.done, 1);
  EXPECT_FALSE(testing::FileExists(a));
  EXPECT_EQ(testing::ReadFile(home.Join("other/2014/a.jpg")), std::string(100000, 'a'));
  EXPECT_EQ(MTime(home.Join("other/2014/a.jpg")), when);
}

TEST_F(FileOperationTest, FullDiskKeepsEverySourceAndLeavesNoHalfFile) {
  ScratchMount small(home.Join("small"), "size=64k");
  if (small.unavailable()) GTEST_SKIP() << "no tmpfs can be mounted here";
  const std::string big = Make("src/big.jpg", std::string(200000, 'b'));
  const std::string little = Make("src/little.jpg", "tiny");
  prompts.goOn = true;
  const TransferReport report = TransferFiles(
      {{big, home.Join("small/big.jpg")}, {little, home.Join("small/little.jpg")}},
      TransferMode::kMove, prompts, progress);
  EXPECT_EQ(report.failed, 1);
  EXPECT_EQ(report.done, 1);
  ASSERT_EQ(report.errors.size(), 1u);
  EXPECT_NE(report.errors[0].find(home.Join("small/big.jpg")), std::string::npos);
  EXPECT_NE(report.errors[0].find("ディスクの空き容量が足りません。"), std::string::npos);
  EXPECT_EQ(testing::ReadFile(big), std::string(200000, 'b'));
  EXPECT_FALSE(fs::exists(home.Join("small/big.jpg")));
  EXPECT_EQ(TempFilesBelow(home.Join("small")), 0);
}

TEST_F(FileOperationTest, ReadOnlyTargetFailsNamingTheFileAndStopsWhenAsked) {
  ScratchMount readOnly(home.Join("ro"), "size=64k", MS_RDONLY);
  if (readOnly.unavailable()) GTEST_SKIP() << "no tmpfs can be mounted here";
  const std::string a = Make("src/a.jpg");
  const std::string b = Make("src/b.jpg");
  prompts.goOn = false;
  const TransferReport report =
      TransferFiles({{a, home.Join("ro/a.jpg")}, {b, home.Join("ro/b.jpg")}}, TransferMode::kMove,
                    prompts, progress);
  EXPECT_TRUE(report.stopped);
  EXPECT_EQ(report.failed, 1);
  ASSERT_EQ(prompts.asked.size(), 1u);
  EXPECT_NE(prompts.asked[0].find(home.Join("ro/a.jpg")), std::string::npos);
  EXPECT_TRUE(testing::FileExists(a));
  EXPECT_TRUE(testing::FileExists(b));
}

TEST_F(FileOperationTest, VanishedSourcesAndRefusedNamesAreNamedAndTheRunGoesOn) {
  const std::string a = Make("src/a.jpg");
  const std::string b = Make("src/b.jpg");
  const std::string c = Make("src/c.jpg");
  const std::string tooLong = home.Join("dst/" + std::string(300, 'n') + ".jpg");
  progress.onStep = [&](int done) {
    if (done == 1) fs::remove(b);
  };
  const TransferReport report = TransferFiles(
      {{a, home.Join("dst/a.jpg")}, {b, home.Join("dst/b.jpg")}, {c, tooLong},
       {c, home.Join("dst/c.jpg")}},
      TransferMode::kMove, prompts, progress);
  EXPECT_EQ(report.done, 2);
  EXPECT_EQ(report.failed, 2);
  ASSERT_EQ(report.errors.size(), 2u);
  EXPECT_NE(report.errors[0].find(b), std::string::npos);
  EXPECT_NE(report.errors[1].find(tooLong), std::string::npos);
  EXPECT_NE(report.errors[1].find("この名前はコピー先で使えません。"), std::string::npos);
  EXPECT_EQ(testing::ReadFile(home.Join("dst/c.jpg")), "picture");
  EXPECT_EQ(TempFilesBelow(home.Join("dst")), 0);
}

TEST_F(FileOperationTest, DistinctTargetNumbersRepeatedNames) {
  std::set<std::string> taken;
  Make("dst/x.jpg");
  EXPECT_EQ(DistinctTarget("/d/a.jpg", taken, false), "/d/a.jpg");
  EXPECT_EQ(DistinctTarget("/d/a.jpg", taken, false), "/d/a-1.jpg");
  EXPECT_EQ(DistinctTarget("/d/a.jpg", taken, false), "/d/a-2.jpg");
  EXPECT_EQ(DistinctTarget("/d.x/noext", taken, false), "/d.x/noext");
  EXPECT_EQ(DistinctTarget("/d.x/noext", taken, false), "/d.x/noext-1");
  EXPECT_EQ(DistinctTarget(home.Join("dst/x.jpg"), taken, true), home.Join("dst/x-1.jpg"));
}

}  // namespace
}  // namespace lumidex
