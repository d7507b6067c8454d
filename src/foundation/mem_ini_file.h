#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "foundation/file_store.h"
#include "foundation/status.h"

namespace lumidex {

// The in-memory INI document behind every album file: an ordered list of
// sections, each an ordered list of raw lines. Read whole, changed in memory,
// written whole only by Save().
//
// Rules callers rely on:
// - Section names and keys compare without regard to ASCII letter case; the
//   first match from the top wins. Two sections of one name can coexist (only
//   by loading a file that has them); both are kept and written back.
// - A line's name ends at its first "="; a line without "=" has an empty name.
// - New keys go to the end of their section, new sections to the end of the
//   document; a replaced key keeps its place.
// - A section without lines counts as absent for HasSection, yet is listed
//   and saved.
// Lookups go through per-section indexes, so large sections (tens of
// thousands of lines) cost no linear scans. Not thread-safe.
class TMemIniFile {
 public:
  // An empty document for `fileName`; nothing is read.
  explicit TMemIniFile(std::string fileName, FileStore& store = RealFileStore());
  TMemIniFile(const TMemIniFile&) = delete;
  TMemIniFile& operator=(const TMemIniFile&) = delete;
  ~TMemIniFile();

  // The document of `fileName`, loaded when the file exists; a missing file
  // gives an empty document. Error "ファイル %s は開けません" when the file
  // exists but cannot be read, and the message of CheckAlbumText when its
  // content is not an album document (binary, UTF-16, no sections).
  static Result<std::unique_ptr<TMemIniFile>> Open(std::string fileName,
                                                   FileStore& store = RealFileStore());

  const std::string& FileName() const { return fileName_; }

  // Everything after key and "=" of the first line named `key` in the first
  // section named `section`; `defaultValue` when either is missing.
  std::string GetValue(std::string_view section, std::string_view key,
                       std::string_view defaultValue) const;
  // Replaces the line named `key` in place (taking this call's letter case),
  // or appends key=value to the section, creating the section at the end.
  void SetValue(std::string_view section, std::string_view key, std::string_view value);

  std::vector<std::string> KeyNames(std::string_view section) const;
  std::vector<std::string> SectionNames() const;
  std::vector<std::string> SectionLines(std::string_view section) const;
  // The lines of the first section named `section` without copying them, or
  // nullptr. The pointer is valid until the next change of the document.
  const std::vector<std::string>* FindSection(std::string_view section) const;

  void DropSection(std::string_view section);
  void DropKey(std::string_view section, std::string_view key);
  bool HasSection(std::string_view section) const;
  bool HasKey(std::string_view section, std::string_view key) const;

  // Appends a section with `lines` at the end of the document, even when one
  // of that name exists.
  void AppendSection(std::string name, std::vector<std::string> lines);

  // Empties the document and rebuilds it from `lines` with the load rules.
  void ReplaceAll(std::vector<std::string> lines);
  void Clear();

  // The document as text: per section "[name]", its lines, an empty line;
  // every line followed by CR LF.
  std::string ToText() const;

  // Writes the document to FileName() atomically (cp932 when the text
  // round-trips, else UTF-8 with byte-order mark). On failure the file and
  // the document stay as they were; Error "ファイル %s を作成できません".
  // A document refused by RefuseSaving writes nothing and returns its
  // message.
  Status Save() const;

  // Makes every later Save() fail with `message` without writing. The
  // program runs on with an empty stand-in for a file it could not read, and
  // that file must stay as it is.
  void RefuseSaving(std::string message);
  bool SavingRefused() const { return !refusal_.empty(); }

 private:
  struct Section;
  Section* Find(std::string_view section);
  const Section* Find(std::string_view section) const;
  void RebuildSectionIndex();

  const std::string fileName_;
  FileStore& store_;
  std::vector<std::unique_ptr<Section>> sections_;
  // Folded section name -> index of the first section of that name.
  std::unordered_map<std::string, size_t> sectionIndex_;
  std::string refusal_;  // non-empty: Save() refuses with this message
};

}  // namespace lumidex
