#include "album/missing_file_repair.h"

#include <dirent.h>

#include <algorithm>
#include <functional>
#include <memory>
#include <unordered_map>
#include <unordered_set>

#include "album/album_path.h"
#include "album/album_store.h"
#include "album/album_text.h"
#include "album/file_name_index.h"
#include "album/year_index.h"
#include "foundation/file_paths.h"
#include "foundation/ini_line.h"
#include "foundation/mem_ini_file.h"
#include "foundation/text_compare.h"

namespace lumidex {
namespace {

// Where a document keeps its paths.
enum class PathPlace {
  kEntryName,  // year and sub-album documents: the line's name is the path
  kValue,      // free layout documents: the line's value is the path
};

// One document of a run, as its lines. `inScope` picks the sections looked
// at; `commit` takes the changed lines back into the document and saves it.
struct WorkDocument {
  std::string label;
  PathPlace place = PathPlace::kEntryName;
  std::vector<std::string> lines;
  std::function<bool(std::string_view section)> inScope;
  size_t minNameLength = 1;  // kValue: lines whose names are at least this long
  std::function<Status(std::vector<std::string>)> commit;
  bool changed = false;
};

bool IsHeader(std::string_view line) {
  return line.size() >= 2 && line.front() == '[' && line.back() == ']';
}

bool Skipped(std::string_view line) { return line.empty() || line[0] == ';'; }

// The lines of a document as ReplaceAll reads them back.
std::vector<std::string> LinesOf(const TMemIniFile& doc) { return SplitLines(doc.ToText()); }

// A value line of a free layout document that the scope looks at: the
// position of its "=", or npos.
size_t PathValueAt(std::string_view line, size_t minNameLength) {
  const size_t eq = line.find('=');
  if (eq == std::string_view::npos || eq < minNameLength) return std::string_view::npos;
  return IsFullPathValue(line.substr(eq + 1)) ? eq : std::string_view::npos;
}

bool LooksAt(const WorkDocument& doc, std::string_view line) {
  if (doc.place == PathPlace::kValue) return PathValueAt(line, doc.minNameLength) != std::string::npos;
  const std::string_view name = EntryNameOf(line);
  return !name.empty() && !IsSubAlbumEntry(name);
}

// A run over several documents with one index of the searched folder.
class RepairRun {
 public:
  RepairRun(const RepairRequest& request, LongOperation& progress)
      : request_(request),
        progress_(progress),
        index_(request.folder, [this] { return !progress_.Step(done_, request_.folder); }) {}

  void Add(WorkDocument doc) { docs_.push_back(std::move(doc)); }

  // Counts, repairs every document, then commits the changed ones.
  RepairCounts Run() {
    progress_.Begin(Count());
    for (auto& doc : docs_) {
      if (counts_.stopped) break;
      Repair(doc);
    }
    progress_.End();
    if (!request_.dryRun) {
      for (auto& doc : docs_) {
        if (!doc.changed) continue;
        if (Status s = doc.commit(std::move(doc.lines)); !s.ok()) {
          counts_.saveErrors.push_back(s.message());
        }
      }
    }
    return std::move(counts_);
  }

  RepairCounts& counts() { return counts_; }

 private:
  int Count() const {
    int total = 0;
    for (const auto& doc : docs_) {
      bool inScope = false;
      for (const auto& line : doc.lines) {
        if (Skipped(line)) continue;
        if (IsHeader(line)) {
          inScope = doc.inScope(std::string_view(line).substr(1, line.size() - 2));
        } else if (inScope && LooksAt(doc, line)) {
          ++total;
        }
      }
    }
    return total;
  }

  // Whether the file `path` exists. Files that moved usually moved with
  // their folder, so each folder is looked up once and the files of a
  // missing folder cost no look-up of their own.
  bool Exists(const std::string& path) {
    if (IsWindowsFormPath(path)) return false;
    const std::string folder(FolderPartOf(path));
    auto [it, added] = folderExists_.try_emplace(folder, false);
    if (added) it->second = folder.empty() || FolderExists(folder);
    return it->second && FileExists(path);
  }

