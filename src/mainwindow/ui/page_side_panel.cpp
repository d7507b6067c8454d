#include "mainwindow/ui/page_side_panel.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QSplitter>
#include <QToolBar>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "freelayout/ui/free_layout_canvas.h"
#include "freelayout/ui/free_layout_tab_strip.h"
#include "freelayout/ui/free_layout_tree.h"
#include "platform/ui/wrapping_row_layout.h"
#include "platform/ui/control_hint.h"

namespace lumidex {
namespace {

QWidget* Panel(QWidget* parent, const char* name) {
  auto* panel = new QWidget(parent);
  panel->setObjectName(QString::fromLatin1(name));
  panel->setAutoFillBackground(true);
  return panel;
}

QLabel* Heading(QWidget* parent, const char* name, const QString& text) {
  auto* label = new QLabel(text, parent);
  label->setObjectName(QString::fromLatin1(name));
  label->setAutoFillBackground(true);
  label->setContentsMargins(4, 2, 4, 2);
  return label;
}


struct ToolbarButton {
  QAbstractButton* PageSidePanel::Toolbar::*slot;
  const char* name;
  const char* caption;
  const char* hint;
  bool checkable;
  bool visibleAtStart;
};

// The page side toolbar, in its order ("適用" right of "コメント"). Buttons
// of other states (an open page, the free layout) start hidden; their
// views show them.
constexpr ToolbarButton kToolbar[] = {
    {&PageSidePanel::Toolbar::back, "SpeedButton14", "戻る", "戻る", false, false},
    {&PageSidePanel::Toolbar::up, "SpeedButton15", "↑", "↑", false, false},
    {&PageSidePanel::Toolbar::down, "SpeedButton16", "↓", "↓", false, false},
    {&PageSidePanel::Toolbar::size, "SpeedButton17", "サイズ", "画像サイズの切換", true, true},
    {&PageSidePanel::Toolbar::comment, "CommentSpBtn", "コメント", "コメントの表示と非表示", true, true},
    {&PageSidePanel::Toolbar::apply, "SpeedButton28", "適用", "適用|ページやサブアルバムの変更を保存する", false, false},
    {&PageSidePanel::Toolbar::multiColumn, "SpeedButton12", "複数列", "複数列|リストを複数の列で表示", true, true},
    {&PageSidePanel::Toolbar::allPages, "AllPageSpBtn", "全ページ", "全ページを表示|他の年で使用しているページも表示する", true, true},
    {&PageSidePanel::Toolbar::dayDetail, "SpeedButton31", "詳細", "詳細|カレンダーの日付、リスト画像のクリックで詳細表示", true, true},
    {&PageSidePanel::Toolbar::favourites, "SpeedButton21", "お気に入り", "お気に入り", true, false},
    {&PageSidePanel::Toolbar::freeLayout, "FreeAlbSpBtn", "フリー配置", "フリー配置|ページの画像やテキストを自由に配置する", true, true},
    {&PageSidePanel::Toolbar::freeLayoutTree, "TreeOnSpBtn", "一覧", "フリー配置の一覧|右クリックで一覧を更新する", true, false},
    {&PageSidePanel::Toolbar::byDate, "AlbDayRegBtn", "日付", "日付で管理|フリー配置を日付で管理するかアルバム名で管理するかを切り換える", true, false},
    {&PageSidePanel::Toolbar::fileDetail, "SpeedButton36", "詳細", "詳細|ファイルやExifの情報を表示", true, false},
    {&PageSidePanel::Toolbar::dates, "SpeedButton11", "更新日", "更新日を表示", true, false},
    {&PageSidePanel::Toolbar::banMove, "BanMoveSpBtn", "移動", "移動の許可と禁止", true, false},
    {&PageSidePanel::Toolbar::moreTools, "SpeedButton37", "他", "他のボタン|配置や印刷等のツールボタンを表示", false, true},
};

QWidget* MakeToolbar(QWidget* parent, PageSidePanel::Toolbar& toolbar) {
  auto* panel = Panel(parent, "Panel13");
  // A narrow page side wraps its buttons instead of cutting their labels.
  auto* row = new WrappingRowLayout(panel);
  row->setContentsMargins(2, 1, 2, 1);
  row->setSpacing(1);
  for (const ToolbarButton& entry : kToolbar) {
    QAbstractButton* button = MakeSpeedButton(panel, entry.name, QString::fromUtf8(entry.caption),
                                              QString::fromUtf8(entry.hint), entry.checkable);
    button->setVisible(entry.visibleAtStart);
    toolbar.*entry.slot = button;
    row->addWidget(button);
  }

  // The free layout tools, shown by "他のボタン" and hidden by their last button.
  auto* tools = Panel(panel, "ToolPanel");
  auto* toolRow = new QHBoxLayout(tools);
  toolRow->setContentsMargins(0, 0, 0, 0);
  auto* toolBar = new QToolBar(tools);
  toolBar->setObjectName(QStringLiteral("ToolBar1"));
  toolbar.toolBar1 = toolBar;
  QAction* close = toolBar->addAction(QStringLiteral("×"));
  close->setObjectName(QStringLiteral("ToolButton12"));
  close->setToolTip(QStringLiteral("ツールボタンを閉じる"));
  toolRow->addWidget(toolBar);
  row->addWidget(tools);
  tools->hide();
  QObject::connect(toolbar.moreTools, &QAbstractButton::clicked, tools, &QWidget::show);
  QObject::connect(close, &QAction::triggered, tools, &QWidget::hide);
  return panel;
}

// The favourites `Panel15`: the title `Panel17`, the list `ListView3` with
// the columns 日付, サブアルバム and ファイル名, and the close button.
QWidget* MakeFavourites(QWidget* parent, PageSidePanel::Favourites& parts) {
  auto* panel = Panel(parent, "Panel15");
  auto* column = new QVBoxLayout(panel);
  column->setContentsMargins(0, 0, 0, 0);
  column->setSpacing(0);
  auto* top = new QHBoxLayout;
  parts.title = Heading(panel, "Panel17", QStringLiteral("お気に入り"));
  top->addWidget(parts.title, 1);
  parts.close = MakeSpeedButton(panel, "SpeedButton32", QStringLiteral("×"), QStringLiteral("Close|閉じる"));
  top->addWidget(parts.close);
  column->addLayout(top);
  parts.list = new QTreeWidget(panel);
  parts.list->setObjectName(QStringLiteral("ListView3"));
  parts.list->setRootIsDecorated(false);
  parts.list->setSelectionMode(QAbstractItemView::ExtendedSelection);
  parts.list->setHeaderLabels({QStringLiteral("日付"), QStringLiteral("サブアルバム"), QStringLiteral("ファイル名")});
  parts.list->setColumnWidth(0, 42);
  parts.list->setColumnWidth(1, 48);
  parts.list->setIconSize(QSize(32, 16));
  column->addWidget(parts.list);
  panel->setFixedWidth(170);
  panel->hide();
  parts.panel = panel;
  return panel;
}

// The free layout `FreeAlbumPanel`: the tab strip, the page tree (hidden),
// the canvas `FreePanel` in its frame `Panel19`, and the page counter.
QWidget* MakeFreeLayout(QWidget* parent, PageSidePanel::FreeLayout& parts) {
  auto* panel = Panel(parent, "FreeAlbumPanel");
  auto* column = new QVBoxLayout(panel);
  column->setContentsMargins(0, 0, 0, 0);
  column->setSpacing(0);
  parts.tabs = new FreeLayoutTabStrip(panel);
  column->addWidget(parts.tabs);
  // The page tree left of the canvas, 141 pixels wide at first.
  auto* middle = new QSplitter(Qt::Horizontal, panel);
  middle->setChildrenCollapsible(false);
  parts.tree = new FreeLayoutTree(middle);
  parts.tree->hide();
  middle->addWidget(parts.tree);
  auto* canvasFrame = Panel(panel, "Panel19");
  parts.canvas = new FreeLayoutCanvas(canvasFrame);
  auto* paintBox = new QWidget(parts.canvas);
  paintBox->setObjectName(QStringLiteral("PaintBox1"));
  paintBox->hide();
  middle->addWidget(canvasFrame);
  middle->setStretchFactor(1, 1);
  middle->setSizes({141, 600});
  middle->handle(1)->setObjectName(QStringLiteral("Splitter4"));
  column->addWidget(middle, 1);
  auto* bottom = new QHBoxLayout;
  bottom->setSpacing(1);
  parts.previousPage = MakeSpeedButton(panel, "SpeedButton34", QStringLiteral("◀"), QStringLiteral("前のページ"));
  parts.counter = Heading(panel, "Panel18", QStringLiteral("000/000"));
  parts.counter->setAlignment(Qt::AlignCenter);
  parts.nextPage = MakeSpeedButton(panel, "SpeedButton35", QStringLiteral("▶"), QStringLiteral("次のページ"));
  parts.addTab = MakeSpeedButton(panel, "TabAddSpBtn", QStringLiteral("タブの追加"), QStringLiteral("タブの追加"));
  parts.moveTab = MakeSpeedButton(panel, "TabMoveSpBtn", QStringLiteral("一つ前に移動"),
                                  QStringLiteral("一つ前に移動|選択したタブを一つ前に移動する"));
  bottom->addWidget(parts.previousPage);
  bottom->addWidget(parts.counter, 1);
  bottom->addWidget(parts.nextPage);
  bottom->addWidget(parts.addTab);
  bottom->addWidget(parts.moveTab);
  column->addLayout(bottom);
  panel->hide();
  parts.panel = panel;
  return panel;
}

QWidget* MakeDetailList(QWidget* parent) {
  auto* panel = Panel(parent, "ListPanel");
  auto* column = new QVBoxLayout(panel);
  column->setContentsMargins(0, 0, 0, 0);
  column->setSpacing(0);
  auto* bar = new QHBoxLayout;
  bar->addWidget(MakeSpeedButton(panel, "SpeedButton30", QStringLiteral("上へ"), QStringLiteral("上へ")));
  bar->addWidget(MakeCheckBox(panel, "CheckBox6", QStringLiteral("Jpeg Exif Info")));
  bar->addStretch(1);
  bar->addWidget(MakeSpeedButton(panel, "CloseBtn", QStringLiteral("閉じる"), QStringLiteral("閉じる")));
  column->addLayout(bar);
  auto* list = new QTreeWidget(panel);
  list->setObjectName(QStringLiteral("ListView1"));
  list->setRootIsDecorated(false);
  column->addWidget(list);
  panel->hide();
  return panel;
}

QWidget* MakeBottomBar(QWidget* parent, PageSidePanel::BottomBar& bar) {
  auto* panel = Panel(parent, "Panel16");
  auto* row = new QHBoxLayout(panel);
  row->setContentsMargins(2, 1, 2, 1);
  bar.goToDay = MakeSpeedButton(panel, "SpeedButton19", QStringLiteral("この日に移動"), QStringLiteral("この日に移動"));
  row->addWidget(bar.goToDay);
  row->addStretch(1);
  auto* enlarge = MakeCheckBox(panel, "CheckBox2", QStringLiteral("拡大"),
                           QStringLiteral("画像の拡大|選択した画像を拡大、画像のクリックで戻る"));
  auto* stretch = MakeCheckBox(panel, "CheckBox3", QStringLiteral("ストレッチ"), QStringLiteral("ストレッチ|表示枠一杯に描画する"));
  enlarge->hide();  // only in the multi-column list mode
  stretch->hide();
  row->addWidget(enlarge);
  row->addWidget(stretch);
  bar.enlarge = enlarge;
  bar.stretch = stretch;
  bar.highQuality = MakeCheckBox(panel, "CheckBox4", QStringLiteral("高画質"),
                             QStringLiteral("高画質|表示サイズを小さくした時の画質を良くする"));
  bar.exif = MakeCheckBox(panel, "CheckBox5", QStringLiteral("Exif"));
  row->addWidget(bar.highQuality);
  row->addWidget(bar.exif);
  return panel;
}

}  // namespace

PageSidePanel::PageSidePanel(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("GrpPanel"));
  auto* column = new QVBoxLayout(this);
  column->setContentsMargins(0, 0, 0, 0);
  column->setSpacing(0);
  toolbarPanel_ = MakeToolbar(this, toolbar_);
  column->addWidget(toolbarPanel_);

