#include "freelayout/free_layout_document.h"

#include <algorithm>
#include <cstdio>
#include <unordered_map>

#include "album/album_text.h"
#include "foundation/ini_line.h"
#include "foundation/text_compare.h"
#include "freelayout/free_layout_catalogue.h"
#include "freelayout/free_layout_key.h"

namespace lumidex {
namespace {

// Merges the lines of later sections of one name into one section of that
// name (at the end of the document), keeping every line in file order.
void MergeDuplicateSections(TMemIniFile& ini) {
  std::unordered_map<std::string, int> seen;
  std::vector<std::string> duplicated;
  for (const auto& name : ini.SectionNames()) {
    if (++seen[FoldAscii(name)] == 2) duplicated.push_back(name);
  }
  for (const auto& name : duplicated) {
    std::vector<std::string> lines;
    std::string firstName;
    while (const std::vector<std::string>* section = ini.FindSection(name)) {
      lines.insert(lines.end(), section->begin(), section->end());
      if (firstName.empty()) {
        for (const auto& candidate : ini.SectionNames()) {
          if (EqualsNoCase(candidate, name)) {
            firstName = candidate;
            break;
          }
        }
      }
      ini.DropSection(name);
    }
    ini.AppendSection(firstName, std::move(lines));
  }
}

bool IsVersionSection(std::string_view name) { return EqualsNoCase(name, kVersionSection); }

}  // namespace

std::string FreeLayoutFileName(int year, FreeLayoutWay way) {
  char name[32];
  std::snprintf(name, sizeof name, "%04d%s.ini", year, way == FreeLayoutWay::kByAlbum ? "A" : "");
  return name;
}

std::string PageCounterText(int index, int count) {
  const int shown = count <= 0 || index < 0 ? 0 : index + 1;
  return std::to_string(shown) + "/" + std::to_string(std::max(count, 0));
}

FreeLayoutDocument::FreeLayoutDocument(std::unique_ptr<TMemIniFile> ini, int year,
                                       FreeLayoutWay way)
    : ini_(std::move(ini)), year_(year), way_(way) {}

Result<std::unique_ptr<FreeLayoutDocument>> FreeLayoutDocument::Open(const std::string& albumDir,
                                                                     int year, FreeLayoutWay way,
                                                                     FileStore& store) {
  auto ini = TMemIniFile::Open(albumDir + FreeLayoutFileName(year, way), store);
  if (!ini.ok()) return ini.status();
  MergeDuplicateSections(*ini.value());
  return std::unique_ptr<FreeLayoutDocument>(
      new FreeLayoutDocument(std::move(ini).value(), year, way));
}

std::vector<std::string> FreeLayoutDocument::PageNames() const {
  std::vector<std::string> names;
  for (auto& name : ini_->SectionNames()) {
    if (!IsVersionSection(name)) names.push_back(std::move(name));
  }
  std::sort(names.begin(), names.end(), TextLess());
  return names;
}

bool FreeLayoutDocument::HasPage(std::string_view name) const {
  return !IsVersionSection(name) && ini_->FindSection(name) != nullptr;
}

std::string FreeLayoutDocument::PickFreeLayoutPage(std::string_view name) const {
  if (!name.empty() && HasPage(name)) return std::string(name);
  const std::vector<std::string> names = PageNames();
  return names.empty() ? std::string() : names.front();
}

std::string FreeLayoutDocument::PageCounter(std::string_view page) const {
  const std::vector<std::string> names = PageNames();
  int index = -1;
  for (size_t i = 0; i < names.size(); ++i) {
    if (EqualsNoCase(names[i], page)) {
      index = static_cast<int>(i);
      break;
    }
  }
  return PageCounterText(index, static_cast<int>(names.size()));
}

std::vector<std::string> FreeLayoutDocument::PageLines(std::string_view page) const {
  return HasPage(page) ? ini_->SectionLines(page) : std::vector<std::string>();
}

TabLoad FreeLayoutDocument::LoadTab(std::string_view page, int tab) const {
  const std::vector<std::string>* lines = HasPage(page) ? ini_->FindSection(page) : nullptr;
  return lines == nullptr ? TabLoad() : lumidex::LoadTab(*lines, tab);
}

Result<TabSaveOutcome> FreeLayoutDocument::SaveTab(std::string_view page, int tab,
                                                   const std::vector<FreeLayoutItem>& items) {
  if (page.empty() || IsVersionSection(page)) {
    return Status::Error("フリー配置のページ名が正しくありません: " + std::string(page));
  }
  const std::vector<std::string>* section = ini_->FindSection(page);
  const bool existed = section != nullptr;
  const bool wasEmpty = !existed || section->empty();
  Result<std::vector<std::string>> lines =
      ReplaceTabItems(existed ? *section : std::vector<std::string>(), tab, items);
  if (!lines.ok()) return lines.status();

  const std::string before = ini_->ToText();
  if (!ini_->HasSection(kVersionSection)) ini_->SetValue(kVersionSection, "Tsubame", "1");
  TabSaveOutcome outcome;
  if (!items.empty()) {
    PutPage(page, std::move(lines).value());
    outcome.pageListChanged = !existed;
  } else if (!wasEmpty) {
    std::vector<std::string> rest = RenumberTabLines(WithoutTabTitle(lines.value(), tab));
    if (!rest.empty()) {
      PutPage(page, std::move(rest));
      outcome.tabStripChanged = true;
    } else {
      // The tab was the page's last content: the page goes.
      ini_->DropSection(page);
      outcome.pageListChanged = true;
    }
  }
  // An empty tab of a page that had no lines yet (a new album page) leaves
  // the page as it is: there was nothing to remove.
  if (Status saved = SaveOrRestore(before); !saved.ok()) return saved;
  return outcome;
}

Status FreeLayoutDocument::RenumberTabs(std::string_view page) {
  if (!HasPage(page)) return Status::Ok();
  const std::string before = ini_->ToText();
  PutPage(page, RenumberTabLines(*ini_->FindSection(page)));
  return SaveOrRestore(before);
}

Status FreeLayoutDocument::CreateAlbumPage(std::string_view name) {
  if (name.empty() || IsVersionSection(name) || HasControlCharacter(name)) {
    return Status::Error("アルバム名 '" + std::string(name) + "' は使えません");
  }
  if (HasPage(name)) return Status::Error("アルバム '" + std::string(name) + "' は既にあります");
  const std::string before = ini_->ToText();
  ini_->AppendSection(std::string(name), {});
  return SaveOrRestore(before);
}

Status FreeLayoutDocument::RemovePage(std::string_view page) {
  if (!HasPage(page)) return Status::Ok();
  const std::string before = ini_->ToText();
  ini_->DropSection(page);
  return SaveOrRestore(before);
}

Status FreeLayoutDocument::RenamePage(std::string_view page, std::string_view newName) {
  if (Status valid = CheckAlbumName(newName); !valid.ok()) return valid;
  if (!HasPage(page)) return Status::Error("アルバム '" + std::string(page) + "' がありません");
  if (EqualsNoCase(page, newName)) return Status::Ok();
  if (HasPage(newName)) return Status::Error("アルバム '" + std::string(newName) + "' は既にあります");
  const std::string before = ini_->ToText();
  std::vector<std::string> lines = ini_->SectionLines(page);
  ini_->DropSection(page);
  ini_->AppendSection(std::string(newName), std::move(lines));
  return SaveOrRestore(before);
}

Status FreeLayoutDocument::SetTabTitle(std::string_view page, int tab, std::string_view title) {
  if (!HasPage(page)) return Status::Error("ページ '" + std::string(page) + "' がありません");
  if (HasControlCharacter(title)) return Status::Error("タブの名前 '" + std::string(title) + "' は使えません");
  const std::string before = ini_->ToText();
  // The title line changes in place: the page keeps its place in the file.
  const std::string key = TabKey(tab);
  if (title.empty()) {
    while (ini_->HasKey(page, key)) ini_->DropKey(page, key);
  } else {
    ini_->SetValue(page, key, title);
  }
  return SaveOrRestore(before);
}

Status FreeLayoutDocument::MoveTabEarlier(std::string_view page, int tab) {
  if (tab < 1 || !HasPage(page)) return Status::Ok();
  const std::string before = ini_->ToText();
  PutPage(page, MoveTabEarlierLines(*ini_->FindSection(page), tab));
  return SaveOrRestore(before);
}

void FreeLayoutDocument::PutPage(std::string_view page, std::vector<std::string> lines) {
  // The section keeps the letter case it has in the file.
  std::string name(page);
  for (const auto& stored : ini_->SectionNames()) {
    if (EqualsNoCase(stored, page)) {
      name = stored;
      break;
    }
  }
  ini_->DropSection(page);
  ini_->AppendSection(std::move(name), std::move(lines));
}

Status FreeLayoutDocument::SaveOrRestore(const std::string& before) {
  Status saved = ini_->Save();
  if (!saved.ok()) ini_->ReplaceAll(SplitLines(before));
  return saved;
}

}  // namespace lumidex
