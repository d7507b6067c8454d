#include "album/backup_container.h"

#include <gtest/gtest.h>

#include <random>

namespace lumidex {
namespace {

std::string Length(uint32_t n) {
  std::string bytes;
  for (int i = 0; i < 4; ++i) bytes += static_cast<char>((n >> (8 * i)) & 0xFF);
  return bytes;
}

// A named record as the layout spells it, with any name and claimed length.
std::string Named(std::string_view name, std::string_view content, uint32_t claimed) {
  return Length(static_cast<uint32_t>(name.size())) + std::string(name) + Length(claimed) +
         std::string(content);
}
std::string Named(std::string_view name, std::string_view content) {
  return Named(name, content, static_cast<uint32_t>(content.size()));
}

const BackupContainer kAlbum{{"[DATA]\r\n05/01=.alb\r\n", ""},
                             {{"2024.ini", "[05/01]\r\n/p/a.jpg=海\r\n"}, {"2024S.ini", "[05/01旅行]\r\n"}}};

TEST(BackupContainerTest, WrittenContainersReadBackEqualInTheByteLayout) {
  Result<std::string> bytes = WriteBackupContainer(kAlbum, BackupKind::kAlbum);
  ASSERT_TRUE(bytes.ok()) << bytes.status().message();
  // The layout spelled out by hand reads as the same records.
  const std::string byHand = "photo1" + Length(kAlbum.unnamed[0].size()) + kAlbum.unnamed[0] + Length(0) +
                             Named("2024.ini", kAlbum.named[0].content) + Named("2024S.ini", kAlbum.named[1].content);
  EXPECT_EQ(bytes.value(), byHand);
  Result<BackupContainer> read = ReadBackupContainer(bytes.value(), BackupKind::kAlbum, "b.alb");
  ASSERT_TRUE(read.ok()) << read.status().message();
  EXPECT_EQ(read.value(), kAlbum);

  const BackupContainer favourites{{}, {{"2024.ini", "[05/01]\r\n/p/a.jpg=05/01\r\n"}}};
  Result<std::string> favBytes = WriteBackupContainer(favourites, BackupKind::kFavourites);
  ASSERT_TRUE(favBytes.ok());
  EXPECT_TRUE(favBytes.value().starts_with("fav\x08"));
  EXPECT_EQ(ReadBackupContainer(favBytes.value(), BackupKind::kFavourites, "b.fav").value(), favourites);
  // Marks are not interchangeable.
  EXPECT_FALSE(ReadBackupContainer(favBytes.value(), BackupKind::kFreeLayout, "b.fre").ok());
}

TEST(BackupContainerTest, OnlyBareYearDocumentNamesAreAccepted) {
  for (const char* good : {"2024.ini", "2024S.ini", "2024A.INI", "1001.ini", "2024 旅行.ini"}) {
    EXPECT_TRUE(IsBackupDocumentName(good)) << good;
  }
  for (const char* bad : {"../../x", "../2024.ini", "2024/../../x.ini", "/etc/2024.ini", "2024\\..\\x.ini",
                          "1000.ini", "0999.ini", "20a4.ini", "2024.txt", "2024", "2024.ini\n", "2024\t.ini",
                          ".ini", ""}) {
    EXPECT_FALSE(IsBackupDocumentName(bad)) << bad;
    const BackupContainer container{{}, {{bad, "[x]\r\n"}}};
    EXPECT_FALSE(WriteBackupContainer(container, BackupKind::kFreeLayout).ok()) << bad;
    const std::string file = "photo1" + Named(bad, "[x]\r\n");
    Result<BackupContainer> read = ReadBackupContainer(file, BackupKind::kFreeLayout, "b.fre");
    ASSERT_FALSE(read.ok()) << bad;
    EXPECT_NE(read.status().message().find("b.fre"), std::string::npos);
  }
}

TEST(BackupContainerTest, HostileLengthsAndDuplicatesRefuseTheWholeFile) {
  const std::string good = "photo1" + Named("2024.ini", "[a]\r\n");
  ASSERT_TRUE(ReadBackupContainer(good, BackupKind::kFreeLayout, "b.fre").ok());
  for (const uint32_t claimed : {6u, 0x7FFFFFFFu, 0x80000000u, 0xFFFFFFFFu}) {
    EXPECT_FALSE(ReadBackupContainer(good + Named("2025.ini", "[b]\r\n", claimed), BackupKind::kFreeLayout, "b.fre").ok())
        << claimed;
  }
  // A name length past the end, a name of 4 GB, a length field cut short.
  EXPECT_FALSE(ReadBackupContainer(good + Length(100) + "2025.ini", BackupKind::kFreeLayout, "b.fre").ok());
  EXPECT_FALSE(ReadBackupContainer(good + Length(0xFFFFFFFF), BackupKind::kFreeLayout, "b.fre").ok());
  EXPECT_FALSE(ReadBackupContainer(good + "\x01\x00", BackupKind::kFreeLayout, "b.fre").ok());
  EXPECT_FALSE(ReadBackupContainer(good + Named("2024.ini", "[b]\r\n"), BackupKind::kFreeLayout, "b.fre").ok());
  // An album file needs both unnamed records.
  EXPECT_FALSE(ReadBackupContainer("photo1" + Length(0), BackupKind::kAlbum, "b.alb").ok());
}

TEST(BackupContainerTest, ACutFileIsRefusedOrReadsAsTheRecordsBeforeTheCut) {
  const std::string bytes = WriteBackupContainer(kAlbum, BackupKind::kAlbum).value();
  for (size_t size = 0; size < bytes.size(); ++size) {
    Result<BackupContainer> read = ReadBackupContainer(bytes.substr(0, size), BackupKind::kAlbum, "b.alb");
    if (!read.ok()) continue;
    // Only a cut between two named records leaves a readable file.
    EXPECT_EQ(read.value().unnamed, kAlbum.unnamed) << size;
    ASSERT_LT(read.value().named.size(), kAlbum.named.size()) << size;
    for (size_t i = 0; i < read.value().named.size(); ++i) EXPECT_EQ(read.value().named[i], kAlbum.named[i]);
  }
  std::mt19937 random(7);
  for (int round = 0; round < 200; ++round) {
    std::string noise = "photo1";
    for (int i = 0; i < 64; ++i) noise += static_cast<char>(random() & 0xFF);
    Result<BackupContainer> read = ReadBackupContainer(noise, BackupKind::kFreeLayout, "b.fre");
    if (read.ok()) {
      for (const auto& record : read.value().named) EXPECT_TRUE(IsBackupDocumentName(record.name));
    }
  }
}

}  // namespace
}  // namespace lumidex
