#include "mainwindow/ui/main_menu_commands.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QEvent>
#include <QFileDialog>
#include <QItemSelectionModel>
#include <QMenu>
#include <QRegularExpression>
#include <QTableView>
#include <QToolBar>
#include <QTreeWidget>

#include "album/album_store.h"
#include "foundation/folder_walk.h"
#include "freelayout/layout_operations.h"
#include "freelayout/ui/free_layout_canvas.h"
#include "freelayout/ui/free_layout_commands.h"
#include "freelayout/ui/free_layout_view.h"
#include "imagelist/ui/detail_list_panel.h"
#include "imagelist/ui/image_list_panel.h"
#include "imagelist/ui/list_view2.h"
#include "mainwindow/ui/album_list_commands.h"
#include "mainwindow/ui/main_menu_bar.h"
#include "mainwindow/ui/page_side_panel.h"
#include "mainwindow/ui/picture_views.h"
#include "mainwindow/ui/tform1.h"
#include "mainwindow/ui/tool_select_dlg.h"
#include "platform/ui/clipboard_file_list.h"
#include "platform/ui/qt_bridge.h"
#include "platform/ui/text_editor_launch.h"

namespace lumidex {
namespace {

// True when the focus widget is `view` or inside it.
bool HasFocusIn(const QWidget* view) {
  const QWidget* focus = QApplication::focusWidget();
  return view != nullptr && focus != nullptr && (focus == view || view->isAncestorOf(focus));
}

// Selects every row of `view`, or flips the selection of every row, in one
// change of its selection: the view and its model see one selection change,
// not one per row, so no row data is asked for while it runs.
void SelectRows(QAbstractItemView& view, bool invert) {
  const QAbstractItemModel* model = view.model();
  const int rows = model != nullptr ? model->rowCount() : 0;
  if (rows == 0 || view.selectionModel() == nullptr) return;
  const QItemSelection all(model->index(0, 0), model->index(rows - 1, model->columnCount() - 1));
  view.selectionModel()->select(all,
                                invert ? QItemSelectionModel::Toggle : QItemSelectionModel::Select);
}

void Offer(QAction* item, const ItemOffer& offer) {
  item->setVisible(offer.visible);
  item->setEnabled(offer.enabled);
}

QString ChooseFolderWithDialog(QWidget* parent, const QString& caption, const QString& start) {
  return QFileDialog::getExistingDirectory(parent, caption, start);
}

}  // namespace

MainMenuCommands::MainMenuCommands(TForm1& window, ImageListPanel& list, AlbumStore& album,
                                   FreeLayoutView& freeLayout, DetailListPanel& detailList,
                                   AlbumListCommands& albumList, PictureViews& pictures)
    : QObject(&window),
      window_(window),
      list_(list),
      album_(album),
      freeLayout_(freeLayout),
      detailList_(detailList),
      albumList_(albumList),
      pictures_(pictures),
      chooseFolder_(&ChooseFolderWithDialog),
      openText_([](const QString& path) { platform::OpenInTextEditor(path); }) {
  const MainMenuItems& menu = window.mainMenu();
  for (QMenu* each : {menu.file, menu.edit, menu.view, menu.search, menu.tools}) {
    connect(each, &QMenu::aboutToShow, this, &MainMenuCommands::ApplyOffer);
  }
  connect(menu.undo, &QAction::triggered, &list_, &ImageListPanel::RevertChanges);
  connect(menu.copy, &QAction::triggered, this, [this] { freeLayout_.commands()->Copy(false); });
  connect(menu.paste, &QAction::triggered, this, [this] { freeLayout_.commands()->Paste(); });
  connect(menu.selectAll, &QAction::triggered, this, [this] { SelectItems(false); });
  connect(menu.invert, &QAction::triggered, this, [this] { SelectItems(true); });
  connect(menu.refresh, &QAction::triggered, this, [this] {
    if (freeLayout_.active()) freeLayout_.RedrawPictures();
  });
  connect(menu.openFolder, &QAction::triggered, this, &MainMenuCommands::OpenFolder);
  connect(menu.holidayFile, &QAction::triggered, this, &MainMenuCommands::OpenHolidayFile);
  BuildToolPanel();

  // The shortcuts (Ctrl+Z, Ctrl+A, Ctrl+P) go by the same rules as the
  // menus: the items are offered anew before a key can reach them.
  qApp->installEventFilter(this);
  ApplyOffer();
}

bool MainMenuCommands::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::ShortcutOverride) ApplyOffer();
  return QObject::eventFilter(watched, event);
}

MainMenuState MainMenuCommands::State() const {
  MainMenuState state;
  switch (list_.list().mode()) {
    case ListMode::kPageList:
      state.list = ListShown::kPageList;
      break;
    case ListMode::kContainer:
      state.list = album_.SubAlbumOpen() ? ListShown::kSubAlbum
                   : album_.PageOpen()   ? ListShown::kPage
                                         : ListShown::kPageList;
      break;
    case ListMode::kFolder:
      state.list = ListShown::kFolder;
      break;
  }
  state.freeLayoutShown = freeLayout_.active();
  state.actualSizeView = pictures_.actualSize();
  const TToolSelectDlg* albumList = albumList_.window();
  state.albumListOpen = albumList != nullptr && albumList->isVisible();
  state.passwordRegistered = !window_.settings().listlck.empty();
  state.clipboardHasFilesOrText = ClipboardHoldsFilesOrText();
  state.freeLayoutItemsSelected =
      state.freeLayoutShown && SelectedCount(window_.pageSide()->freeLayout().canvas->items()) > 0;
  state.listHasItems = list_.list().size() > 0;
  state.albumModified = album_.modified();
  return state;
}

