#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "album_fixture.h"

namespace lumidex::testing {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;
using ::testing::Pair;

class PageOperationsTest : public AlbumTest {
 protected:
  // 2014 with page 03/15 holding two files and the sub-album 旅行, and the
  // empty page 04/01.
  void OpenSampleYear() {
    WriteAlbum(IndexPath(), "[DATA]\r\n03/15=.alb\r\n04/01=.alb\r\n");
    WriteAlbum(YearPath("2014"), "[03/15]\r\n/p/a.jpg=\r\n/p/b.jpg=\r\n@03/15旅行=\r\n");
    WriteAlbum(SubPath("2014"), "[03/15旅行]\r\n/s/x.jpg=\r\n/s/y.jpg=\r\n");
    OpenYear("2014");
  }
};

// ---- CreatePage ----

TEST_F(PageOperationsTest, CreatePageAddsTheDayToThePageIndexAtOnce) {
  OpenSampleYear();
  ASSERT_TRUE(ops->CreatePage("12/24").ok());
  EXPECT_EQ(ReadAlbum(IndexPath()), "[DATA]\r\n03/15=.alb\r\n04/01=.alb\r\n12/24=.alb\r\n\r\n");
  EXPECT_EQ(store->Lines().back(), "12/24=.alb");
  EXPECT_FALSE(FileExists(YearPath("2014")) && ReadAlbum(YearPath("2014")).find("12/24") != std::string::npos);
  const int writes = files.writes;
  ASSERT_TRUE(ops->CreatePage("03/15").ok());
  EXPECT_EQ(files.writes, writes);
}

// ---- CreateSubAlbum ----

TEST_F(PageOperationsTest, CreateSubAlbumAsksForANameAndSavesTheYearAtOnce) {
  OpenSampleYear();
  WriteAlbum(SubPath("2013"), "[01/01運動会]\r\n/q.jpg=\r\n[02/02旅行]\r\n/r.jpg=\r\n");
  WriteAlbum(YearPath("2013"), "[01/01]\r\n@01/01運動会=\r\n");
  store->RebuildSummaries();
  prompts.nameAnswer = "（誕生日）";
  ASSERT_TRUE(ops->CreateSubAlbum("04/01").ok());
  ASSERT_EQ(prompts.nameRequests.size(), 1u);
  EXPECT_EQ(prompts.nameRequests[0].caption, "サブアルバムの作成");
  EXPECT_EQ(prompts.nameRequests[0].label, "サブアルバムの名前を入力");
  EXPECT_THAT(prompts.nameRequests[0].choices, ElementsAre("運動会", "旅行"));
  EXPECT_EQ(ReadAlbum(YearPath("2014")),
            "[03/15]\r\n/p/a.jpg=\r\n/p/b.jpg=\r\n@03/15旅行=\r\n\r\n[04/01]\r\n@04/01(誕生日）=\r\n\r\n");
  const GRPDATA* summary = store->FindSummary("04/01");
  ASSERT_NE(summary, nullptr);
  EXPECT_EQ(summary->subAlbumCount, 1);
  EXPECT_EQ(summary->imageCount, 0);
  EXPECT_TRUE(store->modified());
}

TEST_F(PageOperationsTest, CreateSubAlbumRefusesANameThatExistsInAnyLetterCase) {
  WriteAlbum(IndexPath(), "[DATA]\r\n03/15=.alb\r\n");
  WriteAlbum(YearPath("2014"), "[03/15]\r\n@03/15Trip=\r\n");
  OpenYear("2014");
  prompts.nameAnswer = "TRIP";
  ASSERT_TRUE(ops->CreateSubAlbum("03/15").ok());
  EXPECT_THAT(prompts.messages, ElementsAre("'TRIP' このアルバムは既に存在します。"));
  EXPECT_EQ(files.writes, 0);
}

TEST_F(PageOperationsTest, CreateSubAlbumRefusesANameWithAnEqualsSign) {
  OpenSampleYear();
  prompts.nameAnswer = "a=b";
  ASSERT_TRUE(ops->CreateSubAlbum("03/15").ok());
  EXPECT_THAT(prompts.messages, ElementsAre("名前に '=' は使えません。"));
  EXPECT_FALSE(store->yearDocument().HasKey("03/15", "@03/15a"));
}

TEST_F(PageOperationsTest, CreateSubAlbumOnTheOpenPageAddsTheLineToTheList) {
  OpenSampleYear();
  ASSERT_TRUE(ops->OpenEntry(0, PageOperations::OpenHow::kDoubleClick).ok());
  prompts.nameAnswer = "花火";
  ASSERT_TRUE(ops->CreateSubAlbum("03/15").ok());
  EXPECT_EQ(store->Lines().back(), "@03/15花火=");
  EXPECT_EQ(store->FindSummary("03/15")->subAlbumCount, 2);
}

// ---- OpenEntry ----

TEST_F(PageOperationsTest, OpeningAPagePlaysTheSoundAndShowsItsLines) {
  OpenSampleYear();
  ASSERT_TRUE(ops->OpenEntry(0, PageOperations::OpenHow::kDoubleClick).ok());
  EXPECT_EQ(prompts.startSounds, 1);
  EXPECT_EQ(store->openPage(), "03/15");
  EXPECT_THAT(store->Lines(), ElementsAre("/p/a.jpg=", "/p/b.jpg=", "@03/15旅行="));
  ASSERT_TRUE(ops->OpenEntry(2, PageOperations::OpenHow::kMenu).ok());
  EXPECT_EQ(prompts.startSounds, 2);
  EXPECT_EQ(store->openSubAlbumName(), "旅行");
  EXPECT_THAT(store->Lines(), ElementsAre("/s/x.jpg=", "/s/y.jpg="));
}

TEST_F(PageOperationsTest, ALockedPageDoesNotOpenAndAPathCoverOpensTheFile) {
  WriteAlbum(IndexPath(), "[DATA]\r\n03/15=.alb\r\n04/01=/x/cover.png\r\n");
  WriteAlbum(LockPath(), "[LCK]\r\n2014/03/15=\r\n");
  WriteAlbum(YearPath("2014"), "[03/15]\r\n/p/a.jpg=\r\n[04/01]\r\n/p/c.jpg=\r\n");
  OpenYear("2014");
  ASSERT_TRUE(ops->OpenEntry(0, PageOperations::OpenHow::kDoubleClick).ok());
  EXPECT_FALSE(store->PageOpen());
  ASSERT_TRUE(ops->OpenEntry(1, PageOperations::OpenHow::kDoubleClick).ok());
  EXPECT_FALSE(store->PageOpen());
  EXPECT_THAT(prompts.opened, ElementsAre("/x/cover.png"));
  EXPECT_EQ(prompts.startSounds, 0);
}

TEST_F(PageOperationsTest, OpeningASubAlbumSavesTheModifiedPageFirst) {
  OpenSampleYear();
  ASSERT_TRUE(store->OpenPage("03/15").ok());
  store->SetLines({"@03/15旅行=", "/p/b.jpg="});
  ASSERT_TRUE(ops->OpenEntry(0, PageOperations::OpenHow::kDoubleClick).ok());
  EXPECT_TRUE(store->SubAlbumOpen());
  EXPECT_EQ(ReadAlbum(YearPath("2014")), "[03/15]\r\n@03/15旅行=\r\n/p/b.jpg=\r\n\r\n");
}

TEST_F(PageOperationsTest, FileEntriesOpenWithTheSystemOrShowTheirFolder) {
  const std::string picture = Picture("trip/a.jpg");
  WriteAlbum(IndexPath(), "[DATA]\r\n03/15=.alb\r\n");
  WriteAlbum(YearPath("2014"), "[03/15]\r\n" + picture + "=\r\n/gone/u/photos/2014/b.jpg=\r\n");
  OpenYear("2014");
  ASSERT_TRUE(store->OpenPage("03/15").ok());
  ASSERT_TRUE(ops->OpenEntry(0, PageOperations::OpenHow::kDoubleClick).ok());
  EXPECT_THAT(prompts.opened, ElementsAre(picture));
  ASSERT_TRUE(ops->OpenEntry(0, PageOperations::OpenHow::kMenu).ok());
  EXPECT_THAT(prompts.explored, ElementsAre(home.Join("pics/trip")));
  ASSERT_TRUE(ops->OpenEntry(1, PageOperations::OpenHow::kMenu).ok());
  EXPECT_THAT(prompts.messages, ElementsAre("/....[ 2014 ]\n保存先フォルダが不明です。"));
}

// ---- Apply, revert, comment ----

TEST_F(PageOperationsTest, RevertAfterMovingEntriesRestoresTheSavedOrder) {
  OpenSampleYear();
  ASSERT_TRUE(store->OpenPage("03/15").ok());
  store->SetLines({"/p/b.jpg=", "@03/15旅行=", "/p/a.jpg="});
  ops->RevertChanges();
  EXPECT_THAT(store->Lines(), ElementsAre("/p/a.jpg=", "/p/b.jpg=", "@03/15旅行="));
  EXPECT_FALSE(store->modified());
}

TEST_F(PageOperationsTest, RevertKeepsDeletionsAlreadyMadeInTheDocument) {
  OpenSampleYear();
  ASSERT_TRUE(store->OpenPage("03/15").ok());
  ASSERT_TRUE(ops->DeleteEntries({0}).ok());
  ops->SetComment({0}, "x");
  ops->RevertChanges();
  EXPECT_THAT(store->Lines(), ElementsAre("/p/b.jpg=", "@03/15旅行="));
  ASSERT_TRUE(store->GoBack(true).ok());
  EXPECT_EQ(ReadAlbum(YearPath("2014")), "[03/15]\r\n/p/b.jpg=\r\n@03/15旅行=\r\n\r\n");
}

TEST_F(PageOperationsTest, ApplyChangesSavesAndRecountsAtTheNextGoBack) {
  OpenSampleYear();
  ASSERT_TRUE(store->OpenPage("03/15").ok());
  store->SetLines({"/p/a.jpg=", "/p/b.jpg=", "/p/c.jpg=", "@03/15旅行="});
  ASSERT_TRUE(ops->ApplyChanges().ok());
  EXPECT_FALSE(store->modified());
  EXPECT_EQ(ReadAlbum(YearPath("2014")),
            "[03/15]\r\n/p/a.jpg=\r\n/p/b.jpg=\r\n/p/c.jpg=\r\n@03/15旅行=\r\n\r\n");
  EXPECT_EQ(store->FindSummary("03/15")->imageCount, 2);
  ASSERT_TRUE(store->GoBack(false).ok());
  EXPECT_EQ(store->FindSummary("03/15")->imageCount, 3);
}

TEST_F(PageOperationsTest, CommentLineBreaksOfEveryFormStayOnOneLine) {
  OpenSampleYear();
  ASSERT_TRUE(store->OpenPage("03/15").ok());
  ops->SetComment({0, 1}, "夏\r\n海\n空\r雲\u2029風");
  EXPECT_THAT(store->Lines(), ElementsAre("/p/a.jpg=夏･･海･･空･･雲･･風", "/p/b.jpg=夏･･海･･空･･雲･･風",
                                          "@03/15旅行="));
  EXPECT_TRUE(store->modified());
  ASSERT_TRUE(store->SaveCurrent(false).ok());
  EXPECT_EQ(ReadFile(YearPath("2014")).find("\xA5\xA5\xA5\xA5"), std::string::npos);
  EXPECT_NE(ReadFile(YearPath("2014")).find("\x89\xC4\xA5\xA5\x8A\x43"), std::string::npos);  // 夏･･海
}

// ---- RenameEntries ----

class RenameTest : public PageOperationsTest {
 protected:
  std::string a, b;
  void SetUp() override {
    a = Picture("r/a.jpg");
    b = Picture("r/b.jpg");
    WriteAlbum(IndexPath(), "[DATA]\r\n03/15=.alb\r\n");
    WriteAlbum(YearPath("2014"), "[03/15]\r\n" + a + "=夏\r\n" + b + "=\r\n@03/15旅行=x\r\n@03/15海=\r\n");
    WriteAlbum(SubPath("2014"), "[03/15旅行]\r\n/s/x.jpg=\r\n[03/15海]\r\n/s/y.jpg=\r\n");
    OpenYear("2014");
    ASSERT_TRUE(store->OpenPage("03/15").ok());
  }
};

TEST_F(RenameTest, TwoFilesRenamedToOneNameGetANumberedSecondName) {
  prompts.nameAnswer = "new";
  ASSERT_TRUE(ops->RenameEntries({0, 1}).ok());
  ASSERT_EQ(prompts.nameRequests.size(), 1u);
  EXPECT_EQ(prompts.nameRequests[0].caption, "名前の変更");
  EXPECT_EQ(prompts.nameRequests[0].label, "新しい名前を入力");
  EXPECT_EQ(prompts.nameRequests[0].proposed, "a");
  const std::string dir = home.Join("pics/r/");
  EXPECT_THAT(store->Lines()[0], dir + "new.jpg=夏");
  EXPECT_THAT(store->Lines()[1], dir + "new-0001.jpg=");
  EXPECT_TRUE(FileExists(dir + "new.jpg"));
  EXPECT_TRUE(FileExists(dir + "new-0001.jpg"));
  EXPECT_FALSE(FileExists(a));
  // Saved at once: the album names the files as they are now.
  EXPECT_FALSE(store->modified());
  EXPECT_NE(ReadAlbum(YearPath("2014")).find(dir + "new-0001.jpg="), std::string::npos);
}

TEST_F(RenameTest, ANameThatIsAlreadyTheFilesNameLeavesItAlone) {
  prompts.nameAnswer = "a";
  ASSERT_TRUE(ops->RenameEntries({0}).ok());
  EXPECT_EQ(store->Lines()[0], a + "=夏");
  EXPECT_TRUE(FileExists(a));
  EXPECT_EQ(files.writes, 0);
}

TEST_F(RenameTest, AnExistingFileIsNeverReplacedAndATypedExtensionIsUsed) {
  const std::string taken = Picture("r/c.png");
  prompts.nameAnswer = "c.png";
  ASSERT_TRUE(ops->RenameEntries({0}).ok());
  EXPECT_EQ(store->Lines()[0], home.Join("pics/r/c-0001.png") + "=夏");
  EXPECT_TRUE(FileExists(taken));
  EXPECT_TRUE(FileExists(home.Join("pics/r/c-0001.png")));
}

TEST_F(RenameTest, AFileThatCannotBeRenamedStaysAsItWas) {
  store->SetLines({"/gone/q.jpg=", a + "=夏"});
  prompts.nameAnswer = "z";
  ASSERT_TRUE(ops->RenameEntries({0, 1}).ok());
  EXPECT_EQ(store->Lines()[0], "/gone/q.jpg=");
  EXPECT_EQ(store->Lines()[1], home.Join("pics/r/z.jpg") + "=夏");
}

TEST_F(RenameTest, ASubAlbumIsRenamedInBothDocumentsWithANumberWhenTaken) {
  prompts.nameAnswer = "海";
  ASSERT_TRUE(ops->RenameEntries({2}).ok());
  EXPECT_EQ(prompts.nameRequests[0].proposed, "旅行");
  EXPECT_THAT(prompts.nameRequests[0].choices, ElementsAre("旅行", "海"));
  EXPECT_EQ(store->Lines()[2], "@03/15海-001=x");
  EXPECT_TRUE(store->subAlbumDocument().HasSection("03/15海-001"));
  EXPECT_FALSE(store->subAlbumDocument().HasSection("03/15旅行"));
  EXPECT_TRUE(store->yearDocument().HasKey("03/15", "@03/15海-001"));
  EXPECT_TRUE(store->modified());
  ASSERT_TRUE(store->GoBack(true).ok());
  EXPECT_EQ(ReadAlbum(SubPath("2014")), "[03/15海-001]\r\n/s/x.jpg=\r\n\r\n[03/15海]\r\n/s/y.jpg=\r\n\r\n");
}

TEST_F(RenameTest, ANameThatWouldBreakItsLineIsRefused) {
  prompts.nameAnswer = "x=y";
  ASSERT_TRUE(ops->RenameEntries({2}).ok());
  EXPECT_THAT(prompts.messages, ElementsAre("名前に '=' は使えません。"));
  EXPECT_EQ(store->Lines()[2], "@03/15旅行=x");
  for (const std::string name : {"海\r\n/evil.jpg", "tab\tname", "del\x7F"}) {
    prompts.messages.clear();
    prompts.nameAnswer = name;
    ASSERT_TRUE(ops->RenameEntries({0, 2}).ok());
    EXPECT_THAT(prompts.messages, ElementsAre("名前に制御文字は使えません。"));
  }
  EXPECT_EQ(store->Lines()[0], a + "=夏");
  EXPECT_EQ(store->Lines()[2], "@03/15旅行=x");
  EXPECT_TRUE(FileExists(a));
  EXPECT_FALSE(store->modified());
}

TEST_F(RenameTest, AFileNameWithAFolderSeparatorIsRefused) {
  prompts.nameAnswer = "../moved";
  ASSERT_TRUE(ops->RenameEntries({0}).ok());
  EXPECT_THAT(prompts.messages, ElementsAre("名前に '/' や '\\' は使えません。"));
  EXPECT_TRUE(FileExists(a));
  EXPECT_EQ(store->Lines()[0], a + "=夏");
}

// ---- DeleteEntries ----

TEST_F(PageOperationsTest, DeleteQuestionsNameWhatIsDeleted) {
  OpenSampleYear();
  prompts.answerYes = false;
  ASSERT_TRUE(ops->DeleteEntries({0}).ok());  // the page list
  ASSERT_TRUE(store->OpenPage("03/15").ok());
  ASSERT_TRUE(ops->DeleteEntries({2}).ok());
  ASSERT_TRUE(ops->DeleteEntries({0}).ok());
  ASSERT_TRUE(ops->DeleteEntries({0, 1, 2}).ok());
  EXPECT_THAT(prompts.questions,
              ElementsAre(Pair("'03/15' のページを削除してもよろしいですか？", "ページの削除確認"),
                          Pair("サブアルバムの '旅行' を削除してもよろしいですか？", "サブアルバムの削除確認"),
                          Pair("アルバムから画像を削除してもよろしいですか？", "画像の削除確認"),
                          Pair("アルバムから3 個の画像を削除してもよろしいですか？", "画像の削除確認")));
  EXPECT_EQ(store->Lines().size(), 3u);
  EXPECT_FALSE(store->modified());
}

TEST_F(PageOperationsTest, DeletingFewEntriesChangesTheDocumentInMemoryAtOnce) {
  OpenSampleYear();
  const std::string before = ReadFile(YearPath("2014"));
  ASSERT_TRUE(store->OpenPage("03/15").ok());
  ASSERT_TRUE(ops->DeleteEntries({0, 2}).ok());
  EXPECT_THAT(store->Lines(), ElementsAre("/p/b.jpg="));
  EXPECT_THAT(store->yearDocument().SectionLines("03/15"), ElementsAre("/p/b.jpg="));
  EXPECT_FALSE(store->subAlbumDocument().HasSection("03/15旅行"));
  EXPECT_TRUE(store->modified());
  EXPECT_EQ(ReadFile(YearPath("2014")), before);
  const GRPDATA* s = store->FindSummary("03/15");
  EXPECT_EQ(s->imageCount, 1);
  EXPECT_EQ(s->subAlbumCount, 0);
  EXPECT_EQ(s->subAlbumImageCount, 0);
}

TEST_F(PageOperationsTest, DeletingManyEntriesWritesTheSectionAndDropsDeletedSubAlbums) {
  std::string page;
  for (int i = 0; i < 160; ++i) page += "/p/" + std::to_string(i) + ".jpg=\r\n";
  WriteAlbum(IndexPath(), "[DATA]\r\n03/15=.alb\r\n");
  WriteAlbum(YearPath("2014"), "[03/15]\r\n@03/15旅行=\r\n" + page);
  WriteAlbum(SubPath("2014"), "[03/15旅行]\r\n/s/x.jpg=\r\n[03/15海]\r\n/s/y.jpg=\r\n");
  OpenYear("2014");
  ASSERT_TRUE(store->OpenPage("03/15").ok());
  std::vector<size_t> selection;
  for (size_t i = 0; i < 150; ++i) selection.push_back(i);
  ASSERT_TRUE(ops->DeleteEntries(selection).ok());
  EXPECT_EQ(store->Lines().size(), 11u);
  EXPECT_EQ(store->Lines()[0], "/p/149.jpg=");
  const std::string saved = ReadAlbum(YearPath("2014"));
  EXPECT_EQ(saved.find("/p/148.jpg"), std::string::npos);
  EXPECT_NE(saved.find("/p/159.jpg"), std::string::npos);
  EXPECT_FALSE(store->subAlbumDocument().HasSection("03/15旅行"));
  ASSERT_TRUE(store->GoBack(true).ok());
  EXPECT_EQ(ReadAlbum(SubPath("2014")), "[03/15海]\r\n/s/y.jpg=\r\n\r\n");
}

TEST_F(PageOperationsTest, DeletingTheLastEntriesDropsTheSummaryButKeepsAPageUsedElsewhere) {
  OpenSampleYear();
  WriteAlbum(YearPath("2013"), "[03/15]\r\n/old.jpg=\r\n");
  store->RebuildSummaries();
  ASSERT_TRUE(store->OpenPage("03/15").ok());
  ASSERT_TRUE(ops->DeleteEntries({0, 1, 2}).ok());
  EXPECT_EQ(store->FindSummary("03/15"), nullptr);
  ASSERT_TRUE(store->GoBack(true).ok());
  EXPECT_THAT(store->Lines(), IsEmpty());
  EXPECT_TRUE(store->pageIndex().HasKey("DATA", "03/15"));
  EXPECT_EQ(ReadAlbum(YearPath("2014")), "");
}

TEST_F(PageOperationsTest, DeletingPagesFromThePageListDropsKeysLocksAndContentAtOnce) {
  WriteAlbum(IndexPath(), "[DATA]\r\n03/15=.alb\r\n04/01=.alb\r\n05/05=.alb\r\n");
  WriteAlbum(LockPath(), "[LCK]\r\n2014/03/15=\r\n");
  WriteAlbum(YearPath("2014"), "[03/15]\r\n@03/15旅行=\r\n[04/01]\r\n/b.jpg=\r\n[05/05]\r\n/c.jpg=\r\n");
  WriteAlbum(SubPath("2014"), "[03/15旅行]\r\n/s/x.jpg=\r\n");
  WriteAlbum(YearPath("2013"), "[04/01]\r\n/old.jpg=\r\n");
  OpenYear("2014");
  ASSERT_TRUE(ops->DeleteEntries({0, 1}).ok());
  EXPECT_EQ(ReadAlbum(IndexPath()), "[DATA]\r\n04/01=.alb\r\n05/05=.alb\r\n\r\n");
  EXPECT_EQ(ReadAlbum(LockPath()), "[LCK]\r\n\r\n");
  EXPECT_EQ(ReadAlbum(YearPath("2014")), "[05/05]\r\n/c.jpg=\r\n\r\n");
  EXPECT_EQ(ReadAlbum(SubPath("2014")), "");
  EXPECT_THAT(store->Lines(), ElementsAre("05/05=.alb"));
  EXPECT_EQ(store->FindSummary("03/15"), nullptr);
}

// ---- DeleteCalendarPage ----

TEST_F(PageOperationsTest, DeletingTheOpenPageFromTheCalendarLeavesItFirst) {
  OpenSampleYear();
  ASSERT_TRUE(store->OpenPage("03/15").ok());
  store->SetLines({"/p/a.jpg=", "/p/new.jpg="});
  ASSERT_TRUE(ops->DeleteCalendarPage("03/15").ok());
  EXPECT_THAT(prompts.questions,
              ElementsAre(Pair("'03/15' のページを削除してもよろしいですか？", "ページの削除確認")));
  EXPECT_FALSE(store->PageOpen());
  ASSERT_TRUE(store->Close().ok());
  EXPECT_EQ(ReadAlbum(YearPath("2014")), "");
  EXPECT_EQ(ReadAlbum(IndexPath()), "[DATA]\r\n04/01=.alb\r\n\r\n");
}

TEST_F(PageOperationsTest, APageWithAFixedCoverIsAskedAboutToo) {
  WriteAlbum(IndexPath(), "[DATA]\r\n03/15=/x/c.jpg\r\n");
  WriteAlbum(YearPath("2014"), "[03/15]\r\n/p/a.jpg=\r\n");
  OpenYear("2014");
  prompts.answerYes = false;
  ASSERT_TRUE(ops->DeleteCalendarPage("03/15").ok());
  EXPECT_EQ(prompts.questions.size(), 1u);
  EXPECT_TRUE(store->pageIndex().HasKey("DATA", "03/15"));
  EXPECT_TRUE(store->yearDocument().HasSection("03/15"));
  prompts.answerYes = true;
  ASSERT_TRUE(ops->DeleteCalendarPage("03/15").ok());
  EXPECT_FALSE(store->pageIndex().HasKey("DATA", "03/15"));
  EXPECT_EQ(ReadAlbum(YearPath("2014")), "");
}

}  // namespace
}  // namespace lumidex::testing
