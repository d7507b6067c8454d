#include "calendar/holiday_editor.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>

#include "calendar/holiday_entry_form.h"
#include "foundation/text_codec.h"
#include "support/fake_file_store.h"
#include "support/temp_home.h"

namespace lumidex {
namespace {

HolidayEntryForm Form(DayKind kind, CalendarDate date, std::string name) {
  HolidayEntryForm form;
  form.kind = kind;
  form.date = date;
  form.name = std::move(name);
  return form;
}

std::string LineOf(const HolidayEntryForm& form) {
  Result<std::string> line = MakeHolidayLine(form);
  EXPECT_TRUE(line.ok()) << line.status().message();
  return line.ok() ? line.value() : std::string();
}

TEST(HolidayEntryFormTest, RulesAndRangesAreStoredAndReadBack) {
  HolidayEntryForm rule = Form(DayKind::kHoliday, {2014, 1, 20}, "N");
  rule.ruleN = 2;
  rule.ruleWeekday = 2;  // Monday
  EXPECT_EQ(LineOf(rule), "0000900001月2=N");
  EXPECT_EQ(Panel5Text(rule), "01月の第2月曜日");
  const auto back = FormOfLine("0000900001月2=N", 2014);
  ASSERT_TRUE(back);
  EXPECT_EQ(back->date, (CalendarDate{2014, 1, 13}));  // the rule's date in the working year
  EXPECT_EQ(back->startYear, "");
  EXPECT_EQ(back->endYear, "");
  EXPECT_EQ(LineOf(*back), "0000900001月2=N");

  HolidayEntryForm event = Form(DayKind::kEvent, {2014, 12, 24}, "イブ");
  event.startYear = "2010";
  event.endYear = "2012";
  EXPECT_EQ(LineOf(event), "2010201212/24=$イブ");
  EXPECT_EQ(Panel5Text(event), "12月24日 (水)");
  EXPECT_EQ(FormOfLine("2010201212/24=$イブ", 2014), event);

  // A start year of three digits keeps the end field off and the entry
  // unstorable; with four digits a typed end counts.
  HolidayEntryForm note = Form(DayKind::kOther, {2014, 3, 1}, "メモ");
  note.startYear = "201";
  note.endYear = "2020";
  EXPECT_FALSE(EndYearEnabled(note));
  EXPECT_FALSE(CanStoreEntry(note));
  note.startYear = "";
  EXPECT_TRUE(CanStoreEntry(note));
  EXPECT_EQ(LineOf(note), "0000900003/01=&メモ");
  note.ruleN = 1;  // only one rule box set
  EXPECT_FALSE(CanStoreEntry(note));
}

TEST(HolidayEntryFormTest, NamesTheFileCannotHoldAreRefused) {
  EXPECT_FALSE(MakeHolidayLine(Form(DayKind::kHoliday, {2014, 5, 1}, "$祭")).ok());
  EXPECT_FALSE(MakeHolidayLine(Form(DayKind::kHoliday, {2014, 5, 1}, "&祭")).ok());
  EXPECT_EQ(LineOf(Form(DayKind::kEvent, {2014, 5, 1}, "$祭")), "0000900005/01=$$祭");
  const Result<std::string> waveDash = MakeHolidayLine(Form(DayKind::kEvent, {2014, 5, 1}, "春〜夏"));
  ASSERT_FALSE(waveDash.ok());
  EXPECT_NE(waveDash.status().message().find("春〜夏"), std::string::npos);
  EXPECT_FALSE(MakeHolidayLine(Form(DayKind::kEvent, {2014, 5, 1}, "a\nb")).ok());
}

TEST(HolidayEditListTest, RowsShowTheirDateAndARuleMarkByTheKey) {
  const HolidayRowView rule = RowViewOf("0000900009月3=敬老の日", 2026);
  EXPECT_EQ(rule.date, "09/21");
  EXPECT_TRUE(rule.rule);
  const HolidayRowView fixed = RowViewOf("0000900004/01=$4月1日/年度始め", 2026);
  EXPECT_EQ(fixed.date, "04/01");
  EXPECT_FALSE(fixed.rule);
  EXPECT_EQ(fixed.kind, DayKind::kEvent);
  EXPECT_EQ(fixed.name, "4月1日/年度始め");
}

class HolidayEditListOps : public ::testing::Test {
 protected:
  void SetUp() override { list_.Load({"01/01=a", "", "02/02=b", "03/03=c", "04/04=d"}); }
  HolidayEditList list_;
};

TEST_F(HolidayEditListOps, AddReplaceAndDeleteKeepTheSelectionRight) {
  EXPECT_EQ(list_.size(), 4);  // the empty line is dropped
  list_.SetSelected(0, true);
  list_.Add("05/05=e");
  EXPECT_EQ(list_.SelectedRows(), std::vector<int>{4});
  EXPECT_EQ(list_.current(), 4);
  EXPECT_TRUE(list_.Replace("05/06=f"));
  EXPECT_EQ(list_.lines()[4], "05/06=f");
  EXPECT_TRUE(list_.IsSelected(4));
  list_.SetSelected(1, true);
  EXPECT_TRUE(list_.DeleteSelected());
  EXPECT_EQ(list_.lines(), (std::vector<std::string>{"01/01=a", "03/03=c", "04/04=d"}));
  EXPECT_FALSE(list_.DeleteSelected());
  EXPECT_FALSE(list_.Replace("x"));  // no current row after a delete
}

TEST_F(HolidayEditListOps, MovingStopsAtTheEndsAndKeepsBlocksTogether) {
  list_.SelectOnly(0);
  list_.SetSelected(2, true);
  EXPECT_FALSE(list_.MoveSelected(-1));  // the first row is selected
  EXPECT_EQ(list_.lines()[0], "01/01=a");
  EXPECT_TRUE(list_.MoveSelected(1));
  EXPECT_EQ(list_.lines(), (std::vector<std::string>{"02/02=b", "01/01=a", "04/04=d", "03/03=c"}));
  EXPECT_EQ(list_.SelectedRows(), (std::vector<int>{1, 3}));
  EXPECT_EQ(list_.current(), 1);
  EXPECT_FALSE(list_.MoveSelected(1));  // now the last row is selected
  list_.SelectOnly(2);
  list_.SetSelected(3, true);
  EXPECT_TRUE(list_.MoveSelected(-1));
  EXPECT_EQ(list_.lines(), (std::vector<std::string>{"02/02=b", "04/04=d", "03/03=c", "01/01=a"}));
}

TEST(HolidayEditListTest, SortsGroupByKindAndKeepEqualKeysInOrder) {
  HolidayEditList list;
  // 2012: the second Monday of January is 01/09, the third of September 09/17.
  list.Load({"2000900009/17=$運動会", "0000900009月3=敬老の日", "0000900001/10=成人2",
             "1990199901/10=成人1", "0000900001/05=&メモ", "0000900001月2=成人の日",
             "0000900009/16=秋"});
  list.SelectOnly(1);
  list.SortByDate();
  EXPECT_EQ(list.lines(),
            (std::vector<std::string>{"0000900001月2=成人の日", "0000900001/10=成人2",
                                      "1990199901/10=成人1", "0000900009/16=秋",
                                      "0000900009月3=敬老の日", "2000900009/17=$運動会",
                                      "0000900001/05=&メモ"}));
  EXPECT_EQ(list.current(), 4);  // the current row follows its line
  EXPECT_EQ(list.SelectedRows(), std::vector<int>{4});

  list.Load({"0000900002/01=b", "0000900001/02=b", "1990199901/02=b", "0000900003/01=a"});
  list.SortByName();
  EXPECT_EQ(list.lines(), (std::vector<std::string>{"0000900003/01=a", "0000900001/02=b",
                                                    "1990199901/02=b", "0000900002/01=b"}));
}

class HolidayEditorTest : public ::testing::Test {
 protected:
  HolidayEditorTest() : folders_(DataFolders::ForBase(home_.path(), "me")), editor_(folders_, store_) {}
  std::string GeneralPath() const { return folders_.dataDir + "NationalHoliday.txt"; }

