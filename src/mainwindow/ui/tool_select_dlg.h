#pragma once

#include <QDialog>
#include <QImage>
#include <QSize>
#include <functional>
#include <string>
#include <vector>

#include "album/album_list_rows.h"

class QAbstractButton;
class QAction;
class QCheckBox;
class QLabel;
class QMenu;
class QTreeWidget;

namespace lumidex {

class AlbumListPictures;

// The album list window `TToolSelectDlg` ("全てのアルバム"), beside the
// calendar, not modal. In album mode it lists every year with its counts;
// for a selected year it lists the sub-albums ("サブアルバム"), the pages
// ("ページ") or the files ("全てのファイル", or from the menu only the
// pictures or the others; "サブアルバムは除く" leaves the sub-albums' files
// out), and "戻る" gives the years back. In result mode it lists the hits
// of the album search under its message, a hit gone to when selected.
// Going to a row (button, menu, double click, Enter) shows the year's month
// or opens the row's page, sub-album and entry; "コピー(&C)" puts the rows'
// files on the clipboard; "削除(&D)" (or the Delete key) deletes them from
// the album.
// A click on the header sorts by text, each click reversing. Rows show
// their file's type icon, and in the lists of a year "アイコン表示" shows a
// small picture of each file instead.
class TToolSelectDlg : public QDialog {
  Q_OBJECT

 public:
  // What the window needs of the album.
  struct Album {
    std::function<std::vector<AlbumListRow>()> yearRows;
    // Runs the function with the documents of a year ("yyyy").
    std::function<void(const std::string& year, const std::function<void(const YearDocuments&)>&)> withYear;
    std::function<bool(const std::string& year, std::string_view page)> locked;
    std::function<void(const AlbumListRow& row)> goTo;
    // The files a row stands for (a page's or a sub-album's files).
    std::function<std::vector<std::string>(const AlbumListRow& row)> filesOf;
    // "更新日に登録日を設定" for the years ("yyyy") of the selected rows.
    std::function<void(const std::vector<std::string>& years)> setFileDates;
    // "削除(&D)": asks, deletes, and gives the indexes (into `rows`) of the
    // rows that went.
    std::function<std::vector<size_t>(const std::vector<AlbumListRow>& rows)> deleteRows;
    LongOperation* progress = nullptr;
    // The picture of a row's file for the icon view; unset when the album
    // makes no pictures of files (then there is no icon view).
    std::function<QImage(const std::string& path, QSize bound)> picture;
  };

  TToolSelectDlg(Album album, bool withoutSubAlbums, QWidget* parent = nullptr);

  // Album mode: the years, caption "全てのアルバム".
  void ShowAlbum();
  // Result mode: `rows` under `caption` and `message`.
  void ShowResults(const QString& caption, const QString& message, std::vector<AlbumListRow> rows);
  // Result mode while a search runs: adds `rows` below those shown.
  void AppendResults(const QString& message, const std::vector<AlbumListRow>& rows);
  // The lists of the selected year.
  void ShowSubAlbums();
  void ShowPages();
  void ShowFiles(FileListKind kind);
  void Back();
  void GoToSelected();
  void CopySelected();
  // Album mode only: deletes the selected rows and drops those that went.
  void DeleteSelected();
  void SetFileDatesOfSelected();

  bool withoutSubAlbums() const;
  const std::vector<AlbumListRow>& rows() const { return rows_; }
  QTreeWidget& list() const { return *list_; }
  QLabel& label() const { return *label_; }

 private:
  enum class Mode { kYears, kYearList, kResults };
  void SetRows(std::vector<AlbumListRow> rows);
  void AddItems(size_t first);
  void SetMode(Mode mode);
  // The year of the single selected year row; "" otherwise.
  std::string SelectedYear() const;
  std::vector<int> SelectedRows() const;
  void SortByText();

  Album album_;
  Mode mode_ = Mode::kYears;
  std::vector<AlbumListRow> rows_;
  std::string yearSelected_;
  std::string listYear_;
  bool ascending_ = true;
  QLabel* label_ = nullptr;
  QCheckBox* excludeSubAlbums_ = nullptr;
  QTreeWidget* list_ = nullptr;
  QAbstractButton* subAlbumsButton_ = nullptr;
  QAbstractButton* pagesButton_ = nullptr;
  QAbstractButton* filesButton_ = nullptr;
  QAbstractButton* backButton_ = nullptr;
  QAbstractButton* goButton_ = nullptr;
  QAbstractButton* iconViewButton_ = nullptr;
  AlbumListPictures* pictures_ = nullptr;
  QMenu* menu_ = nullptr;
  QAction* goAction_ = nullptr;
  QAction* subAlbumsAction_ = nullptr;
  QAction* pagesAction_ = nullptr;
  QAction* filesAction_ = nullptr;
  QAction* fileDatesAction_ = nullptr;
  QAction* deleteAction_ = nullptr;
};

}  // namespace lumidex
