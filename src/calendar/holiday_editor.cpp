#include "calendar/holiday_editor.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <filesystem>

#include "foundation/calendar_date.h"
#include "foundation/file_paths.h"
#include "foundation/ini_line.h"
#include "foundation/text_codec.h"

namespace lumidex {
namespace {

constexpr const char* kGeneralFileName = "NationalHoliday.txt";

std::string BaseName(std::string_view path) {
  const size_t slash = path.rfind('/');
  return std::string(slash == std::string_view::npos ? path : path.substr(slash + 1));
}

}  // namespace

std::optional<int> YearOfHolidayFileName(std::string_view name) {
  if (name.size() != 8 || name.substr(4) != ".txt") return std::nullopt;
  return DigitsAt(name, 0, 4);
}

std::string EncodeHolidayFile(const std::vector<std::string>& lines) {
  const std::string text = JoinLines(lines);
  if (std::optional<std::string> cp932 = EncodeCp932Exact(text)) return std::move(*cp932);
  return std::string(kUtf8Bom) + EncodeUtf8Raw(text);
}

HolidayEditor::HolidayEditor(const DataFolders& folders, FileStore& store)
    : folders_(folders), store_(store) {}

Status HolidayEditor::Open(const std::string& path) {
  Result<std::string> bytes = store_.ReadAll(path);
  if (!bytes.ok() && !bytes.status().isNotFound()) return bytes.status();
  editedPath_ = path;
  list_.Load(bytes.ok() ? SplitLines(DecodeEditedFile(bytes.value())) : std::vector<std::string>{});
  modified_ = false;
  return Status::Ok();
}

Status HolidayEditor::OpenGeneralFile() { return Open(folders_.dataDir + kGeneralFileName); }

Status HolidayEditor::OpenYearFile(std::string_view name) {
  if (!YearOfHolidayFileName(name)) return Status::Error(CannotOpenMessage(name));
  return Open(folders_.holidayDir + std::string(name));
}

std::optional<int> HolidayEditor::editedYear() const {
  return YearOfHolidayFileName(BaseName(editedPath_));
}

std::string HolidayEditor::FileCaption() const {
  if (const auto year = editedYear()) return std::to_string(*year) + "年の祝日ファイル";
  return "汎用の祝日ファイル";
}

Status HolidayEditor::Revert() {
  if (editedPath_.empty()) {
    list_.Load({});
    modified_ = false;
    return Status::Ok();
  }
  return Open(editedPath_);
}

Status HolidayEditor::Apply() {
  if (editedPath_.empty()) return Status::Error(CannotCreateMessage(""));
  if (Status written = store_.WriteAtomic(editedPath_, EncodeHolidayFile(list_.lines()));
      !written.ok()) {
    return written;
  }
  modified_ = false;
  changed_ = true;
  return Status::Ok();
}

void HolidayEditor::Copy() { copyBuffer_ = list_.Text(); }

bool HolidayEditor::Paste() {
  if (copyBuffer_.empty()) return false;
  list_.ReplaceWithText(copyBuffer_);
  modified_ = true;
  return true;
}

std::vector<std::string> HolidayEditor::YearFileNames() const {
  std::vector<std::string> names;
  std::error_code error;
  for (std::filesystem::directory_iterator it(folders_.holidayDir, error), end;
       !error && it != end; it.increment(error)) {
    const std::string name = it->path().filename().string();
    std::error_code typeError;
    if (YearOfHolidayFileName(name) && it->is_regular_file(typeError)) names.push_back(name);
  }
  std::sort(names.begin(), names.end());
  return names;
}

bool HolidayEditor::CanCreateYearFile(std::string_view yearText) const {
  if (yearText.size() != 4 || !DigitsAt(yearText, 0, 4)) return false;
  std::error_code error;
  return !std::filesystem::exists(folders_.holidayDir + std::string(yearText) + ".txt", error) &&
         !error;
}

Result<std::string> HolidayEditor::CreateYearFile(std::string_view yearText) {
  const std::string name = std::string(yearText) + ".txt";
  const std::string path = folders_.holidayDir + name;
  if (!YearOfHolidayFileName(name)) return Status::Error(CannotCreateMessage(path));
  MakeFolders(folders_.holidayDir);
  // "x": fails when the file exists, so a file of that year is never emptied.
  std::FILE* file = std::fopen(path.c_str(), "wx");
  if (!file) return Status::Error(CannotCreateMessage(path));
  if (std::fclose(file) != 0) return Status::Error(CannotCreateMessage(path));
  return name;
}

Status HolidayEditor::DeleteYearFile(std::string_view name) {
  const std::string path = folders_.holidayDir + std::string(name);
  if (!YearOfHolidayFileName(name) || std::remove(path.c_str()) != 0) {
    return Status::Error("ファイル " + path + " を削除できません");
  }
  changed_ = true;
  return Status::Ok();
}

}  // namespace lumidex
