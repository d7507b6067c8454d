#pragma once

#include <QObject>
#include <QPoint>
#include <string>
#include <vector>

#include "album/favourites.h"

class QAction;
class QMenu;

namespace lumidex {

class AlbumPrompts;
class AlbumStore;
class CalendarController;
class ImageListPanel;
class TForm1;

// The favourites panel beside the list: "お気に入り" (`SpeedButton21`, which
// the multi-column list mode shows while the detail list is hidden) shows
// it with the favourites of the loaded year, or of the open page only, and
// hides and empties it; it follows the year and the page opened or left.
// The list's menu adds the selected entries of the open page or sub-album
// ("お気に入りに追加"). The panel's menu `PopupMenu5` opens a favourite's
// page or sub-album (also by double click) and selects it in the list,
// copies the files, pastes files as temporary rows that are never stored,
// selects all and deletes favourites (only the bookmarks). Pages locked in
// the loaded year are not listed. While the free layout view is shown
// (beside the panel) a favourite is dragged onto its page by a press near
// the list's left edge; shown by album name, the panel lists the whole
// year's favourites. Main thread only; everything given must
// outlive this object.
class FavouritesView : public QObject {
  Q_OBJECT

 public:
  FavouritesView(TForm1& window, ImageListPanel& list, AlbumStore& album, CalendarController& calendar,
                 AlbumPrompts& prompts);

  // Fills the panel again from the favourites document of the loaded year.
  void Refresh();
  // "お気に入りに追加": the selected entries of the open container.
  void AddSelected();
  // Opens the favourite of `row` and selects its entry in the list.
  void Open(int row);
  void DeleteSelected();
  void CopySelected();
  void Paste();

  const std::vector<FavouriteRow>& rows() const { return rows_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // The existing files of `rows`: a favourite file, or a sub-album's files.
  std::vector<std::string> FilesOf(const std::vector<int>& rows) const;
  void Show(bool shown);
  void AppendRow(const FavouriteRow& row);
  std::vector<int> SelectedRows() const;
  std::string Document() const;

  TForm1& window_;
  ImageListPanel& list_;
  AlbumStore& album_;
  CalendarController& calendar_;
  AlbumPrompts& prompts_;
  QMenu* menu_ = nullptr;
  // Where a press that may start dragging a favourite was made; x < 0: none.
  QPoint dragFrom_{-1, -1};
  // A press within this many pixels of the list's left edge picks a
  // favourite up.
  static constexpr int kDragEdge = 32;
  QAction* addToFavourites_ = nullptr;
  std::vector<FavouriteRow> rows_;  // in the order of the panel's rows
};

}  // namespace lumidex
