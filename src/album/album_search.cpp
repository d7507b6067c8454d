#include "album/album_search.h"

#include <algorithm>
#include <memory>
#include <utility>

#include "album/album_path.h"
#include "album/album_text.h"
#include "foundation/file_paths.h"
#include "foundation/mem_ini_file.h"
#include "foundation/message_format.h"

namespace lumidex {
namespace {

// Page sections are "mm/dd"; sub-album sections "mm/dd" + name.
constexpr size_t kPageLength = 5;

std::unique_ptr<TMemIniFile> OpenOrEmpty(const std::string& file, FileStore& store, SearchOutcome& outcome) {
  Result<std::unique_ptr<TMemIniFile>> doc = TMemIniFile::Open(file, store);
  if (doc.ok()) return std::move(doc).value();
  outcome.problems.push_back(doc.status().message());
  return std::make_unique<TMemIniFile>(file, store);
}

// Searches the sections of one document of `year`; `subAlbums` is the
// year's sub-album document, which sub-album entries of pages look into.
// False when the user stopped.
class DocumentSearch {
 public:
  DocumentSearch(const SearchRequest& request, std::string_view year, const TMemIniFile& subAlbums,
                 SearchOutcome& outcome)
      : request_(request), variants_(NeedleVariants(request.text, request.options)), year_(year),
        subAlbums_(subAlbums), outcome_(outcome) {}

  void Section(std::string_view section, const std::vector<std::string>& lines) {
    const std::string date = std::string(year_) + "/" + std::string(section.substr(0, kPageLength));
    const std::string subAlbum(section.size() > kPageLength ? section.substr(kPageLength) : std::string_view());
    for (const std::string& line : lines) {
      const std::string_view name = EntryNameOf(line);
      if (name.empty()) continue;
      SearchHit hit;
      hit.date = date;
      hit.subAlbum = subAlbum;
      hit.entry = std::string(name);
      hit.comment = std::string(EntryCommentOf(line));
      if (IsSubAlbumEntry(name)) {
        if (!SubAlbumHit(hit)) continue;
      } else if (!FileHit(hit)) {
        continue;
      }
      outcome_.hits.push_back(std::move(hit));
    }
  }

 private:
  bool FileHit(SearchHit& hit) const {
    const SearchTargets& on = request_.targets;
    hit.path = hit.entry;
    if ((on.fileNames && Matches(FileNameOf(hit.entry), variants_)) ||
        (on.folders && Matches(FolderPartOf(hit.entry), variants_))) {
      hit.kind = SearchHit::Kind::kFile;
      return true;
    }
    hit.kind = SearchHit::Kind::kComment;
    return on.comments && Matches(hit.comment, variants_);
  }

  bool SubAlbumHit(SearchHit& hit) const {
    const SearchTargets& on = request_.targets;
    const std::string_view section = std::string_view(hit.entry).substr(1);
    const std::string name(SubAlbumNameOf(section));
    if (on.subAlbums && Matches(name, variants_)) {
      hit.kind = SearchHit::Kind::kSubAlbum;
    } else if (on.comments && Matches(hit.comment, variants_)) {
      hit.kind = SearchHit::Kind::kComment;
    } else {
      return false;
    }
    hit.subAlbum = name;
    const std::vector<std::string> entries = subAlbums_.SectionLines(section);
    hit.entryCount = static_cast<int>(entries.size());
    if (!entries.empty()) hit.path = std::string(EntryNameOf(entries.front()));
    return true;
  }

  const SearchRequest& request_;
  const std::vector<std::string> variants_;
  const std::string_view year_;
  const TMemIniFile& subAlbums_;
  SearchOutcome& outcome_;
};

}  // namespace

std::string SearchHit::Location() const {
  std::string text;
  if (kind == Kind::kFile || !IsSubAlbumEntry(entry)) {
    text = entry;
  } else {
    text = subAlbum;
    if (kind == Kind::kSubAlbum) text += " (" + WithThousandsSeparators(entryCount) + "枚)";
    if (!path.empty()) text += "@\\@" + path;
  }
  // A found sub-album stands on its page; an entry of a sub-album inside it.
  const bool insideSubAlbum = !subAlbum.empty() && !IsSubAlbumEntry(entry);
  return insideSubAlbum ? date + " " + subAlbum + " >> " + text : date + " > " + text;
}

SearchOutcome SearchAlbum(const std::string& photoDir, const std::vector<std::string>& years,
                          const PageLockTest& locked, const SearchRequest& request, LongOperation& progress,
                          FileStore& store) {
  SearchOutcome outcome;
  if (request.text.empty() || !request.targets.any()) return outcome;
  const std::string folder = WithTrailingSlash(photoDir);
  progress.Begin(static_cast<int>(years.size()));
  int done = 0;
  for (const std::string& year : years) {
    const std::unique_ptr<TMemIniFile> pages = OpenOrEmpty(folder + year + ".ini", store, outcome);
    const std::unique_ptr<TMemIniFile> subAlbums = OpenOrEmpty(folder + year + "S.ini", store, outcome);
    DocumentSearch search(request, year, *subAlbums, outcome);
    for (const TMemIniFile* doc : {pages.get(), subAlbums.get()}) {
      for (const std::string& section : doc->SectionNames()) {
        if (section.size() < kPageLength || (locked && locked(year, section.substr(0, kPageLength)))) continue;
        search.Section(section, doc->SectionLines(section));
        if (progress.Step(done, year + "/" + section.substr(0, kPageLength))) {
          outcome.aborted = true;
          break;
        }
      }
      if (outcome.aborted) break;
    }
    if (outcome.aborted) break;
    ++done;
  }
  progress.End();
  // The result list's order: by location text, byte by byte.
  std::vector<std::pair<std::string, SearchHit>> keyed;
  keyed.reserve(outcome.hits.size());
  for (SearchHit& hit : outcome.hits) keyed.emplace_back(hit.Location(), std::move(hit));
  std::stable_sort(keyed.begin(), keyed.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
  outcome.hits.clear();
  for (auto& [location, hit] : keyed) outcome.hits.push_back(std::move(hit));
  return outcome;
}

std::string SearchResultMessage(std::string_view text, size_t hits) {
  const std::string quoted = "'" + std::string(text) + "' ";
  if (hits == 0) return quoted + "は、見つかりませんでした。";
  return quoted + "の検索で " + std::to_string(hits) + "個、見つかりました。リストを選択するとその場所へジャンプします。";
}

}  // namespace lumidex
