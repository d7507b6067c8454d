#include "album/album_search.h"

#include <algorithm>
#include <cstring>
#include <memory>
#include <optional>
#include <utility>

#include "album/album_path.h"
#include "album/album_text.h"
#include "album/cp932_needles.h"
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

// The bytes of a year document; "" for a missing file or one that cannot
// be read (its message goes to the problems).
std::string DocumentBytes(const std::string& file, FileStore& store, SearchOutcome& outcome) {
  Result<std::string> bytes = ReadAlbumFile(store, file, AlbumTextKind::kIniDocument);
  if (bytes.ok()) return std::move(bytes).value();
  if (!bytes.status().isNotFound()) outcome.problems.push_back(bytes.status().message());
  return {};
}

// A section header as the loader reads it: "[" + name + "]".
std::optional<std::string> HeaderName(std::string_view line) {
  if (line.size() < 2 || line.front() != '[' || line.back() != ']') return std::nullopt;
  return std::string(line.substr(1, line.size() - 2));
}

// Searches the documents of one year, line by line as the loader splits
// them: every entry line of every section whose page is not locked, each
// line once, in file order. `subAlbumBytes` is the year's sub-album
// document, which sub-album entries of pages look into.
class YearSearch {
 public:
  YearSearch(const SearchRequest& request, const std::vector<std::string>& variants, const Cp932Needles* needles,
             std::string_view year, std::string_view subAlbumBytes, const PageLockTest& locked,
             LongOperation& progress, int done, SearchOutcome& outcome)
      : request_(request), variants_(variants), needles_(needles), year_(year), subAlbumBytes_(subAlbumBytes),
        locked_(locked), progress_(progress), done_(done), outcome_(outcome) {}

  // Searches one document; false when the user stopped.
  bool Document(std::string_view bytes) {
    section_.clear();
    searched_ = false;
    if (bytes.empty()) return true;
    // A document in UTF-8 is searched in its decoded text. (ReadAlbumFile
    // refuses documents holding NUL, which the loader would drop, joining
    // the bytes around it.)
    if (needles_ != nullptr && !bytes.starts_with(kUtf8Bom)) {
      return RawDocument(bytes);
    }
    return DecodedDocument(DecodeAlbumFile(bytes));
  }

 private:
  // Every line of the decoded text.
  bool DecodedDocument(const std::string& text) {
    for (const std::string& line : SplitLines(text)) {
      if (line.empty() || line[0] == ';') continue;
      if (std::optional<std::string> name = HeaderName(line)) {
        if (!EnterSection(std::move(*name))) return false;
      } else if (searched_) {
        Entry(line);
      }
    }
    return true;
  }

  // Only the lines that hold a needle are decoded and looked at; headers
  // are found by their "[" at a line start (a trail byte is never the first
  // byte of a line).
  bool RawDocument(std::string_view bytes) {
    size_t scanned = 0;  // headers before this offset are taken
    bool stopped = false;
    needles_->ForEachLine(bytes, [&](size_t begin, size_t end) {
      if (stopped) return;
      bool lineIsHeader = false;
      while (scanned <= begin) {
        const void* found = std::memchr(bytes.data() + scanned, '[', begin + 1 - scanned);
        if (found == nullptr) break;
        const size_t at = static_cast<size_t>(static_cast<const char*>(found) - bytes.data());
        scanned = at + 1;
        if (at > 0 && bytes[at - 1] != '\n' && bytes[at - 1] != '\r') continue;
        const size_t lineEnd = std::min(bytes.find_first_of("\r\n", at), bytes.size());
        if (std::optional<std::string> name = HeaderName(DecodeCp932(bytes.substr(at, lineEnd - at)))) {
          if (!EnterSection(std::move(*name))) {
            stopped = true;
            return;
          }
          lineIsHeader = at == begin;
        }
        scanned = std::max(scanned, lineEnd);
      }
      scanned = std::max(scanned, begin + 1);
      if (lineIsHeader || !searched_ || bytes[begin] == ';') return;
      Entry(DecodeCp932(bytes.substr(begin, end - begin)));
    });
    return !stopped;
  }

  // Starts the section `name`: searched unless it is no page's section or
  // its page is locked in this year. False when the user stopped.
  bool EnterSection(std::string name) {
    section_ = std::move(name);
    searched_ = section_.size() >= kPageLength && !(locked_ && locked_(year_, section_.substr(0, kPageLength)));
    return !searched_ || !progress_.Step(done_, std::string(year_) + "/" + section_.substr(0, kPageLength));
  }

