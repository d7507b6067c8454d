#include "album/album_search.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <memory>
#include <optional>
#include <utility>

#include "album/album_path.h"
#include "album/album_text.h"
#include "album/cp932_needles.h"
#include "album/kana_folding.h"
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

// A section header as the loader reads it: "[" + name + "]".
std::optional<std::string> HeaderName(std::string_view line) {
  if (line.size() < 2 || line.front() != '[' || line.back() != ']') return std::nullopt;
  return std::string(line.substr(1, line.size() - 2));
}

// Searches the documents of one year, line by line as the loader splits
// them: every entry line of every section whose page is not locked, each
// line once, in file order. `subAlbumFile` is the year's sub-album
// document, which sub-album entries of pages look into.
class YearSearch {
 public:
  YearSearch(const SearchRequest& request, const std::vector<std::string>& variants, const Cp932Needles* needles,
             std::string_view year, std::string subAlbumFile, FileStore& store, const PageLockTest& locked,
             LongOperation& progress, int done, SearchOutcome& outcome)
      : request_(request), variants_(variants), needles_(needles), year_(year),
        subAlbumFile_(std::move(subAlbumFile)), store_(store), locked_(locked), progress_(progress), done_(done),
        outcome_(outcome) {}

  // Searches the document `file` (a missing one as empty; the message of
  // one that cannot be read goes to the problems, with no hits from it).
  // cp932 documents are read piece by piece into `buffer`, so that the
  // search needs little memory whatever the album's size. False when the
  // user stopped.
  bool Document(const std::string& file, std::string& buffer) {
    section_.clear();
    searched_ = false;
    if (needles_ == nullptr) return WholeDocument(file);
    const size_t before = outcome_.hits.size();
    AlbumTextCheck check(AlbumTextKind::kIniDocument);
    bool first = true;
    bool utf8 = false;
    bool stopped = false;
    const Status read = store_.ReadPieces(file, buffer, [&](std::string_view piece) {
      // A document in UTF-8 is searched in its decoded text.
      utf8 = first && piece.starts_with(kUtf8Bom);
      first = false;
      if (utf8) return false;
      check.Add(piece);
      stopped = !RawDocument(piece);
      return !stopped;
    });
    if (utf8) return WholeDocument(file);
    Status status = read.ok() && !stopped ? check.Result(file) : read;
    if (!status.ok()) {
      // Hits of a document that turns out unreadable are not shown.
      outcome_.hits.resize(before);
      if (!status.isNotFound()) outcome_.problems.push_back(status.message());
    }
    return !stopped;
  }

 private:
  // The whole document, read at once and searched in its decoded text.
  bool WholeDocument(const std::string& file) {
    Result<std::string> bytes = ReadAlbumFile(store_, file, AlbumTextKind::kIniDocument);
    if (!bytes.ok()) {
      if (!bytes.status().isNotFound()) outcome_.problems.push_back(bytes.status().message());
      return true;
    }
    for (const std::string& line : SplitLines(DecodeAlbumFile(bytes.value()))) {
      if (line.empty() || line[0] == ';') continue;
      if (std::optional<std::string> name = HeaderName(line)) {
        if (!EnterSection(std::move(*name))) return false;
      } else if (searched_) {
        Entry(line);
      }
    }
    return true;
  }

  // A piece of cp932 lines: only the lines that hold a needle are decoded
  // and looked at. A line's section is the last header (a "[" at a line
  // start: a trail byte is never the first byte of a line) before it, found
  // by looking back from the line to the previous such line; at the end the
  // piece's last header is entered, so that the next piece starts in the
  // right section. Headers between are passed: no line of theirs holds a
  // needle.
  bool RawDocument(std::string_view bytes) {
    size_t scanned = 0;  // headers before this offset are taken
    bool stopped = false;
    needles_->ForEachLine(bytes, [&](size_t begin, size_t end) {
      if (stopped) return;
      std::optional<size_t> header;
      stopped = !EnterLastHeader(bytes, scanned, begin + 1, header);
      scanned = begin + 1;
      if (stopped || header == begin || !searched_ || bytes[begin] == ';') return;
      Entry(DecodeCp932(bytes.substr(begin, end - begin)));
    });
    std::optional<size_t> header;
    return !stopped && EnterLastHeader(bytes, scanned, bytes.size(), header);
  }

