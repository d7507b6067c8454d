#pragma once

#include <string>
#include <unordered_map>
#include <vector>

#include "foundation/file_store.h"
#include "foundation/ini_line.h"
#include "foundation/status.h"

namespace lumidex {

// What the album needs to know of a year or sub-album document without
// opening it: the names of its sections that hold lines, in file order (the
// index of years), and the count of its entry lines (the year list).
struct DocumentSummary {
  std::vector<std::string> sections;
  EntryLineCount lines;
};

// The summaries of album documents, each remembered with the identity its
// file had on disk when it was read (device, inode, size, modification and
// change times), and kept between runs in one file, so that a start need not
// read every year of a large album again.
//
// A remembered summary is used only while its file still has that identity;
// a file that changed is read again. A file whose identity changed while it
// was read, or whose modification lies within kSettleSeconds of its reading
// (a writer that rewrites a file in place within one tick of the file
// system's clock keeps size and times), is summarised for the call but not
// kept between runs. A document that is missing or cannot be read as album
// text is never remembered.
//
// The file of summaries (`storePath`):
//   line 1: "lumidex document summaries 1"
//   line 2: the FNV-1a 64-bit hash of the rest of the file, 16 hex digits
//   then per document:
//     "F <dev> <ino> <size> <mtime ns> <ctime ns> <entries> <references> <n>"
//     the document's path
//     n lines, one section name each
// all lines ending in LF. A file that is missing, of another version, whose
// hash disagrees or that does not parse is ignored as a whole. It is written
// atomically (FileStore::WriteAtomic).
//
// Not thread-safe.
class DocumentSummaries {
 public:
  // Seconds a file's last modification must lie before its reading for its
  // summary to be kept between runs.
  static constexpr long long kSettleSeconds = 2;

  // `storePath` is the file the summaries are kept in between runs; with ""
  // they last for the run only. Nothing is read until the first Summary.
  explicit DocumentSummaries(std::string storePath = "");
  DocumentSummaries(const DocumentSummaries&) = delete;
  DocumentSummaries& operator=(const DocumentSummaries&) = delete;

  // The summary of the document at `path` as the file stands now. NotFound
  // when the file does not exist; the error of ReadAlbumFile when it cannot
  // be read. The pointer is valid until the next call for the same path.
  Result<const DocumentSummary*> Summary(const std::string& path, FileStore& store);

  // Writes the file of summaries when summaries were read anew since it was
  // loaded or last written. Keeps the summaries that may be kept (see the
  // class comment) of the documents asked for in this run and of the others
  // whose files are still as they were. The write's error;
  // nothing changes in memory either way.
  Status Store(FileStore& store);

  // How many documents were read (not taken from remembered summaries) so
  // far: what a start cost in reads.
  int readCount() const { return readCount_; }

 private:
  struct Identity {
    unsigned long long device = 0, inode = 0;
    long long size = 0, modifiedNs = 0, changedNs = 0;
    bool operator==(const Identity&) const = default;
  };
  struct Entry {
    Identity identity;
    DocumentSummary summary;
    bool known = false;     // `identity` is the file's as it was read
    bool keep = false;      // may be written to the file of summaries
    bool asked = false;     // asked for in this run
  };

  // The identity of the regular file at `path`; false when there is none.
  static bool IdentityOf(const std::string& path, Identity& identity);
  void Load(FileStore& store);
  std::string Serialise() const;

  const std::string storePath_;
  std::unordered_map<std::string, Entry> entries_;
  bool loaded_ = false;
  bool dirty_ = false;  // entries read anew since the file was loaded or written
  int readCount_ = 0;
};

}  // namespace lumidex
