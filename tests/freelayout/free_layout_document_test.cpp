#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "foundation/ini_line.h"
#include "foundation/text_codec.h"
#include "freelayout/free_layout_document.h"
#include "freelayout/free_layout_key.h"
#include "support/fake_file_store.h"

namespace lumidex {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

constexpr const char* kAlbumDir = "/album/";

class FreeLayoutDocumentTest : public ::testing::Test {
 protected:
  testing::FakeFileStore store;
  std::unique_ptr<FreeLayoutDocument> doc;

  std::string PathOf(FreeLayoutWay way = FreeLayoutWay::kByDate) {
    return kAlbumDir + FreeLayoutFileName(2014, way);
  }
  // Writes the document text (cp932 where it can) and opens it.
  void Open(const std::string& text, FreeLayoutWay way = FreeLayoutWay::kByDate) {
    store.files[PathOf(way)] = EncodeAlbumFile(text);
    Reopen(way);
  }
  void Reopen(FreeLayoutWay way = FreeLayoutWay::kByDate) {
    auto opened = FreeLayoutDocument::Open(kAlbumDir, 2014, way, store);
    ASSERT_TRUE(opened.ok()) << opened.status().message();
    doc = std::move(opened).value();
  }
  std::string FileText() { return DecodeAlbumFile(store.files[PathOf()]); }

