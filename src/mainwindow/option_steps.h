#pragma once

#include <string>
#include <vector>

#include "foundation/settings.h"
#include "foundation/status.h"

namespace lumidex {

// What the window has to do after the options were taken over.
struct OptionEffects {
  bool doubleBufferChanged = false;   // both lists switch their drawing
  bool pictureHeightChanged = false;  // the image list switches its picture size again
  bool freeLayoutRedraw = false;      // "imgshadow" changed
  bool weekdayNamesChanged = false;   // "langfrg" changed: calendar headings
  bool cacheFolderChanged = false;    // "wdir" names a new cache folder: make it, use it
  bool cacheUseChanged = false;       // "hdd" or "mem" changed: status bar redrawn
  bool managedTypesChanged = false;   // "extlist" changed: file filter rebuilt
  bool rebuildSummaries = false;      // "bigico" or "hispc" changed: page summaries rebuilt
  bool reloadImageList = false;       // cache use or managed types changed while a page is open
  bool schemeChanged = false;         // "clr-no" changed: colours applied at once

  bool operator==(const OptionEffects&) const = default;
};

// The window's situation, which the dialog shows beside the settings and
// which decides some effects.
struct OptionContext {
  bool largePicturesShown = true;  // the image list shows the large picture height now
  bool containerOpen = false;      // a page or sub-album is open
  // The cache folder in use, ending with "/" (the settings' "wdir" is empty
  // while the default folder is used); "" when the window has no album.
  std::string cacheDir;
  // The managed types as the file-type lists hold them, which the dialog
  // shows instead of the stored "extlist" lines.
  std::vector<std::string> managedTypes;
};

// What the window has to redo when the option dialog hands back `after` for
// the settings `before` it was opened on. Pure: compares the two and looks
// at nothing else.
// - The picture height switches only when the height in use (large or
//   small, as `context` says) changed.
// - The summaries are rebuilt when "hispc" or "bigico" changed; an open
//   page's list is reloaded when the cache use or the managed types changed.
OptionEffects OptionEffectsOf(const Settings& before, const Settings& after,
                              const OptionContext& context);

// The OK button's taking over of the settings the dialog handed back.
struct OptionTakeOver {
  Settings settings;      // what the window holds from now on
  OptionEffects effects;  // what it has to redo for them
  Status status;          // a step that failed, for the user; the rest was taken
};

// Takes `edited` over `before`. A new cache folder ("wdir" changed) is made
// first, with its parents; when it cannot be made the cache stays where it
// was ("wdir" as before) and the status is Error "ファイル %s を作成できません"
// with the folder; every other setting is taken all the same.
OptionTakeOver TakeOverOptions(const Settings& before, const Settings& edited,
                               const OptionContext& context);

// ---- The settings the dialog shows as text or as a list ----

// The fallbacks of the two picture heights.
inline constexpr int kLargePictureFallback = 112;
inline constexpr int kSmallPictureFallback = 56;

// The picture height typed in the dialog, or `fallback` when the text is not
// a whole number from 1 to 4096.
int PictureHeightFromText(const std::string& text, int fallback);
std::string PictureHeightText(int height);

// "hispc" as the dialog shows it, the lines without their breaks
// (".bmp.png"). HighQualityTypesFromText reads it back.
std::string HighQualityTypesText(const std::vector<std::string>& types);

// The work folder field: the folder that holds `cacheDir` ("/a/data/jpgdat/"
// gives "/a/data"); "" for "".
std::string CacheFolderText(const std::string& cacheDir);
// The "wdir" after the field was edited to `text`: the existing folder it
// names + "/jpgdat/" when that is not `cacheDir`, the folder in use; else
// `wdir` unchanged (a missing folder leaves the cache where it is, and the
// unchanged folder is not pinned in the settings). Reads the disk only to
// see whether the folder exists.
std::string EditedCacheFolder(const std::string& text, const std::string& cacheDir,
                              const std::string& wdir);

// The "extlist" after the managed types list was edited to `lines`: empty
// lines dropped and a dot put before each line without one, then lowered,
// sorted and without duplicates. When that gives the list `shown` (the
// managed types in use), `extlist` stays as it was.
std::vector<std::string> EditedManagedTypes(const std::vector<std::string>& lines,
                                            const std::vector<std::string>& shown,
                                            const std::vector<std::string>& extlist);

}  // namespace lumidex