  void Entry(std::string_view line) {
    const std::string_view name = EntryNameOf(line);
    if (name.empty()) return;
    const std::string_view comment = EntryCommentOf(line);
    // Only a hit becomes a record; most lines are looked at and left.
    const std::optional<SearchHit::Kind> kind = IsSubAlbumEntry(name) ? SubAlbumKind(name, comment)
                                                                       : FileKind(name, comment);
    if (!kind) return;
    const std::string_view section = section_;
    SearchHit hit;
    hit.kind = *kind;
    hit.date = std::string(year_) + "/" + std::string(section.substr(0, kPageLength));
    hit.subAlbum = std::string(section.size() > kPageLength ? section.substr(kPageLength) : std::string_view());
    hit.entry = std::string(name);
    hit.comment = std::string(comment);
    hit.path = hit.entry;
    if (IsSubAlbumEntry(name)) FillSubAlbum(hit);
    outcome_.hits.push_back(std::move(hit));
  }

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
  void FillSubAlbum(SearchHit& hit) {
    const std::string_view section = std::string_view(hit.entry).substr(1);
    hit.subAlbum = std::string(SubAlbumNameOf(section));
    hit.path.clear();
    const std::vector<std::string>* entries = SubAlbums().FindSection(section);
    hit.entryCount = entries != nullptr ? static_cast<int>(entries->size()) : 0;
    if (hit.entryCount > 0) hit.path = std::string(EntryNameOf(entries->front()));
  }

  // The sub-album document, read on the first sub-album hit of the year.
  const TMemIniFile& SubAlbums() {
    if (!subAlbums_) {
      subAlbums_ = std::make_unique<TMemIniFile>(std::string());
      if (!subAlbumBytes_.empty()) subAlbums_->ReplaceAll(SplitLines(DecodeAlbumFile(subAlbumBytes_)));
    }
    return *subAlbums_;
  }

  const SearchRequest& request_;
  const std::vector<std::string>& variants_;
  const Cp932Needles* const needles_;  // nullptr: only the decoded text can be searched
  const std::string_view year_;
  const std::string_view subAlbumBytes_;
  const PageLockTest& locked_;
  LongOperation& progress_;
  const int done_;
  SearchOutcome& outcome_;
  std::unique_ptr<TMemIniFile> subAlbums_;
  std::string section_;
  bool searched_ = false;  // lines of the current section are entries to test
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
                          FileStore& store, const HitsFound& found) {
  SearchOutcome outcome;
  if (request.text.empty() || !request.targets.any()) return outcome;
  const std::string folder = WithTrailingSlash(photoDir);
  progress.Begin(static_cast<int>(years.size()));
  int done = 0;
  const std::vector<std::string> variants = NeedleVariants(request.text, request.options);
  const std::optional<Cp932Needles> needles = Cp932Needles::Encode(variants);
  for (const std::string& year : years) {
    const size_t before = outcome.hits.size();
    const std::string pagesBytes = DocumentBytes(folder + year + ".ini", store, outcome);
    const std::string subAlbumsBytes = DocumentBytes(folder + year + "S.ini", store, outcome);
    YearSearch search(request, variants, needles ? &*needles : nullptr, year, subAlbumsBytes, locked, progress,
                      done, outcome);
    outcome.aborted = !search.Document(pagesBytes) || !search.Document(subAlbumsBytes);
    if (found && outcome.hits.size() > before) {
      found(std::span<const SearchHit>(outcome.hits).subspan(before));
    }
    if (outcome.aborted || progress.Step(done, year)) {
      outcome.aborted = true;
      break;
    }
    ++done;
  }
  progress.End();
  // The result list's order: by location text, byte by byte; hits of equal
  // location keep the order of the walk.
  std::vector<std::string> locations;
  locations.reserve(outcome.hits.size());
  for (const SearchHit& hit : outcome.hits) locations.push_back(hit.Location());
  std::vector<size_t> order(outcome.hits.size());
  for (size_t i = 0; i < order.size(); ++i) order[i] = i;
  std::stable_sort(order.begin(), order.end(), [&](size_t a, size_t b) { return locations[a] < locations[b]; });
  std::vector<SearchHit> sorted;
  sorted.reserve(order.size());
  for (const size_t i : order) sorted.push_back(std::move(outcome.hits[i]));
  outcome.hits = std::move(sorted);
  return outcome;
}

std::string SearchResultMessage(std::string_view text, size_t hits) {
  const std::string quoted = "'" + std::string(text) + "' ";
  if (hits == 0) return quoted + "は、見つかりませんでした。";
  return quoted + "の検索で " + std::to_string(hits) + "個、見つかりました。リストを選択するとその場所へジャンプします。";
}

}  // namespace lumidex
