#pragma once

#include <QObject>
#include <QPointer>
#include <string>
#include <vector>

#include "mainwindow/ui/tool_select_dlg.h"

namespace lumidex {

class AlbumPrompts;
class AlbumStore;
class CalendarController;
class ImageListPanel;
class SearchCommands;
class TForm1;
class ThumbnailCache;

// The album list window in the window: "全てのアルバム" (`SpeedButton10`)
// and "表示" → "全てのアルバム" open it on the years (one window at a
// time), and "検索" → "検索"
// searches the whole album with the search dialog ("アルバムの画像検索") and
// lists the hits in it, with progress and "中止". Going to a row shows the
// year's month at the calendar's selected day, or opens the row's page,
// sub-album and entry. "サブアルバムは除く" starts from and goes back to the
// setting "subAjog". "削除(&D)" deletes the selected years, pages,
// sub-albums or files from the album. Main thread only; everything given must outlive this
// object.
class AlbumListCommands : public QObject {
  Q_OBJECT

 public:
  AlbumListCommands(TForm1& window, ImageListPanel& list, AlbumStore& album, CalendarController& calendar,
                    AlbumPrompts& prompts, SearchCommands& search);

  // "全てのアルバム".
  void ShowAlbum();
  // The day menu's "プロパティ" for the page of `date` ("yyyy/mm/dd"): with
  // an automatic cover the page's use in the other years in the window,
  // modal (going to a row shows that year's day); with a fixed cover file
  // that file's properties.
  void ShowPageUse(const std::string& date);
  // The window's "更新日に登録日を設定" for whole years: the question, then
  // every file of the years' pages takes its page's date.
  void SetYearFileDates(const std::vector<std::string>& years);
  // "検索": false when the user cancelled.
  bool SearchAlbum();
  TToolSelectDlg* window() const { return dialog_; }
  // The cache the icon view takes its pictures from first.
  void SetThumbnailCache(const ThumbnailCache* cache) { cache_ = cache; }

 signals:
  // Rows were deleted: the years, pages and lists shown must be read again.
  void albumChanged();

 private:
  // "削除(&D)" of the window: the question, then the deletion; the indexes
  // of the rows that went.
  std::vector<size_t> DeleteRows(const std::vector<AlbumListRow>& rows);
  TToolSelectDlg::Album Source();
  TToolSelectDlg& Dialog();

  TForm1& window_;
  ImageListPanel& list_;
  AlbumStore& album_;
  CalendarController& calendar_;
  AlbumPrompts& prompts_;
  SearchCommands& search_;
  QPointer<TToolSelectDlg> dialog_;
  const ThumbnailCache* cache_ = nullptr;
};

}  // namespace lumidex
