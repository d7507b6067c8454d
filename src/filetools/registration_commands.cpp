#include "filetools/registration_commands.h"

#include "album/album_store.h"
#include "album/album_text.h"
#include "foundation/file_paths.h"
#include "album/registrable_file.h"
#include "foundation/file_store.h"
#include "foundation/file_types.h"
#include "foundation/folder_walk.h"

namespace lumidex {

Result<RegistrationTally> PasteEntries(AlbumStore& store, EntryRegistration& registration,
                                       const std::vector<std::string>& lines, IncomingKind kind,
                                       std::string_view page) {
  if (lines.empty()) return RegistrationTally{};
  if (store.PageOpen()) return registration.AddToContainer(lines, kind);
  if (!IsPageKey(page)) return RegistrationTally{};
  return registration.AddToPage(page, lines, kind);
}

Result<RegistrationTally> DropFiles(AlbumStore& store, EntryRegistration& registration,
                                    const DropAction& action,
                                    const std::vector<std::string>& paths) {
  switch (action.kind) {
    case DropAction::Kind::kAddToContainer:
      if (!store.PageOpen()) return RegistrationTally{};
      return registration.AddToContainer(paths, IncomingKind::kPaths);
    case DropAction::Kind::kAddToPage:
      if (store.PageOpen()) return RegistrationTally{};
      return registration.AddToPage(action.page, paths, IncomingKind::kPaths);
    case DropAction::Kind::kIgnore:
    case DropAction::Kind::kFreeLayoutText:
      break;
  }
  return RegistrationTally{};
}

Result<FolderSearchOutcome> AddFromFolder(AlbumStore& store, EntryRegistration& registration,
                                          const FolderSearchRequest& request, std::string_view page,
                                          LongOperation& progress) {
  if (!FolderExists(request.folder)) return Status::NotFound(CannotOpenMessage(request.folder));
  const std::vector<std::string> paths = ListFilesBelow(request.folder, {request.includeHidden});
  FolderSearchOutcome outcome;
  std::vector<std::string> found;
  int done = 0;
  progress.Begin(static_cast<int>(paths.size()));
  for (const std::string& path : paths) {
    if (RegistrabilityCheck::HasRegistrableType(path, store.types(), request.includeManaged)) {
      found.push_back(path);
    }
    if (progress.Step(++done, path)) {
      outcome.stopped = true;
      break;
    }
  }
  progress.End();
  outcome.found = static_cast<int>(found.size());
  if (outcome.stopped || found.empty()) return outcome;
  Result<RegistrationTally> tally =
      PasteEntries(store, registration, found, IncomingKind::kPaths, page);
  if (!tally.ok()) return tally.status();
  outcome.tally = tally.value();
  return outcome;
}

}  // namespace lumidex