  // Enters the section of the last header that starts in [from, limit) of
  // `bytes`, if there is one; `header` is its start. False when the user
  // stopped.
  bool EnterLastHeader(std::string_view bytes, size_t from, size_t limit, std::optional<size_t>& header) {
    size_t end = limit;  // looked for in [from, end)
    while (end > from) {
      const void* found = memrchr(bytes.data() + from, '[', end - from);
      if (found == nullptr) break;
      const size_t at = static_cast<size_t>(static_cast<const char*>(found) - bytes.data());
      end = at;
      if (at > 0 && bytes[at - 1] != '\n' && bytes[at - 1] != '\r') continue;
      const size_t lineEnd = FindLineBreak(bytes, at);
      if (std::optional<std::string> name = HeaderName(DecodeCp932(bytes.substr(at, lineEnd - at)))) {
        header = at;
        return EnterSection(std::move(*name));
      }
    }
    return true;
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
    // The line lower-cased once (when that can matter); each part is then
    // looked at in place.
    std::string_view looked = line;
    if (loweringMatters_) {
      lowered_.assign(line);
      LowerLatinInPlace(lowered_);
      looked = lowered_;
    }
    const auto lower = [&](std::string_view part) {
      if (part.empty()) return std::string_view();  // may point anywhere
      return looked.substr(static_cast<size_t>(part.data() - line.data()), part.size());
    };
    // Only a hit becomes a record; most lines are looked at and left.
    const std::optional<SearchHit::Kind> kind = IsSubAlbumEntry(name) ? SubAlbumKind(name, comment, lower)
                                                                       : FileKind(name, comment, lower);
    if (!kind) return;
    const std::string_view section = section_;
    SearchHit hit;
    hit.kind = *kind;
    hit.date = std::string(year_) + "/" + std::string(section.substr(0, kPageLength));
    hit.subAlbum = std::string(section.size() > kPageLength ? section.substr(kPageLength) : std::string_view());
    hit.entry = std::string(name);
    hit.comment = std::string(comment);
    if (IsSubAlbumEntry(name)) FillSubAlbum(hit);
    outcome_.hits.push_back(std::move(hit));
  }

  // `lower` gives a part of the line in its lower-cased form.
  template <typename Lower>
  std::optional<SearchHit::Kind> FileKind(std::string_view path, std::string_view comment, Lower lower) const {
    const SearchTargets& on = request_.targets;
    if ((on.fileNames && ContainsVariant(lower(FileNameOf(path)), variants_)) ||
        (on.folders && ContainsVariant(lower(FolderPartOf(path)), variants_))) {
      return SearchHit::Kind::kFile;
    }
    if (on.comments && ContainsVariant(lower(comment), variants_)) return SearchHit::Kind::kComment;
    return std::nullopt;
  }

  template <typename Lower>
  std::optional<SearchHit::Kind> SubAlbumKind(std::string_view name, std::string_view comment, Lower lower) const {
    const SearchTargets& on = request_.targets;
    if (on.subAlbums && ContainsVariant(lower(SubAlbumNameOf(name.substr(1))), variants_)) {
      return SearchHit::Kind::kSubAlbum;
    }
    if (on.comments && ContainsVariant(lower(comment), variants_)) return SearchHit::Kind::kComment;
    return std::nullopt;
  }

  // A sub-album entry's hit names the sub-album and shows its first file.
  void FillSubAlbum(SearchHit& hit) {
    const std::string_view section = std::string_view(hit.entry).substr(1);
    hit.subAlbum = std::string(SubAlbumNameOf(section));
    const std::vector<std::string>* entries = SubAlbums().FindSection(section);
    hit.entryCount = entries != nullptr ? static_cast<int>(entries->size()) : 0;
    if (hit.entryCount > 0) hit.firstPath = std::string(EntryNameOf(entries->front()));
  }

  // The sub-album document, read on the first sub-album hit of the year
  // (empty when it cannot be read: the search of the document itself
  // reports that).
  const TMemIniFile& SubAlbums() {
    if (!subAlbums_) {
      subAlbums_ = std::make_unique<TMemIniFile>(std::string());
      Result<std::string> bytes = ReadAlbumFile(store_, subAlbumFile_, AlbumTextKind::kIniDocument);
      if (bytes.ok()) subAlbums_->ReplaceAll(SplitLines(DecodeAlbumFile(bytes.value())));
    }
    return *subAlbums_;
  }