  static FreeLayoutItem Item(int x, std::string value) {
    FreeLayoutItem item;
    item.x = x;
    item.y = 10;
    item.width = item.height = 100;
    item.value = std::move(value);
    return item;
  }
  static std::vector<std::string> Values(const TabLoad& load) {
    std::vector<std::string> values;
    for (const auto& item : load.items) values.push_back(item.value);
    return values;
  }
};

// A Linux file name may hold characters cp932 has no form for: the document
// is then written as UTF-8 with its byte-order mark, and the path survives.
TEST_F(FreeLayoutDocumentTest, APathWithoutACp932FormIsKeptInAUtf8Document) {
  Reopen();
  const std::string path = "/pics/caf\xC3\xA9 \xF0\x9F\x8C\xB8.jpg";  // café 🌸
  ASSERT_TRUE(doc->SaveTab("03/15", 0, {Item(5, path)}).ok());
  EXPECT_TRUE(store.files[PathOf()].starts_with("\xEF\xBB\xBF"));
  Reopen();
  EXPECT_THAT(Values(doc->LoadTab("03/15", 0)), ElementsAre(path));
}

TEST_F(FreeLayoutDocumentTest, SavingWritesItemsInListOrderWithEqualKeysToldApart) {
  Reopen();
  Result<TabSaveOutcome> saved =
      doc->SaveTab("03/15", 0, {Item(5, "/b.jpg"), Item(5, "/a.jpg"), Item(1, "one\r\ntwo")});
  ASSERT_TRUE(saved.ok()) << saved.status().message();
  EXPECT_TRUE(saved.value().pageListChanged);

  const std::vector<std::string> lines = SplitLines(FileText());
  EXPECT_THAT(lines, ElementsAre("[ver]", "Tsubame=1", "", "[03/15]",
                                 "000005001001000100000000000=/b.jpg",
                                 "000005001001000100000000001=/a.jpg",
                                 "000001001001000100000000000=one･･two", ""));
  Reopen();
  EXPECT_THAT(Values(doc->LoadTab("03/15", 0)), ElementsAre("/b.jpg", "/a.jpg", "one\r\ntwo"));

  // Saving what was loaded writes the same file; "ver" is not written twice.
  const std::string first = store.files[PathOf()];
  ASSERT_TRUE(doc->SaveTab("03/15", 0, doc->LoadTab("03/15", 0).items).ok());
  EXPECT_EQ(store.files[PathOf()], first);
}

TEST_F(FreeLayoutDocumentTest, LineBreaksDecodeByCharacterNotByByte) {
  // 婚 is 8D A5 in cp932: its trail byte and the first byte of a stored break
  // must not be taken for a break.
  const std::string key = "000000000000000000000000000=";
  store.files[PathOf()] = "[01/01]\r\n" + key + "\x8C\x8B\x8D\xA5\xA5\xA5\x8E\xAE\r\n" + key.substr(0, 26) +
                          "1=\x8C\x8B\x8D\xA5\x8E\xAE\xA5\xA5\r\n" + key.substr(0, 26) +
                          "2=\x8D\xA5\xA5\r\n";
  const std::string before = store.files[PathOf()];
  Reopen();
  EXPECT_THAT(Values(doc->LoadTab("01/01", 0)), ElementsAre("結婚\r\n式", "結婚式\r\n", "婚･"));

  ASSERT_TRUE(doc->SaveTab("01/01", 0, doc->LoadTab("01/01", 0).items).ok());
  EXPECT_NE(store.files[PathOf()].find(before.substr(9)), std::string::npos);
}

TEST_F(FreeLayoutDocumentTest, UnreadableLinesAreReportedOnceAndSurviveSaves) {
  const std::string bigValue = "10000000FFFFFF808080000000" + std::string(10 << 20, 'x');
  Open("[05/05]\r\n00=表紙\r\n"
       "00ab0010001000100010000000=keep me\r\n"
       "0000100010001000100000000000=/a.jpg\r\n"
       "0000200020002000200000000000=" + bigValue + "\r\n"
       "0000300030003000300000000000=zz garbage textSpec\r\n"
       "0100100010001000100000000000=/tab1.jpg\r\n"
       "no equals sign here\r\n");
  TabLoad load = doc->LoadTab("05/05", 0);
  ASSERT_EQ(load.items.size(), 3u);
  ASSERT_EQ(load.problems.size(), 1u);
  EXPECT_THAT(UnreadableItemsMessage(load.problems), ::testing::HasSubstr("1 件"));

  load.items[0].x = 400;
  ASSERT_TRUE(doc->SaveTab("05/05", 0, load.items).ok());
  Reopen();
  const std::vector<std::string> lines = doc->PageLines("05/05");
  EXPECT_THAT(lines, ::testing::IsSupersetOf({std::string("00=表紙"),
                                              std::string("00ab0010001000100010000000=keep me"),
                                              std::string("0100100010001000100000000000=/tab1.jpg"),
                                              std::string("no equals sign here")}));
  load = doc->LoadTab("05/05", 0);
  ASSERT_EQ(load.items.size(), 3u);
  EXPECT_EQ(load.items[0].x, 400);
  EXPECT_EQ(load.items[1].value, bigValue);
  EXPECT_EQ(load.items[2].value, "zz garbage textSpec");
}

TEST_F(FreeLayoutDocumentTest, AHundredThousandItemsLoadAndSave) {
  std::string text = "[01/01]\r\n";
  for (int i = 0; i < 100000; ++i) text += "000000000000000000000000000=/p/" + std::to_string(i) + "\r\n";
  Open(text);
  const TabLoad load = doc->LoadTab("01/01", 0);
  ASSERT_EQ(load.items.size(), 100000u);
  ASSERT_TRUE(doc->SaveTab("01/01", 0, load.items).ok());
  Reopen();
  const TabLoad again = doc->LoadTab("01/01", 0);
  ASSERT_EQ(again.items.size(), 100000u);
  EXPECT_EQ(again.items.back().value, "/p/99999");
  EXPECT_EQ(again.items.back().reserved, 99999);
}

TEST_F(FreeLayoutDocumentTest, EmptyingATabRemovesItsTitleAndMovesLaterTabsDownInStackingOrder) {
  Open("[ver]\r\nTsubame=1\r\n[07/07]\r\n00=海\r\n0000100010001000100000000000=/a.jpg\r\n"
       "01=山\r\n0100100010001000100000000000=/m.jpg\r\n"
       "0200900010001000100000000000=/top-of-key-order-last.jpg\r\n"
       "0200100010001000100000000000=/first-in-key-order.jpg\r\n");
  Result<TabSaveOutcome> saved = doc->SaveTab("07/07", 1, {});
  ASSERT_TRUE(saved.ok());
  EXPECT_TRUE(saved.value().tabStripChanged);
  EXPECT_FALSE(saved.value().pageListChanged);

  Reopen();
  const TabStrip strip = doc->PageTabStrip("07/07");
  EXPECT_EQ(strip.count, 2);
  EXPECT_THAT(strip.captions, ElementsAre("海", "2"));
  EXPECT_THAT(Values(doc->LoadTab("07/07", 1)),
              ElementsAre("/top-of-key-order-last.jpg", "/first-in-key-order.jpg"));
  EXPECT_THAT(Values(doc->LoadTab("07/07", 0)), ElementsAre("/a.jpg"));
}

TEST_F(FreeLayoutDocumentTest, EmptyingTheLastTabRemovesThePageButANewAlbumPageStays) {
  Open("[07/07]\r\n00=海\r\n0000100010001000100000000000=/a.jpg\r\n[08/08]\r\n00=x\r\n");
  EXPECT_EQ(doc->PageCounter("08/08"), "2/2");
  Result<TabSaveOutcome> saved = doc->SaveTab("07/07", 0, {});
  ASSERT_TRUE(saved.ok());
  EXPECT_TRUE(saved.value().pageListChanged);
  Reopen();
  EXPECT_THAT(doc->PageNames(), ElementsAre("08/08"));
  EXPECT_EQ(doc->PageCounter("08/08"), "1/1");

  Open("", FreeLayoutWay::kByAlbum);
  ASSERT_TRUE(doc->CreateAlbumPage("旅行").ok());
  EXPECT_FALSE(doc->CreateAlbumPage("旅行").ok());
  EXPECT_FALSE(doc->CreateAlbumPage("ver").ok());
  ASSERT_TRUE(doc->SaveTab("旅行", 0, {}).ok());
  Reopen(FreeLayoutWay::kByAlbum);
  EXPECT_THAT(doc->PageNames(), ElementsAre("旅行"));
  EXPECT_EQ(doc->PageTabStrip("旅行").count, 0);
}

TEST_F(FreeLayoutDocumentTest, PicksPagesInSortedOrderAndCountsThem) {
  Open("[b]\r\n00=x\r\n[ver]\r\nTsubame=1\r\n[a]\r\n00=y\r\n[C]\r\n");
  EXPECT_THAT(doc->PageNames(), ElementsAre("a", "b", "C"));
  EXPECT_EQ(doc->PickFreeLayoutPage(""), "a");
  EXPECT_EQ(doc->PickFreeLayoutPage("gone"), "a");
  EXPECT_EQ(doc->PickFreeLayoutPage("ver"), "a");
  EXPECT_EQ(doc->PickFreeLayoutPage("C"), "C");
  EXPECT_EQ(doc->PageCounter("b"), "2/3");
  EXPECT_EQ(doc->PageCounter("gone"), "0/3");
  Open("");
  EXPECT_EQ(doc->PickFreeLayoutPage("x"), "");
  EXPECT_EQ(doc->PageCounter(""), "0/0");
}

TEST_F(FreeLayoutDocumentTest, TabStripShowsTitlesNumbersOrNothing) {
  const std::string item = "000000000000000000000000000=/a.jpg";
  EXPECT_EQ(BuildTabStrip({item}).count, 1);
  EXPECT_THAT(BuildTabStrip({item}).captions, IsEmpty());
  EXPECT_THAT(BuildTabStrip({"00=表紙", item}).captions, ElementsAre("表紙"));
  EXPECT_THAT(BuildTabStrip({item, "01" + item.substr(2)}).captions, ElementsAre("1", "2"));
  EXPECT_THAT(RenamedTabCaptions({"01=二"}, 2), ElementsAre("1", "二"));
}

TEST_F(FreeLayoutDocumentTest, AFailedSaveLeavesFileAndDocumentAsTheyWere) {
  Open("[01/01]\r\n0000100010001000100000000000=/a.jpg\r\n");
  const std::string before = store.files[PathOf()];
  store.failWrites = true;
  EXPECT_FALSE(doc->SaveTab("01/01", 0, {}).ok());
  EXPECT_FALSE(doc->CreateAlbumPage("x").ok());
  EXPECT_EQ(store.files[PathOf()], before);
  EXPECT_THAT(doc->PageNames(), ElementsAre("01/01"));
  EXPECT_EQ(doc->LoadTab("01/01", 0).items.size(), 1u);
  EXPECT_FALSE(doc->SaveTab("", 0, {}).ok());
}

TEST_F(FreeLayoutDocumentTest, AFileThatIsNoAlbumTextIsRefusedAndKept) {
  store.files[PathOf()] = std::string("[01/01]\r\n\0\0binary", 17);
  auto opened = FreeLayoutDocument::Open(kAlbumDir, 2014, FreeLayoutWay::kByDate, store);
  EXPECT_FALSE(opened.ok());
  EXPECT_EQ(store.writeCount, 0);
}

}  // namespace
}  // namespace lumidex
