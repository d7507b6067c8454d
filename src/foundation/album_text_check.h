#pragma once

#include <string>
#include <string_view>

#include "foundation/file_store.h"
#include "foundation/status.h"

namespace lumidex {

// What kind of text a file of the album must hold.
enum class AlbumTextKind {
  kIniDocument,  // sections "[name]" with lines: page index, year documents, ...
  kPlainText,    // lines of text: the settings file, the folder history
};

// Decides by content whether `bytes`, read from `path`, can be a file the
// album wrote or a person edited: text of the album's encodings (cp932, or
// UTF-8) with line breaks. Refused, with UnreadableTextMessage:
// - a NUL byte anywhere (binary data, UTF-16 or UTF-32 text, a file whose
//   tail a crash filled with zeros);
// - a UTF-16 or UTF-32 byte-order mark;
// - a file larger than 1 MiB without a line break in its first MiB;
// - for kIniDocument, a file with more than white space but no line that
//   starts a section ("[").
// A file refused here is never written over: the caller reports the message
// and leaves the file as it is.
Status CheckAlbumText(std::string_view path, std::string_view bytes, AlbumTextKind kind);

// CheckAlbumText over a file given piece by piece (as FileStore::ReadPieces
// gives it): the same decision, whatever the pieces.
class AlbumTextCheck {
 public:
  explicit AlbumTextCheck(AlbumTextKind kind) : kind_(kind) {}

  // The next piece of the file.
  void Add(std::string_view piece);
  // The decision on the pieces added so far, taken as the whole file.
  Status Result(std::string_view path);

 private:
  // Looks at text after the byte-order marks.
  void AddText(std::string_view text);

  const AlbumTextKind kind_;
  std::string head_;      // the first bytes, until the byte-order marks are told
  bool headDone_ = false;
  bool wideMark_ = false;
  size_t size_ = 0;
  bool nul_ = false;
  bool lineBreakInWindow_ = false;
  bool blank_ = true;          // only white space so far
  bool sectionLine_ = false;   // a line starting with "[" seen
  bool atLineStart_ = true;
};

std::string UnreadableTextMessage(std::string_view path);

// The bytes of the album file `path`, read through `store` and checked by
// CheckAlbumText: the one way album files are read. NotFound for a missing
// file; the read's or the check's error otherwise.
Result<std::string> ReadAlbumFile(FileStore& store, const std::string& path, AlbumTextKind kind);

}  // namespace lumidex