  auto* frame = Panel(this, "Panel9");
  auto* inner = new QVBoxLayout(frame);
  inner->setContentsMargins(2, 0, 2, 0);
  inner->setSpacing(0);
  namePanel_ = Heading(frame, "NamePanel", QStringLiteral("アルバムのページ"));
  inner->addWidget(namePanel_);
  // The favourites stand beside whichever view is shown (the list, the free
  // layout, the docked detail list): favourites are dragged onto free
  // layout pages.
  auto* body = new QHBoxLayout;
  body->setContentsMargins(0, 0, 0, 0);
  body->setSpacing(0);
  auto* views = new QVBoxLayout;
  views->setContentsMargins(0, 0, 0, 0);
  views->setSpacing(0);
  listArea_ = views;
  body->addLayout(views, 1);
  body->addWidget(MakeFavourites(frame, favourites_));
  inner->addLayout(body, 1);

  // The image list (with its comment editor) and the preview card beside it.
  auto* listRow = new QWidget(frame);
  auto* listLayout = new QHBoxLayout(listRow);
  listLayout->setContentsMargins(0, 0, 0, 0);
  listLayout->setSpacing(0);
  imageList_ = new QListWidget(listRow);
  imageList_->setObjectName(QStringLiteral("ListView2"));
  listLayout->addWidget(imageList_, 1);
  previewPlaceholder_ = new QLabel(listRow);
  previewPlaceholder_->setObjectName(QStringLiteral("Image3"));
  previewPlaceholder_->hide();
  listLayout->addWidget(previewPlaceholder_);
  listRow_ = listRow;
  views->addWidget(listRow, 1);
  views->addWidget(MakeFreeLayout(frame, freeLayout_), 1);
  detailList_ = MakeDetailList(frame);
  views->addWidget(detailList_, 1);
  column->addWidget(frame, 1);
  column->addWidget(MakeBottomBar(this, bottomBar_));
}