  // Steps the progress for one line; false when the run must stop.
  bool StepOn(std::string_view item) {
    if (progress_.Step(++done_, item)) counts_.stopped = true;
    return !counts_.stopped;
  }

  // The file found for the missing `path`, or nullopt.
  std::optional<std::string> Find(std::string_view path) {
    std::optional<std::string> found = index_.FindByName(FileNameOf(path));
    if (index_.stopped()) counts_.stopped = true;
    return counts_.stopped ? std::nullopt : found;
  }

  void Repair(WorkDocument& doc) {
    std::vector<bool> dropped(doc.lines.size(), false);
    size_t i = 0;
    while (i < doc.lines.size() && !counts_.stopped) {
      if (!IsHeader(doc.lines[i])) {
        ++i;
        continue;
      }
      const std::string section = doc.lines[i].substr(1, doc.lines[i].size() - 2);
      size_t end = i + 1;
      while (end < doc.lines.size() && !IsHeader(doc.lines[end])) ++end;
      if (doc.inScope(section)) {
        if (doc.place == PathPlace::kValue) {
          RepairValues(doc, section, i + 1, end);
        } else {
          RepairEntries(doc, section, i + 1, end, dropped);
        }
      }
      i = end;
    }
    if (!doc.changed) return;
    std::vector<std::string> kept;
    kept.reserve(doc.lines.size());
    for (size_t n = 0; n < doc.lines.size(); ++n) {
      if (!dropped[n]) kept.push_back(std::move(doc.lines[n]));
    }
    doc.lines = std::move(kept);
  }

  void RepairValues(WorkDocument& doc, const std::string& section, size_t begin, size_t end) {
    for (size_t i = begin; i < end && !counts_.stopped; ++i) {
      std::string& line = doc.lines[i];
      if (Skipped(line)) continue;
      const size_t eq = PathValueAt(line, doc.minNameLength);
      if (eq == std::string::npos) continue;
      const std::string path = line.substr(eq + 1);
      if (!StepOn(path) || Exists(path)) continue;
      ++counts_.missingCount;
      const std::optional<std::string> found = Find(path);
      if (!found) continue;
      line = line.substr(0, eq + 1) + *found;
      doc.changed = true;
      ++counts_.repairedCount;
      counts_.repaired.push_back({doc.label, section, path, *found, false});
    }
  }

  void RepairEntries(WorkDocument& doc, const std::string& section, size_t begin, size_t end,
                     std::vector<bool>& dropped) {
    // Folded entry name -> its line, the first line of a name winning as in
    // the document's own lookups.
    std::unordered_map<std::string, size_t> byName;
    byName.reserve(end - begin);
    for (size_t i = begin; i < end; ++i) {
      if (!Skipped(doc.lines[i])) byName.try_emplace(FoldAscii(EntryNameOf(doc.lines[i])), i);
    }
    for (size_t i = begin; i < end && !counts_.stopped; ++i) {
      std::string& line = doc.lines[i];
      if (Skipped(line) || !LooksAt(doc, line)) continue;
      const std::string path(EntryNameOf(line));
      if (!StepOn(path) || Exists(path)) continue;
      ++counts_.missingCount;
      const std::optional<std::string> found = Find(path);
      if (!found) continue;
      const std::string comment(EntryCommentOf(line));
      const std::string folded = FoldAscii(*found);
      auto other = byName.find(folded);
      const bool merge = other != byName.end() && other->second != i && !dropped[other->second];
      if (merge) {
        std::string& kept = doc.lines[other->second];
        if (EntryCommentOf(kept).empty() && !comment.empty()) {
          kept = std::string(EntryNameOf(kept)) + "=" + comment;
        }
        dropped[i] = true;
      } else {
        line = *found + "=" + comment;
        byName[folded] = i;
      }
      doc.changed = true;
      ++counts_.repairedCount;
      counts_.repaired.push_back({doc.label, section, path, *found, merge});
    }
  }

