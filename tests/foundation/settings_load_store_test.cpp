#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>

#include "foundation/data_folders.h"
#include "foundation/file_types.h"
#include "foundation/registry_file.h"
#include "foundation/settings_load_store.h"
#include "foundation/text_codec.h"
#include "support/fake_file_store.h"
#include "support/temp_home.h"

namespace lumidex {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

const std::string kKeyLine =
    "[HKEY_CURRENT_USER\\Software\\Ｔｓｕｂａｍｅ\\ルミデクスアルバム]\r\n";
const std::string kHead = "Ｔｓｕｂａｍｅ Registry Text Data Version 1.1\r\n\r\n" + kKeyLine;

// One album home with its folders and its settings file.
struct Fixture {
  testing::TempHome home;
  DataFolders folders = DataFolders::ForBase(home.path(), "user");
  FileTypeLists types;
  std::string path = SettingsFilePath(home.Join("config/lumidex-album"));
  SettingsStore store{path};

  Fixture() { folders.CreateAll(); }
  void WriteStore(const std::string& valueLines) { testing::WriteFile(path, kHead + valueLines); }
  std::string StoreText() const { return testing::ReadFile(path); }
  SettingsLoadResult Load() { return LoadSettings(store, folders, types); }
  const RegistryValue* Stored(std::string_view name) {
    static RegistryData data;
    data = store.Read().value();
    const RegistryKey* key = data.FindKey(kSettingsKeyPath);
    return key == nullptr ? nullptr : key->Find(name);
  }
};

TEST(SettingsDefaultsTest, FirstStartStoresEveryValueWithItsTypeAndDefault) {
  Fixture f;
  const SettingsLoadResult loaded = f.Load();
  ASSERT_TRUE(loaded.status.ok()) << loaded.status.message();
  ASSERT_TRUE(StoreSettings(f.store, loaded.settings).ok());
  const char* dword0 = "dword:00000000";
  const char* dword1 = "dword:00000001";
  const std::vector<std::pair<std::string, std::string>> values = {
      {"updatepath", "\"" + f.folders.programDir + "\""},
      {"dataver", dword1},
      {"g-dir", "\"\""}, {"slide", dword0}, {"g-tool", "\"\""}, {"a-dir", "\"\""},
      {"cp-dir", "\"\""}, {"dir1", "\"\""}, {"dir2", "\"\""}, {"clr-no", dword1},
      {"monday", dword0}, {"hol-sw", dword0}, {"subfld", dword1}, {"mvdelsw", dword0},
      {"dayshadow", dword0}, {"v-close", dword0}, {"alfha", "dword:00000064"},
      {"cp-mod", dword0}, {"g-level", dword0}, {"frame", dword1}, {"scrolframeoff", dword0},
      {"hispc", "\"\""}, {"extlist", "\"\""}, {"hdd", dword1}, {"delhdd", dword0},
      {"mem", dword1}, {"doublebuff", dword0}, {"sear1", dword0}, {"sear2", dword0},
      {"bigico", dword1}, {"backupdir", "\"\""}, {"subAjog", dword1}, {"shortph", dword0},
      {"langfrg", dword0}, {"linestyle", dword0}, {"imgspace", "dword:00000010"},
      {"exifdate", dword0}, {"tabline", dword0}, {"imgshadow", dword0}, {"freemode", dword0},
      {"bigsiz", "dword:00000070"}, {"smlsiz", "dword:00000038"}, {"listlck", "\"\""},
      {"spacexy", "dword:00000003"}, {"usersiz", "dword:00640064"}};
  std::string expected = kHead;
  for (const auto& [name, text] : values) expected += "\"" + name + "\"=" + text + "\r\n";
  EXPECT_EQ(f.StoreText(), expected);
  // "wdir" is the 46th value: it is written only once a cache folder is chosen.
  EXPECT_EQ(values.size(), 45u);
}

TEST(SettingsDefaultsTest, PrintOptionsAreOnAndNeverStored) {
  Fixture f;
  Settings settings;
  EXPECT_TRUE(settings.printTitle);
  EXPECT_TRUE(settings.printSoftName);
  settings.printTitle = false;
  ASSERT_TRUE(StoreSettings(f.store, settings).ok());
  EXPECT_EQ(f.StoreText().find("印刷"), std::string::npos);
  EXPECT_TRUE(f.Load().settings.printTitle);
}

TEST(SettingsLoadTest, FirstStartWritesPathAndVersionAtOnceAndOnlyOnce) {
  Fixture f;
  const SettingsLoadResult first = f.Load();
  EXPECT_TRUE(first.firstStart);
  EXPECT_EQ(first.settings.dataver, 1);
  EXPECT_EQ(first.settings.updatepath, f.folders.programDir);
  EXPECT_EQ(f.StoreText(), kHead + "\"updatepath\"=\"" + f.folders.programDir +
                               "\"\r\n\"dataver\"=dword:00000001\r\n");
  const SettingsLoadResult second = f.Load();
  EXPECT_FALSE(second.firstStart);
  EXPECT_THAT(second.problems, IsEmpty());
}

TEST(SettingsLoadTest, SecondStartReadsEveryChangedValueBack) {
  Fixture f;
  Settings s = f.Load().settings;
  const std::string folder = f.home.Join("pictures");
  std::filesystem::create_directories(folder);
  s.gDir = s.aDir = folder;
  s.slide = 5;
  s.gTool = "/usr/bin/gimp";
  s.cpDir = "/c";
  s.dir1 = "/d1";
  s.dir2 = "/d2";
  s.clrNo = 4;
  s.monday = s.holSw = s.mvdelsw = s.dayshadow = s.vClose = true;
  s.subfld = s.frame = s.hdd = s.mem = s.bigico = s.subAjog = false;
  s.alfha = 255;
  s.cpMod = 2;
  s.gLevel = 3;
  s.scrolframeoff = s.delhdd = s.doublebuff = s.sear1 = s.sear2 = true;
  s.hispc = {".bmp", ".png"};
  s.extlist = {".pdf", ".txt"};
  s.wdir = WithTrailingSlash(folder);
  s.backupdir = "/backup";
  s.shortph = s.langfrg = s.exifdate = s.tabline = s.imgshadow = s.freemode = true;
  s.linestyle = 2;
  s.imgspace = 32;
  s.bigsiz = 128;
  s.smlsiz = 40;
  s.listlck = "scrambled";
  s.spacexy = 60;
  s.usersizHigh = 1000;
  s.usersizLow = 50;
  ASSERT_TRUE(StoreSettings(f.store, s).ok());
  const SettingsLoadResult again = f.Load();
  EXPECT_THAT(again.problems, IsEmpty());
  EXPECT_EQ(again.settings, s);
  EXPECT_EQ(f.folders.cacheDir, WithTrailingSlash(folder));
}

TEST(SettingsLoadTest, FoldersThatVanishedReadBackEmpty) {
  Fixture f;
  const std::string kept = f.home.Join("kept");
  std::filesystem::create_directories(kept);
  f.WriteStore("\"g-dir\"=\"" + f.home.Join("gone") + "\"\r\n\"a-dir\"=\"" + kept +
               "\"\r\n\"cp-dir\"=\"" + f.home.Join("gone") + "\"\r\n");
  const Settings s = f.Load().settings;
  EXPECT_EQ(s.gDir, "");
  EXPECT_EQ(s.aDir, kept);
  EXPECT_EQ(s.cpDir, f.home.Join("gone"));  // not a folder that is checked
}

TEST(SettingsLoadTest, ExistingCacheFolderReplacesCacheDir) {
  Fixture f;
  const std::string cache = f.home.Join("elsewhere/jpgdat");
  std::filesystem::create_directories(cache);
  f.WriteStore("\"wdir\"=\"" + cache + "/\"\r\n");
  const Settings s = f.Load().settings;
  EXPECT_EQ(f.folders.cacheDir, cache + "/");
  EXPECT_EQ(s.wdir, cache + "/");
}

TEST(SettingsLoadTest, MissingCacheFolderKeepsCacheDirAndTheStoredValue) {
  Fixture f;
  const std::string before = f.folders.cacheDir;
  f.WriteStore("\"wdir\"=\"D:\\\\old\\\\jpgdat\\\\\"\r\n");
  const Settings s = f.Load().settings;
  EXPECT_EQ(f.folders.cacheDir, before);
  EXPECT_EQ(s.wdir, "");
  ASSERT_TRUE(StoreSettings(f.store, s).ok());
  EXPECT_EQ(f.Stored("wdir")->data, "D:\\old\\jpgdat\\");
}

TEST(SettingsLoadTest, UserSizeHoldsTwoSixteenBitHalves) {
  Fixture f;
  f.WriteStore("\"usersiz\"=dword:" + std::string("00C80064") + "\r\n");
  Settings s = f.Load().settings;
  EXPECT_EQ(s.usersizHigh, 200);
  EXPECT_EQ(s.usersizLow, 100);
  s.usersizHigh = 65535;
  s.usersizLow = 1;
  ASSERT_TRUE(StoreSettings(f.store, s).ok());
  EXPECT_EQ(f.Stored("usersiz")->number, 0xFFFF0001u);
}

TEST(SettingsLoadTest, ManagedTypesComeFromTheExtensionList) {
  Fixture f;
  f.WriteStore("\"extlist\"=\".TXT\r\n.pdf\r\n\r\n\"\r\n\"hispc\"=\".bmp\r\n.png\r\n\"\r\n");
  const Settings s = f.Load().settings;
  EXPECT_THAT(s.extlist, ElementsAre(".TXT", ".pdf"));
  EXPECT_THAT(f.types.ManagedTypes(), ElementsAre(".pdf", ".txt"));
  EXPECT_THAT(s.hispc, ElementsAre(".bmp", ".png"));
}

TEST(SettingsLoadTest, NamesMatchWithoutCaseAndKeepTheirStoredCase) {
  Fixture f;
  f.WriteStore("\"ALFHA\"=dword:000000C8\r\n\"Hol-Sw\"=dword:00000002\r\n");
  Settings s = f.Load().settings;
  EXPECT_EQ(s.alfha, 200);
  EXPECT_TRUE(s.holSw);  // any non-zero reads as true
  ASSERT_TRUE(StoreSettings(f.store, s).ok());
  const std::string text = f.StoreText();
  EXPECT_NE(text.find("\"ALFHA\"=dword:000000C8\r\n\"Hol-Sw\"=dword:00000001\r\n"),
            std::string::npos);
  EXPECT_EQ(text.find("\"alfha\""), std::string::npos);
}

TEST(SettingsProblemTest, WrongTypeKeepsTheDefaultIsReportedAndIsRewrittenRight) {
  Fixture f;
  f.WriteStore("\"alfha\"=\"200\"\r\n\"g-dir\"=dword:00000001\r\n\"hispc\"=hex:01\r\n");
  const SettingsLoadResult loaded = f.Load();
  EXPECT_TRUE(loaded.status.ok());
  EXPECT_EQ(loaded.settings.alfha, 100);
  EXPECT_THAT(loaded.problems, ElementsAre("g-dir", "alfha", "hispc"));
  EXPECT_EQ(SettingsProblemMessage(loaded.problems),
            "設定値 \"g-dir\"、\"alfha\"、\"hispc\" が正しくないため、既定値を使用します。");
  ASSERT_TRUE(StoreSettings(f.store, loaded.settings).ok());
  EXPECT_EQ(*f.Stored("alfha"), RegistryValue::Dword("alfha", 100));
  EXPECT_EQ(*f.Stored("g-dir"), RegistryValue::String("g-dir", ""));
  EXPECT_THAT(f.Load().problems, IsEmpty());
}

TEST(SettingsProblemTest, ValuesOutsideTheirRangeKeepTheirDefaults) {
  Fixture f;
  f.WriteStore(
      "\"clr-no\"=dword:00000005\r\n\"alfha\"=dword:00000009\r\n\"imgspace\"=dword:FFFFFFFF\r\n"
      "\"bigsiz\"=dword:00000000\r\n\"linestyle\"=dword:00000002\r\n");
  const SettingsLoadResult loaded = f.Load();
  EXPECT_EQ(loaded.settings.clrNo, 1);
  EXPECT_EQ(loaded.settings.alfha, 100);
  EXPECT_EQ(loaded.settings.imgspace, 16);
  EXPECT_EQ(loaded.settings.bigsiz, 112);
  EXPECT_EQ(loaded.settings.linestyle, 2);
  EXPECT_THAT(loaded.problems, ElementsAre("clr-no", "alfha", "imgspace", "bigsiz"));
}

TEST(SettingsProblemTest, DamagedOrUnreadableStoreStillStartsWithDefaults) {
  Fixture f;
  // A store that is not text is refused whole and never written over.
  const std::string wide("\xFF\xFE[\"\x00\"=hex:,,,\r", 13);
  testing::WriteFile(f.path, wide);
  const SettingsLoadResult damaged = f.Load();
  EXPECT_EQ(damaged.settings.alfha, 100);
  EXPECT_NE(damaged.status.message().find("settings.reg"), std::string::npos);
  EXPECT_EQ(testing::ReadFile(f.path), wide);

  testing::FakeFileStore files;
  files.failReads = true;
  SettingsStore unreadable("/cfg/settings.reg", files);
  DataFolders folders = f.folders;
  const SettingsLoadResult failed = LoadSettings(unreadable, folders, f.types);
  EXPECT_EQ(failed.status.message(), "ファイル /cfg/settings.reg は開けません");
  EXPECT_EQ(failed.settings, Settings());
  // The exit store must not replace a file it could not read.
  EXPECT_EQ(StoreSettings(unreadable, Settings()).message(),
            "ファイル /cfg/settings.reg を作成できません");
  EXPECT_EQ(files.writeCount, 0);
}

TEST(SettingsStoreTest, ExitKeepsValuesWrittenDuringTheRunAndUnknownValues) {
  Fixture f;
  f.WriteStore("\"future\"=hex:01,02\r\n\"listlck\"=\"stored\"\r\n");
  Settings s = f.Load().settings;
  ASSERT_TRUE(f.store.SetValue(RegistryValue::String("opld", "/backup/album.opl")).ok());
  s.updatepath = "/elsewhere/";
  s.dataver = 7;
  s.listlck = "changed in memory";
  ASSERT_TRUE(StoreSettings(f.store, s).ok());
  EXPECT_EQ(f.Stored("future")->data, "\x01\x02");
  EXPECT_EQ(f.Stored("opld")->data, "/backup/album.opl");
  EXPECT_EQ(f.Stored("listlck")->data, "stored");
  EXPECT_EQ(f.Stored("updatepath")->data, f.folders.programDir);
  EXPECT_EQ(f.Stored("dataver")->number, 1u);
}

TEST(SettingsStoreTest, PasswordIsWrittenAtExitOnlyWhenAbsent) {
  Fixture f;
  Settings s = f.Load().settings;
  s.listlck = "first";
  ASSERT_TRUE(StoreSettings(f.store, s).ok());
  EXPECT_EQ(f.Stored("listlck")->data, "first");
  s.listlck = "second";
  ASSERT_TRUE(StoreSettings(f.store, s).ok());
  EXPECT_EQ(f.Stored("listlck")->data, "first");
  ASSERT_TRUE(f.store.DeleteValue("LISTLCK").ok());
  ASSERT_EQ(f.Stored("listlck"), nullptr);
  ASSERT_TRUE(StoreSettings(f.store, s).ok());
  EXPECT_EQ(f.Stored("listlck")->data, "second");
}

TEST(SettingsStoreTest, StoreIsUtf8AndKeepsBytesThatDoNotDecode) {
  Fixture f;
  f.WriteStore("\"dir1\"=\"ﾃｩ写真\"\r\n\"odd\"=\"a\xFF\x80" "b\"\r\n");
  ASSERT_TRUE(f.store.SetValue(RegistryValue::Dword("n", 1)).ok());
  EXPECT_EQ(f.Stored("dir1")->data, "ﾃｩ写真");
  EXPECT_EQ(f.StoreText(), kHead + "\"dir1\"=\"ﾃｩ写真\"\r\n\"odd\"=\"a\xFF\x80" "b\"\r\n" +
                               "\"n\"=dword:00000001\r\n");
}

TEST(SettingsStoreTest, FileIsPrivateAndItsFolderIsCreated) {
  Fixture f;
  ASSERT_FALSE(testing::FileExists(f.path));
  ASSERT_TRUE(StoreSettings(f.store, Settings()).ok());
  struct stat st {};
  ASSERT_EQ(::stat(f.path.c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 0777, 0600u);
}

TEST(SettingsStoreTest, UnwritableStoreReportsTheCreateMessage) {
  testing::FakeFileStore files;
  files.failWrites = true;
  SettingsStore store("/cfg/settings.reg", files);
  EXPECT_EQ(StoreSettings(store, Settings()).message(), "ファイル /cfg/settings.reg を作成できません");
  DataFolders folders = DataFolders::ForBase("/base", "user");
  FileTypeLists types;
  EXPECT_EQ(LoadSettings(store, folders, types).status.message(),
            "ファイル /cfg/settings.reg を作成できません");
}

TEST(SettingsStoreTest, ExportWritesTheSettingsKeyWithTheTag) {
  Fixture f;
  Settings s = f.Load().settings;
  s.alfha = 200;
  ASSERT_TRUE(StoreSettings(f.store, s).ok());
  ASSERT_TRUE(f.store.SetValue(RegistryValue::Dword("zz", 1)).ok());
  const std::string out = f.home.Join("out.opl");
  ASSERT_TRUE(f.store.Export(out).ok());
  const std::string text = testing::ReadFile(out);
  EXPECT_TRUE(text.starts_with(*EncodeCp932Exact("Ｔｓｕｂａｍｅ Registry Text Data Version 1.1\r\nLumidex\r\n\r\n" + kKeyLine)));
  EXPECT_NE(text.find("\"alfha\"=dword:000000C8\r\n"), std::string::npos);
  EXPECT_TRUE(text.ends_with("\"zz\"=dword:00000001\r\n"));
}

}  // namespace
}  // namespace lumidex
