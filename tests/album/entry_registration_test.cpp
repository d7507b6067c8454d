#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "album/album_info_line.h"
#include "album/registrable_file.h"
#include "registration_fixture.h"

namespace lumidex::testing {
namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::IsEmpty;

// ---- Registrable files and the managed-type question ----

TEST_F(RegistrationTest, PicturesAreRegistrableAndMissingOrExtensionlessFilesAreNot) {
  OpenSample();
  RegistrabilityCheck check(env->types, regPrompts);
  EXPECT_TRUE(check.IsRegistrable(a));
  EXPECT_FALSE(check.IsRegistrable(home.Join("pics/p/gone.jpg")));
  EXPECT_FALSE(check.IsRegistrable(Picture("p/README")));
  EXPECT_FALSE(check.IsRegistrable(home.Join("pics/p")));
  EXPECT_THAT(regPrompts.askedExtensions, IsEmpty());
}

TEST_F(RegistrationTest, AnOtherTypeIsAskedAboutAndYesMakesItManaged) {
  OpenSample();
  RegistrabilityCheck check(env->types, regPrompts);
  EXPECT_TRUE(check.IsRegistrable(Picture("p/notes.TXT")));
  EXPECT_THAT(regPrompts.askedExtensions, ElementsAre(".TXT"));
  EXPECT_TRUE(env->types.IsManagedType(".txt"));
  EXPECT_TRUE(check.IsRegistrable(Picture("p/more.txt")));
  EXPECT_EQ(regPrompts.askedExtensions.size(), 1u);
}

TEST_F(RegistrationTest, AnswerForAllIsAskedOnceForTheBatch) {
  OpenSample();
  regPrompts.answer = {false, true};
  RegistrabilityCheck check(env->types, regPrompts);
  EXPECT_FALSE(check.IsRegistrable(Picture("p/1.txt")));
  EXPECT_FALSE(check.IsRegistrable(Picture("p/2.doc")));
  EXPECT_EQ(regPrompts.askedExtensions.size(), 1u);
  EXPECT_FALSE(env->types.IsManagedType(".txt"));
}

TEST(RegistrableFileTest, TheDialogFilterEndsWithTheManagedTypes) {
  const std::string filter = AddFileDialogFilter({".txt", ".doc"});
  EXPECT_THAT(filter, HasSubstr("GIF (gif)|*.gif|追加管理ファイル(.txt.doc)|*.txt;*.doc"));
  EXPECT_EQ(WithManagedTypesPart(filter, {".pdf"}),
            AddFileDialogFilter({}) + "|追加管理ファイル(.pdf)|*.pdf");
  EXPECT_EQ(AddFileDialogFilter({}).find("追加管理"), std::string::npos);
}

TEST(RegistrableFileTest, PathsWithEqualsOrLineBreaksCannotBeKeys) {
  EXPECT_TRUE(CanStoreAsKey("/p/a b.jpg"));
  EXPECT_FALSE(CanStoreAsKey("/p/a=b.jpg"));
  EXPECT_FALSE(CanStoreAsKey("/p/a\nb.jpg"));
  EXPECT_FALSE(CanStoreAsKey(""));
  EXPECT_FALSE(CanStoreAsKey("/p/\xff\xfe.jpg"));
}

// ---- AddToPage ----

TEST_F(RegistrationTest, DroppingAFolderOnADayWithoutAPageCreatesItWithEveryPicture) {
  OpenSample();
  const std::string c = Picture("drop/c.jpg");
  const std::string d = Picture("drop/sub/d.png");
  Picture("drop/skip.txt");
  auto added = reg->AddToPage("04/01", {home.Join("pics/drop")}, IncomingKind::kPaths);
  ASSERT_TRUE(added.ok()) << added.status().message();
  EXPECT_EQ(added.value().files, 2);
  EXPECT_THAT(store->yearDocument().SectionLines("04/01"), ElementsAre(c + "=", d + "="));
  EXPECT_EQ(store->pageIndex().GetValue("DATA", "04/01", "?"), ".alb");
  EXPECT_THAT(ReadAlbum(IndexPath()), HasSubstr("04/01=.alb"));
  EXPECT_THAT(ReadAlbum(YearPath("2014")), HasSubstr("[04/01]\r\n" + c + "=\r\n"));
  ASSERT_NE(store->FindSummary("04/01"), nullptr);
  EXPECT_EQ(store->FindSummary("04/01")->imageCount, 2);
}

TEST_F(RegistrationTest, RegisteringFilesAgainKeepsTheirCommentsAndAddsNoDuplicates) {
  OpenSample();
  const std::string c = Picture("p/c.jpg");
  auto added = reg->AddToPage("03/15", {a, b, c, home.Join("pics/p")}, IncomingKind::kPaths);
  ASSERT_TRUE(added.ok());
  EXPECT_EQ(added.value().files, 1);
  EXPECT_THAT(store->yearDocument().SectionLines("03/15"),
              ElementsAre(a + "=思い出", b + "=", c + "=", "@03/15旅行=旅"));
  EXPECT_EQ(store->FindSummary("03/15")->imageCount, 3);
}

TEST_F(RegistrationTest, PathsThatCannotBeKeysAreSkippedAndCounted) {
  OpenSample();
  const std::string odd = Picture("p/x=y.jpg");
  auto added = reg->AddToPage("03/15", {odd}, IncomingKind::kPaths);
  ASSERT_TRUE(added.ok());
  EXPECT_EQ(added.value().unstorable, 1);
  EXPECT_EQ(added.value().files, 0);
  EXPECT_THAT(regPrompts.messages, ElementsAre(UnstorablePathsMessage(1)));
  EXPECT_EQ(store->yearDocument().SectionLines("03/15").size(), 3u);
}

TEST_F(RegistrationTest, LongDroppedPathsAreKeptWhole) {
  OpenSample();
  const std::string longPath =
      Picture(std::string(150, 'd') + "/" + std::string(150, 'f') + ".jpg");
  ASSERT_GT(longPath.size(), 300u);
  ASSERT_TRUE(reg->AddToPage("05/05", {longPath}, IncomingKind::kPaths).ok());
  EXPECT_THAT(store->yearDocument().SectionLines("05/05"), ElementsAre(longPath + "="));
}

TEST_F(RegistrationTest, AddingToAPageIsRefusedForANameThatIsNoPage) {
  OpenSample();
  EXPECT_FALSE(reg->AddToPage("", {a}, IncomingKind::kPaths).ok());
  EXPECT_FALSE(store->yearDocument().HasSection(""));
}

// ---- AddToContainer ----

TEST_F(RegistrationTest, FilesAddedToAnOpenPageFollowInOrderAndPendingEditsAreSaved) {
  OpenSample();
  ASSERT_TRUE(store->OpenPage("03/15").ok());
  std::vector<std::string> edited = store->Lines();
  std::swap(edited[0], edited[1]);  // a move not saved yet
  store->SetLines(edited);
  const std::string z = Picture("q/z.jpg");
  const std::string c = Picture("q/c.jpg");
  auto added = reg->AddToContainer({z, c, a}, IncomingKind::kPaths);
  ASSERT_TRUE(added.ok());
  EXPECT_EQ(added.value().files, 2);
  const std::vector<std::string> expected{b + "=", a + "=思い出", "@03/15旅行=旅", z + "=",
                                          c + "="};
  EXPECT_EQ(store->Lines(), expected);
  EXPECT_EQ(store->yearDocument().SectionLines("03/15"), expected);
  EXPECT_TRUE(store->modified());
  EXPECT_EQ(store->FindSummary("03/15")->imageCount, 4);
}

TEST_F(RegistrationTest, AFolderAddedToAnOpenSubAlbumIsMergedSorted) {
  OpenSample();
  ASSERT_TRUE(store->OpenPage("03/15").ok());
  ASSERT_TRUE(store->OpenSubAlbum("03/15旅行").ok());
  const std::string c = Picture("t/c.jpg");
  auto added = reg->AddToContainer({home.Join("pics/t")}, IncomingKind::kPaths);
  ASSERT_TRUE(added.ok());
  EXPECT_EQ(added.value().files, 1);
  EXPECT_THAT(store->subAlbumDocument().SectionLines("03/15旅行"),
              ElementsAre("/s/x.jpg=海", "/s/y.jpg=", c + "="));
  EXPECT_EQ(store->FindSummary("03/15")->subAlbumImageCount, 3);
}

TEST_F(RegistrationTest, EveryLineOfALargeBatchIsChecked) {
  OpenSample();
  ASSERT_TRUE(store->OpenPage("03/15").ok());
  std::vector<std::string> lines;
  for (int i = 0; i < 120; ++i)
    lines.push_back(home.Join("pics/gone" + std::to_string(i) + ".jpg"));
  const std::string real = Picture("big/r.jpg");
  lines.push_back(real);
  lines.push_back("/x/named.jpg=kept");
  auto added = reg->AddToContainer(lines, IncomingKind::kAlbumInfo);
  ASSERT_TRUE(added.ok());
  EXPECT_EQ(added.value().files, 2);
  // The whole section is sorted.
  EXPECT_THAT(store->Lines(), ElementsAre(real + "=", a + "=思い出", b + "=", "/x/named.jpg=kept",
                                          "@03/15旅行=旅"));
}

// ---- Sub-albums and album information ----

TEST_F(RegistrationTest, ASubAlbumPastedFromAnotherYearIsCopiedWithItsLines) {
  WriteAlbum(SubPath("2013"), "[03/15旅行]\r\n/s/m.jpg=山\r\n/s/n.jpg=\r\n");
  OpenSample();
  auto added = reg->AddToPage("04/01", {"@201303/15旅行=旅"}, IncomingKind::kAlbumInfo);
  ASSERT_TRUE(added.ok());
  EXPECT_EQ(added.value().subAlbums, 1);
  EXPECT_EQ(added.value().subAlbumFiles, 2);
  EXPECT_EQ(added.value().files, 0);
  EXPECT_THAT(store->yearDocument().SectionLines("04/01"), ElementsAre("@04/01旅行=旅"));
  EXPECT_THAT(ReadAlbum(SubPath("2014")), HasSubstr("[04/01旅行]\r\n/s/m.jpg=山\r\n/s/n.jpg=\r\n"));
  EXPECT_THAT(ReadAlbum(SubPath("2013")), HasSubstr("[03/15旅行]"));  // copied, not cut
  EXPECT_EQ(store->FindSummary("04/01")->subAlbumCount, 1);
  EXPECT_EQ(store->FindSummary("04/01")->subAlbumImageCount, 2);
}

TEST_F(RegistrationTest, ACutSubAlbumOfTheShownYearLeavesTheDocumentThatIsSaved) {
  OpenSample();
  ASSERT_TRUE(store->OpenPage("03/15").ok());
  const std::vector<std::string> cut = reg->CutEntries({2});
  EXPECT_THAT(cut, ElementsAre("@201403/15旅行=旅"));
  ASSERT_TRUE(store->GoBack(true).ok());
  auto added = reg->AddToPage("04/01", cut, IncomingKind::kAlbumInfo);
  ASSERT_TRUE(added.ok());
  EXPECT_FALSE(reg->cutPending());
  const std::string saved = ReadAlbum(SubPath("2014"));
  EXPECT_EQ(saved.find("[03/15旅行]"), std::string::npos);
  EXPECT_THAT(saved, HasSubstr("[04/01旅行]\r\n/s/x.jpg=海\r\n/s/y.jpg=\r\n"));
  // Pasting the same lines again copies the moved sub-album, not an empty one.
  ASSERT_TRUE(reg->AddToPage("05/01", cut, IncomingKind::kAlbumInfo).ok());
  EXPECT_THAT(ReadAlbum(SubPath("2014")), HasSubstr("[04/01旅行]\r\n/s/x.jpg=海"));
}

TEST_F(RegistrationTest, ACutSubAlbumOfAnotherYearIsRemovedFromItsFile) {
  WriteAlbum(SubPath("2013"), "[03/15旅行]\r\n/s/m.jpg=\r\n[03/16花]\r\n/s/f.jpg=\r\n");
  OpenSample();
  reg->SetCutPending(true);
  ASSERT_TRUE(reg->AddToPage("04/01", {"@201303/15旅行="}, IncomingKind::kAlbumInfo).ok());
  EXPECT_EQ(ReadAlbum(SubPath("2013")), "[03/16花]\r\n/s/f.jpg=\r\n\r\n");
}

TEST_F(RegistrationTest, AlbumInformationNamingAFileOutsideTheAlbumIsRejected) {
  OpenSample();
  auto added = reg->AddToPage(
      "04/01", {"@../x03/15旅行=", "@201403/15../../a=", "@2014xx/15a=", "@201403/15旅行="},
      IncomingKind::kAlbumInfo);
  ASSERT_TRUE(added.ok());
  EXPECT_EQ(added.value().rejected, 3);
  EXPECT_EQ(added.value().subAlbums, 1);
}

TEST_F(RegistrationTest, ASubAlbumPastedIntoAnOpenPageCountsAsASubAlbumWithItsFiles) {
  WriteAlbum(SubPath("2013"), "[06/01花]\r\n/s/m.jpg=\r\n/s/n.jpg=\r\n/s/o.jpg=\r\n");
  OpenSample();
  ASSERT_TRUE(store->OpenPage("03/15").ok());
  auto added = reg->AddToContainer({"@201306/01花=春"}, IncomingKind::kAlbumInfo);
  ASSERT_TRUE(added.ok());
  EXPECT_EQ(added.value().files, 0);
  EXPECT_EQ(added.value().subAlbums, 1);
  EXPECT_EQ(added.value().subAlbumFiles, 3);
  EXPECT_EQ(store->Lines().back(), "@03/15花=春");
  const GRPDATA* summary = store->FindSummary("03/15");
  ASSERT_NE(summary, nullptr);
  EXPECT_EQ(summary->imageCount, 2);
  EXPECT_EQ(summary->subAlbumCount, 2);
  EXPECT_EQ(summary->subAlbumImageCount, 5);
  EXPECT_THAT(ReadAlbum(SubPath("2014")), HasSubstr("[03/15花]\r\n/s/m.jpg=\r\n"));
}

TEST_F(RegistrationTest, SubAlbumsOfALargeBatchAreCopiedToo) {
  WriteAlbum(SubPath("2013"), "[06/01花]\r\n/s/m.jpg=\r\n");
  OpenSample();
  std::vector<std::string> lines{"@201306/01花="};
  for (int i = 0; i < 120; ++i) lines.push_back("/x/" + std::to_string(i) + ".jpg=");
  auto added = reg->AddToPage("04/01", lines, IncomingKind::kAlbumInfo);
  ASSERT_TRUE(added.ok());
  EXPECT_EQ(added.value().files, 120);
  EXPECT_EQ(added.value().subAlbums, 1);
  EXPECT_EQ(store->yearDocument().SectionLines("04/01").back(), "@04/01花=");
  EXPECT_THAT(store->subAlbumDocument().SectionLines("04/01花"), ElementsAre("/s/m.jpg="));
}

TEST(AlbumInfoLineTest, SubAlbumLinesCarryTheirYear) {
  EXPECT_EQ(ToAlbumInfoLine("@03/15旅行=c", "2013"), "@201303/15旅行=c");
  EXPECT_EQ(ToAlbumInfoLine("/p/a.jpg=c", "2013"), "/p/a.jpg=c");
  const auto info = ParseSubAlbumInfo("@201303/15旅行=c");
  ASSERT_TRUE(info.has_value());
  EXPECT_EQ(info->year, "2013");
  EXPECT_EQ(info->section, "03/15旅行");
  EXPECT_EQ(info->comment, "c");
  EXPECT_FALSE(ParseSubAlbumInfo("@201303/15=c").has_value());
}

// ---- Cut and insert ----

TEST_F(RegistrationTest, CutThenInsertKeepsTheOrderOfTheCutLines) {
  OpenSample();
  const std::string c = Picture("p/c.jpg");
  ASSERT_TRUE(reg->AddToPage("03/15", {c}, IncomingKind::kPaths).ok());
  ASSERT_TRUE(store->OpenPage("03/15").ok());
  // Lines: a, b, c, @旅行; cut the second and the fourth, insert before the first.
  const std::vector<std::string> cut = reg->CutEntries({1, 3});
  auto inserted = reg->InsertEntries(0, cut, IncomingKind::kAlbumInfo);
  ASSERT_TRUE(inserted.ok());
  EXPECT_THAT(inserted.value(), ElementsAre(0, 1));
  EXPECT_THAT(store->Lines(), ElementsAre(b + "=", "@03/15旅行=旅", a + "=思い出", c + "="));
  ASSERT_TRUE(store->SaveCurrent(true).ok());
  EXPECT_THAT(ReadAlbum(SubPath("2014")), HasSubstr("[03/15旅行]\r\n/s/x.jpg=海\r\n"));
}

TEST_F(RegistrationTest, InsertSkipsFilesThatCannotBeRegistered) {
  OpenSample();
  ASSERT_TRUE(store->OpenPage("03/15").ok());
  const std::string c = Picture("p/c.jpg");
  auto inserted = reg->InsertEntries(1, {home.Join("pics/gone.jpg"), c + "=new", a + "=again"},
                                     IncomingKind::kAlbumInfo);
  ASSERT_TRUE(inserted.ok());
  EXPECT_THAT(inserted.value(), ElementsAre(1));
  EXPECT_THAT(store->Lines(), ElementsAre(a + "=思い出", c + "=new", b + "=", "@03/15旅行=旅"));
}

}  // namespace
}  // namespace lumidex::testing
