#pragma once

#include <QWidget>

class QAbstractButton;
class QLabel;
class QToolBar;
class QTreeWidget;
class QVBoxLayout;

namespace lumidex {

class FreeLayoutCanvas;
class FreeLayoutTabStrip;
class FreeLayoutTree;

// The page side of the window, `GrpPanel`, right of the splitter: the
// toolbar `Panel13` (with the hidden `ToolPanel`), the heading `NamePanel`,
// the image list `ListView2` (the list panel, which holds the comment
// editor `MemoPanel` below `Splitter1`) with the preview `Image3` and the
// favourites `Panel15`, the free layout `FreeAlbumPanel`, the detail list `ListPanel` shown over the list,
// and the bar `Panel16` below. The panel creates its controls and hands
// them out typed; the views of the page side that other parts build take
// the place of a placeholder here (PlaceImageList). Start state: the page
// list, with the views of other states hidden. Main thread only.
class PageSidePanel : public QWidget {
  Q_OBJECT

 public:
  // The buttons of the toolbar `Panel13`, in their order.
  struct Toolbar {
    QAbstractButton* back = nullptr;            // SpeedButton14 "戻る"
    QAbstractButton* up = nullptr;              // SpeedButton15 "↑"
    QAbstractButton* down = nullptr;            // SpeedButton16 "↓"
    QAbstractButton* size = nullptr;            // SpeedButton17 "サイズ"
    QAbstractButton* comment = nullptr;         // CommentSpBtn "コメント"
    QAbstractButton* apply = nullptr;           // SpeedButton28 "適用"
    QAbstractButton* multiColumn = nullptr;     // SpeedButton12 "複数列"
    QAbstractButton* allPages = nullptr;        // AllPageSpBtn "全ページ"
    QAbstractButton* dayDetail = nullptr;       // SpeedButton31 "詳細"
    QAbstractButton* favourites = nullptr;      // SpeedButton21 "お気に入り"
    QAbstractButton* freeLayout = nullptr;      // FreeAlbSpBtn "フリー配置"
    QAbstractButton* freeLayoutTree = nullptr;  // TreeOnSpBtn "一覧"
    QAbstractButton* byDate = nullptr;          // AlbDayRegBtn "日付"
    QAbstractButton* fileDetail = nullptr;      // SpeedButton36 "詳細"
    QAbstractButton* dates = nullptr;           // SpeedButton11 "更新日"
    QAbstractButton* banMove = nullptr;         // BanMoveSpBtn "移動"
    QAbstractButton* moreTools = nullptr;       // SpeedButton37 "他"
    QToolBar* toolBar1 = nullptr;               // ToolBar1 in ToolPanel, shown by moreTools
  };

  // The controls of the bottom bar `Panel16`.
  struct BottomBar {
    QAbstractButton* goToDay = nullptr;      // SpeedButton19 "この日に移動"
    QAbstractButton* enlarge = nullptr;      // CheckBox2 "拡大" (multi-column mode only)
    QAbstractButton* stretch = nullptr;      // CheckBox3 "ストレッチ" (multi-column mode only)
    QAbstractButton* highQuality = nullptr;  // CheckBox4 "高画質"
    QAbstractButton* exif = nullptr;         // CheckBox5 "Exif"
  };

  // The free layout view `FreeAlbumPanel` and its parts.
  struct FreeLayout {
    QWidget* panel = nullptr;              // FreeAlbumPanel
    FreeLayoutTabStrip* tabs = nullptr;    // TabControl1
    FreeLayoutCanvas* canvas = nullptr;    // FreePanel
    QLabel* counter = nullptr;             // Panel18
    FreeLayoutTree* tree = nullptr;        // TreeView1 (hidden until TreeOnSpBtn)
    QAbstractButton* previousPage = nullptr;  // SpeedButton34
    QAbstractButton* nextPage = nullptr;      // SpeedButton35
    QAbstractButton* addTab = nullptr;        // TabAddSpBtn
    QAbstractButton* moveTab = nullptr;       // TabMoveSpBtn
  };

  // The favourites panel beside the list.
  struct Favourites {
    QWidget* panel = nullptr;           // Panel15
    QLabel* title = nullptr;            // Panel17
    QTreeWidget* list = nullptr;        // ListView3
    QAbstractButton* close = nullptr;   // SpeedButton32
  };

  explicit PageSidePanel(QWidget* parent = nullptr);

  const Toolbar& toolbar() const { return toolbar_; }
  QWidget* toolbarPanel() const { return toolbarPanel_; }  // Panel13
  const BottomBar& bottomBar() const { return bottomBar_; }
  QLabel* namePanel() const { return namePanel_; }
  const FreeLayout& freeLayout() const { return freeLayout_; }
  const Favourites& favourites() const { return favourites_; }
  // Shows the free layout in the place of the list and the comment editor,
  // or the list again.
  void ShowFreeLayout(bool shown);
  // The image list in its place: the placeholder until PlaceImageList.
  QWidget* imageList() const { return imageList_; }

  // Puts `list` in the image list's place, with the place's name
  // `ListView2` and visibility; the panel owns it from then on.
  void PlaceImageList(QWidget* list);
  // The detail list `ListPanel` in its place over the list: the placeholder
  // until PlaceDetailList.
  QWidget* detailList() const { return detailList_; }
  // Puts `panel` in the detail list's place, with the name `ListPanel`,
  // hidden; the panel owns it from then on.
  void PlaceDetailList(QWidget* panel);
  // Shows the detail list in the place of the list and the comment editor,
  // or the list again; while it floats, the list stays and the detail
  // list's own window is shown or hidden.
  void ShowDetailList(bool shown);
  // Docks the detail list in the list's place (`floating` false), or moves
  // it into a tool window of its own over the list (true), which the user
  // may move while working in the list beneath.
  void SetDetailListFloating(bool floating);
  bool detailListFloating() const { return detailWindow_ != nullptr && detailWindow_->isAncestorOf(detailList_); }
  // The preview card `Image3` lies over the list rather than beside it: its
  // placeholder here goes once the card exists.
  void RemovePreviewPlaceholder();

 private:
  Toolbar toolbar_;
  QWidget* toolbarPanel_ = nullptr;
  BottomBar bottomBar_;
  QLabel* namePanel_ = nullptr;
  QWidget* listRow_ = nullptr;  // the list panel (with its comment editor) and the preview
  FreeLayout freeLayout_;
  Favourites favourites_;
  QWidget* imageList_ = nullptr;
  QWidget* previewPlaceholder_ = nullptr;
  QWidget* detailList_ = nullptr;
  QVBoxLayout* listArea_ = nullptr;   // holds the list, the free layout and the docked detail list
  QWidget* detailWindow_ = nullptr;   // the floating detail list's window, made at its first use
};

}  // namespace lumidex
