#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "foundation/pending_settings_import.h"
#include "foundation/text_codec.h"
#include "support/fake_file_store.h"
#include "support/temp_home.h"

namespace lumidex {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

const std::string kKeyLine =
    "[HKEY_CURRENT_USER\\Software\\Ｔｓｕｂａｍｅ\\ルミデクスアルバム]\r\n";
const std::string kHead = "Ｔｓｕｂａｍｅ Registry Text Data Version 1.1\r\n";

struct Fixture {
  testing::TempHome home;
  std::string path = SettingsFilePath(home.Join("config/lumidex-album"));
  std::string opl = home.Join("backup/album.opl");
  SettingsStore store{path};

  void Pending(const std::string& file) {
    EXPECT_TRUE(store.SetValue(RegistryValue::String("opld", file)).ok());
  }
  void WriteOpl(const std::string& text) { testing::WriteFile(opl, *EncodeCp932Exact(text)); }
  RegistryData Data() { return store.Read().value(); }
  const RegistryValue* Stored(std::string_view name) {
    data_ = Data();
    const RegistryKey* key = data_.FindKey(kSettingsKeyPath);
    return key == nullptr ? nullptr : key->Find(name);
  }
  RegistryData data_;
};

TEST(PendingSettingsImportTest, ImportsTheFileAndDeletesTheRequest) {
  Fixture f;
  ASSERT_TRUE(f.store.SetValue(RegistryValue::Dword("alfha", 100)).ok());
  f.Pending(f.opl);
  f.WriteOpl(kHead + "Lumidex\r\n\r\n" + kKeyLine +
             "\"alfha\"=dword:000000C8\r\n\"dir1\"=\"写真\"\r\n");
  const SettingsImportResult r = ImportPendingSettings(f.store);
  EXPECT_TRUE(r.attempted);
  EXPECT_TRUE(r.accepted);
  EXPECT_THAT(r.messages, IsEmpty());
  EXPECT_EQ(f.Stored("alfha")->number, 200u);
  EXPECT_EQ(f.Stored("dir1")->data, "写真");
  EXPECT_EQ(f.Stored("opld"), nullptr);
}

TEST(PendingSettingsImportTest, RefusedFileWritesNothingAndTheRequestIsCleared) {
  Fixture f;
  f.Pending(f.opl);
  f.WriteOpl(kHead + "Other\r\n\r\n" + kKeyLine + "\"alfha\"=dword:000000C8\r\n");
  const SettingsImportResult r = ImportPendingSettings(f.store);
  EXPECT_FALSE(r.accepted);
  EXPECT_THAT(r.messages, ElementsAre(f.opl + " このファイルは指定されたファイルでは有りません！！"));
  EXPECT_EQ(f.Stored("alfha"), nullptr);
  EXPECT_EQ(f.Stored("opld"), nullptr);
  // The next start has nothing left to refuse.
  EXPECT_FALSE(ImportPendingSettings(f.store).attempted);
}

TEST(PendingSettingsImportTest, FileWithoutTagIsRefused) {
  Fixture f;
  f.Pending(f.opl);
  f.WriteOpl(kHead + kKeyLine + "\"alfha\"=dword:000000C8\r\n");
  EXPECT_FALSE(ImportPendingSettings(f.store).accepted);
  EXPECT_EQ(f.Stored("alfha"), nullptr);
}

TEST(PendingSettingsImportTest, MissingFileLeavesTheRequestInPlace) {
  Fixture f;
  f.Pending(f.home.Join("nowhere.opl"));
  const SettingsImportResult r = ImportPendingSettings(f.store);
  EXPECT_FALSE(r.attempted);
  EXPECT_THAT(r.messages, IsEmpty());
  EXPECT_EQ(f.Stored("opld")->data, f.home.Join("nowhere.opl"));
}

TEST(PendingSettingsImportTest, NoRequestOrARequestOfAnotherTypeDoesNothing) {
  Fixture f;
  EXPECT_FALSE(ImportPendingSettings(f.store).attempted);
  EXPECT_FALSE(testing::FileExists(f.path));
  ASSERT_TRUE(f.store.SetValue(RegistryValue::Dword("opld", 1)).ok());
  EXPECT_FALSE(ImportPendingSettings(f.store).attempted);
  EXPECT_EQ(f.Stored("opld")->number, 1u);
}

TEST(PendingSettingsImportTest, OtherKeysOfTheFileAreNeverWritten) {
  Fixture f;
  f.Pending(f.opl);
  f.WriteOpl(kHead + "Lumidex\r\n\r\n[HKEY_LOCAL_MACHINE\\Software\\Microsoft]\r\n\"x\"=dword:1\r\n" +
             "\r\n[HKEY_CURRENT_USER\\Software\\Ｔｓｕｂａｍｅ\\ルミデクスアルバム\\Sub]\r\n\"y\"=\"1\"\r\n" +
             "\r\n" + kKeyLine + "\"alfha\"=dword:000000C8\r\n");
  EXPECT_TRUE(ImportPendingSettings(f.store).accepted);
  const RegistryData data = f.Data();
  ASSERT_EQ(data.Keys().size(), 1u);
  EXPECT_EQ(data.Keys()[0].path, std::string(kSettingsKeyPath));
  EXPECT_EQ(f.Stored("alfha")->number, 200u);
}

TEST(PendingSettingsImportTest, BadDigitsImportTheRestAndWarnOnce) {
  Fixture f;
  f.Pending(f.opl);
  f.WriteOpl(kHead + "Lumidex\r\n" + kKeyLine +
             "\"alfha\"=dword:0000XYZ1\r\n\"clr-no\"=dword:00000003\r\n\"b\"=hex:QQ\r\n");
  const SettingsImportResult r = ImportPendingSettings(f.store);
  EXPECT_TRUE(r.accepted);
  EXPECT_THAT(r.messages, ElementsAre("バイナリデータ変換エラー"));
  EXPECT_EQ(f.Stored("alfha")->number, 0u);
  EXPECT_EQ(f.Stored("clr-no")->number, 3u);
  EXPECT_EQ(f.Stored("opld"), nullptr);
}

TEST(PendingSettingsImportTest, UnwritableStoreIsReportedAndNotCountedAsImported) {
  testing::FakeFileStore files;
  SettingsStore store("/cfg/settings.reg", files);
  ASSERT_TRUE(store.SetValue(RegistryValue::String("opld", "/a.opl")).ok());
  files.files["/a.opl"] =
      *EncodeCp932Exact(kHead + "Lumidex\r\n" + kKeyLine + "\"alfha\"=dword:000000C8\r\n");
  files.failWrites = true;
  const SettingsImportResult r = ImportPendingSettings(store);
  EXPECT_FALSE(r.accepted);
  EXPECT_THAT(r.messages, ElementsAre("ファイル /cfg/settings.reg を作成できません"));
}

}  // namespace
}  // namespace lumidex