  const RepairRequest& request_;
  LongOperation& progress_;
  int done_ = 0;
  FileNameIndex index_;
  RepairCounts counts_;
  std::vector<WorkDocument> docs_;
  std::unordered_map<std::string, bool> folderExists_;
};

auto AllSections() {
  return [](std::string_view) { return true; };
}

// A document read from its file for the run; kept open until the commit.
struct OpenedDocuments {
  std::vector<std::unique_ptr<TMemIniFile>> docs;
};

// Adds the document of `path` (opened from its file) to `run`.
void AddFileDocument(RepairRun& run, OpenedDocuments& opened, FileStore& store,
                     const std::string& path, PathPlace place,
                     std::function<bool(std::string_view)> inScope, size_t minNameLength = 1) {
  if (!FileExists(path)) return;
  auto doc = TMemIniFile::Open(path, store);
  if (!doc.ok()) {
    run.counts().saveErrors.push_back(doc.status().message());
    return;
  }
  TMemIniFile* file = doc.value().get();
  opened.docs.push_back(std::move(doc).value());
  WorkDocument work;
  work.label = path;
  work.place = place;
  work.lines = LinesOf(*file);
  work.inScope = std::move(inScope);
  work.minNameLength = minNameLength;
  work.commit = [file](std::vector<std::string> lines) {
    file->ReplaceAll(std::move(lines));
    return file->Save();
  };
  run.Add(std::move(work));
}

// Adds the shown year's documents, held by `store`, to `run`.
void AddShownYear(RepairRun& run, AlbumStore& store,
                  std::function<bool(std::string_view)> yearScope,
                  std::function<bool(std::string_view)> subScope) {
  const std::string base = store.folders().photoDir + store.loadedYear();
  WorkDocument year;
  year.label = base + ".ini";
  year.lines = LinesOf(store.yearDocument());
  year.inScope = std::move(yearScope);
  year.commit = [&store](std::vector<std::string> lines) {
    store.ChangeYearDocument([&](TMemIniFile& doc) { doc.ReplaceAll(std::move(lines)); });
    return Status::Ok();
  };
  run.Add(std::move(year));
  WorkDocument sub;
  sub.label = base + "S.ini";
  sub.lines = LinesOf(store.subAlbumDocument());
  sub.inScope = std::move(subScope);
  sub.commit = [&store](std::vector<std::string> lines) {
    store.ChangeSubAlbumDocument([&](TMemIniFile& doc) { doc.ReplaceAll(std::move(lines)); });
    return Status::Ok();
  };
  run.Add(std::move(sub));
}

// Saves what the run changed in the shown year and shows it in the open list.
void SaveShownYear(AlbumStore& store, RepairCounts& counts) {
  if (!store.modified()) return;
  if (store.PageOpen()) store.ReloadLines();
  store.MarkModified();
  if (Status s = store.SaveCurrent(false); !s.ok()) counts.saveErrors.push_back(s.message());
  if (Status s = store.SaveYearDocument(); !s.ok()) counts.saveErrors.push_back(s.message());
}

void AddFreeLayoutFolder(RepairRun& run, OpenedDocuments& opened, FileStore& store,
                         const std::string& folder) {
  std::vector<std::string> names;
  if (DIR* dir = ::opendir(folder.c_str())) {
    while (const dirent* entry = ::readdir(dir)) {
      const std::string name = entry->d_name;
      if (name.size() > 4 && EqualsNoCase(std::string_view(name).substr(name.size() - 4), ".ini")) {
        names.push_back(name);
      }
    }
    ::closedir(dir);
  }
  std::sort(names.begin(), names.end());
  for (const auto& name : names) {
    AddFileDocument(run, opened, store, WithTrailingSlash(folder) + name, PathPlace::kValue,
                    AllSections());
  }
}

Status SavePendingEdits(AlbumStore& store) {
  return store.modified() ? store.SaveCurrent(false) : Status::Ok();
}

}  // namespace

std::string RepairMessage(const RepairCounts& counts) {
  if (counts.missingCount == 0) return "不明ファイルは有りませんでした。";
  return "不明ファイル数 > " + std::to_string(counts.missingCount) + "個\n\n" +
         std::to_string(counts.repairedCount) + "個の不明ファイルを修正しました。";
}

bool IsFullPathValue(std::string_view value) {
  if (value.empty()) return false;
  if (value[0] == '/' || value.starts_with("\\\\")) return true;
  return value.size() >= 3 && value.substr(1, 2) == ":\\";
}

Result<RepairCounts> RepairAlbum(AlbumStore& store, const RepairRequest& request,
                                 LongOperation& progress) {
  if (!request.dryRun) {
    if (Status s = SavePendingEdits(store); !s.ok()) return s;
  }
  RepairRun run(request, progress);
  OpenedDocuments opened;
  const std::string& photoDir = store.folders().photoDir;
  std::vector<std::string> years;
  for (const auto& file : YearIndex::ListYearFiles(photoDir)) years.push_back(file.substr(0, 4));
  if (store.HasYear() && std::find(years.begin(), years.end(), store.loadedYear()) == years.end()) {
    years.push_back(store.loadedYear());
    std::sort(years.begin(), years.end());
  }
  for (const auto& year : years) {
    if (store.HasYear() && year == store.loadedYear()) {
      AddShownYear(run, store, AllSections(), AllSections());
      continue;
    }
    AddFileDocument(run, opened, store.fileStore(), photoDir + year + ".ini",
                    PathPlace::kEntryName, AllSections());
    AddFileDocument(run, opened, store.fileStore(), photoDir + year + "S.ini",
                    PathPlace::kEntryName, AllSections());
  }
  AddFreeLayoutFolder(run, opened, store.fileStore(), store.folders().albumDir);
  RepairCounts counts = run.Run();
  if (!request.dryRun && store.HasYear()) SaveShownYear(store, counts);
  return counts;
}

Result<RepairCounts> RepairPage(AlbumStore& store, std::string_view page,
                                const RepairRequest& request, LongOperation& progress) {
  if (!request.dryRun) {
    if (Status s = SavePendingEdits(store); !s.ok()) return s;
  }
  RepairRun run(request, progress);
  OpenedDocuments opened;
  const std::string pageKey(page.substr(0, 5));
  auto isPage = [pageKey](std::string_view section) { return EqualsNoCase(section, pageKey); };
  // Item lines only: tab title lines have two-character names.
  AddFileDocument(run, opened, store.fileStore(),
                  store.folders().albumDir + store.loadedYear() + ".ini", PathPlace::kValue,
                  isPage, 3);
  std::unordered_set<std::string> subAlbums;
  if (const auto* lines = store.yearDocument().FindSection(pageKey)) {
    for (const auto& line : *lines) {
      const std::string_view name = EntryNameOf(line);
      if (IsSubAlbumEntry(name)) subAlbums.insert(FoldAscii(name.substr(1)));
    }
  }
  AddShownYear(run, store, isPage, [subAlbums](std::string_view section) {
    return subAlbums.contains(FoldAscii(section));
  });
  RepairCounts counts = run.Run();
  if (!request.dryRun) SaveShownYear(store, counts);
  return counts;
}

RepairCounts RepairFreeLayouts(const RepairRequest& request, const std::string& freeLayoutFolder,
                               LongOperation& progress) {
  RepairRun run(request, progress);
  OpenedDocuments opened;
  AddFreeLayoutFolder(run, opened, RealFileStore(), freeLayoutFolder);
  return run.Run();
}

Status ChangeEntryPath(AlbumStore& store, size_t index, const std::string& newPath) {
  std::vector<std::string>& lines = store.MutableLines();
  if (index >= lines.size()) return Status::Error(std::string(kNoSuchFileMessage));
  const std::string oldName(EntryNameOf(lines[index]));
  if (newPath == oldName) return Status::Ok();
  if (!FileExists(newPath)) return Status::Error(std::string(kNoSuchFileMessage));
  const std::string comment(EntryCommentOf(lines[index]));
  for (size_t i = 0; i < lines.size(); ++i) {
    if (i == index || !EqualsNoCase(EntryNameOf(lines[i]), newPath)) continue;
    if (EntryCommentOf(lines[i]).empty() && !comment.empty()) {
      lines[i] = std::string(EntryNameOf(lines[i])) + "=" + comment;
    }
    lines.erase(lines.begin() + static_cast<long>(index));
    store.MarkModified();
    return Status::Ok();
  }
  lines[index] = newPath + "=" + comment;
  store.MarkModified();
  return Status::Ok();
}

}  // namespace lumidex
