#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "album/album_text.h"
#include "album_fixture.h"

namespace lumidex::testing {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

class AlbumStoreTest : public AlbumTest {};

// ---- Summaries, counts and covers ----

TEST_F(AlbumStoreTest, SummariesCountEntriesSubAlbumsAndTheirFiles) {
  const std::string a = Picture("a.jpg");
  WriteAlbum(IndexPath(), "[DATA]\r\n03/15=.alb\r\n05/05=.alb\r\n");
  WriteAlbum(YearPath("2014"), "[03/15]\r\n" + a + "=\r\n/gone/b.jpg=\r\n@03/15旅行=\r\n");
  WriteAlbum(SubPath("2014"), "[03/15旅行]\r\n/s/x.jpg=\r\n/s/y.jpg=\r\n");
  OpenYear("2014");
  ASSERT_EQ(store->Summaries().size(), 1u);
  const GRPDATA& s = store->Summaries()[0];
  EXPECT_EQ(s.name, "03/15");
  EXPECT_EQ(s.imageCount, 2);
  EXPECT_EQ(s.subAlbumCount, 1);
  EXPECT_EQ(s.subAlbumImageCount, 2);
  EXPECT_EQ(s.thumbnail, "jpeg:" + a);
  EXPECT_FALSE(s.iconCover);
  EXPECT_EQ(store->FindSummary("05/05"), nullptr);
}

TEST_F(AlbumStoreTest, APageListedTwiceInTheIndexIsSummarisedOnceInIndexOrder) {
  WriteAlbum(IndexPath(), "[DATA]\r\n03/15=.alb\r\n01/02=.alb\r\n03/15=.alb\r\n01/02=.alb\r\n");
  WriteAlbum(YearPath("2014"), "[03/15]\r\n/a.jpg=\r\n[01/02]\r\n/b.jpg=\r\n/c.jpg=\r\n");
  OpenYear("2014");
  ASSERT_EQ(store->Summaries().size(), 2u);
  EXPECT_EQ(store->Summaries()[0].name, "03/15");
  EXPECT_EQ(store->Summaries()[1].name, "01/02");
  EXPECT_EQ(store->Summaries()[1].imageCount, 2);
}

TEST_F(AlbumStoreTest, CoverLooksAtNoMoreThanElevenFileEntries) {
  const std::string late = Picture("late.jpg");
  std::string eleven, ten;
  for (int i = 0; i < 11; ++i) eleven += "/gone/" + std::to_string(i) + ".jpg=\r\n";
  for (int i = 0; i < 10; ++i) ten += "/gone/" + std::to_string(i) + ".jpg=\r\n";
  WriteAlbum(IndexPath(), "[DATA]\r\n01/01=.alb\r\n01/02=.alb\r\n");
  WriteAlbum(YearPath("2014"), "[01/01]\r\n" + eleven + late + "=\r\n[01/02]\r\n" + ten + late + "=\r\n");
  OpenYear("2014");
  const CoverChoice afterEleven = store->PageCover("01/01", ".alb");
  EXPECT_TRUE(afterEleven.hasContent);
  EXPECT_EQ(afterEleven.cover, "");
  EXPECT_EQ(store->PageCover("01/02", ".alb").cover, late);
  EXPECT_EQ(store->FindSummary("01/01")->thumbnail, std::nullopt);
}

TEST_F(AlbumStoreTest, CoverFallsBackToTheFirstManagedTypeEntry) {
  WriteAlbum(IndexPath(), "[DATA]\r\n02/02=.alb\r\n");
  WriteAlbum(YearPath("2014"), "[02/02]\r\n/gone/a.jpg=\r\n/d/memo.pdf=\r\n/d/sheet.xls=\r\n");
  OpenYear("2014", {".pdf", ".xls"});
  EXPECT_EQ(store->PageCover("02/02", ".alb").cover, "/d/memo.pdf");
  EXPECT_TRUE(store->FindSummary("02/02")->iconCover);
}

TEST_F(AlbumStoreTest, PageOfOnlySubAlbumsTakesItsCoverFromTheFirstTwoLinesOfTheFirst) {
  const std::string second = Picture("second.png");
  const std::string third = Picture("third.jpg");
  WriteAlbum(IndexPath(), "[DATA]\r\n06/01=.alb\r\n06/02=.alb\r\n");
  WriteAlbum(YearPath("2014"), "[06/01]\r\n@06/01A=\r\n@06/01B=\r\n[06/02]\r\n@06/02C=\r\n");
  WriteAlbum(SubPath("2014"), "[06/01A]\r\n/gone/1.jpg=\r\n" + second + "=\r\n[06/01B]\r\n" + third +
                                  "=\r\n[06/02C]\r\n/gone/1.jpg=\r\n/x/notes.txt=\r\n" + third + "=\r\n");
  OpenYear("2014");
  EXPECT_EQ(store->PageCover("06/01", ".alb").cover, second);
  const CoverChoice thirdLine = store->PageCover("06/02", ".alb");
  EXPECT_TRUE(thirdLine.hasContent);
  EXPECT_EQ(thirdLine.cover, "");
}

TEST_F(AlbumStoreTest, FixedCoverValueIsTheCoverAndIcoCoversShowAsIcons) {
  WriteAlbum(IndexPath(), "[DATA]\r\n07/07=/x/star.ico\r\n");
  WriteAlbum(YearPath("2014"), "[07/07]\r\n/gone/a.jpg=\r\n");
  OpenYear("2014");
  const CoverChoice choice = store->PageCover("07/07", "/x/star.ico");
  EXPECT_TRUE(choice.hasContent);
  EXPECT_EQ(choice.cover, "/x/star.ico");
  EXPECT_TRUE(store->FindSummary("07/07")->iconCover);
  EXPECT_EQ(store->FindSummary("07/07")->thumbnail, std::nullopt);  // the file does not exist
}

TEST_F(AlbumStoreTest, RefreshRenewsOnlyTheThumbnailAndRecountCountsAgain) {
  const std::string a = Picture("a.jpg");
  WriteAlbum(IndexPath(), "[DATA]\r\n03/15=.alb\r\n");
  WriteAlbum(YearPath("2014"), "[03/15]\r\n/gone/x.jpg=\r\n");
  OpenYear("2014");
  EXPECT_EQ(store->FindSummary("03/15")->thumbnail, std::nullopt);
  store->ChangeYearDocument([&](TMemIniFile& doc) { doc.SetValue("03/15", a, ""); });
  store->RefreshSummary("03/15");
  EXPECT_EQ(store->FindSummary("03/15")->thumbnail, "jpeg:" + a);
  EXPECT_EQ(store->FindSummary("03/15")->imageCount, 1);
  const int before = renders;
  store->RecountSummaries(false);
  EXPECT_EQ(renders, before + 1);
  EXPECT_EQ(store->FindSummary("03/15")->imageCount, 1);
  store->RecountSummaries(true);
  EXPECT_EQ(store->FindSummary("03/15")->imageCount, 2);
}

// ---- Page list ----

TEST_F(AlbumStoreTest, PageListShowsUsedPagesSortedOrAllPagesAndIgnoresOtherLines) {
  WriteAlbum(IndexPath(), "[DATA]\r\n12/01=.alb\r\nnot a page\r\n03/15=.alb\r\n05/05=.alb\r\n");
  WriteAlbum(YearPath("2014"), "[12/01]\r\n/a.jpg=\r\n[03/15]\r\n/b.jpg=\r\n[05/05]\r\n");
  OpenYear("2014");
  EXPECT_THAT(store->PageList(false), ElementsAre("03/15=.alb", "12/01=.alb"));
  EXPECT_THAT(store->PageList(true), ElementsAre("03/15=.alb", "05/05=.alb", "12/01=.alb"));
  EXPECT_EQ(store->Lines(), store->PageList(false));
  // The odd line stays in the page index.
  EXPECT_THAT(store->pageIndex().SectionLines("DATA"),
              ElementsAre("12/01=.alb", "not a page", "03/15=.alb", "05/05=.alb"));
}

// ---- Saving sections ----

TEST_F(AlbumStoreTest, SavingAPageMovesItsSectionToTheEnd) {
  WriteAlbum(IndexPath(), "[DATA]\r\n03/15=.alb\r\n04/01=.alb\r\n");
  WriteAlbum(YearPath("2014"), "[03/15]\r\n/a.jpg=夏\r\n[04/01]\r\n/c.jpg=\r\n");
  OpenYear("2014");
  ASSERT_TRUE(store->OpenPage("03/15").ok());
  store->SetLines({"/b.jpg=", "/a.jpg=夏"});
  ASSERT_TRUE(store->SaveCurrent(false).ok());
  EXPECT_FALSE(store->modified());
  EXPECT_EQ(ReadAlbum(YearPath("2014")),
            "[04/01]\r\n/c.jpg=\r\n\r\n[03/15]\r\n/b.jpg=\r\n/a.jpg=夏\r\n\r\n");
  Open();
  ASSERT_TRUE(store->SwitchYear("2014/03/01").ok());
  EXPECT_THAT(store->yearDocument().SectionLines("03/15"), ElementsAre("/b.jpg=", "/a.jpg=夏"));
}

TEST_F(AlbumStoreTest, SavingWithNoLinesRemovesTheSectionAndDropsTheEmptyNamedOne) {
  WriteAlbum(IndexPath(), "[DATA]\r\n03/15=.alb\r\n");
  WriteAlbum(YearPath("2014"), "[]\r\n/dropped.jpg=\r\n[03/15]\r\n/a.jpg=\r\n[04/01]\r\n/c.jpg=\r\n");
  OpenYear("2014");
  Result<bool> saved = store->SaveSection("03/15", {}, false);
  ASSERT_TRUE(saved.ok());
  EXPECT_FALSE(saved.value());
  EXPECT_EQ(ReadAlbum(YearPath("2014")), "[04/01]\r\n/c.jpg=\r\n\r\n");
}

TEST_F(AlbumStoreTest, DedupeKeepsOneLinePerPathWhateverItsCaseAndPrefersTheComment) {
  WriteAlbum(IndexPath(), "[DATA]\r\n03/15=.alb\r\n");
  OpenYear("2014");
  Result<bool> saved = store->SaveSection(
      "03/15", {"/p/A.jpg=", "/p/a.jpg=夏", "/p/b.jpg", "/p/b.jpg=", "/p/c.jpg=x", "/p/C.JPG=y"}, true);
  ASSERT_TRUE(saved.ok());
  EXPECT_TRUE(saved.value());
  EXPECT_THAT(store->yearDocument().SectionLines("03/15"),
              ElementsAre("/p/a.jpg=夏", "/p/b.jpg", "/p/c.jpg=x"));
  EXPECT_FALSE(store->SaveSection("03/15", {"/p/a.jpg=", "/p/b.jpg="}, true).value());
}

TEST_F(AlbumStoreTest, FailedSaveLeavesFileMemoryAndModifiedFlag) {
  WriteAlbum(IndexPath(), "[DATA]\r\n03/15=.alb\r\n");
  WriteAlbum(YearPath("2014"), "[03/15]\r\n/a.jpg=\r\n[04/01]\r\n/c.jpg=\r\n");
  OpenYear("2014");
  const std::string before = ReadFile(YearPath("2014"));
  ASSERT_TRUE(store->OpenPage("03/15").ok());
  store->SetLines({"/a.jpg=", "/b.jpg="});
  files.failWrites = true;
  const Status failed = store->SaveCurrent(false);
  EXPECT_EQ(failed.message(), "ファイル " + YearPath("2014") + " を作成できません");
  EXPECT_EQ(ReadFile(YearPath("2014")), before);
  EXPECT_TRUE(store->modified());
  EXPECT_THAT(store->Lines(), ElementsAre("/a.jpg=", "/b.jpg="));
  EXPECT_EQ(store->yearDocument().ToText(), "[03/15]\r\n/a.jpg=\r\n\r\n[04/01]\r\n/c.jpg=\r\n\r\n");
  // Leaving is refused too, so the edits cannot be lost.
  EXPECT_FALSE(store->GoBack(true).ok());
  EXPECT_TRUE(store->PageOpen());
  files.failWrites = false;
  ASSERT_TRUE(store->SaveCurrent(false).ok());
  EXPECT_EQ(ReadAlbum(YearPath("2014")),
            "[04/01]\r\n/c.jpg=\r\n\r\n[03/15]\r\n/a.jpg=\r\n/b.jpg=\r\n\r\n");
}

TEST_F(AlbumStoreTest, DuplicateSectionsOfHandWrittenFilesAreMergedWithoutLosingLines) {
  WriteAlbum(IndexPath(), "[DATA]\r\n03/15=.alb\r\n");
  // cp932 bytes, no final line break, a bare path and a Windows path.
  WriteAlbum(YearPath("2014"),
             "[03/15]\r\n/a.jpg=\r\n[04/01]\r\nC:\\写真\\x.jpg=古い\r\n[03/15]\r\n/bare.jpg");
  OpenYear("2014");
  ASSERT_TRUE(store->OpenPage("03/15").ok());
  EXPECT_THAT(store->Lines(), ElementsAre("/a.jpg=", "/bare.jpg"));
  store->SetLines({"/a.jpg=", "/bare.jpg"});
  ASSERT_TRUE(store->SaveCurrent(false).ok());
  EXPECT_EQ(ReadAlbum(YearPath("2014")),
            "[04/01]\r\nC:\\写真\\x.jpg=古い\r\n\r\n[03/15]\r\n/a.jpg=\r\n/bare.jpg\r\n\r\n");
}

// ---- Year switch and exit ----

TEST_F(AlbumStoreTest, YearSwitchSavesTheOpenPageAndShowsTheNewYear) {
  WriteAlbum(IndexPath(), "[DATA]\r\n03/15=.alb\r\n");
  WriteAlbum(YearPath("2014"), "[03/15]\r\n/a.jpg=\r\n");
  WriteAlbum(YearPath("2015"), "[03/15]\r\n/z.jpg=\r\n");
  OpenYear("2014");
  ASSERT_TRUE(store->OpenPage("03/15").ok());
  store->SetLines({"/a.jpg=", "/new.jpg="});
  ASSERT_TRUE(store->SwitchYear("2015/02/01").ok());
  store->RebuildSummaries();
  EXPECT_EQ(store->loadedYear(), "2015");
  EXPECT_FALSE(store->PageOpen());
  EXPECT_FALSE(store->modified());
  EXPECT_EQ(ReadAlbum(YearPath("2014")), "[03/15]\r\n/a.jpg=\r\n/new.jpg=\r\n\r\n");
  EXPECT_THAT(store->yearDocument().SectionLines("03/15"), ElementsAre("/z.jpg="));
  EXPECT_EQ(store->FindSummary("03/15")->imageCount, 1);
}

TEST_F(AlbumStoreTest, AYearThatIsNotFourDigitsIsRefused) {
  OpenYear("2014");
  EXPECT_FALSE(store->SwitchYear("../x/01/01").ok());
  EXPECT_FALSE(store->SwitchYear("201").ok());
  EXPECT_EQ(store->loadedYear(), "2014");
  EXPECT_TRUE(store->HasYear());
}

TEST_F(AlbumStoreTest, DocumentsNeverChangedAreNeverWritten) {
  WriteAlbum(IndexPath(), "[DATA]\r\n03/15=.alb\r\n");
  WriteAlbum(YearPath("2014"), "[03/15]\r\n/a.jpg=\r\n");
  OpenYear("2014");
  ASSERT_TRUE(store->OpenPage("03/15").ok());
  ASSERT_TRUE(store->GoBack(true).ok());
  ASSERT_TRUE(store->SwitchYear("2016/01/01").ok());
  ASSERT_TRUE(store->Close().ok());
  EXPECT_EQ(files.writes, 0);
  EXPECT_FALSE(FileExists(YearPath("2016")));
  EXPECT_FALSE(FileExists(SubPath("2014")));
}

TEST_F(AlbumStoreTest, ExitSavesAChangedYearEvenWhenAllItsSectionsWereDeleted) {
  WriteAlbum(IndexPath(), "[DATA]\r\n03/15=.alb\r\n");
  WriteAlbum(YearPath("2014"), "[03/15]\r\n/a.jpg=\r\n@03/15旅行=\r\n");
  WriteAlbum(SubPath("2014"), "[03/15旅行]\r\n/s.jpg=\r\n");
  OpenYear("2014");
  store->ErasePage("03/15");
  ASSERT_TRUE(store->Close().ok());
  EXPECT_EQ(ReadFile(YearPath("2014")), "");
  EXPECT_EQ(ReadFile(SubPath("2014")), "");
}

TEST_F(AlbumStoreTest, ExitLeavesAnOpenSubAlbumAndSavesIt) {
  WriteAlbum(IndexPath(), "[DATA]\r\n03/15=.alb\r\n");
  WriteAlbum(YearPath("2014"), "[03/15]\r\n@03/15旅行=\r\n");
  WriteAlbum(SubPath("2014"), "[03/15旅行]\r\n/s.jpg=\r\n");
  OpenYear("2014");
  ASSERT_TRUE(store->OpenPage("03/15").ok());
  ASSERT_TRUE(store->OpenSubAlbum("03/15旅行").ok());
  EXPECT_EQ(store->ContainerTitle(), "3月15日の旅行");
  store->SetLines({"/s.jpg=", "/t.jpg="});
  ASSERT_TRUE(store->Close().ok());
  EXPECT_FALSE(store->PageOpen());
  EXPECT_EQ(ReadAlbum(SubPath("2014")), "[03/15旅行]\r\n/s.jpg=\r\n/t.jpg=\r\n\r\n");
  EXPECT_EQ(ReadAlbum(YearPath("2014")), "[03/15]\r\n@03/15旅行=\r\n");  // untouched
}

// ---- Containers ----

TEST_F(AlbumStoreTest, GoBackLeavesASubAlbumForItsPageAndThenThePageList) {
  WriteAlbum(IndexPath(), "[DATA]\r\n03/15=.alb\r\n");
  WriteAlbum(YearPath("2014"), "[03/15]\r\n/a.jpg=\r\n@03/15旅行=\r\n");
  WriteAlbum(SubPath("2014"), "[03/15旅行]\r\n/s.jpg=\r\n");
  OpenYear("2014");
  ASSERT_TRUE(store->OpenPage("03/15").ok());
  EXPECT_EQ(store->ContainerTitle(), "3月15日のページ");
  ASSERT_TRUE(store->OpenSubAlbum("03/15旅行").ok());
  EXPECT_THAT(store->Lines(), ElementsAre("/s.jpg="));
  store->SetLines({"/s.jpg=", "/t.jpg="});
  ASSERT_TRUE(store->GoBack(false).ok());
  EXPECT_TRUE(store->PageOpen());
  EXPECT_FALSE(store->SubAlbumOpen());
  EXPECT_THAT(store->Lines(), ElementsAre("/a.jpg=", "@03/15旅行="));
  ASSERT_TRUE(store->GoBack(false).ok());
  EXPECT_FALSE(store->PageOpen());
  EXPECT_THAT(store->Lines(), ElementsAre("03/15=.alb"));
  // The sub-album was changed, so leaving the page recounted the summary.
  EXPECT_EQ(store->FindSummary("03/15")->subAlbumImageCount, 2);
}

TEST_F(AlbumStoreTest, OpeningAPageSavesChangesMadeFromThePageListFirst) {
  WriteAlbum(IndexPath(), "[DATA]\r\n03/15=.alb\r\n04/01=.alb\r\n");
  WriteAlbum(YearPath("2014"), "[03/15]\r\n/a.jpg=\r\n[04/01]\r\n/c.jpg=\r\n");
  OpenYear("2014");
  store->ErasePage("04/01");
  ASSERT_TRUE(store->OpenPage("03/15").ok());
  EXPECT_EQ(ReadAlbum(YearPath("2014")), "[03/15]\r\n/a.jpg=\r\n\r\n");
}

// ---- Index of years ----

TEST_F(AlbumStoreTest, YearListHoldsOnlyYearDocumentsInOrder) {
  WriteAlbum(YearPath("2014"), "[03/15]\r\n/a.jpg=\r\n");
  WriteAlbum(YearPath("2009"), "[01/01]\r\n/a.jpg=\r\n[02/02]\r\n");
  WriteAlbum(SubPath("2014"), "[03/15x]\r\n/a.jpg=\r\n");
  WriteAlbum(PhotoDir() + "notes.ini", "[01/01]\r\n/a.jpg=\r\n");
  OpenYear("2014");
  EXPECT_THAT(store->yearIndex().YearFiles(), ElementsAre("2009.ini", "2014.ini"));
  EXPECT_THAT(store->yearIndex().YearSectionIndex(), ElementsAre("2009/01/01", "2014/03/15"));
  EXPECT_TRUE(store->PageUsedInOtherYears("01/01", "2014"));
  EXPECT_FALSE(store->PageUsedInOtherYears("01/01", "2009"));
  EXPECT_FALSE(store->PageUsedInOtherYears("02/02", "2014"));
}

TEST_F(AlbumStoreTest, PagesFilledDuringTheRunCountAsUsedByThatYear) {
  WriteAlbum(IndexPath(), "[DATA]\r\n03/15=.alb\r\n04/01=.alb\r\n");
  WriteAlbum(YearPath("2014"), "[03/15]\r\n/a.jpg=\r\n");
  OpenYear("2015");
  ASSERT_TRUE(store->OpenPage("04/01").ok());
  store->SetLines({"/new.jpg="});
  ASSERT_TRUE(store->GoBack(true).ok());
  EXPECT_TRUE(store->PageUsedInOtherYears("04/01", "2014"));
  ASSERT_TRUE(store->SwitchYear("2014/01/01").ok());
  store->RebuildSummaries();
  EXPECT_TRUE(store->PageUsedInOtherYears("04/01", "2014"));
  EXPECT_THAT(store->yearIndex().YearFiles(), ElementsAre("2014.ini", "2015.ini"));
}

// ---- Locks ----

TEST_F(AlbumStoreTest, LocksAreKeysOfTheYearAndRemoveLockOfCompletesShortNames) {
  WriteAlbum(LockPath(), "[LCK]\r\n2014/03/15=\r\n2013/04/01=\r\n2014/05/05=\r\n");
  OpenYear("2014");
  EXPECT_TRUE(store->IsPageLocked("2014", "03/15"));
  EXPECT_FALSE(store->IsPageLocked("2015", "03/15"));
  ASSERT_TRUE(store->RemoveLockOf("0505").ok());  // four characters: nothing
  EXPECT_TRUE(store->IsPageLocked("2014", "05/05"));
  ASSERT_TRUE(store->RemoveLockOf("03/15").ok());
  EXPECT_FALSE(store->IsPageLocked("2014", "03/15"));
  ASSERT_TRUE(store->RemoveLockOf("2013/04/01").ok());
  EXPECT_EQ(ReadAlbum(LockPath()), "[LCK]\r\n2014/05/05=\r\n\r\n");
}

TEST_F(AlbumStoreTest, RemoveLockOfReportsAFailedSave) {
  WriteAlbum(LockPath(), "[LCK]\r\n2014/03/15=\r\n");
  OpenYear("2014");
  files.failWrites = true;
  EXPECT_FALSE(store->RemoveLockOf("03/15").ok());
  EXPECT_THAT(ReadAlbum(LockPath()), "[LCK]\r\n2014/03/15=\r\n");
  EXPECT_TRUE(store->IsPageLocked("2014", "03/15"));
}

}  // namespace
}  // namespace lumidex::testing
