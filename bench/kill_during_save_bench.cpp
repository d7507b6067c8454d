// bench-libs: lumidex_platform lumidex_foundation
// Kills lumidex-cli with SIGKILL at random moments while it changes an album
// and checks, after every kill, that each album file is either exactly as it
// was or the complete result of the command (never torn, never mixed), and
// that the next command leaves no temporary file of a save behind and gives
// every page with content its page-index key back.
//
// usage: kill_during_save_bench LUMIDEX_CLI [RUNS] [SEED]
// Prints the counts and exits 1 on the first violation.

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <optional>
#include <random>
#include <set>
#include <string>
#include <thread>
#include <vector>

#include "foundation/file_store.h"
#include "foundation/ini_line.h"
#include "foundation/text_codec.h"
#include "platform/environment.h"

extern char** environ;

namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;
using Document = std::map<std::string, std::set<std::string>>;  // section -> lines

std::string ReadBytes(const std::string& path) {
  auto bytes = lumidex::RealFileStore().ReadAll(path);
  return bytes.ok() ? bytes.value() : std::string();
}

void WriteBytes(const std::string& path, const std::string& bytes) {
  if (!lumidex::RealFileStore().WriteAtomic(path, bytes).ok()) std::abort();
}

// The sections of an album document with their lines, order left aside (a
// save moves the section it writes to the end). nullopt when the text does
// not end as every saved document does, with an empty line: a torn file.
std::optional<Document> Parse(const std::string& bytes) {
  if (bytes.empty()) return Document{};
  if (!bytes.ends_with("\r\n\r\n")) return std::nullopt;
  Document doc;
  std::string section;
  for (const auto& line : lumidex::SplitLines(lumidex::DecodeAlbumFile(bytes))) {
    if (line.empty()) continue;
    if (line.front() == '[' && line.back() == ']') {
      section = line.substr(1, line.size() - 2);
      doc[section];
    } else {
      doc[section].insert(line);
    }
  }
  return doc;
}

// Drops sections without lines: a document written with an emptied section
// and one without it mean the same album.
Document WithoutEmpty(Document doc) {
  std::erase_if(doc, [](const auto& entry) { return entry.second.empty(); });
  return doc;
}

struct Album {
  std::string home, user, photo;
  std::string index() const { return user + "grp-list.ini"; }
  std::string locks() const { return user + "daylc.ini"; }
  std::string year() const { return photo + "2024.ini"; }
};

std::string Page(int n) {
  char text[8];
  std::snprintf(text, sizeof text, "%02d/%02d", 1 + n / 28, 1 + n % 28);
  return text;
}

// 240 pages of 2024 with 60 entries each (about 3 MB), every page locked on
// every tenth day; pages 240.. are free for new ones.
void MakeAlbum(const Album& album, const std::string& picture) {
  std::string index = "[DATA]\r\n", year, locks = "[LCK]\r\n";
  for (int page = 0; page < 240; ++page) {
    index += Page(page) + "=.alb\r\n";
    year += "[" + Page(page) + "]\r\n";
    for (int entry = 0; entry < 60; ++entry) {
      year += "/home/user/Pictures/2024/holiday-" + std::to_string(page) + "/IMG_" +
              std::to_string(entry) + ".jpg=comment\r\n";
    }
    year += "\r\n";
    if (page % 10 == 0) locks += "2024/" + Page(page) + "=\r\n";
  }
  fs::create_directories(album.photo);
  WriteBytes(album.index(), index + "\r\n");
  WriteBytes(album.year(), year);
  WriteBytes(album.locks(), locks + "\r\n");
  WriteBytes(picture, "x");
}

// Runs the tool with `args`; kills it after `killAfter` unless it ends first.
// Returns true when it was killed before it ended.
bool RunAndKill(const std::string& cli, const std::vector<std::string>& args,
                Clock::duration killAfter) {
  std::vector<char*> argv{const_cast<char*>(cli.c_str())};
  for (const auto& arg : args) argv.push_back(const_cast<char*>(arg.c_str()));
  argv.push_back(nullptr);
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
  posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
  pid_t pid = 0;
  if (posix_spawn(&pid, cli.c_str(), &actions, nullptr, argv.data(), environ) != 0) std::abort();
  posix_spawn_file_actions_destroy(&actions);
  const auto deadline = Clock::now() + killAfter;
  int status = 0;
  for (;;) {
    if (::waitpid(pid, &status, WNOHANG) == pid) return false;
    if (Clock::now() >= deadline) break;
    std::this_thread::sleep_for(std::chrono::microseconds(200));
  }
  ::kill(pid, SIGKILL);
  ::waitpid(pid, &status, 0);
  return WIFSIGNALED(status);
}

