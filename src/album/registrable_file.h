#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "foundation/file_types.h"

namespace lumidex {

class RegistrationPrompts;

// True when `path` can be stored as the name of an entry line: not empty,
// without "=", CR or LF, which would split or end the line, and valid UTF-8
// (a name in another encoding would come back from the album file as other
// text, naming a file that does not exist).
bool CanStoreAsKey(std::string_view path);

// The text of the managed-type question for `extension` (as written).
std::string ManagedTypeQuestion(std::string_view extension);

// The filter of the open dialog of "ファイルを選択": the picture types, then
// the part "|追加管理ファイル(...)|*..." of the managed types when there are
// any.
std::string AddFileDialogFilter(const std::vector<std::string>& managedTypes);
// `filter` with its part from "|追加管理" on replaced by the one of
// `managedTypes` (nothing appended when the list is empty).
std::string WithManagedTypesPart(std::string_view filter,
                                 const std::vector<std::string>& managedTypes);

// Decides, for one batch of files, which may be registered. A file is
// registrable when it exists (as a file, not a folder) and its extension is a
// picture type or a managed type. For an existing file of another extension
// the user is asked whether the extension becomes managed; "全て" keeps the
// answer for the rest of the batch. On Yes the extension is added to
// `types` (lower case, as the type lists keep extensions). A file without
// extension is never registered and never asked about. Holds references to
// both collaborators for the length of one batch.
class RegistrabilityCheck {
 public:
  RegistrabilityCheck(FileTypeLists& types, RegistrationPrompts& prompts)
      : types_(types), prompts_(prompts) {}

  bool IsRegistrable(const std::string& path);

  // Whether the extension of `path` is a picture type, or a managed type
  // when `includeManaged`; existence is not checked.
  static bool HasRegistrableType(std::string_view path, const FileTypeLists& types,
                                 bool includeManaged);

 private:
  FileTypeLists& types_;
  RegistrationPrompts& prompts_;
  std::optional<bool> remembered_;  // the "全て" answer of this batch
};

}  // namespace lumidex
