#include <gtest/gtest.h>

#include "foundation/text_codec.h"
#include "support/cli_runner.h"
#include "support/temp_home.h"

namespace lumidex {
namespace {

const std::string kOriginal =
    "Ｔｓｕｂａｍｅ Registry Text Data Version 1.1\r\nLumidex\r\n\r\n"
    "[HKEY_CURRENT_USER\\Software\\Ｔｓｕｂａｍｅ\\ルミデクスアルバム]\r\n"
    "\"alfha\"=dword:000000C8\r\n"
    "\"dir1\"=\"D:\\\\写真\\\\整理\"\r\n"
    "\"extlist\"=\".pdf\r\n.doc\r\n\"\r\n"
    "\"blob\"=hex:01,02,03,04,05,06,07,08,09,\r\n0A,0B,0C,0D,0E,0F,10,11,\r\n12,13,FF\r\n";

TEST(CliSettingsTest, ImportThenExportGivesTheSameBytes) {
  testing::TempHome home;
  const std::string in = home.Join("in.opl");
  const std::string out = home.Join("out.opl");
  testing::WriteFile(in, *EncodeCp932Exact(kOriginal));
  const auto imported = testing::RunCli({"settings", "import", in});
  ASSERT_EQ(imported.exitCode, 0) << imported.err;
  const auto exported = testing::RunCli({"settings", "export", out});
  ASSERT_EQ(exported.exitCode, 0) << exported.err;
  EXPECT_EQ(testing::ReadFile(out), testing::ReadFile(in));
}

TEST(CliSettingsTest, GetPrintsOneValueAsTheStoreHoldsIt) {
  testing::TempHome home;
  const std::string in = home.Join("in.opl");
  testing::WriteFile(in, *EncodeCp932Exact(kOriginal));
  ASSERT_EQ(testing::RunCli({"settings", "import", in}).exitCode, 0);
  EXPECT_EQ(testing::RunCli({"settings", "get", "ALFHA"}).out, "dword:000000C8\n");
  EXPECT_EQ(testing::RunCli({"settings", "get", "dir1"}).out, "\"D:\\\\写真\\\\整理\"\n");
  // Line breaks of a value print as LF, like every other output of the tool.
  EXPECT_EQ(testing::RunCli({"settings", "get", "extlist"}).out, "\".pdf\n.doc\n\"\n");
  EXPECT_EQ(testing::RunCli({"settings", "get", "blob"}).out,
            "hex:01,02,03,04,05,06,07,08,09,\n0A,0B,0C,0D,0E,0F,10,11,\n12,13,FF\n");
  const auto missing = testing::RunCli({"settings", "get", "nothing"});
  EXPECT_EQ(missing.exitCode, 1);
  EXPECT_NE(missing.err.find("nothing"), std::string::npos);
}

TEST(CliSettingsTest, StoreLivesInTheSettingsFolder) {
  testing::TempHome home;
  const std::string in = home.Join("in.opl");
  testing::WriteFile(in, *EncodeCp932Exact(kOriginal));
  ASSERT_EQ(testing::RunCli({"settings", "import", in}).exitCode, 0);
  // LUMIDEX_HOME is set, so the store is there and is UTF-8.
  const std::string store = testing::ReadFile(home.Join("settings.reg"));
  EXPECT_NE(store.find("\"dir1\"=\"D:\\\\写真\\\\整理\"\r\n"), std::string::npos);
}

TEST(CliSettingsTest, FileWithAnotherTagIsRefused) {
  testing::TempHome home;
  const std::string in = home.Join("in.opl");
  std::string other = kOriginal;
  other.replace(other.find("Lumidex"), 7, "Someone");
  testing::WriteFile(in, *EncodeCp932Exact(other));
  const auto r = testing::RunCli({"settings", "import", in});
  EXPECT_EQ(r.exitCode, 1);
  EXPECT_NE(r.err.find(in + " このファイルは指定されたファイルでは有りません！！"), std::string::npos);
  EXPECT_EQ(testing::RunCli({"settings", "get", "alfha"}).exitCode, 1);
}

TEST(CliSettingsTest, ExportWithoutSettingsSaysSoLeavesTheFileAndBadUsageIsRefused) {
  testing::TempHome home;
  const std::string out = home.Join("out.opl");
  testing::WriteFile(out, "an older export");
  const auto r = testing::RunCli({"settings", "export", out});
  EXPECT_EQ(r.exitCode, 1);
  EXPECT_NE(r.err.find("OpenKey Error"), std::string::npos);
  EXPECT_EQ(testing::ReadFile(out), "an older export");
  EXPECT_EQ(testing::RunCli({"settings", "export", home.Join("new.opl")}).exitCode, 1);
  EXPECT_FALSE(testing::FileExists(home.Join("new.opl")));
  EXPECT_EQ(testing::RunCli({"settings"}).exitCode, 2);
  EXPECT_EQ(testing::RunCli({"settings", "remove", "x"}).exitCode, 2);
  EXPECT_EQ(testing::RunCli({"settings", "get"}).exitCode, 2);
}

}  // namespace
}  // namespace lumidex