int Run(const std::string& cli, int runs, unsigned seed) {
  const fs::path base = fs::temp_directory_path() / ("lumidex-kill-" + std::to_string(::getpid()));
  fs::remove_all(base);
  setenv("LUMIDEX_HOME", base.c_str(), 1);
  setenv("XDG_CONFIG_HOME", base.c_str(), 1);
  Album album;
  album.home = base.string();
  album.user = album.home + "/data/" + lumidex::platform::LoginName() + "/";
  album.photo = album.user + "photo/";
  const std::string picture = album.home + "/new.jpg";
  MakeAlbum(album, picture);

  // How long one command takes, to spread the kills over its whole run.
  const auto start = Clock::now();
  RunAndKill(cli, {"add", "2024/01/01", picture}, std::chrono::seconds(30));
  const auto oneRun = Clock::now() - start;

  std::mt19937 random(seed);
  int killed = 0, unchanged = 0, completed = 0, restoredAfter = 0, leftOvers = 0;
  int nextNewPage = 240;
  for (int run = 0; run < runs; ++run) {
    const std::string indexBefore = ReadBytes(album.index()), yearBefore = ReadBytes(album.year()),
                      locksBefore = ReadBytes(album.locks());
    const Document oldIndex = *Parse(indexBefore), oldYear = *Parse(yearBefore),
                   oldLocks = *Parse(locksBefore);
    // Three kinds of change: an entry on a page with content, an entry on a
    // new page (year document and page index), deleting a page (year
    // document, page index and lock list).
    const int kind = static_cast<int>(random() % 3);
    std::string page =
        kind == 1 ? Page(nextNewPage++ % 336) : Page(static_cast<int>(random() % 240));
    const std::string entry = picture + "=";
    std::vector<std::string> args =
        kind == 2 ? std::vector<std::string>{"page", "delete", "2024/" + page, "--yes"}
                  : std::vector<std::string>{"add", "2024/" + page, picture};
    Document newIndex = oldIndex, newYear = oldYear, newLocks = oldLocks;
    if (kind == 2) {
      newYear.erase(page);
      newIndex["DATA"].erase(page + "=.alb");
      newLocks["LCK"].erase("2024/" + page + "=");
    } else {
      newYear[page].insert(entry);
      newIndex["DATA"].insert(page + "=.alb");
    }
    const auto killAfter =
        std::chrono::duration_cast<Clock::duration>(oneRun * (random() % 1200) / 1000);
    killed += RunAndKill(cli, args, killAfter) ? 1 : 0;

    const struct {
      const char* name;
      std::string path, before;
      Document after;
    } files[] = {{"page index", album.index(), indexBefore, newIndex},
                 {"year document", album.year(), yearBefore, newYear},
                 {"lock list", album.locks(), locksBefore, newLocks}};
    for (const auto& file : files) {
      const std::string now = ReadBytes(file.path);
      if (now == file.before) {
        ++unchanged;
        continue;
      }
      const auto doc = Parse(now);
      if (!doc || WithoutEmpty(*doc) != WithoutEmpty(file.after)) {
        std::printf("VIOLATION run %d: the %s is neither old nor new (%zu bytes)\n", run, file.name,
                    now.size());
        return 1;
      }
      ++completed;
    }
    // The next start: a command that is not killed.
    for (const auto& folder : {album.user, album.photo}) {
      for (const auto& item : fs::directory_iterator(folder)) {
        if (item.path().filename().string().starts_with(lumidex::kTempFilePrefix)) ++leftOvers;
      }
    }
    auto indexAfterKill = Parse(ReadBytes(album.index()));
    RunAndKill(cli, {"page", "create", "12/31"}, std::chrono::seconds(30));
    for (const auto& folder : {album.user, album.photo}) {
      for (const auto& item : fs::directory_iterator(folder)) {
        if (item.path().filename().string().starts_with(lumidex::kTempFilePrefix)) {
          std::printf("VIOLATION run %d: %s left after the next start\n", run, item.path().c_str());
          return 1;
        }
      }
    }
    const auto index = Parse(ReadBytes(album.index()));
    const auto year = Parse(ReadBytes(album.year()));
    if (!index || !year) {
      std::printf("VIOLATION run %d: the next start left a torn file\n", run);
      return 1;
    }
    for (const auto& [section, lines] : *year) {
      if (!lines.empty() && !index->at("DATA").contains(section + "=.alb")) {
        std::printf("VIOLATION run %d: page %s has content but no key after the next start\n", run,
                    section.c_str());
        return 1;
      }
    }
    // Leaving out the page the next start itself creates.
    auto indexNow = index;
    indexAfterKill->at("DATA").erase("12/31=.alb");
    indexNow->at("DATA").erase("12/31=.alb");
    if (indexAfterKill != indexNow) ++restoredAfter;
  }
  std::printf("kill during save: %d runs (one command %.1f ms), %d killed before they ended\n",
              runs, std::chrono::duration<double, std::milli>(oneRun).count(), killed);
  std::printf("  files found as they were: %d, found complete and new: %d, torn or mixed: 0\n",
              unchanged, completed);
  std::printf("  temporary files left by kills: %d, all removed by the next start\n", leftOvers);
  std::printf("  next starts that gave pages their lost index key back: %d\n", restoredAfter);
  fs::remove_all(base);
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: %s LUMIDEX_CLI [RUNS] [SEED]\n", argv[0]);
    return 2;
  }
  const int runs = argc > 2 ? std::atoi(argv[2]) : 300;
  const unsigned seed =
      argc > 3 ? static_cast<unsigned>(std::atoi(argv[3])) : std::random_device()();
  std::printf("seed %u\n", seed);
  return Run(argv[1], runs, seed);
}
