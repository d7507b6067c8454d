// PageOperations::RenameEntries: new names for files and sub-albums.
#include <algorithm>
#include <cstdio>

#include "album/album_path.h"
#include "album/album_prompts.h"
#include "album/album_store.h"
#include "album/album_text.h"
#include "foundation/file_paths.h"
#include "album/file_rename.h"
#include "album/page_operations.h"
#include "album/sub_album_names.h"
#include "foundation/ini_line.h"
#include "foundation/text_compare.h"

namespace lumidex {
namespace {

// Numbered names tried for one file before the rename gives up.
constexpr int kMaxNumber = 99999;

// "-0001" for 1 with four digits, "-001" with three.
std::string NumberSuffix(int number, int digits) {
  char text[16];
  std::snprintf(text, sizeof text, "-%0*d", digits, number);
  return text;
}

bool OtherEntryNamed(const std::vector<std::string>& lines, size_t self, std::string_view name) {
  for (size_t i = 0; i < lines.size(); ++i) {
    if (i != self && EqualsNoCase(EntryNameOf(lines[i]), name)) return true;
  }
  return false;
}

// `lines` (a document's text) with the first line named exactly `oldKey` in
// section `section` replaced by `newLine`.
void ReplaceKeyInSection(std::vector<std::string>& lines, std::string_view section,
                         std::string_view oldKey, const std::string& newLine) {
  bool inSection = false;
  for (auto& line : lines) {
    if (line.size() >= 2 && line.front() == '[' && line.back() == ']') {
      inSection = EqualsNoCase(std::string_view(line).substr(1, line.size() - 2), section);
    } else if (inSection && HasEquals(line) && NameOf(line) == oldKey) {
      line = newLine;
      return;
    }
  }
}

}  // namespace

std::string_view NewEntryNameProblem(std::string_view typed, bool forFiles) {
  if (typed.find('=') != std::string_view::npos) return kNameWithEqualsMessage;
  // Both a sub-album name and a file name become the key of an entry line.
  if (HasControlCharacter(typed)) return kNameWithControlCharacterMessage;
  if (forFiles && typed.find_first_of("/\\") != std::string_view::npos) return kNameWithSeparatorMessage;
  return {};
}

Status PageOperations::RenameEntries(const std::vector<size_t>& selection) {
  if (!store_.PageOpen() || selection.empty()) return Status::Ok();
  std::vector<std::string> lines = store_.Lines();
  if (selection.front() >= lines.size()) return Status::Ok();
  const std::string_view firstName = EntryNameOf(lines[selection.front()]);
  const bool firstIsSubAlbum = IsSubAlbumEntry(firstName);
  const std::string proposed(firstIsSubAlbum ? SubAlbumNameOf(firstName.substr(1)) : StemOf(firstName));
  if (proposed.empty()) return Status::Ok();
  const auto typed = prompts_.AskName({"名前の変更", "新しい名前を入力", proposed,
                                       firstIsSubAlbum ? SubAlbumNameChoices(store_)
                                                       : std::vector<std::string>()});
  if (!typed || typed->empty()) return Status::Ok();
  const bool filesSelected = std::any_of(selection.begin(), selection.end(), [&](size_t i) {
    return i < lines.size() && !IsSubAlbumEntry(EntryNameOf(lines[i]));
  });
  if (const std::string_view problem = NewEntryNameProblem(*typed, filesSelected); !problem.empty()) {
    prompts_.Inform(std::string(problem));
    return Status::Ok();
  }
  const std::string extension(ExtensionAsWritten(*typed));
  const std::string base = typed->substr(0, typed->size() - extension.size());

  bool renamed = false, filesRenamed = false;
  for (size_t index : selection) {
    if (index >= lines.size()) continue;
    if (IsSubAlbumEntry(EntryNameOf(lines[index]))) {
      if (!store_.SubAlbumOpen()) renamed |= RenameSubAlbumEntry(lines, index, store_.openPage(), *typed);
    } else if (!base.empty() && RenameFileEntry(lines, index, base, extension)) {
      renamed = filesRenamed = true;
    }
  }
  if (!renamed) return Status::Ok();
  store_.SetLines(lines);
  // The files now have their new names: the album must not keep pointing at
  // the old ones, so the section is written at once.
  if (filesRenamed) {
    Result<bool> saved = store_.SaveSection(store_.currentSection(), std::move(lines), false);
    if (!saved.ok()) return saved.status();
  }
  return Status::Ok();
}

bool PageOperations::RenameFileEntry(std::vector<std::string>& lines, size_t index,
                                     const std::string& base, const std::string& extension) {
  const std::string oldPath(EntryNameOf(lines[index]));
  const std::string comment(EntryCommentOf(lines[index]));
  const std::string folder(FolderPartOf(oldPath));
  const std::string ext = extension.empty() ? std::string(ExtensionAsWritten(oldPath)) : extension;
  std::string candidate = folder + base + ext;
  if (candidate == oldPath) return false;
  for (int number = 1; number <= kMaxNumber; ++number) {
    if (!FileExists(candidate) && !FolderExists(candidate)) {
      const RenameOutcome outcome = RenameWithoutReplacing(oldPath, candidate);
      if (outcome == RenameOutcome::kFailed) return false;
      if (outcome == RenameOutcome::kRenamed) {
        lines[index] = candidate + "=" + comment;
        return true;
      }
    }
    candidate = folder + base + NumberSuffix(number, 4) + ext;
  }
  return false;
}

bool PageOperations::RenameSubAlbumEntry(std::vector<std::string>& lines, size_t index,
                                         std::string_view page, const std::string& name) {
  if (index >= lines.size()) return false;
  const std::string oldKey(EntryNameOf(lines[index]));
  const std::string comment(EntryCommentOf(lines[index]));
  std::string newKey = "@" + std::string(page) + name;
  if (newKey == oldKey) return false;
  for (int number = 1; OtherEntryNamed(lines, index, newKey); ++number) {
    newKey = "@" + std::string(page) + name + NumberSuffix(number, 3);
  }
  const std::string oldSection = oldKey.substr(1), newSection = newKey.substr(1);
  store_.ChangeSubAlbumDocument([&](TMemIniFile& doc) {
    std::vector<std::string> text = SplitLines(doc.ToText());
    for (auto& line : text) {
      if (EqualsNoCase(line, "[" + oldSection + "]")) line = "[" + newSection + "]";
    }
    doc.ReplaceAll(text);
  });
  store_.ChangeYearDocument([&](TMemIniFile& doc) {
    std::vector<std::string> text = SplitLines(doc.ToText());
    ReplaceKeyInSection(text, page, oldKey, newKey + "=" + comment);
    doc.ReplaceAll(text);
  });
  lines[index] = newKey + "=" + comment;
  return true;
}

}  // namespace lumidex
