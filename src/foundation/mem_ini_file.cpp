#include "foundation/mem_ini_file.h"

#include "foundation/album_text_check.h"
#include "foundation/ini_line.h"
#include "foundation/text_codec.h"
#include "foundation/text_compare.h"

namespace lumidex {

// One section with a lazily built index of its line names. The index maps a
// folded name to the first line of that name; it is dropped whenever lines
// move and rebuilt on the next lookup.
struct TMemIniFile::Section {
  std::string name;
  std::vector<std::string> lines;
  mutable std::unordered_map<std::string, size_t> keyIndex;
  mutable bool indexValid = false;

  long FindKey(std::string_view key) const {
    if (!indexValid) {
      keyIndex.clear();
      keyIndex.reserve(lines.size());
      for (size_t i = 0; i < lines.size(); ++i) {
        if (HasEquals(lines[i])) keyIndex.emplace(FoldAscii(NameOf(lines[i])), i);
      }
      indexValid = true;
    }
    auto it = keyIndex.find(FoldAscii(key));
    return it == keyIndex.end() ? -1 : static_cast<long>(it->second);
  }

  void Append(std::string line) {
    if (indexValid && HasEquals(line)) keyIndex.emplace(FoldAscii(NameOf(line)), lines.size());
    lines.push_back(std::move(line));
  }
};

TMemIniFile::TMemIniFile(std::string fileName, FileStore& store)
    : fileName_(std::move(fileName)), store_(store) {}

TMemIniFile::~TMemIniFile() = default;

Result<std::unique_ptr<TMemIniFile>> TMemIniFile::Open(std::string fileName, FileStore& store) {
  auto doc = std::make_unique<TMemIniFile>(std::move(fileName), store);
  Result<std::string> bytes = ReadAlbumFile(store, doc->fileName_, AlbumTextKind::kIniDocument);
  if (!bytes.ok()) {
    if (bytes.status().isNotFound()) return doc;
    return bytes.status();
  }
  doc->ReplaceAll(SplitLines(DecodeAlbumFile(bytes.value())));
  return doc;
}

TMemIniFile::Section* TMemIniFile::Find(std::string_view section) {
  auto it = sectionIndex_.find(FoldAscii(section));
  return it == sectionIndex_.end() ? nullptr : sections_[it->second].get();
}

const TMemIniFile::Section* TMemIniFile::Find(std::string_view section) const {
  auto it = sectionIndex_.find(FoldAscii(section));
  return it == sectionIndex_.end() ? nullptr : sections_[it->second].get();
}

void TMemIniFile::RebuildSectionIndex() {
  sectionIndex_.clear();
  for (size_t i = 0; i < sections_.size(); ++i) sectionIndex_.emplace(FoldAscii(sections_[i]->name), i);
}

std::string TMemIniFile::GetValue(std::string_view section, std::string_view key,
                                  std::string_view defaultValue) const {
  const Section* s = Find(section);
  if (s == nullptr) return std::string(defaultValue);
  const long i = s->FindKey(key);
  if (i < 0) return std::string(defaultValue);
  return s->lines[static_cast<size_t>(i)].substr(key.size() + 1);
}

void TMemIniFile::SetValue(std::string_view section, std::string_view key, std::string_view value) {
  Section* s = Find(section);
  if (s == nullptr) {
    AppendSection(std::string(section), {});
    s = sections_.back().get();
  }
  std::string line;
  line.reserve(key.size() + 1 + value.size());
  line.append(key).append("=").append(value);
  const long i = s->FindKey(key);
  if (i >= 0) {
    // The replaced line keeps its folded name, so the index stays valid.
    s->lines[static_cast<size_t>(i)] = std::move(line);
  } else {
    s->Append(std::move(line));
  }
}

std::vector<std::string> TMemIniFile::KeyNames(std::string_view section) const {
  std::vector<std::string> names;
  if (const Section* s = Find(section)) {
    names.reserve(s->lines.size());
    for (const auto& line : s->lines) names.emplace_back(NameOf(line));
  }
  return names;
}

std::vector<std::string> TMemIniFile::SectionNames() const {
  std::vector<std::string> names;
  names.reserve(sections_.size());
  for (const auto& s : sections_) names.push_back(s->name);
  return names;
}

std::vector<std::string> TMemIniFile::SectionLines(std::string_view section) const {
  const Section* s = Find(section);
  return s == nullptr ? std::vector<std::string>() : s->lines;
}

const std::vector<std::string>* TMemIniFile::FindSection(std::string_view section) const {
  const Section* s = Find(section);
  return s == nullptr ? nullptr : &s->lines;
}

void TMemIniFile::DropSection(std::string_view section) {
  auto it = sectionIndex_.find(FoldAscii(section));
  if (it == sectionIndex_.end()) return;
  sections_.erase(sections_.begin() + static_cast<long>(it->second));
  RebuildSectionIndex();
}

void TMemIniFile::DropKey(std::string_view section, std::string_view key) {
  Section* s = Find(section);
  if (s == nullptr) return;
  const long i = s->FindKey(key);
  if (i < 0) return;
  s->lines.erase(s->lines.begin() + i);
  s->indexValid = false;
}

bool TMemIniFile::HasSection(std::string_view section) const {
  const Section* s = Find(section);
  return s != nullptr && !s->lines.empty();
}

bool TMemIniFile::HasKey(std::string_view section, std::string_view key) const {
  const Section* s = Find(section);
  if (s == nullptr) return false;
  // KeyNames includes the empty names of lines without "=".
  if (key.empty()) {
    for (const auto& line : s->lines) {
      if (NameOf(line).empty()) return true;
    }
    return false;
  }
  return s->FindKey(key) >= 0;
}

void TMemIniFile::AppendSection(std::string name, std::vector<std::string> lines) {
  auto section = std::make_unique<Section>();
  section->name = std::move(name);
  section->lines = std::move(lines);
  sectionIndex_.emplace(FoldAscii(section->name), sections_.size());
  sections_.push_back(std::move(section));
}

void TMemIniFile::ReplaceAll(std::vector<std::string> lines) {
  Clear();
  Section* current = nullptr;
  for (auto& line : lines) {
    if (line.empty() || line[0] == ';') continue;
    if (line.size() >= 2 && line.front() == '[' && line.back() == ']') {
      AppendSection(line.substr(1, line.size() - 2), {});
      current = sections_.back().get();
      continue;
    }
    if (current != nullptr) current->lines.push_back(std::move(line));
  }
}

void TMemIniFile::Clear() {
  sections_.clear();
  sectionIndex_.clear();
}

std::string TMemIniFile::ToText() const {
  size_t total = 0;
  for (const auto& s : sections_) {
    total += s->name.size() + 6;
    for (const auto& line : s->lines) total += line.size() + 2;
  }
  std::string text;
  text.reserve(total);
  for (const auto& s : sections_) {
    text.append("[").append(s->name).append("]\r\n");
    for (const auto& line : s->lines) text.append(line).append("\r\n");
    text.append("\r\n");
  }
  return text;
}

Status TMemIniFile::Save() const {
  if (!refusal_.empty()) return Status::Error(refusal_);
  return store_.WriteAtomic(fileName_, EncodeAlbumFile(ToText()));
}

void TMemIniFile::RefuseSaving(std::string message) { refusal_ = std::move(message); }

}  // namespace lumidex
