#include "filetools/copy_to_folder.h"

#include <gtest/gtest.h>

#include "filetools/placement_file.h"
#include "filetools_fixture.h"

namespace lumidex::testing {
namespace {

// Never replaces; goes on after failures.
class KeepingPrompts : public FileOperationPrompts {
 public:
  int overwriteQuestions = 0;
  Overwrite AskOverwrite(const std::string&, const std::string&) override {
    ++overwriteQuestions;
    return Overwrite::kNo;
  }
  bool AskContinue(const std::string&, const std::string&) override { return true; }
};

class CopyToFolderTest : public AlbumTest {
 protected:
  KeepingPrompts prompts;
  RecordingProgress progress;
  std::string Dest() const { return home.Join("out"); }

  CopyOutReport CopyPage(const std::string& page, bool placement,
                         const std::vector<std::string>& only = {}) {
    std::vector<std::string> lines = store->yearDocument().SectionLines(page);
    if (!only.empty()) lines = only;
    return RunCopyOut(PlanCopyOut(lines, store->subAlbumDocument(), Dest()), Dest(), placement,
                      prompts, progress);
  }
};

TEST_F(CopyToFolderTest, PlacementRoundTripBringsBackPagesSubAlbumsAndComments) {
  const std::string a = Picture("x/a.jpg");
  const std::string sameName = Picture("y/a.jpg");
  const std::string b = Picture("b.jpg");
  const std::string c = Picture("c.jpg");
  WriteAlbum(IndexPath(), "[DATA]\r\n03/15=.alb\r\n");
  WriteAlbum(YearPath("2014"), "[03/15]\r\n" + a + "=海･･山\r\n" + sameName + "=\r\n" +
                                   home.Join("gone.jpg") + "=\r\n@03/15旅/行=\r\n@03/15..=\r\n");
  WriteAlbum(SubPath("2014"), "[03/15旅/行]\r\n" + b + "=宿\r\n[03/15..]\r\n" + c + "=\r\n");
  OpenYear("2014");

  const CopyOutReport report = CopyPage("03/15", true);
  ASSERT_TRUE(report.placement.ok()) << report.placement.message();
  EXPECT_EQ(report.transfer.done, 3);
  EXPECT_TRUE(FileExists(Dest() + "/a.jpg"));
  EXPECT_TRUE(FileExists(Dest() + "/a-1.jpg"));
  EXPECT_TRUE(FileExists(Dest() + "/旅／行/b.jpg"));
  EXPECT_FALSE(FileExists(home.Join("c.jpg")));  // ".." never leaves the folder
  EXPECT_EQ(ReadAlbum(Dest() + "/alb_data.ini"),
            "[file zoon]\r\na.jpg=海･･山\r\na-1.jpg=\r\n\r\n[旅／行]\r\nb.jpg=宿\r\n\r\n");

  ASSERT_TRUE(store->SwitchYear("2015").ok());
  auto imported = ImportPlacement(*store, "05/05", Dest());
  ASSERT_TRUE(imported.ok()) << imported.status().message();
  EXPECT_EQ(ReadAlbum(YearPath("2015")), "[05/05]\r\n" + Dest() + "/a.jpg=海･･山\r\n" + Dest() +
                                             "/a-1.jpg=\r\n@05/05旅／行=\r\n\r\n");
  EXPECT_EQ(ReadAlbum(SubPath("2015")), "[05/05旅／行]\r\n" + Dest() + "/旅／行/b.jpg=宿\r\n\r\n");
}

TEST_F(CopyToFolderTest, CopyingAgainReplacesOnlyTheCopiedSectionsAndAsksBeforeReplacing) {
  const std::string a = Picture("a.jpg");
  const std::string b = Picture("b.jpg");
  WriteAlbum(YearPath("2014"), "[03/15]\r\n" + a + "=\r\n@03/15T=\r\n@03/15U=\r\n");
  WriteAlbum(SubPath("2014"), "[03/15T]\r\n" + b + "=\r\n[03/15U]\r\n" + b + "=\r\n");
  OpenYear("2014");
  ASSERT_TRUE(CopyPage("03/15", true).placement.ok());
  const CopyOutReport again = CopyPage("03/15", true, {"@03/15T="});
  EXPECT_EQ(prompts.overwriteQuestions, 1);
  EXPECT_EQ(again.transfer.skipped, 1);
  EXPECT_EQ(ReadAlbum(Dest() + "/alb_data.ini"),
            "[U]\r\nb.jpg=\r\n\r\n[T]\r\nb.jpg=\r\n\r\n");

  // Without the placement an existing file is left as it is.
  CopyPage("03/15", false, {Picture("d.jpg") + "="});
  EXPECT_TRUE(FileExists(Dest() + "/d.jpg"));
  EXPECT_EQ(ReadAlbum(Dest() + "/alb_data.ini"),
            "[U]\r\nb.jpg=\r\n\r\n[T]\r\nb.jpg=\r\n\r\n");
}

TEST_F(CopyToFolderTest, FreeLayoutPicturesAndFolderNames) {
  const std::string a = Picture("a.jpg");
  const CopyOutPlan plan = PlanCopyPaths({a, home.Join("gone.jpg")}, Dest());
  ASSERT_EQ(plan.copies.size(), 1u);
  EXPECT_EQ(plan.copies[0].transfer.target, Dest() + "/a.jpg");
  EXPECT_EQ(SubAlbumFolderName("a/b\\c"), "a／b＼c");
  EXPECT_EQ(SubAlbumFolderName("."), std::nullopt);
  EXPECT_EQ(SubAlbumFolderName(""), std::nullopt);
}

}  // namespace
}  // namespace lumidex::testing
