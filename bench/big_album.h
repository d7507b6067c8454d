#pragma once

// A large generated album, written through the album's own file format:
// cp932 year documents `<yyyy>.ini`, sub-album documents `<yyyy>S.ini` and
// the page index "grp-list.ini" ([DATA], every page with the cover ".alb"),
// each laid out as TMemIniFile::Save writes it. The content is a function of
// the shape alone (a fixed-seed generator), so two runs give the same bytes.
//
// Shape: `years` years ending with `lastYear`, every page of the year (366),
// `entries` file entries spread evenly over all pages; every seventh page
// (01/01, 01/08, ...) holds a sub-album reference "@mm/dd旅行" whose
// sub-album section takes eight of that page's files. Paths and comments mix
// ASCII, kanji, kana and half-width kana, some with cp932 trail bytes that
// look like ASCII ("ソ", "表", "能": trail byte 0x5C), and the words a search
// benchmark looks for ("さくら", "サクラ", "ｻｸﾗ", "Sakura") in one line of 40.

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "foundation/data_folders.h"
#include "foundation/file_store.h"
#include "foundation/text_codec.h"

namespace lumidex::bench {

struct BigAlbumShape {
  int years = 50;
  int lastYear = 2026;
  long entries = 1000000;
};

struct BigAlbum {
  DataFolders folders;
  std::vector<std::string> years;  // "yyyy", ascending
  long fileEntries = 0;            // file lines written, pages and sub-albums
  long long bytes = 0;             // bytes of all year and sub-album documents
};

namespace big_album_detail {

inline constexpr int kPagesPerYear = 366;
inline constexpr int kSubAlbumEvery = 7;
inline constexpr int kSubAlbumFiles = 8;

// "mm/dd" of the page `index` (0..365) of a leap year.
inline std::string PageKey(int index) {
  static const int kDays[12] = {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  int month = 0;
  while (index >= kDays[month]) index -= kDays[month++];
  char key[16];
  std::snprintf(key, sizeof key, "%02d/%02d", month + 1, index + 1);
  return key;
}

// A small fixed-seed generator (xorshift), so the album is the same on
// every machine and run.
class Random {
 public:
  explicit Random(uint64_t seed) : state_(seed * 0x9E3779B97F4A7C15ull + 1) {}
  uint32_t Next() {
    state_ ^= state_ << 13;
    state_ ^= state_ >> 7;
    state_ ^= state_ << 17;
    return static_cast<uint32_t>(state_ >> 16);
  }
  template <size_t N>
  const char* Pick(const char* const (&words)[N]) { return words[Next() % N]; }

 private:
  uint64_t state_;
};

inline const char* const kFolders[] = {"写真", "旅行/北海道", "運動会", "ソフトボール", "表彰式", "能登半島",
                                       "Photos/Summer", "ｶﾒﾗ", "家族", "DCIM/100CANON"};
inline const char* const kComments[] = {"", "", "", "", "楽しかった･･また行きたい", "家族写真", "夕焼けがきれい",
                                        "表参道で", "ソーダ水", "海へ", "雨の日", "[旅行]=二日目"};
// The words a search looks for, on one line in kSearchWordEvery.
inline const char* const kSearchComments[] = {"さくら並木", "サクラが満開", "ｻｸﾗ", "Sakura in spring"};
inline constexpr uint32_t kSearchWordEvery = 40;
inline const char* const kNames[] = {"IMG_", "DSC", "写真", "P", "ﾋﾟｸﾁｬ", "img_"};
inline const char* const kExtensions[] = {".jpg", ".JPG", ".png", ".jpeg", ".mp4", ".gif"};

// One file line: path "=" comment.
inline void AppendFileLine(std::string& text, Random& random, const std::string& year, int page, long serial) {
  text += "/home/利用者/";
  text += random.Pick(kFolders);
  text += '/';
  text += year;
  text += '/';
  const bool searched = random.Next() % kSearchWordEvery == 0;
  text += searched && random.Next() % 2 == 0 ? "SAKURA_" : random.Pick(kNames);
  text += std::to_string(page * 1000 + serial);
  text += random.Pick(kExtensions);
  text += '=';
  text += searched ? random.Pick(kSearchComments) : random.Pick(kComments);
  text += "\r\n";
}

// Writes `text` as the program saves a document; returns the bytes written.
inline size_t WriteOrAbort(const std::string& path, const std::string& text) {
  const std::string bytes = EncodeAlbumFile(text);
  if (!RealFileStore().WriteAtomic(path, bytes).ok()) {
    std::fprintf(stderr, "cannot write %s\n", path.c_str());
    std::abort();
  }
  return bytes.size();
}

}  // namespace big_album_detail

// Writes the album of `shape` for the user `login` below the application
// base folder `base` (creating the folders), and returns where it is.
// Aborts when a file cannot be written.
inline BigAlbum WriteBigAlbum(const std::string& base, const std::string& login, const BigAlbumShape& shape) {
  using namespace big_album_detail;
  BigAlbum album;
  album.folders = DataFolders::ForBase(base, login);
  album.folders.CreateAll();
  const long pages = static_cast<long>(shape.years) * kPagesPerYear;
  std::string index = "[DATA]\r\n";
  for (int p = 0; p < kPagesPerYear; ++p) index += PageKey(p) + "=.alb\r\n";
  WriteOrAbort(album.folders.PageIndexPath(), index + "\r\n");
  Random random(20261210);
  long pageNumber = 0;
  for (int y = 0; y < shape.years; ++y) {
    const std::string year = std::to_string(shape.lastYear - shape.years + 1 + y);
    album.years.push_back(year);
    std::string text, subAlbums;
    text.reserve(static_cast<size_t>(shape.entries / shape.years) * 80);
    for (int p = 0; p < kPagesPerYear; ++p, ++pageNumber) {
      // Entries spread evenly: page n holds entries*(n+1)/pages - entries*n/pages.
      const long count = shape.entries * (pageNumber + 1) / pages - shape.entries * pageNumber / pages;
      const std::string page = PageKey(p);
      const bool withSubAlbum = p % kSubAlbumEvery == 0 && count > kSubAlbumFiles;
      const long onPage = withSubAlbum ? count - kSubAlbumFiles : count;
      if (count == 0) continue;
      text += "[" + page + "]\r\n";
      for (long e = 0; e < onPage; ++e) AppendFileLine(text, random, year, p, e);
      if (withSubAlbum) {
        text += "@" + page + "旅行=" + random.Pick(kComments) + "\r\n";
        subAlbums += "[" + page + "旅行]\r\n";
        for (long e = 0; e < kSubAlbumFiles; ++e) AppendFileLine(subAlbums, random, year, p, onPage + e);
        subAlbums += "\r\n";
      }
      text += "\r\n";
      album.fileEntries += count;
    }
    const std::string yearFile = album.folders.photoDir + year + ".ini";
    const std::string subAlbumFile = album.folders.photoDir + year + "S.ini";
    album.bytes += static_cast<long long>(WriteOrAbort(yearFile, text) + WriteOrAbort(subAlbumFile, subAlbums));
  }
  return album;
}

}  // namespace lumidex::bench

// ---- Child processes ----

namespace lumidex::bench {

struct ChildRun {
  double wallMs = 0;
  double cpuMs = 0;       // user + system time of the child
  double peakMb = 0;      // its peak resident memory
  int exitCode = -1;
  std::string output;     // what it wrote to stdout, when asked to keep it
};

// Runs `argv` with `env` added to this process's environment, stdout kept
// (keepOutput) or sent to /dev/null, stderr passed through. Aborts when the
// child cannot be started.
inline ChildRun RunChild(const std::vector<std::string>& argv, const std::vector<std::string>& env,
                         bool keepOutput = false) {
  int pipeFds[2] = {-1, -1};
  if (keepOutput && pipe(pipeFds) != 0) std::abort();
  const auto start = std::chrono::steady_clock::now();
  const pid_t pid = fork();
  if (pid < 0) std::abort();
  if (pid == 0) {
    for (const auto& setting : env) putenv(const_cast<char*>(setting.c_str()));
    const int out = keepOutput ? pipeFds[1] : open("/dev/null", O_WRONLY);
    dup2(out, 1);
    if (keepOutput) close(pipeFds[0]);
    std::vector<char*> args;
    for (const auto& arg : argv) args.push_back(const_cast<char*>(arg.c_str()));
    args.push_back(nullptr);
    execvp(args[0], args.data());
    _exit(127);
  }
  ChildRun run;
  if (keepOutput) {
    close(pipeFds[1]);
    char buffer[4096];
    ssize_t n;
    while ((n = read(pipeFds[0], buffer, sizeof buffer)) > 0) run.output.append(buffer, static_cast<size_t>(n));
    close(pipeFds[0]);
  }
  int status = 0;
  rusage usage{};
  if (wait4(pid, &status, 0, &usage) != pid) std::abort();
  run.wallMs = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
  run.cpuMs = (usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1e3 +
              (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e3;
  run.peakMb = static_cast<double>(usage.ru_maxrss) / 1024.0;
  run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return run;
}

// The best (least wall time) of `runs` runs of RunChild; aborts when a run
// fails.
inline ChildRun BestChild(int runs, const std::vector<std::string>& argv, const std::vector<std::string>& env) {
  ChildRun best;
  best.wallMs = 1e300;
  for (int i = 0; i < runs; ++i) {
    ChildRun run = RunChild(argv, env);
    if (run.exitCode != 0) {
      std::fprintf(stderr, "%s failed (%d)\n", argv[0].c_str(), run.exitCode);
      std::abort();
    }
    if (run.wallMs < best.wallMs) best = run;
  }
  return best;
}

}  // namespace lumidex::bench
