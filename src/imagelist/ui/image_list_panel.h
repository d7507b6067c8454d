#pragma once

#include <QString>
#include <QVector>
#include <QWidget>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "album/entry_moves.h"
#include "foundation/settings.h"
#include "imagelist/folder_lines.h"
#include "imagelist/image_list.h"
#include "imagelist/list_selection.h"
#include "imagelist/page_menu_rules.h"
#include "imagelist/ui/image_list_delegate.h"
#include "images/thumbnail_request.h"

class QCheckBox;
class QToolButton;

namespace lumidex {

class AlbumStore;
class ImageListModel;
class ListView2;
class ListPopupMenu;
class ListWorker;
class ListWorkerTimer;
class LongOperation;
class MemoPanel;
class PageOperations;
class ThumbnailScheduler;
class ThumbnailCache;
class ThumbnailPipeline;
class WorkerClock;

// The image list panel the main window places: the list's own buttons
// ("更新日を表示", "同種ファイルの選択", "Exif"), ListView2 and the comment
// editor MemoPanel. It shows what the album store holds (the page list, or
// the open page or sub-album) or a folder's pictures, keeps the thumbnail
// scheduler running over the visible items, and runs the page and sub-album
// operations of the list and the calendar through PageOperations, mirroring
// every change of the store's lines afterwards. Saving never needs this
// widget: all edits are in the store. The commands whose controls the host
// shows ("戻る", "適用", the picture size, the heading) are slots and
// accessors here; the panel makes no controls for them.
//
// One class over several files, by concern: building and looks
// (image_list_panel.cpp), what the list shows and the clicks on it
// (_content), the page and sub-album operations (_operations), moving
// entries (_reorder), and scrolling with the thumbnail work (_scrolling).
//
// Main thread only. The store, the operations, the cache (may be null) and
// the clock must outlive the panel.
class ImageListPanel : public QWidget {
  Q_OBJECT

 public:
  ImageListPanel(AlbumStore& store, PageOperations& operations, ThumbnailCache* cache,
                 ImageContext context, const WorkerClock& clock, QWidget* parent = nullptr);
  ~ImageListPanel() override;

  // Picture sizes, frame, memory cache and simplified scrolling.
  void ApplySettings(const Settings& settings);
  // The window's colours (scheme and list background).
  void SetColours(const ListLook& colours);
  // Marks of the page list that belong to other parts (free layout pages).
  void SetFreeLayoutPageTest(std::function<bool(std::string_view page)> test);
  // The window's progress and abort for the folder walk; null: none.
  void SetLongOperation(LongOperation* progress) { progress_ = progress; }
  // Starts the thumbnail worker (it waits for the first data hint).
  void StartWorker();
  // Stops the worker for good (window close).
  void StopWorker();

  // "画像サイズの切換": the small picture height ("smlsiz") instead of the
  // large one; the visible items are prepared again.
  void SetSmallPictures(bool small);
  bool smallPictures() const { return smallPictures_; }
  // The heading of what the list shows: the open container's title, the
  // folder, or the page list of the year (or of all years).
  const QString& headingText() const { return heading_; }

  // ---- What the list shows ----

  // Shows the store's current lines afresh (the page list, or the open
  // container), dropping every thumbnail record.
  void ShowCurrent();
  // Mirrors the store after an operation: a new container is shown afresh,
  // changed lines of the same container are taken over keeping the
  // thumbnails of entries that stayed.
  void SyncWithStore();
  // Shows the pictures and managed files below `folder` (folder mode) after
  // saving and leaving an open container. False when the folder cannot be
  // walked or the walk was aborted; the list is unchanged then.
  bool ShowFolder(const std::string& folder, const FolderWalkOptions& options);
  // The folder of folder mode; "" otherwise.
  const std::string& folder() const { return folder_; }

  // ---- Operations (list buttons, menus, keys) ----

  void OpenRow(int row);  // double click, Enter
  // The menu's open item: pages and sub-albums open, a file's folder is
  // shown in the file browser.
  void OpenFromMenu(int row);
  void GoBack();                             // "戻る", Backspace
  void ApplyChanges();                       // "適用"
  void RevertChanges();                      // "元に戻す(&U)"
  void CreatePage(const std::string& page);  // calendar "アルバムにページを作成"
  // "サブアルバムの作成": `page` from the calendar, or "" for the page
  // selected in the page list or the open page.
  void CreateSubAlbum(const std::string& page);
  void RenameSelected();                             // "変更" -> "名前"
  void DeleteSelected();                             // "削除(&D)", Delete
  void DeleteCalendarPage(const std::string& page);  // calendar "削除(&D)"
  void SetCommentOfSelection(const QString& text);   // the comment editor's apply button
  // Moves the selected rows as one block onto `target` (drag and drop).
  void MoveSelection(const QVector<int>& selected, int target);
  // "↑" and "↓": each selected line of the open container moves by one;
  // the lines stay selected and the first of them is scrolled into view.
  void MoveSelectedUp();
  void MoveSelectedDown();
  // "名前で整列", "種類で整列", "パスで整列" of the open container.
  void SortLines(SortOrder order);
  // The selected rows as indexes into the store's lines (none in folder
  // mode, whose items are not album lines).
  std::vector<size_t> SelectedLines() const;
  // Selects only `row` and scrolls it into view (another view of the same
  // entries chose it).
  void SelectRow(int row);
  // Double click on empty space: selects a group (see SelectGroup).
  void SelectGroupOf(bool altHeld);

