#include "slideshow/file_slide_album.h"

#include <algorithm>

#include "foundation/calendar_date.h"
#include "foundation/file_paths.h"
#include "foundation/file_types.h"

namespace lumidex {

FileSlideAlbum::FileSlideAlbum(std::string photoDir, const TMemIniFile& lockList, FileStore& store)
    : photoDir_(WithTrailingSlash(photoDir)), lockList_(lockList), store_(store) {}

FileSlideAlbum::~FileSlideAlbum() = default;

std::optional<std::vector<std::string>> FileSlideAlbum::OpenPage(std::string_view year,
                                                                 std::string_view page) {
  // Only a four-digit year names a year document; other text never becomes
  // part of a file name.
  if (year.size() != 4 || !DigitsAt(year, 0, 4)) return std::nullopt;
  if (yearDoc_ == nullptr || year != year_) LoadYear(year);
  std::vector<std::string> lines = yearDoc_->SectionLines(page);
  if (lines.empty()) return std::nullopt;
  page_ = page;
  return lines;
}

std::vector<std::string> FileSlideAlbum::OpenSubAlbum(std::string_view section) {
  if (page_.empty() || subDoc_ == nullptr) return {};
  return subDoc_->SectionLines(section);
}

std::vector<std::string> FileSlideAlbum::BackToPage() {
  if (page_.empty() || yearDoc_ == nullptr) return {};
  return yearDoc_->SectionLines(page_);
}

bool FileSlideAlbum::IsLocked(std::string_view year, std::string_view page) const {
  return lockList_.HasKey("LCK", std::string(year) + "/" + std::string(page));
}

bool FileSlideAlbum::IsShowablePicture(const std::string& path) const {
  return FileTypeLists::IsImageType(ExtensionOf(path)) && FileExists(path);
}

void FileSlideAlbum::LoadYear(std::string_view year) {
  year_ = year;
  page_.clear();
  yearDoc_ = OpenDocument(photoDir_ + year_ + ".ini");
  subDoc_ = OpenDocument(photoDir_ + year_ + "S.ini");
}

std::unique_ptr<TMemIniFile> FileSlideAlbum::OpenDocument(const std::string& fileName) {
  Result<std::unique_ptr<TMemIniFile>> doc = TMemIniFile::Open(fileName, store_);
  if (doc.ok()) return std::move(doc).value();
  const std::string& message = doc.status().message();
  if (std::find(problems_.begin(), problems_.end(), message) == problems_.end()) {
    problems_.push_back(message);
  }
  return std::make_unique<TMemIniFile>(fileName, store_);
}

}  // namespace lumidex
