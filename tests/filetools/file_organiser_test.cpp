#include "filetools/file_organiser.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "filetools_fixture.h"

namespace lumidex::testing {
namespace {

namespace fs = std::filesystem;

class AcceptingPrompts : public FileOperationPrompts {
 public:
  Overwrite AskOverwrite(const std::string&, const std::string&) override { return Overwrite::kNo; }
  bool AskContinue(const std::string&, const std::string&) override { return true; }
};

class OrganiserTest : public ::testing::Test {
 protected:
  TempHome home;
  FileTypeLists types;
  AcceptingPrompts prompts;
  RecordingProgress progress;
  OrganiseOptions options;

  void SetUp() override {
    options.source = home.Join("src");
    options.destination = home.Join("dst");
    fs::create_directories(options.destination);
  }
  std::string Src(const std::string& relative) const { return home.Join("src/" + relative); }
  std::string Dst(const std::string& relative) const { return home.Join("dst/" + relative); }
  // Target paths of the plan relative to the destination, in plan order.
  std::vector<std::string> PlannedTargets() {
    std::vector<std::string> targets;
    for (const auto& t : PlanOrganise(options, types)) {
      targets.push_back(t.target.substr(options.destination.size() + 1));
    }
    return targets;
  }
};

TEST_F(OrganiserTest, PlansDateFoldersNamesAndTypes) {
  WritePictureDated(Src("IMG_1.JPG"), "2014/08/02", "2013:01:05 15:30:12");
  WritePictureDated(Src("b.jpg"), "2014/08/02", "2013:01:05 15:30:12");
  WritePictureDated(Src(".hidden.jpg"), "2014/08/03");
  WritePictureDated(Src("notes.txt"), "2014/08/02");
  WritePictureDated(Src("sub/c.jpg"), "2014/08/02", "2013:01:05 15:30:12");
  WritePictureDated(Src(".cache/d.jpg"), "2014/08/02");
  fs::create_directory_symlink(home.Join("src"), Src("sub/loop"));

  options.unit = OrganiseUnit::kMonth;
  EXPECT_EQ(PlannedTargets(), (std::vector<std::string>{"201408/.hidden.jpg", "201408/b.jpg",
                                                        "201408/IMG_1.JPG", "201408/c.jpg"}));
  types.SetManagedTypes({".txt"});
  options.includeManaged = true;
  options.exifDates = true;
  options.renameToDate = true;
  options.unit = OrganiseUnit::kDay;
  WritePictureDated(Dst("20130105/20130105-153012.jpg"), "2014/08/02");
  EXPECT_EQ(PlannedTargets(),
            (std::vector<std::string>{"20140803/20140803-120000.jpg",
                                      "20130105/20130105-153012-1.jpg",
                                      "20130105/20130105-153012-2.jpg", "20140802/notes.txt",
                                      "20130105/20130105-153012-3.jpg"}));
}

TEST_F(OrganiserTest, MoveIntoTheSourceSkipsItsOwnResultsAndRemovesOnlyEmptiedFolders) {
  WritePictureDated(Src("a/x.jpg"), "2014/08/02");
  WritePictureDated(Src("b/x.jpg"), "2014/08/02");
  WritePictureDated(Src("c/keep.txt"), "2014/08/02");
  WritePictureDated(Src("c/y.jpg"), "2015/01/01");
  WritePictureDated(Src("sorted/2010/old.jpg"), "2010/01/01");
  options.destination = Src("sorted");
  options.move = options.removeEmptied = true;
  auto report = OrganiseFiles(options, types, prompts, progress);
  ASSERT_TRUE(report.ok()) << report.status().message();
  EXPECT_EQ(report.value().transfer.done, 3);
  EXPECT_TRUE(FileExists(Src("sorted/2014/x.jpg")));
  EXPECT_TRUE(FileExists(Src("sorted/2014/x-1.jpg")));
  EXPECT_TRUE(FileExists(Src("sorted/2015/y.jpg")));
  EXPECT_TRUE(FileExists(Src("sorted/2010/old.jpg")));
  EXPECT_FALSE(fs::exists(Src("a")));
  EXPECT_FALSE(fs::exists(Src("b")));
  EXPECT_TRUE(FileExists(Src("c/keep.txt")));
  EXPECT_TRUE(fs::exists(options.source));
}

TEST_F(OrganiserTest, AStoppedRunKeepsTheRestInPlace) {
  for (int i = 0; i < 4; ++i) WritePictureDated(Src("p" + std::to_string(i) + ".jpg"), "2014/08/02");
  options.move = true;
  progress.stopAt = 2;
  auto report = OrganiseFiles(options, types, prompts, progress);
  ASSERT_TRUE(report.ok());
  EXPECT_TRUE(report.value().transfer.stopped);
  EXPECT_TRUE(FileExists(Dst("2014/p1.jpg")));
  EXPECT_FALSE(FileExists(Dst("2014/p2.jpg")));
  EXPECT_TRUE(FileExists(Src("p2.jpg")));
  EXPECT_FALSE(OrganiseFiles({.destination = Dst(""), .source = home.Join("none")}, types, prompts,
                             progress)
                   .ok());
}

}  // namespace
}  // namespace lumidex::testing
