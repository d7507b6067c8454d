#include "album/document_summaries.h"

#include <sys/stat.h>

#include <charconv>
#include <chrono>
#include <cstdio>

#include "foundation/album_text_check.h"
#include "foundation/text_codec.h"

namespace lumidex {
namespace {

constexpr std::string_view kVersionLine = "lumidex document summaries 1";

// The names of the sections that hold at least one line, in file order, of
// the bytes of an album file (cp932, or UTF-8 after a byte-order mark).
// Comment lines (";") and empty lines are not lines, as on load. Only
// header lines are decoded: in cp932 a line never starts with a trail byte,
// so the first byte of every line can be tested as it is.
std::vector<std::string> SectionsWithLines(std::string_view bytes) {
  const bool utf8 = bytes.starts_with(kUtf8Bom);
  if (utf8) bytes.remove_prefix(kUtf8Bom.size());
  std::vector<std::string> names;
  std::string current;
  bool inSection = false, counted = false;
  size_t pos = 0;
  while (pos < bytes.size()) {
    const size_t end = FindLineBreak(bytes, pos);
    std::string_view line = bytes.substr(pos, end - pos);
    pos = end + ((end + 1 < bytes.size() && bytes[end] == '\r' && bytes[end + 1] == '\n') ? 2 : 1);
    std::string withoutNul;
    if (line.find('\0') != std::string_view::npos) {
      for (char c : line) {
        if (c != '\0') withoutNul += c;
      }
      line = withoutNul;
    }
    if (line.empty() || line[0] == ';') continue;
    if (line[0] == '[') {
      const std::string text = utf8 ? DecodeUtf8Lossless(line) : DecodeCp932(line);
      if (text.size() >= 2 && text.back() == ']') {
        current = text.substr(1, text.size() - 2);
        inSection = true;
        counted = false;
        continue;
      }
    }
    if (inSection && !counted) {
      names.push_back(current);
      counted = true;
    }
  }
  return names;
}

DocumentSummary Summarise(std::string_view bytes) {
  DocumentSummary summary;
  summary.sections = SectionsWithLines(bytes);
  if (bytes.starts_with(kUtf8Bom)) bytes.remove_prefix(kUtf8Bom.size());
  summary.lines = CountEntryLines(bytes);
  return summary;
}

long long Nanoseconds(const timespec& time) { return time.tv_sec * 1000000000LL + time.tv_nsec; }

long long NowNs() {
  return std::chrono::duration_cast<std::chrono::nanoseconds>(
             std::chrono::system_clock::now().time_since_epoch())
      .count();
}

uint64_t Fnv1a(std::string_view bytes) {
  uint64_t hash = 0xcbf29ce484222325ull;
  for (unsigned char c : bytes) {
    hash ^= c;
    hash *= 0x100000001b3ull;
  }
  return hash;
}

std::string HashText(std::string_view bytes) {
  char text[17];
  std::snprintf(text, sizeof text, "%016llx", static_cast<unsigned long long>(Fnv1a(bytes)));
  return text;
}

// Reads the lines of the file of summaries one by one; false once a line
// is missing or a number does not parse.
class LineReader {
 public:
  explicit LineReader(std::string_view text) : text_(text) {}
  bool AtEnd() const { return pos_ >= text_.size(); }
  bool Next(std::string_view& line) {
    const size_t end = text_.find('\n', pos_);
    if (end == std::string_view::npos) return false;
    line = text_.substr(pos_, end - pos_);
    pos_ = end + 1;
    return true;
  }

