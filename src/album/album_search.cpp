#include "album/album_search.h"

#include <algorithm>
#include <memory>
#include <optional>
#include <utility>

#include "album/album_path.h"
#include "album/album_text.h"
#include "foundation/file_paths.h"
#include "foundation/album_text_check.h"
#include "foundation/ini_line.h"
#include "foundation/mem_ini_file.h"
#include "foundation/message_format.h"
#include "foundation/text_codec.h"

namespace lumidex {
namespace {

// Page sections are "mm/dd"; sub-album sections "mm/dd" + name.
constexpr size_t kPageLength = 5;

// The text of a year document; "" for a missing file or one that cannot
// be read (its message goes to the problems).
std::string DocumentText(const std::string& file, FileStore& store, SearchOutcome& outcome) {
  Result<std::string> bytes = ReadAlbumFile(store, file, AlbumTextKind::kIniDocument);
  if (bytes.ok()) return DecodeAlbumFile(bytes.value());
  if (!bytes.status().isNotFound()) outcome.problems.push_back(bytes.status().message());
  return {};
}

// Whether `text` can hold a hit: a name or comment that contains a variant
// makes the whole text contain it, so a text without any is passed over
// without being split into sections and lines.
bool MayHold(const std::string& text, const std::vector<std::string>& variants) {
  return !text.empty() && Matches(text, variants);
}

std::unique_ptr<TMemIniFile> DocumentOf(const std::string& file, const std::string& text, FileStore& store) {
  auto doc = std::make_unique<TMemIniFile>(file, store);
  if (!text.empty()) doc->ReplaceAll(SplitLines(text));
  return doc;
}

// Searches the sections of one document of `year`; `subAlbums` is the
// year's sub-album document, which sub-album entries of pages look into.
// False when the user stopped.
class DocumentSearch {
 public:
  DocumentSearch(const SearchRequest& request, const std::vector<std::string>& variants, std::string_view year,
                 const TMemIniFile& subAlbums, SearchOutcome& outcome)
      : request_(request), variants_(variants), year_(year),
        subAlbums_(subAlbums), outcome_(outcome) {}

  void Section(std::string_view section, const std::vector<std::string>& lines) {
    const std::string_view subAlbum = section.size() > kPageLength ? section.substr(kPageLength) : std::string_view();
    for (const std::string& line : lines) {
      const std::string_view name = EntryNameOf(line);
      if (name.empty()) continue;
      const std::string_view comment = EntryCommentOf(line);
      // Only a hit becomes a record; most lines are looked at and left.
      const std::optional<SearchHit::Kind> kind = IsSubAlbumEntry(name) ? SubAlbumKind(name, comment)
                                                                         : FileKind(name, comment);
      if (!kind) continue;
      SearchHit hit;
      hit.kind = *kind;
      hit.date = std::string(year_) + "/" + std::string(section.substr(0, kPageLength));
      hit.subAlbum = std::string(subAlbum);
      hit.entry = std::string(name);
      hit.comment = std::string(comment);
      hit.path = hit.entry;
      if (IsSubAlbumEntry(name)) FillSubAlbum(hit);
      outcome_.hits.push_back(std::move(hit));
    }
  }

 private:
  std::optional<SearchHit::Kind> FileKind(std::string_view path, std::string_view comment) const {
    const SearchTargets& on = request_.targets;
    if ((on.fileNames && Matches(FileNameOf(path), variants_)) ||
        (on.folders && Matches(FolderPartOf(path), variants_))) {
      return SearchHit::Kind::kFile;
    }
    if (on.comments && Matches(comment, variants_)) return SearchHit::Kind::kComment;
    return std::nullopt;
  }

  std::optional<SearchHit::Kind> SubAlbumKind(std::string_view name, std::string_view comment) const {
    const SearchTargets& on = request_.targets;
    if (on.subAlbums && Matches(SubAlbumNameOf(name.substr(1)), variants_)) return SearchHit::Kind::kSubAlbum;
    if (on.comments && Matches(comment, variants_)) return SearchHit::Kind::kComment;
    return std::nullopt;
  }

  // A sub-album entry's hit names the sub-album and shows its first file.
  void FillSubAlbum(SearchHit& hit) const {
    const std::string_view section = std::string_view(hit.entry).substr(1);
    hit.subAlbum = std::string(SubAlbumNameOf(section));
    hit.path.clear();
    const std::vector<std::string>* entries = subAlbums_.FindSection(section);
    hit.entryCount = entries != nullptr ? static_cast<int>(entries->size()) : 0;
    if (hit.entryCount > 0) hit.path = std::string(EntryNameOf(entries->front()));
  }

  const SearchRequest& request_;
  const std::vector<std::string>& variants_;
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
  const std::vector<std::string> variants = NeedleVariants(request.text, request.options);
  for (const std::string& year : years) {
    const std::string pagesFile = folder + year + ".ini", subAlbumsFile = folder + year + "S.ini";
    const std::string pagesText = DocumentText(pagesFile, store, outcome);
    const std::string subAlbumsText = DocumentText(subAlbumsFile, store, outcome);
    const bool searchPages = MayHold(pagesText, variants);
    const bool searchSubAlbums = MayHold(subAlbumsText, variants);
    // A hit on a page's sub-album entry shows the sub-album's first file.
    const auto pages = DocumentOf(pagesFile, searchPages ? pagesText : std::string(), store);
    const auto subAlbums =
        DocumentOf(subAlbumsFile, searchPages || searchSubAlbums ? subAlbumsText : std::string(), store);
    DocumentSearch search(request, variants, year, *subAlbums, outcome);
    for (const TMemIniFile* doc : {pages.get(), searchSubAlbums ? subAlbums.get() : nullptr}) {
      if (doc == nullptr) continue;
      for (const std::string& section : doc->SectionNames()) {
        if (section.size() < kPageLength || (locked && locked(year, section.substr(0, kPageLength)))) continue;
        if (const std::vector<std::string>* lines = doc->FindSection(section)) search.Section(section, *lines);
        if (progress.Step(done, year + "/" + section.substr(0, kPageLength))) {
          outcome.aborted = true;
          break;
        }
      }
      if (outcome.aborted) break;
    }
    if (outcome.aborted || progress.Step(done, year)) {
      outcome.aborted = true;
      break;
    }
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
