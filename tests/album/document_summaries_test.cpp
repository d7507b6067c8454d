#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>

#include "album/document_summaries.h"
#include "album/year_index.h"
#include "foundation/text_codec.h"
#include "support/temp_home.h"

namespace lumidex::testing {
namespace {

using ::testing::ElementsAre;

class DocumentSummariesTest : public ::testing::Test {
 protected:
  // Writes a document whose last change lies an hour back, as a file of an
  // earlier session has it.
  void WriteSettled(const std::string& path, const std::string& bytes) {
    WriteFile(path, bytes);
    std::filesystem::last_write_time(path, std::filesystem::file_time_type::clock::now() - std::chrono::hours(1));
  }
  const DocumentSummary& SummaryOf(DocumentSummaries& summaries, const std::string& path) {
    Result<const DocumentSummary*> summary = summaries.Summary(path, RealFileStore());
    EXPECT_TRUE(summary.ok()) << summary.status().message();
    static const DocumentSummary kNone;
    return summary.ok() ? *summary.value() : kNone;
  }

  TempHome home;
  std::string photoDir = home.path() + "/photo/";
  std::string storePath = home.path() + "/summaries.cache";
  std::string year = photoDir + "2012.ini";
  std::string subAlbums = photoDir + "2012S.ini";
};

TEST_F(DocumentSummariesTest, KeptSummariesSpareTheNextRunTheReadsOfUnchangedFilesOnly) {
  WriteSettled(year, *EncodeCp932Exact("[03/03]\r\n/a.jpg=\r\n@03/03旅=\r\n[01/01]\r\n[02/02]\r\n/b.jpg=x\r\n"));
  WriteSettled(subAlbums, "[03/03\x97\xb7]\r\n/c.jpg=\r\n/d.jpg=\r\n");
  {
    DocumentSummaries first(storePath);
    EXPECT_THAT(SummaryOf(first, year).sections, ElementsAre("03/03", "02/02"));
    EXPECT_EQ(SummaryOf(first, year).lines.entries, 3);
    EXPECT_EQ(SummaryOf(first, year).lines.references, 1);
    EXPECT_EQ(SummaryOf(first, subAlbums).lines.entries, 2);
    EXPECT_EQ(first.readCount(), 2);  // asked again in the run: taken from memory
    ASSERT_TRUE(first.Store(RealFileStore()).ok());
  }
  DocumentSummaries second(storePath);
  EXPECT_THAT(SummaryOf(second, year).sections, ElementsAre("03/03", "02/02"));
  EXPECT_EQ(SummaryOf(second, year).lines.entries, 3);
  EXPECT_EQ(SummaryOf(second, subAlbums).lines.entries, 2);
  EXPECT_EQ(second.readCount(), 0);

  // Rewritten in place with the same size and a settled time: the change
  // time still tells the file changed.
  const auto sizeBefore = std::filesystem::file_size(year);
  WriteSettled(year, "[03/03]\r\n/a.jpg=\r\n/ee.jpg=\r\n[01/01]\r\n/fff.jpg=\r\n[02/02]\r\n");
  ASSERT_EQ(std::filesystem::file_size(year), sizeBefore);
  EXPECT_THAT(SummaryOf(second, year).sections, ElementsAre("03/03", "01/01"));
  EXPECT_EQ(SummaryOf(second, year).lines.references, 0);
  EXPECT_EQ(second.readCount(), 1);
  // A document that went is not found, whatever was kept of it.
  std::filesystem::remove(subAlbums);
  EXPECT_TRUE(second.Summary(subAlbums, RealFileStore()).status().isNotFound());
}

TEST_F(DocumentSummariesTest, AFileChangedJustNowIsSummarisedButNotKeptForTheNextRun) {
  WriteFile(year, "[01/01]\r\n/a.jpg=\r\n");
  {
    DocumentSummaries first(storePath);
    EXPECT_THAT(SummaryOf(first, year).sections, ElementsAre("01/01"));
    ASSERT_TRUE(first.Store(RealFileStore()).ok());
  }
  DocumentSummaries second(storePath);
  EXPECT_THAT(SummaryOf(second, year).sections, ElementsAre("01/01"));
  EXPECT_EQ(second.readCount(), 1);
}

TEST_F(DocumentSummariesTest, ADamagedOrForeignSummaryFileIsIgnoredAsAWhole) {
  WriteSettled(year, "[01/01]\r\n/a.jpg=\r\n[02/02]\r\n/b.jpg=\r\n");
  {
    DocumentSummaries first(storePath);
    SummaryOf(first, year);
    ASSERT_TRUE(first.Store(RealFileStore()).ok());
  }
  const std::string kept = ReadFile(storePath);
  ASSERT_NE(kept.find("02/02"), std::string::npos);
  std::string edited = kept;
  edited.replace(edited.find("02/02"), 5, "09/09");  // a page that is not in the file
  for (const std::string& damaged : {edited, kept.substr(0, kept.size() - 3), std::string("other 1\n") + kept}) {
    WriteFile(storePath, damaged);
    DocumentSummaries next(storePath);
    EXPECT_THAT(SummaryOf(next, year).sections, ElementsAre("01/01", "02/02"));
    EXPECT_EQ(next.readCount(), 1);
  }
}

TEST_F(DocumentSummariesTest, DocumentsThatCannotBeReadAreNeverRemembered) {
  WriteSettled(year, std::string("[01/01]\r\n/a\0.jpg=\r\n", 19));  // a NUL: not album text
  DocumentSummaries first(storePath);
  const Result<const DocumentSummary*> refused = first.Summary(year, RealFileStore());
  ASSERT_FALSE(refused.ok());
  EXPECT_FALSE(refused.status().isNotFound());
  EXPECT_FALSE(first.Summary(year, RealFileStore()).ok());
  EXPECT_TRUE(first.Store(RealFileStore()).ok());
  EXPECT_FALSE(FileExists(storePath));  // nothing to keep
  WriteSettled(year, "[01/01]\r\n/a.jpg=\r\n");
  EXPECT_THAT(SummaryOf(first, year).sections, ElementsAre("01/01"));
}

TEST_F(DocumentSummariesTest, TheYearIndexOfAnotherRunIsBuiltFromKeptSummaries) {
  // Sections out of order and one twice: the index is sorted and unique.
  WriteSettled(photoDir + "2013.ini", "[12/01]\r\n/a=\r\n[02/01]\r\n/b=\r\n[12/01]\r\n/c=\r\n");
  WriteSettled(year, "[05/05]\r\n/d=\r\n");
  std::vector<std::string> firstIndex;
  {
    YearIndex index(storePath);
    ASSERT_TRUE(index.Refresh(photoDir, RealFileStore()));
    firstIndex = index.YearSectionIndex();
    EXPECT_THAT(firstIndex, ElementsAre("2012/05/05", "2013/02/01", "2013/12/01"));
    ASSERT_TRUE(index.StoreSummaries(RealFileStore()).ok());
  }
  YearIndex again(storePath);
  ASSERT_TRUE(again.Refresh(photoDir, RealFileStore()));
  EXPECT_EQ(again.YearSectionIndex(), firstIndex);
  EXPECT_EQ(again.documentsRead(), 0);
  EXPECT_TRUE(again.UsedInOtherYears("05/05", "2013"));
}

}  // namespace
}  // namespace lumidex::testing