void PageSidePanel::PlaceImageList(QWidget* list) {
  QWidget* placeholder = imageList_;
  QLayout* layout = placeholder->parentWidget()->layout();
  delete layout->replaceWidget(placeholder, list);
  list->setObjectName(placeholder->objectName());
  list->setVisible(!placeholder->isHidden());
  imageList_ = list;
  delete placeholder;
}

void PageSidePanel::PlaceDetailList(QWidget* panel) {
  QWidget* placeholder = detailList_;
  delete placeholder->parentWidget()->layout()->replaceWidget(placeholder, panel);
  panel->setObjectName(placeholder->objectName());
  panel->hide();
  detailList_ = panel;
  delete placeholder;
}

void PageSidePanel::ShowDetailList(bool shown) {
  if (detailListFloating()) {
    listRow_->show();
    detailList_->setVisible(shown);
    detailWindow_->setVisible(shown);
    if (shown) detailWindow_->raise();
    return;
  }
  listRow_->setVisible(!shown);
  detailList_->setVisible(shown);
}

void PageSidePanel::SetDetailListFloating(bool floating) {
  if (floating == detailListFloating()) return;
  const bool shown = detailList_->isVisible();
  if (!floating) {
    detailWindow_->hide();
    listArea_->insertWidget(listArea_->indexOf(freeLayout_.panel) + 1, detailList_, 1);
    ShowDetailList(shown);
    return;
  }
  if (detailWindow_ == nullptr) {
    detailWindow_ = new QWidget(window(), Qt::Tool);
    detailWindow_->setObjectName(QStringLiteral("ListPanelWindow"));
    detailWindow_->setWindowTitle(QStringLiteral("詳細"));
    auto* layout = new QVBoxLayout(detailWindow_);
    layout->setContentsMargins(0, 0, 0, 0);
    // Beside the list, over the calendar side of the window, so the list's
    // items stay in view while rows are chosen; inside the window.
    const QRect area(listRow_->mapToGlobal(QPoint(0, 0)), listRow_->size());
    const QRect frame = window()->geometry();
    const QSize size(std::max(area.width(), 480), std::max(area.height(), 240));
    const int x = std::max(frame.left(), area.left() - size.width() + 40);
    const int y = std::max(frame.top(), std::min(area.top() + 40, frame.bottom() - size.height()));
    detailWindow_->setGeometry(QRect(QPoint(x, y), size));
  }
  listArea_->removeWidget(detailList_);
  detailWindow_->layout()->addWidget(detailList_);
  ShowDetailList(shown);
}

void PageSidePanel::ShowFreeLayout(bool shown) {
  listRow_->setVisible(!shown);
  freeLayout_.panel->setVisible(shown);
}

void PageSidePanel::RemovePreviewPlaceholder() {
  delete previewPlaceholder_;
  previewPlaceholder_ = nullptr;
}

}  // namespace lumidex