  const SearchRequest& request_;
  const std::vector<std::string>& variants_;
  const Cp932Needles* const needles_;  // nullptr: only the decoded text can be searched
  const std::string_view year_;
  const std::string subAlbumFile_;
  FileStore& store_;
  const PageLockTest& locked_;
  LongOperation& progress_;
  const int done_;
  SearchOutcome& outcome_;
  std::unique_ptr<TMemIniFile> subAlbums_;
  std::string section_;
  const bool loweringMatters_ = LoweringMatters(variants_);
  std::string lowered_;  // the entry line looked at, lower-cased
  bool searched_ = false;  // lines of the current section are entries to test
};

// The first 16 bytes of `text` as a number that orders as the bytes do.
std::pair<uint64_t, uint64_t> LeadingBytesKey(std::string_view text) {
  uint64_t high = 0;
  uint64_t low = 0;
  for (size_t i = 0; i < 16; ++i) {
    const uint64_t byte = i < text.size() ? static_cast<unsigned char>(text[i]) : 0;
    (i < 8 ? high : low) = ((i < 8 ? high : low) << 8) | byte;
  }
  return {high, low};
}

// Orders `hits` by location text, byte by byte; hits of equal location keep
// their order. Every location starts with the page's date, so hits are
// ordered by their dates' leading bytes as numbers first, and only hits of
// one such key have their locations built and compared. The hits are then
// put in order in place: a search may find hundreds of thousands, and a
// second array of them would cost more than the search.
void SortByLocation(std::vector<SearchHit>& hits) {
  struct Keyed {
    std::pair<uint64_t, uint64_t> key;
    uint32_t index;
    bool operator<(const Keyed& other) const {
      return key != other.key ? key < other.key : index < other.index;
    }
  };
  std::vector<Keyed> keyed(hits.size());
  for (uint32_t i = 0; i < keyed.size(); ++i) keyed[i] = {LeadingBytesKey(hits[i].date), i};
  if (!std::is_sorted(keyed.begin(), keyed.end())) std::sort(keyed.begin(), keyed.end());
  std::vector<uint32_t> order(hits.size());
  for (size_t from = 0; from < keyed.size();) {
    size_t to = from + 1;
    while (to < keyed.size() && keyed[to].key == keyed[from].key) ++to;
    if (to - from == 1) {
      order[from] = keyed[from].index;
    } else {
      std::vector<std::pair<std::string, uint32_t>> day;
      for (size_t i = from; i < to; ++i) day.emplace_back(hits[keyed[i].index].Location(), keyed[i].index);
      std::stable_sort(day.begin(), day.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
      for (size_t i = from; i < to; ++i) order[i] = day[i - from].second;
    }
    from = to;
  }
  // order[i] names the hit that belongs at i: follow each cycle once.
  for (size_t start = 0; start < order.size(); ++start) {
    size_t at = start;
    while (order[at] != start) {
      const size_t next = order[at];
      std::swap(hits[at], hits[next]);
      order[at] = static_cast<uint32_t>(at);
      at = next;
    }
    order[at] = static_cast<uint32_t>(at);
  }
}

}  // namespace

std::string SearchHit::Location() const {
  std::string text;
  if (kind == Kind::kFile || !IsSubAlbumEntry(entry)) {
    text = entry;
  } else {
    text = subAlbum;
    if (kind == Kind::kSubAlbum) text += " (" + WithThousandsSeparators(entryCount) + "枚)";
    if (!firstPath.empty()) text += "@\\@" + firstPath;
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
  std::string buffer;  // the pieces of every document, one after another
  for (const std::string& year : years) {
    const size_t before = outcome.hits.size();
    const std::string subAlbumFile = folder + year + "S.ini";
    YearSearch search(request, variants, needles ? &*needles : nullptr, year, subAlbumFile, store, locked,
                      progress, done, outcome);
    outcome.aborted = !search.Document(folder + year + ".ini", buffer) || !search.Document(subAlbumFile, buffer);
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
  SortByLocation(outcome.hits);
  return outcome;
}

std::string SearchResultMessage(std::string_view text, size_t hits) {
  const std::string quoted = "'" + std::string(text) + "' ";
  if (hits == 0) return quoted + "は、見つかりませんでした。";
  return quoted + "の検索で " + std::to_string(hits) + "個、見つかりました。リストを選択するとその場所へジャンプします。";
}

}  // namespace lumidex
