#include "filetools/copy_to_folder.h"

#include <set>

#include "album/album_path.h"
#include "album/album_text.h"
#include "filetools/placement_file.h"
#include "foundation/data_folders.h"
#include "foundation/file_paths.h"
#include "foundation/mem_ini_file.h"

namespace lumidex {
namespace {

void AddCopy(CopyOutPlan& plan, std::set<std::string>& taken, const std::string& source,
             const std::string& folder, std::string section, std::string comment) {
  if (!FileExists(source)) return;
  const std::string target = DistinctTarget(folder + std::string(FileNameOf(source)), taken, false);
  plan.copies.push_back({{source, target}, std::move(section), std::move(comment)});
}

}  // namespace

std::optional<std::string> SubAlbumFolderName(std::string_view name) {
  if (name.empty() || name == "." || name == "..") return std::nullopt;
  std::string folder;
  for (const char c : name) {
    if (c == '/') {
      folder += "／";
    } else if (c == '\\') {
      folder += "＼";
    } else {
      folder += c;
    }
  }
  return folder;
}

CopyOutPlan PlanCopyOut(const std::vector<std::string>& lines, const TMemIniFile& subAlbumDocument,
                        const std::string& destination) {
  const std::string base = WithTrailingSlash(destination);
  CopyOutPlan plan;
  std::set<std::string> taken;
  for (const auto& line : lines) {
    const std::string_view name = EntryNameOf(line);
    if (!IsSubAlbumEntry(name)) {
      AddCopy(plan, taken, std::string(name), base, std::string(kPlacementPageSection),
              std::string(EntryCommentOf(line)));
      continue;
    }
    const std::string section(name.substr(1));
    const std::string subAlbum(SubAlbumNameOf(section));
    const std::optional<std::string> folder = SubAlbumFolderName(subAlbum);
    if (!folder) {
      plan.refused.push_back(subAlbum);
      continue;
    }
    plan.subAlbumSections.push_back(*folder);
    for (const auto& entry : subAlbumDocument.SectionLines(section)) {
      AddCopy(plan, taken, std::string(EntryNameOf(entry)), base + *folder + "/", *folder,
              std::string(EntryCommentOf(entry)));
    }
  }
  return plan;
}

CopyOutPlan PlanCopyPaths(const std::vector<std::string>& paths, const std::string& destination) {
  CopyOutPlan plan;
  std::set<std::string> taken;
  for (const auto& path : paths) {
    AddCopy(plan, taken, path, WithTrailingSlash(destination), std::string(kPlacementPageSection),
            "");
  }
  return plan;
}

CopyOutReport RunCopyOut(const CopyOutPlan& plan, const std::string& destination,
                         bool withPlacement, FileOperationPrompts& prompts,
                         LongOperation& progress) {
  CopyOutReport report;
  if (plan.copies.empty()) return report;
  std::vector<FileTransfer> transfers;
  transfers.reserve(plan.copies.size());
  for (const auto& copy : plan.copies) transfers.push_back(copy.transfer);
  report.transfer = TransferFiles(transfers, TransferMode::kCopy, prompts, progress);
  if (!withPlacement) return report;

  const std::string base = WithTrailingSlash(destination);
  MakeFolders(base);
  auto opened = TMemIniFile::Open(base + std::string(kPlacementFileName));
  if (!opened.ok()) {
    report.placement = opened.status();
    return report;
  }
  TMemIniFile& placement = *opened.value();
  placement.DropSection(kPlacementPageSection);
  for (const auto& section : plan.subAlbumSections) placement.DropSection(section);
  for (const auto& copy : plan.copies) {
    if (!FileExists(copy.transfer.target)) continue;
    placement.SetValue(copy.section, FileNameOf(copy.transfer.target), copy.comment);
  }
  report.placement = placement.Save();
  return report;
}

}  // namespace lumidex
