#include "filetools/file_dates.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include "filetools_fixture.h"

namespace lumidex::testing {
namespace {

class FileDatesTest : public AlbumTest {
 protected:
  RecordingProgress progress;

  std::string Shot(const std::string& relative, const std::string& dateTime) {
    const std::string path = Picture(relative);
    EXPECT_TRUE(WriteLastWriteTime(path, dateTime));
    return path;
  }
  static struct stat Info(const std::string& path) {
    struct stat info {};
    ::stat(path.c_str(), &info);
    return info;
  }
};

TEST_F(FileDatesTest, PageFilesTakeTheirPageDateAndKeepTheirTimeOfDay) {
  const std::string a = Shot("a.jpg", "2014/08/02 13:05:09");
  const std::string b = Shot("b.jpg", "2014/08/02 07:00:01");
  const std::string readOnly = Shot("ro.jpg", "2014/08/02 23:59:59");
  ::chmod(readOnly.c_str(), 0444);
  const time_t accessed = Info(a).st_atime;
  WriteAlbum(YearPath("2012"), "[05/03]\r\n" + a + "=\r\n" + home.Join("gone.jpg") +
                                   "=\r\n@05/03旅=\r\n" + readOnly + "=\r\n");
  WriteAlbum(SubPath("2012"), "[05/03旅]\r\n" + b + "=\r\n");

  auto targets = PageFileDateTargets(PhotoDir(), "2012/05/03");
  ASSERT_TRUE(targets.ok());
  const FileDateReport report = SetFileDates(targets.value(), true, progress);
  EXPECT_EQ(report.count, 4);
  EXPECT_EQ(report.changed, 3);
  EXPECT_EQ(report.skipped, 1);
  EXPECT_EQ(FileTimeText(a, false, true), "2012/05/03 13:05:09");
  EXPECT_EQ(FileTimeText(b, false, false), "2012/05/03 07:00");
  EXPECT_EQ(FileTimeText(readOnly, false, true), "2012/05/03 23:59:59");
  EXPECT_EQ(Info(readOnly).st_mode & 0777, 0444u);
  EXPECT_EQ(Info(a).st_atime, accessed);
  EXPECT_EQ(report.written[0], a + "\t2012/05/03 13:05:09");
}

TEST_F(FileDatesTest, AYearRunSkipsADayTheYearLacksAndStopsAtAbort) {
  const std::string a = Shot("a.jpg", "2014/08/02 10:00:00");
  const std::string leap = Shot("leap.jpg", "2014/08/02 10:00:00");
  const std::string c = Shot("c.jpg", "2014/08/02 10:00:00");
  WriteAlbum(YearPath("2015"),
             "[01/02]\r\n" + a + "=\r\n[02/29]\r\n" + leap + "=\r\n[03/01]\r\n" + c + "=\r\n");
  auto targets = YearFileDateTargets(PhotoDir(), "2015");
  ASSERT_TRUE(targets.ok());
  FileDateReport report = SetFileDates(targets.value(), false, progress);
  EXPECT_EQ(report.changed, 2);
  EXPECT_EQ(report.skipped, 1);
  EXPECT_EQ(FileTimeText(leap, false, true), "2014/08/02 10:00:00");
  EXPECT_EQ(FileTimeText(c, false, true), "2015/03/01 10:00:00");

  WriteLastWriteTime(c, "2014/08/02 10:00:00");
  progress.stopAt = 1;
  report = SetFileDates(targets.value(), false, progress);
  EXPECT_TRUE(report.stopped);
  EXPECT_EQ(FileTimeText(c, false, true), "2014/08/02 10:00:00");
  EXPECT_FALSE(WriteLastWriteTime(c, "2015/02/29"));
  EXPECT_FALSE(WriteLastWriteTime(c, "2015/02/03 25:00:00"));
}

}  // namespace
}  // namespace lumidex::testing
