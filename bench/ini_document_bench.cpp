// bench-libs: lumidex_foundation
// Loads and saves a generated year document of 50,000 entry lines over 366
// sections (Japanese paths and comments) and prints the times beside the
// reference: reading the same file and converting it with iconv, and writing
// the same bytes. Goal: load within 3x of read+convert, save within 3x of
// writing the bytes.
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "foundation/file_store.h"
#include "foundation/ini_line.h"
#include "foundation/mem_ini_file.h"
#include "foundation/text_codec.h"
#include "bench_timing.h"

namespace {

std::string GenerateYearText() {
  std::string text;
  const char* places[] = {"北海道旅行", "沖縄の海", "運動会", "誕生日会", "お花見", "紅葉狩り"};
  const char* comments[] = {"", "楽しかった･･また行きたい", "家族写真", "", "夕焼けがきれい"};
  int line = 0;
  for (int day = 0; day < 366 && line < 50000; ++day) {
    const int month = day / 31 + 1, dom = day % 31 + 1;
    char header[16];
    std::snprintf(header, sizeof header, "[%02d/%02d]", month, dom);
    text += header;
    text += "\r\n";
    const int count = day < 224 ? 137 : 136;
    for (int i = 0; i < count && line < 50000; ++i, ++line) {
      text += "/home/利用者/写真/" + std::string(places[line % 6]) + "/IMG_" +
              std::to_string(10000 + line) + ".JPG=" + comments[line % 5] + "\r\n";
    }
    text += "\r\n";
  }
  return text;
}

}  // namespace

int main() {
  using namespace lumidex;
  using bench::Best;
  const auto folder = std::filesystem::temp_directory_path() / "lumidex-ini-bench";
  std::filesystem::create_directories(folder);
  const std::string path = (folder / "2024.ini").string();
  const std::string bytes = *EncodeCp932Exact(GenerateYearText());
  { std::ofstream(path, std::ios::binary) << bytes; }

  const int runs = 5;
  const double readConvert = Best(runs, [&] { bench::ReadAndConvert(path); });
  std::unique_ptr<TMemIniFile> doc;
  const double load = Best(runs, [&] { doc = std::move(TMemIniFile::Open(path).value()); });
  const double lookup = Best(runs, [&] {
    volatile size_t found = 0;
    for (int i = 0; i < 50000; i += 7) {
      found = found + doc->GetValue("12/31", "/home/利用者/写真/x" + std::to_string(i), "").size();
    }
  });
  const std::string savePath = (folder / "2024-saved.ini").string();
  TMemIniFile target(savePath);
  target.ReplaceAll(SplitLines(doc->ToText()));
  const double save = Best(runs, [&] {
    if (!target.Save().ok()) std::abort();
  });
  std::string text;
  const double toText = Best(runs, [&] { text = target.ToText(); });
  const double encode = Best(runs, [&] {
    if (EncodeAlbumFile(text).size() != bytes.size()) std::abort();
  });
  const double writeBytes = Best(runs, [&] {
    if (!RealFileStore().WriteAtomic(savePath, bytes).ok()) std::abort();
  });

  std::printf("year document: %zu bytes, 50,000 entry lines, 366 sections\n", bytes.size());
  std::printf("%-34s %9s %9s %7s\n", "operation", "ours ms", "ref ms", "ratio");
  std::printf("%-34s %9.2f %9.2f %6.2fx  (goal <= 3x read+iconv)\n", "load (read, decode, parse)", load,
              readConvert, load / readConvert);
  std::printf("%-34s %9.2f %9.2f %6.2fx  (goal <= 3x write same bytes)\n", "save (encode, atomic write)",
              save, writeBytes, save / writeBytes);
  std::printf("%-34s %9.2f\n", "  of which document to text", toText);
  std::printf("%-34s %9.2f\n", "  of which text to cp932", encode);
  std::printf("%-34s %9.2f\n", "7,143 key lookups in one section", lookup);
  std::filesystem::remove_all(folder);
  return 0;
}
