#include <gtest/gtest.h>

#include "foundation/text_codec.h"
#include "freelayout/edit_history.h"
#include "freelayout/free_layout_clipboard.h"
#include "freelayout/free_layout_document.h"
#include "freelayout/layout_operations.h"
#include "support/fake_file_store.h"

namespace lumidex {
namespace {

constexpr const char* kAlbumDir = "/album/";
const LayoutScale kCanvas(730, 364);

// A tab edited step by step, each edit recorded and saved as the view does.
class EditHistoryTest : public ::testing::Test {
 protected:
  void SetUp() override {
    store.files[Path()] = EncodeAlbumFile(
        "[ver]\r\nTsubame=1\r\n[03/15]\r\n00=表紙\r\n"
        "0001000100020002000000000000=/pics/a.jpg\r\n"
        "0003000100020002000100000000=/pics/b.jpg\r\n"
        "0100100010016000500200000000=10000000ffffff808080000000一行目･･二行目\r\n");
    auto opened = FreeLayoutDocument::Open(kAlbumDir, 2014, FreeLayoutWay::kByDate, store);
    ASSERT_TRUE(opened.ok());
    doc = std::move(opened).value();
    items = doc->LoadTab("03/15", 0).items;
  }
  static std::string Path() { return std::string(kAlbumDir) + "2014.ini"; }
  std::string Bytes() { return store.files[Path()]; }
  template <typename Edit>
  void EditAndSave(Edit edit) {
    history.Record(items);
    edit(items);
    ASSERT_TRUE(doc->SaveTab("03/15", 0, items).ok());
  }
  void Save() { ASSERT_TRUE(doc->SaveTab("03/15", 0, items).ok()); }

  testing::FakeFileStore store;
  std::unique_ptr<FreeLayoutDocument> doc;
  std::vector<FreeLayoutItem> items;
  EditHistory history;
};

TEST_F(EditHistoryTest, UndoingEveryEditGivesTheFileBackByteForByte) {
  Save();  // the tab as loaded, written once
  const std::string original = Bytes();
  EditAndSave([](auto& list) {
    SelectAll(list);
    ArrangeFromTopLeft(list, kCanvas, 16);
  });
  EditAndSave([](auto& list) { list.push_back(NewTextItem("新しい･･文", 50, 60, kCanvas)); });
  EditAndSave([](auto& list) {
    SelectOnly(list, 0);
    DeleteSelected(list);
  });
  EditAndSave([](auto& list) { ToBottom(list, 1); });
  const std::string edited = Bytes();
  ASSERT_NE(edited, original);

  while (auto before = history.Undo(items)) items = *before;
  Save();
  EXPECT_EQ(Bytes(), original);
  EXPECT_FALSE(history.canUndo());

  while (auto again = history.Redo(items)) items = *again;
  Save();
  EXPECT_EQ(Bytes(), edited);
}

TEST_F(EditHistoryTest, ANewEditDropsTheRedoAndTheOldestEditsGoFirst) {
  EditAndSave([](auto& list) { list[0].x = 300; });
  ASSERT_TRUE(history.Undo(items).has_value());
  EXPECT_TRUE(history.canRedo());
  EditAndSave([](auto& list) { list[0].y = 200; });
  EXPECT_FALSE(history.canRedo());

  EditHistory shortOne(2);
  for (int x = 1; x <= 3; ++x) shortOne.Record({FreeLayoutItem{.x = x}});
  auto first = shortOne.Undo({});
  auto second = shortOne.Undo(*first);
  EXPECT_EQ((*second)[0].x, 2);
  EXPECT_FALSE(shortOne.Undo(*second).has_value());
}

}  // namespace
}  // namespace lumidex
