#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "foundation/text_codec.h"
#include "freelayout/free_layout_catalogue.h"
#include "platform/environment.h"
#include "support/cli_runner.h"
#include "support/fake_file_store.h"
#include "support/temp_home.h"

namespace lumidex {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

constexpr const char* kAlbumDir = "/album/";

std::vector<std::string> Texts(const std::vector<CatalogueNode>& nodes) {
  std::vector<std::string> texts;
  for (const auto& node : nodes) texts.push_back(node.text);
  return texts;
}

class CatalogueDocumentTest : public ::testing::Test {
 protected:
  testing::FakeFileStore store;
  std::unique_ptr<FreeLayoutDocument> doc;

  void Open(const std::string& text, FreeLayoutWay way) {
    store.files[kAlbumDir + FreeLayoutFileName(2014, way)] = EncodeAlbumFile(text);
    auto opened = FreeLayoutDocument::Open(kAlbumDir, 2014, way, store);
    ASSERT_TRUE(opened.ok()) << opened.status().message();
    doc = std::move(opened).value();
  }
  std::string FileText(FreeLayoutWay way) {
    return DecodeAlbumFile(store.files[kAlbumDir + FreeLayoutFileName(2014, way)]);
  }
};

TEST_F(CatalogueDocumentTest, TheTreeListsPagesWithCountsAndTitlesAndKeepsExpansionAndSelection) {
  Open("[ver]\r\nTsubame=1\r\n"
       "[05/01]\r\n0100100010001000100000000000=/b.jpg\r\n00=海\r\n"
       "0000100010001000100000000000=/a.jpg\r\n0100200010001000100000000000=/c.jpg\r\n"
       "[03/15]\r\n0000100010001000100000000000=/d.jpg\r\n",
       FreeLayoutWay::kByDate);
  PageTreeMemory memory;
  memory.expandedPages = {"05/01"};
  memory.currentSection = "05/01";
  memory.selectedTitle = "海";
  CatalogueTree tree = BuildPageTree(*doc, memory);

  EXPECT_EQ(tree.root.text, "2014年（日付）");
  EXPECT_TRUE(tree.root.expanded);
  EXPECT_THAT(Texts(tree.root.children), ElementsAre("03/15 （1/0/1）", "05/01 （2/1/3）"));
  const CatalogueNode& page = tree.root.children[1];
  EXPECT_THAT(Texts(page.children), ElementsAre("海"));
  EXPECT_EQ(page.children[0].title, "海");
  EXPECT_EQ(page.children[0].page, "05/01");
  EXPECT_TRUE(page.expanded);
  EXPECT_EQ(page.image, kDatePageOpenImage);
  EXPECT_FALSE(tree.root.children[0].expanded);
  ASSERT_TRUE(tree.selected.has_value());
  EXPECT_THAT(*tree.selected, ElementsAre(1, 0));

  // A title that is gone selects nothing; without a title the page is selected.
  memory.selectedTitle = "山";
  EXPECT_FALSE(BuildPageTree(*doc, memory).selected.has_value());
  memory.selectedTitle.clear();
  EXPECT_THAT(*BuildPageTree(*doc, memory).selected, ElementsAre(1));
  EXPECT_EQ(PageNameOfNode(page.text), "05/01");
}

TEST_F(CatalogueDocumentTest, TitleNodesArePatchedAfterARename) {
  Open("[夏]\r\n00=海\r\n00=x\r\n[冬]\r\n0000100010001000100000000000=/a.jpg\r\n", FreeLayoutWay::kByAlbum);
  CatalogueNode root = BuildPageTree(*doc, {}).root;
  EXPECT_EQ(root.text, "2014年（アルバム）");
  EXPECT_THAT(Texts(root.children[0].children), ElementsAre("x", "海"));  // lines sorted as text

  UpdateTitleNodes(root, FreeLayoutWay::kByAlbum, "夏", "海", "山");
  UpdateTitleNodes(root, FreeLayoutWay::kByAlbum, "冬", "", "1");
  UpdateTitleNodes(root, FreeLayoutWay::kByAlbum, "夏", "x", "");
  UpdateTitleNodes(root, FreeLayoutWay::kByAlbum, "春", "", "花");
  EXPECT_THAT(Texts(root.children), ElementsAre("夏 （1/2/0）", "冬 （1/0/1）", "春"));
  EXPECT_THAT(Texts(root.children[0].children), ElementsAre("山"));
  EXPECT_EQ(root.children[0].children[0].title, "山");
  EXPECT_THAT(Texts(root.children[1].children), ElementsAre("1"));
  EXPECT_THAT(Texts(root.children[2].children), ElementsAre("花"));
}

TEST_F(CatalogueDocumentTest, AlbumRenameRefusesBadOrTakenNamesAndMovesTheSectionToTheEnd) {
  Open("[夏]\r\n00=海\r\n[Winter]\r\n[秋]\r\n", FreeLayoutWay::kByAlbum);
  const std::string before = FileText(FreeLayoutWay::kByAlbum);
  for (const char* bad : {"", "ver", "VER", "a （1/0/0）", "a\tb"}) {
    EXPECT_FALSE(doc->RenamePage("夏", bad).ok()) << bad;
  }
  EXPECT_FALSE(doc->RenamePage("夏", "winter").ok());
  EXPECT_EQ(FileText(FreeLayoutWay::kByAlbum), before);

  // The free name the dialog picks: another album's name gets a number.
  const std::string name = FreeName("WINTER", doc->PageNames());
  EXPECT_EQ(name, "WINTER1");
  ASSERT_TRUE(doc->RenamePage("夏", name).ok());
  EXPECT_THAT(doc->PageNames(), ElementsAre("Winter", "WINTER1", "秋"));
  EXPECT_TRUE(FileText(FreeLayoutWay::kByAlbum).ends_with("[WINTER1]\r\n00=海\r\n\r\n"));
}

TEST_F(CatalogueDocumentTest, TabTitlesChangeInPlaceAndMovingATabSwapsItsLinesWithTheTabBefore) {
  Open("[03/15]\r\n0000100010001000100000000000=/a.jpg\r\n00=A\r\n"
       "0100100010001000100000000000=/b.jpg\r\n0200100010001000100000000000=/c.jpg\r\n"
       "[04/01]\r\n00=x\r\n",
       FreeLayoutWay::kByDate);
  ASSERT_TRUE(doc->SetTabTitle("03/15", 0, "B").ok());
  ASSERT_TRUE(doc->SetTabTitle("03/15", 1, "C").ok());
  EXPECT_THAT(doc->PageLines("03/15"),
              ElementsAre("0000100010001000100000000000=/a.jpg", "00=B", "0100100010001000100000000000=/b.jpg",
                          "0200100010001000100000000000=/c.jpg", "01=C"));
  EXPECT_TRUE(FileText(FreeLayoutWay::kByDate).starts_with("[03/15]"));  // the page kept its place
  EXPECT_FALSE(doc->SetTabTitle("03/15", 0, "a\nb").ok());
  EXPECT_FALSE(doc->SetTabTitle("06/06", 0, "B").ok());

  // The third tab moves before the second; the untitled one stays untitled.
  ASSERT_TRUE(doc->MoveTabEarlier("03/15", 2).ok());
  EXPECT_THAT(doc->PageLines("03/15"),
              ElementsAre("0000100010001000100000000000=/a.jpg", "00=B", "0200100010001000100000000000=/b.jpg",
                          "0100100010001000100000000000=/c.jpg", "02=C"));
  EXPECT_THAT(doc->PageTabStrip("03/15").captions, ElementsAre("B", "2", "C"));

  ASSERT_TRUE(doc->SetTabTitle("03/15", 2, "").ok());
  EXPECT_THAT(doc->PageTabStrip("03/15").captions, ElementsAre("B", "2", "3"));
  ASSERT_TRUE(doc->RemovePage("03/15").ok());
  EXPECT_THAT(doc->PageNames(), ElementsAre("04/01"));
  EXPECT_EQ(FileText(FreeLayoutWay::kByDate), "[04/01]\r\n00=x\r\n\r\n");
}

// Hand-made documents of three years, as the searches read them.
class CatalogueSearchTest : public ::testing::Test {
 protected:
  std::vector<CatalogueDocument> dates = {
      {2009,
       {{"05/01", {"00=海の日", "01=海", "0000100010001000100000000000=/a.jpg"}},
        {"ver", {"00=海"}},
        {"01/02", {"00=山", "01=海辺"}}}},
      {2010, {{"07/07", {"00=Umi", "01=海"}}, {"08/08", {"00=川"}}}},
  };
  std::vector<CatalogueDocument> albums = {
      {2009, {{"旅行 夏", {}}, {"旅行 冬", {}}, {"家族", {}}}},
      {2010, {{"家族", {}}, {"旅行 秋", {}}}},
      {2011, {{"家族", {}}}},
  };
};

TEST_F(CatalogueSearchTest, TheTitleSearchGroupsPagesUnderYearsOncePerPage) {
  CatalogueTree tree = TitleSearch(dates, "海", 2010, true);
  EXPECT_EQ(tree.root.text, "全ての年の海");
  EXPECT_EQ(tree.root.image, kDateSearchRootImage);
  ASSERT_THAT(Texts(tree.root.children), ElementsAre("2009 （2）", "2010 （1）"));
  EXPECT_THAT(Texts(tree.root.children[0].children), ElementsAre("01/02", "05/01"));
  const CatalogueNode& page = tree.root.children[1].children[0];
  EXPECT_EQ(page.year, 2010);
  EXPECT_EQ(page.page, "07/07");
  EXPECT_EQ(page.title, "海");
  EXPECT_EQ(tree.root.children[0].page, "01/02");  // a year opens its first page

  tree = TitleSearch(dates, "海", 2009, false);
  EXPECT_EQ(tree.root.text, "2009年の海");
  EXPECT_THAT(Texts(tree.root.children), ElementsAre("01/02", "05/01"));
  EXPECT_THAT(TitleSearch(dates, "umi", 2010, true).root.children, IsEmpty());  // case-sensitive
}

TEST_F(CatalogueSearchTest, AllTitlesGroupPagesUnderEachTitle) {
  CatalogueTree tree = AllTitles(dates, 2009, true);
  EXPECT_EQ(tree.root.text, "全ての年のタイトル");
  EXPECT_THAT(Texts(tree.root.children),
              ElementsAre("Umi （1）", "海 （2）", "海の日 （1）", "海辺 （1）", "山 （1）", "川 （1）"));
  EXPECT_THAT(Texts(tree.root.children[1].children), ElementsAre("2009/05/01", "2010/07/07"));
  EXPECT_EQ(tree.root.children[1].year, 2009);
  EXPECT_EQ(tree.root.children[1].page, "05/01");
  EXPECT_EQ(tree.root.children[1].children[1].title, "海");

  tree = AllTitles(dates, 2010, false);
  EXPECT_EQ(tree.root.text, "2010年のタイトル");
  EXPECT_THAT(Texts(tree.root.children), ElementsAre("Umi （1）", "海 （1）", "川 （1）"));
  EXPECT_THAT(Texts(tree.root.children[1].children), ElementsAre("07/07"));
}

TEST_F(CatalogueSearchTest, AlbumSearchesTakeTheFirstHitOfEachDocumentAndGroupYearsByName) {
  CatalogueTree tree = AlbumNameSearch(albums, "旅行");
  EXPECT_EQ(tree.root.text, "全ての年の旅行");
  ASSERT_THAT(Texts(tree.root.children), ElementsAre("旅行 夏 （1）", "旅行 秋 （1）"));
  EXPECT_EQ(tree.root.children[1].year, 2010);

  tree = AllAlbums(albums);
  EXPECT_EQ(tree.root.text, "全ての年のアルバム");
  ASSERT_THAT(Texts(tree.root.children), ElementsAre("家族 （3）", "旅行 夏 （1）", "旅行 秋 （1）", "旅行 冬 （1）"));
  EXPECT_THAT(Texts(tree.root.children[0].children), ElementsAre("2009", "2010", "2011"));
  EXPECT_EQ(tree.root.children[0].children[2].page, "家族");
  EXPECT_EQ(tree.root.children[0].children[2].year, 2011);
  EXPECT_THAT(AlbumNameSearch(albums, "海").root.children, IsEmpty());
}

TEST(CatalogueNamingTest, SuggestionsNewNamesAndNeighbours) {
  EXPECT_THAT(StripNumberSuffix({"T", "T1", "T2", "2010abc", "T9", "夏２", "夏3"}),
              ElementsAre("T", "2010abc", "T", "夏２", "夏"));

  std::vector<std::string> pages;
  for (int i = 0; i < 3; ++i) pages.push_back(NewAlbumPageName(pages));
  EXPECT_THAT(pages, ElementsAre("無題1", "無題2", "無題3"));
  pages.erase(pages.begin() + 1);
  EXPECT_EQ(NewAlbumPageName(pages), "無題2");

  EXPECT_EQ(FreeName("T", {"A", "B"}), "T");
  EXPECT_EQ(FreeName("T", {"t", "T1"}), "T2");

  const std::vector<std::string> names = {"01/01", "02/02", "03/03"};
  EXPECT_EQ(AdjacentPage(names, "02/02", true), "03/03");
  EXPECT_EQ(AdjacentPage(names, "02/02", false), "01/01");
  EXPECT_EQ(AdjacentPage(names, "03/03", true), std::nullopt);
  EXPECT_EQ(AdjacentPage(names, "01/01", false), std::nullopt);
  EXPECT_EQ(AdjacentPage(names, "09/09", false), "01/01");
  EXPECT_EQ(AdjacentPage({}, "09/09", true), std::nullopt);
}

TEST(CatalogueFilesTest, SearchesReadTheDocumentsOfTheirWayOnly) {
  testing::TempHome home;
  const std::string dir = home.path() + "/";
  testing::WriteFile(dir + "2009.ini", EncodeAlbumFile("[05/01]\r\n00=海\r\n"));
  testing::WriteFile(dir + "2010.ini", EncodeAlbumFile("[07/07]\r\n00=海\r\n"));
  testing::WriteFile(dir + "2010A.ini", EncodeAlbumFile("[旅行]\r\n"));
  testing::WriteFile(dir + "0999.ini", EncodeAlbumFile("[01/01]\r\n00=海\r\n"));
  testing::WriteFile(dir + "notes.ini", EncodeAlbumFile("[01/01]\r\n00=海\r\n"));
  testing::WriteFile(dir + "2011.ini", std::string("\0\1\2binary", 9));

  auto byDate = ReadCatalogueDocuments(dir, FreeLayoutWay::kByDate, std::nullopt);
  ASSERT_EQ(byDate.size(), 2u);
  EXPECT_EQ(byDate[0].year, 2009);
  EXPECT_EQ(byDate[1].sections[0].name, "07/07");
  auto shown = ReadCatalogueDocuments(dir, FreeLayoutWay::kByDate, 2010);
  ASSERT_EQ(shown.size(), 1u);
  EXPECT_EQ(shown[0].year, 2010);
  auto byAlbum = ReadCatalogueDocuments(dir, FreeLayoutWay::kByAlbum, std::nullopt);
  ASSERT_EQ(byAlbum.size(), 1u);
  EXPECT_THAT(AllPageNames(byAlbum), ElementsAre("旅行"));
  EXPECT_THAT(AllTabTitles(byDate), ElementsAre("海"));
}

TEST(CliFreeLayoutSearchTest, PrintsOneLinePerPageWithItsMatchingTitle) {
  testing::TempHome home;
  const std::string album = home.path() + "/data/" + platform::LoginName() + "/album/";
  testing::WriteFile(album + "2010.ini", EncodeAlbumFile("[07/07]\r\n00=山\r\n01=海の家\r\n02=海\r\n"));
  testing::WriteFile(album + "2009.ini", EncodeAlbumFile("[05/01]\r\n00=海\r\n[ver]\r\n00=海\r\n"));
  testing::WriteFile(album + "2010A.ini", EncodeAlbumFile("[家族]\r\n[旅行 海]\r\n[海]\r\n"));
  auto result = testing::RunCli({"freelayout", "search", "海"});
  ASSERT_EQ(result.exitCode, 0) << result.err;
  EXPECT_EQ(result.out, "2009\t05/01\t海\n2010\t07/07\t海の家\n");
  result = testing::RunCli({"freelayout", "search", "海", "--album"});
  EXPECT_EQ(result.out, "2010\t旅行 海\t\n");
  EXPECT_EQ(testing::RunCli({"freelayout", "search"}).exitCode, 2);
}

}  // namespace
}  // namespace lumidex
