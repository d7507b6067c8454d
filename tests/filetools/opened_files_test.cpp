#include "filetools/opened_files.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "filetools/auto_registration.h"
#include "filetools_fixture.h"

namespace lumidex::testing {
namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::Pair;

// Files given to the window program on its command line, as the program
// registers them: sorted, then each picture onto the page of its date.
class OpenedFilesTest : public AlbumTest {
 protected:
  std::string Shot(const std::string& name, const std::string& date, const std::string& exifDate = "") {
    const std::string path = home.Join("camera/" + name);
    WritePictureDated(path, date, exifDate);
    return path;
  }
  OpenedFiles Sort(const std::vector<std::string>& arguments) {
    return SortOpenedFiles(arguments, home.Join("camera"), env->types);
  }

  RecordingProgress progress;
};

TEST_F(OpenedFilesTest, PicturesGoToTheDayOfTheirShootingDateInTheirOwnYear) {
  const std::string shot = Shot("shot.jpg", "2014/05/05", "2012:07:14 10:00:00");
  const std::string plain = Shot("plain.png", "2014/03/15");
  Shot("notes.txt", "2014/03/15");
  OpenYear("2014");

  // Relative names are taken from the current folder and made plain.
  const OpenedFiles files = Sort({"shot.jpg", "../camera/./plain.png", "notes.txt", "gone.jpg"});
  EXPECT_THAT(files.pictures, ElementsAre(shot, plain));
  EXPECT_THAT(files.notPictures, ElementsAre(home.Join("camera/notes.txt")));
  EXPECT_THAT(files.missing, ElementsAre(home.Join("camera/gone.jpg")));

  AutoRegisterOptions options;
  options.exifDates = true;
  AutoRegistration registration(*store, env->types);
  const Result<AutoRegisterReport> report = registration.RunOnFiles(files.pictures, options, progress);
  ASSERT_TRUE(report.ok()) << report.status().message();
  EXPECT_THAT(report.value().addedPerDate, ElementsAre(Pair("2012/07/14", 1), Pair("2014/03/15", 1)));
  EXPECT_EQ(ReadAlbum(YearPath("2012")), "[07/14]\r\n" + shot + "=\r\n\r\n");
  EXPECT_EQ(ReadAlbum(YearPath("2014")), "[03/15]\r\n" + plain + "=\r\n\r\n");
  EXPECT_THAT(ReadAlbum(IndexPath()), HasSubstr("07/14=.alb"));
  ASSERT_NE(store->FindSummary("03/15"), nullptr);
  EXPECT_EQ(store->FindSummary("03/15")->imageCount, 1);

  // Opening the same file again adds nothing.
  const Result<AutoRegisterReport> again = registration.RunOnFiles({plain}, options, progress);
  ASSERT_TRUE(again.ok());
  EXPECT_EQ(again.value().added(), 0);
  EXPECT_EQ(ReadAlbum(YearPath("2014")), "[03/15]\r\n" + plain + "=\r\n\r\n");
}

TEST_F(OpenedFilesTest, AFolderCountsAsMissingAndTheMessageNamesEachKindOnce) {
  Shot("a.jpg", "2014/03/15");
  WriteFile(home.Join("camera/x.doc"), "text");
  WriteFile(home.Join("camera/y.doc"), "text");
  OpenYear("2014");
  const OpenedFiles files = Sort({".", "a.jpg", "x.doc", "y.doc"});
  EXPECT_THAT(files.missing, ElementsAre(home.Join("camera")));
  const std::string message = RefusedFilesMessage(files);
  EXPECT_THAT(message, HasSubstr("存在しないファイル:\n  " + home.Join("camera")));
  EXPECT_THAT(message, HasSubstr("画像ではないファイル:\n  " + home.Join("camera/x.doc") + "\n  " +
                                 home.Join("camera/y.doc")));
  EXPECT_EQ(message.find("a.jpg"), std::string::npos);
  EXPECT_EQ(RefusedFilesMessage(Sort({"a.jpg"})), "");

  OpenedFiles many;
  for (int i = 0; i < kListedFiles + 3; ++i) many.missing.push_back("/gone/" + std::to_string(i) + ".jpg");
  const std::string long_message = RefusedFilesMessage(many);
  EXPECT_THAT(long_message, HasSubstr("/gone/" + std::to_string(kListedFiles - 1) + ".jpg\n  ほか 3 個"));
  EXPECT_EQ(long_message.find("/gone/" + std::to_string(kListedFiles) + ".jpg"), std::string::npos);
}

}  // namespace
}  // namespace lumidex::testing
