#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <memory>
#include <string>

#include "foundation/colour.h"
#include "freelayout/free_layout_document.h"
#include "freelayout/ui/free_layout_canvas.h"

class QLabel;

namespace lumidex {

class AlbumStore;
class FreeLayoutCommands;
class FreeLayoutTabRenderer;
class FreeLayoutTabStrip;
class FreePictureReader;
class ThumbnailCache;
struct Settings;

// The free layout view of the page side, read-only: the free layout
// document of the album's shown year and of the way the settings choose
// ("freemode": by date or by album name), the page shown (by date the page
// of the day the calendar or the page list chose; by album the last album
// page, else the first), its tab strip, the items of the selected tab on the
// canvas and the page counter "a/b". The document is opened again when the
// year or the way changes. Main thread only; the store, the widgets and the
// cache (may be null) must outlive the view.
class FreeLayoutView : public QObject {
  Q_OBJECT

 public:
  struct Widgets {
    FreeLayoutTabStrip* tabs = nullptr;  // TabControl1
    FreeLayoutCanvas* canvas = nullptr;  // FreePanel
    QLabel* counter = nullptr;           // Panel18
  };

  FreeLayoutView(AlbumStore& album, std::string albumDir, const ThumbnailCache* cache, Widgets widgets,
                 QObject* parent = nullptr);
  ~FreeLayoutView() override;

  // "freemode", "tabline", "imgshadow", "hispc" and the managed types.
  void ApplySettings(const Settings& settings);
  // The canvas colour: the colour scheme's light colour.
  void SetPageColour(Colour colour);
  // The window's "高画質".
  void SetHighQuality(bool on);

  // Opens the view on `page` ("mm/dd", by date; by album the last album
  // page is shown).
  void Enter(const std::string& page);
  void Leave();
  bool active() const { return active_; }
  // By date: shows the page of another day.
  void ShowDatePage(const std::string& page);
  // The album switched its year: the document of the new year is opened.
  void YearChanged();

  // Shows `page` of the open document at the tab captioned `title` (the
  // first exact match, else the first caption that begins with it, else the
  // first tab). Unsaved edits are dropped: callers ask ConfirmSaveTab first.
  void ShowSection(const std::string& page, const std::string& title = {});
  // Shows the shown page afresh from the document at tab `tab` (clamped to
  // the strip), after a command changed its tabs.
  void ReloadPage(int tab);
  // Adds an empty tab captioned count + 1 to the strip and shows it; it is
  // stored only when items are saved into it.
  void ShowNewTab();

  // The page shown: "mm/dd" or the album name; "" when there is none.
  const std::string& section() const { return section_; }
  // The tab shown (0 when the page has no tab strip).
  int tab() const { return tab_; }
  FreeLayoutDocument* document() const { return document_.get(); }
  // The editing commands of the canvas (menus, clipboard, dialogs).
  FreeLayoutCommands* commands() const { return commands_; }

  // The shown tab has edits that are not saved yet.
  bool modified() const { return modified_; }
  void SetModified(bool modified);
  // The save question before anything that would drop unsaved edits: with
  // no edits, true at once. Otherwise the question box "フリー配置" with Yes,
  // No and Cancel: Yes saves the shown tab (SaveShownTab) and gives its
  // result, so a failed save keeps the edits and refuses; No drops the edits
  // (the tab is shown as the file has it) and gives true; Cancel gives false.
  bool ConfirmSaveTab();
  // Writes the shown tab's items into the document and saves it; the tab
  // strip and the page counter follow what the save changed. False (after
  // reporting through `problem`) when the save fails; the edits then stay.
  bool SaveShownTab();
  // "不明ファイルの再設定": after the save question, re-points the missing
  // pictures of every free layout document to files of a chosen folder and
  // shows the shown tab again from its file.
  void RepairMissingFiles();
  // The heading of the page side while the view is open: "日付で配置 > 3月15日"
  // or "アルバムで配置 > " + the album name.
  QString Heading() const;
  // Draws every item of the shown tab again, the pictures from their files
  // (a file changed on disk, or the user asked for the latest state).
  void RedrawPictures();

 signals:
  // The heading changed (another page or way).
  void headingChanged(const QString& heading);
  // A message for the user: a document that cannot be read, item lines
  // that cannot be read.
  void problem(const QString& message);
  // The shown tab got unsaved edits, or lost them (saved, dropped, loaded).
  void modifiedChanged(bool modified);
  // The shown tab was written to the document.
  void tabSaved();
  // Another page or another document (year, way) is shown.
  void pageShown();

 private:
  void OpenDocument();
  void ShowPage(const std::string& section);
  void ShowTab(int tab);
  // A tab chosen on the tab strip: asks the save question first.
  void ChooseTab(int tab);
  // The shown tab's captions from the document.
  void RefreshTabStrip();
  FreeLayoutWay way() const;

  AlbumStore& album_;
  const std::string albumDir_;
  Widgets widgets_;
  QPointer<FreeLayoutCanvas> canvas_;  // widgets_.canvas while it lives
  std::unique_ptr<FreePictureReader> reader_;
  std::unique_ptr<FreeLayoutTabRenderer> renderer_;
  std::unique_ptr<FreeLayoutDocument> document_;
  FreeLayoutCommands* commands_ = nullptr;  // the canvas's editing commands
  bool byAlbum_ = false;
  bool active_ = false;
  bool modified_ = false;
  int tab_ = 0;
  std::string section_;
  std::string lastAlbum_;  // the album page shown last (by album)
};

}  // namespace lumidex
