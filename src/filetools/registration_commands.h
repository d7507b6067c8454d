#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "album/drop_target.h"
#include "album/entry_registration.h"
#include "foundation/long_operation.h"
#include "foundation/status.h"

namespace lumidex {

class AlbumStore;

// The commands that bring files in, as the window runs them: each decides
// between the open container and a page of the shown year, then hands the
// lines to EntryRegistration. Free functions; the caller holds the store and
// the registration for the length of the call.

// "貼り付け(&P)": into the open page or sub-album, else into `page` (the page
// selected in the page list or the calendar cell's page). Nothing happens
// for an empty `lines`, or without a container and a page key.
Result<RegistrationTally> PasteEntries(AlbumStore& store, EntryRegistration& registration,
                                       const std::vector<std::string>& lines, IncomingKind kind,
                                       std::string_view page);

// Files dropped from the file manager, routed by RouteDrop: into the open
// container, or onto the page under the drop point (created when missing).
// An ignored drop (and a drop on the free layout, which the window pastes as
// text itself) adds nothing.
Result<RegistrationTally> DropFiles(AlbumStore& store, EntryRegistration& registration,
                                    const DropAction& action,
                                    const std::vector<std::string>& paths);

// "フォルダから検索": counts the files below `folder` to size the progress,
// then collects the registrable ones (picture types, and managed types when
// `includeManaged`) with `progress`, and adds them to the open container or
// to `page`. A pressed "中止" adds nothing (`stopped` is set). Errors:
// NotFound when `folder` is no folder; the errors of the addition.
struct FolderSearchRequest {
  std::string folder;
  bool includeManaged = true;
  bool includeHidden = false;
};
struct FolderSearchOutcome {
  RegistrationTally tally;
  int found = 0;
  bool stopped = false;
};
Result<FolderSearchOutcome> AddFromFolder(AlbumStore& store, EntryRegistration& registration,
                                          const FolderSearchRequest& request, std::string_view page,
                                          LongOperation& progress);

}  // namespace lumidex
