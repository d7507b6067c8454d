#pragma once

#include <string>
#include <vector>

#include "foundation/settings.h"

namespace lumidex {

// What the option dialog's controls hold when OK is pressed. Texts are as
// typed; the managed types are the lines of the dialog's list as edited.
struct OptionDialogValues {
  // "カレンダー"
  bool monday = false;
  bool holSw = false;
  bool dayshadow = false;
  bool vClose = false;
  bool langfrg = false;
  int linestyle = 0;
  int clrNo = 1;
  // "画像表示"
  int alfha = 100;
  std::string hispcText;    // the high-quality types as one line
  std::string cacheFolder;  // the folder the cache folder "jpgdat" lives in
  int gLevel = 0;
  bool hdd = true;
  bool delhdd = false;
  bool mem = true;
  bool frame = true;
  std::string bigsizText;
  std::string smlsizText;
  bool doublebuff = false;
  bool scrolframeoff = false;
  // "画像以外の管理"
  std::vector<std::string> managedTypes;
  bool bigico = true;
  // "フリー配置"
  int imgspace = 16;
  bool tabline = false;
  bool imgshadow = false;
  bool printTitle = true;
  // "印刷"
  bool printSoftName = true;
};

// The dialog's values for `settings`, as the dialog shows them on opening:
// the high-quality types on one line, the folder that holds `cacheDir`, and
// the managed types.
OptionDialogValues OptionValuesFrom(const Settings& settings, const std::string& cacheDir,
                                    const std::vector<std::string>& managedTypes);

// What the window has to do after the options were taken over.
struct OptionEffects {
  bool doubleBufferChanged = false;  // both lists switch their drawing
  bool pictureHeightChanged = false;  // the image list switches its picture size again
  bool freeLayoutRedraw = false;      // "imgshadow" changed
  bool weekdayNamesChanged = false;   // "langfrg" changed: calendar headings
  bool cacheFolderChanged = false;    // cacheDir replaced ("wdir" is written at exit)
  bool cacheUseChanged = false;       // "hdd" or "mem" changed: status bar redrawn
  bool managedTypesChanged = false;   // file filter rebuilt
  bool rebuildSummaries = false;      // "bigico" or "hispc" changed: page summaries rebuilt
  bool reloadImageList = false;       // cache use or managed types changed while a page is open
  bool schemeChanged = false;         // "clr-no" changed: colours applied at once

  bool operator==(const OptionEffects&) const = default;
};

// The state the OK button changes.
struct OptionState {
  Settings settings;
  std::string cacheDir;                   // ends with "/"
  std::vector<std::string> managedTypes;  // as FileTypeLists keeps them
};

// The window's situation that decides some effects.
struct OptionContext {
  bool largePicturesShown = true;  // the image list shows the large picture height now
  bool containerOpen = false;      // a page or sub-album is open
};

// Takes the dialog's values over into `state` in the order the OK button
// does, and says what the window has to redo.
// - "bigsiz" and "smlsiz" are read as integers; a text that is not a whole
//   number between 1 and 4096 falls back to 112 and 56.
// - The cache folder becomes `cacheFolder` + "/jpgdat/" (created when
//   missing) only when `cacheFolder` names an existing folder and that gives
//   a folder other than the current one; "wdir" then holds it.
// - The managed types: empty lines dropped, a dot put before each line
//   without one, then lowered, sorted and without duplicates.
// - "hispc" from its one-line text; replaced only when the list differs.
OptionEffects ApplyOptions(const OptionDialogValues& values, const OptionContext& context, OptionState& state);

// The picture height typed in the dialog, or `fallback` when the text is not
// a whole number from 1 to 4096.
int PictureHeightFromText(const std::string& text, int fallback);

}  // namespace lumidex
