// lumidex-cli lock / unlock: locks or unlocks the page of a date in its year
// with the page-lock password, read from standard input; on the album of
// LUMIDEX_HOME.
#include <iostream>
#include <ostream>
#include <string>

#include "cli/album_session.h"
#include "cli/cli_command.h"
#include "cli/cli_dates.h"
#include "foundation/settings_store.h"
#include "pagelock/page_lock.h"
#include "pagelock/page_password.h"
#include "platform/environment.h"

namespace lumidex::cli {
namespace {

int RunLock(const std::vector<std::string>& args, CliIo& io);
int RunUnlock(const std::vector<std::string>& args, CliIo& io);

constexpr const char* kLockUsage =
    "  lumidex-cli lock YYYY/MM/DD           locks the page of the date in that year; the\n"
    "                                        password is the first line of standard input\n"
    "                                        (with none registered yet, it is registered)\n";
constexpr const char* kUnlockUsage =
    "  lumidex-cli unlock YYYY/MM/DD         unlocks the page of the date in that year; the\n"
    "                                        password is the first line of standard input\n";

const CliRegistration kLock({"lock", kLockUsage, "lock a page of a year with the password", RunLock});
const CliRegistration kUnlock({"unlock", kUnlockUsage, "unlock a page of a year with the password",
                               RunUnlock});

// The first line of standard input without its line end; "" when there is none.
std::string ReadPasswordLine() {
  std::string line;
  std::getline(std::cin, line);
  if (!line.empty() && line.back() == '\r') line.pop_back();
  return line;
}

int Run(const std::vector<std::string>& args, CliIo& io, bool lock) {
  const char* usage = lock ? kLockUsage : kUnlockUsage;
  if (args.size() != 1) return UsageError(io, usage, "日付をひとつ指定してください（YYYY/MM/DD）");
  const std::string& date = args[0];
  if (!IsAlbumDate(date)) return UsageError(io, usage, "'" + date + "' は日付ではありません（YYYY/MM/DD）");
  const std::string entry = ReadPasswordLine();
  auto album = OpenAlbumSession(io, AlbumAccess::kWrite, "");
  if (!album) return kExitFailed;
  const std::string year = date.substr(0, 4), page = date.substr(5);
  // A page that does not exist cannot be locked; a stale lock of one can
  // still be removed.
  if (lock && !album->env->pageIndex->HasKey("DATA", page)) {
    return Fail(io, page + " のページはありません");
  }
  SettingsStore settings(SettingsFilePath(platform::SettingsFolder()));
  Result<std::string> stored = PagePassword::ReadStoredForm(settings);
  if (!stored.ok()) return Fail(io, stored.status().message());
  PagePassword password(settings, stored.value());
  Result<bool> changed = SetPageLock(*album->env->lockList, password, year, page, lock, entry);
  if (!changed.ok()) return Fail(io, changed.status().message());
  if (!changed.value()) {
    io.err << date << (lock ? " のページは既にロックされています" : " のページはロックされていません") << '\n';
  }
  return kExitOk;
}

int RunLock(const std::vector<std::string>& args, CliIo& io) { return Run(args, io, true); }
int RunUnlock(const std::vector<std::string>& args, CliIo& io) { return Run(args, io, false); }

}  // namespace
}  // namespace lumidex::cli
