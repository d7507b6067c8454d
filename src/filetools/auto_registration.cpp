#include "filetools/auto_registration.h"

#include <sys/stat.h>

#include <ctime>

#include "album/album_path.h"
#include "album/album_store.h"
#include "album/album_text.h"
#include "album/registrable_file.h"
#include "foundation/calendar_date.h"
#include "foundation/file_paths.h"
#include "foundation/file_types.h"
#include "foundation/folder_walk.h"
#include "foundation/message_format.h"
#include "images/exif_reader.h"

namespace lumidex {
namespace {

// Adds `key` with an empty value to `section` unless it is there; true when
// it was added.
bool AddIfAbsent(TMemIniFile& doc, std::string_view section, std::string_view key) {
  if (doc.HasKey(section, key)) return false;
  doc.SetValue(section, key, "");
  return true;
}

}  // namespace

struct AutoRegistration::YearDocuments {
  std::unique_ptr<TMemIniFile> year;
  std::unique_ptr<TMemIniFile> sub;
  bool yearChanged = false;
  bool subChanged = false;
};

int AutoRegisterReport::added() const {
  int total = 0;
  for (const auto& [date, count] : addedPerDate) total += count;
  return total;
}

std::string HitFilesText(int count) { return "hit files > " + WithThousandsSeparators(count); }

std::string SkippedFilesMessage(const AutoRegisterReport& report) {
  std::vector<std::string> parts;
  if (report.undated > 0) {
    parts.push_back(FormatMessage(
        "日付を調べられないファイル（登録中に消えたファイルなど）は登録されませんでした。（%s 個）",
        {std::to_string(report.undated)}));
  }
  if (report.unreadableYears > 0) {
    parts.insert(parts.end(), report.readErrors.begin(), report.readErrors.end());
    parts.push_back(
        FormatMessage("読み込めない年のアルバムに入るファイルは登録されませんでした。（%s 個）",
                      {std::to_string(report.unreadableYears)}));
  }
  std::string message;
  for (const std::string& part : parts) {
    if (!message.empty()) message += "\n";
    message += part;
  }
  return message;
}

std::string FileModifiedDate(const std::string& path) {
  struct stat info {};
  if (::stat(path.c_str(), &info) != 0) return "";
  struct tm local {};
  if (localtime_r(&info.st_mtime, &local) == nullptr) return "";
  char text[32];
  std::snprintf(text, sizeof text, "%04d/%02d/%02d", local.tm_year + 1900, local.tm_mon + 1,
                local.tm_mday);
  return text;
}

std::string SubAlbumNameFor(std::string_view path, std::string_view root, bool rootFolderToo) {
  std::string_view folder = FolderPartOf(path);
  if (folder.size() > 1) folder.remove_suffix(1);
  if (folder.empty() || folder == "/") return "";
  if (!rootFolderToo && folder == root) return "";
  return std::string(FileNameOf(folder));
}

AutoRegistration::AutoRegistration(AlbumStore& store, const FileTypeLists& types)
    : store_(store), types_(types) {}

AutoRegistration::~AutoRegistration() = default;

Result<AutoRegisterReport> AutoRegistration::Run(const std::string& root,
                                                 const AutoRegisterOptions& options,
                                                 LongOperation& progress) {
  root_ = WithoutTrailingSlash(root);
  options_ = options;
  report_ = {};
  pageIndexChanged_ = false;
  otherYears_.clear();
  if (!FolderExists(root_)) return Status::NotFound(CannotOpenMessage(root_));
  // One walk lists the files; its length sizes the progress bar, so the
  // folders are not listed a second time to register them.
  return RegisterAll(ListFilesBelow(root_, {options.includeHidden}), progress);
}

Result<AutoRegisterReport> AutoRegistration::RunOnFiles(const std::vector<std::string>& paths,
                                                        const AutoRegisterOptions& options,
                                                        LongOperation& progress) {
  root_ = "/";
  options_ = options;
  report_ = {};
  pageIndexChanged_ = false;
  otherYears_.clear();
  return RegisterAll(paths, progress);
}

Result<AutoRegisterReport> AutoRegistration::RegisterAll(const std::vector<std::string>& paths,
                                                         LongOperation& progress) {
  if (!store_.HasYear()) return Status::Error("年が読み込まれていません。");
  // The open list is reloaded from the documents at the end: keep its edits.
  if (store_.modified()) {
    if (Status s = store_.SaveCurrent(false); !s.ok()) return s;
  }
  report_.hitFiles = static_cast<int>(paths.size());
  progress.Begin(report_.hitFiles);
  for (const std::string& path : paths) {
    ++report_.walked;
    if (progress.Step(report_.walked, path)) {
      report_.stopped = true;
      break;
    }
    RegisterFile(path);
  }
  SaveAll();
  progress.End();
  return report_;
}

void AutoRegistration::RegisterFile(const std::string& path) {
  if (!RegistrabilityCheck::HasRegistrableType(path, types_, options_.includeManaged)) return;
  if (!CanStoreAsKey(path)) {
    ++report_.unstorable;
    return;
  }
  std::string date;
  // Only ".jpg" files are dated by their shooting date; ".jpeg" keep the file date.
  if (options_.exifDates && ExtensionOf(path) == ".jpg") date = ExifDate(path, false);
  if (date.empty()) date = FileModifiedDate(path);
  // Only a real day of a year the calendar can show has a page to go to.
  const std::optional<CalendarDate> day = ParseDateText(date);
  if (!day || day->year < kFirstShownYear || day->year > kLastShownYear) {
    ++report_.undated;
    return;
  }
  RegisterByDate(date, path);
}

AutoRegistration::YearDocuments* AutoRegistration::DocumentsOf(const std::string& year) {
  auto [it, isNew] = otherYears_.try_emplace(year);
  if (!isNew) return it->second.get();
  const std::string base = store_.folders().photoDir + year;
  auto yearDoc = TMemIniFile::Open(base + ".ini", store_.fileStore());
  auto subDoc = TMemIniFile::Open(base + "S.ini", store_.fileStore());
  // A document that exists but cannot be read is never written over.
  if (!yearDoc.ok() || !subDoc.ok()) {
    report_.readErrors.push_back((yearDoc.ok() ? subDoc.status() : yearDoc.status()).message());
    return nullptr;
  }
  it->second = std::make_unique<YearDocuments>();
  it->second->year = std::move(yearDoc).value();
  it->second->sub = std::move(subDoc).value();
  return it->second.get();
}

void AutoRegistration::RegisterByDate(const std::string& date, const std::string& path) {
  const std::string year = date.substr(0, 4);
  const std::string page = date.substr(5, 5);
  const std::string subName =
      options_.subAlbumsByFolder ? SubAlbumNameFor(path, root_, options_.rootFolderToo) : "";
  const std::string subSection = page + subName;
  bool added = false;
  if (year == store_.loadedYear()) {
    if (subName.empty()) {
      if (!store_.yearDocument().HasKey(page, path)) {
        store_.ChangeYearDocument([&](TMemIniFile& doc) { doc.SetValue(page, path, ""); });
        added = true;
      }
    } else {
      if (!store_.yearDocument().HasKey(page, "@" + subSection)) {
        store_.ChangeYearDocument(
            [&](TMemIniFile& doc) { doc.SetValue(page, "@" + subSection, ""); });
      }
      if (!store_.subAlbumDocument().HasKey(subSection, path)) {
        store_.ChangeSubAlbumDocument(
            [&](TMemIniFile& doc) { doc.SetValue(subSection, path, ""); });
        added = true;
      }
    }
  } else {
    YearDocuments* docs = DocumentsOf(year);
    if (docs == nullptr) {
      ++report_.unreadableYears;
      return;
    }
    if (subName.empty()) {
      added = AddIfAbsent(*docs->year, page, path);
      docs->yearChanged |= added;
    } else {
      docs->yearChanged |= AddIfAbsent(*docs->year, page, "@" + subSection);
      added = AddIfAbsent(*docs->sub, subSection, path);
      docs->subChanged |= added;
    }
  }
  if (store_.pageIndex().GetValue("DATA", page, "") != ".alb") {
    store_.pageIndex().SetValue("DATA", page, ".alb");
    pageIndexChanged_ = true;
  }
  if (added) {
    ++report_.addedPerDate[date];
  } else {
    ++report_.alreadyThere;
  }
}

void AutoRegistration::SaveAll() {
  auto note = [this](const Status& s) {
    if (!s.ok()) report_.saveErrors.push_back(s.message());
  };
  for (auto& [year, docs] : otherYears_) {
    if (docs == nullptr) continue;
    if (docs->yearChanged) note(docs->year->Save());
    if (docs->subChanged) note(docs->sub->Save());
  }
  // The open list takes the documents' section, which now holds the new
  // entries (its own edits were saved before the run).
  if (store_.PageOpen()) store_.ReloadLines();
  note(store_.SaveCurrent(false));
  note(store_.SaveYearDocument());
  if (pageIndexChanged_) note(store_.SavePageIndex());
  store_.RebuildSummaries();
}

}  // namespace lumidex
