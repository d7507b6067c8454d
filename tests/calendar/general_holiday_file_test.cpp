#include "calendar/general_holiday_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "support/temp_home.h"

namespace lumidex {
namespace {

std::string Read(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

class GeneralHolidayFileTest : public ::testing::Test {
 protected:
  GeneralHolidayFileTest() : folders_(DataFolders::ForBase(home_.path(), "tester")) {
    std::filesystem::create_directories(home_.Join("share"));
    std::ofstream(home_.Join("share/NationalHoliday.txt")) << "shipped";
  }

  testing::TempHome home_;
  const DataFolders folders_;
};

TEST_F(GeneralHolidayFileTest, TheShippedFileIsCopiedIntoTheDataFolder) {
  EXPECT_TRUE(InstallGeneralHolidayFile(folders_, home_.Join("share")).ok());
  EXPECT_EQ(Read(folders_.dataDir + "NationalHoliday.txt"), "shipped");
}

TEST_F(GeneralHolidayFileTest, TheUsersOwnFileIsKept) {
  std::filesystem::create_directories(folders_.dataDir);
  std::ofstream(folders_.dataDir + "NationalHoliday.txt") << "edited";
  EXPECT_TRUE(InstallGeneralHolidayFile(folders_, home_.Join("share")).ok());
  EXPECT_EQ(Read(folders_.dataDir + "NationalHoliday.txt"), "edited");
}

TEST_F(GeneralHolidayFileTest, ACopyAnEarlierVersionShippedIsRenewedUnlessEdited) {
  std::filesystem::create_directories(folders_.dataDir);
  const std::string copy = folders_.dataDir + "NationalHoliday.txt";
  const HolidayFileFingerprint earlier[] = {HolidayFileFingerprint::Of("old shipped")};
  std::ofstream(copy) << "old shipped";
  EXPECT_TRUE(InstallGeneralHolidayFile(folders_, home_.Join("share"), earlier).ok());
  EXPECT_EQ(Read(copy), "shipped");
  std::ofstream(copy) << "old shipped, edited";
  EXPECT_TRUE(InstallGeneralHolidayFile(folders_, home_.Join("share"), earlier).ok());
  EXPECT_EQ(Read(copy), "old shipped, edited");
}

TEST_F(GeneralHolidayFileTest, AFileThatCannotBeMadeIsReportedWithItsName) {
  // A file stands where the data folder would go.
  std::ofstream(home_.Join("data")) << "not a folder";
  const Status installed = InstallGeneralHolidayFile(folders_, home_.Join("share"));
  EXPECT_FALSE(installed.ok());
  EXPECT_EQ(installed.message(),
            "ファイル " + folders_.dataDir + "NationalHoliday.txt を作成できません");
}

TEST_F(GeneralHolidayFileTest, AMissingShippedFileIsReported) {
  EXPECT_FALSE(InstallGeneralHolidayFile(folders_, home_.Join("nowhere")).ok());
  EXPECT_FALSE(std::filesystem::exists(folders_.dataDir + "NationalHoliday.txt"));
}

}  // namespace
}  // namespace lumidex
