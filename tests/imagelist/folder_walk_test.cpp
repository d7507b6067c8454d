#include "imagelist/folder_walk.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>

#include "imagelist/fake_worker_clock.h"
#include "support/temp_home.h"

namespace lumidex {
namespace {

using testing::TempHome;
using testing::WriteFile;

// Progress that records the calls and may ask to stop after some steps.
class RecordingProgress final : public LongOperation {
 public:
  void Begin(int total) override { begins.push_back(total); }
  bool Step(int done, std::string_view) override {
    steps.push_back(done);
    return stopAfter >= 0 && static_cast<int>(steps.size()) > stopAfter;
  }
  bool AbortRequested() const override { return false; }
  void End() override { ++ends; }

  std::vector<int> begins;
  std::vector<int> steps;
  int ends = 0;
  int stopAfter = -1;
};

class FolderWalkTest : public ::testing::Test {
 protected:
  std::string Root() const { return home.Join("walk"); }
  std::vector<std::string> Walk(const FolderWalkOptions& options = {}) {
    std::vector<std::string> paths;
    WalkFolder(Root(), options, [&](const std::string& path) {
      paths.push_back(path.substr(Root().size() + 1));
      return true;
    });
    return paths;
  }

  TempHome home;
  FileTypeLists types;
  testing::FakeWorkerClock clock;
  RecordingProgress progress;
};

TEST_F(FolderWalkTest, FilesComeBeforeSubfoldersEachListingSortedByName) {
  WriteFile(Root() + "/b.jpg", "x");
  WriteFile(Root() + "/A.jpg", "x");
  WriteFile(Root() + "/sub2/z.jpg", "x");
  WriteFile(Root() + "/sub1/y.jpg", "x");
  WriteFile(Root() + "/sub1/deeper/x.jpg", "x");
  WriteFile(Root() + "/c.jpg", "x");
  EXPECT_EQ(Walk(), (std::vector<std::string>{"A.jpg", "b.jpg", "c.jpg", "sub1/y.jpg",
                                              "sub1/deeper/x.jpg", "sub2/z.jpg"}));
}

TEST_F(FolderWalkTest, DotNamesAreHiddenUnlessAsked) {
  WriteFile(Root() + "/.hidden.jpg", "x");
  WriteFile(Root() + "/.cache/a.jpg", "x");
  WriteFile(Root() + "/seen.jpg", "x");
  EXPECT_EQ(Walk(), (std::vector<std::string>{"seen.jpg"}));
  EXPECT_EQ(Walk({.includeHidden = true}),
            (std::vector<std::string>{".hidden.jpg", "seen.jpg", ".cache/a.jpg"}));
}

TEST_F(FolderWalkTest, LinksToFoldersAreNeverFollowedSoLoopsEnd) {
  WriteFile(Root() + "/a/p.jpg", "x");
  ASSERT_EQ(symlink((Root() + "/a").c_str(), (Root() + "/a/loop").c_str()), 0);
  ASSERT_EQ(symlink((Root() + "/a/p.jpg").c_str(), (Root() + "/link.jpg").c_str()), 0);
  EXPECT_EQ(Walk(), (std::vector<std::string>{"link.jpg", "a/p.jpg"}));
}

TEST_F(FolderWalkTest, PipesAndLinksToThemAreNoFiles) {
  // Opening a pipe to read a picture from it would wait for a writer forever.
  WriteFile(Root() + "/a.jpg", "x");
  ASSERT_EQ(mkfifo((Root() + "/pipe.jpg").c_str(), 0600), 0);
  ASSERT_EQ(symlink((Root() + "/pipe.jpg").c_str(), (Root() + "/to-pipe.jpg").c_str()), 0);
  ASSERT_EQ(symlink((Root() + "/none.jpg").c_str(), (Root() + "/dangling.jpg").c_str()), 0);
  EXPECT_EQ(Walk(), (std::vector<std::string>{"a.jpg"}));
}

TEST_F(FolderWalkTest, AFolderThatCannotBeListedWhenItsTurnComesIsSkipped) {
  WriteFile(Root() + "/a.jpg", "x");
  WriteFile(Root() + "/gone/b.jpg", "x");
  WriteFile(Root() + "/kept/c.jpg", "x");
  std::vector<std::string> paths;
  const bool finished = WalkFolder(Root(), {}, [&](const std::string& path) {
    // Another program removes a folder after the walk listed its parent.
    if (path == Root() + "/a.jpg") std::filesystem::remove_all(Root() + "/gone");
    paths.push_back(path.substr(Root().size() + 1));
    return true;
  });
  EXPECT_TRUE(finished);
  EXPECT_EQ(paths, (std::vector<std::string>{"a.jpg", "kept/c.jpg"}));
}

TEST_F(FolderWalkTest, CollectsPicturesAndManagedTypesAsLines) {
  types.SetManagedTypes({".pdf"});
  WriteFile(Root() + "/a.JPG", "x");
  WriteFile(Root() + "/b.txt", "x");
  WriteFile(Root() + "/c.pdf", "x");
  const auto lines = CollectFolderLines(Root(), {}, types, progress, clock);
  ASSERT_TRUE(lines.ok());
  EXPECT_EQ(lines.value(), (std::vector<std::string>{Root() + "/a.JPG=", Root() + "/c.pdf="}));
  EXPECT_EQ(progress.begins, (std::vector<int>{0, 3}));
  EXPECT_EQ(progress.ends, 1);
}

TEST_F(FolderWalkTest, ProgressIsReportedAtMostEvery50Milliseconds) {
  for (int i = 0; i < 20; ++i) WriteFile(Root() + "/" + std::to_string(i) + ".jpg", "x");
  // The clock stands still: only the very first file reports.
  const auto lines = CollectFolderLines(Root(), {}, types, progress, clock);
  ASSERT_TRUE(lines.ok());
  EXPECT_EQ(lines.value().size(), 20u);
  EXPECT_EQ(progress.steps.size(), 1u);
}

TEST_F(FolderWalkTest, AbortStopsTheWalkAndReturnsNothing) {
  WriteFile(Root() + "/a.jpg", "x");
  progress.stopAfter = 0;
  const auto lines = CollectFolderLines(Root(), {}, types, progress, clock);
  EXPECT_FALSE(lines.ok());
  EXPECT_EQ(lines.status().message(), "");
  EXPECT_EQ(progress.ends, 1);
}

TEST_F(FolderWalkTest, AMissingFolderIsNotFound) {
  const auto lines = CollectFolderLines(home.Join("none"), {}, types, progress, clock);
  ASSERT_FALSE(lines.ok());
  EXPECT_TRUE(lines.status().isNotFound());
}

}  // namespace
}  // namespace lumidex
