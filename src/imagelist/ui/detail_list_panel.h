#pragma once

#include <QWidget>
#include <string>
#include <vector>

#include "foundation/status.h"
#include "imagelist/detail_rows.h"

class QAbstractButton;
class QAction;
class QCheckBox;
class QMenu;
class QTableView;

namespace lumidex {

class AlbumPrompts;
class AlbumStore;
class DetailListModel;
class ThumbnailCache;

// The detail list `ListPanel`: the report view `ListView1` of one page, one
// sub-album or a folder's files, with the up button "上へ", the check box
// "Jpeg Exif Info" (`CheckBox6`) that switches between the file columns and
// the shooting-information columns, the close button and the popup menu
// `PopupMenu3` (open, rename, delete, copy, paste, show in the file manager,
// properties). Clicking a column header sorts by it (the first sort after
// new rows fills every row, with "中止"), a second click reverses. Rename
// and delete change the entry lines of the shown section and save them at
// once. Main thread only; the store and prompts must outlive the panel.
class DetailListPanel : public QWidget {
  Q_OBJECT

 public:
  DetailListPanel(AlbumStore& store, AlbumPrompts& prompts, QWidget* parent = nullptr);

  // The rows of the page section `page` ("mm/dd") of the shown year.
  void ShowPage(const std::string& page);
  // The rows of the sub-album `section`; "上へ" goes back to its page.
  void ShowSubAlbum(const std::string& section);
  // The rows of the files `paths` (the folder view); nothing is saved.
  void ShowFolder(const std::vector<std::string>& paths);
  // More files of the folder view, after those shown (a walk that runs).
  void AppendFolder(const std::vector<std::string>& paths);
  // The thumbnail cache the small pictures are taken from (may be null);
  // must outlive the panel.
  void SetThumbnailCache(const ThumbnailCache* cache);

  const DetailListModel& model() const { return *model_; }
  QTableView& view() const { return *view_; }
  const std::string& section() const { return section_; }
  // The selected rows, in row order.
  std::vector<size_t> SelectedRows() const;

  // Sorts by `column` as a header click does.
  void SortBy(int column);
  void RenameSelected();
  // "不明ファイルの選択": selects every file row whose file is missing,
  // scrolls to the first and says how many there are.
  void SelectMissing();
  void DeleteSelected();
  void CopySelected();
  void Paste();
  void OpenRow(int row);
  void ExploreSelected();
  void ShowProperties();
  // Shows, hides and enables the items of `PopupMenu3` for the rows and
  // the selection as they are now (done each time the menu opens).
  void PrepareMenu();
  QMenu* menu() const { return menu_; }

  bool eventFilter(QObject* watched, QEvent* event) override;

 signals:
  // The close button was pressed.
  void closeRequested();
  // Entry lines were written: the image list and the calendar show them again.
  void albumChanged();
  // A row was selected: the text of the status bar for it.
  void rowSelected(const QString& status);
  // A row was selected: the index of its own line in the shown section, or
  // of its file among the folder view's files.
  void lineSelected(int line);
  // A sub-album row was opened (double click); `line` is its own line in
  // the shown page.
  void subAlbumOpened(int line);

 private:
  void RenameSubAlbums(const std::vector<size_t>& selected);
  void Load(std::vector<DetailRow> rows, std::string section, bool subAlbum);
  void ApplyColumns();
  bool FillAll();
  // Writes the changed `lines` of the shown section and reports the change;
  // false (with the error shown) when saving failed.
  bool WriteSection(std::vector<std::string> lines);
  // The entry lines of `section` as the album holds them now.
  std::vector<std::string> LinesOf(const std::string& section, bool subAlbum) const;
  std::vector<std::string> SectionLines() const;
  // Writes the sub-album document now when that writes nothing else pending.
  Status SaveSubAlbums();
  void GoUp();

  AlbumStore& store_;
  AlbumPrompts& prompts_;
  DetailListModel* model_ = nullptr;
  QTableView* view_ = nullptr;
  QCheckBox* exifBox_ = nullptr;
  QAbstractButton* upButton_ = nullptr;
  QMenu* menu_ = nullptr;
  QAction* open_ = nullptr;
  QAction* rename_ = nullptr;
  QAction* delete_ = nullptr;
  QAction* copy_ = nullptr;
  QAction* paste_ = nullptr;
  QAction* selectMissing_ = nullptr;
  QAction* explore_ = nullptr;
  QAction* properties_ = nullptr;
  DetailSortState sort_;
  std::string section_;  // "" for the folder view
  bool subAlbum_ = false;
};

}  // namespace lumidex