  // The facts the popup menu goes by, for the current selection.
  ListPopupFacts MenuFacts() const;
  // Whether a slide show runs (the menu and drags are then limited).
  void SetSlideShowRunning(bool running);
  // Whether the clipboard holds something to paste, for the menu.
  void SetPasteTest(std::function<bool()> test) { pasteTest_ = std::move(test); }

  // ---- Layout and thumbnails, for the page side's modes ----

  // Lays the list out in several columns (`on`, the multi-column mode) or
  // in one. The selection and the current item are kept and scrolled into
  // view in the new shape; `reshape`, the host's change of the list's room,
  // runs in the middle while the list does not paint. The thumbnails of the
  // newly visible items are prepared again.
  void SwitchMultiColumn(bool on, bool highQuality, const std::function<void()>& reshape);
  // How thumbnails are decoded and scaled: in the multi-column mode, and
  // with "高画質" (`highQuality`). The list is redrawn.
  void SetThumbnailOptions(bool multiColumn, bool highQuality);
  // The number of selected items.
  int selectedCount() const;
  // The area of the list's items, which a card laid over the list covers.
  QWidget& itemArea() const;
  // The list's background colour.
  Colour listColour() const { return look_.listColour; }
  // Gives the list the keyboard focus.
  void FocusList();

  // ---- Parts, for the window and for tests ----

  ListPopupMenu* popupMenu() const { return menu_; }
  ImageList& list() { return *list_; }
  ListView2* view() const { return view_; }
  MemoPanel* memo() const { return memo_; }
  ImageListDelegate* delegate() const { return delegate_; }
  ThumbnailPipeline* pipeline() const { return pipeline_; }
  // The thumbnail work's state, for tests and benchmarks.
  const ListWorker& thumbnailWorker() const;
  QToolButton* datesButton() const { return datesButton_; }
  QToolButton* sameKindButton() const { return sameKindButton_; }
  const ClickedKind& lastClickedKind() const { return lastKind_; }

 signals:
  // A page of the page list was clicked ("mm/dd"): the calendar goes there.
  void pageClicked(const QString& page);
  // An entry of a container or folder was clicked: a file's `path` (the
  // picture view may show it), or "" for a sub-album; `row` is its row.
  void entryClicked(const QString& path, int row);
  // The text of the third status panel.
  void statusText(const QString& text);
  // A container or folder was shown, or the page list again; the heading
  // may have changed.
  void contentChanged();
  // A folder walk began; while it runs, the files found so far arrive as
  // their lines (path + "="), in the order of the walk.
  void folderWalkStarted(const std::string& folder);
  void folderLinesFound(const std::vector<std::string>& lines);
  // An operation failed with this message (the window's error report).
  void operationFailed(const QString& message);
  // Whether thumbnails are kept in memory (the memory-cache indicator).
  void memoryCacheIndicator(bool on);

 protected:
  // The Exif tooltip of the list's items.
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  struct Position {
    int scroll = 0;
    QVector<int> selection;
  };

  // image_list_panel.cpp
  void BuildLayout();
  void ConnectView();
  void UpdateLook();
  ItemDataSources MakeSources();
  // The album facts of the page list's rows, with the free layout test.
  PageRowFacts MakePageRowFacts(std::function<bool(std::string_view page)> freeLayoutPage);
  // _content.cpp
  void Refresh(bool fresh);
  // Reads the disk cache's thumbnails of the items that `lines`, a
  // container about to be shown from its top, puts on the first screen,
  // and starts decoding them, so that they are decoded while the list is
  // filled and laid out.
  void ReadAheadFirstScreen(const std::vector<std::string>& lines);
  void UpdateHeading();
  void OnItemClicked(int row);
  // _operations.cpp
  void Report(const Status& status);
  std::vector<size_t> Selection() const;
  // _reorder.cpp
  // Takes over `lines`, the open container's lines in a new order, keeping
  // each item's record; `selected` lines (by old index) stay selected.
  void TakeReorderedLines(std::vector<std::string> lines, const std::vector<size_t>& selected);
  // _scrolling.cpp
  void PauseWorker();
  void OnDataHint(int first, int last);
  // The vertical scroll bar is dragged (or let go): thumbnails are drawn
  // for speed meanwhile, and redrawn in full afterwards.
  void OnScrollBarDragged(bool dragging);

  AlbumStore& store_;
  PageOperations& operations_;
  ThumbnailCache* const cache_;
  const ImageContext context_;
  LongOperation* progress_ = nullptr;

  std::unique_ptr<ImageList> list_;
  std::unique_ptr<ThumbnailScheduler> scheduler_;
  ThumbnailPipeline* pipeline_ = nullptr;
  ListWorkerTimer* timer_ = nullptr;
  ImageListModel* model_ = nullptr;
  ImageListDelegate* delegate_ = nullptr;

  QToolButton* datesButton_ = nullptr;
  QToolButton* sameKindButton_ = nullptr;
  QCheckBox* exifBox_ = nullptr;
  ListView2* view_ = nullptr;
  MemoPanel* memo_ = nullptr;
  ListPopupMenu* menu_ = nullptr;
  bool slideShowRunning_ = false;
  std::function<bool()> pasteTest_;

  Settings settings_;
  ListLook look_;
  bool smallPictures_ = false;
  QString heading_;
  ClickedKind lastKind_;
  std::string shownSection_;         // the section shown, "" for the page list
  std::string folder_;               // the folder shown in folder mode
  std::vector<Position> positions_;  // where the list stood before each open
  bool workerStarted_ = false;
  int memoryLoad_ = 0;
  int64_t memoryLoadAt_ = -1;
};

}  // namespace lumidex