 private:
  std::string_view text_;
  size_t pos_ = 0;
};

template <typename T>
bool ParseNumber(std::string_view& fields, T& value) {
  while (!fields.empty() && fields.front() == ' ') fields.remove_prefix(1);
  const auto [end, error] = std::from_chars(fields.data(), fields.data() + fields.size(), value);
  if (error != std::errc() || end == fields.data()) return false;
  fields.remove_prefix(static_cast<size_t>(end - fields.data()));
  return true;
}

bool HasLineBreak(std::string_view text) { return text.find_first_of("\r\n") != std::string_view::npos; }

}  // namespace

bool DocumentSummaries::IdentityOf(const std::string& path, Identity& identity) {
  struct stat st {};
  if (::stat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) return false;
  identity = Identity{st.st_dev, st.st_ino, static_cast<long long>(st.st_size), Nanoseconds(st.st_mtim),
                      Nanoseconds(st.st_ctim)};
  return true;
}

DocumentSummaries::DocumentSummaries(std::string storePath) : storePath_(std::move(storePath)) {}

Result<const DocumentSummary*> DocumentSummaries::Summary(const std::string& path, FileStore& store) {
  if (!loaded_) Load(store);
  Identity before;
  const bool stated = IdentityOf(path, before);
  auto found = entries_.find(path);
  if (stated && found != entries_.end() && found->second.known && found->second.identity == before) {
    found->second.asked = true;
    return &found->second.summary;
  }
  ++readCount_;
  Result<std::string> bytes = ReadAlbumFile(store, path, AlbumTextKind::kIniDocument);
  if (!bytes.ok()) {
    if (found != entries_.end()) entries_.erase(found);
    return bytes.status();
  }
  Entry entry;
  entry.summary = Summarise(bytes.value());
  Identity after;
  entry.known = stated && IdentityOf(path, after) && after == before;
  entry.identity = before;
  entry.keep = entry.known && NowNs() - before.modifiedNs >= kSettleSeconds * 1000000000LL;
  entry.asked = true;
  if (entry.keep) dirty_ = true;
  Entry& stored = entries_[path] = std::move(entry);
  return &stored.summary;
}

// The whole file is taken or none of it: a summary from a damaged file could
// hide a page.
void DocumentSummaries::Load(FileStore& store) {
  loaded_ = true;
  if (storePath_.empty()) return;
  Result<std::string> bytes = store.ReadAll(storePath_);
  if (!bytes.ok()) return;
  LineReader reader(bytes.value());
  std::string_view version, hash;
  if (!reader.Next(version) || version != kVersionLine || !reader.Next(hash)) return;
  const size_t bodyStart = version.size() + hash.size() + 2;
  if (hash != HashText(std::string_view(bytes.value()).substr(bodyStart))) return;
  std::unordered_map<std::string, Entry> entries;
  std::string_view line;
  while (!reader.AtEnd()) {
    if (!reader.Next(line) || !line.starts_with("F ")) return;
    std::string_view fields = line.substr(2);
    Entry entry;
    Identity& id = entry.identity;
    size_t count = 0;
    if (!ParseNumber(fields, id.device) || !ParseNumber(fields, id.inode) || !ParseNumber(fields, id.size) ||
        !ParseNumber(fields, id.modifiedNs) || !ParseNumber(fields, id.changedNs) ||
        !ParseNumber(fields, entry.summary.lines.entries) ||
        !ParseNumber(fields, entry.summary.lines.references) || !ParseNumber(fields, count) ||
        !fields.empty()) {
      return;
    }
    std::string_view path;
    if (!reader.Next(path) || path.empty()) return;
    for (size_t i = 0; i < count; ++i) {
      if (!reader.Next(line)) return;
      entry.summary.sections.emplace_back(line);
    }
    entry.known = entry.keep = true;
    entries[std::string(path)] = std::move(entry);
  }
  entries_ = std::move(entries);
}

std::string DocumentSummaries::Serialise() const {
  std::string body;
  for (const auto& [path, entry] : entries_) {
    if (!entry.keep || HasLineBreak(path)) continue;
    // A document not asked for in this run is kept while its file is as it was.
    Identity now;
    if (!entry.asked && !(IdentityOf(path, now) && now == entry.identity)) continue;
    const Identity& id = entry.identity;
    body += "F " + std::to_string(id.device) + " " + std::to_string(id.inode) + " " + std::to_string(id.size) +
            " " + std::to_string(id.modifiedNs) + " " + std::to_string(id.changedNs) + " " +
            std::to_string(entry.summary.lines.entries) + " " + std::to_string(entry.summary.lines.references) +
            " " + std::to_string(entry.summary.sections.size()) + "\n" + path + "\n";
    for (const std::string& section : entry.summary.sections) body += section + "\n";
  }
  return std::string(kVersionLine) + "\n" + HashText(body) + "\n" + body;
}

Status DocumentSummaries::Store(FileStore& store) {
  if (storePath_.empty() || !dirty_) return Status::Ok();
  if (Status written = store.WriteAtomic(storePath_, Serialise()); !written.ok()) return written;
  dirty_ = false;
  return Status::Ok();
}

}  // namespace lumidex
