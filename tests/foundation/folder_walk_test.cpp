#include "foundation/folder_walk.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>

#include "support/temp_home.h"

namespace lumidex {
namespace {

using testing::TempHome;
using testing::WriteFile;

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

}  // namespace
}  // namespace lumidex
