#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "foundation/registry_file.h"
#include "foundation/text_codec.h"
#include "support/fake_file_store.h"

namespace lumidex {
namespace {

using ::testing::ElementsAre;
using testing::FakeFileStore;

constexpr const char* kKey = "HKEY_CURRENT_USER\\Software\\Ｔｓｕｂａｍｅ\\ルミデクスアルバム";
const std::string kHead = "Ｔｓｕｂａｍｅ Registry Text Data Version 1.1\r\n";
const std::string kKeyLine = std::string("[") + kKey + "]\r\n";

std::string ExportText(const RegistryData& data, const std::string& tag = "Lumidex") {
  FakeFileStore files;
  RegistryData copy = data;
  EXPECT_TRUE(TRegistryFile(copy, files).ExportKey("/out.opl", kKey, tag).ok());
  return DecodeAlbumFile(files.files["/out.opl"]);
}

RegistryData OneValue(RegistryValue value) {
  RegistryData data;
  data.CreateKey(kKey).Set(std::move(value));
  return data;
}

// The value lines of a one-key export.
std::string ValueLines(RegistryValue value) {
  const std::string text = ExportText(OneValue(std::move(value)), "");
  const std::string prefix = kHead + "\r\n" + kKeyLine;
  EXPECT_EQ(text.substr(0, prefix.size()), prefix);
  return text.substr(prefix.size());
}

RegistryImportResult Import(RegistryData& data, const std::string& text,
                            RegistryImportOptions options = {}) {
  return ImportRegistryText(data, text, "/in.opl", options);
}

const RegistryValue* Value(const RegistryData& data, std::string_view name) {
  const RegistryKey* key = data.FindKey(kKey);
  return key == nullptr ? nullptr : key->Find(name);
}

TEST(SettingsTextExportTest, DwordIsEightUpperCaseHexDigits) {
  EXPECT_EQ(ValueLines(RegistryValue::Dword("alfha", 26)), "\"alfha\"=dword:0000001A\r\n");
  EXPECT_EQ(ValueLines(RegistryValue::Dword("x", 0xFFFFFFFFu)), "\"x\"=dword:FFFFFFFF\r\n");
}

TEST(SettingsTextExportTest, BinaryWrapsAfterTheNinthByteThenEveryEight) {
  std::string bytes;
  for (int i = 1; i <= 20; ++i) bytes += static_cast<char>(i == 20 ? 0xAB : i);
  EXPECT_EQ(ValueLines(RegistryValue::Binary("b", bytes)),
            "\"b\"=hex:01,02,03,04,05,06,07,08,09,\r\n"
            "0A,0B,0C,0D,0E,0F,10,11,\r\n"
            "12,13,AB\r\n");
  EXPECT_EQ(ValueLines(RegistryValue::Binary("b", bytes.substr(0, 17))),
            "\"b\"=hex:01,02,03,04,05,06,07,08,09,\r\n0A,0B,0C,0D,0E,0F,10,11\r\n");
  EXPECT_EQ(ValueLines(RegistryValue::Binary("b", "")), "\"b\"=hex:\r\n");
}

TEST(SettingsTextExportTest, StringsAreTrimmedAndEscaped) {
  EXPECT_EQ(ValueLines(RegistryValue::String("g-dir", "  C:\\photo \"x\"\t ")),
            "\"g-dir\"=\"C:\\\\photo \\\"x\\\"\"\r\n");
}

TEST(SettingsTextExportTest, TextWithLineBreaksClosesItsQuoteOnTheNextLine) {
  EXPECT_EQ(ValueLines(RegistryValue::String("extlist", ".pdf\r\n.doc\r\n")),
            "\"extlist\"=\".pdf\r\n.doc\r\n\"\r\n");
}

TEST(SettingsTextExportTest, UnnamedValueOnlyWhenItIsAString) {
  RegistryData data;
  RegistryKey& key = data.CreateKey(kKey);
  key.Set(RegistryValue::String("", "default"));
  key.Set(RegistryValue::Dword("n", 1));
  RegistryData other;
  other.CreateKey(kKey).Set(RegistryValue::Dword("", 5));
  EXPECT_EQ(ExportText(data, ""), kHead + "\r\n" + kKeyLine + "@=\"default\"\r\n\"n\"=dword:00000001\r\n");
  EXPECT_EQ(ExportText(other, ""), kHead + "\r\n" + kKeyLine);
}

TEST(SettingsTextExportTest, FileIsCp932WithTagAndSubkeysDepthFirst) {
  RegistryData data;
  data.CreateKey(std::string(kKey) + "\\B").Set(RegistryValue::Dword("b", 2));
  data.CreateKey(std::string(kKey) + "\\A\\Deep").Set(RegistryValue::Dword("d", 3));
  data.CreateKey(kKey).Set(RegistryValue::String("dir1", "写真"));
  data.CreateKey(std::string(kKey) + "\\A").Set(RegistryValue::Dword("a", 1));
  data.CreateKey("HKEY_CURRENT_USER\\Software\\Other").Set(RegistryValue::Dword("o", 1));
  FakeFileStore files;
  ASSERT_TRUE(TRegistryFile(data, files).ExportKey("/out.opl", kKey, "Lumidex").ok());
  const std::string expected = kHead + "Lumidex\r\n\r\n" + kKeyLine + "\"dir1\"=\"写真\"\r\n" +
                               "\r\n[" + kKey + "\\A]\r\n\"a\"=dword:00000001\r\n" +
                               "\r\n[" + kKey + "\\A\\Deep]\r\n\"d\"=dword:00000003\r\n" +
                               "\r\n[" + kKey + "\\B]\r\n\"b\"=dword:00000002\r\n";
  EXPECT_EQ(files.files["/out.opl"], *EncodeCp932Exact(expected));
}

TEST(SettingsTextExportTest, TextWithoutCp932FormIsWrittenAsUtf8WithBom) {
  FakeFileStore files;
  RegistryData data = OneValue(RegistryValue::String("dir1", "a〜b"));
  ASSERT_TRUE(TRegistryFile(data, files).ExportKey("/out.opl", kKey, "Lumidex").ok());
  EXPECT_TRUE(files.files["/out.opl"].starts_with(kUtf8Bom));
  RegistryData back;
  EXPECT_TRUE(TRegistryFile(back, files).ImportFile("/out.opl", {}).accepted);
  EXPECT_EQ(Value(back, "dir1")->data, "a〜b");
}

TEST(SettingsTextExportTest, HalfWidthKanaThatLooksLikeUtf8ReadsBackAsKana) {
  // In cp932 "ﾃｩ" is C3 A9, which is also the UTF-8 form of "é".
  FakeFileStore files;
  RegistryData data = OneValue(RegistryValue::String("dir1", "ﾃｩ"));
  ASSERT_TRUE(TRegistryFile(data, files).ExportKey("/out.opl", kKey, "Lumidex").ok());
  RegistryData back;
  EXPECT_TRUE(TRegistryFile(back, files).ImportFile("/out.opl", {}).accepted);
  EXPECT_EQ(Value(back, "dir1")->data, "ﾃｩ");
}

TEST(SettingsTextExportTest, MissingKeyGivesOpenKeyErrorAndLeavesTheFileAlone) {
  FakeFileStore files;
  files.files["/out.opl"] = "old";
  RegistryData empty;
  const Status status = TRegistryFile(empty, files).ExportKey("/out.opl", kKey, "Lumidex");
  EXPECT_EQ(status.message(), "OpenKey Error");
  EXPECT_EQ(files.files["/out.opl"], "old");
  EXPECT_TRUE(TRegistryFile(empty, files).ExportKey("/none.opl", "", "Lumidex").ok());
  EXPECT_EQ(files.files.count("/none.opl"), 0u);
}

TEST(SettingsTextExportTest, UnwritableFileIsReported) {
  FakeFileStore files;
  files.failWrites = true;
  RegistryData data = OneValue(RegistryValue::Dword("n", 1));
  EXPECT_EQ(TRegistryFile(data, files).ExportKey("/out.opl", kKey, "").message(),
            "ファイル /out.opl を作成できません");
}

TEST(SettingsTextImportTest, EscapesGiveBackslashAndQuoteAndKeepEverythingElse) {
  RegistryData data;
  const auto r = Import(data, kHead + kKeyLine +
                                  "\"p\"=\"C:\\\\a\\\"b\\\"\\n\\t  \"\r\n"
                                  "@=\"  kept  \"\r\n");
  EXPECT_TRUE(r.accepted);
  EXPECT_TRUE(r.messages.empty());
  EXPECT_EQ(Value(data, "p")->data, "C:\\a\"b\"\\n\\t");
  EXPECT_EQ(Value(data, "")->data, "  kept  ");
}

TEST(SettingsTextImportTest, MultiLineStringComesBackAsItsLines) {
  RegistryData data;
  Import(data, kHead + kKeyLine + "\"extlist\"=\".pdf\r\n.doc\r\n\"\r\n\"n\"=dword:00000002\r\n");
  EXPECT_EQ(Value(data, "extlist")->data, ".pdf\r\n.doc");
  EXPECT_EQ(Value(data, "n")->number, 2u);
}

TEST(SettingsTextImportTest, WrongOrMissingTagIsRefusedAndWritesNothing) {
  RegistryImportOptions tagged;
  tagged.expectedTag = "Lumidex";
  RegistryData data;
  auto r = Import(data, kHead + "Other\r\n" + kKeyLine + "\"n\"=dword:00000001\r\n", tagged);
  EXPECT_FALSE(r.accepted);
  EXPECT_THAT(r.messages, ElementsAre("/in.opl このファイルは指定されたファイルでは有りません！！"));
  r = Import(data, kHead + kKeyLine + "\"n\"=dword:00000001\r\n", tagged);
  EXPECT_FALSE(r.accepted);
  EXPECT_EQ(data.Keys().size(), 0u);
  r = Import(data, kHead + kKeyLine + "\"n\"=dword:00000001\r\n");
  EXPECT_TRUE(r.accepted);
  EXPECT_EQ(Value(data, "n")->number, 1u);
}

TEST(SettingsTextImportTest, TextWithoutLineBreakOrKeyIsNotASettingsFile) {
  RegistryData data;
  const std::string message = "このファイルはレジストリ ファイルでは有りません！！";
  EXPECT_THAT(Import(data, "[HKEY_CURRENT_USER\\x]").messages, ElementsAre(message));
  EXPECT_THAT(Import(data, kHead + "Lumidex\r\n\"n\"=dword:1\r\n").messages, ElementsAre(message));
  EXPECT_THAT(Import(data, "").messages, ElementsAre(message));
  FakeFileStore files;
  const auto missing = TRegistryFile(data, files).ImportFile("/missing.opl", {});
  EXPECT_FALSE(missing.accepted);
  EXPECT_THAT(missing.messages, ElementsAre(message));
  EXPECT_EQ(data.Keys().size(), 0u);
}

TEST(SettingsTextImportTest, DwordLineEndsBeforeItsCrAndTrailingSpaces) {
  RegistryData data;
  const auto r = Import(data, kHead + kKeyLine + "\"a\"=dword:000000c8  \r\n\"b\"=dword:1a\r\n");
  EXPECT_TRUE(r.messages.empty());
  EXPECT_EQ(Value(data, "a")->number, 200u);
  EXPECT_EQ(Value(data, "b")->number, 26u);
}

TEST(SettingsTextImportTest, BadDigitsGiveZeroAndOneMessageAndTheImportGoesOn) {
  RegistryData data;
  const auto r = Import(data, kHead + kKeyLine +
                                  "\"a\"=dword:00zz0001\r\n"
                                  "\"b\"=dword:1000000001\r\n"
                                  "\"c\"=hex:01,G2,03\r\n"
                                  "\"d\"=dword:00000007\r\n");
  EXPECT_TRUE(r.accepted);
  EXPECT_THAT(r.messages, ElementsAre("バイナリデータ変換エラー"));
  EXPECT_EQ(Value(data, "a")->number, 0u);
  EXPECT_EQ(Value(data, "b")->number, 0u);
  EXPECT_EQ(Value(data, "c")->data, std::string("\x01\x00\x03", 3));
  EXPECT_EQ(Value(data, "d")->number, 7u);
}

TEST(SettingsTextImportTest, BinaryFollowsCommasAcrossLinesAndStopsAtAPlainBreak) {
  RegistryData data;
  Import(data, kHead + kKeyLine + "\"b\"=hex:01,02,\r\n03\r\n\"n\"=dword:00000009\r\n\"e\"=hex:\r\n");
  EXPECT_EQ(Value(data, "b")->data, "\x01\x02\x03");
  EXPECT_EQ(Value(data, "n")->number, 9u);
  EXPECT_EQ(Value(data, "e")->data, "");
}

TEST(SettingsTextImportTest, BinaryKeepsAtMost2047Bytes) {
  std::string line = "\"b\"=hex:";
  for (int i = 0; i < 3000; ++i) line += i == 0 ? "7F" : ",7F";
  RegistryData data;
  Import(data, kHead + kKeyLine + line + "\r\n\"n\"=dword:00000001\r\n");
  EXPECT_EQ(Value(data, "b")->data, std::string(2047, '\x7F'));
  EXPECT_EQ(Value(data, "n")->number, 1u);
}

TEST(SettingsTextImportTest, Cp932FileOfTheOriginalLayoutDecodes) {
  // "ソ" is 83 5C in cp932: its second byte must not read as a backslash.
  const std::string text = kHead + "Lumidex\r\n\r\n" + kKeyLine +
                           "\"dir1\"=\"D:\\\\ソフト\\\\写真\"\r\n\"clr-no\"=dword:00000002\r\n";
  FakeFileStore files;
  files.files["/old.opl"] = *EncodeCp932Exact(text);
  RegistryData data;
  RegistryImportOptions options;
  options.expectedTag = "Lumidex";
  const auto r = TRegistryFile(data, files).ImportFile("/old.opl", options);
  EXPECT_TRUE(r.accepted);
  EXPECT_EQ(Value(data, "dir1")->data, "D:\\ソフト\\写真");
  EXPECT_EQ(Value(data, "clr-no")->number, 2u);
}

TEST(SettingsTextImportTest, TextEndsAtTheFirstNulByte) {
  FakeFileStore files;
  files.files["/nul.opl"] = *EncodeCp932Exact(kHead + kKeyLine + "\"a\"=dword:00000001\r\n") +
                            std::string(1, '\0') + "\"b\"=dword:00000002\r\n";
  RegistryData data;
  TRegistryFile(data, files).ImportFile("/nul.opl", {});
  EXPECT_NE(Value(data, "a"), nullptr);
  EXPECT_EQ(Value(data, "b"), nullptr);
}

TEST(SettingsTextImportTest, OnlyKeyKeepsOtherKeysOutEvenWithBracketsInTheirValues) {
  RegistryImportOptions options;
  options.onlyKey = kKey;
  RegistryData data;
  Import(data,
         kHead + "[HKEY_LOCAL_MACHINE\\Software\\Evil]\r\n\"x\"=\"[" + kKey + "]\"\r\n" +
             "\"y\"=dword:00000001\r\n[HKEY_CURRENT_USER\\Software\\Other]\r\n\"z\"=\"1\"\r\n" +
             kKeyLine + "\"ok\"=dword:00000002\r\n",
         options);
  ASSERT_EQ(data.Keys().size(), 1u);
  EXPECT_EQ(data.Keys()[0].path, kKey);
  EXPECT_EQ(data.Keys()[0].values, std::vector{RegistryValue::Dword("ok", 2)});
}

TEST(SettingsTextImportTest, UnknownRootsAndUnclosedKeyLinesAreSkipped) {
  RegistryData data;
  Import(data, kHead + "[HKEY_NOWHERE\\x]\r\n\"a\"=dword:00000001\r\n[HKEY_CURRENT_USER\\y\r\n" +
                   "\"b\"=dword:00000001\r\n[HKEY_CURRENT_USER\\z]\r\n\"c\"=dword:00000003\r\n");
  ASSERT_EQ(data.Keys().size(), 1u);
  EXPECT_EQ(data.Keys()[0].path, "HKEY_CURRENT_USER\\z");
}

TEST(SettingsTextImportTest, OnlyNewKeysAndPrefixWithFilter) {
  RegistryData data;
  data.CreateKey("HKEY_CURRENT_USER\\Software\\Old").Set(RegistryValue::Dword("v", 1));
  RegistryImportOptions onlyNew;
  onlyNew.onlyNewKeys = true;
  Import(data, kHead + "[HKEY_CURRENT_USER\\Software\\Old]\r\n\"v\"=dword:00000002\r\n", onlyNew);
  EXPECT_EQ(data.FindKey("HKEY_CURRENT_USER\\Software\\Old")->values[0].number, 1u);

  RegistryImportOptions moved;
  moved.pathPrefix = "\\Backup";
  moved.pathFilter = "\\Software";
  Import(data, kHead + "[HKEY_CURRENT_USER\\Top\\Software\\App]\r\n\"v\"=dword:00000003\r\n" +
                   "[HKEY_CURRENT_USER\\Elsewhere]\r\n\"w\"=dword:00000004\r\n",
         moved);
  ASSERT_NE(data.FindKey("HKEY_CURRENT_USER\\Backup\\Software\\App"), nullptr);
  EXPECT_EQ(data.FindKey("HKEY_CURRENT_USER\\Elsewhere"), nullptr);
}

TEST(SettingsTextRoundTripTest, ExportImportExportIsByteIdentical) {
  RegistryData data;
  RegistryKey& key = data.CreateKey(kKey);
  key.Set(RegistryValue::String("updatepath", "/home/u/.local/share/lumidex-album/"));
  key.Set(RegistryValue::String("extlist", ".pdf\r\n.txt\r\n"));
  key.Set(RegistryValue::String("g-dir", "C:\\写真\\\"引用\""));
  key.Set(RegistryValue::Dword("usersiz", 200u * 65536u + 100u));
  key.Set(RegistryValue::Binary("blob", std::string("\x00\xFF\x10 abcdefghijklmnopq", 20)));
  key.Set(RegistryValue::String("", "既定"));
  FakeFileStore files;
  ASSERT_TRUE(TRegistryFile(data, files).ExportKey("/1.opl", kKey, "Lumidex").ok());
  RegistryData back;
  RegistryImportOptions options;
  options.expectedTag = "Lumidex";
  ASSERT_TRUE(TRegistryFile(back, files).ImportFile("/1.opl", options).accepted);
  ASSERT_TRUE(TRegistryFile(back, files).ExportKey("/2.opl", kKey, "Lumidex").ok());
  EXPECT_EQ(files.files["/1.opl"], files.files["/2.opl"]);
  EXPECT_EQ(Value(back, "blob")->data, Value(data, "blob")->data);
}

}  // namespace
}  // namespace lumidex
