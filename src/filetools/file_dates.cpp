#include "filetools/file_dates.h"

#include <fcntl.h>
#include <sys/stat.h>

#include <cstdio>
#include <ctime>

#include "album/album_text.h"
#include "foundation/file_paths.h"
#include "foundation/mem_ini_file.h"

namespace lumidex {
namespace {

// The number in `text` at [from, from + width) when all its characters are
// digits, else -1.
int Digits(std::string_view text, size_t from, size_t width) {
  if (text.size() < from + width) return -1;
  int value = 0;
  for (size_t i = from; i < from + width; ++i) {
    if (text[i] < '0' || text[i] > '9') return -1;
    value = value * 10 + (text[i] - '0');
  }
  return value;
}

// The local time of "yyyy/mm/dd" + optionally " HH:mm:ss" with the time of
// day of `timeOfDay` when the text has none; false for no real date.
bool ToLocalTime(std::string_view text, const struct tm* timeOfDay, time_t& result) {
  const int year = Digits(text, 0, 4), month = Digits(text, 5, 2), day = Digits(text, 8, 2);
  if (year < 1 || month < 1 || month > 12 || day < 1 || text[4] != '/' || text[7] != '/') {
    return false;
  }
  struct tm local {};
  local.tm_year = year - 1900;
  local.tm_mon = month - 1;
  local.tm_mday = day;
  if (text.size() >= 19) {
    local.tm_hour = Digits(text, 11, 2);
    local.tm_min = Digits(text, 14, 2);
    local.tm_sec = Digits(text, 17, 2);
    if (local.tm_hour < 0 || local.tm_hour > 23 || local.tm_min < 0 || local.tm_min > 59 ||
        local.tm_sec < 0 || local.tm_sec > 59) {
      return false;
    }
  } else if (text.size() != 10) {
    return false;
  } else if (timeOfDay != nullptr) {
    local.tm_hour = timeOfDay->tm_hour;
    local.tm_min = timeOfDay->tm_min;
    local.tm_sec = timeOfDay->tm_sec;
  }
  local.tm_isdst = -1;
  const struct tm wanted = local;
  result = mktime(&local);
  // mktime moves 02/29 of a year without it to 03/01: such a date is no day.
  return result != static_cast<time_t>(-1) && local.tm_mday == wanted.tm_mday &&
         local.tm_mon == wanted.tm_mon;
}

std::string TimeText(time_t when, bool withSeconds) {
  struct tm local {};
  if (localtime_r(&when, &local) == nullptr) return "";
  char text[40];
  std::snprintf(text, sizeof text, "%04d/%02d/%02d %02d:%02d", local.tm_year + 1900,
                local.tm_mon + 1, local.tm_mday, local.tm_hour, local.tm_min);
  std::string result = text;
  if (withSeconds) {
    std::snprintf(text, sizeof text, ":%02d", local.tm_sec);
    result += text;
  }
  return result;
}

bool SetModified(const std::string& path, time_t when, long nanoseconds) {
  const struct timespec times[2] = {{0, UTIME_OMIT}, {when, nanoseconds}};
  return ::utimensat(AT_FDCWD, path.c_str(), times, 0) == 0;
}

Result<std::unique_ptr<TMemIniFile>> OpenExisting(const std::string& path) {
  return TMemIniFile::Open(path);
}

// Adds the files of `page` of the open documents to `targets`.
void AddPage(const TMemIniFile& yearDoc, const TMemIniFile& subDoc, std::string_view page,
             const std::string& date, std::vector<FileDateTarget>& targets) {
  for (const auto& line : yearDoc.SectionLines(page)) {
    const std::string_view name = EntryNameOf(line);
    if (name.empty()) continue;
    if (!IsSubAlbumEntry(name)) {
      targets.push_back({std::string(name), date});
      continue;
    }
    for (const auto& entry : subDoc.SectionLines(name.substr(1))) {
      const std::string_view file = EntryNameOf(entry);
      if (!file.empty()) targets.push_back({std::string(file), date});
    }
  }
}

}  // namespace

std::string FileTimeText(const std::string& path, bool creation, bool withSeconds) {
  struct statx info {};
  if (::statx(AT_FDCWD, path.c_str(), 0, STATX_MTIME | STATX_BTIME, &info) != 0) return "";
  const bool birth = creation && (info.stx_mask & STATX_BTIME) != 0;
  return TimeText(birth ? info.stx_btime.tv_sec : info.stx_mtime.tv_sec, withSeconds);
}

bool WriteLastWriteTime(const std::string& path, std::string_view text) {
  time_t when = 0;
  return ToLocalTime(text, nullptr, when) && SetModified(path, when, 0);
}

std::string SetFileDate(const std::string& path, std::string_view date) {
  struct stat info {};
  if (date.size() != 10 || ::stat(path.c_str(), &info) != 0) return "";
  struct tm own {};
  if (localtime_r(&info.st_mtim.tv_sec, &own) == nullptr) return "";
  time_t when = 0;
  if (!ToLocalTime(date, &own, when)) return "";
  if (!SetModified(path, when, info.st_mtim.tv_nsec)) return "";
  return TimeText(when, true);
}

Result<std::vector<FileDateTarget>> PageFileDateTargets(const std::string& photoDir,
                                                        std::string_view date) {
  const std::string year(date.substr(0, 4));
  auto yearDoc = OpenExisting(photoDir + year + ".ini");
  if (!yearDoc.ok()) return yearDoc.status();
  auto subDoc = OpenExisting(photoDir + year + "S.ini");
  if (!subDoc.ok()) return subDoc.status();
  std::vector<FileDateTarget> targets;
  AddPage(*yearDoc.value(), *subDoc.value(), date.substr(5, 5), std::string(date), targets);
  return targets;
}

Result<std::vector<FileDateTarget>> YearFileDateTargets(const std::string& photoDir,
                                                        std::string_view year) {
  auto yearDoc = OpenExisting(photoDir + std::string(year) + ".ini");
  if (!yearDoc.ok()) return yearDoc.status();
  auto subDoc = OpenExisting(photoDir + std::string(year) + "S.ini");
  if (!subDoc.ok()) return subDoc.status();
  std::vector<FileDateTarget> targets;
  for (const auto& page : yearDoc.value()->SectionNames()) {
    if (!IsPageKey(page)) continue;
    AddPage(*yearDoc.value(), *subDoc.value(), page, std::string(year) + "/" + page, targets);
  }
  return targets;
}

FileDateReport SetFileDates(const std::vector<FileDateTarget>& targets, bool withSeconds,
                            LongOperation& progress) {
  FileDateReport report;
  report.count = static_cast<int>(targets.size());
  if (targets.empty()) return report;
  progress.Begin(report.count);
  int done = 0;
  for (const auto& target : targets) {
    const std::string written = SetFileDate(target.path, target.date);
    if (written.empty()) {
      ++report.skipped;
    } else {
      ++report.changed;
      report.written.push_back(target.path + "\t" +
                               (withSeconds ? written : written.substr(0, 16)));
    }
    if (progress.Step(++done, target.path)) {
      report.stopped = done < report.count;
      break;
    }
  }
  progress.End();
  return report;
}

std::string FileDateQuestion(std::string_view prefix) {
  return std::string(prefix) + "登録しているファイルの更新日に登録日を設定します。よろしいですか？";
}

}  // namespace lumidex
