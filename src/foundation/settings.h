#pragma once

#include <string>
#include <vector>

namespace lumidex {

// Every user setting of the program, typed, with the value held when the
// stored value is absent. The window holds one Settings for the whole run:
// filled at start by LoadSettings (settings_load_store.h), read and changed
// in memory by every part of the program, written back at exit by
// StoreSettings. Each field names its stored value in quotes; "bool" values
// are stored as the integers 0 and 1 (any non-zero reads as true), "int"
// values as 32-bit integers, texts and lists as strings (a list as its lines
// joined with CR LF after every line).
//
// Ranges: a stored value outside the range given here is not taken at load;
// the field keeps its default and the value is reported as a problem.
// Plain value type, copyable and comparable. Not thread-safe.
struct Settings {
  // "updatepath": the program folder, written at load when absent; only an
  // outside updater reads it. Holds the stored (or just written) text.
  std::string updatepath;
  // "g-dir": a folder; emptied at load when it no longer exists.
  std::string gDir;
  // "slide": kept and written back; not otherwise used.
  int slide = 0;
  // "g-tool": path of the user's image editing program.
  std::string gTool;
  // "a-dir": last folder used to add files; emptied at load when gone.
  std::string aDir;
  // "cp-dir": last destination of copying files to a folder.
  std::string cpDir;
  // "dir1": file organiser destination folder ("整理先").
  std::string dir1;
  // "dir2": file organiser source folder ("整理元").
  std::string dir2;
  // "clr-no": colour scheme 0 "Gray", 1 "Navy", 2 "Purple", 3 "Wine Red",
  // 4 "Green". Range 0..4.
  int clrNo = 1;
  // "monday": show month and day in calendar cells.
  bool monday = false;
  // "hol-sw": show holidays in the calendar.
  bool holSw = false;
  // "subfld": file organiser includes files of subfolders.
  bool subfld = true;
  // "mvdelsw": file organiser deletes folders that became empty.
  bool mvdelsw = false;
  // "dayshadow": shadow under the day numbers.
  bool dayshadow = false;
  // "v-close": the left mouse button closes the enlarged view.
  bool vClose = false;
  // "alfha": opacity of pictures in calendar cells, 255 opaque. Range 10..255.
  int alfha = 100;
  // "cp-mod": file organiser grouping 0 "年", 1 "年月", 2 "年月日". Range 0..2.
  int cpMod = 0;
  // "g-level": picture quality of found files 0 "なし", 1 "低画質",
  // 2 "中画質", 3 "高画質". Range 0..3.
  int gLevel = 0;
  // "frame": frame around pictures in the image list.
  bool frame = true;
  // "scrolframeoff": simplified drawing while scrolling.
  bool scrolframeoff = false;
  // "hispc": extensions drawn in high quality, lower case with the dot, one
  // per line (see HighQualityTypesFromText).
  std::vector<std::string> hispc;
  // "extlist": further extensions allowed to be registered; the lines become
  // FileTypeLists::ManagedTypes at load.
  std::vector<std::string> extlist;
  // "hdd": use the disk cache of thumbnails.
  bool hdd = true;
  // "delhdd": delete the disk cache at exit.
  bool delhdd = false;
  // "mem": use the memory cache of thumbnails.
  bool mem = true;
  // "doublebuff": double-buffered drawing of the two lists.
  bool doublebuff = false;
  // "wdir": the thumbnail cache folder (ending in "jpgdat/") to write at
  // exit. Set at load when the stored folder exists (it then is also the
  // cacheDir); set by the option dialog when the user picks a new folder.
  // Empty means "do not write": a stored folder that did not exist at load
  // stays in the store untouched.
  std::string wdir;
  // "sear1": search does not tell half-width from full-width.
  bool sear1 = false;
  // "sear2": search does not tell hiragana from katakana.
  bool sear2 = false;
  // "bigico": files that are not pictures show large icons.
  bool bigico = true;
  // "backupdir": folder last used for album data export and import.
  std::string backupdir;
  // "subAjog": leave sub-albums out of the page-list tool window.
  bool subAjog = true;
  // "shortph": the "Short Path" option of automatic registration.
  bool shortph = false;
  // "langfrg": weekday names in English.
  bool langfrg = false;
  // "linestyle": calendar separator lines 0 "実線", 1 "点線", 2 "一点鎖線".
  // Range 0..2.
  int linestyle = 0;
  // "imgspace": free layout picture spacing. Range 8..32.
  int imgspace = 16;
  // "exifdate": sort Exif JPEG files by shooting date.
  bool exifdate = false;
  // "dataver": version of the data layout; 0 until load, which writes 1 on
  // the very first start (the caller then converts the free layout documents).
  int dataver = 0;
  // "tabline": free layout tabs on several rows.
  bool tabline = false;
  // "imgshadow": shadow under free layout pictures.
  bool imgshadow = false;
  // "freemode": free layout pages by album name instead of by date.
  bool freemode = false;
  // "bigsiz": height of large pictures in the image list (offered 96..128).
  // Range 1..4096.
  int bigsiz = 112;
  // "smlsiz": height of small pictures (offered 40..96). Range 1..4096.
  int smlsiz = 56;
  // "listlck": the page-lock password in its stored, scrambled form. The
  // page lock scrambles and unscrambles it; the store only carries the text.
  // Written at exit only when the store has no "listlck" yet.
  std::string listlck;
  // "spacexy": spacing used by free layout and printing.
  int spacexy = 3;
  // "usersiz": two 16-bit numbers of the print layout, stored as one 32-bit
  // value: usersizHigh in the high half, usersizLow in the low half. Each
  // 0..65535.
  int usersizHigh = 100;
  int usersizLow = 100;

  // Held for the run only, never stored (print options, default on).
  bool printTitle = true;     // "タイトルを印刷する"
  bool printSoftName = true;  // "ソフト名を印刷する"

  bool operator==(const Settings&) const = default;
};

}  // namespace lumidex
