#pragma once

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "foundation/file_store.h"
#include "foundation/mem_ini_file.h"
#include "slideshow/slide_album.h"

namespace lumidex {

// The slide show's view of the album files, read-only, for the command line:
// the year documents "<yyyy>.ini" and sub-album documents "<yyyy>S.ini" in
// `photoDir`, read through TMemIniFile::Open (so through ReadAlbumFile), and
// the lock list. Nothing is ever written. The documents of one year are held
// at a time and read again when the show comes back to their year.
//
// A year document that cannot be read counts as empty, and its message is
// kept in problems(), each once, so the caller can name it and fail.
// Holds references to the lock list and the file store, which must outlive
// it. Not thread-safe.
class FileSlideAlbum : public SlideAlbum {
 public:
  FileSlideAlbum(std::string photoDir, const TMemIniFile& lockList,
                 FileStore& store = RealFileStore());
  FileSlideAlbum(const FileSlideAlbum&) = delete;
  FileSlideAlbum& operator=(const FileSlideAlbum&) = delete;
  ~FileSlideAlbum() override;

  std::optional<std::vector<std::string>> OpenPage(std::string_view year,
                                                   std::string_view page) override;
  std::vector<std::string> OpenSubAlbum(std::string_view section) override;
  std::vector<std::string> BackToPage() override;
  bool IsLocked(std::string_view year, std::string_view page) const override;
  bool IsShowablePicture(const std::string& path) const override;

  // The messages of the documents that could not be read, in the order met.
  const std::vector<std::string>& problems() const { return problems_; }

 private:
  void LoadYear(std::string_view year);
  std::unique_ptr<TMemIniFile> OpenDocument(const std::string& fileName);

  const std::string photoDir_;
  const TMemIniFile& lockList_;
  FileStore& store_;
  std::string year_;
  std::unique_ptr<TMemIniFile> yearDoc_;
  std::unique_ptr<TMemIniFile> subDoc_;
  std::string page_;  // the open page, "" when none
  std::vector<std::string> problems_;
};

}  // namespace lumidex
