#include "filetools/placement_file.h"

#include "album/album_info_line.h"
#include "album/album_store.h"
#include "album/album_text.h"
#include "album/entry_registration.h"
#include "foundation/file_paths.h"
#include "album/registrable_file.h"
#include "foundation/mem_ini_file.h"

namespace lumidex {

Result<PlacementImport> ImportPlacement(AlbumStore& store, std::string_view pageKey,
                                        const std::string& folder) {
  const std::string page(pageKey.substr(0, 5));
  if (!IsPageKey(page)) return Status::Error("ページの日付が正しくありません。");
  if (store.SubAlbumOpen()) return Status::Error("サブアルバムが開かれています。");
  if (store.modified()) {
    if (Status s = store.SaveCurrent(false); !s.ok()) return s;
  }
  const std::string base = folder.ends_with('/') ? folder : folder + "/";
  auto opened = TMemIniFile::Open(base + std::string(kPlacementFileName), store.fileStore());
  if (!opened.ok()) return opened.status();
  const TMemIniFile& placement = *opened.value();
  PlacementImport result;
  for (const auto& section : placement.SectionNames()) {
    result.hadSections = true;
    const bool onPage = section == kPlacementPageSection;
    if (!onPage && !IsPlainName(section)) continue;
    const std::string subSection = page + section;
    bool anyFile = false;
    for (const auto& key : placement.KeyNames(section)) {
      if (!IsPlainName(key)) continue;
      const std::string path = onPage ? base + key : base + section + "/" + key;
      if (!FileExists(path)) continue;
      if (!CanStoreAsKey(path)) {
        ++result.unstorable;
        continue;
      }
      anyFile = true;
      // The value is the comment the entry had where the files were copied
      // from (empty in files of older versions).
      const std::string comment = StoredComment(placement.GetValue(section, key, ""));
      if (onPage && !store.yearDocument().HasKey(page, path)) {
        store.ChangeYearDocument([&](TMemIniFile& doc) { doc.SetValue(page, path, comment); });
      } else if (!onPage && !store.subAlbumDocument().HasKey(subSection, path)) {
        store.ChangeSubAlbumDocument(
            [&](TMemIniFile& doc) { doc.SetValue(subSection, path, comment); });
      }
    }
    if (!onPage && anyFile && !store.yearDocument().HasKey(page, "@" + subSection)) {
      store.ChangeYearDocument([&](TMemIniFile& doc) { doc.SetValue(page, "@" + subSection, ""); });
    }
  }
  if (store.PageOpen()) store.ReloadLines();
  if (Status s = store.SaveCurrent(false); !s.ok()) return s;
  if (Status s = store.SaveYearDocument(); !s.ok()) return s;
  RecountPage(store, page);
  store.RefreshPageList();
  return result;
}

}  // namespace lumidex
