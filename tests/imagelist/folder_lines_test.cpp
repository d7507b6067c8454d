#include "imagelist/folder_lines.h"

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
class RecordingProgress : public LongOperation {
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

class FolderLinesTest : public ::testing::Test {
 protected:
  std::string Root() const { return home.Join("walk"); }

  TempHome home;
  FileTypeLists types;
  testing::FakeWorkerClock clock;
  RecordingProgress progress;
};

TEST_F(FolderLinesTest, CollectsPicturesAndManagedTypesAsLines) {
  types.SetManagedTypes({".pdf"});
  WriteFile(Root() + "/a.JPG", "x");
  WriteFile(Root() + "/b.txt", "x");
  WriteFile(Root() + "/c.pdf", "x");
  const auto lines = CollectFolderLines(Root(), {}, types, progress, clock);
  ASSERT_TRUE(lines.ok());
  EXPECT_EQ(lines.value(), (std::vector<std::string>{Root() + "/a.JPG=", Root() + "/c.pdf="}));
  EXPECT_EQ(progress.begins, (std::vector<int>{0}));
  EXPECT_EQ(progress.ends, 1);
}

TEST_F(FolderLinesTest, ProgressIsReportedAtMostEvery50Milliseconds) {
  for (int i = 0; i < 20; ++i) WriteFile(Root() + "/" + std::to_string(i) + ".jpg", "x");
  // The clock stands still: only the very first file reports.
  const auto lines = CollectFolderLines(Root(), {}, types, progress, clock);
  ASSERT_TRUE(lines.ok());
  EXPECT_EQ(lines.value().size(), 20u);
  EXPECT_EQ(progress.steps.size(), 1u);
}

TEST_F(FolderLinesTest, LinesFoundSoFarArriveAtEachStepInWalkOrder) {
  for (int i = 0; i < 6; ++i) WriteFile(Root() + "/" + std::to_string(i) + (i % 2 ? ".jpg" : ".txt"), "x");
  std::vector<std::string> arrived;
  int calls = 0;
  struct TickingProgress final : RecordingProgress {
    testing::FakeWorkerClock* clock = nullptr;
    bool Step(int done, std::string_view path) override {
      clock->Advance(kFolderWalkProgressMs);
      return RecordingProgress::Step(done, path);
    }
  } ticking;
  ticking.clock = &clock;
  const auto lines = CollectFolderLines(Root(), {}, types, ticking, clock, [&](std::vector<std::string> found) {
    ++calls;
    EXPECT_FALSE(found.empty());
    arrived.insert(arrived.end(), found.begin(), found.end());
  });
  ASSERT_TRUE(lines.ok());
  EXPECT_EQ(lines.value().size(), 3u);
  // Every step after a picture hands it over once; the last lines come with
  // the result only when no step followed them.
  EXPECT_GE(calls, 2);
  EXPECT_EQ(arrived, std::vector<std::string>(lines.value().begin(), lines.value().begin() + arrived.size()));
}

TEST_F(FolderLinesTest, AbortStopsTheWalkAndReturnsNothing) {
  WriteFile(Root() + "/a.jpg", "x");
  progress.stopAfter = 0;
  const auto lines = CollectFolderLines(Root(), {}, types, progress, clock);
  EXPECT_FALSE(lines.ok());
  EXPECT_EQ(lines.status().message(), "");
  EXPECT_EQ(progress.ends, 1);
}

TEST_F(FolderLinesTest, AMissingFolderIsNotFound) {
  const auto lines = CollectFolderLines(home.Join("none"), {}, types, progress, clock);
  ASSERT_FALSE(lines.ok());
  EXPECT_TRUE(lines.status().isNotFound());
}

}  // namespace
}  // namespace lumidex