void MainMenuCommands::ApplyOffer() {
  const MainMenuOffer offer = MainMenuOfferFor(State());
  const MainMenuItems& menu = window_.mainMenu();
  Offer(menu.enlargedSave, offer.enlargedSave);
  Offer(menu.print, offer.print);
  const QString hint = ToQString(offer.printHint);
  menu.print->setStatusTip(hint);
  menu.print->setToolTip(hint);
  Offer(menu.undo, offer.undo);
  Offer(menu.copy, offer.copy);
  Offer(menu.paste, offer.paste);
  Offer(menu.selectAll, offer.selectAll);
  Offer(menu.invert, offer.invert);
  Offer(menu.allAlbums, offer.allAlbums);
  Offer(menu.refresh, offer.refresh);
  Offer(menu.find, offer.find);
  Offer(menu.passwordChange, offer.passwordChange);
  for (const auto& [item, button] : toolButtons_) {
    button->setVisible(item->isVisible());
    button->setEnabled(item->isEnabled());
  }
}

SelectionTarget MainMenuCommands::Target() const {
  SelectionFocus focus;
  focus.freeLayoutShown = freeLayout_.active();
  focus.detailListShown = detailList_.isVisible();
  focus.detailListHasFocus = HasFocusIn(&detailList_);
  const TToolSelectDlg* albumList = albumList_.window();
  focus.albumListHasFocus =
      albumList != nullptr && albumList->isVisible() && HasFocusIn(&albumList->list());
  return SelectionTargetFor(focus);
}

void MainMenuCommands::SelectItems(bool invert) {
  switch (Target()) {
    case SelectionTarget::kFreeLayout:
      SelectInFreeLayout(invert);
      break;
    case SelectionTarget::kDetailList:
      SelectRows(detailList_.view(), invert);
      break;
    case SelectionTarget::kAlbumList:
      SelectRows(albumList_.window()->list(), invert);
      break;
    case SelectionTarget::kImageList:
      SelectRows(*list_.view(), invert);
      break;
  }
}

// A change of the selection alone is no edit: the items are previewed, as
// the canvas's own menu does.
void MainMenuCommands::SelectInFreeLayout(bool invert) {
  FreeLayoutCanvas& canvas = *window_.pageSide()->freeLayout().canvas;
  std::vector<FreeLayoutItem> items = canvas.items();
  if (invert) {
    InvertSelection(items);
  } else {
    SelectAll(items);
  }
  canvas.Preview(std::move(items));
}

void MainMenuCommands::OpenFolder() {
  const QString start = lastFolder_.isEmpty() ? ToQString(window_.settings().aDir) : lastFolder_;
  const QString folder = chooseFolder_(
      &window_,
      QStringLiteral("指定フォルダの画像ファイルを全て表示します。\n開くフォルダを選択して下さい"),
      start);
  if (folder.isEmpty()) return;
  lastFolder_ = folder;
  list_.ShowFolder(ToStdString(folder), FolderWalkOptions{});
}

void MainMenuCommands::OpenHolidayFile() {
  openText_(ToQString(window_.environment().folders.dataDir + "NationalHoliday.txt"));
}

// "他のボタン" shows the tool panel: the free layout's items of the menu as
// buttons before its closing button. Each button is offered as its item is
// (ApplyOffer) and runs the item only while the rules offer it.
void MainMenuCommands::BuildToolPanel() {
  const PageSidePanel::Toolbar& toolbar = window_.pageSide()->toolbar();
  QToolBar* tools = toolbar.toolBar1;
  // The tool panel is drawn in the light window colour, unlike the bar it
  // lies in: its buttons are lettered dark.
  tools->setStyleSheet(
      QStringLiteral("QToolBar { border: none; } QToolButton { color: #000000; }"
                     " QToolButton:disabled { color: #808080; }"));
  QAction* close = tools->actions().isEmpty() ? nullptr : tools->actions().last();
  const MainMenuItems& menu = window_.mainMenu();
  static const QRegularExpression kAccelerator(QStringLiteral("\\(&.\\)$"));
  for (QAction* item :
       {menu.selectAll, menu.invert, menu.copy, menu.paste, menu.refresh, menu.print}) {
    auto* button = new QAction(QString(item->text()).remove(kAccelerator), tools);
    button->setObjectName(item->objectName() + QStringLiteral("Tool"));
    tools->insertAction(close, button);
    toolButtons_.push_back({item, button});
    connect(button, &QAction::triggered, item, [this, item] {
      ApplyOffer();
      if (item->isVisible() && item->isEnabled()) item->trigger();
    });
  }
  connect(toolbar.moreTools, &QAbstractButton::clicked, this, &MainMenuCommands::ApplyOffer);
  connect(toolbar.freeLayout, &QAbstractButton::toggled, this, &MainMenuCommands::ApplyOffer);
  connect(&list_, &ImageListPanel::contentChanged, this, &MainMenuCommands::ApplyOffer);
  connect(window_.pageSide()->freeLayout().canvas, &FreeLayoutCanvas::edited, this,
          &MainMenuCommands::ApplyOffer);
}

}  // namespace lumidex