  testing::TempHome home_;
  DataFolders folders_;
  testing::FakeFileStore store_;
  HolidayEditor editor_;
};

TEST_F(HolidayEditorTest, ApplyWritesCp932WithCrLfAndAFailedWriteKeepsTheChanges) {
  store_.files[GeneralPath()] = *EncodeCp932Exact("0000900001/01=元日\r\n\r\n02/11=建国記念の日\r\n");
  ASSERT_TRUE(editor_.OpenGeneralFile().ok());
  EXPECT_EQ(editor_.FileCaption(), "汎用の祝日ファイル");
  editor_.list().Add("0000900012/24=$イブ");
  editor_.MarkModified();

  store_.failWrites = true;
  const Status failed = editor_.Apply();
  EXPECT_FALSE(failed.ok());
  EXPECT_NE(failed.message().find("NationalHoliday.txt"), std::string::npos);
  EXPECT_TRUE(editor_.modified());
  EXPECT_FALSE(editor_.changed());

  store_.failWrites = false;
  ASSERT_TRUE(editor_.Apply().ok());
  EXPECT_FALSE(editor_.modified());
  EXPECT_TRUE(editor_.changed());
  EXPECT_EQ(store_.files[GeneralPath()],
            *EncodeCp932Exact("0000900001/01=元日\r\n02/11=建国記念の日\r\n0000900012/24=$イブ\r\n"));
}

TEST_F(HolidayEditorTest, LinesCp932CannotHoldAreWrittenAsUtf8) {
  store_.files[GeneralPath()] = std::string(kUtf8Bom) + "01/01=春〜夏\r\n";
  ASSERT_TRUE(editor_.OpenGeneralFile().ok());
  ASSERT_TRUE(editor_.Apply().ok());
  EXPECT_EQ(DecodeEditedFile(store_.files[GeneralPath()]), "01/01=春〜夏\r\n");
}

TEST_F(HolidayEditorTest, AWriteIntoAVanishedFolderFailsOnTheRealFileSystem) {
  HolidayEditor editor(folders_, RealFileStore());
  const std::string path = home_.Join("gone/2014.txt");
  testing::WriteFile(path, "01/01=a\r\n");
  ASSERT_TRUE(editor.Open(path).ok());
  std::filesystem::remove_all(home_.Join("gone"));
  editor.list().Add("02/02=b");
  editor.MarkModified();
  EXPECT_FALSE(editor.Apply().ok());
  EXPECT_TRUE(editor.modified());
  EXPECT_FALSE(testing::FileExists(path));
}

TEST_F(HolidayEditorTest, OnlyPerYearFilesAreListedCreatedAndDeleted) {
  MakeFolders(folders_.holidayDir);
  for (const char* name : {"2014.txt", "abcd.txt", "20150.txt", "2016.TXT", "memo.txt"}) {
    testing::WriteFile(folders_.holidayDir + name, "");
  }
  std::filesystem::create_directory(folders_.holidayDir + "2017.txt");
  EXPECT_EQ(editor_.YearFileNames(), std::vector<std::string>{"2014.txt"});

  EXPECT_FALSE(editor_.CanCreateYearFile("2014"));
  EXPECT_FALSE(editor_.CanCreateYearFile("201"));
  EXPECT_TRUE(editor_.CanCreateYearFile("2020"));
  testing::WriteFile(folders_.holidayDir + "2014.txt", "01/02=x\r\n");
  EXPECT_FALSE(editor_.CreateYearFile("2014").ok());
  EXPECT_EQ(testing::ReadFile(folders_.holidayDir + "2014.txt"), "01/02=x\r\n");
  const Result<std::string> created = editor_.CreateYearFile("2020");
  ASSERT_TRUE(created.ok());
  EXPECT_EQ(editor_.YearFileNames(), (std::vector<std::string>{"2014.txt", "2020.txt"}));

  EXPECT_FALSE(editor_.DeleteYearFile("memo.txt").ok());
  EXPECT_TRUE(testing::FileExists(folders_.holidayDir + "memo.txt"));
  EXPECT_FALSE(editor_.changed());
  EXPECT_TRUE(editor_.DeleteYearFile("2014.txt").ok());
  EXPECT_TRUE(editor_.changed());
  EXPECT_EQ(editor_.YearFileNames(), std::vector<std::string>{"2020.txt"});
}

TEST_F(HolidayEditorTest, PasteMovesOneFilesLinesIntoAnother) {
  store_.files[GeneralPath()] = "01/01=a\r\n02/02=b\r\n";
  ASSERT_TRUE(editor_.OpenGeneralFile().ok());
  EXPECT_FALSE(editor_.Paste());
  editor_.Copy();
  ASSERT_TRUE(editor_.OpenYearFile("2015.txt").ok());
  EXPECT_EQ(editor_.FileCaption(), "2015年の祝日ファイル");
  EXPECT_EQ(editor_.list().size(), 0);
  EXPECT_TRUE(editor_.Paste());
  EXPECT_TRUE(editor_.modified());
  ASSERT_TRUE(editor_.Apply().ok());
  EXPECT_EQ(store_.files[folders_.holidayDir + "2015.txt"], "01/01=a\r\n02/02=b\r\n");
}

}  // namespace
}  // namespace lumidex
